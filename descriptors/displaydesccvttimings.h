#ifndef DISPLAYDESCCVTTIMINGS_H
#define DISPLAYDESCCVTTIMINGS_H

#include "descriptoreditor.h"

class CVTCodeDescriptor;

// Editor of the CVT 3-byte timing codes descriptor (tag 0xF8): four codes.
class DisplayDescCVTTimings : public DescriptorEditor
{
    Q_OBJECT
public:
    explicit DisplayDescCVTTimings(QWidget* parent = nullptr);

    void resetFields(Byte* data, Byte* newData, int slot) override;
    void initFields(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor, Byte* data, Byte* newData,
                    int slot) override;
    void updateCurrentBlock() override;
    FieldDescriptionList describeFields() const override;

private:
    QList<CVTCodeDescriptor*> m_codes;
};

#endif
