#include "ceavideodescriptor.h"

#include "ceashortvideoblock.h"
#include "ceavideo.h"
#include "ui_ceavideodescriptor.h"

#include <QSpacerItem>

namespace {

// Height of one descriptor row in the row list.
constexpr int kRowHeight = 41;

} // namespace

CEAVideoDescriptor::CEAVideoDescriptor(int index, QWidget* parent)
    : CEABlock(parent), ui(new Ui::CEAVideoDescriptor),
      m_spacer(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding))
{
    ui->setupUi(this);
    setBlockType(index);
    if (index == CEA_YCBCR420_VIDEO)
        ui->titleLabel->setText(QStringLiteral("YCbCr video descriptor"));
    for (int i = 0; i < CEA_MAX_VIDEO_DESCRIPTORS; ++i) {
        auto* row = new CEAShortVideoBlock(ui->videoItemList);
        row->hide();
        ui->videoItemLayout->addWidget(row);
        connect(row, &CEAShortVideoBlock::valueChanged, this, &CEABlock::updateEDID);
        m_rows << row;
    }
    update();
}

CEAVideoDescriptor::~CEAVideoDescriptor()
{
    if (ui->videoItemLayout->indexOf(m_spacer) < 0)
        delete m_spacer;
    delete ui;
}

int CEAVideoDescriptor::maxRows() const
{
    return blockType() == CEA_YCBCR420_VIDEO ? CEA_MAX_YCBCR420_VIDEO_DESCRIPTORS : CEA_MAX_VIDEO_DESCRIPTORS;
}

void CEAVideoDescriptor::initFields(int, int length, const Byte* payload, Byte*, Byte*)
{
    for (int i = 0; i < qMin(length, maxRows()); ++i) {
        addRow();
        m_rows.at(i)->initFields(&payload[i], nullptr, nullptr);
    }
    m_initialised = m_count;
}

void CEAVideoDescriptor::resetFields(Byte*, Byte*)
{
    while (m_count > 0)
        removeLastRow();
    m_initialised = 0;
    updateEDID();
}

QByteArray CEAVideoDescriptor::blockBytes() const
{
    QByteArray bytes;
    if (blockType() == CEA_YCBCR420_VIDEO)
        bytes.append(char(extendedTag()));
    for (int i = 0; i < m_count; ++i)
        bytes.append(char(m_rows.at(i)->descriptor()));
    return bytes;
}

void CEAVideoDescriptor::update()
{
    const bool rowsShown = m_count >= 1;
    ui->noVideoLabel->setVisible(!rowsShown);
    const bool spacerIn = ui->videoItemLayout->indexOf(m_spacer) >= 0;
    if (rowsShown && !spacerIn)
        ui->videoItemLayout->addItem(m_spacer);
    else if (!rowsShown && spacerIn)
        ui->videoItemLayout->removeItem(m_spacer);
    ui->delVideoItemButton->setEnabled(rowsShown);
    ui->addVideoItemButton->setEnabled(m_count < maxRows());
    ui->videoItemList->setMinimumHeight(m_count * kRowHeight);
}

void CEAVideoDescriptor::addRow()
{
    if (m_count < maxRows()) {
        m_rows.at(m_count)->setIndex(m_count);
        m_rows.at(m_count)->show();
        ++m_count;
    }
    update();
}

void CEAVideoDescriptor::removeLastRow()
{
    if (m_count > 0) {
        --m_count;
        m_rows.at(m_count)->hide();
    }
    update();
}

void CEAVideoDescriptor::on_addVideoItemButton_clicked()
{
    if (m_count >= maxRows())
        return;
    CEAShortVideoBlock* row = m_rows.at(m_count);
    if (m_count >= m_initialised) {
        row->resetFields(nullptr, nullptr);
        m_initialised = m_count + 1;
    }
    row->updateUI();
    addRow();
    updateEDID();
}

void CEAVideoDescriptor::on_delVideoItemButton_clicked()
{
    if (m_count < 1)
        return;
    removeLastRow();
    updateEDID();
}

void CEAVideoDescriptor::on_helpButton_clicked(bool checked)
{
    setHelpShown(checked);
}
