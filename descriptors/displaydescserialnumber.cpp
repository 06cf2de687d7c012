#include "displaydescserialnumber.h"

#include "ui_displaydescserialnumber.h"

DisplayDescSerialNumber::DisplayDescSerialNumber(QWidget* parent)
    : TextDescriptorEditor({0xFF, "Serial Number", "Monitor Serial Number"}, parent), ui(new Ui::DisplayDescSerialNumber)
{
    ui->setupUi(this);
    setTextField(ui->serialNumberField);
}

DisplayDescSerialNumber::~DisplayDescSerialNumber()
{
    delete ui;
}

void DisplayDescSerialNumber::on_serialNumberField_editingFinished()
{
    textEdited();
}
