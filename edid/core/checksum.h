#ifndef CHECKSUM_H
#define CHECKSUM_H

#include "edidtypes.h"

// E-EDID checksum rule: the last byte of a 128-byte block makes the sum of
// all 128 bytes 0 modulo 256.
Byte blockChecksum(const Byte* block);
bool blockChecksumValid(const Byte* block);
// Recomputes byte 127 of the block that starts at `block`.
void updateBlockChecksum(Byte* block);
// Recomputes byte 127 of the base block of a whole image.
inline void updateBaseChecksum(Byte* image) { updateBlockChecksum(image); }

#endif
