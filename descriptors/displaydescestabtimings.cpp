#include "displaydescestabtimings.h"

#include "ui_displaydescestabtimings.h"

DisplayDescEstabTimings::DisplayDescEstabTimings(QWidget* parent)
    : DescriptorEditor(parent), ui(new Ui::DisplayDescEstabTimings)
{
    ui->setupUi(this);
    // Each box toggles its own bit; the 44 handlers differ only by the flag.
    for (int n = 0; n < ESTABLISHED_TIMINGS_III_COUNT; ++n) {
        QCheckBox* box = findChild<QCheckBox*>(QStringLiteral("estabTimingCB%1").arg(n + 1));
        m_boxes << box;
        connect(box, &QCheckBox::toggled, this, [this, n](bool checked) { flagToggled(n, checked); });
    }
}

DisplayDescEstabTimings::~DisplayDescEstabTimings()
{
    delete ui;
}

void DisplayDescEstabTimings::showFlags()
{
    for (int n = 0; n < ESTABLISHED_TIMINGS_III_COUNT; ++n) {
        const bool wasBlocked = m_boxes.at(n)->blockSignals(true);
        m_boxes.at(n)->setChecked(m_timings.flags[n]);
        m_boxes.at(n)->blockSignals(wasBlocked);
    }
}

void DisplayDescEstabTimings::resetFields(Byte* savedImage, Byte* workingImage, int slotIndex)
{
    storeImages(savedImage, workingImage, slotIndex);
    m_timings = T_EDID_ESTABLISHED_TIMINGS_III();
    showFlags();
}

void DisplayDescEstabTimings::initFields(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor,
                                         Byte* savedImage, Byte* workingImage, int slotIndex)
{
    storeImages(savedImage, workingImage, slotIndex);
    m_timings = descriptor.establishedTimingsIII;
    showFlags();
    describe();
}

void DisplayDescEstabTimings::updateCurrentBlock()
{
    Byte* bytes = slotBytes();
    if (!bytes)
        return;
    encodeEstablishedTimingsIII(m_timings, bytes);
    finishWrite();
}

FieldDescriptionList DisplayDescEstabTimings::describeFields() const
{
    return {{"Monitor Data Type Tag", "Established Timings III"}};
}

void DisplayDescEstabTimings::flagToggled(int flag, bool checked)
{
    m_timings.flags[flag] = checked;
    updateCurrentBlock();
}
