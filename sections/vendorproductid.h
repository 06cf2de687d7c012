#ifndef VENDORPRODUCTID_H
#define VENDORPRODUCTID_H

#include "edidrecords.h"
#include "sectioneditor.h"

// Placeholder editor: keeps its bytes as loaded until the real form exists.
class VendorProductID : public SectionEditor
{
    Q_OBJECT
public:
    explicit VendorProductID(QWidget* parent = nullptr);
    void initFields(const T_EDID_VENDOR_PRODUCT& record, Byte* data, Byte* newData);
    void resetFields(Byte* data, Byte* newData);
    void updateSectionData() {}
    void adaptToEDIDVersion(Word revision) { m_revision = revision; }

private:
    Word m_revision = 3;
};

#endif
