#include "cvtcodedescriptor.h"

#include "ui_cvtcodedescriptor.h"
#include "validators.h"

namespace {
// Aspect value of each item of aspectRatioMulti ("4:3", "16:9", "16:10", "15:9").
const int kAspectOfItem[4] = {CVT_ASPECT_4_3, CVT_ASPECT_16_9, CVT_ASPECT_16_10, CVT_ASPECT_15_9};

int itemOfAspect(int aspect)
{
    for (int i = 0; i < 4; ++i) {
        if (kAspectOfItem[i] == aspect)
            return i;
    }
    return 0;
}
} // namespace

CVTCodeDescriptor::CVTCodeDescriptor(int position, QWidget* parent)
    : DescriptorEditor(parent), ui(new Ui::CVTCodeDescriptor),
      m_integerValidator(new Validator(QStringLiteral("[^0-9]"), this)), m_position(position)
{
    ui->setupUi(this);
    setTitle(QStringLiteral("CVT Code %1").arg(position + 1));
    ui->vActField->setValidator(m_integerValidator);
    showCode();
}

CVTCodeDescriptor::~CVTCodeDescriptor()
{
    delete ui;
}

void CVTCodeDescriptor::showCode()
{
    setFieldText(ui->vActField, QString::number(m_code.lines));
    ui->aspectRatioMulti->setCurrentIndex(itemOfAspect(m_code.aspect));
    QRadioButton* const preferred[4] = {ui->prefVRate50RB, ui->prefVRate60RB, ui->prefVRate75RB, ui->prefVRate85RB};
    preferred[m_code.preferredRate & 3]->setChecked(true);
    QCheckBox* const supported[5] = {ui->suppVRate50CB, ui->suppVRate60CB, ui->suppVRate75CB,
                                     ui->suppVRate85CB, ui->suppVRate60RedCB};
    for (int i = 0; i < 5; ++i)
        supported[i]->setChecked(m_code.supported[i]);
}

void CVTCodeDescriptor::resetFields(Byte* savedImage, Byte* workingImage, int slotIndex)
{
    storeImages(savedImage, workingImage, slotIndex);
    m_code = T_EDID_CVT_CODE();
    showCode();
}

void CVTCodeDescriptor::initFields(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor, Byte* savedImage,
                                   Byte* workingImage, int slotIndex)
{
    storeImages(savedImage, workingImage, slotIndex);
    m_code = descriptor.cvtCodes[m_position];
    showCode();
    describe();
}

void CVTCodeDescriptor::updateCurrentBlock()
{
    Byte* bytes = slotBytes();
    if (!bytes)
        return;
    writeCvtCodesFrame(bytes);
    encodeCvtCode(m_code, bytes + 6 + 3 * m_position);
    finishWrite();
}

FieldDescriptionList CVTCodeDescriptor::describeFields() const
{
    return {{"Monitor Data Type Tag", "CVT Code Descriptor"}};
}

void CVTCodeDescriptor::on_vActField_editingFinished()
{
    const QString text = ui->vActField->text();
    const int value = text.toInt();
    if (!text.isEmpty() && value >= 2 && value <= 8192 && value % 2 == 0) {
        m_code.lines = value;
    } else {
        warn(QStringLiteral("CEA extention warning"),
             QStringLiteral("Vertical Active Lines must be in range of 2 to 8192 in increments of 2 pixels"));
        setFieldText(ui->vActField, QStringLiteral("2"));
        m_code.lines = 2;
    }
    updateCurrentBlock();
}

void CVTCodeDescriptor::on_aspectRatioMulti_activated(int index)
{
    m_code.aspect = kAspectOfItem[index >= 0 && index < 4 ? index : 0];
    updateCurrentBlock();
}

void CVTCodeDescriptor::setPreferred(int rate)
{
    m_code.preferredRate = rate;
    updateCurrentBlock();
}

void CVTCodeDescriptor::setSupported(int index, bool checked)
{
    m_code.supported[index] = checked;
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
