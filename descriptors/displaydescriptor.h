#ifndef DISPLAYDESCRIPTOR_H
#define DISPLAYDESCRIPTOR_H

#include "edidrecords.h"

#include <QGroupBox>

// One 18-byte descriptor slot of the base block. Placeholder: keeps the
// slot's bytes as loaded and only writes the unused (dummy) descriptor.
class DisplayDescriptor : public QGroupBox
{
    Q_OBJECT
public:
    explicit DisplayDescriptor(QWidget* parent = nullptr);

    void setLabel(const QString& text);
    void resetFields(Byte* data, Byte* newData, int slot);
    void initFields(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor, Byte* data, Byte* newData,
                    int slot, bool locked);
    void setLockedType(T_EDID_DISPLAY_DESCRIPTORS type);
    void setType(T_EDID_DISPLAY_DESCRIPTORS type);
    void updateCurrentBlock();
    void writeDummyDescriptor();
    void adaptToEDIDVersion(Word revision, bool rewrite);

private:
    Byte* m_data = nullptr;
    Byte* m_newData = nullptr;
    int m_slot = 0;
    T_EDID_DISPLAY_DESCRIPTORS m_type = DESC_UNUSED;
};

#endif
