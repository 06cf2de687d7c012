#include "displayrangelimits.h"

#include "revision.h"
#include "ui_displayrangelimits.h"
#include "validators.h"

#include <QColor>
#include <cstring>

namespace {

struct NumberRule {
    const char* objectName;
    int T_EDID_RANGE_LIMITS::*member;
    const char* messageName;
    int min;
    int max; // 0 for the rates, whose maximum follows the revision
    const char* unit;
    int increment;
};

// In the order of DisplayRangeLimits::NumberField.
const NumberRule kNumbers[] = {
    {"minVRateField", &T_EDID_RANGE_LIMITS::minVRate, "Minimum Vertical Rate", 0, 0, "Hz", 1},
    {"maxVRateField", &T_EDID_RANGE_LIMITS::maxVRate, "Maximum Vertical Rate", 0, 0, "Hz", 1},
    {"minHRateField", &T_EDID_RANGE_LIMITS::minHRate, "Minimum Horizontal Rate", 0, 0, "kHz", 1},
    {"maxHRateField", &T_EDID_RANGE_LIMITS::maxHRate, "Maximum Horizontal Rate", 0, 0, "kHz", 1},
    {"maxPixClockField", &T_EDID_RANGE_LIMITS::maxPixelClock, "Maximum Pixel Clock", 0, 2550, "MHz", 10},
    {"startFreqField", &T_EDID_RANGE_LIMITS::startFrequency, "Start Break Frequency", 0, 255, "kHz", 1},
    {"cx2Field", &T_EDID_RANGE_LIMITS::cx2, "Cx2", 0, 255, "", 1},
    {"mField", &T_EDID_RANGE_LIMITS::m, "M", 0, 65535, "kHz", 1},
    {"kField", &T_EDID_RANGE_LIMITS::k, "K", 0, 255, "", 1},
    {"jx2Field", &T_EDID_RANGE_LIMITS::jx2, "Jx2", 0, 255, "", 1},
    {"pixClockPrecField", &T_EDID_RANGE_LIMITS::pixelClockPrecision, "Pixel Clock Precision", 0, 63, "", 1},
    {"maxActivePixField", &T_EDID_RANGE_LIMITS::maxActivePixels, "Maximum Active Pixels", 0, 8184, "", 8},
    {"prefVRateField", &T_EDID_RANGE_LIMITS::preferredVRate, "Preferred Vertical Refresh Rate", 1, 255, "", 1},
};

const char* const kAspectTexts[5] = {"5:4", "4:3", "16:10", "15:9", "16:9"};
const char* const kTimingItems14[2] = {"Range Limits Only (1.4)", "CVT Support (1.4)"};

bool isRate(int field)
{
    return field <= 3;
}

} // namespace

DisplayRangeLimits::DisplayRangeLimits(QWidget* parent)
    : DescriptorEditor(parent), ui(new Ui::DisplayRangeLimits),
      m_integerValidator(new Validator(QStringLiteral("[^0-9]"), this))
{
    ui->setupUi(this);
    for (QLineEdit* field : {ui->minVRateField, ui->maxVRateField, ui->minHRateField,
                             ui->maxHRateField, ui->maxPixClockField, ui->pixClockPrecField,
                             ui->maxActivePixField, ui->prefVRateField})
        field->setValidator(m_integerValidator);
    ui->gtfGroupBox->hide();
    ui->cvtGroupBox->hide();
    showNumbers();
    showCvtControls();
}

DisplayRangeLimits::~DisplayRangeLimits()
{
    delete ui;
}

QLineEdit* DisplayRangeLimits::lineEdit(NumberField field) const
{
    return findChild<QLineEdit*>(QLatin1String(kNumbers[field].objectName));
}

int DisplayRangeLimits::fieldMax(NumberField field) const
{
    // One byte per rate; E-EDID 1.4 offset flags add 255 above that.
    return isRate(field) ? maxRangeLimitRate(currentRevision()) : kNumbers[field].max;
}

void DisplayRangeLimits::resetFields(Byte* savedImage, Byte* workingImage, int slotIndex)
{
    storeImages(savedImage, workingImage, slotIndex);
    m_limits = T_EDID_RANGE_LIMITS();
    showNumbers();
    showCvtControls();
    showTimingSupport();
}

void DisplayRangeLimits::initFields(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor,
                                    Byte* savedImage, Byte* workingImage, int slotIndex)
{
    storeImages(savedImage, workingImage, slotIndex);
    // The combo box must offer the items of the loaded revision first.
    adaptToEDIDVersion(currentRevision());
    m_limits = descriptor.rangeLimits;
    showNumbers();
    showCvtControls();
    showTimingSupport();
    describe();
}

void DisplayRangeLimits::showNumbers()
{
    for (int f = 0; f < NumberFieldCount; ++f)
        setFieldText(lineEdit(NumberField(f)), QString::number(m_limits.*kNumbers[f].member));
}

void DisplayRangeLimits::showTimingSupport()
{
    ui->videoTimingMulti->setCurrentIndex(m_limits.timingSupport);
    ui->cvtGroupBox->setVisible(m_limits.timingSupport == RANGE_CVT);
    ui->gtfGroupBox->setVisible(m_limits.timingSupport == RANGE_SECONDARY_GTF);
}

void DisplayRangeLimits::showCvtControls()
{
    ui->versionField->setValue(m_limits.cvtVersion);
    ui->revisionSB->setValue(m_limits.cvtRevision);
    ui->supp43ARCB->setChecked(m_limits.supports4x3);
    ui->supp169ARCB->setChecked(m_limits.supports16x9);
    ui->supp1610ARCB->setChecked(m_limits.supports16x10);
    ui->supp54ARCB->setChecked(m_limits.supports5x4);
    ui->supp159ARCB->setChecked(m_limits.supports15x9);
    QRadioButton* const preferred[5] = {ui->pref54ARRB, ui->pref43ARRB, ui->pref1610ARRB,
                                        ui->pref159ARRB, ui->pref169ARRB};
    preferred[m_limits.preferredAspect]->setChecked(true);
    ui->standBlankingCB->setChecked(m_limits.standardBlanking);
    ui->redBlankingCB->setChecked(m_limits.reducedBlanking);
    ui->hShrinkCB->setChecked(m_limits.hShrink);
    ui->hStretchCB->setChecked(m_limits.hStretch);
    ui->vShrinkCB->setChecked(m_limits.vShrink);
    ui->vStretchCB->setChecked(m_limits.vStretch);
}

void DisplayRangeLimits::updateCurrentBlock()
{
    Byte* bytes = slotBytes();
    if (!bytes)
        return;
    encodeRangeLimits(m_limits, currentRevision(), bytes);
    finishWrite();
}

FieldDescriptionList DisplayRangeLimits::describeFields() const
{
    FieldDescriptionList list = {
        {"Monitor Data Type Tag", "Range Limits"},
        {"Minimum Vertical Rate (Hz)", ui->minVRateField->text()},
        {"Maximum Vertical Rate (Hz)", ui->maxVRateField->text()},
        {"Minimum Horizontal Rate (kHz)", ui->minHRateField->text()},
        {"Maximum Horizontal Rate (kHz)", ui->maxHRateField->text()},
        {"Maximum Pixel Clock (MHz)", ui->maxPixClockField->text()},
    };
    if (m_limits.timingSupport == RANGE_SECONDARY_GTF) {
        list << FieldDescription("Video Timing Support", "Secondary GTF");
        return list;
    }
    if (m_limits.timingSupport != RANGE_CVT) {
        list << FieldDescription("Video Timing Support", "none");
        return list;
    }
    list << FieldDescription("Video Timing Support", "CVT Support")
         << FieldDescription("Pixel Clock Precision", ui->pixClockPrecField->text())
         << FieldDescription("Max Active Pixels", ui->maxActivePixField->text())
         << FieldDescription("Version", ui->versionField->text() + "." + ui->revisionSB->text())
         << FieldDescription("Preferred Aspect Ratio", kAspectTexts[m_limits.preferredAspect])
         << FieldDescription("Aspect Ratio 4:3 Supported", yesNo(m_limits.supports4x3))
         << FieldDescription("Aspect Ratio 16:9 Supported", yesNo(m_limits.supports16x9))
         << FieldDescription("Aspect Ratio 16:10 Supported", yesNo(m_limits.supports16x10))
         << FieldDescription("Aspect Ratio 5:4 Supported", yesNo(m_limits.supports5x4))
         << FieldDescription("Aspect Ratio 15:9 Supported", yesNo(m_limits.supports15x9))
         << FieldDescription("Standard Blanking", yesNo(m_limits.standardBlanking))
         << FieldDescription("Reduced Blanking", yesNo(m_limits.reducedBlanking))
         << FieldDescription("Horizontal Shrink", yesNo(m_limits.hShrink))
         << FieldDescription("Horizontal Stretch", yesNo(m_limits.hStretch))
         << FieldDescription("Vertical Shrink", yesNo(m_limits.vShrink))
         << FieldDescription("Vertical Stretch", yesNo(m_limits.vStretch))
         << FieldDescription("Preferred Vertical Refresh Rate", ui->prefVRateField->text());
    return list;
}

void DisplayRangeLimits::adaptToEDIDVersion(Word revision)
{
    adaptFields(revision);
}

bool DisplayRangeLimits::adaptFields(Word revision)
{
    Byte before[DESCRIPTOR_SIZE];
    encodeRangeLimits(m_limits, revision, before);
    m_revision = revision;
    QComboBox* combo = ui->videoTimingMulti;
    if (revision == 3) {
        combo->removeItem(3);
        combo->removeItem(2);
        if (m_limits.timingSupport == RANGE_LIMITS_ONLY || m_limits.timingSupport == RANGE_CVT) {
            m_limits.timingSupport = RANGE_DEFAULT_GTF;
            resetCvtBlock();
        }
        limitRatesToOneByte();
        showTimingSupport();
        Byte after[DESCRIPTOR_SIZE];
        encodeRangeLimits(m_limits, revision, after);
        return std::memcmp(before, after, DESCRIPTOR_SIZE) != 0;
    }
    if (combo->count() < 3) {
        for (const char* item : kTimingItems14)
            combo->addItem(QString::fromLatin1(item));
        for (int i = 2; i <= 3; ++i)
            combo->setItemData(i, QColor(255, 255, 255), Qt::ForegroundRole);
    }
    return false;
}

void DisplayRangeLimits::resetCvtBlock()
{
    const T_EDID_RANGE_LIMITS defaults;
    m_limits.cvtVersion = defaults.cvtVersion;
    m_limits.cvtRevision = defaults.cvtRevision;
    m_limits.pixelClockPrecision = defaults.pixelClockPrecision;
    m_limits.maxActivePixels = defaults.maxActivePixels;
    m_limits.supports4x3 = m_limits.supports16x9 = m_limits.supports16x10 = false;
    m_limits.supports5x4 = m_limits.supports15x9 = false;
    m_limits.preferredAspect = defaults.preferredAspect;
    m_limits.standardBlanking = m_limits.reducedBlanking = false;
    m_limits.hShrink = m_limits.hStretch = m_limits.vShrink = m_limits.vStretch = false;
    m_limits.preferredVRate = defaults.preferredVRate;
    showNumbers();
    showCvtControls();
}

void DisplayRangeLimits::limitRatesToOneByte()
{
    // E-EDID 1.3 has no rate offsets: a rate above 255 cannot be kept.
    for (int f = MinVRate; f <= MaxHRate; ++f) {
        int& rate = m_limits.*kNumbers[f].member;
        rate = qMin(rate, 255);
    }
    showNumbers();
}

void DisplayRangeLimits::numberEdited(NumberField field)
{
    const NumberRule& rule = kNumbers[field];
    QLineEdit* edit = lineEdit(field);
    const QString text = edit->text();
    const int max = fieldMax(field);
    const int value = text.toInt();
    int accepted = value;
    if (text.isEmpty() || value < rule.min || value > max || value % rule.increment != 0) {
        const QString unit = QLatin1String(rule.unit);
        QString message = QStringLiteral("%1 must be in range of %2 to %3 %4")
                              .arg(QLatin1String(rule.messageName)).arg(rule.min).arg(max).arg(unit);
        if (rule.increment > 1)
            message += QStringLiteral(" in increments of%1 %2").arg(rule.increment).arg(unit);
        warn(QStringLiteral("Format error"), message);
        setFieldText(edit, QString::number(rule.min));
        accepted = rule.min;
    }
    m_limits.*rule.member = accepted;
    updateCurrentBlock();
}

void DisplayRangeLimits::on_minVRateField_editingFinished() { numberEdited(MinVRate); }
void DisplayRangeLimits::on_maxVRateField_editingFinished() { numberEdited(MaxVRate); }
void DisplayRangeLimits::on_minHRateField_editingFinished() { numberEdited(MinHRate); }
void DisplayRangeLimits::on_maxHRateField_editingFinished() { numberEdited(MaxHRate); }
void DisplayRangeLimits::on_maxPixClockField_editingFinished() { numberEdited(MaxPixClock); }
void DisplayRangeLimits::on_startFreqField_editingFinished() { numberEdited(StartFreq); }
void DisplayRangeLimits::on_cx2Field_editingFinished() { numberEdited(Cx2); }
void DisplayRangeLimits::on_mField_editingFinished() { numberEdited(M); }
void DisplayRangeLimits::on_kField_editingFinished() { numberEdited(K); }
void DisplayRangeLimits::on_jx2Field_editingFinished() { numberEdited(Jx2); }
void DisplayRangeLimits::on_pixClockPrecField_editingFinished() { numberEdited(PixClockPrec); }
void DisplayRangeLimits::on_maxActivePixField_editingFinished() { numberEdited(MaxActivePix); }
void DisplayRangeLimits::on_prefVRateField_editingFinished() { numberEdited(PrefVRate); }

void DisplayRangeLimits::on_videoTimingMulti_activated(int index)
{
    m_limits.timingSupport = index >= 0 && index <= 3 ? index : RANGE_DEFAULT_GTF;
    ui->cvtGroupBox->setVisible(index == RANGE_CVT);
    ui->gtfGroupBox->setVisible(index == RANGE_SECONDARY_GTF);
    updateCurrentBlock();
}

void DisplayRangeLimits::setPreferredAspect(int aspect)
{
    m_limits.preferredAspect = aspect;
    updateCurrentBlock();
}

void DisplayRangeLimits::on_pref43ARRB_clicked() { setPreferredAspect(RANGE_ASPECT_4_3); }
void DisplayRangeLimits::on_pref169ARRB_clicked() { setPreferredAspect(RANGE_ASPECT_16_9); }
void DisplayRangeLimits::on_pref1610ARRB_clicked() { setPreferredAspect(RANGE_ASPECT_16_10); }
void DisplayRangeLimits::on_pref54ARRB_clicked() { setPreferredAspect(RANGE_ASPECT_5_4); }
void DisplayRangeLimits::on_pref159ARRB_clicked() { setPreferredAspect(RANGE_ASPECT_15_9); }

void DisplayRangeLimits::setFlag(bool T_EDID_RANGE_LIMITS::*flag, bool checked)
{
    m_limits.*flag = checked;
    updateCurrentBlock();
}

void DisplayRangeLimits::on_standBlankingCB_clicked(bool c) { setFlag(&T_EDID_RANGE_LIMITS::standardBlanking, c); }
void DisplayRangeLimits::on_redBlankingCB_clicked(bool c) { setFlag(&T_EDID_RANGE_LIMITS::reducedBlanking, c); }
void DisplayRangeLimits::on_hShrinkCB_clicked(bool c) { setFlag(&T_EDID_RANGE_LIMITS::hShrink, c); }
void DisplayRangeLimits::on_vShrinkCB_clicked(bool c) { setFlag(&T_EDID_RANGE_LIMITS::vShrink, c); }
void DisplayRangeLimits::on_hStretchCB_clicked(bool c) { setFlag(&T_EDID_RANGE_LIMITS::hStretch, c); }
void DisplayRangeLimits::on_vStretchCB_clicked(bool c) { setFlag(&T_EDID_RANGE_LIMITS::vStretch, c); }
void DisplayRangeLimits::on_supp43ARCB_clicked(bool c) { setFlag(&T_EDID_RANGE_LIMITS::supports4x3, c); }
void DisplayRangeLimits::on_supp169ARCB_clicked(bool c) { setFlag(&T_EDID_RANGE_LIMITS::supports16x9, c); }
void DisplayRangeLimits::on_supp1610ARCB_clicked(bool c) { setFlag(&T_EDID_RANGE_LIMITS::supports16x10, c); }
void DisplayRangeLimits::on_supp54ARCB_clicked(bool c) { setFlag(&T_EDID_RANGE_LIMITS::supports5x4, c); }
void DisplayRangeLimits::on_supp159ARCB_clicked(bool c) { setFlag(&T_EDID_RANGE_LIMITS::supports15x9, c); }

void DisplayRangeLimits::on_revisionSB_editingFinished()
{
    m_limits.cvtRevision = ui->revisionSB->value();
    updateCurrentBlock();
}

void DisplayRangeLimits::on_versionField_editingFinished()
{
    m_limits.cvtVersion = ui->versionField->value();
    updateCurrentBlock();
}
