#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "dialogs.h"
#include "edithistory.h"
#include "edidrecords.h"
#include "fileaccess.h"
#include "hexaviewer.h"
#include "imagefile.h"
#include "imageload.h"
#include "loadboxes.h"
#include "ceaextension.h"
#include "newfiledialog.h"
#include "recentfiles.h"
#include "stageclock.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QScrollArea>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QUndoStack>
#include <cstring>

namespace {

const char* const kTitle = "VQ ZAVO Zozezi";
const char* const kTitlePrefix = "VQ ZAVO Zozezi - ";
const int kCEATabIndex = 2;
const char kGeometryKey[] = "WindowGeometry";
// The automatic update check starts this long after the window is made.
const int kUpdateCheckDelayMs = 500;

QString withoutExtension(const QString& path)
{
    const int dot = path.lastIndexOf('.');
    return dot < 0 ? path : path.left(dot);
}

QMessageBox* preparedBox(const QString& title, QMessageBox::StandardButtons buttons,
                         const QString& styleSheet)
{
    auto* box = new QMessageBox(QMessageBox::Warning, title, QString(), buttons);
    box->setWindowFlags(box->windowFlags() | Qt::WindowStaysOnTopHint);
    box->setStyleSheet(styleSheet);
    return box;
}

} // namespace

// The resources are compiled into a static library; make sure they are linked.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent),
      ui(new Ui::MainWindow),
      m_styleSheet(readStyleSheet()),
      m_settings(new QSettings("Velquin", "VQZAVOZozezi", this)),
      m_recent(nullptr),
      m_history(nullptr),
      m_logo(new QLabel),
      m_cornerLogo(new QLabel),
      m_ceaTab(new QScrollArea)
{
    initResources();
    {
        StageClock clock("window form");
        ui->setupUi(this);
    }
    restoreWindowGeometry();
    m_recent = new RecentFiles(m_settings, ui->menuRecent, this);
    connect(m_recent, &RecentFiles::openRequested, this, &MainWindow::openRecent);
    setupHistory();
    setAcceptDrops(true);
    m_currentPath = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    setupLogos();
    auto* ceaArea = static_cast<QScrollArea*>(m_ceaTab);
    ceaArea->setWidgetResizable(true);
    // In the tabs' page stack from the start, as after the tab is removed:
    // inserting the tab then moves nothing.
    ceaArea->setParent(ui->standardTab->parentWidget());
    ceaArea->hide();
    m_updateUrl = m_settings->value("UpdateUrl", m_updateUrl).toUrl();
    // Once the window is up: the check must not delay its first paint.
    QTimer::singleShot(kUpdateCheckDelayMs, this, &MainWindow::sendUpdateRequest);
}

MainWindow::~MainWindow()
{
    // The hex viewer outlives every window; the editors belong to the document.
    HexaViewer::instance()->setParent(nullptr);
    static_cast<QScrollArea*>(m_ceaTab)->takeWidget();
    delete ui;
}

Edid& MainWindow::document()
{
    if (!m_edid) {
        Edid::Hosts hosts;
        hosts.baseSections = ui->standardContents;
        hosts.descriptors = ui->detailedContents;
        m_edid = std::make_unique<Edid>(hosts);
    }
    return *m_edid;
}

void MainWindow::restoreWindowGeometry()
{
    if (restoreGeometry(m_settings->value(kGeometryKey).toByteArray()))
        return;
    resize(1250, 650);
    move(0, 6);
}

void MainWindow::setupHistory()
{
    m_history = new EditHistory(&m_model, [this] { reshowDocument(); }, this);
    QUndoStack* stack = m_history->stack();
    ui->actionUndo->setShortcut(QKeySequence::Undo);
    ui->actionRedo->setShortcut(QKeySequence::Redo);
    ui->actionUndo->setEnabled(false);
    ui->actionRedo->setEnabled(false);
    connect(stack, &QUndoStack::canUndoChanged, ui->actionUndo, &QAction::setEnabled);
    connect(stack, &QUndoStack::canRedoChanged, ui->actionRedo, &QAction::setEnabled);
}

void MainWindow::on_actionUndo_triggered()
{
    commitPendingEdit();
    m_history->undo();
}

void MainWindow::on_actionRedo_triggered()
{
    commitPendingEdit();
    m_history->redo();
}

// After undo or redo: every editor shows the model's bytes again, as at
// opening, keeping the tab and the extension block the user is on.
void MainWindow::reshowDocument()
{
    QWidget* tab = ui->dataTabs->currentWidget();
    const int ceaRow = document().ceaExtension().currentBlockRow();
    T_EDID_DEF decoded;
    decodeBaseBlock(m_model.workingImage(), decoded);
    document().setRestoring(true);
    showDocument(decoded);
    document().setRestoring(false);
    document().ceaExtension().setCurrentBlockRow(ceaRow);
    const int index = ui->dataTabs->indexOf(tab);
    ui->dataTabs->setCurrentIndex(index < 0 ? 0 : index);
}

// The style sheet of the whole program, set once on the application before
// any editor exists: setting it on the window instead would polish every
// editor again when it moves into its tab.
QString MainWindow::readStyleSheet()
{
    StageClock clock("style sheet");
    initResources();
    QFile file(":/others/style.qss");
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QByteArray text = file.readAll();
    const int nul = text.indexOf('\0');
    if (nul >= 0)
        text.truncate(nul);
    const QString styleSheet = QString::fromLatin1(text);
    if (qApp->styleSheet() != styleSheet)
        qApp->setStyleSheet(styleSheet);
    Dialogs::setStyleSheet(styleSheet);
    return styleSheet;
}

void MainWindow::setupLogos()
{
    m_logo->setParent(ui->centralWidget);
    m_logo->setObjectName("logo");
    // The picture is decoded when the start screen is first polished, before
    // its first layout: a start with a file never shows it.
    m_logo->installEventFilter(this);
    m_logo->setMaximumSize(475, 350);
    m_logo->setScaledContents(true);
    m_logo->setAlignment(Qt::AlignCenter);
    ui->centralLayout->addWidget(m_logo, 0, Qt::AlignCenter);

    m_cornerLogo->setParent(ui->centralWidget);
    m_cornerLogo->setObjectName("cornerLogo");
    m_cornerLogo->setPixmap(QPixmap(":/icons/files/resources/logo-banc-VQ-140.png"));
    m_cornerLogo->setMaximumSize(140, 21);
    m_cornerLogo->setAlignment(Qt::AlignRight | Qt::AlignTop);
    m_cornerLogo->hide();
    ui->dataTabs->hide();
}

// Puts the editors into the tabs the first time a document is shown.
void MainWindow::showEditors()
{
    StageClock clock("editors into tabs");
    delete m_logo;
    m_logo = nullptr;
    ui->column1Layout->addWidget(&document().vendorProductID());
    ui->column1Layout->addWidget(&document().videoInput());
    ui->column1Layout->addWidget(&document().transferCharacteristics());
    ui->column1Layout->addStretch();
    ui->column2Layout->addWidget(&document().screenSize());
    ui->column2Layout->addWidget(&document().featureSupport());
    ui->column2Layout->addStretch();
    ui->column3Layout->addWidget(&document().colorCharacteristics());
    ui->column3Layout->addWidget(&document().establishedTimings());
    ui->column3Layout->addStretch();
    ui->column4Layout->addWidget(&document().standardTimings());
    ui->column4Layout->addStretch();
    // The hex viewer follows the bytes from the first document on.
    HexaViewer::instance()->setModel(&m_model);
    setupProblems();
    // The other tabs get their editors when first shown: until then nothing
    // needs to lay them out.
    connect(ui->dataTabs, &QTabWidget::currentChanged, this, &MainWindow::fillTab);
    ui->dataTabs->show();
    m_cornerLogo->show();
    m_cornerLogo->raise();
    m_noDocument = false;
    for (QAction* action : {ui->actionSave_As, ui->actionSaveAsTool, ui->actionCEA_861_EB,
                            ui->actionHexa_Viewer, ui->actionHexaViewerTool,
                            ui->actionExport_Hexa_Array})
        action->setEnabled(true);
    resizeEvent(nullptr);
}

void MainWindow::fillTab(int index)
{
    QWidget* tab = ui->dataTabs->widget(index);
    if (tab == ui->detailedTab && ui->detailedLayout->isEmpty()) {
        for (int slot = 0; slot < 4; ++slot)
            ui->detailedLayout->addWidget(&document().descriptor(slot), slot / 2, slot % 2);
        ui->detailedLayout->setColumnStretch(0, 1);
        ui->detailedLayout->setColumnStretch(1, 1);
    } else if (tab == ui->hexaTab && ui->hexaLayout->isEmpty()) {
        HexaViewer* viewer = HexaViewer::instance();
        viewer->ensureForm();
        ui->hexaLayout->addWidget(viewer);
    } else if (tab == m_ceaTab) {
        auto* area = static_cast<QScrollArea*>(m_ceaTab);
        if (!area->widget())
            area->setWidget(&document().ceaExtension());
    }
}

void MainWindow::commitPendingEdit()
{
    QWidget* focused = focusWidget();
    setFocus(Qt::OtherFocusReason);
    // Without an active window no focus-out event is delivered; send one so
    // that a line edit still being edited writes its value first.
    if (focused && focused != this && !isActiveWindow()) {
        QFocusEvent focusOut(QEvent::FocusOut, Qt::OtherFocusReason);
        QCoreApplication::sendEvent(focused, &focusOut);
    }
}

void MainWindow::setSaveEnabled(bool enabled)
{
    ui->actionSave->setEnabled(enabled);
    ui->actionSaveTool->setEnabled(enabled);
}

bool MainWindow::isModified() const
{
    return m_model.isModified();
}

bool MainWindow::maybeSave()
{
    if (!isModified())
        return true;
    QMessageBox box(QMessageBox::Warning, "File edited", "The document has been modified",
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.setInformativeText("Would you like to save changes?");
    box.setWindowFlags(box.windowFlags() | Qt::WindowStaysOnTopHint);
    box.setStyleSheet(m_styleSheet);
    switch (Dialogs::execBox(box)) {
    case QMessageBox::Yes:
        // A cancelled or failed save abandons the command: nothing is lost.
        on_actionSave_As_triggered();
        return !isModified();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

// Reads a file into a separate buffer; the document and both images change
// only once the base block has been accepted. A file that cannot be opened
// is ignored; one that is not a regular file or is too large is never read
// and the box says why.
bool MainWindow::openFile(const char* path)
{
    const QString name = QString::fromLocal8Bit(path);
    const FileRead file = readInputFile(name);
    if (file.failure == ReadFailure::NotRegular || file.failure == ReadFailure::TooLarge)
        Dialogs::warning(this, "Open error", QString("The file %1 was not opened: %2.")
                                                 .arg(QDir::toNativeSeparators(name), file.error));
    if (!file.ok())
        return false;
    if (!acceptImage(file.bytes, isTextDumpName(name))) {
        Dialogs::warning(this, "EDID error",
                         "VQ ZAVO Zozezi cannot display EDID data. The selected file might be "
                         "corrupted or invalid");
        return false;
    }
    m_untitled = false;
    m_currentPath = name;
    setWindowTitle(kTitlePrefix + name);
    m_recent->add(name);
    return true;
}

void MainWindow::openArgument(const char* path)
{
    if (openFile(path) && isTextDumpName(QString::fromLocal8Bit(path)))
        setSaveEnabled(false);
}

// The one road of a file into the editor: the core reads, checks and
// corrects the bytes; the window shows the corrections and then the bytes.
bool MainWindow::acceptImage(const QByteArray& content, bool textDump)
{
    LoadedImage image;
    if (!loadImage(content, textDump, image).isEmpty())
        return false;
    showLoadedImage(image);
    return true;
}

void MainWindow::showLoadedImage(const LoadedImage& image)
{
    showLoadBoxes(image.corrections);
    m_model.load(image);
    T_EDID_DEF decoded;
    decodeBaseBlock(m_model.workingImage(), decoded);
    loadDocument(decoded);
}

void MainWindow::loadDocument(const T_EDID_DEF& decoded)
{
    dismissSwitchQuestion();
    if (m_noDocument)
        showEditors();
    setSaveEnabled(true);
    showDocument(decoded);
    ui->dataTabs->setCurrentIndex(0);
    m_history->reset();
}

void MainWindow::showDocument(const T_EDID_DEF& decoded)
{
    HexaViewer* viewer = HexaViewer::instance();
    viewer->setData(m_model.workingImage());
    documentReplaced();
    document().setImages(m_model.savedImage(), m_model.workingImage());
    {
        StageClock clock("document load");
        document().initFields(decoded);
    }
    viewer->refreshBytes(m_model.savedImage(), m_model.workingImage(), 0, EDID_IMAGE_SIZE - 1);
    // The callers choose the tab shown afterwards.
    if (document().hasCEAExtension()) {
        ui->actionCEA_861_EB->setChecked(true);
        insertCEATab();
    } else if (ui->actionCEA_861_EB->isChecked()) {
        ui->actionCEA_861_EB->setChecked(false);
        removeCEATab();
    }
    const bool rev3 = document().versionRecord().revision() == 3;
    (rev3 ? ui->rev3RB : ui->rev4RB)->setChecked(true);
    document().adaptToEDIDVersion(false);
}

bool MainWindow::writeFile(const QString& path, const QByteArray& bytes)
{
    const QString error = writeOutputFile(path, bytes);
    if (error.isEmpty())
        return true;
    Dialogs::warning(this, "Save error",
                     QString("The file %1 could not be written:\n%2").arg(QDir::toNativeSeparators(path), error));
    return false;
}

bool MainWindow::saveFile(const QString& path)
{
    commitPendingEdit();
    if (!writeFile(path, m_model.fileBytes()))
        return false;
    HexaViewer::instance()->clearChangeMarks();
    m_model.markSaved();
    m_history->stack()->setClean();
    return true;
}

void MainWindow::openFromDialog(const QString& caption, const QString& dir,
                                const QString& filter, bool alwaysDisableSave)
{
    commitPendingEdit();
    if (!m_noDocument && !maybeSave())
        return;
    const QString name = Dialogs::getOpenFileName(this, caption, dir, filter);
    if (name.isEmpty())
        return;
    if (openFile(name.toLocal8Bit().constData()) && (alwaysDisableSave || isTextDumpName(name)))
        setSaveEnabled(false);
}

void MainWindow::on_actionOpen_triggered()
{
    openFromDialog("Open File", m_currentPath, "Binary Files (*.bin);;All (*.*)", false);
}

void MainWindow::on_actionOpenTool_triggered()
{
    on_actionOpen_triggered();
}

void MainWindow::on_actionImport_triggered()
{
    openFromDialog("Open File", QDir::currentPath(), "DAT Files (*.dat);;EDID files (*.edid)",
                   true);
}

void MainWindow::on_actionSave_triggered()
{
    if (m_noDocument)
        return;
    if (m_untitled)
        on_actionSave_As_triggered();
    else
        saveFile(m_currentPath);
}

void MainWindow::on_actionSaveTool_triggered()
{
    on_actionSave_triggered();
}

void MainWindow::on_actionSave_As_triggered()
{
    if (m_noDocument)
        return;
    commitPendingEdit();
    QString name = Dialogs::getSaveFileName(this, "Save As", withoutExtension(m_currentPath),
                                            "Binary Files (*.bin)");
    if (name.isEmpty())
        return;
    if (!name.endsWith(".bin"))
        name += ".bin";
    if (!saveFile(name))
        return;
    m_currentPath = name;
    setWindowTitle(kTitlePrefix + name);
    m_untitled = false;
    m_recent->add(name);
}

void MainWindow::on_actionSaveAsTool_triggered()
{
    on_actionSave_As_triggered();
}

void MainWindow::on_actionNew_triggered()
{
    commitPendingEdit();
    if (!m_noDocument && !maybeSave())
        return;
    closeFloatingViewer();
    NewFileDialog dialog(this);
    dialog.setStyleSheet(m_styleSheet);
    Dialogs::execDialog(dialog);
    const int revision = dialog.revision();
    if (revision == 0)
        return;
    dismissSwitchQuestion();
    m_currentPath.clear();
    m_untitled = true;
    (revision == 3 ? ui->rev3RB : ui->rev4RB)->setChecked(true);
    setWindowTitle(QString(kTitlePrefix) + "New EDID File");
    m_model.clear();
    if (m_noDocument)
        showEditors();
    setSaveEnabled(true);
    document().setImages(m_model.savedImage(), m_model.workingImage());
    document().versionRecord().setRevision(Word(revision));
    document().adaptToEDIDVersion(false);
    document().buildNewImage();
    if (ui->actionCEA_861_EB->isChecked()) {
        ui->actionCEA_861_EB->setChecked(false);
        removeCEATab();
        document().setCEAExtension(0);
    }
    m_model.markSaved();
    HexaViewer::instance()->setData(m_model.workingImage());
    documentReplaced();
    ui->dataTabs->setCurrentIndex(0);
    m_history->reset();
}

void MainWindow::on_action_New_Tool_triggered()
{
    on_actionNew_triggered();
}

void MainWindow::on_actionExit_triggered()
{
    commitPendingEdit();
    close();
}

void MainWindow::on_actionExport_Hexa_Array_triggered()
{
    if (m_noDocument)
        return;
    const QString name = Dialogs::getSaveFileName(this, "Export", withoutExtension(m_currentPath),
                                                  "DAT File (*.dat)");
    if (name.isEmpty())
        return;
    commitPendingEdit();
    writeFile(name, writeTextDump(m_model.fileBytes()));
}

void MainWindow::on_actionCEA_861_EB_triggered(bool checked)
{
    if (!checked) {
        if (ui->dataTabs->count() <= 3)
            return;
        if (!confirmCEAChange(QString(), "Do you really want to remove the CEA Extension block and all its data?")) {
            ui->actionCEA_861_EB->setChecked(true);
            return;
        }
        removeCEATab();
        ui->dataTabs->setCurrentIndex(0);
        document().setCEAExtension(0);
        return;
    }
    if (!document().hasCEAExtension()) {
        if (document().extensionCount() != 0 && !isCEAExtension(m_model.savedImage() + EDID_BLOCK_SIZE)
            && !confirmCEAChange("An other extension than CEA has been detected.",
                                 "Replace it by CEA Extension?")) {
            ui->actionCEA_861_EB->setChecked(false);
            return;
        }
        document().setCEAExtension(1);
    }
    insertCEATab();
    ui->dataTabs->setCurrentIndex(kCEATabIndex);
}

// The box is made only when there is a question: showing a loaded
// extension asks nothing.
bool MainWindow::confirmCEAChange(const QString& text, const QString& question)
{
    QScopedPointer<QMessageBox> box(preparedBox("Warning", QMessageBox::Ok | QMessageBox::Cancel,
                                                m_styleSheet));
    if (!text.isEmpty())
        box->setText(text);
    box->setInformativeText(question);
    return Dialogs::execBox(*box) == QMessageBox::Ok;
}

void MainWindow::insertCEATab()
{
    if (ui->dataTabs->indexOf(m_ceaTab) < 0)
        ui->dataTabs->insertTab(kCEATabIndex, m_ceaTab, "CEA Extension");
}

void MainWindow::removeCEATab()
{
    const int index = ui->dataTabs->indexOf(m_ceaTab);
    if (index >= 0)
        ui->dataTabs->removeTab(index);
}

void MainWindow::on_rev3RB_released()
{
    if (document().versionRecord().revision() == 4)
        askSwitchVersion("Switch to EDID Version 1 Revision 3?", &MainWindow::switchToRev3,
                         &MainWindow::switchToRev4);
}

void MainWindow::on_rev4RB_released()
{
    if (document().versionRecord().revision() == 3)
        askSwitchVersion("Switch to EDID Version 1 Revision 4?", &MainWindow::switchToRev4,
                         &MainWindow::switchToRev3);
}

// Non-blocking: the program stays usable while the question is open, and
// each answer applies its own revision when it arrives.
void MainWindow::askSwitchVersion(const QString& text, void (MainWindow::*yesSlot)(),
                                  void (MainWindow::*noSlot)())
{
    if (m_switchQuestion) {
        m_switchQuestion->raise();
        m_switchQuestion->activateWindow();
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Question, "Switch version", text);
    // A message box is application modal from its construction on.
    box->setWindowModality(Qt::NonModal);
    box->setStyleSheet(m_styleSheet);
    box->addButton("Yes", QMessageBox::AcceptRole);
    box->addButton("No", QMessageBox::RejectRole);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::accepted, this, yesSlot);
    connect(box, &QMessageBox::rejected, this, noSlot);
    connect(box, &QMessageBox::finished, this, [this] { m_switchQuestion = nullptr; });
    m_switchQuestion = box;
    Dialogs::showNonModal(box);
}

// A question still open about the document being replaced must not switch
// the next one.
void MainWindow::dismissSwitchQuestion()
{
    if (!m_switchQuestion)
        return;
    disconnect(m_switchQuestion, nullptr, this, nullptr);
    m_switchQuestion->close();
    m_switchQuestion = nullptr;
}

void MainWindow::switchToRev3()
{
    switchRevision(3);
}

void MainWindow::switchToRev4()
{
    switchRevision(4);
}

void MainWindow::switchRevision(Word revision)
{
    (revision == 3 ? ui->rev3RB : ui->rev4RB)->setChecked(true);
    document().versionRecord().setRevision(revision);
    document().adaptToEDIDVersion(true);
    document().versionRecord().write();
}

void MainWindow::closeFloatingViewer()
{
    setFloatingViewerOpen(false);
}

void MainWindow::setFloatingViewerOpen(bool open)
{
    if (open)
        HexaViewer::instance()->openFloating(m_styleSheet);
    else
        HexaViewer::instance()->closeFloating();
    ui->actionHexa_Viewer->setChecked(open);
    ui->actionHexaViewerTool->setChecked(open);
}

void MainWindow::on_actionHexa_Viewer_triggered(bool checked)
{
    setFloatingViewerOpen(checked);
}

void MainWindow::on_actionHexaViewerTool_triggered(bool checked)
{
    setFloatingViewerOpen(checked);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_logo && event->type() == QEvent::Polish) {
        m_logo->removeEventFilter(this);
        m_logo->setPixmap(QPixmap(":/icons/files/resources/logo-blanc.png"));
    }
    if (event->type() == QEvent::ApplicationDeactivate) {
        closeFloatingViewer();
        return true;
    }
    if (event->type() == QEvent::ApplicationActivate)
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    HexaViewer::instance()->closeFloating();
    if (!m_noDocument && !maybeSave()) {
        event->ignore();
        return;
    }
    m_settings->setValue(kGeometryKey, saveGeometry());
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    commitPendingEdit();
    if (!m_noDocument && !maybeSave())
        return;
    for (const QUrl& url : event->mimeData()->urls())
        openDroppedOrRecent(url.toLocalFile());
}

void MainWindow::openRecent(const QString& path)
{
    commitPendingEdit();
    if (!m_noDocument && !maybeSave())
        return;
    if (!QFileInfo::exists(path)) {
        m_recent->remove(path);
        Dialogs::warning(this, "Open error",
                         QString("The file %1 no longer exists.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    openDroppedOrRecent(path);
}

void MainWindow::openDroppedOrRecent(const QString& path)
{
    if (openFile(path.toLocal8Bit().constData()) && isTextDumpName(path))
        setSaveEnabled(false);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    if (m_cornerLogo)
        m_cornerLogo->move(ui->dataTabs->width() - m_cornerLogo->width() + 3, 3);
    if (event)
        event->accept();
}
