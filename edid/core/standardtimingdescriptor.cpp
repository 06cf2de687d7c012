#include "standardtimingdescriptor.h"

void decodeExtraStandardTimings(const Byte* d, T_EDID_STANDARD_TIMING* timings)
{
    for (int i = 0; i < EXTRA_STANDARD_TIMING_COUNT; ++i)
        decodeStandardTiming(d + 5 + 2 * i, timings[i]);
}

void encodeExtraStandardTiming(const T_EDID_STANDARD_TIMING& timing, int position, Byte* d)
{
    d[0] = d[1] = d[2] = 0x00;
    d[3] = 0xFA;
    d[4] = 0x00;
    d[17] = 0x0A;
    T_EDID_STANDARD_TIMING used = timing;
    used.enabled = true;
    Byte* code = d + 5 + 2 * position;
    encodeStandardTiming(used, code);
    if (!timing.enabled)
        code[0] = 0x01;
}
