#ifndef EDIDRECORDS_H
#define EDIDRECORDS_H

#include "basesections.h"
#include "descriptors.h"

// The decoded base block, handed to the section editors in one piece.
struct T_EDID_DEF {
    T_EDID_VENDOR_PRODUCT vendorProduct;
    Word version = 1;
    Word revision = 3;
    T_EDID_VIDEO_INPUT_DEF videoInput;
    DTC gamma;
    T_EDID_SCREEN_SIZE_RATIO screenSize;
    T_EDID_FEATURE_SUPPORT featureSupport;
    T_EDID_COLOR_CHARACTERISTICS colorCharacteristics;
    T_EDID_ESTABLISHED_TIMINGS establishedTimings;
    T_EDID_STANDARD_TIMING standardTimings[8];
    T_EDID_DISPLAY_DESCRIPTOR_DEF displayDescriptors[4];
    Word extensionCount = 0;
};

// Decodes bytes 8-53 (every fixed section) of a base block into `out`.
// The revision (out.revision and the current revision) is set before it runs.
void decodeBaseSections(const Byte* image, T_EDID_DEF& out);

// Checks the header and the checksum of the base block of `image` and, when
// both are right, decodes it into `out`. Only bytes 0-127 are read.
bool decodeBaseBlock(const Byte* image, T_EDID_DEF& out);

#endif
