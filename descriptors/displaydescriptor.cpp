#include "displaydescriptor.h"

#include "checksum.h"
#include "hexaviewer.h"

#include <cstring>

DisplayDescriptor::DisplayDescriptor(QWidget* parent) : QGroupBox(parent)
{
}

void DisplayDescriptor::setLabel(const QString& text)
{
    setTitle(text);
}

void DisplayDescriptor::resetFields(Byte* data, Byte* newData, int slot)
{
    m_data = data;
    m_newData = newData;
    m_slot = slot;
    m_type = DESC_UNUSED;
}

void DisplayDescriptor::initFields(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor, Byte* data,
                                   Byte* newData, int slot, bool)
{
    resetFields(data, newData, slot);
    m_type = descriptor.type;
}

void DisplayDescriptor::setLockedType(T_EDID_DISPLAY_DESCRIPTORS type)
{
    m_type = type;
}

void DisplayDescriptor::setType(T_EDID_DISPLAY_DESCRIPTORS type)
{
    m_type = type;
}

void DisplayDescriptor::updateCurrentBlock()
{
    if (m_type == DESC_UNUSED)
        writeDummyDescriptor();
}

void DisplayDescriptor::writeDummyDescriptor()
{
    if (!m_newData)
        return;
    Byte* slot = m_newData + 54 + 18 * m_slot;
    std::memset(slot, 0, 18);
    slot[3] = 0x10;
    updateBaseChecksum(m_newData);
    HexaViewer::instance()->refreshBytes(m_data, m_newData, 72, 125);
}

void DisplayDescriptor::adaptToEDIDVersion(Word, bool)
{
}
