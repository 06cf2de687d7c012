#include "edidrecords.h"

#include <cstring>

void decodeBaseSections(const Byte* image, T_EDID_DEF& out)
{
    std::memcpy(out.vendorProduct.raw, image + 8, 10);
    out.videoInput.raw = image[20];
    std::memcpy(out.screenSize.raw, image + 21, 2);
    out.gamma.raw = image[23];
    out.featureSupport.raw = image[24];
    std::memcpy(out.colorCharacteristics.raw, image + 25, 10);
    std::memcpy(out.establishedTimings.raw, image + 35, 3);
    for (int i = 0; i < 8; ++i)
        std::memcpy(out.standardTimings[i].raw, image + 38 + 2 * i, 2);
}
