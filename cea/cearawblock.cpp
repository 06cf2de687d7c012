#include "cearawblock.h"

#include "ui_cearawblock.h"

CEARawBlock::CEARawBlock(const CEAEntry& entry, QWidget* parent)
    : CEABlock(parent), ui(new Ui::CEARawBlock), m_entry(entry)
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
    ui->titleLabel->setText(blockTypeName());
    ui->infoLabel->setText(info);
    ui->bytesView->setPlainText(QString::fromLatin1(entry.bytes.toHex(' ').toUpper()));
}

CEARawBlock::~CEARawBlock()
{
    delete ui;
}

QByteArray CEARawBlock::blockBytes() const
{
    return m_entry.bytes;
}

QString CEARawBlock::blockTypeName() const
{
    switch (m_entry.kind) {
    case CEAEntryKind::DataBlock: {
        const int extended = m_entry.bytes.isEmpty() ? -1 : Byte(m_entry.bytes[0]);
        return keptBlockName(m_entry.tag, extended);
    }
    case CEAEntryKind::TrailingPiece:
        return QStringLiteral("Bytes after the timings");
    default:
        return QStringLiteral("Undecoded bytes");
    }
}

int CEARawBlock::tagCode() const
{
    return m_entry.tag;
}
