#include "extrastandtiming.h"

#include "ui_extrastandtiming.h"
#include "validators.h"

namespace {
// Aspect value of each item of aspectRatioMulti ("16:10", "4:3", "5:4", "16:9").
const int kAspectOfItem[4] = {ASPECT_16_10, ASPECT_4_3, ASPECT_5_4, ASPECT_16_9};

int itemOfAspect(int aspect)
{
    for (int i = 0; i < 4; ++i) {
        if (kAspectOfItem[i] == aspect)
            return i;
    }
    return 0;
}
} // namespace

ExtraStandTiming::ExtraStandTiming(int position, QWidget* parent)
    : DescriptorEditor(parent), ui(new Ui::ExtraStandTiming),
      m_integerValidator(new Validator(QStringLiteral("[^0-9]"), this)), m_position(position)
{
    ui->setupUi(this);
    setTitle(QStringLiteral("Timing %1").arg(position + 9));
    ui->hActiveField->setValidator(m_integerValidator);
    ui->refreshField->setValidator(m_integerValidator);
    showTiming();
}

ExtraStandTiming::~ExtraStandTiming()
{
    delete ui;
}

void ExtraStandTiming::showTiming()
{
    setChecked(m_timing.enabled);
    setFieldText(ui->hActiveField, QString::number(m_timing.hActive));
    setFieldText(ui->refreshField, QString::number(m_timing.refreshRate));
    ui->aspectRatioMulti->setCurrentIndex(itemOfAspect(m_timing.aspectRatio));
}

void ExtraStandTiming::resetFields(Byte* savedImage, Byte* workingImage, int slotIndex)
{
    storeImages(savedImage, workingImage, slotIndex);
    m_timing = T_EDID_STANDARD_TIMING();
    showTiming();
}

void ExtraStandTiming::initFields(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor, Byte* savedImage,
                                  Byte* workingImage, int slotIndex)
{
    storeImages(savedImage, workingImage, slotIndex);
    m_timing = descriptor.standardTimings[m_position];
    showTiming();
    describe();
}

void ExtraStandTiming::updateCurrentBlock()
{
    Byte* bytes = slotBytes();
    if (!bytes)
        return;
    encodeExtraStandardTiming(m_timing, m_position, bytes);
    finishWrite();
}

FieldDescriptionList ExtraStandTiming::describeFields() const
{
    return {{"Monitor Data Type Tag", "Standard Timings"}};
}

void ExtraStandTiming::on_ExtraStandTiming_clicked(bool checked)
{
    if (checked) {
        m_timing.enabled = true;
    } else {
        m_timing = T_EDID_STANDARD_TIMING();
        showTiming();
    }
    updateCurrentBlock();
}

void ExtraStandTiming::on_hActiveField_editingFinished()
{
    const QString text = ui->hActiveField->text();
    const int value = text.toInt();
    if (!text.isEmpty() && value >= 256 && value <= 2288 && value % 8 == 0) {
        m_timing.hActive = Word(value);
    } else {
        warn(QStringLiteral("Format Error"),
             QStringLiteral("Horizontal Active Pixels must be in range of 256 to 2288 in increments of 8 pixels"));
        setFieldText(ui->hActiveField, QStringLiteral("256"));
        m_timing.hActive = 256;
    }
    updateCurrentBlock();
}

void ExtraStandTiming::on_refreshField_editingFinished()
{
    const QString text = ui->refreshField->text();
    const int value = text.toInt();
    if (!text.isEmpty() && value >= 60 && value <= 123) {
        m_timing.refreshRate = value;
    } else {
        warn(QStringLiteral("Format Error"), QStringLiteral("Refresh Rate must be in range of 60 to 123 Hz"));
        setFieldText(ui->refreshField, QStringLiteral("60"));
        m_timing.refreshRate = 60;
    }
    updateCurrentBlock();
}

void ExtraStandTiming::on_aspectRatioMulti_activated(int index)
{
    m_timing.aspectRatio = kAspectOfItem[index >= 0 && index < 4 ? index : 0];
    updateCurrentBlock();
}
