#ifndef ENTRYLISTEDITOR_H
#define ENTRYLISTEDITOR_H

#include "descriptoreditor.h"

#include <QGridLayout>

// Editor of a descriptor that holds several alike entries, each edited (and
// written) by its own entry editor laid out in a grid.
class EntryListEditor : public DescriptorEditor
{
    Q_OBJECT
public:
    void resetFields(Byte* data, Byte* newData, int slot) override;
    void initFields(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor, Byte* data, Byte* newData,
                    int slot) override;
    void updateCurrentBlock() override;
    FieldDescriptionList describeFields() const override;

protected:
    EntryListEditor(const QString& title, const char* typeName, QWidget* parent);

    // Adds `count` editors of type Entry, constructed with their position.
    template <typename Entry>
    void addEntries(int count, int columns)
    {
        auto* grid = new QGridLayout(this);
        for (int i = 0; i < count; ++i) {
            m_entries << new Entry(i, this);
            grid->addWidget(m_entries.last(), i / columns, i % columns);
        }
    }

private:
    const char* m_typeName;
    QList<DescriptorEditor*> m_entries;
};

#endif
