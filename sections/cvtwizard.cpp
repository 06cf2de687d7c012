#include "cvtwizard.h"

#include "dialogs.h"
#include "ui_cvtwizard.h"
#include "validators.h"

CvtWizard::CvtWizard(int hActive, int vActive, float rate, QWidget* parent)
    : QDialog(parent), ui(new Ui::CvtWizard),
      m_integerValidator(new Validator(QStringLiteral("[^0-9]"), this)),
      m_decimalValidator(new Validator(QStringLiteral("[^0-9.]"), this))
{
    qRegisterMetaType<FormatDefinition>("FormatDefinition");
    ui->setupUi(this);
    ui->hActiveField->setValidator(m_integerValidator);
    ui->vActiveField->setValidator(m_integerValidator);
    ui->rateField->setValidator(m_decimalValidator);
    ui->hActiveField->setText(QString::number(hActive));
    ui->vActiveField->setText(QString::number(vActive));
    ui->rateField->setText(QString::number(double(rate), 'f', 2));
    ui->RED_V_1->setChecked(true);
    setStyleSheet(Dialogs::styleSheet());
    connect(ui->cancelButton, &QPushButton::clicked, this, &QDialog::close);
    connect(ui->reducedBlankingCheckbox, &QCheckBox::clicked, this, &CvtWizard::updateUI);
    updateUI();
}

CvtWizard::~CvtWizard()
{
    delete ui;
}

void CvtWizard::updateUI()
{
    const bool reduced = ui->reducedBlankingCheckbox->isChecked();
    ui->RED_V_1->setEnabled(reduced);
    ui->RED_V_2->setEnabled(reduced);
}

void CvtWizard::on_checkButton_clicked()
{
    const unsigned vActive = ui->vActiveField->text().toUInt();
    const unsigned hActive = ui->hActiveField->text().toUInt();
    bool rateRead = false;
    float rate = ui->rateField->text().toFloat(&rateRead);
    if (!rateRead)
        rate = 0.0f;
    CvtBlanking blanking = CvtBlanking::Standard;
    if (ui->reducedBlankingCheckbox->isChecked())
        blanking = ui->RED_V_2->isChecked() ? CvtBlanking::ReducedV2 : CvtBlanking::ReducedV1;
    // A zero line count or rate would divide by zero: say so and stay open.
    const QString error = cvtInputError(vActive, rate, blanking);
    if (!error.isEmpty()) {
        Dialogs::warning(this, QStringLiteral("Format Error"), error);
        return;
    }
    emit formatCalculated(computeCvtFormat(hActive, vActive, rate, blanking));
    close();
}
