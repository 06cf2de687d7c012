#ifndef STANDARDTIMINGITEM_H
#define STANDARDTIMINGITEM_H

#include "edidrecords.h"
#include "sectioneditor.h"

namespace Ui { class StandardTimingItem; }
class QLineEdit;
class Validator;

// One of the eight standard timing codes of the base block (bytes
// 36 + 2 * entry and 37 + 2 * entry).
class StandardTimingItem : public SectionEditor
{
    Q_OBJECT
public:
    explicit StandardTimingItem(QWidget* parent = nullptr);
    ~StandardTimingItem() override;

    void initFields(const T_EDID_STANDARD_TIMING& timing, Byte* data, Byte* newData, int entry);
    void resetFields(Byte* data, Byte* newData, int entry);
    void updateUI();
    void updateSectionData();

private slots:
    void on_enableCB_clicked(bool checked);
    void on_hActiveField_editingFinished();
    void on_refreshField_editingFinished();
    void on_aspectRatioMulti_activated(int index);

private:
    void setEntry(int entry);
    int checkField(QLineEdit* field, int min, int max, int step, const QString& message);
    FieldDescriptionList describeFields() const;

    Ui::StandardTimingItem* ui;
    Validator* m_digits;
    T_EDID_STANDARD_TIMING m_record;
    T_EDID_STANDARD_TIMING m_state;
    int m_entry = 1;
};

#endif
