#include "vendorproductid.h"

VendorProductID::VendorProductID(QWidget* parent) : SectionEditor(parent)
{
    setTitle("Vendor / Product Identification");
}

void VendorProductID::initFields(const T_EDID_VENDOR_PRODUCT&, Byte* data, Byte* newData)
{
    setImages(data, newData);
}

void VendorProductID::resetFields(Byte* data, Byte* newData)
{
    setImages(data, newData);
}

