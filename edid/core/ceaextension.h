#ifndef CEAEXTENSION_H
#define CEAEXTENSION_H

#include "edidtypes.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// Tag byte of a CEA-861 extension block.
constexpr Byte CEA_EXTENSION_TAG = 0x02;
// Bytes that data blocks and detailed timing descriptors may occupy together:
// bytes 4 to 126 of the extension, all that lies before the checksum. Real
// extensions end their last detailed timing on byte 126.
constexpr int CEA_SIZE_BUDGET = 123;
// Offset of the data block collection inside the extension.
constexpr int CEA_COLLECTION_OFFSET = 4;
constexpr int CEA_DTD_SIZE = 18;

inline bool isCEAExtension(const Byte* block)
{
    return block[0] == CEA_EXTENSION_TAG;
}

// Sets image bytes 128-255 to zero (an all-zero block has checksum 0).
void clearCEAExtension(Byte* image);

// One piece of the data block collection of a loaded extension, in image
// order. With a tag of 1 to 7 it is a data block: `length` is its payload
// length (header bits 4-0) and `payload` the byte after its header. With
// tag 0 it is a raw piece: `length` bytes at `payload` that do not form a
// whole data block (tag-0 bytes, a header whose length runs past the end of
// the collection); it is written back as it is.
struct T_CEA_DATA_BLOCK_DEF {
    int tag = 0;
    int length = 0;
    const Byte* payload = nullptr;

    bool isRawPiece() const { return tag == 0; }
};

// The decoded extension (pointers into the image that was parsed).
struct T_EDID_CEA_EXTENSION_DEF {
    const Byte* extension = nullptr;  // the 128 bytes parsed
    bool valid = false;
    Word revision = 0;
    bool underscan = false;
    bool basicAudio = false;
    bool ycbcr444 = false;
    bool ycbcr422 = false;
    Word nativeDTDCount = 0;
    QVector<T_CEA_DATA_BLOCK_DEF> dataBlocks;
    int dtdCount = 0;
    const Byte* firstDTD = nullptr;
    // Byte 2 as read: the offset of the first detailed timing descriptor.
    Byte dtdOffset = 0;
    // Bytes after the counted detailed timing descriptors up to the last
    // non-zero byte before byte 126 (e.g. a display descriptor or a timing
    // whose pixel clock low byte is 0); empty when all of it is padding.
    const Byte* trailing = nullptr;
    int trailingLength = 0;
    // True when byte 126 belongs to the data block collection or to a
    // counted detailed timing; otherwise it is a padding byte, which must
    // be 0.
    bool lastByteCovered = false;

    Byte monitorSupportByte() const;
};

enum CEAParseResult {
    CEA_PARSE_VALID = 0,
    CEA_PARSE_NOT_CEA = 1,
    CEA_PARSE_PADDING_ERROR = 2,
    CEA_PARSE_CHECKSUM_ERROR = 3
};

// Checks and decodes the extension at image bytes 128-255 into `record`
// (a CEAParseResult). Reads nothing outside those 128 bytes. The record is
// complete for results 0 and 2 only. A padding error is a non-zero byte 126
// that neither a data block nor a detailed timing covers.
int parseCEAExtension(const Byte* image, T_EDID_CEA_EXTENSION_DEF& record);

// Byte 3: the four support flags and the native detailed timing count.
Byte ceaMonitorSupportByte(bool underscan, bool basicAudio, bool ycbcr444, bool ycbcr422,
                           int nativeCount);

// What the hex viewer shows for byte 3: each support flag by its check box
// text ("YES" or "no"), then the native detailed timing count.
FieldDescriptionList ceaMonitorSupportDescription(Byte monitorByte);
// What the hex viewer shows for bytes 0-2: the tag and the revision.
FieldDescriptionList ceaFlagDescription(Word revision);

// One item to serialize. Data blocks and collection pieces go into the data
// block collection (revision 3 and above), detailed timing items and the
// trailing piece after it (any revision); the trailing piece always last.
enum class CEAEntryKind { DataBlock, CollectionPiece, DetailedTimings, TrailingPiece };

struct CEAEntry {
    CEAEntryKind kind = CEAEntryKind::DataBlock;
    int tag = 0;       // data blocks only
    QByteArray bytes;  // what follows the header byte, or the piece itself
    int loadedOffset = -1;  // extension offset it was loaded from (its header's), -1 when made anew
};

struct CEAEntryPlacement {
    bool counted = false;  // false when the revision leaves the entry out
    int size = 0;          // bytes it occupies, header included
    bool written = false;  // false when it does not fit into the budget
    int offset = -1;       // extension byte it starts at, when written
};

struct CEASerialization {
    QByteArray bytes;  // the 128 bytes of the extension
    QVector<CEAEntryPlacement> placements;  // one per entry, in entry order
    int total = 0;     // size of every counted entry, written or not

    bool overBudget() const { return total > CEA_SIZE_BUDGET; }
};

// Lays out an extension: header, data block collection, detailed timings,
// zero padding and checksum. Entries are counted in order (collection
// first, then detailed timings, then the trailing piece); once the total
// exceeds the budget an entry is left out. `emptyOffset` is the value of
// byte 2 when neither data blocks nor detailed timings are written (a
// loaded extension may say 0 there).
CEASerialization serializeCEAExtension(Word revision, Byte monitorSupport,
                                       const QVector<CEAEntry>& entries,
                                       Byte emptyOffset = CEA_COLLECTION_OFFSET);

// The entries of a parsed extension, in image order, and its byte 2 when
// empty. The detailed timings make one entry, or two when some of them do
// not fit into the budget (the first ceaFittingTimings of them, the rest).
QVector<CEAEntry> ceaEntriesOf(const T_EDID_CEA_EXTENSION_DEF& record);
int ceaFittingTimings(const T_EDID_CEA_EXTENSION_DEF& record);
Byte ceaEmptyOffset(const T_EDID_CEA_EXTENSION_DEF& record);
// What the budget left out of `entries`, e.g. "1 data block and 2 detailed
// timings (66 bytes, image bytes 189-254) left out"; the image bytes are
// named for entries that were loaded.
QString ceaLeftOutText(const QVector<CEAEntry>& entries, const CEASerialization& out);
// Serializes a parsed extension as it was loaded.
CEASerialization reserializeCEAExtension(const T_EDID_CEA_EXTENSION_DEF& record);

#endif
