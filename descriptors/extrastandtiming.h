#ifndef EXTRASTANDTIMING_H
#define EXTRASTANDTIMING_H

#include "valuedescriptoreditor.h"

namespace Ui { class ExtraStandTiming; }

// One of the six codes of a standard timing identifications descriptor
// ("Timing 9" to "Timing 14"); it writes only its own two bytes.
class ExtraStandTiming : public ValueDescriptorEditor<T_EDID_STANDARD_TIMING>
{
    Q_OBJECT
public:
    explicit ExtraStandTiming(int position, QWidget* parent = nullptr);
    ~ExtraStandTiming() override;

    FieldDescriptionList describeFields() const override;

private slots:
    void on_ExtraStandTiming_clicked(bool checked);
    void on_hActiveField_editingFinished();
    void on_refreshField_editingFinished();
    void on_aspectRatioMulti_activated(int index);

private:
    T_EDID_STANDARD_TIMING valueIn(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor) const override;
    void showValue() override;
    void writeValue(Byte* descriptor) const override;

    Ui::ExtraStandTiming* ui;
    int m_position;
};

#endif
