// decodeBaseBlock over any 128 bytes; a valid header and checksum are made
// for most inputs so that the section decoders run, not only the checks.
#include "checksum.h"
#include "edidrecords.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Byte block[EDID_BLOCK_SIZE] = {};
    std::memcpy(block, data, size < sizeof block ? size : sizeof block);
    if (size > 0 && (data[0] & 1)) {
        static const Byte header[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
        std::memcpy(block, header, sizeof header);
        updateBlockChecksum(block);
    }
    T_EDID_DEF decoded;
    decodeBaseBlock(block, decoded);
    return 0;
}
