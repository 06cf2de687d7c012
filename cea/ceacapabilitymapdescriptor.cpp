#include "ceacapabilitymapdescriptor.h"

#include "ceaextendedcodecs.h"
#include "ceaextensionmodel.h"
#include "ceavideo.h"
#include "ui_ceacapabilitymapdescriptor.h"

#include <algorithm>

namespace {

// The capability map's own spelling of a VIC: the catalogue name, two of
// them with a trailing blank, "other" for VICs the catalogue does not name.
QString mapVicName(int vic)
{
    if (vic == 43 || vic == 46)
        return vicName(vic) + ' ';
    return vic >= 1 && vic <= CEA_NAMED_VIC_COUNT ? vicName(vic) : QStringLiteral("other");
}

} // namespace

CEACapabilityMapDescriptor::CEACapabilityMapDescriptor(QWidget* parent)
    : CEABlock(parent), ui(new Ui::CEACapabilityMapDescriptor)
{
    ui->setupUi(this);
    setBlockType(CEA_YCBCR420_CAPABILITY_MAP);
}

CEACapabilityMapDescriptor::~CEACapabilityMapDescriptor()
{
    delete ui;
}

void CEACapabilityMapDescriptor::initFields(int, int length, const Byte* payload, Byte*, Byte*)
{
    m_positions = capabilityMapPositions(payload, length);
    std::sort(m_positions.begin(), m_positions.end());
    // CEA-861-F: a map of the extended tag byte alone means that every
    // listed format supports 4:2:0.
    m_allFormats = length <= 0;
    m_loadedBitmap = QByteArray(reinterpret_cast<const char*>(payload), qMax(length, 0));
    m_edited = false;
    updateUI();
    updateEDID();
}

void CEACapabilityMapDescriptor::resetFields(Byte*, Byte*)
{
    m_positions.clear();
    m_allFormats = false;
    m_edited = true;
    updateEDID();
    updateUI();
}

QByteArray CEACapabilityMapDescriptor::blockBytes() const
{
    QByteArray bytes(1, char(extendedTag()));
    if (m_allFormats)
        return bytes;
    if (!m_edited)
        return bytes + m_loadedBitmap;
    // An empty selection says that no format supports 4:2:0: one zero
    // bitmap byte, since a bare extended tag would say the opposite.
    const QByteArray bitmap = capabilityMapBitmap(m_positions);
    return bytes + (bitmap.isEmpty() ? QByteArray(1, '\0') : bitmap);
}

void CEACapabilityMapDescriptor::fillFormatCombo()
{
    const int previous = ui->definedFomatCombo->currentIndex();
    ui->definedFomatCombo->clear();
    const QByteArray descriptors = extension() ? extension()->firstVideoDescriptors() : QByteArray();
    for (int i = 0; i < descriptors.size(); ++i) {
        const Byte descriptor = Byte(descriptors.at(i));
        ui->definedFomatCombo->addItem(QString::number(i + 1) + " - " + mapVicName(svdVic(descriptor))
                                       + (svdNative(descriptor) ? " (native)" : ""));
    }
    if (ui->definedFomatCombo->count() > 0)
        ui->definedFomatCombo->setCurrentIndex(qBound(0, previous, ui->definedFomatCombo->count() - 1));
}

void CEACapabilityMapDescriptor::updateUI()
{
    fillFormatCombo();
    ui->allFormatsCB->setChecked(m_allFormats);
    for (QWidget* control : {static_cast<QWidget*>(ui->definedFomatCombo), static_cast<QWidget*>(ui->addButton),
                             static_cast<QWidget*>(ui->removeButton)})
        control->setEnabled(!m_allFormats);
    const int row = ui->formatList->currentRow();
    ui->formatList->clear();
    if (m_allFormats) {
        ui->formatList->addItem(QStringLiteral("All formats"));
        return;
    }
    for (int position : m_positions) {
        const QString text = ui->definedFomatCombo->itemText(position);
        ui->formatList->addItem(text.isEmpty() ? QString::number(position + 1) : text);
    }
    if (ui->formatList->count() > 0)
        ui->formatList->setCurrentRow(qMin(row, ui->formatList->count() - 1));
}

void CEACapabilityMapDescriptor::edited()
{
    m_edited = true;
    updateUI();
    updateEDID();
}

void CEACapabilityMapDescriptor::on_addButton_clicked()
{
    const int position = ui->definedFomatCombo->currentIndex();
    if (position < 0 || m_positions.contains(position))
        return;
    m_positions << position;
    std::sort(m_positions.begin(), m_positions.end());
    edited();
}

void CEACapabilityMapDescriptor::on_removeButton_clicked()
{
    const int row = ui->formatList->currentRow();
    if (row >= 0 && row < m_positions.size()) {
        m_positions.removeAt(row);
        m_edited = true;
    }
    updateUI();
    updateEDID();
}

void CEACapabilityMapDescriptor::on_allFormatsCB_clicked(bool checked)
{
    m_allFormats = checked;
    edited();
}

void CEACapabilityMapDescriptor::on_helpButton_clicked(bool checked)
{
    setHelpShown(checked);
}
