#include "ceavendorspecificblock.h"

#include "ui_ceavendorspecificblock.h"
#include "validators.h"

CEAVendorSpecificBlock::CEAVendorSpecificBlock(QWidget* parent)
    : QWidget(parent), ui(new Ui::CEAVendorSpecificBlock)
{
    ui->setupUi(this);
    ui->blockField->setValidator(new Validator(QStringLiteral("[^0-9A-F]"), this));
}

CEAVendorSpecificBlock::~CEAVendorSpecificBlock()
{
    delete ui;
}

void CEAVendorSpecificBlock::initFields(Byte*, Byte*, int index)
{
    setByte(0, nullptr, nullptr, index);
}

void CEAVendorSpecificBlock::setByte(Byte value, Byte*, Byte*, int index)
{
    m_index = index;
    ui->blockField->setText(QString::number(value, 16).toUpper().rightJustified(2, QLatin1Char('0')));
    ui->indexLabel->setText(QString::number(index));
}

Byte CEAVendorSpecificBlock::byteValue() const
{
    return Byte(ui->blockField->text().toUInt(nullptr, 16));
}

void CEAVendorSpecificBlock::on_blockField_editingFinished()
{
    if (ui->blockField->text().isEmpty())
        ui->blockField->setText(QStringLiteral("00"));
    emit valueChanged();
}
