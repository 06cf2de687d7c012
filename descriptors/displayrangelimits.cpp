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

struct FlagRule {
    const char* objectName;
    bool T_EDID_RANGE_LIMITS::*member;
    const char* description;
};

// The check boxes of the CVT block, in the order of the description.
const FlagRule kFlags[] = {
    {"supp43ARCB", &T_EDID_RANGE_LIMITS::supports4x3, "Aspect Ratio 4:3 Supported"},
    {"supp169ARCB", &T_EDID_RANGE_LIMITS::supports16x9, "Aspect Ratio 16:9 Supported"},
    {"supp1610ARCB", &T_EDID_RANGE_LIMITS::supports16x10, "Aspect Ratio 16:10 Supported"},
    {"supp54ARCB", &T_EDID_RANGE_LIMITS::supports5x4, "Aspect Ratio 5:4 Supported"},
    {"supp159ARCB", &T_EDID_RANGE_LIMITS::supports15x9, "Aspect Ratio 15:9 Supported"},
    {"standBlankingCB", &T_EDID_RANGE_LIMITS::standardBlanking, "Standard Blanking"},
    {"redBlankingCB", &T_EDID_RANGE_LIMITS::reducedBlanking, "Reduced Blanking"},
    {"hShrinkCB", &T_EDID_RANGE_LIMITS::hShrink, "Horizontal Shrink"},
    {"hStretchCB", &T_EDID_RANGE_LIMITS::hStretch, "Horizontal Stretch"},
    {"vShrinkCB", &T_EDID_RANGE_LIMITS::vShrink, "Vertical Shrink"},
    {"vStretchCB", &T_EDID_RANGE_LIMITS::vStretch, "Vertical Stretch"},
};

const char* const kAspectTexts[5] = {"5:4", "4:3", "16:10", "15:9", "16:9"};
const char* const kTimingItems14[2] = {"Range Limits Only (1.4)", "CVT Support (1.4)"};

bool isRate(int field)
{
    return field <= 3;
}

} // namespace

DisplayRangeLimits::DisplayRangeLimits(QWidget* parent)
    : ValueDescriptorEditor(parent), ui(new Ui::DisplayRangeLimits),
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

void DisplayRangeLimits::initFields(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor,
                                    Byte* savedImage, Byte* workingImage, int slotIndex)
{
    // The combo box must offer the items of the loaded revision first.
    adaptToEDIDVersion(currentRevision());
    ValueDescriptorEditor::initFields(descriptor, savedImage, workingImage, slotIndex);
}

T_EDID_RANGE_LIMITS DisplayRangeLimits::valueIn(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor) const
{
    return descriptor.rangeLimits;
}

void DisplayRangeLimits::showValue()
{
    showNumbers();
    showCvtControls();
    showTimingSupport();
}

void DisplayRangeLimits::showNumbers()
{
    for (int f = 0; f < NumberFieldCount; ++f)
        setFieldText(lineEdit(NumberField(f)), QString::number(m_value.*kNumbers[f].member));
}

void DisplayRangeLimits::showTimingSupport()
{
    ui->videoTimingMulti->setCurrentIndex(m_value.timingSupport);
    showTimingGroups();
}

void DisplayRangeLimits::showTimingGroups()
{
    ui->cvtGroupBox->setVisible(m_value.timingSupport == RANGE_CVT);
    ui->gtfGroupBox->setVisible(m_value.timingSupport == RANGE_SECONDARY_GTF);
}

void DisplayRangeLimits::showCvtControls()
{
    ui->versionField->setValue(m_value.cvtVersion);
    ui->revisionSB->setValue(m_value.cvtRevision);
    for (const FlagRule& flag : kFlags)
        findChild<QCheckBox*>(QLatin1String(flag.objectName))->setChecked(m_value.*flag.member);
    QRadioButton* const preferred[5] = {ui->pref54ARRB, ui->pref43ARRB, ui->pref1610ARRB,
                                        ui->pref159ARRB, ui->pref169ARRB};
    preferred[m_value.preferredAspect]->setChecked(true);
}

void DisplayRangeLimits::writeValue(Byte* descriptor) const
{
    encodeRangeLimits(m_value, currentRevision(), descriptor);
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
    if (m_value.timingSupport == RANGE_SECONDARY_GTF) {
        list << FieldDescription("Video Timing Support", "Secondary GTF");
        return list;
    }
    if (m_value.timingSupport != RANGE_CVT) {
        list << FieldDescription("Video Timing Support", "none");
        return list;
    }
    list << FieldDescription("Video Timing Support", "CVT Support")
         << FieldDescription("Pixel Clock Precision", ui->pixClockPrecField->text())
         << FieldDescription("Max Active Pixels", ui->maxActivePixField->text())
         << FieldDescription("Version", ui->versionField->text() + "." + ui->revisionSB->text())
         << FieldDescription("Preferred Aspect Ratio", kAspectTexts[m_value.preferredAspect]);
    for (const FlagRule& flag : kFlags)
        list << FieldDescription(flag.description, yesNo(m_value.*flag.member));
    list << FieldDescription("Preferred Vertical Refresh Rate", ui->prefVRateField->text());
    return list;
}

void DisplayRangeLimits::adaptToEDIDVersion(Word revision)
{
    adaptFields(revision);
}

bool DisplayRangeLimits::adaptFields(Word revision)
{
    Byte before[DESCRIPTOR_SIZE];
    encodeRangeLimits(m_value, revision, before);
    m_revision = revision;
    QComboBox* combo = ui->videoTimingMulti;
    if (revision == 3) {
        combo->removeItem(3);
        combo->removeItem(2);
        if (m_value.timingSupport == RANGE_LIMITS_ONLY || m_value.timingSupport == RANGE_CVT) {
            m_value.timingSupport = RANGE_DEFAULT_GTF;
            resetCvtBlock();
        }
        limitRatesToOneByte();
        showTimingSupport();
        Byte after[DESCRIPTOR_SIZE];
        encodeRangeLimits(m_value, revision, after);
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
    for (int T_EDID_RANGE_LIMITS::*member :
         {&T_EDID_RANGE_LIMITS::cvtVersion, &T_EDID_RANGE_LIMITS::cvtRevision,
          &T_EDID_RANGE_LIMITS::pixelClockPrecision, &T_EDID_RANGE_LIMITS::maxActivePixels,
          &T_EDID_RANGE_LIMITS::preferredAspect, &T_EDID_RANGE_LIMITS::preferredVRate})
        m_value.*member = defaults.*member;
    for (const FlagRule& flag : kFlags)
        m_value.*flag.member = defaults.*flag.member;
    showNumbers();
    showCvtControls();
}

void DisplayRangeLimits::limitRatesToOneByte()
{
    // E-EDID 1.3 has no rate offsets: a rate above 255 cannot be kept.
    for (int f = MinVRate; f <= MaxHRate; ++f) {
        int& rate = m_value.*kNumbers[f].member;
        rate = qMin(rate, 255);
    }
    showNumbers();
}

void DisplayRangeLimits::numberEdited(NumberField field)
{
    const NumberRule& rule = kNumbers[field];
    const int max = fieldMax(field);
    const QString unit = QLatin1String(rule.unit);
    QString message = QStringLiteral("%1 must be in range of %2 to %3 %4")
                          .arg(QLatin1String(rule.messageName)).arg(rule.min).arg(max).arg(unit);
    if (rule.increment > 1)
        message += QStringLiteral(" in increments of%1 %2").arg(rule.increment).arg(unit);
    m_value.*rule.member = acceptedNumber(lineEdit(field), rule.min, max, rule.increment,
                                          QStringLiteral("Format error"), message);
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
    m_value.timingSupport = index >= 0 && index <= 3 ? index : RANGE_DEFAULT_GTF;
    showTimingGroups();
    updateCurrentBlock();
}

void DisplayRangeLimits::setPreferredAspect(int aspect)
{
    m_value.preferredAspect = aspect;
    updateCurrentBlock();
}

void DisplayRangeLimits::on_pref43ARRB_clicked() { setPreferredAspect(RANGE_ASPECT_4_3); }
void DisplayRangeLimits::on_pref169ARRB_clicked() { setPreferredAspect(RANGE_ASPECT_16_9); }
void DisplayRangeLimits::on_pref1610ARRB_clicked() { setPreferredAspect(RANGE_ASPECT_16_10); }
void DisplayRangeLimits::on_pref54ARRB_clicked() { setPreferredAspect(RANGE_ASPECT_5_4); }
void DisplayRangeLimits::on_pref159ARRB_clicked() { setPreferredAspect(RANGE_ASPECT_15_9); }

void DisplayRangeLimits::setFlag(bool T_EDID_RANGE_LIMITS::*flag, bool checked)
{
    m_value.*flag = checked;
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
    m_value.cvtRevision = ui->revisionSB->value();
    updateCurrentBlock();
}

void DisplayRangeLimits::on_versionField_editingFinished()
{
    m_value.cvtVersion = ui->versionField->value();
    updateCurrentBlock();
}
