// The rule that tells text dumps from binary images by their name, used by
// the editor and the command-line tool: any name, also with several dots,
// slashes, a dot in a folder name or characters outside Latin-1, is a text
// dump exactly when the part from its last "." on is ".dat" or ".edid" in
// that case.
#include "imageload.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString name = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot < 0 ? QString() : name.mid(dot);
    const bool expected = extension == QLatin1String(".dat") || extension == QLatin1String(".edid");
    if (isTextDumpName(name) != expected)
        std::abort();
    // Another case is never a text dump.
    if (name.toUpper() != name && isTextDumpName(name.toUpper()))
        std::abort();
    return 0;
}
