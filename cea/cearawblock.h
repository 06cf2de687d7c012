#ifndef CEARAWBLOCK_H
#define CEARAWBLOCK_H

#include "ceablock.h"
#include "ceaextension.h"

namespace Ui { class CEARawBlock; }

// Bytes of a loaded extension that no block editor edits: a data block of
// a type the catalogue does not know (HDR metadata, room configuration...),
// bytes of the collection that do not form a whole data block, or bytes
// after the detailed timings. The item shows them and writes them back as
// they were loaded; it can only be removed.
class CEARawBlock : public CEABlock
{
    Q_OBJECT
public:
    explicit CEARawBlock(const CEAEntry& entry, QWidget* parent = nullptr);
    ~CEARawBlock() override;

    QByteArray blockBytes() const override;
    QString blockTypeName() const override;
    int tagCode() const override;
    const CEAEntry& entry() const { return m_entry; }

private:
    Ui::CEARawBlock* ui;
    CEAEntry m_entry;
};

#endif
