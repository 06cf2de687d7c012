#include "standardtimingitem.h"
#include "ui_standardtimingitem.h"

#include "dialogs.h"
#include "hexaviewer.h"
#include "sectiondescriptions.h"
#include "validators.h"

StandardTimingItem::StandardTimingItem(QWidget* parent)
    : SectionEditor(parent), ui(new Ui::StandardTimingItem)
{
    ui->setupUi(this);
    m_digits = new Validator("[^0-9]", this);
    ui->hActiveField->setValidator(m_digits);
    ui->refreshField->setValidator(m_digits);
}

StandardTimingItem::~StandardTimingItem()
{
    delete ui;
}

void StandardTimingItem::setEntry(int entry)
{
    m_entry = entry;
    ui->enableCB->setText(QStringLiteral("Timing %1").arg(entry));
}

void StandardTimingItem::initFields(const T_EDID_STANDARD_TIMING& timing, Byte* data, Byte* newData, int entry)
{
    setImages(data, newData);
    setEntry(entry);
    // An unused entry shows the defaults, not what the previous image held.
    m_record = timing.enabled ? timing : T_EDID_STANDARD_TIMING();
    m_state = m_record;
    updateUI();
    if (m_state.enabled)
        HexaViewer::instance()->setStandardTimingsDescription(describeFields());
}

void StandardTimingItem::resetFields(Byte* data, Byte* newData, int entry)
{
    setImages(data, newData);
    setEntry(entry);
    m_record = T_EDID_STANDARD_TIMING();
    m_state = m_record;
    updateUI();
}

void StandardTimingItem::updateUI()
{
    ui->enableCB->setChecked(m_state.enabled);
    ui->hActiveField->setEnabled(m_state.enabled);
    ui->refreshField->setEnabled(m_state.enabled);
    ui->aspectRatioMulti->setEnabled(m_state.enabled);
    ui->hActiveField->setText(QString::number(m_state.hActive));
    ui->refreshField->setText(QString::number(m_state.refreshRate));
    // The aspect items are in the order of their 2-bit codes.
    ui->aspectRatioMulti->setCurrentIndex(standardBitsOfAspect(m_state.aspectRatio));
}

void StandardTimingItem::updateSectionData()
{
    m_record = m_state;
    const int first = 36 + 2 * m_entry;
    writeBytes(first, first + 1, [&](Byte* image) { encodeStandardTiming(m_record, image + first); });
    HexaViewer::instance()->setStandardTimingsDescription(describeFields());
}

FieldDescriptionList StandardTimingItem::describeFields() const
{
    return standardTimingDescription(m_state);
}

int StandardTimingItem::checkField(QLineEdit* field, int min, int max, int step, const QString& message)
{
    const int value = field->text().toInt();
    if (value >= min && value <= max && value % step == 0)
        return value;
    const bool wasBlocked = field->blockSignals(true);
    Dialogs::warning(this, "Format Error", message);
    field->setText(QString::number(min));
    field->blockSignals(wasBlocked);
    return min;
}

void StandardTimingItem::on_enableCB_clicked(bool checked)
{
    if (checked)
        m_state.enabled = true;
    else
        m_state = T_EDID_STANDARD_TIMING();
    updateUI();
    updateSectionData();
}

void StandardTimingItem::on_hActiveField_editingFinished()
{
    if (showsValue(ui->hActiveField, QString::number(m_state.hActive)))
        return;
    m_state.hActive = Word(checkField(ui->hActiveField, STD_TIMING_MIN_HACTIVE, STD_TIMING_MAX_HACTIVE,
                                      STD_TIMING_HACTIVE_STEP,
                                      "Horizontal Active Pixels must be in the range of 256 to 2288 Hz "
                                      "in increments of 8 pixels"));
    updateSectionData();
}

void StandardTimingItem::on_refreshField_editingFinished()
{
    if (showsValue(ui->refreshField, QString::number(m_state.refreshRate)))
        return;
    m_state.refreshRate = checkField(ui->refreshField, STD_TIMING_MIN_REFRESH, STD_TIMING_MAX_REFRESH, 1,
                                     "Refresh Rate must be in range of 60 to 123 Hz");
    updateSectionData();
}

void StandardTimingItem::on_aspectRatioMulti_activated(int index)
{
    m_state.aspectRatio = standardAspectOfBits(qBound(0, index, 3));
    updateSectionData();
}
