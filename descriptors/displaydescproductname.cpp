#include "displaydescproductname.h"

#include "ui_displaydescproductname.h"

DisplayDescProductName::DisplayDescProductName(QWidget* parent)
    : TextDescriptorEditor({0xFC, "Product Name", "Monitor Product Name"}, parent), ui(new Ui::DisplayDescProductName)
{
    ui->setupUi(this);
    setTextField(ui->prodNameField);
}

DisplayDescProductName::~DisplayDescProductName()
{
    delete ui;
}

void DisplayDescProductName::on_prodNameField_editingFinished()
{
    textEdited();
}
