#ifndef COLORCHARACTERISTICS_H
#define COLORCHARACTERISTICS_H

#include "edidrecords.h"
#include "sectioneditor.h"

// Placeholder editor: keeps its bytes as loaded until the real form exists.
class ColorCharacteristics : public SectionEditor
{
    Q_OBJECT
public:
    explicit ColorCharacteristics(QWidget* parent = nullptr);
    void initFields(const T_EDID_COLOR_CHARACTERISTICS& record, Byte* data, Byte* newData);
    void resetFields(Byte* data, Byte* newData);
    void updateSectionData() {}
};

#endif
