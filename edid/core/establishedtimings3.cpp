#include "establishedtimings3.h"

#include <cstring>

namespace {
const char* const kNames[ESTABLISHED_TIMINGS_III_COUNT] = {
    "640 x 350 @ 85 Hz", "640 x 400 @ 85 Hz", "720 x 400 @ 85 Hz", "640 x 480 @ 85 Hz",
    "848 x 480 @ 60 Hz", "800 x 600 @ 85 Hz", "1024 x 768 @ 85 Hz", "1152 x 864 @ 75 Hz",
    "1280 x 768 @ 60 Hz (RB)", "1280 x 768 @ 60 Hz", "1280 x 768 @ 75 Hz", "1280 x 768 @ 85 Hz",
    "1280 x 960 @ 60 Hz", "1280 x 960 @ 85 Hz", "1280 x 1024 @ 60 Hz", "1280 x 1024 @ 85 Hz",
    "1360 x 768 @ 60 Hz", "1440 x 900 @ 60 Hz (RB)", "1440 x 900 @ 60 Hz", "1440 x 900 @ 75 Hz",
    "1440 x 900 @ 85 Hz", "1400 x 1050 @ 60 Hz (RB)", "1400 x 1050 @ 60 Hz", "1400 x 1050 @ 75 Hz",
    "1400 x 1050 @ 85 Hz", "1680 x 1050 @ 60 Hz (RB)", "1680 x 1050 @ 60 Hz", "1680 x 1050 @ 75 Hz",
    "1680 x 1050 @ 85 Hz", "1600 x 1200 @ 60 Hz", "1600 x 1200 @ 65 Hz", "1600 x 1200 @ 70 Hz",
    "1600 x 1200 @ 75 Hz", "1600 x 1200 @ 85 Hz", "1792 x 1344 @ 60 Hz", "1792 x 1344 @ 75 Hz",
    "1856 x 1392 @ 60 Hz", "1856 x 1392 @ 75 Hz", "1920 x 1200 @ 60 Hz (RB)", "1920 x 1200 @ 60 Hz",
    "1920 x 1200 @ 75 Hz", "1920 x 1200 @ 85 Hz", "1920 x 1440 @ 60 Hz", "1920 x 1440 @ 75 Hz"};
}

void decodeEstablishedTimingsIII(const Byte* d, T_EDID_ESTABLISHED_TIMINGS_III& out)
{
    for (int n = 0; n < ESTABLISHED_TIMINGS_III_COUNT; ++n)
        out.flags[n] = (d[6 + n / 8] >> (7 - n % 8)) & 1;
}

void encodeEstablishedTimingsIII(const T_EDID_ESTABLISHED_TIMINGS_III& t, Byte* d)
{
    std::memset(d, 0, 18);
    d[3] = 0xF7;
    d[5] = 0x0A; // revision of the descriptor
    for (int n = 0; n < ESTABLISHED_TIMINGS_III_COUNT; ++n) {
        if (t.flags[n])
            d[6 + n / 8] |= Byte(1 << (7 - n % 8));
    }
}

QString establishedTimingIIIName(int n)
{
    return QString::fromLatin1(kNames[n]);
}
