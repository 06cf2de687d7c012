// The whole core load of a file: read (as .bin, or as a text dump when the
// first byte is odd), check, decode, correct, describe and save again. A
// saved image must load again without further corrections.
#include "imagecheck.h"
#include "imageload.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const bool textDump = data[0] & 1;
    const QByteArray content(reinterpret_cast<const char*>(data + 1), int(size - 1));
    LoadedImage image;
    checkImage(image.saved);
    if (!loadImage(content, textDump, image).isEmpty())
        return 0;
    checkImage(image.saved);
    describeImage(image);
    LoadedImage again;
    if (!loadImage(image.savedFileBytes(), false, again).isEmpty() || !again.corrections.isEmpty())
        std::abort();
    return 0;
}
