#ifndef ESTABLISHEDTIMINGS_H
#define ESTABLISHEDTIMINGS_H

#include "edidrecords.h"
#include "sectioneditor.h"

// Placeholder editor: keeps its bytes as loaded until the real form exists.
class EstablishedTimings : public SectionEditor
{
    Q_OBJECT
public:
    explicit EstablishedTimings(QWidget* parent = nullptr);
    void initFields(const T_EDID_ESTABLISHED_TIMINGS& record, Byte* data, Byte* newData);
    void resetFields(Byte* data, Byte* newData);

};

#endif
