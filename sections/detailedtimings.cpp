#include "detailedtimings.h"

#include "cvtwizard.h"
#include "descriptors.h"
#include "dialogs.h"
#include "hexaviewer.h"
#include "sectiondescriptions.h"
#include "rangechecks.h"
#include "ui_detailedtimings.h"
#include "validators.h"

namespace {

struct FieldRule {
    const char* objectName;
    int DetailedTimingValues::*member;
    const char* messageName;
    int max;
};

// In the order of DetailedTimings::Field.
const FieldRule kFields[] = {
    {"hActiveField", &DetailedTimingValues::hActive, "Horizontal Active Pixels", 4095},
    {"vActiveField", &DetailedTimingValues::vActive, "Vertical Active Pixels", 4095},
    {"hBlankField", &DetailedTimingValues::hBlanking, "Horizontal Blanking", 4095},
    {"vBlankField", &DetailedTimingValues::vBlanking, "Vertical Blanking", 4095},
    {"hFrontField", &DetailedTimingValues::hFrontPorch, "Horizontal Front Porch", 1023},
    {"vFrontField", &DetailedTimingValues::vFrontPorch, "Vertical Front Porch", 63},
    {"hSyncField", &DetailedTimingValues::hSyncWidth, "Horizontal Sync Pulse", 1023},
    {"vSyncField", &DetailedTimingValues::vSyncWidth, "Vertical Sync Pulse", 63},
    {"hImSizeField", &DetailedTimingValues::hImageSize, "Horizontal Image Size", 4095},
    {"vImSizeField", &DetailedTimingValues::vImageSize, "Vertical Image Size", 4095},
    {"hBorderField", &DetailedTimingValues::hBorder, "Horizontal Border", 255},
    {"vBorderField", &DetailedTimingValues::vBorder, "Vertical Border", 255},
};

constexpr double kMinPixelClockMHz = 0.01;
constexpr double kMaxPixelClockMHz = 655.35;

// Captions of syncSignalCB1 (flag bit 2) and syncSignalCB2 (flag bit 1) by sync type.
const char* const kSyncCaptions[4][2] = {{"Serrations", "On RGB"},
                                         {"Serrations", "On RGB"},
                                         {"Serrations", "H. Sync Polarity"},
                                         {"V. Sync Polarity", "H. Sync Polarity"}};

QString mhzText(quint32 clock)
{
    return QString::number(clock / 100.0, 'f', 2);
}

} // namespace

DetailedTimings::DetailedTimings(QWidget* parent)
    : SectionEditor(parent), ui(new Ui::DetailedTimings),
      m_integerValidator(new Validator(QStringLiteral("[^0-9]"), this)),
      m_decimalValidator(new Validator(QStringLiteral("[^0-9.]"), this))
{
    ui->setupUi(this);
    for (int f = 0; f < FieldCount; ++f)
        lineEdit(Field(f))->setValidator(m_integerValidator);
    ui->pixelClockField->setValidator(m_decimalValidator);
    resetFields(nullptr, nullptr, 0, false);
}

DetailedTimings::~DetailedTimings()
{
    delete ui;
}

QLineEdit* DetailedTimings::lineEdit(Field field) const
{
    return findChild<QLineEdit*>(QLatin1String(kFields[field].objectName));
}

QList<QAbstractButton*> DetailedTimings::stereoButtons() const
{
    // Indexed by stereo code; code 1 has no button.
    return {ui->noStereoRB, nullptr, ui->onSyncFSRRB, ui->twoWayRRB, ui->onSyncFSLRB,
            ui->twoWayLRB, ui->fourWayRB, ui->sideBySideRB};
}

QList<QAbstractButton*> DetailedTimings::syncButtons() const
{
    return {ui->analogRB, ui->bipolAnalogRB, ui->digitalCompositeRB, ui->digitalSepRB};
}

void DetailedTimings::storeImages(Byte* savedImage, Byte* workingImage, int slot, bool embedded)
{
    setImages(savedImage, workingImage);
    m_slot = slot;
    m_embedded = embedded;
}

void DetailedTimings::resetFields(Byte* savedImage, Byte* workingImage, int slot, bool embedded)
{
    storeImages(savedImage, workingImage, slot, embedded);
    m_state = DetailedTimingValues();
    m_record = detailedTimingRecord(m_state);
    updateUI();
    ui->hClockField->setText(QStringLiteral("-"));
    ui->vClockField->setText(QStringLiteral("-"));
    updateSyncCaptions();
}

void DetailedTimings::initFields(const T_EDID_DETAILED_TIMING_DEF& timing, Byte* savedImage,
                                 Byte* workingImage, int slot, bool embedded)
{
    storeImages(savedImage, workingImage, slot, embedded);
    m_record = timing;
    m_state = detailedTimingValues(timing);
    updateUI();
    updateSyncCaptions();
    if (!m_embedded)
        HexaViewer::instance()->setDescriptorDescription(m_slot, describeFields());
}

void DetailedTimings::initFields(const Byte* descriptor, Byte* savedImage, Byte* workingImage,
                                 int slot, bool embedded)
{
    storeImages(savedImage, workingImage, slot, embedded);
    T_EDID_DETAILED_TIMING_DEF timing;
    decodeDetailedTiming(descriptor, timing);
    m_state = detailedTimingValues(timing);
    updateSectionData();
    updateUI();
    updateSyncCaptions();
}

void DetailedTimings::descriptorBytes(Byte* out) const
{
    encodeDetailedTiming(detailedTimingRecord(m_state), out);
}

void DetailedTimings::updateUI()
{
    setStereo(m_state.stereoCode);
    const int type = m_state.syncType >= 0 && m_state.syncType <= 3 ? m_state.syncType : 0;
    syncButtons().at(type)->setChecked(true);
    ui->syncSignalCB1->setChecked(m_state.syncFlagBit2);
    ui->syncSignalCB2->setChecked(m_state.syncFlagBit1);
    ui->interlacedCheckBox->setChecked(m_state.interlaced);
    showNumbers();
    updateFrequencies();
}

void DetailedTimings::setStereo(int code)
{
    // Code 1 selects no button, so exclusivity is lifted while setting them.
    const QList<QAbstractButton*> buttons = stereoButtons();
    for (int i = 0; i < buttons.size(); ++i) {
        if (!buttons.at(i))
            continue;
        buttons.at(i)->setAutoExclusive(false);
        buttons.at(i)->setChecked(i == code);
        buttons.at(i)->setAutoExclusive(true);
    }
}

void DetailedTimings::showNumbers()
{
    ui->pixelClockField->setText(mhzText(m_state.pixelClock));
    for (int f = 0; f < FieldCount; ++f)
        lineEdit(Field(f))->setText(QString::number(m_state.*kFields[f].member));
}

void DetailedTimings::updateFrequencies()
{
    const int hTotal = m_state.hActive + m_state.hBlanking;
    const int vTotal = m_state.vActive + m_state.vBlanking;
    if (hTotal == 0) {
        ui->hClockField->setText(QStringLiteral("-"));
        ui->vClockField->setText(QStringLiteral("-"));
        return;
    }
    ui->hClockField->setText(QString::number(m_state.pixelClock * 10.0 / hTotal, 'f', 2));
    // The vertical rate follows the horizontal frequency as shown.
    const double hKHz = ui->hClockField->text().toDouble();
    ui->vClockField->setText(vTotal == 0 ? QStringLiteral("-")
                                         : QString::number(hKHz * 1000.0 / vTotal, 'f', 2));
}

void DetailedTimings::updateSyncCaptions()
{
    const int type = m_state.syncType >= 0 && m_state.syncType <= 3 ? m_state.syncType : 0;
    ui->syncSignalCB1->setText(QString::fromLatin1(kSyncCaptions[type][0]));
    ui->syncSignalCB2->setText(QString::fromLatin1(kSyncCaptions[type][1]));
}

void DetailedTimings::updateSectionData()
{
    m_record = detailedTimingRecord(m_state);
    if (m_embedded) {
        emit valueChanged();
        return;
    }
    writeSection(descriptorSection(m_slot),
                 [&](Byte* image) { encodeDetailedTiming(m_record, image + descriptorOffset(m_slot)); });
    HexaViewer::instance()->setDescriptorDescription(m_slot, describeFields());
}

FieldDescriptionList DetailedTimings::describeFields() const
{
    return detailedTimingDescription(m_state);
}

void DetailedTimings::fieldEdited(Field field)
{
    const FieldRule& rule = kFields[field];
    if (showsValue(lineEdit(field), QString::number(m_state.*rule.member)))
        return;
    m_state.*rule.member = RangeCheck::integerRange(lineEdit(field), QLatin1String(rule.messageName),
                                                    0, rule.max, this);
    if (field == HActive || field == HBlank || field == VActive || field == VBlank)
        updateFrequencies();
    updateSectionData();
}

void DetailedTimings::on_pixelClockField_editingFinished()
{
    const QString text = ui->pixelClockField->text();
    if (showsValue(ui->pixelClockField, mhzText(m_state.pixelClock)))
        return;
    const double value = text.toDouble();
    if (!text.isEmpty() && value >= kMinPixelClockMHz && value <= kMaxPixelClockMHz) {
        // Rounded, not truncated: 655.35 * 100 is 65534.999... in binary.
        m_state.pixelClock = quint32(qRound(value * 100.0));
    } else {
        const bool wasBlocked = ui->pixelClockField->blockSignals(true);
        Dialogs::warning(this, QStringLiteral("Format Error"),
                         QStringLiteral("Pixel Clock Value must be in range of 0.01 to 655.35 MHz"));
        ui->pixelClockField->setText(QStringLiteral("1.00"));
        ui->pixelClockField->blockSignals(wasBlocked);
        m_state.pixelClock = 100;
    }
    updateFrequencies();
    updateSectionData();
}

void DetailedTimings::on_hActiveField_editingFinished() { fieldEdited(HActive); }
void DetailedTimings::on_vActiveField_editingFinished() { fieldEdited(VActive); }
void DetailedTimings::on_hBlankField_editingFinished() { fieldEdited(HBlank); }
void DetailedTimings::on_vBlankField_editingFinished() { fieldEdited(VBlank); }
void DetailedTimings::on_hFrontField_editingFinished() { fieldEdited(HFront); }
void DetailedTimings::on_vFrontField_editingFinished() { fieldEdited(VFront); }
void DetailedTimings::on_hSyncField_editingFinished() { fieldEdited(HSync); }
void DetailedTimings::on_vSyncField_editingFinished() { fieldEdited(VSync); }
void DetailedTimings::on_hImSizeField_editingFinished() { fieldEdited(HImSize); }
void DetailedTimings::on_vImSizeField_editingFinished() { fieldEdited(VImSize); }
void DetailedTimings::on_hBorderField_editingFinished() { fieldEdited(HBorder); }
void DetailedTimings::on_vBorderField_editingFinished() { fieldEdited(VBorder); }

void DetailedTimings::on_interlacedCheckBox_clicked(bool checked)
{
    m_state.interlaced = checked;
    updateSectionData();
}

void DetailedTimings::on_syncSignalCB1_clicked(bool checked)
{
    m_state.syncFlagBit2 = checked;
    updateSectionData();
}

void DetailedTimings::on_syncSignalCB2_clicked(bool checked)
{
    m_state.syncFlagBit1 = checked;
    updateSectionData();
}

void DetailedTimings::on_noStereoRB_clicked() { m_state.stereoCode = 0; updateSectionData(); }
void DetailedTimings::on_onSyncFSRRB_clicked() { m_state.stereoCode = 2; updateSectionData(); }
void DetailedTimings::on_twoWayRRB_clicked() { m_state.stereoCode = 3; updateSectionData(); }
void DetailedTimings::on_onSyncFSLRB_clicked() { m_state.stereoCode = 4; updateSectionData(); }
void DetailedTimings::on_twoWayLRB_clicked() { m_state.stereoCode = 5; updateSectionData(); }
void DetailedTimings::on_fourWayRB_clicked() { m_state.stereoCode = 6; updateSectionData(); }
void DetailedTimings::on_sideBySideRB_clicked() { m_state.stereoCode = 7; updateSectionData(); }

void DetailedTimings::setSyncType(int type)
{
    m_state.syncType = type;
    updateSectionData();
    updateSyncCaptions();
}

void DetailedTimings::on_analogRB_clicked() { setSyncType(0); }
void DetailedTimings::on_bipolAnalogRB_clicked() { setSyncType(1); }
void DetailedTimings::on_digitalCompositeRB_clicked() { setSyncType(2); }
void DetailedTimings::on_digitalSepRB_clicked() { setSyncType(3); }

void DetailedTimings::on_CVTButton_clicked()
{
    int hActive = ui->hActiveField->text().toInt();
    int vActive = ui->vActiveField->text().toInt();
    float rate = ui->vClockField->text().toFloat();
    if (hActive == 0 && vActive == 0 && rate == 0.0f) {
        hActive = 1920;
        vActive = 1080;
        rate = 60.0f;
    }
    CvtWizard wizard(hActive, vActive, rate, this);
    connect(&wizard, &CvtWizard::formatCalculated, this, &DetailedTimings::loadCVTFormat);
    Dialogs::execDialog(wizard);
}

void DetailedTimings::loadCVTFormat(FormatDefinition format)
{
    ui->pixelClockField->setText(QString::number(cvtPixelClock(format) / 100.0, 'g', 6));
    ui->interlacedCheckBox->setChecked(format.interlaced);
    m_state.interlaced = format.interlaced;
    const int values[FieldCount] = {
        format.hActive, format.vActive, format.hBlanking, format.vBlanking,
        format.hFrontPorch, format.vFrontPorch, format.hSyncWidth, format.vSyncWidth,
        // Image sizes in whole millimetres (0.3 mm per pixel), so that the
        // field shows exactly what is written.
        qRound(format.hActive * 0.3), qRound(format.vActive * 0.3), format.hBorder, format.vBorder};
    for (int f = 0; f < FieldCount; ++f)
        lineEdit(Field(f))->setText(QString::number(values[f]));
    on_pixelClockField_editingFinished();
    ui->digitalSepRB->setChecked(true);
    setSyncType(3);
    m_state.syncFlagBit2 = format.vSyncPositive;
    m_state.syncFlagBit1 = format.hSyncPositive;
    ui->syncSignalCB1->setChecked(format.vSyncPositive);
    ui->syncSignalCB2->setChecked(format.hSyncPositive);
    on_pixelClockField_editingFinished();
    for (int f = 0; f < FieldCount; ++f)
        fieldEdited(Field(f));
}
