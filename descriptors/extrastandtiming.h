#ifndef EXTRASTANDTIMING_H
#define EXTRASTANDTIMING_H

#include "descriptoreditor.h"

namespace Ui { class ExtraStandTiming; }
class Validator;

// One of the six codes of a standard timing identifications descriptor
// ("Timing 9" to "Timing 14"); it writes only its own two bytes.
class ExtraStandTiming : public DescriptorEditor
{
    Q_OBJECT
public:
    explicit ExtraStandTiming(int position, QWidget* parent = nullptr);
    ~ExtraStandTiming() override;

    void resetFields(Byte* data, Byte* newData, int slot) override;
    void initFields(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor, Byte* data, Byte* newData,
                    int slot) override;
    void updateCurrentBlock() override;
    FieldDescriptionList describeFields() const override;

private slots:
    void on_ExtraStandTiming_clicked(bool checked);
    void on_hActiveField_editingFinished();
    void on_refreshField_editingFinished();
    void on_aspectRatioMulti_activated(int index);

private:
    void showTiming();

    Ui::ExtraStandTiming* ui;
    Validator* m_integerValidator;
    int m_position;
    T_EDID_STANDARD_TIMING m_timing;
};

#endif
