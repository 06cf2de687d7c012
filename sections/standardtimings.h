#ifndef STANDARDTIMINGS_H
#define STANDARDTIMINGS_H

#include "edidrecords.h"
#include "sectioneditor.h"

// Placeholder editor: keeps its bytes as loaded until the real form exists.
class StandardTimings : public SectionEditor
{
    Q_OBJECT
public:
    explicit StandardTimings(QWidget* parent = nullptr);
    void initFields(const T_EDID_STANDARD_TIMING* timings, Byte* data, Byte* newData);
    void resetFields(Byte* data, Byte* newData);
    void updateSectionData() {}
};

#endif
