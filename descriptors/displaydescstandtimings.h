#ifndef DISPLAYDESCSTANDTIMINGS_H
#define DISPLAYDESCSTANDTIMINGS_H

#include "descriptoreditor.h"

class ExtraStandTiming;

// Editor of the standard timing identifications descriptor (tag 0xFA).
class DisplayDescStandTimings : public DescriptorEditor
{
    Q_OBJECT
public:
    explicit DisplayDescStandTimings(QWidget* parent = nullptr);

    void resetFields(Byte* data, Byte* newData, int slot) override;
    void initFields(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor, Byte* data, Byte* newData,
                    int slot) override;
    void updateCurrentBlock() override;
    FieldDescriptionList describeFields() const override;

private:
    QList<ExtraStandTiming*> m_timings;
};

#endif
