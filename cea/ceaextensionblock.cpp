#include "ceaextensionblock.h"

#include "ceablock.h"
#include "ceablockfactory.h"
#include "ceahelpblock.h"
#include "ceapendingblock.h"
#include "cearawblock.h"
#include "dialogs.h"
#include "hexaviewer.h"
#include "imagemodel.h"
#include "ui_ceaextensionblock.h"

#include <QListWidgetItem>

namespace {

const char kTutorial[] = ":/icons/files/resources/CEA_tuto.png";
const char kRedLabel[] = "QLabel { background-color : red; color : Black; }";

QByteArray bytesAt(const Byte* first, int count)
{
    return QByteArray(reinterpret_cast<const char*>(first), count);
}

bool collectionRevision(Word version)
{
    return version != 1 && version != 2;
}

} // namespace

CEAExtensionBlock::CEAExtensionBlock(QWidget* parent)
    : QWidget(parent), ui(new Ui::CEAExtensionBlock), m_help(new ceaHelpBlock(this))
{
    ui->setupUi(this);
    ui->blockTypeList->setSelectionMode(QAbstractItemView::SingleSelection);
    ui->mainLayout->addWidget(m_help);
    m_help->hide();
    updateUI();
}

CEAExtensionBlock::~CEAExtensionBlock()
{
    clearBlocks();
    delete ui;
}

void CEAExtensionBlock::resetFields(Byte* data, Byte* newData)
{
    m_data = data;
    m_newData = newData;
    m_emptyOffset = CEA_COLLECTION_OFFSET;
    setVersion(3);
    ui->monitorSupportWidget->resetFields(data, newData);
    ui->nativeDTDSB->setValue(0);
    clearBlocks();
    updateBlockList();
    updateUI();
}

void CEAExtensionBlock::initFields(const T_EDID_CEA_EXTENSION_DEF& record, Byte* data, Byte* newData)
{
    resetFields(data, newData);
    m_version = record.revision;
    m_emptyOffset = ceaEmptyOffset(record);
    updateUI();
    ui->monitorSupportWidget->initFields(record.monitorSupportByte(), data, newData);
    ui->nativeDTDSB->setValue(ui->monitorSupportWidget->nativeCount());
    for (const T_CEA_DATA_BLOCK_DEF& block : record.dataBlocks)
        loadDataBlock(block);
    // Timings that reach past the budget get an item of their own, so that
    // only they are left out of the bytes.
    const int fitting = record.dtdCount > 0 ? std::max(1, ceaFittingTimings(record)) : 0;
    loadTimings(fitting, record.firstDTD);
    loadTimings(record.dtdCount - fitting, record.firstDTD + fitting * CEA_DTD_SIZE);
    if (record.trailingLength > 0)
        addLoadedBlock(new CEARawBlock({CEAEntryKind::TrailingPiece, 0,
                                     bytesAt(record.trailing, record.trailingLength)}));
    ui->listWidget->setCurrentRow(-1);
    updateUI();
    HexaViewer::instance()->setCEAFlagDescription(describeFields());
    emit valueChanged();
}

// A block of a catalogue type is loaded as pending: its editor is made when
// the block is first selected. Any other block is kept as loaded.
void CEAExtensionBlock::loadDataBlock(const T_CEA_DATA_BLOCK_DEF& block)
{
    const QByteArray bytes = bytesAt(block.payload, block.length);
    const bool hasType = block.tag != 0 && (block.tag != CEA_EXTENDED_TAG_CODE || block.length > 0);
    const int index = hasType ? findBlockType(block.tag, block.length > 0 ? block.payload[0] : 0) : 0;
    const CEAEntryKind kind = block.isRawPiece() ? CEAEntryKind::CollectionPiece : CEAEntryKind::DataBlock;
    if (index != CEA_UNKNOWN)
        addLoadedBlock(new CEAPendingBlock(index, {kind, block.tag, bytes}, ui->widget));
    else
        addLoadedBlock(new CEARawBlock({kind, block.tag, bytes}));
}

void CEAExtensionBlock::loadTimings(int count, const Byte* first)
{
    if (count > 0)
        addLoadedBlock(new CEAPendingBlock(CEA_DETAILED_TIMING,
                                        {CEAEntryKind::DetailedTimings, 0, bytesAt(first, count * CEA_DTD_SIZE)},
                                        ui->widget));
}

CEABlock* CEAExtensionBlock::block(int row)
{
    auto* pending = qobject_cast<CEAPendingBlock*>(m_blocks.value(row));
    if (!pending)
        return m_blocks.value(row);
    CEABlock* editor = pending->createEditor(m_data, m_newData, ui->widget);
    if (!editor)
        editor = new CEARawBlock(pending->entry());
    installBlock(editor);
    m_blocks[row] = editor;
    delete pending;
    return editor;
}

void CEAExtensionBlock::appendBlock(CEABlock* editor)
{
    addLoadedBlock(editor);
    updateBlockList();
}

// Without a list update: that would select, and so realise, each block.
void CEAExtensionBlock::addLoadedBlock(CEABlock* editor)
{
    installBlock(editor);
    m_blocks << editor;
}

void CEAExtensionBlock::installBlock(CEABlock* editor)
{
    connect(editor, &CEABlock::displayHelp, m_help, &QWidget::setVisible);
    connect(editor, &CEABlock::valueChanged, this, &CEAExtensionBlock::onBlockValueChanged);
    editor->hide();
    ui->blockLayout->addWidget(editor);
}

void CEAExtensionBlock::clearBlocks()
{
    qDeleteAll(m_blocks);
    m_blocks.clear();
}

void CEAExtensionBlock::writeCEAHeader()
{
    ImageModel* model = m_newData ? ImageModel::owning(m_newData) : nullptr;
    if (!model)
        return;
    const Byte header[4] = {CEA_EXTENSION_TAG, Byte(m_version), CEA_COLLECTION_OFFSET,
                            ui->monitorSupportWidget->monitorByte()};
    model->write(EDID_BLOCK_SIZE, header, 4);
    HexaViewer::instance()->setCEAFlagDescription(describeFields());
}

bool CEAExtensionBlock::inCollection(const CEABlock* editor) const
{
    const CEAEntryKind kind = entryOf(editor).kind;
    return kind == CEAEntryKind::DataBlock || kind == CEAEntryKind::CollectionPiece;
}

CEAEntry CEAExtensionBlock::entryOf(const CEABlock* editor) const
{
    if (const auto* raw = qobject_cast<const CEARawBlock*>(editor))
        return raw->entry();
    if (const auto* pending = qobject_cast<const CEAPendingBlock*>(editor))
        return pending->entry();
    if (editor->blockType() == CEA_DETAILED_TIMING)
        return {CEAEntryKind::DetailedTimings, 0, editor->blockBytes()};
    return {CEAEntryKind::DataBlock, editor->tagCode(), editor->blockBytes()};
}

QByteArray CEAExtensionBlock::extensionBytes()
{
    QVector<CEAEntry> entries;
    for (const CEABlock* editor : qAsConst(m_blocks))
        entries << entryOf(editor);
    const CEASerialization out = serializeCEAExtension(
        m_version, ui->monitorSupportWidget->monitorByte(), entries, m_emptyOffset);
    const int current = ui->listWidget->currentRow();
    const QSignalBlocker blocker(ui->listWidget);
    for (int row = 0; row < out.placements.size(); ++row) {
        if (out.placements[row].counted)
            paintRow(row, out.placements[row].size, out.placements[row].written);
    }
    ui->listWidget->setCurrentRow(current);
    showTotal(out.total);
    return out.bytes;
}

void CEAExtensionBlock::paintRow(int row, int size, bool written)
{
    QListWidgetItem* item = ui->listWidget->item(row);
    if (!item)
        return;
    item->setText(QStringLiteral("%1 (size = %2)").arg(m_blocks[row]->blockTypeName()).arg(size));
    item->setBackground(written ? QColor(33, 33, 33) : QColor(Qt::red));
    item->setForeground(written ? QColor(Qt::white) : QColor(Qt::black));
}

void CEAExtensionBlock::showTotal(int total)
{
    ui->Totalsize->setText(QStringLiteral("Total size = %1/%2").arg(total).arg(CEA_SIZE_BUDGET));
    if (total <= CEA_SIZE_BUDGET) {
        ui->Totalsize->setStyleSheet(QString());
        return;
    }
    if (ui->Totalsize->styleSheet().isEmpty() && m_warningsEnabled)
        Dialogs::warning(this, "CEA extention warning",
                         "CEA Extension size exceeded.\nThe blocks in red will not be added to the EDID.");
    ui->Totalsize->setStyleSheet(kRedLabel);
}

FieldDescriptionList CEAExtensionBlock::describeFields() const
{
    return ceaFlagDescription(m_version);
}

int CEAExtensionBlock::currentBlockRow() const
{
    return ui->listWidget->currentRow();
}

void CEAExtensionBlock::setCurrentBlockRow(int row)
{
    if (row >= 0 && row < m_blocks.size())
        ui->listWidget->setCurrentRow(row);
}

void CEAExtensionBlock::updateBlockList()
{
    const int current = ui->listWidget->currentRow();
    QSignalBlocker blocker(ui->listWidget);
    ui->listWidget->clear();
    for (const CEABlock* editor : qAsConst(m_blocks)) {
        auto* item = new QListWidgetItem(editor->blockTypeName(), ui->listWidget);
        item->setHidden(!collectionRevision(m_version) && inCollection(editor));
    }
    blocker.unblock();
    const int count = ui->listWidget->count();
    ui->listWidget->setCurrentRow(current >= 0 && current < count ? current : count - 1);
    on_listWidget_currentRowChanged(ui->listWidget->currentRow());
}

void CEAExtensionBlock::updateUI()
{
    const int typeRow = ui->blockTypeList->currentRow();
    ui->blockTypeList->clear();
    if (m_version >= 1 && m_version <= 3) {
        (m_version == 1 ? ui->version1RB : m_version == 2 ? ui->version2RB : ui->version3RB)->setChecked(true);
        const bool support = m_version != 1;
        ui->monitorSupportWidget->setEnabled(support);
        ui->nativeDTDLabel->setEnabled(support);
        ui->nativeDTDSB->setEnabled(support);
        if (m_version == 3) {
            for (int index = CEA_VIDEO; index <= CEA_DETAILED_TIMING; ++index)
                ui->blockTypeList->addItem(blockTypeName(index));
        } else {
            ui->blockTypeList->addItem(blockTypeName(CEA_DETAILED_TIMING));
        }
        for (QWidget* w : {ui->blockTypeWidget, static_cast<QWidget*>(ui->removeBlockButton),
                           static_cast<QWidget*>(ui->addBlockButton), ui->blockListWidget})
            w->setEnabled(true);
    }
    updateBlockList();
    const int count = ui->blockTypeList->count();
    if (count > 0)
        ui->blockTypeList->setCurrentRow(std::min(std::max(typeRow, 0), count - 1));
}

void CEAExtensionBlock::setVersion(Word version)
{
    m_version = version;
}

void CEAExtensionBlock::rescaleTuto()
{
    if (m_tutorial.isNull())
        m_tutorial.load(kTutorial);
    if (m_tutorial.isNull())
        return;
    const QSize box = ui->noBlockLabel->size();
    const int width = box.width() > 499 ? box.width() * 4 / 5 : 400;
    const int height = box.height() > 499 ? box.height() * 4 / 5 : 400;
    ui->noBlockLabel->setPixmap(m_tutorial.scaled(width, height, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void CEAExtensionBlock::onBlockValueChanged()
{
    emit valueChanged();
}

void CEAExtensionBlock::on_version1RB_clicked()
{
    setVersion(1);
    updateUI();
    ui->monitorSupportWidget->resetFields(m_data, m_newData);
    ui->monitorSupportWidget->updateEDID();
    ui->nativeDTDSB->setValue(0);
    writeCEAHeader();
    emit valueChanged();
}

void CEAExtensionBlock::on_version2RB_clicked()
{
    setVersion(2);
    updateUI();
    writeCEAHeader();
    emit valueChanged();
}

void CEAExtensionBlock::on_version3RB_clicked()
{
    setVersion(3);
    updateUI();
    writeCEAHeader();
    emit valueChanged();
}

void CEAExtensionBlock::on_nativeDTDSB_editingFinished()
{
    ui->monitorSupportWidget->setNativeCount(Word(ui->nativeDTDSB->value()));
}

void CEAExtensionBlock::on_addBlockButton_clicked()
{
    QListWidgetItem* item = ui->blockTypeList->currentItem();
    if (!item)
        return;
    const int index = blockTypeIndexOfName(item->text());
    if (index <= CEA_UNKNOWN)
        return;
    CEABlock* editor = createBlock(index, ui->widget);
    if (!editor)
        return;
    m_emptyOffset = CEA_COLLECTION_OFFSET;
    editor->resetFields(m_data, m_newData);
    appendBlock(editor);
    ui->listWidget->setCurrentRow(m_blocks.size() - 1);
    updateBlockList();
    updateUI();
    emit valueChanged();
}

void CEAExtensionBlock::on_removeBlockButton_clicked()
{
    const int row = ui->listWidget->currentRow();
    if (row < 0 || row >= m_blocks.size())
        return;
    delete m_blocks.takeAt(row);
    updateBlockList();
    updateUI();
    emit valueChanged();
}

// Until the editor is first shown the selected block stays pending: a file
// opened at start does not build (and style) the editor of a tab not shown.
void CEAExtensionBlock::on_listWidget_currentRowChanged(int currentRow)
{
    ui->noBlockLabel->setVisible(currentRow < 0);
    if (currentRow < 0)
        m_help->hide();
    if (m_everShown)
        block(currentRow);
    for (int row = 0; row < m_blocks.size(); ++row) {
        CEABlock* editor = m_blocks[row];
        if (row != currentRow) {
            editor->hide();
            continue;
        }
        editor->show();
        m_help->setHelpText(editor->helpText());
        m_help->setVisible(editor->helpShown());
        editor->updateUI();
    }
}

void CEAExtensionBlock::on_blockTypeList_currentRowChanged(int)
{
}

void CEAExtensionBlock::showEvent(QShowEvent* event)
{
    if (!m_everShown) {
        m_everShown = true;
        on_listWidget_currentRowChanged(ui->listWidget->currentRow());
    }
    QWidget::showEvent(event);
}

void CEAExtensionBlock::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    rescaleTuto();
}
