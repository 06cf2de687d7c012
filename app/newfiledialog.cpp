#include "newfiledialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

NewFileDialog::NewFileDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("New File");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Choose E-EDID Version:", this));
    m_rev3 = new QRadioButton("E-EDID V1.3", this);
    m_rev3->setObjectName("rev3RB");
    auto* rev4 = new QRadioButton("E-EDID V1.4", this);
    rev4->setObjectName("rev4RB");
    rev4->setChecked(true);
    layout->addWidget(m_rev3);
    layout->addWidget(rev4);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("buttonBox");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &NewFileDialog::on_buttonBox_accepted);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void NewFileDialog::on_buttonBox_accepted()
{
    m_revision = m_rev3->isChecked() ? 3 : 4;
}
