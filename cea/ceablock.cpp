#include "ceablock.h"

#include "hexaviewer.h"

CEABlock::CEABlock(QWidget* parent) : QFrame(parent)
{
}

void CEABlock::initFields(int, int, const Byte*, Byte* savedImage, Byte* workingImage)
{
    setImages(savedImage, workingImage);
}

void CEABlock::resetFields(Byte* savedImage, Byte* workingImage)
{
    setImages(savedImage, workingImage);
    updateEDID();
}

QByteArray CEABlock::blockBytes() const
{
    return QByteArray();
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
    HexaViewer::instance()->refreshBytes(data, newData, 128, 255);
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

void CEABlock::setImages(Byte* savedImage, Byte* workingImage)
{
    data = savedImage;
    newData = workingImage;
}

void CEABlock::setHelpShown(bool shown)
{
    m_helpShown = shown;
    emit displayHelp(shown);
}
