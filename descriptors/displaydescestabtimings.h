#ifndef DISPLAYDESCESTABTIMINGS_H
#define DISPLAYDESCESTABTIMINGS_H

#include "valuedescriptoreditor.h"

namespace Ui { class DisplayDescEstabTimings; }
class QCheckBox;

// Editor of the established timings III descriptor (tag 0xF7): one check
// box (estabTimingCB1 to estabTimingCB44) per timing bit.
class DisplayDescEstabTimings : public ValueDescriptorEditor<T_EDID_ESTABLISHED_TIMINGS_III>
{
    Q_OBJECT
public:
    explicit DisplayDescEstabTimings(QWidget* parent = nullptr);
    ~DisplayDescEstabTimings() override;

    FieldDescriptionList describeFields() const override;

private:
    T_EDID_ESTABLISHED_TIMINGS_III valueIn(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor) const override;
    void showValue() override;
    void writeValue(Byte* descriptor) const override;
    void flagToggled(int flag, bool checked);

    Ui::DisplayDescEstabTimings* ui;
    QList<QCheckBox*> m_boxes;
};

#endif
