#include "cvtcodedescriptor.h"

#include "ui_cvtcodedescriptor.h"
#include "validators.h"

CVTCodeDescriptor::CVTCodeDescriptor(int position, QWidget* parent)
    : ValueDescriptorEditor(parent), ui(new Ui::CVTCodeDescriptor), m_position(position)
{
    ui->setupUi(this);
    setTitle(QStringLiteral("CVT Code %1").arg(position + 1));
    ui->vActField->setValidator(new Validator(QStringLiteral("[^0-9]"), this));
    showValue();
}

CVTCodeDescriptor::~CVTCodeDescriptor()
{
    delete ui;
}

T_EDID_CVT_CODE CVTCodeDescriptor::valueIn(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor) const
{
    return descriptor.cvtCodes[m_position];
}

void CVTCodeDescriptor::showValue()
{
    setFieldText(ui->vActField, QString::number(m_value.lines));
    // The aspect items are in the order of their 2-bit codes.
    ui->aspectRatioMulti->setCurrentIndex(cvtCodeOfAspect(m_value.aspect));
    QRadioButton* const preferred[4] = {ui->prefVRate50RB, ui->prefVRate60RB, ui->prefVRate75RB, ui->prefVRate85RB};
    preferred[m_value.preferredRate & 3]->setChecked(true);
    QCheckBox* const supported[5] = {ui->suppVRate50CB, ui->suppVRate60CB, ui->suppVRate75CB,
                                     ui->suppVRate85CB, ui->suppVRate60RedCB};
    for (int i = 0; i < 5; ++i)
        supported[i]->setChecked(m_value.supported[i]);
}

void CVTCodeDescriptor::writeValue(Byte* descriptor) const
{
    writeCvtCodesFrame(descriptor);
    encodeCvtCode(m_value, descriptor + 6 + 3 * m_position);
}

FieldDescriptionList CVTCodeDescriptor::describeFields() const
{
    return {{"Monitor Data Type Tag", "CVT Code Descriptor"}};
}

void CVTCodeDescriptor::on_vActField_editingFinished()
{
    m_value.lines = acceptedNumber(
        ui->vActField, 2, 8192, 2, QStringLiteral("CEA extention warning"),
        QStringLiteral("Vertical Active Lines must be in range of 2 to 8192 in increments of 2 pixels"));
    updateCurrentBlock();
}

void CVTCodeDescriptor::on_aspectRatioMulti_activated(int index)
{
    m_value.aspect = cvtAspectOfCode(index >= 0 && index < 4 ? index : 0);
    updateCurrentBlock();
}

void CVTCodeDescriptor::setPreferred(int rate)
{
    m_value.preferredRate = rate;
    updateCurrentBlock();
}

void CVTCodeDescriptor::setSupported(int index, bool checked)
{
    m_value.supported[index] = checked;
    updateCurrentBlock();
}

void CVTCodeDescriptor::on_prefVRate50RB_clicked() { setPreferred(0); }
void CVTCodeDescriptor::on_prefVRate60RB_clicked() { setPreferred(1); }
void CVTCodeDescriptor::on_prefVRate75RB_clicked() { setPreferred(2); }
void CVTCodeDescriptor::on_prefVRate85RB_clicked() { setPreferred(3); }
void CVTCodeDescriptor::on_suppVRate50CB_clicked(bool checked) { setSupported(0, checked); }
void CVTCodeDescriptor::on_suppVRate60CB_clicked(bool checked) { setSupported(1, checked); }
void CVTCodeDescriptor::on_suppVRate75CB_clicked(bool checked) { setSupported(2, checked); }
void CVTCodeDescriptor::on_suppVRate85CB_clicked(bool checked) { setSupported(3, checked); }
void CVTCodeDescriptor::on_suppVRate60RedCB_clicked(bool checked) { setSupported(4, checked); }
