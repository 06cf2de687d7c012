#include "cearawblock.h"

#include "ui_cearawblock.h"

CEARawBlock::CEARawBlock(const CEAEntry& entry, const QString& name, QWidget* parent)
    : CEABlock(parent), ui(new Ui::CEARawBlock), m_bytes(entry.bytes)
{
    ui->setupUi(this);
    setBlockType(CEA_UNKNOWN);
    QString info;
    if (entry.kind == CEAEntryKind::DataBlock) {
        info = QStringLiteral("Data block with tag %1").arg(entry.tag);
        if (entry.tag == CEA_EXTENDED_TAG_CODE && !entry.bytes.isEmpty())
            info += QStringLiteral(", extended tag %1").arg(Byte(entry.bytes[0]));
        info += QStringLiteral(": %1 bytes after its header byte.").arg(entry.bytes.size());
    } else {
        info = QStringLiteral("%1 bytes that do not form a data block.").arg(entry.bytes.size());
    }
    ui->titleLabel->setText(name);
    ui->infoLabel->setText(info);
    ui->bytesView->setPlainText(QString::fromLatin1(entry.bytes.toHex(' ').toUpper()));
}

CEARawBlock::~CEARawBlock()
{
    delete ui;
}
