#ifndef DISPLAYSCREENSIZE_H
#define DISPLAYSCREENSIZE_H

#include "edidrecords.h"
#include "sectioneditor.h"

// Placeholder editor: keeps its bytes as loaded until the real form exists.
class DisplayScreenSize : public SectionEditor
{
    Q_OBJECT
public:
    explicit DisplayScreenSize(QWidget* parent = nullptr);
    void initFields(const T_EDID_SCREEN_SIZE_RATIO& record, Byte* data, Byte* newData);
    void resetFields(Byte* data, Byte* newData);
    void adaptToEDIDVersion(Word revision) { m_revision = revision; }

private:
    Word m_revision = 3;
};

#endif
