#ifndef COLORCHARACTERISTICS_H
#define COLORCHARACTERISTICS_H

#include "edidrecords.h"
#include "sectioneditor.h"

namespace Ui { class ColorCharacteristics; }
class QLineEdit;
class Validator;

// Editor of bytes 25-34: the CIE x, y coordinates of the three primaries
// and of the white point, shown with three decimals.
class ColorCharacteristics : public SectionEditor
{
    Q_OBJECT
public:
    explicit ColorCharacteristics(QWidget* parent = nullptr);
    ~ColorCharacteristics() override;

    void initFields(const T_EDID_COLOR_CHARACTERISTICS& record, Byte* data, Byte* newData);
    void resetFields(Byte* data, Byte* newData);
    void updateUI();
    void updateSectionData();

private slots:
    void on_redXField_editingFinished();
    void on_redYField_editingFinished();
    void on_greenXField_editingFinished();
    void on_greenYField_editingFinished();
    void on_blueXField_editingFinished();
    void on_blueYField_editingFinished();
    void on_whiteXField_editingFinished();
    void on_whiteYField_editingFinished();

private:
    void editCoordinate(int index);
    FieldDescriptionList describeFields() const;

    Ui::ColorCharacteristics* ui;
    Validator* m_decimal;
    QLineEdit* m_fields[8];     // in the order of the record's codes
    T_EDID_COLOR_CHARACTERISTICS m_record;
    T_EDID_COLOR_CHARACTERISTICS m_state;
};

#endif
