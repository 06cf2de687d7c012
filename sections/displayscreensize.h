#ifndef DISPLAYSCREENSIZE_H
#define DISPLAYSCREENSIZE_H

#include "edidrecords.h"
#include "sectioneditor.h"

namespace Ui { class DisplayScreenSize; }
class Validator;

// Editor of bytes 21-22: the screen size in cm or, in E-EDID 1.4, the
// landscape or portrait aspect ratio.
class DisplayScreenSize : public SectionEditor
{
    Q_OBJECT
public:
    explicit DisplayScreenSize(QWidget* parent = nullptr);
    ~DisplayScreenSize() override;

public slots:
    void initFields(const T_EDID_SCREEN_SIZE_RATIO& screenSize, Byte* data, Byte* newData);
    void resetFields(Byte* data, Byte* newData);
    void adaptToEDIDVersion(Word revision);
    void updateUI();
    void updateSectionData();

private slots:
    void on_dimensionsRB_clicked(bool checked);
    void on_hSizeField_editingFinished();
    void on_vSizeField_editingFinished();
    void on_aspectRatioRB_clicked(bool checked);
    void on_portraitRB_clicked(bool checked);
    void on_landscapeRB_clicked(bool checked);
    void on_ratioField_editingFinished();

private:
    struct UiState {
        int mode = SCREEN_DIMENSIONS;
        int hSize = 0;
        int vSize = 0;
        int ratio = LANDSCAPE_MIN_RATIO;    // ratio x 100
    };

    void checkRatio(bool portrait, const QString& message);
    QString ratioText() const;
    FieldDescriptionList describeFields() const;

    Ui::DisplayScreenSize* ui;
    Validator* m_digits;
    Validator* m_decimal;
    T_EDID_SCREEN_SIZE_RATIO m_record;
    UiState m_state;
    Word m_revision = 3;
};

#endif
