#include "edidrecords.h"

void decodeBaseSections(const Byte* image, T_EDID_DEF& out)
{
    const Word revision = out.revision;
    decodeVendorProduct(image, out.vendorProduct);
    decodeVideoInput(image, revision, out.videoInput);
    decodeScreenSize(image, revision, out.screenSize);
    decodeGamma(image, out.gamma);
    decodeFeatureSupport(image, revision, out.featureSupport);
    decodeColorCharacteristics(image, out.colorCharacteristics);
    decodeEstablishedTimings(image, out.establishedTimings);
    for (int i = 0; i < STANDARD_TIMING_COUNT; ++i)
        decodeStandardTiming(image + STANDARD_TIMINGS_OFFSET + 2 * i, out.standardTimings[i]);
}
