#include "colorcharacteristics.h"

ColorCharacteristics::ColorCharacteristics(QWidget* parent) : SectionEditor(parent)
{
    setTitle("Color Characteristics");
}

void ColorCharacteristics::initFields(const T_EDID_COLOR_CHARACTERISTICS&, Byte* data, Byte* newData)
{
    setImages(data, newData);
}

void ColorCharacteristics::resetFields(Byte* data, Byte* newData)
{
    setImages(data, newData);
}

