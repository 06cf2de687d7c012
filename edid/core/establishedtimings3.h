#ifndef ESTABLISHEDTIMINGS3_H
#define ESTABLISHEDTIMINGS3_H

#include "edidtypes.h"

constexpr int ESTABLISHED_TIMINGS_III_COUNT = 44;

// Established timings III: flag n lives in byte 6 + n / 8, bit 7 - n % 8.
struct T_EDID_ESTABLISHED_TIMINGS_III {
    bool flags[ESTABLISHED_TIMINGS_III_COUNT] = {};
};

void decodeEstablishedTimingsIII(const Byte* descriptor, T_EDID_ESTABLISHED_TIMINGS_III& out);
void encodeEstablishedTimingsIII(const T_EDID_ESTABLISHED_TIMINGS_III& timings, Byte* descriptor);
// Check box caption of flag n, e.g. "640 x 350 @ 85 Hz".
QString establishedTimingIIIName(int n);

#endif
