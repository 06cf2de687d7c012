#ifndef DISPLAYDESCESTABTIMINGS_H
#define DISPLAYDESCESTABTIMINGS_H

#include "descriptoreditor.h"

namespace Ui { class DisplayDescEstabTimings; }
class QCheckBox;

// Editor of the established timings III descriptor (tag 0xF7): one check
// box (estabTimingCB1 to estabTimingCB44) per timing bit.
class DisplayDescEstabTimings : public DescriptorEditor
{
    Q_OBJECT
public:
    explicit DisplayDescEstabTimings(QWidget* parent = nullptr);
    ~DisplayDescEstabTimings() override;

    void resetFields(Byte* data, Byte* newData, int slot) override;
    void initFields(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor, Byte* data, Byte* newData,
                    int slot) override;
    void updateCurrentBlock() override;
    FieldDescriptionList describeFields() const override;

private:
    void showFlags();
    void flagToggled(int flag, bool checked);

    Ui::DisplayDescEstabTimings* ui;
    QList<QCheckBox*> m_boxes;
    T_EDID_ESTABLISHED_TIMINGS_III m_timings;
};

#endif
