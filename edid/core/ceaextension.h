#ifndef CEAEXTENSION_H
#define CEAEXTENSION_H

#include "edidtypes.h"

// Tag byte of a CEA-861 extension block.
constexpr Byte CEA_EXTENSION_TAG = 0x02;

inline bool isCEAExtension(const Byte* block)
{
    return block[0] == CEA_EXTENSION_TAG;
}

// Sets image bytes 128-255 to zero (an all-zero block has checksum 0).
void clearCEAExtension(Byte* image);

#endif
