#include "imagecheck.h"

#include "checksum.h"

#include <cstring>

namespace {
const Byte kHeader[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
}

ImageChecks checkImage(const Byte* image)
{
    ImageChecks checks;
    checks << ImageCheck{"header", std::memcmp(image, kHeader, sizeof kHeader) == 0,
                         QStringLiteral("bytes 0-7 are not 00 FF FF FF FF FF FF 00")};
    checks << ImageCheck{"base checksum", blockChecksumValid(image),
                         QStringLiteral("byte 127 is %1, should be %2").arg(image[127]).arg(blockChecksum(image))};
    if (image[126] != 0)
        checkExtension(image, checks);
    return checks;
}
