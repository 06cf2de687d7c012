#include "standardtiming.h"

#include "lookup.h"

namespace {
const Byte kUnusedCode = 0x01;

// Aspect bits 7-6 of the second byte, indexed by their value.
const int kAspectFromBits[4] = {ASPECT_16_10, ASPECT_4_3, ASPECT_5_4, ASPECT_16_9};
}

int standardAspectOfBits(int bits)
{
    return kAspectFromBits[bits & 3];
}

int standardBitsOfAspect(int aspectRatio)
{
    return indexIn(kAspectFromBits, aspectRatio);
}

void decodeStandardTiming(const Byte* code, T_EDID_STANDARD_TIMING& timing)
{
    timing = T_EDID_STANDARD_TIMING();
    if (code[0] == kUnusedCode || code[0] == 0x00)
        return;
    timing.enabled = true;
    timing.hActive = Word(code[0] * 8 + 248);
    timing.aspectRatio = standardAspectOfBits(code[1] >> 6);
    timing.refreshRate = (code[1] & 0x3F) + 60;
}

void encodeStandardTiming(const T_EDID_STANDARD_TIMING& timing, Byte* code)
{
    if (!timing.enabled) {
        code[0] = kUnusedCode;
        code[1] = kUnusedCode;
        return;
    }
    code[0] = Byte(timing.hActive / 8 - 31);
    code[1] = Byte(standardBitsOfAspect(timing.aspectRatio) << 6 | ((timing.refreshRate - 60) & 0x3F));
}

QString standardTimingAspectText(int aspectRatio)
{
    switch (aspectRatio) {
    case ASPECT_5_4: return QStringLiteral("5:4");
    case ASPECT_16_9: return QStringLiteral("16:9");
    case ASPECT_16_10: return QStringLiteral("16:10");
    default: return QStringLiteral("4:3");
    }
}
