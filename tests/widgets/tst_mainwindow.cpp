// The main window and the document lifecycle, driven through the real
// actions with real files in a temporary directory.

#include "checksum.h"
#include "floatinghexaviewer.h"
#include "hexaviewer.h"
#include "imagefile.h"
#include "mainwindow.h"
#include "testsupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QAction>
#include <QMimeData>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <future>
#include <sys/stat.h>
#include <thread>

namespace {

QByteArray baseBlockOnly()
{
    QByteArray image = sampleImage().left(128);
    image[126] = 0;
    updateBlockChecksum(reinterpret_cast<Byte*>(image.data()));
    return image;
}

QByteArray imageBytes(const Byte* image, int size = 256)
{
    return QByteArray(reinterpret_cast<const char*>(image), size);
}

QColor colourIn(QTableWidget* grid, int i)
{
    return grid->item(i / 16, i % 16)->foreground().color();
}

// A FIFO, a sparse 100 MB file, or a path for a link; empty when it cannot
// be made.
QString makeNode(const QString& path, const QString& kind)
{
    QFile file(path);
    if (kind == "FIFO")
        return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0 ? path : QString();
    if (kind == "100 MB")
        return file.open(QIODevice::WriteOnly) && file.resize(100 << 20) ? path : QString();
    return path;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensValidImage();
    void rejectedFileChangesNothing();
    void textDumpsExportAndImport();
    void saveWritesWorkingImage();
    void saveAsNaming_data();
    void saveAsNaming();
    void closeAsksAboutChanges();
    void unsupportedRevisionBecomes4();
    void ceaToggleWritesByte126();
    void otherExtensionIsReplacedOnlyWhenConfirmed();
    void longImageKeepsFurtherBlocks();
    void bytesPastTheBlocks_data();
    void bytesPastTheBlocks();
    void newImage();
    void dropOpensEveryFile();
    void floatingViewer();
    void detailedTabShowsLoadedSlots();
    void hostileFilesAndTargets_data();
    void hostileFilesAndTargets();

private:
    QString writeImage(const QString& name, const QByteArray& bytes);
    void open(const QByteArray& bytes) { QVERIFY(m_window->openFile(writeImage("image.bin", bytes).toLocal8Bit())); }
    QAction* action(const char* name) const { return m_window->findChild<QAction*>(name); }
    QTabWidget* tabs() const { return m_window->findChild<QTabWidget*>("dataTabs"); }
    void modify();

    QTemporaryDir* m_dir = nullptr;
    MainWindow* m_window = nullptr;
};

void TestMainWindow::init()
{
    m_dir = new QTemporaryDir;
    m_window = new MainWindow;
}

void TestMainWindow::cleanup()
{
    BoxRecorder discard(QMessageBox::No);
    HexaViewer::instance()->closeFloating();
    delete m_window;
    delete m_dir;
}

QString TestMainWindow::writeImage(const QString& name, const QByteArray& bytes)
{
    const QString path = m_dir->filePath(name);
    writeFileBytes(path, bytes);
    return path;
}

// Makes a change in the working image the way an editor does.
void TestMainWindow::modify()
{
    m_window->document().versionRecord().setRevision(3);
    m_window->document().versionRecord().write();
}

void TestMainWindow::opensValidImage()
{
    QVERIFY(!m_window->hasDocument());
    QVERIFY(!action("actionSave")->isEnabled());
    const QString path = writeImage(QString::fromUtf8("écran.bin"), sampleImage());
    BoxRecorder boxes;
    QVERIFY(m_window->openFile(path.toLocal8Bit().constData()));
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(m_window->windowTitle(), "VQ ZAVO Zozezi - " + path);
    QCOMPARE(imageBytes(m_window->savedImage()), sampleImage());
    QCOMPARE(imageBytes(m_window->workingImage()), sampleImage());
    QVERIFY(!m_window->isModified());
    QVERIFY(action("actionSave")->isEnabled());
    QVERIFY(action("actionCEA_861_EB")->isChecked());
    QCOMPARE(tabs()->count(), 4);
    QVERIFY(m_window->findChild<QRadioButton*>("rev4RB")->isChecked());
    // Loading an image without extension removes the CEA tab.
    open(baseBlockOnly());
    QCOMPARE(tabs()->count(), 3);
    QVERIFY(!action("actionCEA_861_EB")->isChecked());
    QCOMPARE(imageBytes(m_window->savedImage() + 128, 128), QByteArray(128, '\0'));
}

void TestMainWindow::rejectedFileChangesNothing()
{
    const QString good = writeImage("good.bin", sampleImage());
    QVERIFY(m_window->openFile(good.toLocal8Bit().constData()));
    modify();
    const QByteArray working = imageBytes(m_window->workingImage());
    QByteArray corrupt = sampleImage();
    corrupt[127] = char(corrupt[127] + 1);
    BoxRecorder boxes;
    QVERIFY(!m_window->openFile(writeImage("bad.bin", corrupt).toLocal8Bit().constData()));
    QVERIFY(!m_window->openFile(m_dir->filePath("missing.bin").toLocal8Bit().constData())); // silently
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastTitle(), QString("EDID error"));
    QCOMPARE(boxes.lastText(), QString("VQ ZAVO Zozezi cannot display EDID data. "
                                       "The selected file might be corrupted or invalid"));
    QCOMPARE(imageBytes(m_window->savedImage()), sampleImage());
    QCOMPARE(imageBytes(m_window->workingImage()), working);
    QCOMPARE(m_window->currentPath(), good);
}

void TestMainWindow::textDumpsExportAndImport()
{
    open(sampleImage());
    modify();
    const QByteArray working = imageBytes(m_window->workingImage());
    FileAnswers files;
    files.answers << m_dir->filePath("dump.dat");
    action("actionExport_Hexa_Array")->trigger();
    QVERIFY(m_window->isModified());
    QVERIFY(readFileBytes(m_dir->filePath("dump.dat")).startsWith("EDID BYTES:\r\n"));
    {
        BoxRecorder boxes(QMessageBox::No);
        files.answers << m_dir->filePath("dump.dat");
        action("actionImport")->trigger();
    }
    QCOMPARE(imageBytes(m_window->savedImage()), working);
    QCOMPARE(imageBytes(m_window->workingImage()), working);
    // Opening a dump: Save stays off, Save As proposes the name without extension.
    files.answers << writeImage("dump.dat", writeTextDump(sampleImage()));
    m_window->on_actionOpen_triggered();
    QCOMPARE(imageBytes(m_window->workingImage()), sampleImage());
    QVERIFY(!action("actionSave")->isEnabled());
    QTest::keyClick(m_window, Qt::Key_S, Qt::ControlModifier); // writes nothing
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 2);
    m_window->on_actionSave_As_triggered(); // proposes the dump's name without extension
    QCOMPARE(files.requests.last().dir, m_dir->filePath("dump"));
    // Import: a rejected dump keeps Save as it was, an accepted .bin disables it.
    open(sampleImage());
    BoxRecorder boxes;
    files.answers << writeImage("bad.edid", "EDID BYTES:\n\n\n00 | 12 34\n") << writeImage("b.bin", baseBlockOnly());
    m_window->on_actionImport_triggered();
    QCOMPARE(boxes.lastTitle(), QString("EDID error"));
    QVERIFY(action("actionSave")->isEnabled());
    m_window->on_actionImport_triggered();
    QVERIFY(!action("actionSave")->isEnabled());
    // A dump given on the command line.
    open(sampleImage());
    m_window->openArgument(writeImage("arg.edid", writeTextDump(sampleImage())).toLocal8Bit().constData());
    QVERIFY(!action("actionSave")->isEnabled());
    QVERIFY(action("actionSave_As")->isEnabled());
}

void TestMainWindow::saveWritesWorkingImage()
{
    const QString path = writeImage("base.bin", baseBlockOnly());
    QVERIFY(m_window->openFile(path.toLocal8Bit().constData()));
    modify();
    QVERIFY(m_window->isModified());
    BoxRecorder boxes; // a failed save keeps the document modified
    QVERIFY(!m_window->saveFile(m_dir->filePath("no-such-folder/edid.bin")));
    QCOMPARE(boxes.lastTitle(), QString("Save error"));
    QVERIFY(m_window->isModified());
    m_window->on_actionSave_triggered();
    const QByteArray saved = readFileBytes(path);
    QCOMPARE(saved, imageBytes(m_window->workingImage()));
    QCOMPARE(saved.mid(128), QByteArray(128, '\0'));
    QCOMPARE(Byte(saved[19]), Byte(3));
    QVERIFY(blockChecksumValid(reinterpret_cast<const Byte*>(saved.constData())));
    QVERIFY(!m_window->isModified());
}

void TestMainWindow::saveAsNaming_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension") << "edid" << "edid.bin";
    QTest::newRow("upper-case extension") << "edid.BIN" << "edid.BIN.bin";
    QTest::newRow("bin") << "mine.bin" << "mine.bin";
}

void TestMainWindow::saveAsNaming()
{
    QFETCH(QString, answer);
    QFETCH(QString, written);
    open(sampleImage());
    FileAnswers files;
    files.answers << m_dir->filePath(answer);
    m_window->on_actionSave_As_triggered();
    QCOMPARE(files.requests.first().dir, m_dir->filePath("image"));
    QCOMPARE(readFileBytes(m_dir->filePath(written)), sampleImage());
    QCOMPARE(m_window->windowTitle(), "VQ ZAVO Zozezi - " + m_dir->filePath(written));
}

void TestMainWindow::closeAsksAboutChanges()
{
    open(sampleImage());
    m_window->show();
    {
        BoxRecorder boxes;
        QVERIFY(m_window->close()); // unmodified: no question
        QCOMPARE(boxes.count(), 0);
    }
    m_window->show();
    modify();
    BoxRecorder boxes;
    boxes.answers << QMessageBox::Cancel << QMessageBox::Yes << QMessageBox::Yes;
    QVERIFY(!m_window->close());
    QCOMPARE(boxes.lastTitle(), QString("File edited"));
    QCOMPARE(boxes.boxes.last().informativeText, QString("Would you like to save changes?"));
    FileAnswers files; // Save As cancelled: the window stays open
    QVERIFY(!m_window->close());
    QVERIFY(m_window->isModified());
    files.answers << m_dir->filePath("kept");
    QVERIFY(m_window->close());
    QCOMPARE(readFileBytes(m_dir->filePath("kept.bin")), imageBytes(m_window->workingImage()));
    QCOMPARE(readFileBytes(m_dir->filePath("image.bin")), sampleImage());
}

void TestMainWindow::unsupportedRevisionBecomes4()
{
    QByteArray image = baseBlockOnly();
    image[19] = 2;
    updateBlockChecksum(reinterpret_cast<Byte*>(image.data()));
    BoxRecorder boxes(QMessageBox::Yes);
    open(image);
    QCOMPARE(boxes.lastTitle(), QString("Switch version"));
    QCOMPARE(boxes.lastText(), QString("The Version defined in the EDID Structure is not Supported.\n"
                                       "The Version will be set to 1.4."));
    QCOMPARE(m_window->workingImage()[19], Byte(4));
    QCOMPARE(m_window->savedImage()[19], Byte(2));
    QVERIFY(blockChecksumValid(m_window->workingImage()));
    QVERIFY(m_window->findChild<QRadioButton*>("rev4RB")->isChecked());
}

void TestMainWindow::ceaToggleWritesByte126()
{
    open(baseBlockOnly());
    QAction* cea = action("actionCEA_861_EB");
    BoxRecorder boxes(QMessageBox::Cancel);
    cea->trigger();
    QCOMPARE(boxes.count(), 0);
    const Byte* working = m_window->workingImage();
    QCOMPARE(working[126], Byte(1));
    QVERIFY(blockChecksumValid(working));
    QCOMPARE(imageBytes(working + 128, 5), QByteArray("\x02\x03\x04\x00\x00", 5));
    QVERIFY(blockChecksumValid(working + 128));
    QCOMPARE(tabs()->count(), 4);
    cea->trigger(); // removal cancelled
    QCOMPARE(boxes.lastTitle(), QString("Warning"));
    QVERIFY(cea->isChecked());
    QCOMPARE(working[126], Byte(1));
    boxes.answers << QMessageBox::Ok;
    cea->trigger();
    QCOMPARE(imageBytes(working, 256), imageBytes(m_window->savedImage(), 256));
    QCOMPARE(tabs()->count(), 3);
}

void TestMainWindow::otherExtensionIsReplacedOnlyWhenConfirmed()
{
    QByteArray image = sampleImage();
    image[128] = char(0x70); // a DisplayID extension, not CEA-861
    updateBlockChecksum(reinterpret_cast<Byte*>(image.data()) + 128);
    open(image);
    QVERIFY(!action("actionCEA_861_EB")->isChecked());
    BoxRecorder boxes(QMessageBox::Cancel);
    action("actionCEA_861_EB")->trigger();
    QCOMPARE(boxes.lastText(), QString("An other extension than CEA has been detected."));
    QVERIFY(!action("actionCEA_861_EB")->isChecked());
    QCOMPARE(imageBytes(m_window->workingImage()), image);
    boxes.answers << QMessageBox::Ok;
    action("actionCEA_861_EB")->trigger();
    QCOMPARE(m_window->workingImage()[128], Byte(0x02));
}

void TestMainWindow::longImageKeepsFurtherBlocks()
{
    QByteArray image = sampleImage();
    image[126] = 2;
    updateBlockChecksum(reinterpret_cast<Byte*>(image.data()));
    QByteArray block(128, '\x5A');
    block[0] = char(0x70);
    updateBlockChecksum(reinterpret_cast<Byte*>(block.data()));
    image += block;
    open(image);
    QCOMPARE(m_window->model().bytes(EDID_IMAGE_SIZE, EDID_BLOCK_SIZE), block);
    FileAnswers files;
    files.answers << m_dir->filePath("copy.bin") << m_dir->filePath("copy.dat");
    m_window->on_actionSave_As_triggered();
    QCOMPARE(readFileBytes(m_dir->filePath("copy.bin")), image);
    action("actionExport_Hexa_Array")->trigger();
    QVERIFY(readFileBytes(m_dir->filePath("copy.dat")).contains("\r\n17 | "));
    BoxRecorder boxes;
    action("actionCEA_861_EB")->trigger(); // removes the extensions
    m_window->on_actionSave_triggered();
    QCOMPARE(readFileBytes(m_dir->filePath("copy.bin")).size(), 256);
}

// Bytes after the blocks byte 126 counts are saved at their place, unless
// they only repeat the image: then the load box says they go.
void TestMainWindow::bytesPastTheBlocks_data()
{
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QString>("box");
    QByteArray other(128, '\x5A');
    QTest::newRow("another block") << other << "";
    QTest::newRow("a partial block") << other.left(7) << "";
    QTest::newRow("the image again") << sampleImage()
                                     << "The file holds 256 bytes after its EDID blocks (bytes 256 to 511) that only "
                                        "repeat them. They will not be saved.";
}

void TestMainWindow::bytesPastTheBlocks()
{
    QFETCH(QByteArray, after);
    QFETCH(QString, box);
    const QByteArray file = sampleImage() + after;
    BoxRecorder boxes;
    QVERIFY(m_window->openFile(writeImage("long.bin", file).toLocal8Bit().constData()));
    QCOMPARE(boxes.count(), box.isEmpty() ? 0 : 1);
    QCOMPARE(boxes.lastText(), box);
    m_window->on_actionSave_triggered();
    QCOMPARE(readFileBytes(m_dir->filePath("long.bin")), box.isEmpty() ? file : sampleImage());
}

void TestMainWindow::newImage()
{
    open(sampleImage());
    action("actionHexa_Viewer")->trigger();
    DialogAnswers dialogs;
    action("actionNew")->trigger(); // cancelled: the document stays, the floating view closes
    QCOMPARE(dialogs.count, 1);
    QCOMPARE(imageBytes(m_window->workingImage()), sampleImage());
    QVERIFY(!HexaViewer::instance()->floatingViewer()->isOpen());
    QVERIFY(!action("actionHexa_Viewer")->isChecked());

    dialogs.prepare = [](QDialog& dialog) {
        dialog.findChild<QRadioButton*>("rev3RB")->setChecked(true);
        QMetaObject::invokeMethod(&dialog, "on_buttonBox_accepted");
    };
    dialogs.results << QDialog::Accepted;
    action("actionNew")->trigger();
    QCOMPARE(m_window->windowTitle(), QString("VQ ZAVO Zozezi - New EDID File"));
    const Byte* image = m_window->workingImage();
    QCOMPARE(imageBytes(image, 54).toHex(), QByteArray("00ffffffffffff0004210000000000000100") + "0103"
                                                 + QByteArray(36, '0') + QByteArray("01").repeated(16));
    QCOMPARE(imageBytes(image + 72, 54), QByteArray::fromHex("000000100000000000000000000000000000").repeated(3));
    QCOMPARE(imageBytes(image + 126, 130), QByteArray(1, '\0') + QByteArray(1, char(image[127]))
                                               + QByteArray(128, '\0'));
    QVERIFY(blockChecksumValid(image));
    QVERIFY(!m_window->isModified());
    QVERIFY(m_window->findChild<QRadioButton*>("rev3RB")->isChecked());
    FileAnswers files; // Save asks for a name
    files.answers << m_dir->filePath("fresh");
    action("actionSave")->trigger();
    QCOMPARE(readFileBytes(m_dir->filePath("fresh.bin")), imageBytes(image));
}

void TestMainWindow::dropOpensEveryFile()
{
    const QString first = writeImage("first.bin", sampleImage());
    const QString second = writeImage("second.dat", writeTextDump(baseBlockOnly().leftJustified(256, '\0')));
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_window, &drop);
    QCOMPARE(m_window->windowTitle(), "VQ ZAVO Zozezi - " + second);
    QCOMPARE(imageBytes(m_window->workingImage(), 128), baseBlockOnly());
    QVERIFY(!action("actionSave")->isEnabled());
}

void TestMainWindow::floatingViewer()
{
    open(sampleImage());
    FloatingHexaViewer* floating = HexaViewer::instance()->floatingViewer();
    action("actionHexa_Viewer")->trigger();
    QVERIFY(floating->isVisible());
    QVERIFY(action("actionHexaViewerTool")->isChecked());
    // A save clears the marks of an edit in both grids.
    modify();
    QTableWidget* grid = HexaViewer::instance()->grid();
    QCOMPARE(colourIn(floating->grid(), 19), QColor(255, 0, 0));
    m_window->on_actionSave_triggered();
    QCOMPARE(colourIn(grid, 19), QColor(Qt::black));
    QCOMPARE(colourIn(floating->grid(), 19), QColor(Qt::lightGray));
    // Deactivating the program closes it; activation events are consumed.
    QEvent deactivate(QEvent::ApplicationDeactivate);
    QVERIFY(m_window->eventFilter(qApp, &deactivate));
    QVERIFY(!floating->isVisible());
    QVERIFY(!action("actionHexa_Viewer")->isChecked());
    QEvent activate(QEvent::ApplicationActivate);
    QVERIFY(m_window->eventFilter(qApp, &activate));
    action("actionHexaViewerTool")->trigger();
    QVERIFY(action("actionHexa_Viewer")->isChecked());
    action("actionHexaViewerTool")->trigger();
    QVERIFY(!floating->isVisible());
}

// The descriptor slots get their editors when the Detailed Data tab is
// first shown, or when the hex viewer shows their section: the loaded
// values, with the bytes and the section the hex viewer shows left as they
// were.
void TestMainWindow::detailedTabShowsLoadedSlots()
{
    open(sampleImage());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    HexaViewer* viewer = HexaViewer::instance();
    emit viewer->grid()->cellClicked(5, 0); // in Block 2: the range limits in full
    QCOMPARE(viewer->shownLabels().value(1), QString("Minimum Vertical Rate (Hz)"));
    QCOMPARE(viewer->shownValues().value(1), QString("48"));
    emit viewer->grid()->cellClicked(0, 8);
    QCOMPARE(viewer->shownSection(), VendorProductSection);
    tabs()->setCurrentIndex(1);
    QCOMPARE(viewer->shownSection(), VendorProductSection);
    auto shown = [this](const char* name) {
        for (QLineEdit* edit : tabs()->currentWidget()->findChildren<QLineEdit*>(name)) {
            if (edit->isVisible())
                return edit->text();
        }
        return QString("not shown");
    };
    QCOMPARE(shown("pixelClockField"), QString("148.50"));
    QCOMPARE(shown("minVRateField"), QString("48"));
    QCOMPARE(shown("prodNameField"), QString("ZOZEZI 27"));
    QCOMPARE(imageBytes(m_window->workingImage()), sampleImage());
    QVERIFY(!m_window->isModified());
}

// Every way into the document reads through the same reader (whose
// refusals the file access test lists): a FIFO or a file past 1 MiB is
// not read and the box says why. Save As and Export never write into or replace one; a link is
// followed and its target replaced.
void TestMainWindow::hostileFilesAndTargets_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");   // shown in the box; empty: no box
    const QString fifo = "not a regular file but a FIFO (named pipe)";
    for (const QString command : {"open", "import", "argument", "drop", "recent"})
        QTest::newRow(qPrintable(command + " of a FIFO")) << command << "FIFO" << fifo;
    QTest::newRow("open of 100 MB") << "open" << "100 MB" << "too large: 104857600 bytes, at most 1048576 are read";
    QTest::newRow("save as onto a FIFO") << "save as" << "FIFO" << fifo + "; nothing was written";
    QTest::newRow("export onto a FIFO") << "export" << "FIFO" << fifo + "; nothing was written";
    QTest::newRow("save as through a link") << "save as" << "link" << "";
}

void TestMainWindow::hostileFilesAndTargets()
{
    QFETCH(QString, command);
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    const QString good = writeImage("good.bin", sampleImage());
    QVERIFY(m_window->openFile(good.toLocal8Bit().constData()));
    const bool saving = command == "save as" || command == "export";
    if (saving)
        modify();
    const QByteArray working = imageBytes(m_window->workingImage());
    const QString path = makeNode(m_dir->filePath("node.bin"), kind);
    QVERIFY(!path.isEmpty());
    if (kind == "link")
        QVERIFY(QFile::link(writeImage("target.bin", "old"), path));
    const qint64 size = QFileInfo(path).size();
    BoxRecorder boxes;
    FileAnswers files;
    files.answers << path;
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    // Blocking on the FIFO (the fault under test) ends the program at once.
    std::promise<void> done;
    std::thread watchdog([finished = done.get_future()] {
        if (finished.wait_for(std::chrono::seconds(5)) == std::future_status::timeout)
            qFatal("the main window blocked on a FIFO or a large file");
    });
    if (command == "open")
        m_window->on_actionOpen_triggered();
    else if (command == "import")
        m_window->on_actionImport_triggered();
    else if (command == "argument")
        m_window->openArgument(path.toLocal8Bit().constData());
    else if (command == "recent")
        m_window->openRecent(path);
    else if (command == "drop")
        QCoreApplication::sendEvent(m_window, &enter), QCoreApplication::sendEvent(m_window, &drop);
    else if (command == "save as")
        m_window->on_actionSave_As_triggered();
    else
        action("actionExport_Hexa_Array")->trigger();
    done.set_value();
    watchdog.join();
    QCOMPARE(boxes.count(), reason.isEmpty() ? 0 : 1);
    if (!reason.isEmpty())
        QCOMPARE(boxes.lastText(), saving ? QString("The file %1 could not be written:\n%2").arg(path, reason)
                                          : QString("The file %1 was not opened: %2.").arg(path, reason));
    QCOMPARE(boxes.lastTitle(), reason.isEmpty() ? "" : saving ? "Save error" : "Open error");
    // The node is as it was, and so is the document; a link leads to the bytes.
    QCOMPARE(QFileInfo(path).isSymLink(), kind == "link");
    QCOMPARE(QFileInfo(path).size(), kind == "link" ? 256 : size);
    QCOMPARE(imageBytes(m_window->workingImage()), working);
    QCOMPARE(m_window->isModified(), saving && kind != "link");
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
