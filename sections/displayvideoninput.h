#ifndef DISPLAYVIDEONINPUT_H
#define DISPLAYVIDEONINPUT_H

#include "edidrecords.h"
#include "sectioneditor.h"

namespace Ui { class DisplayVideonInput; }

// Editor of byte 20, the video input definition: the analog form, the 1.3
// digital form (DFP flag) and the 1.4 digital form (colour bit depth and
// interface).
class DisplayVideonInput : public SectionEditor
{
    Q_OBJECT
public:
    explicit DisplayVideonInput(QWidget* parent = nullptr);
    ~DisplayVideonInput() override;

public slots:
    void initFields(const T_EDID_VIDEO_INPUT_DEF& videoInputInfo, Byte* data, Byte* newData);
    void resetFields(Byte* data, Byte* newData);
    void adaptToEDIDVersion(Word revision);
    void updateUI();
    void updateDisplayParameters();

signals:
    void inputTypeChanged(Bool isAnalog);

private slots:
    void on_analogRB_clicked(bool checked);
    void on_digitalRB_clicked(bool checked);
    void on_signalLevelMulti_activated(int index);
    void on_cbdMulti_activated(int index);
    void on_interfaceMulti_activated(int index);
    void on_blankSetupCB_clicked(bool checked);
    void on_sepSyncCB_clicked(bool checked);
    void on_compSyncCB_clicked(bool checked);
    void on_syncOnGreenCB_clicked(bool checked);
    void on_serrationCB_clicked(bool checked);
    void on_dfpSupportCB_clicked(bool checked);

private:
    // What the controls show; the analog and the digital values are kept
    // side by side so that flipping the input type loses neither.
    struct UiState {
        bool isAnalog = true;
        int signalLevel = 0;
        bool flags[5] = {};     // blank setup, separate sync, composite sync, sync on green, serration
        int colorDepth = 0;     // 0-7, 7 reserved
        int interfaceType = 0;  // 0-15, 6-15 reserved
        bool dfp = false;
    };

    void setFlag(int index, bool checked);
    FieldDescriptionList describeFields() const;

    Ui::DisplayVideonInput* ui;
    T_EDID_VIDEO_INPUT_DEF m_record;
    UiState m_state;
    Word m_revision = 3;
};

#endif
