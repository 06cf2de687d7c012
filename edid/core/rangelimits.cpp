#include "rangelimits.h"

#include "lookup.h"

#include <cstring>

namespace {

// 3-bit preferred aspect code of byte 15, indexed by RangeLimitsAspect.
const int kAspectCodes[5] = {3, 0, 2, 4, 1};

int aspectFromCode(int code)
{
    return indexIn(kAspectCodes, code, RANGE_ASPECT_16_10); // codes 5 to 7 are reserved
}

bool bit(Byte value, int n) { return (value >> n) & 1; }
Byte flag(bool set, int n) { return Byte(set ? 1 << n : 0); }

void decodeCvtBlock(const Byte* d, T_EDID_RANGE_LIMITS& out)
{
    out.cvtVersion = d[11] >> 4;
    out.cvtRevision = d[11] & 0x0F;
    out.pixelClockPrecision = d[12] >> 2;
    out.maxActivePixels = ((((d[12] & 3) << 8) | d[13]) * 8);
    out.supports4x3 = bit(d[14], 7);
    out.supports16x9 = bit(d[14], 6);
    out.supports16x10 = bit(d[14], 5);
    out.supports5x4 = bit(d[14], 4);
    out.supports15x9 = bit(d[14], 3);
    out.preferredAspect = aspectFromCode(d[15] >> 5);
    out.standardBlanking = bit(d[15], 3);
    out.reducedBlanking = bit(d[15], 4);
    out.hShrink = bit(d[16], 7);
    out.hStretch = bit(d[16], 6);
    out.vShrink = bit(d[16], 5);
    out.vStretch = bit(d[16], 4);
    out.preferredVRate = d[17];
}

void encodeCvtBlock(const T_EDID_RANGE_LIMITS& l, Byte* d)
{
    const int pixels = l.maxActivePixels / 8;
    d[11] = Byte((l.cvtVersion << 4) | (l.cvtRevision & 0x0F));
    d[12] = Byte(((l.pixelClockPrecision & 0x3F) << 2) | ((pixels >> 8) & 3));
    d[13] = Byte(pixels & 0xFF);
    d[14] = Byte(flag(l.supports4x3, 7) | flag(l.supports16x9, 6) | flag(l.supports16x10, 5)
                 | flag(l.supports5x4, 4) | flag(l.supports15x9, 3));
    d[15] = Byte((kAspectCodes[l.preferredAspect] << 5) | flag(l.reducedBlanking, 4)
                 | flag(l.standardBlanking, 3));
    d[16] = Byte(flag(l.hShrink, 7) | flag(l.hStretch, 6) | flag(l.vShrink, 5) | flag(l.vStretch, 4));
    d[17] = Byte(l.preferredVRate);
}

// One rate pair and its two offset flags (bit `shift` + 1 for the maximum,
// bit `shift` for the minimum, which is only valid with the maximum's).
void decodeRatePair(const Byte* d, int index, Byte offsets, int shift, int& min, int& max)
{
    const int flags = (offsets >> shift) & 3;
    max = d[index + 1] + ((flags & 2) ? 255 : 0);
    min = d[index] + (flags == 3 ? 255 : 0);
}

Byte encodeRatePair(Byte* d, int index, int min, int max, Word revision, int shift)
{
    const bool minOffset = revision == 4 && min > 255;
    const bool maxOffset = revision == 4 && (max > 255 || minOffset);
    d[index] = Byte((minOffset ? min - 255 : min) & 0xFF);
    d[index + 1] = Byte((maxOffset ? (max > 255 ? max - 255 : 0) : max) & 0xFF);
    return Byte(((maxOffset ? 2 : 0) | (minOffset ? 1 : 0)) << shift);
}

} // namespace

int maxRangeLimitRate(Word revision)
{
    return revision == 4 ? 510 : 255;
}

void decodeRangeLimits(const Byte* d, Word revision, T_EDID_RANGE_LIMITS& out)
{
    out = T_EDID_RANGE_LIMITS();
    const Byte offsets = revision == 4 ? d[4] : 0;
    decodeRatePair(d, 5, offsets, 0, out.minVRate, out.maxVRate);
    decodeRatePair(d, 7, offsets, 2, out.minHRate, out.maxHRate);
    out.maxPixelClock = d[9] * 10;
    switch (d[10]) {
    case 0x01:
        out.timingSupport = revision == 4 ? RANGE_LIMITS_ONLY : RANGE_DEFAULT_GTF;
        break;
    case 0x02:
        out.timingSupport = RANGE_SECONDARY_GTF;
        out.startFrequency = d[12];
        out.cx2 = d[13];
        out.m = d[14] | (d[15] << 8);
        out.k = d[16];
        out.jx2 = d[17];
        break;
    case 0x04:
        if (revision == 4) {
            out.timingSupport = RANGE_CVT;
            decodeCvtBlock(d, out);
        }
        break;
    default:
        break;
    }
}

void encodeRangeLimits(const T_EDID_RANGE_LIMITS& l, Word revision, Byte* d)
{
    std::memset(d, 0, 18);
    d[3] = 0xFD;
    d[4] = Byte(encodeRatePair(d, 5, l.minVRate, l.maxVRate, revision, 0)
                | encodeRatePair(d, 7, l.minHRate, l.maxHRate, revision, 2));
    d[9] = Byte((l.maxPixelClock / 10) & 0xFF);
    switch (l.timingSupport) {
    case RANGE_SECONDARY_GTF:
        d[10] = 0x02;
        d[12] = Byte(l.startFrequency);
        d[13] = Byte(l.cx2);
        d[14] = Byte(l.m & 0xFF);
        d[15] = Byte((l.m >> 8) & 0xFF);
        d[16] = Byte(l.k);
        d[17] = Byte(l.jx2);
        break;
    case RANGE_LIMITS_ONLY:
        d[10] = 0x01;
        break;
    case RANGE_CVT:
        d[10] = 0x04;
        encodeCvtBlock(l, d);
        break;
    default:
        d[10] = 0x00;
        break;
    }
}
