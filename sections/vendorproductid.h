#ifndef VENDORPRODUCTID_H
#define VENDORPRODUCTID_H

#include "edidrecords.h"
#include "sectioneditor.h"

namespace Ui { class VendorProductID; }
class UpperCaseValidator;
class Validator;

// Editor of bytes 8-17: manufacturer ID, product code, serial number and the
// week and year of manufacture (or the 1.4 model year).
class VendorProductID : public SectionEditor
{
    Q_OBJECT
public:
    explicit VendorProductID(QWidget* parent = nullptr);
    ~VendorProductID() override;

    void initFields(const T_EDID_VENDOR_PRODUCT& record, Byte* data, Byte* newData);
    void resetFields(Byte* data, Byte* newData);
    void adaptToEDIDVersion(Word revision);
    void updateUI();
    void updateSectionData();

private slots:
    void on_manufIDField_editingFinished();
    void on_productIDField_editingFinished();
    void on_serialNumberField_editingFinished();
    void on_weekField_editingFinished();
    void on_yearField_editingFinished();
    void on_modelYearCB_toggled(bool checked);

private:
    FieldDescriptionList describeFields() const;

    Ui::VendorProductID* ui;
    UpperCaseValidator* m_letters;
    UpperCaseValidator* m_hexDigits;
    Validator* m_digits;
    T_EDID_VENDOR_PRODUCT m_record;
    T_EDID_VENDOR_PRODUCT m_state;
    Word m_revision = 3;
};

#endif
