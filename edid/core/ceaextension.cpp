#include "ceaextension.h"

#include <cstring>

void clearCEAExtension(Byte* image)
{
    std::memset(image + EDID_BLOCK_SIZE, 0, EDID_BLOCK_SIZE);
}
