#include "displaydescriptor.h"

#include "hexaviewer.h"
#include "imagemodel.h"
#include "revision.h"
#include "sectiondescriptions.h"
#include "ui_displaydescriptor.h"

#include <QColor>
#include <QLayout>
#include <QPointer>
#include <cstring>
#include <utility>

namespace {

const QColor kLoadedTypeColor(238, 134, 24);
const QColor kPlainColor(255, 255, 255);

bool isRevision4Type(int type)
{
    return type >= DESC_DCM && type <= DESC_ESTABLISHED_TIMINGS_III;
}

} // namespace

DisplayDescriptor::DisplayDescriptor(QWidget* parent)
    : QGroupBox(parent), ui(new Ui::DisplayDescriptor)
{
    ui->setupUi(this);
    m_unknownView.setWordWrap(true);
    addEditor(&m_placeholder);
    addEditor(&m_unknownView);
    m_unknownView.hide();
}

DisplayDescriptor::~DisplayDescriptor()
{
    delete ui;
}

void DisplayDescriptor::addEditor(QWidget* editor)
{
    ui->editorLayout->addWidget(editor);
    editor->hide();
}

QWidget* DisplayDescriptor::madeEditorWidget(T_EDID_DISPLAY_DESCRIPTORS type)
{
    switch (type) {
    case DESC_UNUSED: return &m_placeholder;
    case DESC_DETAILED_TIMING: return m_detailedTimings.get();
    case DESC_UNKNOWN: return &m_unknownView;
    default: return createdEditor(type);
    }
}

// The editor of the type, made if it is not yet.
QWidget* DisplayDescriptor::editorWidget(T_EDID_DISPLAY_DESCRIPTORS type)
{
    if (type == DESC_DETAILED_TIMING)
        return &detailedTimings();
    if (QWidget* made = madeEditorWidget(type))
        return made;
    return descriptorEditor(type);
}

DetailedTimings& DisplayDescriptor::detailedTimings()
{
    if (!m_detailedTimings) {
        m_detailedTimings = std::make_unique<DetailedTimings>(ui->editorArea);
        addEditor(m_detailedTimings.get());
        if (m_newData)
            m_detailedTimings->resetFields(m_data, m_newData, m_slot, false);
        loadPending(DESC_DETAILED_TIMING);
    }
    return *m_detailedTimings;
}

DescriptorEditor* DisplayDescriptor::createdEditor(T_EDID_DISPLAY_DESCRIPTORS type) const
{
    return type >= 0 && type < DESCRIPTOR_TYPE_COUNT ? m_editors[type].get() : nullptr;
}

namespace {

// Made in the widget that lays them out: moving a made editor there would
// restyle every control of it again.
std::unique_ptr<DescriptorEditor> makeEditor(T_EDID_DISPLAY_DESCRIPTORS type, QWidget* area)
{
    switch (type) {
    case DESC_SERIAL_NUMBER: return std::make_unique<DisplayDescSerialNumber>(area);
    case DESC_DATA_STRING: return std::make_unique<DisplayDescDataString>(area);
    case DESC_RANGE_LIMITS: return std::make_unique<DisplayRangeLimits>(area);
    case DESC_PRODUCT_NAME: return std::make_unique<DisplayDescProductName>(area);
    case DESC_COLOR_POINT: return std::make_unique<DisplayDescColorPointData>(area);
    case DESC_STANDARD_TIMINGS: return std::make_unique<DisplayDescStandTimings>(area);
    case DESC_DCM: return std::make_unique<DisplayDescDCM>(area);
    case DESC_CVT_TIMINGS: return std::make_unique<DisplayDescCVTTimings>(area);
    case DESC_ESTABLISHED_TIMINGS_III: return std::make_unique<DisplayDescEstabTimings>(area);
    default: return nullptr;
    }
}

} // namespace

DescriptorEditor* DisplayDescriptor::descriptorEditor(T_EDID_DISPLAY_DESCRIPTORS type)
{
    if (DescriptorEditor* editor = createdEditor(type))
        return editor;
    std::unique_ptr<DescriptorEditor> editor = makeEditor(type, ui->editorArea);
    if (!editor)
        return nullptr;
    addEditor(editor.get());
    if (m_newData)
        editor->resetFields(m_data, m_newData, m_slot);
    m_editors[type] = std::move(editor);
    loadPending(type);
    return m_editors[type].get();
}

// Loads the descriptor kept for the editor of `type`, just made. Its
// description replaces the outline without showing the section, as the
// slot was described when the document was loaded.
void DisplayDescriptor::loadPending(T_EDID_DISPLAY_DESCRIPTORS type)
{
    if (!m_pending || m_pending->type != type)
        return;
    const T_EDID_DISPLAY_DESCRIPTOR_DEF descriptor = *std::exchange(m_pending, std::nullopt);
    // Polished and laid out before it loads, as an editor shown when it is
    // made: a combo box keeps the width of the items it first had.
    QWidget* editor = madeEditorWidget(type);
    editor->ensurePolished();
    if (QLayout* layout = editor->layout())
        layout->activate();
    HexaViewer::instance()->describeQuietly([&] {
        if (type == DESC_DETAILED_TIMING)
            m_detailedTimings->initFields(descriptor.detailedTiming, m_data, m_newData, m_slot, false);
        else
            createdEditor(type)->initFields(descriptor, m_data, m_newData, m_slot);
    });
}

void DisplayDescriptor::describePending()
{
    if (m_pending && m_pending->type == m_type)
        editorWidget(m_type);
}

DisplayRangeLimits& DisplayDescriptor::rangeLimits()
{
    return *static_cast<DisplayRangeLimits*>(descriptorEditor(DESC_RANGE_LIMITS));
}

void DisplayDescriptor::setLabel(const QString& text)
{
    setTitle(text);
}

// The editor of a type is made when the slot is shown with that type or
// when something needs it; a hidden slot only switches made editors.
void DisplayDescriptor::showType(T_EDID_DISPLAY_DESCRIPTORS type)
{
    if (QWidget* current = madeEditorWidget(m_type))
        current->hide();
    m_type = type;
    if (QWidget* shown = isVisible() ? editorWidget(m_type) : madeEditorWidget(m_type))
        shown->show();
}

void DisplayDescriptor::showEvent(QShowEvent* event)
{
    QGroupBox::showEvent(event);
    if (QWidget* shown = editorWidget(m_type))
        shown->show();
}

void DisplayDescriptor::setItemColor(int index, const QColor& color)
{
    if (index >= 0 && index < ui->monitorDescMulti->count())
        ui->monitorDescMulti->setItemData(index, color, Qt::ForegroundRole);
}

void DisplayDescriptor::addRevision4Items()
{
    if (ui->monitorDescMulti->count() > 9)
        return;
    for (int type = DESC_DCM; type <= DESC_ESTABLISHED_TIMINGS_III; ++type)
        ui->monitorDescMulti->addItem(descriptorTypeName(type));
}

void DisplayDescriptor::resetFields(Byte* data, Byte* newData, int slot)
{
    m_data = data;
    m_newData = newData;
    m_slot = slot;
    m_unknownView.hide();
    if (m_detailedTimings) {
        m_detailedTimings->hide();
        m_detailedTimings->resetFields(data, newData, slot, false);
    }
    for (int type = DESC_SERIAL_NUMBER; type <= DESC_ESTABLISHED_TIMINGS_III; ++type) {
        if (DescriptorEditor* editor = createdEditor(T_EDID_DISPLAY_DESCRIPTORS(type))) {
            editor->hide();
            editor->resetFields(data, newData, slot);
        }
    }
    std::memset(m_unknownBytes, 0, sizeof m_unknownBytes);
    m_pending.reset();
    ui->monitorDescMulti->setCurrentIndex(0);
    setItemColor(m_loadedType, kPlainColor);
    m_type = DESC_UNUSED;
    m_placeholder.show();
}

void DisplayDescriptor::initFields(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor, Byte* data,
                                   Byte* newData, int slot, bool locked)
{
    resetFields(data, newData, slot);
    // The combo box must hold the item of a loaded 1.4 type before it can
    // show it; the revision rules remove it again from a 1.3 document.
    if (isRevision4Type(descriptor.type))
        addRevision4Items();
    m_loadedType = descriptor.type;
    if (descriptor.type == DESC_UNKNOWN)
        keepUnknownDescriptor(descriptor);
    else if (descriptor.type == DESC_UNUSED)
        HexaViewer::instance()->setDescriptorDescription(slot, unusedDescriptorDescription());
    else
        keepPending(descriptor);
    showType(descriptor.type);
    ui->monitorDescMulti->setEnabled(!locked);
    if (descriptor.type == DESC_UNKNOWN) {
        ui->monitorDescMulti->setCurrentIndex(-1);
        return;
    }
    ui->monitorDescMulti->setCurrentIndex(descriptor.type);
    setItemColor(descriptor.type, kLoadedTypeColor);
    ui->monitorDescMulti->setItemText(descriptor.type, ui->monitorDescMulti->itemText(descriptor.type));
}

// The editor loads the descriptor when it is made; until then the hex
// viewer has the outline of the descriptor and a way to ask for the rest.
void DisplayDescriptor::keepPending(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor)
{
    m_pending = descriptor;
    if (madeEditorWidget(descriptor.type)) {
        loadPending(descriptor.type);
        return;
    }
    QPointer<DisplayDescriptor> self(this);
    HexaViewer::instance()->setPendingDescriptorDescription(
        m_slot, displayDescriptorDescription(descriptor), [self] {
            if (self)
                self->describePending();
        });
}

void DisplayDescriptor::keepUnknownDescriptor(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor)
{
    std::memcpy(m_unknownBytes, descriptor.raw, DESCRIPTOR_SIZE);
    m_unknownView.setText(QStringLiteral("%1 descriptor: its 18 bytes are kept as loaded until a type is chosen.")
                              .arg(unknownDescriptorName(m_unknownBytes[3])));
    HexaViewer::instance()->setDescriptorDescription(m_slot, unknownDescription());
}

FieldDescriptionList DisplayDescriptor::unknownDescription() const
{
    return unknownDescriptorDescription(m_unknownBytes);
}

void DisplayDescriptor::setLockedType(T_EDID_DISPLAY_DESCRIPTORS type)
{
    showType(type);
    ui->monitorDescMulti->setCurrentIndex(type);
    updateCurrentBlock();
    ui->monitorDescMulti->setEnabled(false);
}

void DisplayDescriptor::setType(T_EDID_DISPLAY_DESCRIPTORS type)
{
    showType(type);
}

void DisplayDescriptor::updateCurrentBlock()
{
    if (m_type == DESC_UNUSED)
        writeDummyDescriptor();
    else if (m_type == DESC_DETAILED_TIMING)
        detailedTimings().updateSectionData();
    else if (DescriptorEditor* editor = descriptorEditor(m_type))
        editor->updateCurrentBlock();
    else if (m_type == DESC_UNKNOWN)
        writeUnknownDescriptor();
}

void DisplayDescriptor::on_monitorDescMulti_activated(int index)
{
    if (index < 0 || index >= DESCRIPTOR_TYPE_COUNT)
        return;
    showType(T_EDID_DISPLAY_DESCRIPTORS(index));
    // A slot of another block may have shown range limits at another revision.
    if (m_type == DESC_RANGE_LIMITS)
        rangeLimits().adaptToEDIDVersion(currentRevision());
    updateCurrentBlock();
}

void DisplayDescriptor::writeDescriptor(const Byte* bytes, const FieldDescriptionList& description)
{
    ImageModel* model = m_newData ? ImageModel::owning(m_newData) : nullptr;
    if (!model)
        return;
    model->write(descriptorOffset(m_slot), bytes, DESCRIPTOR_SIZE);
    HexaViewer::instance()->setDescriptorDescription(m_slot, description);
}

void DisplayDescriptor::writeDummyDescriptor()
{
    Byte dummy[DESCRIPTOR_SIZE];
    writeDummyDescriptorBytes(dummy);
    writeDescriptor(dummy, unusedDescriptorDescription());
}

void DisplayDescriptor::writeUnknownDescriptor()
{
    writeDescriptor(m_unknownBytes, unknownDescription());
}

void DisplayDescriptor::adaptToEDIDVersion(Word revision, bool rewrite)
{
    // Range limits are rewritten only when the revision changed what they
    // hold (a 1.4-only timing support, rates above 255), so that a switch
    // and its way back leave an unaffected slot exactly as it was. Range
    // limits still to load need nothing on load: their editor is made at
    // the revision of the document and loads a descriptor decoded for it.
    const bool stillToLoad = m_pending && m_pending->type == DESC_RANGE_LIMITS;
    if (m_type == DESC_RANGE_LIMITS && (rewrite || !stillToLoad)) {
        if (rangeLimits().adaptFields(revision) && rewrite)
            rangeLimits().updateCurrentBlock();
    }
    if (revision != 3) {
        addRevision4Items();
        for (int index = DESC_COLOR_POINT; index <= DESC_ESTABLISHED_TIMINGS_III; ++index)
            setItemColor(index, kPlainColor);
        return;
    }
    if (isRevision4Type(m_type)) {
        ui->monitorDescMulti->setCurrentIndex(DESC_UNUSED);
        on_monitorDescMulti_activated(DESC_UNUSED);
    }
    for (int index = DESC_ESTABLISHED_TIMINGS_III; index >= DESC_DCM; --index) {
        if (index < ui->monitorDescMulti->count())
            ui->monitorDescMulti->removeItem(index);
    }
}
