#include "newfiledialog.h"
#include "ui_newfiledialog.h"


NewFileDialog::NewFileDialog(QWidget* parent) : QDialog(parent), ui(new Ui::NewFileDialog)
{
    ui->setupUi(this);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

NewFileDialog::~NewFileDialog()
{
    delete ui;
}

void NewFileDialog::on_buttonBox_accepted()
{
    m_revision = ui->rev3RB->isChecked() ? 3 : 4;
    accept();
}

void NewFileDialog::done(int result)
{
    if (result == QDialog::Accepted)
        m_revision = ui->rev3RB->isChecked() ? 3 : 4;
    QDialog::done(result);
}
