#include "establishedtimings.h"

EstablishedTimings::EstablishedTimings(QWidget* parent) : SectionEditor(parent)
{
    setTitle("Established Timings");
}

void EstablishedTimings::initFields(const T_EDID_ESTABLISHED_TIMINGS&, Byte* data, Byte* newData)
{
    setImages(data, newData);
}

void EstablishedTimings::resetFields(Byte* data, Byte* newData)
{
    setImages(data, newData);
}

