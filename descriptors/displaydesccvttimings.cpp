#include "displaydesccvttimings.h"

#include "cvtcodedescriptor.h"

#include <QGridLayout>

DisplayDescCVTTimings::DisplayDescCVTTimings(QWidget* parent) : DescriptorEditor(parent)
{
    setTitle(QStringLiteral("CVT Timing Codes"));
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < 4; ++i) {
        m_codes << new CVTCodeDescriptor(i, this);
        grid->addWidget(m_codes.last(), i / 2, i % 2);
    }
}

void DisplayDescCVTTimings::resetFields(Byte* savedImage, Byte* workingImage, int slotIndex)
{
    storeImages(savedImage, workingImage, slotIndex);
    for (CVTCodeDescriptor* code : m_codes)
        code->resetFields(savedImage, workingImage, slotIndex);
}

void DisplayDescCVTTimings::initFields(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor,
                                       Byte* savedImage, Byte* workingImage, int slotIndex)
{
    storeImages(savedImage, workingImage, slotIndex);
    for (CVTCodeDescriptor* code : m_codes)
        code->initFields(descriptor, savedImage, workingImage, slotIndex);
}

void DisplayDescCVTTimings::updateCurrentBlock()
{
    for (CVTCodeDescriptor* code : m_codes)
        code->updateCurrentBlock();
}

FieldDescriptionList DisplayDescCVTTimings::describeFields() const
{
    return {{"Monitor Data Type Tag", "CVT Code Descriptor"}};
}
