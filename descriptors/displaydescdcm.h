#ifndef DISPLAYDESCDCM_H
#define DISPLAYDESCDCM_H

#include "valuedescriptoreditor.h"

namespace Ui { class DisplayDescDCM; }
class Validator;

// Editor of the display color management descriptor (tag 0xF9): a3 and a2
// polynomial coefficients for red, green and blue.
class DisplayDescDCM : public ValueDescriptorEditor<T_EDID_DCM>
{
    Q_OBJECT
public:
    explicit DisplayDescDCM(QWidget* parent = nullptr);
    ~DisplayDescDCM() override;

    FieldDescriptionList describeFields() const override;

private slots:
    void on_reda3Field_editingFinished();
    void on_reda2Field_editingFinished();
    void on_greena3Field_editingFinished();
    void on_greena2Field_editingFinished();
    void on_bluea3Field_editingFinished();
    void on_bluea2Field_editingFinished();

private:
    T_EDID_DCM valueIn(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor) const override;
    void showValue() override;
    void writeValue(Byte* descriptor) const override;
    QList<QLineEdit*> fields() const;
    void coefficientEdited(int index);

    Ui::DisplayDescDCM* ui;
    Validator* m_integerValidator;
};

#endif
