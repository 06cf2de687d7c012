#include "ceaextension.h"
#include "checksum.h"
#include "imagecheck.h"
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

namespace {
// Data blocks and detailed timings may fill bytes 4 to 125 of the block.
constexpr int kExtensionBudget = 122;

// Bytes taken by the data block collection and the detailed timings: the
// collection ends where the first detailed timing starts (byte 2), and
// every detailed timing with a non-zero pixel clock byte counts 18.
int extensionBytesUsed(const Byte* block)
{
    const int d = block[2];
    if (d < 4)
        return 0;
    int used = d - 4;
    for (int offset = d; offset + 18 <= EDID_BLOCK_SIZE && block[offset] != 0; offset += 18)
        used += 18;
    return used;
}
} // namespace

void checkExtension(const Byte* image, ImageChecks& checks)
{
    const Byte* block = image + EDID_BLOCK_SIZE;
    if (!isCEAExtension(block)) {
        checks << ImageCheck{"extension tag", false,
                             QStringLiteral("tag 0x%1 is not a CEA-861 extension")
                                 .arg(block[0], 2, 16, QLatin1Char('0'))};
        return;
    }
    const int used = extensionBytesUsed(block);
    checks << ImageCheck{"extension tag", true, QString()}
           << ImageCheck{"extension padding", block[126] == 0,
                         QStringLiteral("byte 254 is %1, should be 0").arg(block[126])}
           << ImageCheck{"extension checksum", blockChecksumValid(block),
                         QStringLiteral("byte 255 is %1, should be %2").arg(block[127]).arg(blockChecksum(block))}
           << ImageCheck{"extension budget", used <= kExtensionBudget,
                         QStringLiteral("%1 of %2 bytes used").arg(used).arg(kExtensionBudget)};
}
