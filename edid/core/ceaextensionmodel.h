#ifndef CEAEXTENSIONMODEL_H
#define CEAEXTENSIONMODEL_H

#include "ceaextension.h"

#include <QObject>
#include <QVector>

// The content of a CEA-861 extension while it is edited: the revision
// (byte 1), the monitor support byte (byte 3), byte 2 of a loaded empty
// extension, and the ordered entries (data blocks, collection pieces,
// detailed timing runs, the bytes after the timings). Each entry holds its
// bytes as loaded or as last edited and the catalogue index of the editor
// that edits it, 0 for bytes kept as loaded. The 128 bytes are laid out on
// demand by serialize(); every operation that changes the content emits
// changed() once afterwards.
class CEAExtensionModel : public QObject
{
    Q_OBJECT
public:
    explicit CEAExtensionModel(QObject* parent = nullptr);

    // The entries of a parsed extension, in image order.
    void load(const T_EDID_CEA_EXTENSION_DEF& record);
    // An empty revision 3 extension.
    void reset();

    Word revision() const { return m_revision; }
    void setRevision(Word revision);
    Byte monitorByte() const { return m_monitorByte; }
    void setMonitorByte(Byte monitorByte);
    Byte emptyOffset() const { return m_emptyOffset; }

    int count() const { return m_entries.size(); }
    const CEAEntry& entry(int row) const { return m_entries.at(row); }
    int catalogueIndex(int row) const { return m_indexes.at(row); }
    // The row's name in the block list: its catalogue name, else what the
    // kept bytes are.
    QString name(int row) const;
    // Whether the row belongs to the data block collection (left out in
    // revisions 1 and 2).
    bool inCollection(int row) const;

    // Appends an entry of catalogue type `index` (1 to 13) holding `bytes`
    // (what follows its header byte; for detailed timings the descriptors).
    // Returns its row, or -1 for an index that is no block type.
    int append(int index, const QByteArray& bytes);
    void remove(int row);
    void setBytes(int row, const QByteArray& bytes);
    // The row's bytes stay as they are, without an editor of their own.
    void keepRaw(int row);

    // The 128 bytes with the place of every entry (pure: nothing changes).
    CEASerialization serialize() const;
    // The short video descriptors of the first video block as serialized,
    // empty without one.
    QByteArray firstVideoDescriptors() const;

signals:
    void changed();

private:
    bool validRow(int row) const { return row >= 0 && row < m_entries.size(); }

    Word m_revision = 3;
    Byte m_monitorByte = 0;
    Byte m_emptyOffset = CEA_COLLECTION_OFFSET;
    QVector<CEAEntry> m_entries;
    QVector<int> m_indexes;
};

// The catalogue index of the editor of an entry as loaded: the data block's
// type, CEA_DETAILED_TIMING for timings, 0 for anything kept as loaded.
int ceaCatalogueIndexOf(const CEAEntry& entry);

#endif
