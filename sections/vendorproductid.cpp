#include "vendorproductid.h"
#include "ui_vendorproductid.h"

#include "editorhelpers.h"
#include "hexaviewer.h"
#include "sectiondescriptions.h"
#include "rangechecks.h"
#include "validators.h"

#include <cstring>

namespace {
const int kMinWeek = 1;
const int kMaxWeek = 54;
const int kMinYear = 1990;
const int kMaxYear = 2245;

void copyText(char* target, size_t size, const QString& text)
{
    const QByteArray latin = text.toLatin1();
    const size_t length = qMin(size - 1, size_t(latin.size()));
    std::memcpy(target, latin.constData(), length);
    target[length] = 0;
}
}

VendorProductID::VendorProductID(QWidget* parent)
    : SectionEditor(parent), ui(new Ui::VendorProductID)
{
    ui->setupUi(this);
    m_letters = new UpperCaseValidator("[^A-Z]", this);
    m_hexDigits = new UpperCaseValidator("[^0-9A-F]", this);
    m_digits = new Validator("[^0-9]", this);
    ui->manufIDField->setValidator(m_letters);
    ui->productIDField->setValidator(m_hexDigits);
    ui->serialNumberField->setValidator(m_digits);
    ui->weekField->setValidator(new Validator("[^0-9]", this));
    ui->yearField->setValidator(m_digits);
}

VendorProductID::~VendorProductID()
{
    delete ui;
}

void VendorProductID::initFields(const T_EDID_VENDOR_PRODUCT& record, Byte* data, Byte* newData)
{
    setImages(data, newData);
    m_record = record;
    m_state = record;
    m_revision = EditorHelpers::loadedRevision();
    updateUI();
}

void VendorProductID::resetFields(Byte* data, Byte* newData)
{
    setImages(data, newData);
    m_record = T_EDID_VENDOR_PRODUCT();
    m_state = m_record;
    updateUI();
}

void VendorProductID::adaptToEDIDVersion(Word revision)
{
    m_revision = revision;
    updateUI();
}

void VendorProductID::updateUI()
{
    ui->manufIDField->setText(m_state.manufacturerID);
    ui->productIDField->setText(m_state.productCode);
    ui->serialNumberField->setText(m_state.serialNumber);
    // Set the box without running its handler: showing an image writes nothing.
    const bool wasBlocked = ui->modelYearCB->blockSignals(true);
    ui->modelYearCB->setChecked(m_state.modelYear);
    ui->modelYearCB->blockSignals(wasBlocked);
    ui->modelYearCB->setEnabled(m_revision == 4);
    ui->weekField->setEnabled(!m_state.modelYear);
    ui->weekField->setText(m_state.modelYear ? QStringLiteral("1") : QString::number(m_state.week));
    ui->yearField->setText(QString::number(m_state.year));
}

void VendorProductID::updateSectionData()
{
    m_record = m_state;
    writeSection(VendorProductSection, [&](Byte* image) { encodeVendorProduct(m_record, image); });
    HexaViewer::instance()->setVendorProductDescription(describeFields());
}

FieldDescriptionList VendorProductID::describeFields() const
{
    return vendorProductDescription(m_state);
}

void VendorProductID::on_manufIDField_editingFinished()
{
    if (showsValue(ui->manufIDField, QString::fromLatin1(m_state.manufacturerID)))
        return;
    const QString text = RangeCheck::checkedText(ui->manufIDField, ui->manufIDField->text(), "AAA", 3,
                                                 "Manufacturer ID must have 3 upper cased characters", this);
    copyText(m_state.manufacturerID, sizeof m_state.manufacturerID, text);
    updateSectionData();
}

void VendorProductID::on_productIDField_editingFinished()
{
    if (showsValue(ui->productIDField, QString::fromLatin1(m_state.productCode)))
        return;
    const QString text = RangeCheck::checkedText(ui->productIDField, ui->productIDField->text(), "0000", 4,
                                                 "Product ID must have 4 hexadecimal characters", this);
    copyText(m_state.productCode, sizeof m_state.productCode, text);
    updateSectionData();
}

void VendorProductID::on_serialNumberField_editingFinished()
{
    QLineEdit* field = ui->serialNumberField;
    if (showsValue(field, QString::fromLatin1(m_state.serialNumber)))
        return;
    if (field->text().isEmpty())
        field->setText("0");
    // Ten digits can exceed 32 bits: such a number is refused, never truncated.
    bool ok = false;
    const quint64 typed = field->text().toULongLong(&ok);
    const qint64 value = ok && typed <= MAX_SERIAL_NUMBER ? qint64(typed) : -1;
    const qint64 serial = RangeCheck::checkedValue(field, value, 0, qint64(MAX_SERIAL_NUMBER),
                                                   "Serial Number must be in range of 0 to 4294967295", this);
    const QString text = QString::number(serial);
    field->setText(text);
    copyText(m_state.serialNumber, sizeof m_state.serialNumber, text);
    updateSectionData();
}

void VendorProductID::on_weekField_editingFinished()
{
    if (showsValue(ui->weekField, QString::number(m_state.week)))
        return;
    const int value = ui->weekField->text().toInt();
    m_state.week = Byte(RangeCheck::checkedValue(ui->weekField, value, kMinWeek, kMaxWeek,
                                                 "Week Number must be between 1 and 54", this));
    updateSectionData();
}

void VendorProductID::on_yearField_editingFinished()
{
    if (showsValue(ui->yearField, QString::number(m_state.year)))
        return;
    const int value = ui->yearField->text().toInt();
    m_state.year = Word(RangeCheck::checkedValue(ui->yearField, value, kMinYear, kMaxYear,
                                                 "Year must be between 1990 and 2245", this));
    updateSectionData();
}

void VendorProductID::on_modelYearCB_toggled(bool checked)
{
    ui->weekField->setEnabled(!checked);
    m_state.modelYear = checked;
    if (checked) {
        ui->weekField->setText("1");
        m_state.week = MODEL_YEAR_WEEK;
    } else {
        m_state.week = kMinWeek;
    }
    updateSectionData();
}
