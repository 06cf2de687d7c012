#include "displaydescstandtimings.h"

#include "extrastandtiming.h"

#include <QGridLayout>

DisplayDescStandTimings::DisplayDescStandTimings(QWidget* parent) : DescriptorEditor(parent)
{
    setTitle(QStringLiteral("Standard Timing Identifications"));
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < EXTRA_STANDARD_TIMING_COUNT; ++i) {
        m_timings << new ExtraStandTiming(i, this);
        grid->addWidget(m_timings.last(), i / 3, i % 3);
    }
}

void DisplayDescStandTimings::resetFields(Byte* savedImage, Byte* workingImage, int slotIndex)
{
    storeImages(savedImage, workingImage, slotIndex);
    for (ExtraStandTiming* timing : m_timings)
        timing->resetFields(savedImage, workingImage, slotIndex);
}

void DisplayDescStandTimings::initFields(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor,
                                         Byte* savedImage, Byte* workingImage, int slotIndex)
{
    storeImages(savedImage, workingImage, slotIndex);
    for (ExtraStandTiming* timing : m_timings)
        timing->initFields(descriptor, savedImage, workingImage, slotIndex);
}

void DisplayDescStandTimings::updateCurrentBlock()
{
    for (ExtraStandTiming* timing : m_timings)
        timing->updateCurrentBlock();
}

FieldDescriptionList DisplayDescStandTimings::describeFields() const
{
    return {{"Monitor Data Type Tag", "Standard Timings"}};
}
