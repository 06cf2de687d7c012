#ifndef DISPLAYVIDEONINPUT_H
#define DISPLAYVIDEONINPUT_H

#include "edidrecords.h"
#include "sectioneditor.h"

// Placeholder editor: keeps its bytes as loaded until the real form exists.
class DisplayVideonInput : public SectionEditor
{
    Q_OBJECT
public:
    explicit DisplayVideonInput(QWidget* parent = nullptr);
    void initFields(const T_EDID_VIDEO_INPUT_DEF& record, Byte* data, Byte* newData);
    void resetFields(Byte* data, Byte* newData);
    void adaptToEDIDVersion(Word revision) { m_revision = revision; }

private:
    Word m_revision = 3;

signals:
    void inputTypeChanged(Bool isAnalog);
};

#endif
