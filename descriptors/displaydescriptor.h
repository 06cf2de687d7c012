#ifndef DISPLAYDESCRIPTOR_H
#define DISPLAYDESCRIPTOR_H

#include "edidrecords.h"

#include "detailedtimings.h"
#include "displaydesccolorpointdata.h"
#include "displaydesccvttimings.h"
#include "displaydescdatastring.h"
#include "displaydescdcm.h"
#include "displaydescestabtimings.h"
#include "displaydescproductname.h"
#include "displaydescserialnumber.h"
#include "displaydescstandtimings.h"
#include "displayrangelimits.h"

#include <QGroupBox>
#include <QLabel>
#include <memory>
#include <optional>

namespace Ui { class DisplayDescriptor; }

// One 18-byte descriptor slot of the base block ("Block 1" to "Block 4"):
// the type combo box and, below it, the editor of the current type.
class DisplayDescriptor : public QGroupBox
{
    Q_OBJECT
public:
    explicit DisplayDescriptor(QWidget* parent = nullptr);
    ~DisplayDescriptor() override;

    void setLabel(const QString& text);
    void resetFields(Byte* data, Byte* newData, int slot);
    void initFields(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor, Byte* data, Byte* newData,
                    int slot, bool locked);
    void setLockedType(T_EDID_DISPLAY_DESCRIPTORS type);
    void setType(T_EDID_DISPLAY_DESCRIPTORS type);
    void updateCurrentBlock();
    void writeDummyDescriptor();
    void adaptToEDIDVersion(Word revision, bool rewrite);

    T_EDID_DISPLAY_DESCRIPTORS currentType() const { return m_type; }
    T_EDID_DISPLAY_DESCRIPTORS loadedType() const { return m_loadedType; }

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void on_monitorDescMulti_activated(int index);

private:
    QWidget* editorWidget(T_EDID_DISPLAY_DESCRIPTORS type);
    QWidget* madeEditorWidget(T_EDID_DISPLAY_DESCRIPTORS type);
    void loadPending(T_EDID_DISPLAY_DESCRIPTORS type);
    void describePending();
    DescriptorEditor* descriptorEditor(T_EDID_DISPLAY_DESCRIPTORS type);
    DetailedTimings& detailedTimings();
    DisplayRangeLimits& rangeLimits();
    DescriptorEditor* createdEditor(T_EDID_DISPLAY_DESCRIPTORS type) const;
    void addEditor(QWidget* editor);
    void showType(T_EDID_DISPLAY_DESCRIPTORS type);
    void addRevision4Items();
    void setItemColor(int index, const QColor& color);
    void keepPending(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor);
    void keepUnknownDescriptor(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor);
    void writeUnknownDescriptor();
    void writeDescriptor(const Byte* bytes, const FieldDescriptionList& description);
    FieldDescriptionList unknownDescription() const;

    Ui::DisplayDescriptor* ui;
    QWidget m_placeholder;
    QLabel m_unknownView;
    // The editors of the descriptor types, made the first time a type is
    // shown in this slot: most slots only ever show one or two of them.
    std::unique_ptr<DetailedTimings> m_detailedTimings;
    std::unique_ptr<DescriptorEditor> m_editors[DESCRIPTOR_TYPE_COUNT];
    // The loaded descriptor while the editor of its type is not made: a
    // slot that is not shown makes it only when it is shown or needed.
    std::optional<T_EDID_DISPLAY_DESCRIPTOR_DEF> m_pending;

    Byte* m_data = nullptr;
    Byte* m_newData = nullptr;
    int m_slot = 0;
    T_EDID_DISPLAY_DESCRIPTORS m_type = DESC_UNUSED;
    T_EDID_DISPLAY_DESCRIPTORS m_loadedType = DESC_UNUSED;
    Byte m_unknownBytes[DESCRIPTOR_SIZE] = {};
};

#endif
