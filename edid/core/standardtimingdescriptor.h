#ifndef STANDARDTIMINGDESCRIPTOR_H
#define STANDARDTIMINGDESCRIPTOR_H

#include "standardtiming.h"

// Standard timing identifications descriptor: six more 2-byte codes.
constexpr int EXTRA_STANDARD_TIMING_COUNT = 6;

void decodeExtraStandardTimings(const Byte* descriptor, T_EDID_STANDARD_TIMING* timings);
// Writes the frame bytes and the code of entry `position` (0..5) only.
// Unlike the base block, an unused entry keeps its refresh and aspect bits
// in the second byte, so an unused entry at its defaults is 0x01 0x00.
void encodeExtraStandardTiming(const T_EDID_STANDARD_TIMING& timing, int position, Byte* descriptor);

#endif
