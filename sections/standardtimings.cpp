#include "standardtimings.h"

StandardTimings::StandardTimings(QWidget* parent) : SectionEditor(parent)
{
    setTitle("Standard Timings");
}

void StandardTimings::initFields(const T_EDID_STANDARD_TIMING*, Byte* data, Byte* newData)
{
    setImages(data, newData);
}

void StandardTimings::resetFields(Byte* data, Byte* newData)
{
    setImages(data, newData);
}

