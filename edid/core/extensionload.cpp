#include "ceaextension.h"
#include "imageload.h"

// The extension block as the editor loads it today: a CEA-861 block is kept
// byte for byte, so loading corrects nothing and only its tag and version
// are described.

void applyExtensionLoadCorrections(Byte*, LoadCorrections&)
{
}

QList<SectionDescription> describeExtension(const LoadedImage& image)
{
    const Byte* block = image.working + EDID_BLOCK_SIZE;
    if (image.working[126] == 0 || !isCEAExtension(block))
        return {};
    return {{"CEA Flag & Version",
             {FieldDescription("CEA Extension Flag", "0x02"),
              FieldDescription("CEA Version", QString::number(block[1]))}}};
}
