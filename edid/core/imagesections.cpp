#include "imagesections.h"

namespace {

// Indexed by ImageSectionId.
const ImageSection kSections[ImageSectionCount] = {
    {"Header", "Size: 8 Bytes", 0, 7},
    {"Vendor & Product ID", "Size: 10 Bytes", 8, 17},
    {"Version / Revision", "Size: 2 Bytes", 18, 19},
    {"Display Parameters", "Size: 5 Bytes", 20, 24},
    {"Color Characteristics", "Size: 10 Bytes", 25, 34},
    {"Established Timings", "Size: 3 Bytes", 35, 37},
    {"Standard Timings", "Size: 16 Bytes", 38, 53},
    {"Detailed Timings Block", "Size: 18 Bytes", 54, 71},
    {"Monitor Descriptor Block 2", "Size: 18 Bytes", 72, 89},
    {"Monitor Descriptor Block 3", "Size: 18 Bytes", 90, 107},
    {"Monitor Descriptor Block 4", "Size: 18 Bytes", 108, 125},
    {"Extension Block Count", "Size: 1 Byte", 126, 126},
    {"Checksum", "Size: 1 Byte", 127, 127},
    {"Extention Block", "Size: 128 Byte", 128, 255},
    {"CEA Flag & Version", "Size: 2 Bytes", 128, 130},
    {"Monitor Support (CEA)", "Size: 1 Byte", 131, 131},
    {"Descriptor Blocks (CEA)", "Size: 122 Bytes", 132, 253},
    {"End of zero padding", "Size: 1 Bytes", 254, 254},
};

} // namespace

const ImageSection& imageSection(ImageSectionId id)
{
    return kSections[id < 0 || id >= ImageSectionCount ? HeaderSection : id];
}

ImageSectionId descriptorSection(int slot)
{
    return ImageSectionId(DescriptorSection0 + (slot < 0 || slot > 3 ? 0 : slot));
}

ImageSectionId sectionOfByte(int index, bool ceaLayout)
{
    if (index == 255 || index == 127)
        return ChecksumSection;
    if (index >= kSections[PlainExtensionSection].first) {
        if (!ceaLayout)
            return PlainExtensionSection;
        for (int s = CEAFlagSection; s <= CEAPaddingSection; ++s) {
            if (index <= kSections[s].last)
                return ImageSectionId(s);
        }
        return ChecksumSection;
    }
    for (int s = HeaderSection; s <= ExtensionCountSection; ++s) {
        if (index <= kSections[s].last)
            return ImageSectionId(s);
    }
    return ChecksumSection;
}
