#include "displayscreensize.h"

DisplayScreenSize::DisplayScreenSize(QWidget* parent) : SectionEditor(parent)
{
    setTitle("Screen Size");
}

void DisplayScreenSize::initFields(const T_EDID_SCREEN_SIZE_RATIO&, Byte* data, Byte* newData)
{
    setImages(data, newData);
}

void DisplayScreenSize::resetFields(Byte* data, Byte* newData)
{
    setImages(data, newData);
}

