#include "displayfeaturesupport.h"

DisplayFeatureSupport::DisplayFeatureSupport(QWidget* parent) : SectionEditor(parent)
{
    setTitle("Feature Support");
}

void DisplayFeatureSupport::initFields(const T_EDID_FEATURE_SUPPORT&, Byte* data, Byte* newData)
{
    setImages(data, newData);
}

void DisplayFeatureSupport::resetFields(Byte* data, Byte* newData)
{
    setImages(data, newData);
}

