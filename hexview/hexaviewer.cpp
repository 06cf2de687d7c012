#include "hexaviewer.h"
#include "stageclock.h"
#include "ui_hexaviewer.h"

#include "decodeddocument.h"
#include "floatinghexaviewer.h"
#include "imagemodel.h"
#include "sectiondescriptions.h"

#include <QComboBox>
#include <QHeaderView>
#include <QListView>
#include <QScopedValueRollback>
#include <QStringListModel>
#include <utility>

namespace {

const QColor kCellBackground("#ADADAE");
// The cells of a block past the image, which no edit reaches.
const QColor kReadOnlyBackground("#C8C8CA");
const QColor kChangedText(255, 0, 0);
const int kGridRows = 16;
const int kBlockRows = EDID_BLOCK_SIZE / 16;
const int kMinimumRowHeight = 18;

struct ToolTipRange {
    int last;
    const char* text;
};

const ToolTipRange kToolTips[] = {
    {7, "Header"}, {9, "ID Manufacturer Name"}, {11, "ID Product Code"},
    {15, "ID Serial Number"}, {16, "Week of Manufacture"}, {17, "Year of Manufacture"},
    {18, "EDID Version Number"}, {19, "EDID Revision Number"}, {20, "Video Input Definition"},
    {21, "H. Screen Size"}, {22, "V. Screen Size"}, {23, "Gamma"}, {24, "Feature Support"},
    {34, "Color Characteristics"}, {36, "Established Timings"}, {37, "Manufacturer Timing"},
    {53, "Standard Timings"}, {71, "Preferred Timing Block"}, {89, "Descriptor Block 2"},
    {107, "Descriptor Block 3"}, {125, "Descriptor Block 4"}, {126, "Extension count"},
    {127, "Checksum"}, {255, "Extension Data"},
};

QString hexText(Byte value)
{
    return QString("%1").arg(value, 2, 16, QChar('0')).toUpper();
}

// The deepest decoded section that holds byte `index`.
const DecodedNode& sectionAt(const DecodedNode& node, int index)
{
    for (const DecodedNode& child : node.children) {
        if (index >= child.offset && index < child.offset + child.length)
            return sectionAt(child, index);
    }
    return node;
}

// The narrowest field read from byte `index`: a timing's sync details
// rather than the whole timing.
int fieldRowAt(const DecodedNode& node, int index)
{
    int found = -1;
    for (int row = 0; row < node.fields.size(); ++row) {
        const DecodedField& field = node.fields.at(row);
        const bool covers = index >= field.offset && index < field.offset + field.length;
        if (covers && (found < 0 || field.length < node.fields.at(found).length))
            found = row;
    }
    return found;
}

QString sizeTextOf(int bytes)
{
    return bytes == 1 ? QStringLiteral("Size: 1 Byte") : QStringLiteral("Size: %1 Bytes").arg(bytes);
}

} // namespace

HexaViewer* HexaViewer::instance()
{
    static HexaViewer* viewer = new HexaViewer;
    return viewer;
}

HexaViewer::HexaViewer(QWidget* parent)
    : QWidget(parent),
      m_labelsModel(new QStringListModel(this)),
      m_valuesModel(new QStringListModel(this))
{
    m_descriptions[HeaderSection] = headerDescription();
    m_descriptions[ChecksumSection] = checksumDescription();
}

// Builds the form and shows in it what was kept: a start that never shows
// the hex view does not pay for its grid of 256 cells.
void HexaViewer::ensureForm()
{
    if (ui)
        return;
    // The form sets a default size; keep one given before.
    const bool resized = testAttribute(Qt::WA_Resized);
    const QSize given = size();
    ui = new Ui::HexaViewer;
    ui->setupUi(this);
    if (resized)
        resize(given);
    ui->labelsView->setModel(m_labelsModel);
    ui->valuesView->setModel(m_valuesModel);
    setupGrid();
    showCells();
    updateBlockSelector();
    if (m_cellChosen)
        ui->displayByteArray->setCurrentCell(0, 0);
    if (m_sectionShown) {
        ui->blockNameField->setText(imageSection(m_shownSection).name);
        ui->sizeLabel->setText(imageSection(m_shownSection).size);
    }
}

Ui::HexaViewer* HexaViewer::formOf()
{
    ensureForm();
    return ui;
}

QTableWidget* HexaViewer::grid()
{
    ensureForm();
    return ui->displayByteArray;
}

HexaViewer::~HexaViewer()
{
    delete ui;
}

void HexaViewer::setupGrid()
{
    QTableWidget* grid = ui->displayByteArray;
    QStringList columns, rows;
    for (int i = 0; i < 16; ++i) {
        columns << hexText(Byte(i));
        rows << hexText(Byte(i * 16));
    }
    grid->setHorizontalHeaderLabels(columns);
    grid->setVerticalHeaderLabels(rows);
    for (QHeaderView* header : {grid->horizontalHeader(), grid->verticalHeader()}) {
        header->setEnabled(false);
        header->setSectionResizeMode(QHeaderView::Stretch);
    }
    // Sixteen rows fit beside the problems list on a small screen.
    grid->verticalHeader()->setMinimumSectionSize(kMinimumRowHeight);
    for (int i = 0; i < EDID_IMAGE_SIZE; ++i) {
        auto* item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignCenter);
        item->setBackground(kCellBackground);
        item->setToolTip(toolTipOfByte(i));
        grid->setItem(i / 16, i % 16, item);
    }
}

void HexaViewer::setCell(int index, Byte value, bool changed)
{
    m_cells[index] = {value, changed ? Cell::Changed : Cell::Unchanged};
    if (ui && m_block == 0)
        showCell(index);
}

void HexaViewer::showCell(int index)
{
    const Cell& cell = m_cells[index];
    QTableWidgetItem* item = ui->displayByteArray->item(index / 16, index % 16);
    if (cell.value >= 0)
        item->setText(hexText(Byte(cell.value)));
    if (cell.mark != Cell::NoMark)
        item->setForeground(cell.mark == Cell::Changed ? kChangedText : QColor(Qt::black));
}

void HexaViewer::showCells()
{
    for (int i = 0; i < EDID_IMAGE_SIZE; ++i)
        showCell(i);
    paintHighlight(Qt::white);
}

// The cell of file byte `index`; null when the grid shows another block.
QTableWidgetItem* HexaViewer::itemOfByte(int index) const
{
    const int cell = index - firstShownByte();
    const int cells = m_block == 0 ? EDID_IMAGE_SIZE : EDID_BLOCK_SIZE;
    if (cell < 0 || cell >= cells)
        return nullptr;
    return ui->displayByteArray->item(cell / 16, cell % 16);
}

QColor HexaViewer::cellBackground() const
{
    return m_block == 0 ? kCellBackground : kReadOnlyBackground;
}

void HexaViewer::paintHighlight(const QColor& colour)
{
    const int first = qMax(m_highlightFirst, firstShownByte());
    for (int i = first; i >= 0 && i <= m_highlightLast; ++i) {
        QTableWidgetItem* item = itemOfByte(i);
        if (!item)
            break;
        item->setBackground(colour);
    }
}

void HexaViewer::setData(const Byte* newData)
{
    StageClock clock("hex viewer fill");
    for (int i = 0; i < EDID_IMAGE_SIZE; ++i)
        setCell(i, newData[i], false);
    m_saved = nullptr;
    m_working = newData;
    if (m_floating)
        m_floating->setData(newData);
    m_cellChosen = true;
    showBlock(0);
    if (ui)
        ui->displayByteArray->setCurrentCell(0, 0);
    showSection(HeaderSection);
}

void HexaViewer::refreshBytes(const Byte* data, const Byte* newData, int first, int last)
{
    if (!newData)
        return;
    auto refresh = [&](int i) { setCell(i, newData[i], data && data[i] != newData[i]); };
    for (int i = qMax(first, 0); i <= qMin(last, EDID_IMAGE_SIZE - 1); ++i)
        refresh(i);
    refresh(127);
    m_saved = data;
    m_working = newData;
    if (m_floating)
        m_floating->refreshBytes(data, newData, first, last);
}

void HexaViewer::setModel(const ImageModel* model)
{
    if (m_model)
        disconnect(m_model.data(), nullptr, this, nullptr);
    m_model = model;
    if (!model)
        return;
    connect(model, &ImageModel::changed, this, [this](int first, int last) {
        refreshBytes(m_model->savedImage(), m_model->workingImage(), first, last);
    });
}

void HexaViewer::highlightBytes(int first, int last)
{
    if (ui)
        paintHighlight(cellBackground());
    m_highlightFirst = first;
    m_highlightLast = last;
    if (ui)
        paintHighlight(Qt::white);
}

void HexaViewer::setExtensionLayout(bool on)
{
    m_extensionLayout = on;
}

void HexaViewer::clearChangeMarks()
{
    for (int i = 0; i < EDID_IMAGE_SIZE; ++i) {
        m_cells[i].mark = Cell::Unchanged;
        if (ui && m_block == 0)
            showCell(i);
    }
    if (m_floating)
        m_floating->clearChangeMarks();
}

void HexaViewer::setDescription(Section section, const FieldDescriptionList& list)
{
    m_pendingDescriptions[section] = nullptr;
    m_descriptions[section] = list;
    if (!m_quiet)
        showSection(section);
}

void HexaViewer::setPendingDescriptorDescription(int slot, const FieldDescriptionList& outline,
                                                 std::function<void()> describe)
{
    if (slot < 0 || slot >= 4)
        return;
    const Section section = Section(DescriptorSection0 + slot);
    m_descriptions[section] = outline;
    m_pendingDescriptions[section] = std::move(describe);
}

void HexaViewer::describeQuietly(const std::function<void()>& describe)
{
    QScopedValueRollback<bool> quiet(m_quiet, true);
    describe();
}

// Taken out before it runs: the editor it makes replaces it while it runs.
void HexaViewer::resolvePending(Section section)
{
    if (const std::function<void()> describe = std::exchange(m_pendingDescriptions[section], nullptr))
        describeQuietly(describe);
}

FieldDescriptionList HexaViewer::description(Section section)
{
    resolvePending(section);
    return m_descriptions[section];
}

void HexaViewer::setVendorProductDescription(const FieldDescriptionList& list)
{
    setDescription(VendorProductSection, list);
}

void HexaViewer::setVersionDescription(const FieldDescriptionList& list)
{
    setDescription(VersionSection, list);
}

void HexaViewer::setDisplayParametersDescription(const FieldDescriptionList& list)
{
    setDescription(DisplayParametersSection, list);
}

void HexaViewer::setColorCharacteristicsDescription(const FieldDescriptionList& list)
{
    setDescription(ColorSection, list);
}

void HexaViewer::setEstablishedTimingsDescription(const FieldDescriptionList& list)
{
    setDescription(EstablishedSection, list);
}

void HexaViewer::setStandardTimingsDescription(const FieldDescriptionList& list)
{
    setDescription(StandardSection, list);
}

void HexaViewer::setDescriptorDescription(int slot, const FieldDescriptionList& list)
{
    if (slot >= 0 && slot < 4)
        setDescription(Section(DescriptorSection0 + slot), list);
}

void HexaViewer::setExtensionCountDescription(const FieldDescriptionList& list)
{
    setDescription(ExtensionCountSection, list);
}

void HexaViewer::setCEAFlagDescription(const FieldDescriptionList& list)
{
    setDescription(CEAFlagSection, list);
}

void HexaViewer::setCEAMonitorSupportDescription(const FieldDescriptionList& list)
{
    setDescription(CEAMonitorSupportSection, list);
}

// An image section is shown on the image: an editor that hands over its
// description while a later block is shown brings the image back.
void HexaViewer::showSection(Section section)
{
    resolvePending(section);
    if (m_block != 0)
        showBlock(0);
    const ImageSection& info = imageSection(section);
    highlightBytes(info.first, info.last);
    if (ui) {
        ui->blockNameField->setText(info.name);
        ui->sizeLabel->setText(info.size);
    }
    showLists(m_descriptions[section]);
    m_shownSection = section;
    m_sectionShown = true;
    m_shownDecodedByte = -1;
}

void HexaViewer::showLists(const FieldDescriptionList& list)
{
    QStringList labels, values;
    for (const FieldDescription& pair : list) {
        labels << pair.first;
        values << pair.second;
    }
    m_labelsModel->setStringList(labels);
    m_valuesModel->setStringList(values);
    m_shownFieldRow = -1;
}

// A byte of a later block: the deepest section of the decode holding it,
// with the field that reads the byte chosen in the lists.
void HexaViewer::showDecodedSection(int index)
{
    const DecodedNode* block = m_decoded ? m_decoded->blockNode(index / EDID_BLOCK_SIZE) : nullptr;
    if (!block)
        return;
    const DecodedNode& node = sectionAt(*block, index);
    highlightBytes(node.offset, node.offset + node.length - 1);
    ui->blockNameField->setText(node.name);
    ui->sizeLabel->setText(sizeTextOf(node.length));
    showLists(node.pairs());
    m_shownDecodedByte = index;
    m_shownFieldRow = fieldRowAt(node, index);
    for (QListView* view : {ui->labelsView, ui->valuesView}) {
        const QModelIndex row = view->model()->index(m_shownFieldRow, 0);
        view->setCurrentIndex(row);
        if (row.isValid())
            view->scrollTo(row);
    }
}

// A byte of the data blocks and timings of a CTA-861 extension: the data
// block or timing that the decode finds there, field by field (byte 254
// too, which a timing may end on). False for a byte no block or timing
// holds (padding).
bool HexaViewer::showDecodedDataBlock(int index)
{
    const DecodedNode* extension = m_decoded ? m_decoded->blockNode(1) : nullptr;
    if (!extension || &sectionAt(*extension, index) == extension)
        return false;
    showDecodedSection(index);
    m_shownSection = CEADescriptorBlocksSection;
    m_sectionShown = true;
    return true;
}

HexaViewer::Section HexaViewer::sectionOfByte(int index, bool extensionLayout)
{
    return ::sectionOfByte(index, extensionLayout);
}

QString HexaViewer::toolTipOfByte(int index)
{
    for (const ToolTipRange& range : kToolTips) {
        if (index <= range.last)
            return range.text;
    }
    return QString();
}

void HexaViewer::on_displayByteArray_cellClicked(int row, int column)
{
    chooseByte(firstShownByte() + row * 16 + column);
}

// As a click on the byte's cell: its section described, its value converted.
void HexaViewer::chooseByte(int index)
{
    const Section section = sectionOfByte(index, m_extensionLayout);
    if (m_block != 0)
        showDecodedSection(index);
    else if ((section != CEADescriptorBlocksSection && section != CEAPaddingSection)
             || !showDecodedDataBlock(index))
        showSection(section);
    QTableWidgetItem* item = itemOfByte(index);
    if (!item)
        return;
    const QString text = item->text();
    const int value = text.toInt(nullptr, 16);
    ui->hexaValueField->setText(text);
    ui->decimalValueField->setText(QString::number(value));
    ui->asciiValueField->setText(QString(QChar(value)));
}

void HexaViewer::showBytes(int first, int last)
{
    ensureForm();
    const int block = first < EDID_IMAGE_SIZE ? 0 : first / EDID_BLOCK_SIZE;
    if (!showBlock(block))
        return;
    chooseByte(first);
    highlightBytes(first, qMax(first, last));
    if (QTableWidgetItem* item = itemOfByte(first)) {
        ui->displayByteArray->setCurrentItem(item);
        ui->displayByteArray->scrollToItem(item);
    }
}

void HexaViewer::setDecodedDocument(DecodedDocument* decoded)
{
    if (m_decoded)
        disconnect(m_decoded.data(), nullptr, this, nullptr);
    m_decoded = decoded;
    if (decoded)
        connect(decoded, &DecodedDocument::decoded, this, &HexaViewer::onDecoded);
    if (ui)
        updateBlockSelector();
}

// One entry for the image, one for every block after it. Shown only when
// the document holds such blocks.
void HexaViewer::updateBlockSelector()
{
    if (!ui)
        return;
    QStringList names = {QStringLiteral("Blocks 0-1")};
    const int blocks = m_decoded ? m_decoded->blockCount() : 0;
    for (int block = 2; block < blocks; ++block) {
        const DecodedNode* node = m_decoded->blockNode(block);
        names << (node ? node->name : QStringLiteral("Block %1").arg(block));
    }
    QComboBox* selector = ui->blockMulti;
    QStringList shown;
    for (int i = 0; i < selector->count(); ++i)
        shown << selector->itemText(i);
    if (shown != names) {
        const QSignalBlocker blocker(selector);
        selector->clear();
        for (int i = 0; i < names.size(); ++i)
            selector->addItem(names.at(i), i == 0 ? 0 : i + 1);
    }
    const bool later = names.size() > 1;
    ui->blockLabel->setVisible(later);
    selector->setVisible(later);
    if (!showBlock(m_block))
        showBlock(0);
}

void HexaViewer::onDecoded()
{
    updateBlockSelector();
    if (ui && m_shownDecodedByte >= 0)
        describeDataBlockAt(m_shownDecodedByte);
}

void HexaViewer::describeDataBlockAt(int index)
{
    if (!ui)
        return;
    if (index >= EDID_IMAGE_SIZE) {
        if (showBlock(index / EDID_BLOCK_SIZE))
            showDecodedSection(index);
        return;
    }
    if (m_block != 0)
        showBlock(0);
    if (!showDecodedDataBlock(index))
        showSection(sectionOfByte(index, m_extensionLayout));
}

void HexaViewer::on_blockMulti_activated(int index)
{
    const int block = ui->blockMulti->itemData(index).toInt();
    if (!showBlock(block))
        return;
    // The block's first byte, as if clicked.
    chooseByte(firstShownByte());
    ui->displayByteArray->setCurrentCell(0, 0);
}

bool HexaViewer::showBlock(int block)
{
    if (block != 0) {
        ensureForm();
        if (block < 2 || !m_decoded || block >= m_decoded->blockCount())
            return false;
    }
    if (ui && block != m_block) {
        paintHighlight(cellBackground());
        m_block = block;
        if (block == 0)
            showImageCells();
        else
            showBlockCells();
    }
    m_block = block;
    if (ui) {
        const QSignalBlocker blocker(ui->blockMulti);
        ui->blockMulti->setCurrentIndex(qMax(0, ui->blockMulti->findData(block)));
        ui->readOnlyLabel->setVisible(block != 0);
    }
    return true;
}

// Row labels give the offset of the first byte of their row.
void HexaViewer::showImageCells()
{
    QTableWidget* grid = ui->displayByteArray;
    QStringList rows;
    for (int row = 0; row < kGridRows; ++row) {
        rows << hexText(Byte(row * 16));
        grid->setRowHidden(row, false);
    }
    grid->setVerticalHeaderLabels(rows);
    for (int i = 0; i < EDID_BLOCK_SIZE; ++i) {
        QTableWidgetItem* item = grid->item(i / 16, i % 16);
        item->setBackground(kCellBackground);
        item->setToolTip(toolTipOfByte(i));
    }
    showCells();
}

// The block in the upper eight rows, each cell named after its section.
void HexaViewer::showBlockCells()
{
    QTableWidget* grid = ui->displayByteArray;
    const QByteArray& bytes = m_decoded->bytes();
    const DecodedNode* node = m_decoded->blockNode(m_block);
    const int base = firstShownByte();
    QStringList rows;
    for (int row = 0; row < kGridRows; ++row) {
        rows << QString::number(base + row * 16, 16).toUpper();
        grid->setRowHidden(row, row >= kBlockRows);
    }
    grid->setVerticalHeaderLabels(rows);
    for (int i = 0; i < EDID_BLOCK_SIZE; ++i) {
        QTableWidgetItem* item = grid->item(i / 16, i % 16);
        const int index = base + i;
        item->setText(index < bytes.size() ? hexText(Byte(bytes.at(index))) : QString());
        item->setForeground(QColor(Qt::black));
        item->setBackground(kReadOnlyBackground);
        item->setToolTip(node ? sectionAt(*node, index).name : QString());
    }
    paintHighlight(Qt::white);
}

QString HexaViewer::blockName() const
{
    return const_cast<HexaViewer*>(this)->formOf()->blockNameField->text();
}

QString HexaViewer::sizeText() const
{
    return const_cast<HexaViewer*>(this)->formOf()->sizeLabel->text();
}

QStringList HexaViewer::shownLabels() const
{
    return m_labelsModel->stringList();
}

QStringList HexaViewer::shownValues() const
{
    return m_valuesModel->stringList();
}

QString HexaViewer::conversionText(int field) const
{
    const Ui::HexaViewer* form = const_cast<HexaViewer*>(this)->formOf();
    const QLineEdit* fields[] = {form->hexaValueField, form->decimalValueField, form->asciiValueField};
    return fields[qBound(0, field, 2)]->text();
}

// The floating grid is made when first asked for, from the bytes last shown.
FloatingHexaViewer* HexaViewer::floatingViewer()
{
    if (m_floating)
        return m_floating;
    m_floating = new FloatingHexaViewer(this);
    if (m_working) {
        m_floating->setData(m_working);
        m_floating->refreshBytes(m_saved, m_working, 0, EDID_IMAGE_SIZE - 1);
    }
    return m_floating;
}

void HexaViewer::openFloating(const QString& styleSheet)
{
    floatingViewer();
    m_floating->setStyleSheet(styleSheet);
    m_floating->setOpen(true);
    // Frameless and always on top (0x40800), still a window of its own.
    m_floating->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    m_floating->show();
}

void HexaViewer::showFloating(bool visible)
{
    setFocus();
    if (m_floating && m_floating->isOpen())
        m_floating->setVisible(visible);
}

void HexaViewer::closeFloating()
{
    if (!m_floating)
        return;
    m_floating->setOpen(false);
    m_floating->close();
}
