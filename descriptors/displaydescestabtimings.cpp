#include "displaydescestabtimings.h"

#include "ui_displaydescestabtimings.h"

DisplayDescEstabTimings::DisplayDescEstabTimings(QWidget* parent)
    : ValueDescriptorEditor(parent), ui(new Ui::DisplayDescEstabTimings)
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

T_EDID_ESTABLISHED_TIMINGS_III DisplayDescEstabTimings::valueIn(
    const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor) const
{
    return descriptor.establishedTimingsIII;
}

void DisplayDescEstabTimings::showValue()
{
    for (int n = 0; n < ESTABLISHED_TIMINGS_III_COUNT; ++n) {
        const bool wasBlocked = m_boxes.at(n)->blockSignals(true);
        m_boxes.at(n)->setChecked(m_value.flags[n]);
        m_boxes.at(n)->blockSignals(wasBlocked);
    }
}

void DisplayDescEstabTimings::writeValue(Byte* descriptor) const
{
    encodeEstablishedTimingsIII(m_value, descriptor);
}

FieldDescriptionList DisplayDescEstabTimings::describeFields() const
{
    return {{"Monitor Data Type Tag", "Established Timings III"}};
}

void DisplayDescEstabTimings::flagToggled(int flag, bool checked)
{
    m_value.flags[flag] = checked;
    updateCurrentBlock();
}
