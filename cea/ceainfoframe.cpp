#include "ceainfoframe.h"

#include "ceainfoframeshortblock.h"
#include "ceaoui.h"
#include "ui_ceainfoframe.h"
#include "validators.h"

#include <QSignalBlocker>

namespace {

// Length bits of a data block header: what follows the header, extended
// tag byte included.
constexpr int kMaxBlockBytes = 31;

// Six digits for any hexadecimal text the field accepts.
QString sixDigitOui(const QString& text)
{
    const QByteArray bytes = ouiBytes(text);
    return ouiText(reinterpret_cast<const Byte*>(bytes.constData()));
}

} // namespace

CEAInfoFrame::CEAInfoFrame(QWidget* parent)
    : CEABlock(parent), ui(new Ui::CEAInfoFrame),
      m_hexDigits(new UpperCaseValidator(QStringLiteral("[^0-9A-F]"), this))
{
    ui->setupUi(this);
    setBlockType(CEA_INFO_FRAME);
    ui->ieeeField->setValidator(m_hexDigits);
    for (int type = 1; type <= INFOFRAME_LAST_NAMED_TYPE; ++type)
        ui->infoBlockType->addItem(infoFrameTypeName(type));
    ui->infoBlockType->setCurrentRow(0);
    updateUI();
}

CEAInfoFrame::~CEAInfoFrame()
{
    delete ui;
}

void CEAInfoFrame::initFields(int, int length, const Byte* payload, Byte*, Byte*)
{
    clearDescriptors();
    const InfoFrameContent content = parseInfoFramePayload(payload, length);
    m_processing = content.processing;
    for (const ShortInfoFrameDescriptor& descriptor : content.descriptors)
        m_descriptors << new CEAInfoFrameShortBlock(descriptor, this);
    m_loaded = QByteArray(reinterpret_cast<const char*>(payload), qMax(length, 0));
    m_keepLoaded = true;
    updateUI();
}

void CEAInfoFrame::resetFields(Byte*, Byte*)
{
    clearDescriptors();
    m_processing = InfoFrameProcessing();
    m_loaded.clear();
    m_keepLoaded = false;
    updateEDID();
    updateUI();
}

QByteArray CEAInfoFrame::blockBytes() const
{
    return char(CEA_INFOFRAME_EXTENDED_TAG) + (m_keepLoaded ? m_loaded : encodedPayload());
}

QByteArray CEAInfoFrame::encodedPayload() const
{
    QByteArray bytes = m_processing.bytes();
    for (const CEAInfoFrameShortBlock* descriptor : m_descriptors)
        bytes += descriptor->descriptorBytes();
    return bytes;
}

void CEAInfoFrame::clearDescriptors()
{
    qDeleteAll(m_descriptors);
    m_descriptors.clear();
}

void CEAInfoFrame::edited()
{
    m_keepLoaded = false;
    m_loaded.clear();
    updateEDID();
}

void CEAInfoFrame::updateUI()
{
    showList(ui->infoBlocks->currentRow());
}

void CEAInfoFrame::showList(int currentRow)
{
    {
        const QSignalBlocker blocker(ui->VSIFSpinBox);
        ui->VSIFSpinBox->setValue(m_processing.maxVSIFs);
    }
    ui->infoBlocks->clear();
    for (const CEAInfoFrameShortBlock* descriptor : m_descriptors)
        ui->infoBlocks->addItem(infoFrameTypeName(descriptor->type()));
    ui->infoBlocks->setCurrentRow(qMin(currentRow, m_descriptors.size() - 1));
    updateSidePanel();
}

void CEAInfoFrame::updateSidePanel()
{
    const int row = ui->infoBlocks->currentRow();
    const bool vendor = row >= 0 && m_descriptors.at(row)->type() == INFOFRAME_VENDOR_SPECIFIC;
    if (vendor)
        ui->ieeeField->setText(m_descriptors.at(row)->oui());
    ui->ieeOui->setEnabled(vendor);
}

void CEAInfoFrame::on_infoBlocks_currentRowChanged(int)
{
    updateSidePanel();
}

void CEAInfoFrame::on_addBlockButton_clicked()
{
    const int row = ui->infoBlockType->currentRow();
    if (row < 0)
        return;
    auto* descriptor = new CEAInfoFrameShortBlock(row + 1, this);
    // The extended tag byte counts against the header's length bits.
    if (1 + encodedPayload().size() + descriptor->size() > kMaxBlockBytes) {
        delete descriptor;
        return;
    }
    m_descriptors << descriptor;
    edited();
    updateUI();
}

void CEAInfoFrame::on_removeBlockButton_clicked()
{
    const int row = ui->infoBlocks->currentRow();
    if (row < 0)
        return;
    delete m_descriptors.takeAt(row);
    edited();
    updateUI();
}

void CEAInfoFrame::moveCurrent(int step)
{
    const int row = ui->infoBlocks->currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= m_descriptors.size())
        return;
    m_descriptors.move(row, target);
    edited();
    showList(target);
}

void CEAInfoFrame::on_upButton_clicked()
{
    moveCurrent(-1);
}

void CEAInfoFrame::on_downButton_clicked()
{
    moveCurrent(1);
}

void CEAInfoFrame::on_VSIFSpinBox_valueChanged(int arg1)
{
    m_processing.maxVSIFs = arg1;
    edited();
}

void CEAInfoFrame::on_ieeeField_editingFinished()
{
    if (ui->ieeeField->text().isEmpty())
        ui->ieeeField->setText(QStringLiteral("000000"));
    const int row = ui->infoBlocks->currentRow();
    if (row < 0 || m_descriptors.at(row)->type() != INFOFRAME_VENDOR_SPECIFIC)
        return;
    // Shown and kept as six digits, whatever was typed.
    const QString oui = sixDigitOui(ui->ieeeField->text());
    ui->ieeeField->setText(oui);
    if (oui == m_descriptors.at(row)->oui())
        return;
    m_descriptors.at(row)->setOui(oui);
    edited();
}

void CEAInfoFrame::on_helpButton_clicked(bool checked)
{
    setHelpShown(checked);
}
