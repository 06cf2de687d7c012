#include "ceashortvideoblock.h"

#include "ceavideo.h"
#include "ui_ceashortvideoblock.h"

#include <QSignalBlocker>

CEAShortVideoBlock::CEAShortVideoBlock(QWidget* parent) : QWidget(parent), ui(new Ui::CEAShortVideoBlock)
{
    ui->setupUi(this);
    ui->formatMulti->addItems(vicComboItems());
    updateUI();
}

CEAShortVideoBlock::~CEAShortVideoBlock()
{
    delete ui;
}

void CEAShortVideoBlock::setIndex(int i)
{
    ui->indexLabel->setText(QString::number(i + 1) + '.');
}

void CEAShortVideoBlock::initFields(const Byte* descriptor, Byte*, Byte*)
{
    m_descriptor = *descriptor;
    updateUI();
}

void CEAShortVideoBlock::resetFields(Byte*, Byte*)
{
    const Byte newDescriptor = 0x01;
    initFields(&newDescriptor, nullptr, nullptr);
}

void CEAShortVideoBlock::updateUI()
{
    ui->nativeCB->setChecked(svdNative(m_descriptor));
    showVic(svdVicCode(m_descriptor));
    // The spin box cannot show VIC 0 or VICs above 108: a loaded one stays
    // in the descriptor until the user edits the row.
    const QSignalBlocker blocker(ui->codeField);
    ui->codeField->setValue(svdVic(m_descriptor));
}

void CEAShortVideoBlock::showVic(int vic)
{
    ui->formatMulti->setCurrentIndex(vicComboItem(vic));
}

void CEAShortVideoBlock::on_nativeCB_clicked(bool checked)
{
    m_descriptor = svdWithNative(m_descriptor, checked);
    emit valueChanged();
}

void CEAShortVideoBlock::on_formatMulti_activated(int index)
{
    const int vic = vicOfComboItem(index);
    if (vic == 0)
        return;
    // VICs from 193 on fill the whole byte; they have no native flag.
    m_descriptor = vic > CEA_LAST_7BIT_VIC ? Byte(vic) : svdWithVic(m_descriptor, vic);
    const QSignalBlocker blocker(ui->codeField);
    ui->codeField->setValue(svdVic(m_descriptor));
    emit valueChanged();
}

void CEAShortVideoBlock::on_codeField_valueChanged(int value)
{
    m_descriptor = svdWithVic(m_descriptor, value);
    showVic(value);
}

void CEAShortVideoBlock::on_codeField_editingFinished()
{
    m_descriptor = svdWithVic(m_descriptor, ui->codeField->value());
    emit valueChanged();
}
