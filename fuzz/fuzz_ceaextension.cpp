// The CEA extension model over any extension block: a block that parses
// (with or without a padding error) must serialize again to a CEA block
// with a valid checksum and at most 123 bytes of data blocks and timings,
// and serializing what that block parses to must give the same 128 bytes.
// Loaded into the extension model it serializes the same, and stays a
// valid block while its entries are removed one by one.
// A valid tag and checksum are made when the first input byte is odd, so
// that most inputs get past the checks into the data block walk.
#include "ceaextension.h"
#include "ceaextensionmodel.h"
#include "checksum.h"

#include <cstdlib>
#include <cstring>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

int writtenSize(const CEASerialization& out)
{
    int size = 0;
    for (const CEAEntryPlacement& placement : out.placements)
        size += placement.written ? placement.size : 0;
    return size;
}

void requireValidBlock(const CEASerialization& out)
{
    const Byte* written = reinterpret_cast<const Byte*>(out.bytes.constData());
    require(out.bytes.size() == EDID_BLOCK_SIZE);
    require(written[0] == CEA_EXTENSION_TAG && blockChecksumValid(written));
    require(writtenSize(out) <= CEA_SIZE_BUDGET);
}

void checkModel(const T_EDID_CEA_EXTENSION_DEF& record, const QByteArray& serialized)
{
    CEAExtensionModel model;
    model.load(record);
    require(model.serialize().bytes == serialized);
    while (model.count() > 0) {
        model.remove(model.count() / 2);
        requireValidBlock(model.serialize());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Byte image[EDID_IMAGE_SIZE] = {};
    image[126] = 1;
    Byte* block = image + EDID_BLOCK_SIZE;
    std::memcpy(block, data, size < EDID_BLOCK_SIZE ? size : EDID_BLOCK_SIZE);
    if (size > 0 && (data[0] & 1)) {
        block[0] = CEA_EXTENSION_TAG;
        updateBlockChecksum(block);
    }
    T_EDID_CEA_EXTENSION_DEF record;
    const int result = parseCEAExtension(image, record);
    if (result != CEA_PARSE_VALID && result != CEA_PARSE_PADDING_ERROR)
        return 0;
    const QVector<CEAEntry> entries = ceaEntriesOf(record);
    const CEASerialization out = reserializeCEAExtension(record);
    require(out.placements.size() == entries.size());
    requireValidBlock(out);
    const Byte* written = reinterpret_cast<const Byte*>(out.bytes.constData());

    Byte again[EDID_IMAGE_SIZE] = {};
    again[126] = 1;
    std::memcpy(again + EDID_BLOCK_SIZE, written, EDID_BLOCK_SIZE);
    T_EDID_CEA_EXTENSION_DEF reparsed;
    require(parseCEAExtension(again, reparsed) == CEA_PARSE_VALID);
    require(reserializeCEAExtension(reparsed).bytes == out.bytes);
    checkModel(record, out.bytes);
    return 0;
}
