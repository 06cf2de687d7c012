#include "ceacolorimetryblock.h"

#include "ui_ceacolorimetryblock.h"

CEAColorimetryBlock::CEAColorimetryBlock(QWidget* parent) : CEABlock(parent), ui(new Ui::CEAColorimetryBlock)
{
    ui->setupUi(this);
    setBlockType(CEA_COLORIMETRY);
    m_boxes = {{ui->bt2020rgbCB, 7},   {ui->bt2020yccCB, 6}, {ui->bt2020cyccCB, 5}, {ui->adobergbCB, 4},
               {ui->adobeycc601CB, 3}, {ui->sycc501CB, 2},   {ui->xvycc709CB, 1},   {ui->xvycc601CB, 0}};
}

CEAColorimetryBlock::~CEAColorimetryBlock()
{
    delete ui;
}

void CEAColorimetryBlock::initFields(int, int length, const Byte* payload, Byte*, Byte*)
{
    m_payload.load(payload, length);
    updateUI();
}

void CEAColorimetryBlock::resetFields(Byte*, Byte*)
{
    m_payload = FlagPayload(2);
    updateEDID();
    updateUI();
}

QByteArray CEAColorimetryBlock::blockBytes() const
{
    return char(extendedTag()) + m_payload.bytes();
}

void CEAColorimetryBlock::updateUI()
{
    for (const auto& box : m_boxes)
        box.first->setChecked(m_payload.byte(0) & (1 << box.second));
}

void CEAColorimetryBlock::setBit(int bit, bool checked)
{
    m_payload.setByte(0, withBit(m_payload.byte(0), bit, checked));
    updateEDID();
}

void CEAColorimetryBlock::on_bt2020rgbCB_clicked(bool checked) { setBit(7, checked); }
void CEAColorimetryBlock::on_bt2020yccCB_clicked(bool checked) { setBit(6, checked); }
void CEAColorimetryBlock::on_bt2020cyccCB_clicked(bool checked) { setBit(5, checked); }
void CEAColorimetryBlock::on_adobergbCB_clicked(bool checked) { setBit(4, checked); }
void CEAColorimetryBlock::on_adobeycc601CB_clicked(bool checked) { setBit(3, checked); }
void CEAColorimetryBlock::on_sycc501CB_clicked(bool checked) { setBit(2, checked); }
void CEAColorimetryBlock::on_xvycc709CB_clicked(bool checked) { setBit(1, checked); }
void CEAColorimetryBlock::on_xvycc601CB_clicked(bool checked) { setBit(0, checked); }

void CEAColorimetryBlock::on_helpButton_clicked(bool checked)
{
    setHelpShown(checked);
}
