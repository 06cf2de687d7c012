#include "extrastandtiming.h"

#include "ui_extrastandtiming.h"
#include "validators.h"

ExtraStandTiming::ExtraStandTiming(int position, QWidget* parent)
    : ValueDescriptorEditor(parent), ui(new Ui::ExtraStandTiming), m_position(position)
{
    ui->setupUi(this);
    setTitle(QStringLiteral("Timing %1").arg(position + 9));
    auto* integerValidator = new Validator(QStringLiteral("[^0-9]"), this);
    ui->hActiveField->setValidator(integerValidator);
    ui->refreshField->setValidator(integerValidator);
    showValue();
}

ExtraStandTiming::~ExtraStandTiming()
{
    delete ui;
}

T_EDID_STANDARD_TIMING ExtraStandTiming::valueIn(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor) const
{
    return descriptor.standardTimings[m_position];
}

void ExtraStandTiming::showValue()
{
    setChecked(m_value.enabled);
    setFieldText(ui->hActiveField, QString::number(m_value.hActive));
    setFieldText(ui->refreshField, QString::number(m_value.refreshRate));
    // The aspect items are in the order of their 2-bit codes.
    ui->aspectRatioMulti->setCurrentIndex(standardBitsOfAspect(m_value.aspectRatio));
}

void ExtraStandTiming::writeValue(Byte* descriptor) const
{
    encodeExtraStandardTiming(m_value, m_position, descriptor);
}

FieldDescriptionList ExtraStandTiming::describeFields() const
{
    return {{"Monitor Data Type Tag", "Standard Timings"}};
}

void ExtraStandTiming::on_ExtraStandTiming_clicked(bool checked)
{
    if (checked) {
        m_value.enabled = true;
    } else {
        m_value = T_EDID_STANDARD_TIMING();
        showValue();
    }
    updateCurrentBlock();
}

void ExtraStandTiming::on_hActiveField_editingFinished()
{
    m_value.hActive = Word(acceptedNumber(
        ui->hActiveField, STD_TIMING_MIN_HACTIVE, STD_TIMING_MAX_HACTIVE, STD_TIMING_HACTIVE_STEP,
        QStringLiteral("Format Error"),
        QStringLiteral("Horizontal Active Pixels must be in range of 256 to 2288 in increments of 8 pixels")));
    updateCurrentBlock();
}

void ExtraStandTiming::on_refreshField_editingFinished()
{
    m_value.refreshRate = acceptedNumber(ui->refreshField, STD_TIMING_MIN_REFRESH, STD_TIMING_MAX_REFRESH, 1,
                                         QStringLiteral("Format Error"),
                                         QStringLiteral("Refresh Rate must be in range of 60 to 123 Hz"));
    updateCurrentBlock();
}

void ExtraStandTiming::on_aspectRatioMulti_activated(int index)
{
    m_value.aspectRatio = standardAspectOfBits(index >= 0 && index < 4 ? index : 0);
    updateCurrentBlock();
}
