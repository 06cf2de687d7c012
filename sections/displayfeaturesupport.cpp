#include "displayfeaturesupport.h"
#include "ui_displayfeaturesupport.h"

#include "editorhelpers.h"
#include "hexaviewer.h"
#include "sectiondescriptions.h"


namespace {
const int kYCrCb444 = 1;
const int kYCrCb422 = 2;
}

DisplayFeatureSupport::DisplayFeatureSupport(QWidget* parent)
    : SectionEditor(parent), ui(new Ui::DisplayFeatureSupport)
{
    ui->setupUi(this);
}

DisplayFeatureSupport::~DisplayFeatureSupport()
{
    delete ui;
}

void DisplayFeatureSupport::initFields(const T_EDID_FEATURE_SUPPORT& featureSupport, Byte* data, Byte* newData)
{
    setImages(data, newData);
    m_record = featureSupport;
    m_state = featureSupport;
    m_isAnalog = featureSupport.encodingKind == ENCODING_ANALOG;
    m_revision = EditorHelpers::loadedRevision();
    updateUI();
}

void DisplayFeatureSupport::resetFields(Byte* data, Byte* newData)
{
    setImages(data, newData);
    m_record = T_EDID_FEATURE_SUPPORT();
    m_state = m_record;
    m_isAnalog = true;
    updateUI();
}

void DisplayFeatureSupport::adaptToEDIDVersion(Word revision)
{
    m_revision = revision;
    updateUI();
}

void DisplayFeatureSupport::inputTypeChanged(Bool isAnalog)
{
    m_isAnalog = isAnalog;
    updateUI();
}

void DisplayFeatureSupport::updateUI()
{
    const bool rev4 = m_revision == 4;
    ui->colorTypeGB->setEnabled(m_isAnalog);
    ui->colorEncoFormatGB->setEnabled(rev4 && !m_isAnalog);
    ui->contFreqCB->setText(rev4 ? "Continuous Frequency (1.4)" : "Default GTF (1.3)");

    ui->standbyModeCB->setChecked(m_state.standby);
    ui->suspendModeCB->setChecked(m_state.suspend);
    ui->activeOffCB->setChecked(m_state.activeOff);
    ui->colorTypeMulti->setCurrentIndex(m_state.colorIndex);
    ui->rgb444CB->setChecked(true);
    ui->ycrcb444CB->setChecked(m_state.colorEncoding & kYCrCb444);
    ui->ycrcb422CB->setChecked(m_state.colorEncoding & kYCrCb422);
    ui->srgbCB->setChecked(m_state.srgb);
    ui->contFreqCB->setChecked(m_state.continuousFrequency);
    ui->prefTimingModeCB->setChecked(m_state.preferredTimingMode);
}

void DisplayFeatureSupport::updateDisplayParameters()
{
    m_record = m_state;
    // A digital input keeps bits 4-3 as they are whatever the revision (they
    // cannot be edited at 1.3), so a switch of revision never alters them.
    writeSection(DisplayParametersSection,
                 [&](Byte* image) { encodeFeatureSupport(m_record, m_isAnalog, image); });
    HexaViewer::instance()->setDisplayParametersDescription(describeFields());
}

FieldDescriptionList DisplayFeatureSupport::describeFields() const
{
    return featureSupportDescription(m_state, m_isAnalog, m_revision);
}

void DisplayFeatureSupport::on_standbyModeCB_clicked(bool checked)
{
    m_state.standby = checked;
    updateDisplayParameters();
}

void DisplayFeatureSupport::on_suspendModeCB_clicked(bool checked)
{
    m_state.suspend = checked;
    updateDisplayParameters();
}

void DisplayFeatureSupport::on_activeOffCB_clicked(bool checked)
{
    m_state.activeOff = checked;
    updateDisplayParameters();
}

void DisplayFeatureSupport::on_srgbCB_clicked(bool checked)
{
    m_state.srgb = checked;
    updateDisplayParameters();
}

void DisplayFeatureSupport::on_contFreqCB_clicked(bool checked)
{
    m_state.continuousFrequency = checked;
    updateDisplayParameters();
}

void DisplayFeatureSupport::on_prefTimingModeCB_clicked(bool checked)
{
    m_state.preferredTimingMode = checked;
    updateDisplayParameters();
}

void DisplayFeatureSupport::on_colorTypeMulti_activated(int index)
{
    m_state.colorIndex = index;
    updateDisplayParameters();
}

void DisplayFeatureSupport::setEncodingFromBoxes()
{
    m_state.colorEncoding = (ui->ycrcb444CB->isChecked() ? kYCrCb444 : 0)
                            + (ui->ycrcb422CB->isChecked() ? kYCrCb422 : 0);
    updateDisplayParameters();
}

void DisplayFeatureSupport::on_ycrcb444CB_clicked(bool) { setEncodingFromBoxes(); }
void DisplayFeatureSupport::on_ycrcb422CB_clicked(bool) { setEncodingFromBoxes(); }

void DisplayFeatureSupport::on_rgb444CB_clicked(bool)
{
    // RGB 4:4:4 is always supported: the box stays checked.
    ui->rgb444CB->setChecked(true);
}
