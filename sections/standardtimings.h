#ifndef STANDARDTIMINGS_H
#define STANDARDTIMINGS_H

#include "edidrecords.h"
#include "sectioneditor.h"

namespace Ui { class StandardTimings; }
class StandardTimingItem;

// Editor of bytes 38-53: the eight standard timing codes, one item each.
class StandardTimings : public SectionEditor
{
    Q_OBJECT
public:
    explicit StandardTimings(QWidget* parent = nullptr);
    ~StandardTimings() override;

    // `timings` points to the eight decoded entries.
    void initFields(const T_EDID_STANDARD_TIMING* timings, Byte* data, Byte* newData);
    void resetFields(Byte* data, Byte* newData);
    // Writes all eight entries (used after a new image was built).
    void updateSectionData();

    StandardTimingItem* item(int index) const { return m_items[index]; }

private:
    Ui::StandardTimings* ui;
    StandardTimingItem* m_items[STANDARD_TIMING_COUNT];
};

#endif
