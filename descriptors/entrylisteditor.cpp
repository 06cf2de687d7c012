#include "entrylisteditor.h"

EntryListEditor::EntryListEditor(const QString& title, const char* typeName, QWidget* parent)
    : DescriptorEditor(parent), m_typeName(typeName)
{
    setTitle(title);
}

void EntryListEditor::resetFields(Byte* savedImage, Byte* workingImage, int slotIndex)
{
    storeImages(savedImage, workingImage, slotIndex);
    for (DescriptorEditor* entry : m_entries)
        entry->resetFields(savedImage, workingImage, slotIndex);
}

void EntryListEditor::initFields(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor, Byte* savedImage,
                                 Byte* workingImage, int slotIndex)
{
    storeImages(savedImage, workingImage, slotIndex);
    for (DescriptorEditor* entry : m_entries)
        entry->initFields(descriptor, savedImage, workingImage, slotIndex);
}

void EntryListEditor::updateCurrentBlock()
{
    for (DescriptorEditor* entry : m_entries)
        entry->updateCurrentBlock();
}

FieldDescriptionList EntryListEditor::describeFields() const
{
    return {{"Monitor Data Type Tag", m_typeName}};
}
