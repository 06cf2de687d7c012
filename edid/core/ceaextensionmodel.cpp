#include "ceaextensionmodel.h"

#include "ceacatalogue.h"
#include "ceaextendedcodecs.h"

int ceaCatalogueIndexOf(const CEAEntry& entry)
{
    switch (entry.kind) {
    case CEAEntryKind::DetailedTimings:
        return CEA_DETAILED_TIMING;
    case CEAEntryKind::DataBlock:
        // A tag-7 block without its extended tag byte has no type.
        if (entry.tag == 0 || (entry.tag == CEA_EXTENDED_TAG_CODE && entry.bytes.isEmpty()))
            return CEA_UNKNOWN;
        return findBlockType(entry.tag, entry.bytes.isEmpty() ? 0 : Byte(entry.bytes[0]));
    default:
        return CEA_UNKNOWN;
    }
}

CEAExtensionModel::CEAExtensionModel(QObject* parent) : QObject(parent)
{
}

void CEAExtensionModel::load(const T_EDID_CEA_EXTENSION_DEF& record)
{
    m_revision = record.revision;
    m_monitorByte = record.monitorSupportByte();
    m_emptyOffset = ceaEmptyOffset(record);
    m_entries = ceaEntriesOf(record);
    m_indexes.clear();
    for (const CEAEntry& entry : qAsConst(m_entries))
        m_indexes << ceaCatalogueIndexOf(entry);
    emit changed();
}

void CEAExtensionModel::reset()
{
    m_revision = 3;
    m_monitorByte = 0;
    m_emptyOffset = CEA_COLLECTION_OFFSET;
    m_entries.clear();
    m_indexes.clear();
    emit changed();
}

void CEAExtensionModel::setRevision(Word revision)
{
    m_revision = revision;
    emit changed();
}

void CEAExtensionModel::setMonitorByte(Byte monitorByte)
{
    m_monitorByte = monitorByte;
    emit changed();
}

QString CEAExtensionModel::name(int row) const
{
    if (m_indexes.at(row) != CEA_UNKNOWN)
        return blockTypeName(m_indexes.at(row));
    const CEAEntry& kept = m_entries.at(row);
    switch (kept.kind) {
    case CEAEntryKind::DataBlock:
        return keptBlockName(kept.tag, kept.bytes.isEmpty() ? -1 : Byte(kept.bytes[0]));
    case CEAEntryKind::TrailingPiece:
        return QStringLiteral("Bytes after the timings");
    default:
        return QStringLiteral("Undecoded bytes");
    }
}

bool CEAExtensionModel::inCollection(int row) const
{
    const CEAEntryKind kind = m_entries.at(row).kind;
    return kind == CEAEntryKind::DataBlock || kind == CEAEntryKind::CollectionPiece;
}

int CEAExtensionModel::append(int index, const QByteArray& bytes)
{
    if (index <= CEA_UNKNOWN || index >= CEA_BLOCK_TYPE_COUNT)
        return -1;
    if (index == CEA_DETAILED_TIMING)
        m_entries.append({CEAEntryKind::DetailedTimings, 0, bytes});
    else
        m_entries.append({CEAEntryKind::DataBlock, blockTypeTag(index), bytes});
    m_indexes.append(index);
    // Byte 2 of an empty extension as loaded is kept only while nothing is added.
    m_emptyOffset = CEA_COLLECTION_OFFSET;
    emit changed();
    return m_entries.size() - 1;
}

void CEAExtensionModel::remove(int row)
{
    if (!validRow(row))
        return;
    m_entries.removeAt(row);
    m_indexes.removeAt(row);
    emit changed();
}

void CEAExtensionModel::setBytes(int row, const QByteArray& bytes)
{
    if (!validRow(row))
        return;
    m_entries[row].bytes = bytes;
    emit changed();
}

void CEAExtensionModel::keepRaw(int row)
{
    if (!validRow(row))
        return;
    m_indexes[row] = CEA_UNKNOWN;
    emit changed();
}

CEASerialization CEAExtensionModel::serialize() const
{
    return serializeCEAExtension(m_revision, m_monitorByte, m_entries, m_emptyOffset);
}

QByteArray CEAExtensionModel::firstVideoDescriptors() const
{
    const QByteArray bytes = serialize().bytes;
    return firstVideoBlockDescriptors(reinterpret_cast<const Byte*>(bytes.constData()));
}
