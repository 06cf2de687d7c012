#include "displaytransfertcharacteristics.h"

DisplayTransfertCharacteristics::DisplayTransfertCharacteristics(QWidget* parent) : SectionEditor(parent)
{
    setTitle("Display Transfer Characteristics");
}

void DisplayTransfertCharacteristics::initFields(const DTC&, Byte* data, Byte* newData)
{
    setImages(data, newData);
}

void DisplayTransfertCharacteristics::resetFields(Byte* data, Byte* newData)
{
    setImages(data, newData);
}

