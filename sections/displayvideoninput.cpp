#include "displayvideoninput.h"

DisplayVideonInput::DisplayVideonInput(QWidget* parent) : SectionEditor(parent)
{
    setTitle("Video Input Definition");
}

void DisplayVideonInput::initFields(const T_EDID_VIDEO_INPUT_DEF&, Byte* data, Byte* newData)
{
    setImages(data, newData);
}

void DisplayVideonInput::resetFields(Byte* data, Byte* newData)
{
    setImages(data, newData);
}

