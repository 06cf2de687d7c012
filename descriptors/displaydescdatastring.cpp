#include "displaydescdatastring.h"

#include "ui_displaydescdatastring.h"

DisplayDescDataString::DisplayDescDataString(QWidget* parent)
    : TextDescriptorEditor({0xFE, "ASCII Data String", "Data String Content"}, parent), ui(new Ui::DisplayDescDataString)
{
    ui->setupUi(this);
    setTextField(ui->dataStringField);
}

DisplayDescDataString::~DisplayDescDataString()
{
    delete ui;
}

void DisplayDescDataString::on_dataStringField_editingFinished()
{
    textEdited();
}
