#ifndef RANGELIMITS_H
#define RANGELIMITS_H

#include "edidtypes.h"

// Video timing support of a range limits descriptor, in combo box order.
enum RangeLimitsTimingSupport {
    RANGE_DEFAULT_GTF = 0,
    RANGE_SECONDARY_GTF = 1,
    RANGE_LIMITS_ONLY = 2,
    RANGE_CVT = 3
};

// Preferred aspect ratio index of the CVT block, and its 3-bit code.
enum RangeLimitsAspect { RANGE_ASPECT_5_4 = 0, RANGE_ASPECT_4_3 = 1, RANGE_ASPECT_16_10 = 2, RANGE_ASPECT_15_9 = 3, RANGE_ASPECT_16_9 = 4 };

struct T_EDID_RANGE_LIMITS {
    int minVRate = 0; // Hz, E-EDID 1.4 offsets applied
    int maxVRate = 0;
    int minHRate = 0; // kHz
    int maxHRate = 0;
    int maxPixelClock = 0; // MHz, multiple of 10
    int timingSupport = RANGE_DEFAULT_GTF;
    // Secondary GTF curve
    int startFrequency = 0;
    int cx2 = 0;
    int m = 0;
    int k = 0;
    int jx2 = 0;
    // CVT support
    int cvtVersion = 1;
    int cvtRevision = 0;
    int pixelClockPrecision = 0;
    int maxActivePixels = 0;
    bool supports4x3 = false;
    bool supports16x9 = false;
    bool supports16x10 = false;
    bool supports5x4 = false;
    bool supports15x9 = false;
    int preferredAspect = RANGE_ASPECT_4_3;
    bool standardBlanking = false;
    bool reducedBlanking = false;
    bool hShrink = false;
    bool hStretch = false;
    bool vShrink = false;
    bool vStretch = false;
    int preferredVRate = 1;
};

// Highest rate that one byte holds: at revision 4 the rate offset flags of
// byte 4 add 255, so rates up to 510 are encodable.
int maxRangeLimitRate(Word revision);

void decodeRangeLimits(const Byte* descriptor, Word revision, T_EDID_RANGE_LIMITS& out);
void encodeRangeLimits(const T_EDID_RANGE_LIMITS& limits, Word revision, Byte* descriptor);

#endif
