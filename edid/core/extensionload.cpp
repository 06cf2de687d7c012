#include "ceacatalogue.h"
#include "ceaextension.h"
#include "checksum.h"
#include "imagecheck.h"
#include "imageload.h"
#include "imagesections.h"

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

namespace {

// The name under which a piece of the collection is listed: the catalogue
// name of a block an editor edits, else the CEA-861 name of a block kept
// as loaded; a raw piece is not a data block.
QString collectionPieceName(const T_CEA_DATA_BLOCK_DEF& block)
{
    if (block.isRawPiece())
        return QStringLiteral("Raw bytes");
    const int extendedTag = block.tag == CEA_EXTENDED_TAG_CODE && block.length > 0 ? block.payload[0] : -1;
    const int index = findBlockType(block.tag, extendedTag);
    return index != CEA_UNKNOWN ? blockTypeName(index) : keptBlockName(block.tag, extendedTag);
}

// Each piece of the collection with its size (a data block with its header
// byte, as the budget counts it), then the number of detailed timings.
FieldDescriptionList dataBlocksDescription(const T_EDID_CEA_EXTENSION_DEF& record)
{
    FieldDescriptionList list;
    for (const T_CEA_DATA_BLOCK_DEF& block : record.dataBlocks) {
        const int size = block.length + (block.isRawPiece() ? 0 : 1);
        list << FieldDescription(collectionPieceName(block), QStringLiteral("%1 bytes").arg(size));
    }
    list << FieldDescription("Detailed timings", QString::number(record.dtdCount));
    return list;
}

// The extension with a correct checksum, so that a block whose checksum is
// wrong can still be measured.
int reserializedSize(const Byte* image)
{
    Byte copy[EDID_IMAGE_SIZE];
    std::memcpy(copy, image, EDID_IMAGE_SIZE);
    updateBlockChecksum(copy + EDID_BLOCK_SIZE);
    T_EDID_CEA_EXTENSION_DEF record;
    parseCEAExtension(copy, record);
    return reserializeCEAExtension(record).total;
}

} // namespace

// The extension as the editor holds it after the load corrections.
QList<SectionDescription> describeExtension(const LoadedImage& image)
{
    if (image.working[126] == 0)
        return {};
    T_EDID_CEA_EXTENSION_DEF record;
    const int result = parseCEAExtension(image.working, record);
    if (result != CEA_PARSE_VALID && result != CEA_PARSE_PADDING_ERROR)
        return {};
    return {{imageSection(CEAFlagSection).name, ceaFlagDescription(record.revision)},
            {imageSection(CEAMonitorSupportSection).name, ceaMonitorSupportDescription(record.monitorSupportByte())},
            {"CEA Data Blocks", dataBlocksDescription(record)}};
}

void checkExtension(const Byte* image, ImageChecks& checks)
{
    const Byte* block = image + EDID_BLOCK_SIZE;
    T_EDID_CEA_EXTENSION_DEF record;
    const int result = parseCEAExtension(image, record);
    if (result == CEA_PARSE_NOT_CEA) {
        checks << ImageCheck{"extension tag", false,
                             QStringLiteral("tag 0x%1 is not a CEA-861 extension")
                                 .arg(block[0], 2, 16, QLatin1Char('0'))};
        return;
    }
    const int used = reserializedSize(image);
    checks << ImageCheck{"extension tag", true, QString()}
           << ImageCheck{"extension padding", block[126] == 0,
                         QStringLiteral("byte 254 is %1, should be 0").arg(block[126])}
           << ImageCheck{"extension checksum", result != CEA_PARSE_CHECKSUM_ERROR,
                         QStringLiteral("byte 255 is %1, should be %2").arg(block[127]).arg(blockChecksum(block))}
           << ImageCheck{"extension budget", used <= CEA_SIZE_BUDGET,
                         QStringLiteral("%1 of %2 bytes used").arg(used).arg(CEA_SIZE_BUDGET)};
}
