#include "ceaextensionblock.h"

#include "ceablock.h"
#include "ceablockfactory.h"
#include "ceahelpblock.h"
#include "ceamonitorsupport.h"
#include "cearawblock.h"
#include "dialogs.h"
#include "hexaviewer.h"
#include "ui_ceaextensionblock.h"

#include <QListWidgetItem>
#include <QScopedValueRollback>

#include <algorithm>

namespace {

const char kTutorial[] = ":/icons/files/resources/CEA_tuto.png";
const char kRedLabel[] = "QLabel { background-color : red; color : Black; }";

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
    connect(&m_model, &CEAExtensionModel::changed, this, &CEAExtensionBlock::onModelChanged);
    connect(ui->monitorSupportWidget, &CEAMonitorSupport::monitorByteChanged, &m_model,
            &CEAExtensionModel::setMonitorByte);
    updateUI();
}

CEAExtensionBlock::~CEAExtensionBlock()
{
    clearViews();
    delete ui;
}

void CEAExtensionBlock::resetFields(Byte* data, Byte* newData)
{
    const QScopedValueRollback<bool> loading(m_loading, true);
    clearViews();
    m_model.reset();
    ui->monitorSupportWidget->resetFields(data, newData);
    ui->nativeDTDSB->setValue(0);
    updateUI();
}

void CEAExtensionBlock::initFields(const T_EDID_CEA_EXTENSION_DEF& record, Byte* data, Byte* newData)
{
    resetFields(data, newData);
    {
        const QScopedValueRollback<bool> loading(m_loading, true);
        m_model.load(record);
    }
    ui->monitorSupportWidget->initFields(m_model.monitorByte(), data, newData);
    ui->nativeDTDSB->setValue(ui->monitorSupportWidget->nativeCount());
    ui->listWidget->setCurrentRow(-1);
    updateUI();
    HexaViewer::instance()->setCEAFlagDescription(describeFields());
    emit valueChanged();
}

void CEAExtensionBlock::writeCEAHeader()
{
    HexaViewer::instance()->setCEAFlagDescription(describeFields());
    emit valueChanged();
}

QByteArray CEAExtensionBlock::extensionBytes() const
{
    return m_model.serialize().bytes;
}

FieldDescriptionList CEAExtensionBlock::describeFields() const
{
    return ceaFlagDescription(version());
}

// The view of an entry is made from its bytes. One whose editor would not
// give the bytes back exactly stays a raw item, so that opening and saving
// never changes a block the user did not edit.
CEABlock* CEAExtensionBlock::makeView(int row)
{
    const int index = m_model.catalogueIndex(row);
    CEABlock* view = createBlock(index, ui->widget);
    if (view) {
        view->setExtension(&m_model);
        if (!view->loadEntry(m_model.entry(row))) {
            delete view;
            view = nullptr;
            m_model.keepRaw(row);
        }
    }
    if (!view)
        view = new CEARawBlock(m_model.entry(row), m_model.name(row), ui->widget);
    installBlock(view);
    return view;
}

CEABlock* CEAExtensionBlock::block(int row)
{
    if (row < 0 || row >= m_views.size())
        return nullptr;
    if (!m_views[row])
        m_views[row] = makeView(row);
    return m_views[row];
}

void CEAExtensionBlock::installBlock(CEABlock* view)
{
    connect(view, &CEABlock::displayHelp, m_help, &QWidget::setVisible);
    connect(view, &CEABlock::valueChanged, this, &CEAExtensionBlock::onBlockValueChanged);
    view->hide();
    ui->blockLayout->addWidget(view);
}

void CEAExtensionBlock::clearViews()
{
    qDeleteAll(m_views);
    m_views.clear();
}

// Repaints the list from the model and hands the change on to the
// document, except while the editor itself loads or resets the model.
void CEAExtensionBlock::onModelChanged()
{
    // Loaded entries get their views when first shown.
    while (m_views.size() < m_model.count())
        m_views << nullptr;
    const CEASerialization layout = m_model.serialize();
    if (ui->listWidget->count() != m_model.count()) {
        updateBlockList();
    } else {
        const QSignalBlocker blocker(ui->listWidget);
        paintRows(layout);
    }
    showTotal(layout.total);
    if (!m_loading)
        emit valueChanged();
}

void CEAExtensionBlock::onBlockValueChanged()
{
    auto* view = qobject_cast<CEABlock*>(sender());
    const int row = m_views.indexOf(view);
    if (!view || row < 0)
        return;
    m_model.setBytes(row, view->blockBytes());
    // The block, now written, described in the hex viewer.
    const CEAEntryPlacement placement = m_model.serialize().placements.value(row);
    if (placement.written)
        HexaViewer::instance()->describeDataBlockAt(EDID_BLOCK_SIZE + placement.offset);
}

// Rows the revision leaves out are hidden and keep their text.
void CEAExtensionBlock::paintRows(const CEASerialization& layout)
{
    const bool collection = collectionRevision(version());
    const int rows = std::min(ui->listWidget->count(), layout.placements.size());
    for (int row = 0; row < rows; ++row) {
        QListWidgetItem* item = ui->listWidget->item(row);
        const CEAEntryPlacement& placement = layout.placements.at(row);
        item->setHidden(!collection && m_model.inCollection(row));
        if (!placement.counted)
            continue;
        item->setText(QStringLiteral("%1 (size = %2)").arg(m_model.name(row)).arg(placement.size));
        item->setBackground(placement.written ? QColor(33, 33, 33) : QColor(Qt::red));
        item->setForeground(placement.written ? QColor(Qt::white) : QColor(Qt::black));
    }
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

int CEAExtensionBlock::currentBlockRow() const
{
    return ui->listWidget->currentRow();
}

void CEAExtensionBlock::setCurrentBlockRow(int row)
{
    if (row >= 0 && row < m_model.count())
        ui->listWidget->setCurrentRow(row);
}

void CEAExtensionBlock::updateBlockList()
{
    const int current = ui->listWidget->currentRow();
    QSignalBlocker blocker(ui->listWidget);
    ui->listWidget->clear();
    for (int row = 0; row < m_model.count(); ++row)
        new QListWidgetItem(m_model.name(row), ui->listWidget);
    paintRows(m_model.serialize());
    const int count = ui->listWidget->count();
    ui->listWidget->setCurrentRow(current >= 0 && current < count ? current : count - 1);
    blocker.unblock();
    on_listWidget_currentRowChanged(ui->listWidget->currentRow());
}

void CEAExtensionBlock::updateUI()
{
    const Word revision = version();
    const int typeRow = ui->blockTypeList->currentRow();
    ui->blockTypeList->clear();
    if (revision >= 1 && revision <= 3) {
        (revision == 1 ? ui->version1RB : revision == 2 ? ui->version2RB : ui->version3RB)->setChecked(true);
        const bool support = revision != 1;
        ui->monitorSupportWidget->setEnabled(support);
        ui->nativeDTDLabel->setEnabled(support);
        ui->nativeDTDSB->setEnabled(support);
        if (revision == 3) {
            for (int index = CEA_VIDEO; index < CEA_BLOCK_TYPE_COUNT; ++index)
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

// The model's change notice repaints the rows and reaches the document.
void CEAExtensionBlock::setVersion(Word version)
{
    m_model.setRevision(version);
    updateUI();
    HexaViewer::instance()->setCEAFlagDescription(describeFields());
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

// Revision 1 has no monitor support byte: flags and native count go first.
void CEAExtensionBlock::on_version1RB_clicked()
{
    ui->monitorSupportWidget->resetFields(nullptr, nullptr);
    ui->nativeDTDSB->setValue(0);
    ui->monitorSupportWidget->updateEDID();
    setVersion(1);
}

void CEAExtensionBlock::on_version2RB_clicked()
{
    setVersion(2);
}

void CEAExtensionBlock::on_version3RB_clicked()
{
    setVersion(3);
}

void CEAExtensionBlock::on_nativeDTDSB_editingFinished()
{
    ui->monitorSupportWidget->setNativeCount(Word(ui->nativeDTDSB->value()));
}

// A new block's view gives the entry its first bytes.
void CEAExtensionBlock::on_addBlockButton_clicked()
{
    QListWidgetItem* item = ui->blockTypeList->currentItem();
    if (!item)
        return;
    const int index = blockTypeIndexOfName(item->text());
    CEABlock* view = index > CEA_UNKNOWN ? createBlock(index, ui->widget) : nullptr;
    if (!view)
        return;
    view->setExtension(&m_model);
    view->resetFields(nullptr, nullptr);
    installBlock(view);
    m_views << view;
    const int row = m_model.append(index, view->blockBytes());
    ui->listWidget->setCurrentRow(row);
    updateUI();
}

void CEAExtensionBlock::on_removeBlockButton_clicked()
{
    const int row = ui->listWidget->currentRow();
    if (row < 0 || row >= m_views.size())
        return;
    delete m_views.takeAt(row);
    m_model.remove(row);
    updateUI();
}

// Until the editor is first shown the selected row has no view: a file
// opened at start does not build (and style) the editor of a tab not shown.
void CEAExtensionBlock::on_listWidget_currentRowChanged(int currentRow)
{
    ui->noBlockLabel->setVisible(currentRow < 0);
    if (currentRow < 0)
        m_help->hide();
    if (m_everShown)
        block(currentRow);
    for (int row = 0; row < m_views.size(); ++row) {
        CEABlock* view = m_views[row];
        if (!view)
            continue;
        if (row != currentRow) {
            view->hide();
            continue;
        }
        view->show();
        m_help->setHelpText(view->helpText());
        m_help->setVisible(view->helpShown());
        view->updateUI();
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
