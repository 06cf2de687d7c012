#include "establishedtimings.h"
#include "ui_establishedtimings.h"

#include "editorhelpers.h"
#include "hexaviewer.h"
#include "sectiondescriptions.h"

#include <QCoreApplication>
#include <QEvent>

namespace {
const int kByteI = 35;
const int kByteII = 36;
const int kManufacturerByte = 37;
}

EstablishedTimings::EstablishedTimings(QWidget* parent)
    : SectionEditor(parent), ui(new Ui::EstablishedTimings)
{
    ui->setupUi(this);
    QCheckBox* const boxesI[8] = {ui->estabTimingI1, ui->estabTimingI2, ui->estabTimingI3, ui->estabTimingI4,
                                  ui->estabTimingI5, ui->estabTimingI6, ui->estabTimingI7, ui->estabTimingI8};
    QCheckBox* const boxesII[8] = {ui->estabTimingII1, ui->estabTimingII2, ui->estabTimingII3,
                                   ui->estabTimingII4, ui->estabTimingII5, ui->estabTimingII6,
                                   ui->estabTimingII7, ui->estabTimingII8};
    for (int i = 0; i < 8; ++i) {
        m_boxesI[i] = boxesI[i];
        m_boxesII[i] = boxesII[i];
    }
    // The box's own style sheet gives it a wider border than the program's.
    // A group box takes its frame when its style changes, not when it is
    // polished: polished here and told of the change, it lays its contents
    // out inside that border, and the window does not polish it again.
    ensurePolished();
    QEvent styleChange(QEvent::StyleChange);
    QCoreApplication::sendEvent(this, &styleChange);
}

EstablishedTimings::~EstablishedTimings()
{
    delete ui;
}

void EstablishedTimings::initFields(const T_EDID_ESTABLISHED_TIMINGS& record, Byte* data, Byte* newData)
{
    setImages(data, newData);
    m_record = record;
    m_state = record;
    updateUI();
    HexaViewer::instance()->setEstablishedTimingsDescription(describeFields());
}

void EstablishedTimings::resetFields(Byte* data, Byte* newData)
{
    setImages(data, newData);
    m_record = T_EDID_ESTABLISHED_TIMINGS();
    m_state = m_record;
    updateUI();
}

void EstablishedTimings::updateUI()
{
    for (int i = 0; i < 8; ++i) {
        m_boxesI[i]->setChecked(m_state.timingsI[i]);
        m_boxesII[i]->setChecked(m_state.timingsII[i]);
    }
    ui->manufTimingCB->setChecked(m_state.manufacturerTiming);
}

void EstablishedTimings::updateSectionData(int changedByte)
{
    m_record = m_state;
    writeBytes(changedByte, changedByte, [&](Byte* image) { encodeEstablishedTimings(m_record, image); });
    HexaViewer::instance()->setEstablishedTimingsDescription(describeFields());
}

FieldDescriptionList EstablishedTimings::describeFields() const
{
    return establishedTimingsDescription(m_state);
}

void EstablishedTimings::setTimingI(int bit, bool checked)
{
    m_state.timingsI[bit] = checked;
    updateSectionData(kByteI);
}

void EstablishedTimings::setTimingII(int bit, bool checked)
{
    m_state.timingsII[bit] = checked;
    updateSectionData(kByteII);
}

void EstablishedTimings::on_estabTimingI1_clicked(bool checked) { setTimingI(0, checked); }
void EstablishedTimings::on_estabTimingI2_clicked(bool checked) { setTimingI(1, checked); }
void EstablishedTimings::on_estabTimingI3_clicked(bool checked) { setTimingI(2, checked); }
void EstablishedTimings::on_estabTimingI4_clicked(bool checked) { setTimingI(3, checked); }
void EstablishedTimings::on_estabTimingI5_clicked(bool checked) { setTimingI(4, checked); }
void EstablishedTimings::on_estabTimingI6_clicked(bool checked) { setTimingI(5, checked); }
void EstablishedTimings::on_estabTimingI7_clicked(bool checked) { setTimingI(6, checked); }
void EstablishedTimings::on_estabTimingI8_clicked(bool checked) { setTimingI(7, checked); }
void EstablishedTimings::on_estabTimingII1_clicked(bool checked) { setTimingII(0, checked); }
void EstablishedTimings::on_estabTimingII2_clicked(bool checked) { setTimingII(1, checked); }
void EstablishedTimings::on_estabTimingII3_clicked(bool checked) { setTimingII(2, checked); }
void EstablishedTimings::on_estabTimingII4_clicked(bool checked) { setTimingII(3, checked); }
void EstablishedTimings::on_estabTimingII5_clicked(bool checked) { setTimingII(4, checked); }
void EstablishedTimings::on_estabTimingII6_clicked(bool checked) { setTimingII(5, checked); }
void EstablishedTimings::on_estabTimingII7_clicked(bool checked) { setTimingII(6, checked); }
void EstablishedTimings::on_estabTimingII8_clicked(bool checked) { setTimingII(7, checked); }

void EstablishedTimings::on_manufTimingCB_clicked(bool checked)
{
    m_state.manufacturerTiming = checked;
    updateSectionData(kManufacturerByte);
}
