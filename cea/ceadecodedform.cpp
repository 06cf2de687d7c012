#include "ceadecodedform.h"

#include "ui_ceadecodedform.h"

#include <QHeaderView>

CEADecodedForm::CEADecodedForm(int tag, QWidget* parent)
    : CEAPayloadForm(parent), ui(new Ui::CEADecodedForm), m_tag(tag)
{
    ui->setupUi(this);
    ui->fieldsTable->setHorizontalHeaderLabels({QStringLiteral("Field"), QStringLiteral("Value")});
    ui->fieldsTable->verticalHeader()->hide();
    ui->fieldsTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    ui->fieldsTable->horizontalHeader()->setStretchLastSection(true);
}

CEADecodedForm::~CEADecodedForm()
{
    delete ui;
}

void CEADecodedForm::setPayload(const QByteArray& payload)
{
    const DecodedNode node = describePayload(m_tag, payload);
    ui->fieldsTable->setRowCount(node.fields.size());
    for (int row = 0; row < node.fields.size(); ++row) {
        ui->fieldsTable->setItem(row, 0, new QTableWidgetItem(node.fields.at(row).name));
        ui->fieldsTable->setItem(row, 1, new QTableWidgetItem(node.fields.at(row).value));
    }
}
