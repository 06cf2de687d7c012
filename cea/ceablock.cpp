#include "ceablock.h"

CEABlock::CEABlock(QWidget* parent) : QFrame(parent)
{
}

void CEABlock::initFields(int, int, const Byte*, Byte*, Byte*)
{
}

void CEABlock::resetFields(Byte*, Byte*)
{
    updateEDID();
}

QByteArray CEABlock::blockBytes() const
{
    return QByteArray();
}

bool CEABlock::loadEntry(const CEAEntry& entry)
{
    QByteArray payload = entry.bytes;
    int length = payload.size();
    if (entry.kind == CEAEntryKind::DetailedTimings) {
        length /= CEA_DTD_SIZE;
    } else if (extendedTag() != 0 && length > 0) {
        // The editors of extended-tag blocks take the payload after that byte.
        payload.remove(0, 1);
        --length;
    }
    initFields(entry.tag, length, reinterpret_cast<const Byte*>(payload.constData()), nullptr, nullptr);
    return blockBytes() == entry.bytes;
}

QString CEABlock::blockTypeName() const
{
    return ::blockTypeName(m_blockType);
}

int CEABlock::tagCode() const
{
    return blockTypeTag(m_blockType);
}

int CEABlock::extendedTag() const
{
    return blockTypeExtendedTag(m_blockType);
}

void CEABlock::updateUI()
{
}

void CEABlock::updateEDID()
{
    emit valueChanged();
}

void CEABlock::onSubBlockValueChanged()
{
    emit valueChanged();
}

void CEABlock::setBlockType(int index)
{
    m_blockType = index;
    m_helpText = blockTypeHelpText(index);
}

void CEABlock::setHelpShown(bool shown)
{
    m_helpShown = shown;
    emit displayHelp(shown);
}
