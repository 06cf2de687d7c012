#ifndef DETAILEDTIMINGS_H
#define DETAILEDTIMINGS_H

#include "cvt.h"
#include "detailedtiming.h"
#include "sectioneditor.h"

namespace Ui { class DetailedTimings; }
class QAbstractButton;
class QLineEdit;
class Validator;

// Editor of one 18-byte detailed timing descriptor: in a base block slot it
// writes the slot itself; embedded in the CEA extension it only emits
// valueChanged() and the extension reads descriptorBytes().
class DetailedTimings : public SectionEditor
{
    Q_OBJECT
public:
    explicit DetailedTimings(QWidget* parent = nullptr);
    ~DetailedTimings() override;

    void resetFields(Byte* data, Byte* newData, int slot, bool embedded);
    virtual void initFields(const T_EDID_DETAILED_TIMING_DEF& timing, Byte* data, Byte* newData,
                            int slot, bool embedded);
    // Loads 18 descriptor bytes and writes them back in normalised form.
    virtual void initFields(const Byte* descriptor, Byte* data, Byte* newData, int slot,
                            bool embedded);
    // The current descriptor, encoded from the fields.
    void descriptorBytes(Byte* out) const;
    const T_EDID_DETAILED_TIMING_DEF& record() const { return m_record; }

    void updateUI();
    void updateSectionData();
    FieldDescriptionList describeFields() const;

signals:
    void valueChanged();

public slots:
    void loadCVTFormat(FormatDefinition format);

private slots:
    void on_pixelClockField_editingFinished();
    void on_hActiveField_editingFinished();
    void on_vActiveField_editingFinished();
    void on_hBlankField_editingFinished();
    void on_vBlankField_editingFinished();
    void on_hFrontField_editingFinished();
    void on_vFrontField_editingFinished();
    void on_hSyncField_editingFinished();
    void on_vSyncField_editingFinished();
    void on_hImSizeField_editingFinished();
    void on_vImSizeField_editingFinished();
    void on_hBorderField_editingFinished();
    void on_vBorderField_editingFinished();
    void on_interlacedCheckBox_clicked(bool checked);
    void on_syncSignalCB1_clicked(bool checked);
    void on_syncSignalCB2_clicked(bool checked);
    void on_noStereoRB_clicked();
    void on_onSyncFSRRB_clicked();
    void on_twoWayRRB_clicked();
    void on_onSyncFSLRB_clicked();
    void on_twoWayLRB_clicked();
    void on_fourWayRB_clicked();
    void on_sideBySideRB_clicked();
    void on_analogRB_clicked();
    void on_bipolAnalogRB_clicked();
    void on_digitalCompositeRB_clicked();
    void on_digitalSepRB_clicked();
    void on_CVTButton_clicked();

private:
    enum Field {
        HActive, VActive, HBlank, VBlank, HFront, VFront, HSync, VSync,
        HImSize, VImSize, HBorder, VBorder, FieldCount
    };
    void storeImages(Byte* data, Byte* newData, int slot, bool embedded);
    void fieldEdited(Field field);
    QLineEdit* lineEdit(Field field) const;
    void setStereo(int code);
    void setSyncType(int type);
    void updateSyncCaptions();
    void updateFrequencies();
    void showNumbers();
    QList<QAbstractButton*> stereoButtons() const;
    QList<QAbstractButton*> syncButtons() const;

    Ui::DetailedTimings* ui;
    Validator* m_integerValidator;
    Validator* m_decimalValidator;
    T_EDID_DETAILED_TIMING_DEF m_record;
    DetailedTimingValues m_state;
    int m_slot = 0;
    bool m_embedded = false;
};

#endif
