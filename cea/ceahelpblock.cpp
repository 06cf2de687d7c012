#include "ceahelpblock.h"

#include "ui_ceahelpblock.h"

ceaHelpBlock::ceaHelpBlock(QWidget* parent) : QFrame(parent), ui(new Ui::ceaHelpBlock)
{
    ui->setupUi(this);
}

ceaHelpBlock::~ceaHelpBlock()
{
    delete ui;
}

void ceaHelpBlock::setHelpText(const QString& text)
{
    ui->helpMessage->setText(text);
}

QString ceaHelpBlock::helpText() const
{
    return ui->helpMessage->text();
}
