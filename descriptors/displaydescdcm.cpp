#include "displaydescdcm.h"

#include "ui_displaydescdcm.h"
#include "validators.h"

DisplayDescDCM::DisplayDescDCM(QWidget* parent)
    : ValueDescriptorEditor(parent), ui(new Ui::DisplayDescDCM),
      m_integerValidator(new Validator(QStringLiteral("[^0-9]"), this))
{
    ui->setupUi(this);
    for (QLineEdit* field : fields())
        field->setValidator(m_integerValidator);
    showValue();
}

DisplayDescDCM::~DisplayDescDCM()
{
    delete ui;
}

QList<QLineEdit*> DisplayDescDCM::fields() const
{
    // In the byte order of the descriptor.
    return {ui->reda3Field, ui->reda2Field, ui->greena3Field, ui->greena2Field, ui->bluea3Field, ui->bluea2Field};
}

T_EDID_DCM DisplayDescDCM::valueIn(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor) const
{
    return descriptor.dcm;
}

void DisplayDescDCM::showValue()
{
    const QList<QLineEdit*> edits = fields();
    for (int i = 0; i < edits.size(); ++i)
        setFieldText(edits.at(i), QString::number(m_value.coefficients[i]));
}

void DisplayDescDCM::writeValue(Byte* descriptor) const
{
    encodeDcm(m_value, descriptor);
}

FieldDescriptionList DisplayDescDCM::describeFields() const
{
    return {{"Monitor Data Type Tag", "Display Color Management"},
            {"Red", "~"}, {"Red a3", ui->reda3Field->text()}, {"Red a2", ui->reda2Field->text()},
            {"Green", "~"}, {"Green a3", ui->greena3Field->text()}, {"Green a2", ui->greena2Field->text()},
            {"Blue", "~"}, {"Blue a3", ui->bluea3Field->text()}, {"Blue a2", ui->bluea2Field->text()}};
}

void DisplayDescDCM::coefficientEdited(int index)
{
    QLineEdit* field = fields().at(index);
    const QString text = field->text();
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok && value >= 0 && value <= 65535) {
        m_value.coefficients[index] = Word(value);
    } else {
        warn(QStringLiteral("Range error"), QStringLiteral("Polynomial coefficients must be in range of 0 to 65535"));
        setFieldText(field, QStringLiteral("0"));
        m_value.coefficients[index] = 0;
    }
    updateCurrentBlock();
}

void DisplayDescDCM::on_reda3Field_editingFinished() { coefficientEdited(0); }
void DisplayDescDCM::on_reda2Field_editingFinished() { coefficientEdited(1); }
void DisplayDescDCM::on_greena3Field_editingFinished() { coefficientEdited(2); }
void DisplayDescDCM::on_greena2Field_editingFinished() { coefficientEdited(3); }
void DisplayDescDCM::on_bluea3Field_editingFinished() { coefficientEdited(4); }
void DisplayDescDCM::on_bluea2Field_editingFinished() { coefficientEdited(5); }
