#include "ceamonitorsupport.h"

#include "ceaextension.h"
#include "hexaviewer.h"
#include "ui_ceamonitorsupport.h"

namespace {
constexpr Byte kUnderscan = 0x80, kBasicAudio = 0x40, kYCbCr444 = 0x20, kYCbCr422 = 0x10;
} // namespace

CEAMonitorSupport::CEAMonitorSupport(QWidget* parent)
    : QGroupBox(parent), ui(new Ui::CEAMonitorSupport)
{
    ui->setupUi(this);
}

CEAMonitorSupport::~CEAMonitorSupport()
{
    delete ui;
}

void CEAMonitorSupport::resetFields(Byte*, Byte*)
{
    m_flags = 0;
    m_nativeCount = 0;
    updateBoxes();
}

void CEAMonitorSupport::initFields(Byte monitorByte, Byte*, Byte*)
{
    m_flags = monitorByte & 0xF0;
    m_nativeCount = monitorByte & 15;
    updateBoxes();
    HexaViewer::instance()->setCEAMonitorSupportDescription(ceaMonitorSupportDescription(monitorByte));
}

void CEAMonitorSupport::setNativeCount(Word count)
{
    m_nativeCount = count & 15;
    updateEDID();
}

Byte CEAMonitorSupport::monitorByte() const
{
    return Byte(m_flags | (m_nativeCount & 15));
}

void CEAMonitorSupport::updateEDID()
{
    emit monitorByteChanged(monitorByte());
    HexaViewer::instance()->setCEAMonitorSupportDescription(ceaMonitorSupportDescription(monitorByte()));
}

void CEAMonitorSupport::on_underscanCB_clicked(bool checked)
{
    setFlag(kUnderscan, checked);
}

void CEAMonitorSupport::on_basicAudioCB_clicked(bool checked)
{
    setFlag(kBasicAudio, checked);
}

void CEAMonitorSupport::on_ycrcb444CB_clicked(bool checked)
{
    setFlag(kYCbCr444, checked);
}

void CEAMonitorSupport::on_ycrcb422CB_clicked(bool checked)
{
    setFlag(kYCbCr422, checked);
}

void CEAMonitorSupport::setFlag(int bit, bool on)
{
    m_flags = Byte(on ? (m_flags | bit) : (m_flags & ~bit));
    updateEDID();
}

void CEAMonitorSupport::updateBoxes()
{
    ui->underscanCB->setChecked(m_flags & kUnderscan);
    ui->basicAudioCB->setChecked(m_flags & kBasicAudio);
    ui->ycrcb444CB->setChecked(m_flags & kYCbCr444);
    ui->ycrcb422CB->setChecked(m_flags & kYCbCr422);
}
