#include "ceadtdlist.h"

#include "detailedtiming.h"

namespace {

// Offset of the checksum byte within an extension block.
constexpr int kChecksumOffset = EDID_BLOCK_SIZE - 1;
// First byte after the header of an extension block.
constexpr int kCollectionOffset = 4;

} // namespace

int ceaDetailedTimingCount(const Byte* extension)
{
    // d = 0 announces neither data blocks nor descriptors.
    if (extension[2] < kCollectionOffset)
        return 0;
    int count = 0;
    for (int offset = extension[2];
         offset + DTD_SIZE <= kChecksumOffset && (extension[offset] || extension[offset + 1]);
         offset += DTD_SIZE)
        ++count;
    return count;
}

QByteArray normalisedDetailedTiming(const Byte* dtd)
{
    T_EDID_DETAILED_TIMING_DEF timing;
    decodeDetailedTiming(dtd, timing);
    QByteArray bytes(DTD_SIZE, '\0');
    encodeDetailedTiming(detailedTimingRecord(detailedTimingValues(timing)),
                         reinterpret_cast<Byte*>(bytes.data()));
    return bytes;
}

LoadedDetailedTiming::LoadedDetailedTiming(const Byte* dtd)
    : m_loaded(reinterpret_cast<const char*>(dtd), DTD_SIZE), m_normalised(normalisedDetailedTiming(dtd))
{
}

QByteArray LoadedDetailedTiming::bytesFor(const QByteArray& current) const
{
    return !m_loaded.isEmpty() && current == m_normalised ? m_loaded : current;
}
