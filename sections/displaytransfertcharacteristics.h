#ifndef DISPLAYTRANSFERTCHARACTERISTICS_H
#define DISPLAYTRANSFERTCHARACTERISTICS_H

#include "edidrecords.h"
#include "sectioneditor.h"

// Placeholder editor: keeps its bytes as loaded until the real form exists.
class DisplayTransfertCharacteristics : public SectionEditor
{
    Q_OBJECT
public:
    explicit DisplayTransfertCharacteristics(QWidget* parent = nullptr);
    void initFields(const DTC& record, Byte* data, Byte* newData);
    void resetFields(Byte* data, Byte* newData);
    void adaptToEDIDVersion(Word revision) { m_revision = revision; }

private:
    Word m_revision = 3;
};

#endif
