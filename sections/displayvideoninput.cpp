#include "displayvideoninput.h"
#include "ui_displayvideoninput.h"

#include "editorhelpers.h"
#include "hexaviewer.h"
#include "sectiondescriptions.h"


namespace {
enum { FLAG_SERRATION = 4 };

// Combo index of a stored value; reserved values show the "undefined" item
// but stay stored until the user picks an item.
int itemOf(int value, int items)
{
    return value < items ? value : 0;
}
}

DisplayVideonInput::DisplayVideonInput(QWidget* parent)
    : SectionEditor(parent), ui(new Ui::DisplayVideonInput)
{
    ui->setupUi(this);
}

DisplayVideonInput::~DisplayVideonInput()
{
    delete ui;
}

void DisplayVideonInput::initFields(const T_EDID_VIDEO_INPUT_DEF& videoInputInfo, Byte* data, Byte* newData)
{
    setImages(data, newData);
    m_record = videoInputInfo;
    m_revision = EditorHelpers::loadedRevision();
    m_state = UiState();
    m_state.isAnalog = videoInputInfo.isAnalog;
    if (videoInputInfo.isAnalog) {
        m_state.signalLevel = videoInputInfo.level;
        for (int i = 0; i < 4; ++i)
            m_state.flags[i] = videoInputInfo.flags[i];
        m_state.flags[FLAG_SERRATION] = videoInputInfo.lastFlag;
    } else {
        m_state.colorDepth = videoInputInfo.level;
        m_state.interfaceType = videoInputInfo.interfaceType;
        m_state.dfp = videoInputInfo.lastFlag;
    }
    emit inputTypeChanged(m_state.isAnalog);
    updateUI();
}

void DisplayVideonInput::resetFields(Byte* data, Byte* newData)
{
    setImages(data, newData);
    m_record = T_EDID_VIDEO_INPUT_DEF();
    m_state = UiState();
    updateUI();
}

void DisplayVideonInput::adaptToEDIDVersion(Word revision)
{
    m_revision = revision;
    updateUI();
}

void DisplayVideonInput::updateUI()
{
    const bool rev4 = m_revision == 4;
    const bool analog = m_state.isAnalog;
    ui->digitalGB->setVisible(rev4);
    ui->dfpSupportCB->setVisible(!rev4);

    ui->analogRB->setChecked(analog);
    ui->digitalRB->setChecked(!analog);
    ui->analogGB->setEnabled(analog);
    ui->digitalGB->setEnabled(!analog);
    ui->dfpSupportCB->setEnabled(!analog);
    for (QWidget* w : {static_cast<QWidget*>(ui->cbdLabel), static_cast<QWidget*>(ui->cbdMulti),
                       static_cast<QWidget*>(ui->interfaceLabel), static_cast<QWidget*>(ui->interfaceMulti)})
        w->setEnabled(!analog);

    ui->signalLevelMulti->setCurrentIndex(m_state.signalLevel);
    ui->blankSetupCB->setChecked(m_state.flags[0]);
    ui->sepSyncCB->setChecked(m_state.flags[1]);
    ui->compSyncCB->setChecked(m_state.flags[2]);
    ui->syncOnGreenCB->setChecked(m_state.flags[3]);
    ui->serrationCB->setChecked(m_state.flags[FLAG_SERRATION]);
    ui->dfpSupportCB->setChecked(m_state.dfp);
    ui->cbdMulti->setCurrentIndex(itemOf(m_state.colorDepth, COLOR_DEPTH_ITEMS));
    ui->interfaceMulti->setCurrentIndex(itemOf(m_state.interfaceType, INTERFACE_ITEMS));
}

void DisplayVideonInput::updateDisplayParameters()
{
    m_record.isAnalog = m_state.isAnalog;
    if (m_state.isAnalog) {
        m_record.level = m_state.signalLevel;
        for (int i = 0; i < 4; ++i)
            m_record.flags[i] = m_state.flags[i];
        m_record.lastFlag = m_state.flags[FLAG_SERRATION];
        m_record.interfaceType = 0;
    } else {
        m_record.level = m_state.colorDepth;
        m_record.interfaceType = m_state.interfaceType;
        m_record.lastFlag = m_state.dfp;
        for (Byte& flag : m_record.flags)
            flag = 0;
    }
    writeSection(DisplayParametersSection,
                 [&](Byte* image) { encodeVideoInput(m_record, m_revision, image); });
    HexaViewer::instance()->setDisplayParametersDescription(describeFields());
}

FieldDescriptionList DisplayVideonInput::describeFields() const
{
    return videoInputDescription(m_record, m_revision);
}

void DisplayVideonInput::on_analogRB_clicked(bool checked)
{
    m_state.isAnalog = checked;
    emit inputTypeChanged(m_state.isAnalog);
    updateUI();
    updateDisplayParameters();
}

void DisplayVideonInput::on_digitalRB_clicked(bool checked)
{
    m_state.isAnalog = !checked;
    emit inputTypeChanged(m_state.isAnalog);
    updateUI();
    updateDisplayParameters();
}

void DisplayVideonInput::on_signalLevelMulti_activated(int index)
{
    m_state.signalLevel = index;
    updateDisplayParameters();
}

void DisplayVideonInput::on_cbdMulti_activated(int index)
{
    m_state.colorDepth = index;
    updateDisplayParameters();
}

void DisplayVideonInput::on_interfaceMulti_activated(int index)
{
    m_state.interfaceType = index;
    updateDisplayParameters();
}

void DisplayVideonInput::setFlag(int index, bool checked)
{
    m_state.flags[index] = checked;
    updateDisplayParameters();
}

void DisplayVideonInput::on_blankSetupCB_clicked(bool checked) { setFlag(0, checked); }
void DisplayVideonInput::on_sepSyncCB_clicked(bool checked) { setFlag(1, checked); }
void DisplayVideonInput::on_compSyncCB_clicked(bool checked) { setFlag(2, checked); }
void DisplayVideonInput::on_syncOnGreenCB_clicked(bool checked) { setFlag(3, checked); }
void DisplayVideonInput::on_serrationCB_clicked(bool checked) { setFlag(FLAG_SERRATION, checked); }

void DisplayVideonInput::on_dfpSupportCB_clicked(bool checked)
{
    m_state.dfp = checked;
    updateDisplayParameters();
}
