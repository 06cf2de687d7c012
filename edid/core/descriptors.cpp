#include "descriptors.h"

#include <cstring>

void decodeDisplayDescriptor(const Byte* descriptor, T_EDID_DISPLAY_DESCRIPTOR_DEF& out)
{
    out = T_EDID_DISPLAY_DESCRIPTOR_DEF();
    std::memcpy(out.raw, descriptor, sizeof out.raw);
    if (descriptor[0] != 0 || descriptor[1] != 0) {
        out.type = DESC_DETAILED_TIMING;
        return;
    }
    const Byte tag = descriptor[3];
    if (tag >= 0xF7 && tag <= 0xFF)
        out.type = T_EDID_DISPLAY_DESCRIPTORS(0x101 - tag);
}
