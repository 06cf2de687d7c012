#ifndef CEARAWBLOCK_H
#define CEARAWBLOCK_H

#include "ceablock.h"

namespace Ui { class CEARawBlock; }

// The view of an entry that no block editor edits: a data block of a type
// the catalogue does not know (HDR metadata, room configuration...), bytes
// of the collection that do not form a whole data block, bytes after the
// detailed timings, or a block its editor would not write back exactly.
// It shows the bytes under the entry's name; the entry keeps them as
// loaded and can only be removed.
class CEARawBlock : public CEABlock
{
    Q_OBJECT
public:
    CEARawBlock(const CEAEntry& entry, const QString& name, QWidget* parent = nullptr);
    ~CEARawBlock() override;

    QByteArray blockBytes() const override { return m_bytes; }

private:
    Ui::CEARawBlock* ui;
    QByteArray m_bytes;
};

#endif
