#include "ceacatalogue.h"
#include "ceaextension.h"
#include "checksum.h"
#include "imagecheck.h"
#include "imageload.h"
#include "imagesections.h"

#include <cstring>

namespace {

constexpr int kOffsetByte = 2;
constexpr int kPaddingByte = 126;
constexpr int kChecksumByte = 127;

QString hexByte(Byte value)
{
    return QStringLiteral("0x") + QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

// A block whose checksum is wrong is kept: its checksum is recomputed.
void repairChecksum(Byte* block, LoadCorrections& corrections)
{
    const Byte before = block[kChecksumByte];
    updateBlockChecksum(block);
    corrections << LoadCorrection{"extension-checksum",
                                  QStringLiteral("CEA extension checksum byte 255 was %1, corrected to %2")
                                      .arg(hexByte(before), hexByte(block[kChecksumByte])),
                                  EDID_BLOCK_SIZE + kChecksumByte, EDID_BLOCK_SIZE + kChecksumByte};
}

// The first and last extension offsets in [from, to] where the two blocks
// differ, or -1, -1.
QPair<int, int> changedRange(const Byte* before, const Byte* after, int from, int to)
{
    QPair<int, int> range(-1, -1);
    for (int i = from; i <= to; ++i) {
        if (before[i] != after[i]) {
            range.second = i;
            range.first = range.first < 0 ? i : range.first;
        }
    }
    return range;
}

// One correction for each kind of change that writing the extension as
// the editor serializes it made, each naming its image bytes.
void describeRewrite(const Byte* before, const Byte* after, int parseResult, const QVector<CEAEntry>& entries,
                     const CEASerialization& out, LoadCorrections& corrections)
{
    const int base = EDID_BLOCK_SIZE;
    if (parseResult == CEA_PARSE_PADDING_ERROR)
        corrections << LoadCorrection{"extension-padding",
                                      QStringLiteral("non-zero padding byte 254 (%1) written as 0")
                                          .arg(hexByte(before[kPaddingByte])),
                                      base + kPaddingByte, base + kPaddingByte};
    if (before[kOffsetByte] != after[kOffsetByte])
        corrections << LoadCorrection{"extension-offset",
                                      QStringLiteral("detailed timing offset byte 130 was %1, written as %2")
                                          .arg(before[kOffsetByte]).arg(after[kOffsetByte]),
                                      base + kOffsetByte, base + kOffsetByte};
    // The rest of the block, without the bytes named above and the checksum.
    const QPair<int, int> rest = changedRange(before, after, kOffsetByte + 1,
                                              parseResult == CEA_PARSE_PADDING_ERROR ? kPaddingByte - 1 : kPaddingByte);
    if (out.overBudget())
        corrections << LoadCorrection{"extension-budget",
                                      QStringLiteral("CEA extension over the %1-byte budget: %2")
                                          .arg(CEA_SIZE_BUDGET).arg(ceaLeftOutText(entries, out)),
                                      base + qMax(rest.first, 0), base + qMax(rest.second, 0)};
    else if (rest.first >= 0)
        corrections << LoadCorrection{"extension-rewritten",
                                      QStringLiteral("CEA extension bytes %1-%2 rewritten in the editor's layout")
                                          .arg(base + rest.first).arg(base + rest.second),
                                      base + rest.first, base + rest.second};
}

} // namespace

// The extension block as the editor loads it: a CEA-861 block with a bad
// checksum gets its checksum corrected, then every CEA-861 block is written
// back as the extension model serializes it (padding cleared, blocks past
// the budget left out); a block of another type is kept as it is.
void applyExtensionLoadCorrections(Byte* image, LoadCorrections& corrections)
{
    if (image[126] == 0)
        return;
    Byte* block = image + EDID_BLOCK_SIZE;
    T_EDID_CEA_EXTENSION_DEF record;
    int result = parseCEAExtension(image, record);
    if (result == CEA_PARSE_NOT_CEA)
        return;
    if (result == CEA_PARSE_CHECKSUM_ERROR) {
        repairChecksum(block, corrections);
        result = parseCEAExtension(image, record);
    }
    const QVector<CEAEntry> entries = ceaEntriesOf(record);
    const CEASerialization out = serializeCEAExtension(record.revision, record.monitorSupportByte(), entries,
                                                       ceaEmptyOffset(record));
    if (std::memcmp(block, out.bytes.constData(), EDID_BLOCK_SIZE) == 0)
        return;
    Byte before[EDID_BLOCK_SIZE];
    std::memcpy(before, block, EDID_BLOCK_SIZE);
    std::memcpy(block, out.bytes.constData(), EDID_BLOCK_SIZE);
    describeRewrite(before, block, result, entries, out, corrections);
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
    if (!isCEAExtension(block)) {
        checks << ImageCheck{"extension tag", false,
                             QStringLiteral("tag 0x%1 is not a CEA-861 extension")
                                 .arg(block[0], 2, 16, QLatin1Char('0'))};
        return;
    }
    // Parsed with a correct checksum, so that a block whose checksum is
    // wrong is still checked and measured.
    Byte copy[EDID_IMAGE_SIZE];
    std::memcpy(copy, image, EDID_IMAGE_SIZE);
    updateBlockChecksum(copy + EDID_BLOCK_SIZE);
    T_EDID_CEA_EXTENSION_DEF record;
    const bool padded = parseCEAExtension(copy, record) != CEA_PARSE_PADDING_ERROR;
    const int used = reserializeCEAExtension(record).total;
    checks << ImageCheck{"extension tag", true, QString()}
           << ImageCheck{"extension padding", padded,
                         QStringLiteral("byte 254 is %1, should be 0").arg(block[126])}
           << ImageCheck{"extension checksum", blockChecksumValid(block),
                         QStringLiteral("byte 255 is %1, should be %2").arg(block[127]).arg(blockChecksum(block))}
           << ImageCheck{"extension budget", used <= CEA_SIZE_BUDGET,
                         QStringLiteral("%1 of %2 bytes used").arg(used).arg(CEA_SIZE_BUDGET)};
}
