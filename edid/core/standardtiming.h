#ifndef STANDARDTIMING_H
#define STANDARDTIMING_H

#include "edidtypes.h"

// Aspect ratio values of a standard timing record. The numbering is the one
// the editors use; 3 is never produced and is encoded as 16:10.
enum StandardTimingAspect {
    ASPECT_5_4 = 0,
    ASPECT_4_3 = 1,
    ASPECT_16_10 = 2,
    ASPECT_16_9 = 4
};

// One E-EDID 2-byte standard timing code.
struct T_EDID_STANDARD_TIMING {
    Bool enabled = false;          // false for an unused entry
    Word hActive = 256;            // horizontal active pixels, 256 to 2288
    int aspectRatio = ASPECT_16_10;
    int refreshRate = 60;          // Hz, 60 to 123
};

// Limits of the editable values.
constexpr int STD_TIMING_MIN_HACTIVE = 256;
constexpr int STD_TIMING_MAX_HACTIVE = 2288;
constexpr int STD_TIMING_HACTIVE_STEP = 8;
constexpr int STD_TIMING_MIN_REFRESH = 60;
constexpr int STD_TIMING_MAX_REFRESH = 123;

// Aspect of the 2-bit aspect code and back; any other aspect has code 0.
int standardAspectOfBits(int bits);
int standardBitsOfAspect(int aspectRatio);

// Decodes two bytes. A first byte of 0x01 (the unused code) or 0x00 (which
// would give 248 pixels, below every valid width) marks an unused entry; the
// other fields then keep their defaults.
void decodeStandardTiming(const Byte* code, T_EDID_STANDARD_TIMING& timing);

// Encodes one entry into two bytes; an unused entry is written 0x01 0x01.
void encodeStandardTiming(const T_EDID_STANDARD_TIMING& timing, Byte* code);

// Text of an aspect value as shown to the user ("16:9", ...); any value
// other than 5:4, 16:9 and 16:10 reads "4:3".
QString standardTimingAspectText(int aspectRatio);

#endif
