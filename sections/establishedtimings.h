#ifndef ESTABLISHEDTIMINGS_H
#define ESTABLISHEDTIMINGS_H

#include "edidrecords.h"
#include "sectioneditor.h"

namespace Ui { class EstablishedTimings; }
class QCheckBox;

// Editor of bytes 35-37: one check box per established timing and one for
// the manufacturer's timing; the manufacturer's reserved bits are kept.
class EstablishedTimings : public SectionEditor
{
    Q_OBJECT
public:
    explicit EstablishedTimings(QWidget* parent = nullptr);
    ~EstablishedTimings() override;

    void initFields(const T_EDID_ESTABLISHED_TIMINGS& record, Byte* data, Byte* newData);
    void resetFields(Byte* data, Byte* newData);
    void updateUI();
    // Writes bytes 35-37 and refreshes `changedByte` in the hex viewer.
    void updateSectionData(int changedByte);

private slots:
    void on_estabTimingI1_clicked(bool checked);
    void on_estabTimingI2_clicked(bool checked);
    void on_estabTimingI3_clicked(bool checked);
    void on_estabTimingI4_clicked(bool checked);
    void on_estabTimingI5_clicked(bool checked);
    void on_estabTimingI6_clicked(bool checked);
    void on_estabTimingI7_clicked(bool checked);
    void on_estabTimingI8_clicked(bool checked);
    void on_estabTimingII1_clicked(bool checked);
    void on_estabTimingII2_clicked(bool checked);
    void on_estabTimingII3_clicked(bool checked);
    void on_estabTimingII4_clicked(bool checked);
    void on_estabTimingII5_clicked(bool checked);
    void on_estabTimingII6_clicked(bool checked);
    void on_estabTimingII7_clicked(bool checked);
    void on_estabTimingII8_clicked(bool checked);
    void on_manufTimingCB_clicked(bool checked);

private:
    void setTimingI(int bit, bool checked);
    void setTimingII(int bit, bool checked);
    FieldDescriptionList describeFields() const;

    Ui::EstablishedTimings* ui;
    QCheckBox* m_boxesI[8];
    QCheckBox* m_boxesII[8];
    T_EDID_ESTABLISHED_TIMINGS m_record;
    T_EDID_ESTABLISHED_TIMINGS m_state;
};

#endif
