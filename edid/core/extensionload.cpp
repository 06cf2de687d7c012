#include "ceaextension.h"
#include "checksum.h"
#include "imagecheck.h"
#include "imageload.h"

#include <cstring>

// The extension block as the editor loads it: a CEA-861 block with a bad
// checksum is erased, any other CEA-861 block is written back as the
// extension model serializes it (padding cleared, blocks past the budget
// left out); a block of another type is kept as it is.
void applyExtensionLoadCorrections(Byte* image, LoadCorrections& corrections)
{
    if (image[126] == 0)
        return;
    T_EDID_CEA_EXTENSION_DEF record;
    const int result = parseCEAExtension(image, record);
    if (result == CEA_PARSE_NOT_CEA)
        return;
    if (result != CEA_PARSE_VALID && result != CEA_PARSE_PADDING_ERROR) {
        clearCEAExtension(image);
        image[126] = 0;
        updateBaseChecksum(image);
        corrections << LoadCorrection{"extension-erased", "CEA extension checksum error: extension erased", 126, 255};
        return;
    }
    const CEASerialization out = reserializeCEAExtension(record);
    Byte* block = image + EDID_BLOCK_SIZE;
    int first = -1, last = -1;
    for (int i = 0; i < EDID_BLOCK_SIZE; ++i) {
        if (block[i] != Byte(out.bytes[i])) {
            last = EDID_BLOCK_SIZE + i;
            first = first < 0 ? last : first;
        }
    }
    if (first < 0)
        return;
    std::memcpy(block, out.bytes.constData(), EDID_BLOCK_SIZE);
    if (out.overBudget())
        corrections << LoadCorrection{"extension-budget",
                                      QStringLiteral("CEA extension over the 122-byte budget: %1 bytes left out")
                                          .arg(out.total - CEA_SIZE_BUDGET), first, last};
    else
        corrections << LoadCorrection{result == CEA_PARSE_PADDING_ERROR ? "extension-padding" : "extension-rewritten",
                                      "non-zero padding byte 254 written as 0", first, last};
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
