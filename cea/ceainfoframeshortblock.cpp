#include "ceainfoframeshortblock.h"

CEAInfoFrameShortBlock::CEAInfoFrameShortBlock(int type, QObject* parent) : QObject(parent)
{
    m_descriptor.type = type;
}

CEAInfoFrameShortBlock::CEAInfoFrameShortBlock(const ShortInfoFrameDescriptor& descriptor,
                                               QObject* parent)
    : QObject(parent), m_descriptor(descriptor)
{
}

void CEAInfoFrameShortBlock::setOui(const QString& text)
{
    m_descriptor.oui = text;
}
