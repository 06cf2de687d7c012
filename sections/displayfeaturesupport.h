#ifndef DISPLAYFEATURESUPPORT_H
#define DISPLAYFEATURESUPPORT_H

#include "edidrecords.h"
#include "sectioneditor.h"

namespace Ui { class DisplayFeatureSupport; }

// Editor of byte 24, feature support: power management, the colour type of
// an analog display or the 1.4 colour encodings of a digital one, and three
// flags. The input type comes from the video input editor.
class DisplayFeatureSupport : public SectionEditor
{
    Q_OBJECT
public:
    explicit DisplayFeatureSupport(QWidget* parent = nullptr);
    ~DisplayFeatureSupport() override;

public slots:
    void initFields(const T_EDID_FEATURE_SUPPORT& featureSupport, Byte* data, Byte* newData);
    void resetFields(Byte* data, Byte* newData);
    void adaptToEDIDVersion(Word revision);
    void updateUI();
    void updateDisplayParameters();
    void inputTypeChanged(Bool isAnalog);

private slots:
    void on_standbyModeCB_clicked(bool checked);
    void on_suspendModeCB_clicked(bool checked);
    void on_activeOffCB_clicked(bool checked);
    void on_srgbCB_clicked(bool checked);
    void on_contFreqCB_clicked(bool checked);
    void on_prefTimingModeCB_clicked(bool checked);
    void on_colorTypeMulti_activated(int index);
    void on_ycrcb444CB_clicked(bool checked);
    void on_ycrcb422CB_clicked(bool checked);
    void on_rgb444CB_clicked(bool checked);

private:
    void setEncodingFromBoxes();
    FieldDescriptionList describeFields() const;

    Ui::DisplayFeatureSupport* ui;
    T_EDID_FEATURE_SUPPORT m_record;
    T_EDID_FEATURE_SUPPORT m_state;
    bool m_isAnalog = true;
    Word m_revision = 3;
};

#endif
