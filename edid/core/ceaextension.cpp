#include "ceaextension.h"

#include "checksum.h"

#include <algorithm>
#include <cstring>

namespace {

// Extension offsets.
constexpr int kOffsetByte = 2;
constexpr int kMonitorByte = 3;
constexpr int kPaddingByte = 126;
constexpr int kChecksumByte = 127;

QByteArray bytesAt(const Byte* first, int count)
{
    return QByteArray(reinterpret_cast<const char*>(first), count);
}

void addRawByte(T_EDID_CEA_EXTENSION_DEF& record, const Byte* byte)
{
    if (!record.dataBlocks.isEmpty()) {
        T_CEA_DATA_BLOCK_DEF& last = record.dataBlocks.last();
        if (last.isRawPiece() && last.payload + last.length == byte) {
            ++last.length;
            return;
        }
    }
    record.dataBlocks.append({0, 1, byte});
}

// Walks the data block collection, bytes 4 to end - 1 of the extension.
void parseCollection(const Byte* ext, int end, T_EDID_CEA_EXTENSION_DEF& record)
{
    int i = CEA_COLLECTION_OFFSET;
    while (i < end) {
        const int tag = ext[i] >> 5;
        const int length = ext[i] & 31;
        if (tag == 0) {
            addRawByte(record, ext + i);
            ++i;
        } else if (i + 1 + length > end) {
            // A header whose payload runs past the collection: kept as it is.
            record.dataBlocks.append({0, end - i, ext + i});
            return;
        } else {
            record.dataBlocks.append({tag, length, ext + i + 1});
            i += length + 1;
        }
    }
}

// Counts the descriptors from `start` that lie wholly before the checksum
// and whose first byte is non-zero (none unless `announced`), then keeps
// what is not padding after them.
void parseDetailedTimings(const Byte* ext, int start, bool announced,
                          T_EDID_CEA_EXTENSION_DEF& record)
{
    record.firstDTD = ext + start;
    int offset = start;
    while (announced && offset + CEA_DTD_SIZE <= kChecksumByte && ext[offset] != 0) {
        ++record.dtdCount;
        offset += CEA_DTD_SIZE;
    }
    record.lastByteCovered = start > kPaddingByte || offset > kPaddingByte;
    int last = kPaddingByte - 1;
    while (last >= offset && ext[last] == 0)
        --last;
    if (last >= offset) {
        record.trailing = ext + offset;
        record.trailingLength = last - offset + 1;
    }
}

QString counted(int count, const char* singular, const char* plural)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? singular : plural));
}

bool collectionEntry(const CEAEntry& entry)
{
    return entry.kind == CEAEntryKind::DataBlock || entry.kind == CEAEntryKind::CollectionPiece;
}

} // namespace

void clearCEAExtension(Byte* image)
{
    std::memset(image + EDID_BLOCK_SIZE, 0, EDID_BLOCK_SIZE);
}

Byte ceaMonitorSupportByte(bool underscan, bool basicAudio, bool ycbcr444, bool ycbcr422,
                           int nativeCount)
{
    return Byte((underscan ? 0x80 : 0) | (basicAudio ? 0x40 : 0) | (ycbcr444 ? 0x20 : 0)
                | (ycbcr422 ? 0x10 : 0) | (nativeCount & 15));
}

Byte T_EDID_CEA_EXTENSION_DEF::monitorSupportByte() const
{
    return ceaMonitorSupportByte(underscan, basicAudio, ycbcr444, ycbcr422, nativeDTDCount);
}

FieldDescriptionList ceaMonitorSupportDescription(Byte monitorByte)
{
    static const char* const kFlags[4] = {"UnderScan", "Basic Audio", "YCrCb 4:4:4", "YCrCb 4:2:2"};
    FieldDescriptionList list;
    for (int i = 0; i < 4; ++i)
        list << FieldDescription(kFlags[i], (monitorByte & (0x80 >> i)) ? "YES" : "no");
    list << FieldDescription("Native Detailed Timing Descriptors", QString::number(monitorByte & 15));
    return list;
}

FieldDescriptionList ceaFlagDescription(Word revision)
{
    return {FieldDescription("CEA Extension Flag", "0x02"),
            FieldDescription("CEA Version", QString::number(revision))};
}

int parseCEAExtension(const Byte* image, T_EDID_CEA_EXTENSION_DEF& record)
{
    record = T_EDID_CEA_EXTENSION_DEF();
    const Byte* ext = image + EDID_BLOCK_SIZE;
    if (!isCEAExtension(ext))
        return CEA_PARSE_NOT_CEA;
    if (!blockChecksumValid(ext))
        return CEA_PARSE_CHECKSUM_ERROR;
    record.extension = ext;
    record.valid = true;
    record.revision = ext[1];
    const Byte flags = ext[kMonitorByte];
    record.underscan = flags & 0x80;
    record.basicAudio = flags & 0x40;
    record.ycbcr444 = flags & 0x20;
    record.ycbcr422 = flags & 0x10;
    record.nativeDTDCount = flags & 15;
    record.dtdOffset = ext[kOffsetByte];

    // Below 4, byte 2 announces neither data blocks nor detailed timings;
    // above 126 it points past the bytes that can hold them.
    const int d = record.dtdOffset;
    const int collectionEnd = d < CEA_COLLECTION_OFFSET ? CEA_COLLECTION_OFFSET
                                                        : std::min(d, kChecksumByte);
    parseCollection(ext, collectionEnd, record);
    parseDetailedTimings(ext, collectionEnd, d >= CEA_COLLECTION_OFFSET, record);
    return ext[kPaddingByte] != 0 && !record.lastByteCovered ? CEA_PARSE_PADDING_ERROR : CEA_PARSE_VALID;
}

CEASerialization serializeCEAExtension(Word revision, Byte monitorSupport,
                                       const QVector<CEAEntry>& entries, Byte emptyOffset)
{
    CEASerialization out;
    out.placements.resize(entries.size());
    const bool withCollection = revision != 1 && revision != 2;
    QByteArray collection;
    QByteArray timings;
    bool anyTiming = false;

    // Three passes over the entries: collection, detailed timings, trailing piece.
    auto place = [&](int i, QByteArray& target) -> bool {
        const CEAEntry& entry = entries.at(i);
        const bool header = entry.kind == CEAEntryKind::DataBlock;
        CEAEntryPlacement& placement = out.placements[i];
        placement.counted = true;
        placement.size = entry.bytes.size() + (header ? 1 : 0);
        out.total += placement.size;
        placement.written = out.total <= CEA_SIZE_BUDGET;
        if (!placement.written)
            return false;
        placement.offset = target.size();
        // Every block editor keeps its bytes within the 5-bit length field.
        if (header)
            target.append(char(((entry.tag & 7) << 5) | (entry.bytes.size() & 31)));
        target.append(entry.bytes);
        return !entry.bytes.isEmpty();
    };
    for (int i = 0; i < entries.size(); ++i) {
        if (withCollection && collectionEntry(entries.at(i)))
            place(i, collection);
    }
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).kind == CEAEntryKind::DetailedTimings)
            anyTiming = place(i, timings) || anyTiming;
    }
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).kind == CEAEntryKind::TrailingPiece)
            place(i, timings);
    }

    // Offsets so far count from the start of the collection or the timings.
    for (int i = 0; i < entries.size(); ++i) {
        CEAEntryPlacement& placement = out.placements[i];
        if (placement.written)
            placement.offset += CEA_COLLECTION_OFFSET + (collectionEntry(entries.at(i)) ? 0 : collection.size());
    }
    const bool empty = collection.isEmpty() && !anyTiming;
    out.bytes.append(char(CEA_EXTENSION_TAG));
    out.bytes.append(char(revision));
    out.bytes.append(char(empty ? emptyOffset : CEA_COLLECTION_OFFSET + collection.size()));
    out.bytes.append(char(monitorSupport));
    out.bytes.append(collection);
    out.bytes.append(timings);
    out.bytes.append(QByteArray(kChecksumByte - out.bytes.size(), '\0'));
    out.bytes.append(char(blockChecksum(reinterpret_cast<const Byte*>(out.bytes.constData()))));
    return out;
}

QVector<CEAEntry> ceaEntriesOf(const T_EDID_CEA_EXTENSION_DEF& record)
{
    QVector<CEAEntry> entries;
    auto offsetOf = [&record](const Byte* first) { return int(first - record.extension); };
    for (const T_CEA_DATA_BLOCK_DEF& block : record.dataBlocks) {
        if (block.isRawPiece())
            entries.append({CEAEntryKind::CollectionPiece, 0, bytesAt(block.payload, block.length),
                            offsetOf(block.payload)});
        else
            entries.append({CEAEntryKind::DataBlock, block.tag, bytesAt(block.payload, block.length),
                            offsetOf(block.payload) - 1});
    }
    // Descriptors that reach past the budget go into a second item, so that
    // only they are left out.
    const int fitting = ceaFittingTimings(record);
    const Byte* rest = record.firstDTD + fitting * CEA_DTD_SIZE;
    if (fitting > 0)
        entries.append({CEAEntryKind::DetailedTimings, 0, bytesAt(record.firstDTD, fitting * CEA_DTD_SIZE),
                        offsetOf(record.firstDTD)});
    if (record.dtdCount > fitting)
        entries.append({CEAEntryKind::DetailedTimings, 0,
                        bytesAt(rest, (record.dtdCount - fitting) * CEA_DTD_SIZE), offsetOf(rest)});
    if (record.trailingLength > 0)
        entries.append({CEAEntryKind::TrailingPiece, 0, bytesAt(record.trailing, record.trailingLength),
                        offsetOf(record.trailing)});
    return entries;
}

int ceaFittingTimings(const T_EDID_CEA_EXTENSION_DEF& record)
{
    int collection = 0;
    if (record.revision != 1 && record.revision != 2) {
        for (const T_CEA_DATA_BLOCK_DEF& block : record.dataBlocks)
            collection += block.length + (block.isRawPiece() ? 0 : 1);
    }
    const int room = std::max(0, CEA_SIZE_BUDGET - collection) / CEA_DTD_SIZE;
    return std::min(record.dtdCount, room);
}

Byte ceaEmptyOffset(const T_EDID_CEA_EXTENSION_DEF& record)
{
    return record.dtdOffset < CEA_COLLECTION_OFFSET ? record.dtdOffset : Byte(CEA_COLLECTION_OFFSET);
}

CEASerialization reserializeCEAExtension(const T_EDID_CEA_EXTENSION_DEF& record)
{
    return serializeCEAExtension(record.revision, record.monitorSupportByte(),
                                 ceaEntriesOf(record), ceaEmptyOffset(record));
}

QString ceaLeftOutText(const QVector<CEAEntry>& entries, const CEASerialization& out)
{
    int blocks = 0, pieces = 0, timings = 0, bytes = 0;
    int first = EDID_BLOCK_SIZE, last = -1;
    for (int i = 0; i < entries.size() && i < out.placements.size(); ++i) {
        const CEAEntryPlacement& placement = out.placements.at(i);
        if (!placement.counted || placement.written)
            continue;
        const CEAEntry& entry = entries.at(i);
        if (entry.kind == CEAEntryKind::DataBlock)
            ++blocks;
        else if (entry.kind == CEAEntryKind::DetailedTimings)
            timings += entry.bytes.size() / CEA_DTD_SIZE;
        else
            ++pieces;
        bytes += placement.size;
        if (entry.loadedOffset >= 0) {
            first = std::min(first, entry.loadedOffset);
            last = std::max(last, entry.loadedOffset + placement.size - 1);
        }
    }
    QStringList what;
    if (blocks > 0)
        what << counted(blocks, "data block", "data blocks");
    if (timings > 0)
        what << counted(timings, "detailed timing", "detailed timings");
    if (pieces > 0)
        what << counted(pieces, "piece of other bytes", "pieces of other bytes");
    const QString where = last < 0 ? QString()
                                   : QStringLiteral(", image bytes %1-%2").arg(EDID_BLOCK_SIZE + first)
                                         .arg(EDID_BLOCK_SIZE + last);
    return QStringLiteral("%1 (%2 bytes%3) left out").arg(what.join(QLatin1String(" and "))).arg(bytes).arg(where);
}
