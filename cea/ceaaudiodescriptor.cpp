#include "ceaaudiodescriptor.h"

#include "ceaaudioshortblock.h"
#include "ui_ceaaudiodescriptor.h"

namespace {

QString tabTitle(int index)
{
    return QStringLiteral("n\u00B0") + QString::number(index + 1);
}

} // namespace

CEAAudioDescriptor::CEAAudioDescriptor(QWidget* parent) : CEABlock(parent), ui(new Ui::CEAAudioDescriptor)
{
    ui->setupUi(this);
    setBlockType(CEA_AUDIO);
    for (int i = 0; i < CEA_MAX_AUDIO_DESCRIPTORS; ++i) {
        auto* descriptor = new CEAAudioShortBlock(this);
        descriptor->hide();
        connect(descriptor, &CEAAudioShortBlock::valueChanged, this, &CEAAudioDescriptor::edited);
        m_descriptors << descriptor;
    }
    updateTabs();
}

CEAAudioDescriptor::~CEAAudioDescriptor()
{
    delete ui;
}

void CEAAudioDescriptor::initFields(int, int length, const Byte* payload, Byte*, Byte*)
{
    removeAllTabs();
    const int count = qMin(length / CEA_AUDIO_DESCRIPTOR_SIZE, CEA_MAX_AUDIO_DESCRIPTORS);
    for (int i = 0; i < count; ++i) {
        addTab();
        m_descriptors.at(i)->initFields(payload + i * CEA_AUDIO_DESCRIPTOR_SIZE, nullptr, nullptr);
    }
    const int used = count * CEA_AUDIO_DESCRIPTOR_SIZE;
    m_extraBytes = QByteArray(reinterpret_cast<const char*>(payload) + used, qMax(length - used, 0));
    ui->audioTabs->setCurrentIndex(0);
    m_initialised = m_count;
    updateEDID();
}

void CEAAudioDescriptor::resetFields(Byte*, Byte*)
{
    removeAllTabs();
    m_initialised = 0;
    m_extraBytes.clear();
    updateEDID();
}

QByteArray CEAAudioDescriptor::blockBytes() const
{
    QByteArray bytes;
    for (int i = 0; i < m_count; ++i)
        bytes += m_descriptors.at(i)->descriptorBytes();
    return bytes + m_extraBytes;
}

void CEAAudioDescriptor::edited()
{
    m_extraBytes.clear();
    updateEDID();
}

void CEAAudioDescriptor::addTab()
{
    if (m_count < CEA_MAX_AUDIO_DESCRIPTORS) {
        ui->audioTabs->addTab(m_descriptors.at(m_count), tabTitle(m_count));
        ++m_count;
        ui->audioTabs->setCurrentIndex(m_count - 1);
    }
    updateTabs();
}

void CEAAudioDescriptor::removeTab(int index)
{
    ui->audioTabs->removeTab(index);
    --m_count;
    // The removed descriptor becomes the first hidden one.
    m_descriptors.move(index, m_count);
    for (int i = index; i < m_count; ++i)
        ui->audioTabs->setTabText(i, tabTitle(i));
    updateTabs();
}

void CEAAudioDescriptor::removeAllTabs()
{
    ui->audioTabs->clear();
    m_count = 0;
    updateTabs();
}

void CEAAudioDescriptor::updateTabs()
{
    ui->audioTabs->setVisible(m_count >= 1);
    ui->noAudioLabel->setVisible(m_count == 0);
    ui->delAudioTabButton->setEnabled(m_count >= 1);
    ui->addAudioTabButton->setEnabled(m_count < CEA_MAX_AUDIO_DESCRIPTORS);
}

void CEAAudioDescriptor::on_addAudioTabButton_clicked()
{
    if (m_count >= CEA_MAX_AUDIO_DESCRIPTORS)
        return;
    if (m_count >= m_initialised) {
        m_descriptors.at(m_count)->resetFields(nullptr, nullptr);
        m_initialised = m_count + 1;
    }
    addTab();
    edited();
}

void CEAAudioDescriptor::on_delAudioTabButton_clicked()
{
    if (m_count < 1)
        return;
    removeTab(ui->audioTabs->currentIndex());
    edited();
}

void CEAAudioDescriptor::on_helpButton_clicked(bool checked)
{
    setHelpShown(checked);
}
