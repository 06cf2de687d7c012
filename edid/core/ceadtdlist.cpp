#include "ceadtdlist.h"

#include "detailedtiming.h"

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
