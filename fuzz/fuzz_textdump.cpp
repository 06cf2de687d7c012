// The text dump reader over any text, and a dump written from its result
// must read back the same image.
#include "imagefile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), int(size));
    const QByteArray bytes = readTextDump(text);
    const QByteArray image = bytes.left(EDID_IMAGE_SIZE);
    if (bytes.size() < EDID_IMAGE_SIZE || readTextDump(writeTextDump(image)).left(EDID_IMAGE_SIZE) != image)
        std::abort();
    return 0;
}
