#ifndef VALUEDESCRIPTOREDITOR_H
#define VALUEDESCRIPTOREDITOR_H

#include "descriptoreditor.h"

// An editor that keeps one decoded value of its descriptor, shows it in its
// controls and writes it back through its codec.
template <typename Value>
class ValueDescriptorEditor : public DescriptorEditor
{
public:
    using DescriptorEditor::DescriptorEditor;

    void resetFields(Byte* data, Byte* newData, int slot) override
    {
        storeImages(data, newData, slot);
        m_value = Value();
        showValue();
    }

    void initFields(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor, Byte* data, Byte* newData,
                    int slot) override
    {
        storeImages(data, newData, slot);
        m_value = valueIn(descriptor);
        showValue();
        describe();
    }

    void updateCurrentBlock() override
    {
        writeSlot([this](Byte* descriptor) { writeValue(descriptor); });
    }

protected:
    virtual Value valueIn(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor) const = 0;
    virtual void showValue() = 0;
    // Encodes the value into the slot's 18 bytes.
    virtual void writeValue(Byte* descriptor) const = 0;

    Value m_value;
};

#endif
