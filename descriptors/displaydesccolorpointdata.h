#ifndef DISPLAYDESCCOLORPOINTDATA_H
#define DISPLAYDESCCOLORPOINTDATA_H

#include "descriptoreditor.h"

namespace Ui { class DisplayDescColorPointData; }
class QGroupBox;
class Validator;

// Editor of the color point descriptor (tag 0xFB): two additional white
// points, each with an index, x and y in thousandths and a gamma.
class DisplayDescColorPointData : public DescriptorEditor
{
    Q_OBJECT
public:
    explicit DisplayDescColorPointData(QWidget* parent = nullptr);
    ~DisplayDescColorPointData() override;

    void resetFields(Byte* data, Byte* newData, int slot) override;
    void initFields(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor, Byte* data, Byte* newData,
                    int slot) override;
    void updateCurrentBlock() override;
    FieldDescriptionList describeFields() const override;

private slots:
    void on_whitePointField_editingFinished();
    void on_whiteXField_editingFinished();
    void on_whiteYField_editingFinished();
    void on_gammaField_editingFinished();
    void on_whitePointField2_editingFinished();
    void on_whiteXField2_editingFinished();
    void on_whiteYField2_editingFinished();
    void on_gammaField2_editingFinished();
    void on_firstColorPointGB_clicked(bool checked);
    void on_secondColorPointGB_clicked(bool checked);

private:
    // A point as edited: chromaticities in thousandths.
    struct Point {
        int index = 0;
        int x = 0;
        int y = 0;
        int gamma = 100;
    };
    struct Controls {
        QGroupBox* group;
        QLineEdit* index;
        QLineEdit* x;
        QLineEdit* y;
        QLineEdit* gamma;
    };
    Controls controls(int point) const;
    void showPoint(int point);
    void indexEdited(int point);
    void chromaticityEdited(int point, bool isX);
    void gammaEdited(int point);
    void groupClicked(int point, bool checked);

    Ui::DisplayDescColorPointData* ui;
    Validator* m_integerValidator;
    Validator* m_decimalValidator;
    Point m_points[2];
};

#endif
