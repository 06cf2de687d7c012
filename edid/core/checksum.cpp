#include "checksum.h"

Byte blockChecksum(const Byte* block)
{
    unsigned sum = 0;
    for (int i = 0; i < EDID_BLOCK_SIZE - 1; ++i)
        sum += block[i];
    return Byte((256 - sum % 256) % 256);
}

bool blockChecksumValid(const Byte* block)
{
    unsigned sum = 0;
    for (int i = 0; i < EDID_BLOCK_SIZE; ++i)
        sum += block[i];
    return sum % 256 == 0;
}

void updateBlockChecksum(Byte* block)
{
    block[EDID_BLOCK_SIZE - 1] = blockChecksum(block);
}
