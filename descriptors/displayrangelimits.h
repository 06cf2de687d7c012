#ifndef DISPLAYRANGELIMITS_H
#define DISPLAYRANGELIMITS_H

#include "valuedescriptoreditor.h"

namespace Ui { class DisplayRangeLimits; }
class Validator;

// Editor of the display range limits descriptor (tag 0xFD): rate and clock
// limits and the video timing support with its GTF and CVT groups.
class DisplayRangeLimits : public ValueDescriptorEditor<T_EDID_RANGE_LIMITS>
{
    Q_OBJECT
public:
    explicit DisplayRangeLimits(QWidget* parent = nullptr);
    ~DisplayRangeLimits() override;

    void initFields(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor, Byte* data, Byte* newData,
                    int slot) override;
    FieldDescriptionList describeFields() const override;
    void adaptToEDIDVersion(Word revision) override;
    // As adaptToEDIDVersion; true when the fields had to change.
    bool adaptFields(Word revision);

private slots:
    void on_minVRateField_editingFinished();
    void on_maxVRateField_editingFinished();
    void on_minHRateField_editingFinished();
    void on_maxHRateField_editingFinished();
    void on_maxPixClockField_editingFinished();
    void on_startFreqField_editingFinished();
    void on_cx2Field_editingFinished();
    void on_mField_editingFinished();
    void on_kField_editingFinished();
    void on_jx2Field_editingFinished();
    void on_pixClockPrecField_editingFinished();
    void on_maxActivePixField_editingFinished();
    void on_prefVRateField_editingFinished();
    void on_videoTimingMulti_activated(int index);
    void on_pref43ARRB_clicked();
    void on_pref169ARRB_clicked();
    void on_pref1610ARRB_clicked();
    void on_pref54ARRB_clicked();
    void on_pref159ARRB_clicked();
    void on_standBlankingCB_clicked(bool checked);
    void on_redBlankingCB_clicked(bool checked);
    void on_hShrinkCB_clicked(bool checked);
    void on_vShrinkCB_clicked(bool checked);
    void on_hStretchCB_clicked(bool checked);
    void on_vStretchCB_clicked(bool checked);
    void on_supp43ARCB_clicked(bool checked);
    void on_supp169ARCB_clicked(bool checked);
    void on_supp1610ARCB_clicked(bool checked);
    void on_supp54ARCB_clicked(bool checked);
    void on_supp159ARCB_clicked(bool checked);
    void on_revisionSB_editingFinished();
    void on_versionField_editingFinished();

private:
    enum NumberField {
        MinVRate, MaxVRate, MinHRate, MaxHRate, MaxPixClock, StartFreq, Cx2, M, K, Jx2,
        PixClockPrec, MaxActivePix, PrefVRate, NumberFieldCount
    };
    T_EDID_RANGE_LIMITS valueIn(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor) const override;
    void showValue() override;
    void writeValue(Byte* descriptor) const override;
    void numberEdited(NumberField field);
    int fieldMax(NumberField field) const;
    QLineEdit* lineEdit(NumberField field) const;
    void showNumbers();
    void showTimingSupport();
    void showTimingGroups();
    void showCvtControls();
    void setFlag(bool T_EDID_RANGE_LIMITS::*flag, bool checked);
    void setPreferredAspect(int aspect);
    void resetCvtBlock();
    void limitRatesToOneByte();

    Ui::DisplayRangeLimits* ui;
    Validator* m_integerValidator;
    Word m_revision = 3;
};

#endif
