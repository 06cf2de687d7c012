#include "checksum.h"
#include "edidrecords.h"
#include "revision.h"

namespace {
const Byte kHeader[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
}

bool decodeBaseBlock(const Byte* image, T_EDID_DEF& out)
{
    for (int i = 0; i < 8; ++i) {
        if (image[i] != kHeader[i])
            return false;
    }
    if (!blockChecksumValid(image))
        return false;

    out = T_EDID_DEF();
    out.version = image[18];
    out.revision = image[19];
    setCurrentRevision(image[19]);
    decodeBaseSections(image, out);
    for (int slot = 0; slot < 4; ++slot)
        decodeDisplayDescriptor(image + 54 + 18 * slot, out.displayDescriptors[slot]);
    out.extensionCount = image[126];
    return true;
}
