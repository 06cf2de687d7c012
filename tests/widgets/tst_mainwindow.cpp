// The main window and the document lifecycle, driven through the real
// actions with real files in a temporary directory.

#include "checksum.h"
#include "imagefile.h"
#include "floatinghexaviewer.h"
#include "hexaviewer.h"
#include "mainwindow.h"
#include "testsupport.h"

#include <QApplication>
#include <QAction>
#include <QLabel>
#include <QMimeData>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const char* const kCorruptMessage =
    "VQ ZAVO Zozezi cannot display EDID data. The selected file might be corrupted or invalid";

QByteArray baseBlockOnly()
{
    QByteArray image = sampleImage().left(128);
    image[126] = 0;
    updateBlockChecksum(reinterpret_cast<Byte*>(image.data()));
    return image;
}

QByteArray withRevision(QByteArray image, Byte revision)
{
    image[19] = char(revision);
    updateBlockChecksum(reinterpret_cast<Byte*>(image.data()));
    return image;
}

QByteArray imageBytes(const Byte* image, int size = 256)
{
    return QByteArray(reinterpret_cast<const char*>(image), size);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsEmpty();
    void opensValidImage();
    void rejectedFileChangesNothing();
    void unreadableFileIsIgnored();
    void textDumpDisablesSave();
    void importRejectedKeepsSave();
    void saveWritesWorkingImage();
    void saveAsNaming_data();
    void saveAsNaming();
    void cancelledSaveAsChangesNothing();
    void failedSaveKeepsDocumentModified();
    void closeAsksAboutChanges();
    void cancelledSaveAsKeepsWindowOpen();
    void unsupportedRevisionBecomes4();
    void ceaToggleWritesByte126();
    void ceaRemovalCanBeCancelled();
    void otherExtensionIsReplacedOnlyWhenConfirmed();
    void loadingWithoutExtensionRemovesCEATab();
    void longImageKeepsFurtherBlocks();
    void revisionSwitchAsksFirst();
    void newImageFromDialog();
    void cancelledNewDialogKeepsDocument();
    void exportThenImportGivesSameBytes();
    void nonAsciiFileName();
    void dropOpensEveryFile();
    void commandLineDumpLeavesSaveDisabled();
    void floatingViewerToggles();
    void saveClearsMarksInBothGrids();

private:
    QString writeImage(const QString& name, const QByteArray& bytes);
    QAction* action(const char* name) const;
    QTabWidget* tabs() const;
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
    delete m_window;
    delete m_dir;
}

QString TestMainWindow::writeImage(const QString& name, const QByteArray& bytes)
{
    const QString path = m_dir->filePath(name);
    writeFileBytes(path, bytes);
    return path;
}

QAction* TestMainWindow::action(const char* name) const
{
    return m_window->findChild<QAction*>(name);
}

QTabWidget* TestMainWindow::tabs() const
{
    return m_window->findChild<QTabWidget*>("dataTabs");
}

// Makes a change in the working image the way an editor does.
void TestMainWindow::modify()
{
    m_window->document().versionRecord().setRevision(3);
    m_window->document().versionRecord().write();
}

void TestMainWindow::startsEmpty()
{
    QCOMPARE(m_window->windowTitle(), QString("VQ ZAVO Zozezi"));
    QCOMPARE(m_window->size(), QSize(1250, 650));
    QVERIFY(!m_window->hasDocument());
    QVERIFY(m_window->findChild<QLabel*>("logo"));
    QVERIFY(tabs()->isHidden());
    for (const char* name : {"actionSave", "actionSaveTool", "actionSave_As", "actionSaveAsTool",
                             "actionCEA_861_EB", "actionHexa_Viewer", "actionHexaViewerTool",
                             "actionExport_Hexa_Array", "actionEDID_Extensions"})
        QVERIFY2(!action(name)->isEnabled(), name);
    for (const char* name : {"actionNew", "actionOpen", "actionImport", "actionExit"})
        QVERIFY2(action(name)->isEnabled(), name);
    QCOMPARE(action("actionNew")->shortcut(), QKeySequence("Ctrl+N"));
    QCOMPARE(action("actionSave_As")->toolTip(), QString("Save the current EDID with a different name"));
    QVERIFY(qApp->styleSheet().contains("#EE8619"));
    QCOMPARE(m_window->styleSheetText(), qApp->styleSheet());
}

void TestMainWindow::opensValidImage()
{
    const QString path = writeImage("sample.bin", sampleImage());
    BoxRecorder boxes;
    QVERIFY(m_window->openFile(path.toLocal8Bit().constData()));
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(m_window->windowTitle(), "VQ ZAVO Zozezi - " + path);
    QCOMPARE(imageBytes(m_window->savedImage()), sampleImage());
    QCOMPARE(imageBytes(m_window->workingImage()), sampleImage());
    QVERIFY(!m_window->isModified());
    QVERIFY(m_window->findChild<QLabel*>("logo") == nullptr);
    QVERIFY(!tabs()->isHidden());
    QVERIFY(action("actionSave")->isEnabled());
    QVERIFY(action("actionCEA_861_EB")->isChecked());
    QCOMPARE(tabs()->count(), 4);
    QCOMPARE(tabs()->tabText(2), QString("CEA Extension"));
    QVERIFY(m_window->findChild<QRadioButton*>("rev4RB")->isChecked());
    QCOMPARE(tabs()->currentIndex(), 0);
}

void TestMainWindow::rejectedFileChangesNothing()
{
    const QString good = writeImage("good.bin", sampleImage());
    QVERIFY(m_window->openFile(good.toLocal8Bit().constData()));
    modify();
    const QByteArray working = imageBytes(m_window->workingImage());
    QByteArray corrupt = sampleImage();
    corrupt[127] = char(corrupt[127] + 1);
    const QString bad = writeImage("bad.bin", corrupt);

    BoxRecorder boxes;
    QVERIFY(!m_window->openFile(bad.toLocal8Bit().constData()));
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastTitle(), QString("EDID error"));
    QCOMPARE(boxes.lastText(), QString(kCorruptMessage));
    QCOMPARE(imageBytes(m_window->savedImage()), sampleImage());
    QCOMPARE(imageBytes(m_window->workingImage()), working);
    QCOMPARE(m_window->windowTitle(), "VQ ZAVO Zozezi - " + good);
    QCOMPARE(m_window->currentPath(), good);
}

void TestMainWindow::unreadableFileIsIgnored()
{
    BoxRecorder boxes;
    QVERIFY(!m_window->openFile(m_dir->filePath("missing.bin").toLocal8Bit().constData()));
    QCOMPARE(boxes.count(), 0);
    QVERIFY(!m_window->hasDocument());
    QCOMPARE(m_window->windowTitle(), QString("VQ ZAVO Zozezi"));
}

void TestMainWindow::textDumpDisablesSave()
{
    const QString dump = writeImage("dump.dat", writeTextDump(sampleImage()));
    FileAnswers files;
    files.answers << dump;
    m_window->on_actionOpen_triggered();
    QCOMPARE(files.requests.first().caption, QString("Open File"));
    QCOMPARE(files.requests.first().filter, QString("Binary Files (*.bin);;All (*.*)"));
    QCOMPARE(imageBytes(m_window->workingImage()), sampleImage());
    QVERIFY(!action("actionSave")->isEnabled());
    QVERIFY(!action("actionSaveTool")->isEnabled());

    // Ctrl+S writes nothing; Save As proposes the dump's name without extension.
    QTest::keyClick(m_window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 1);
    m_window->on_actionSave_As_triggered();
    QCOMPARE(files.requests.last().dir, m_dir->filePath("dump"));
}

void TestMainWindow::importRejectedKeepsSave()
{
    const QString good = writeImage("good.bin", sampleImage());
    QVERIFY(m_window->openFile(good.toLocal8Bit().constData()));
    const QString badDump = writeImage("bad.edid", "EDID BYTES:\n\n\n00 | 12 34\n");
    BoxRecorder boxes;
    FileAnswers files;
    files.answers << badDump;
    m_window->on_actionImport_triggered();
    QCOMPARE(files.requests.first().filter, QString("DAT Files (*.dat);;EDID files (*.edid)"));
    QCOMPARE(boxes.lastTitle(), QString("EDID error"));
    QVERIFY(action("actionSave")->isEnabled());

    const QString goodBin = writeImage("other.bin", baseBlockOnly());
    files.answers << goodBin;
    m_window->on_actionImport_triggered();
    QVERIFY(!action("actionSave")->isEnabled());
}

void TestMainWindow::saveWritesWorkingImage()
{
    const QString path = writeImage("base.bin", baseBlockOnly());
    QVERIFY(m_window->openFile(path.toLocal8Bit().constData()));
    QCOMPARE(readFileBytes(path).size(), 128);
    modify();
    QVERIFY(m_window->isModified());
    m_window->on_actionSave_triggered();
    const QByteArray saved = readFileBytes(path);
    QCOMPARE(saved.size(), 256);
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
    const QString path = writeImage("source.bin", sampleImage());
    QVERIFY(m_window->openFile(path.toLocal8Bit().constData()));
    FileAnswers files;
    files.answers << m_dir->filePath(answer);
    m_window->on_actionSave_As_triggered();
    QCOMPARE(files.requests.first().caption, QString("Save As"));
    QCOMPARE(files.requests.first().dir, m_dir->filePath("source"));
    QCOMPARE(files.requests.first().filter, QString("Binary Files (*.bin)"));
    QCOMPARE(readFileBytes(m_dir->filePath(written)), sampleImage());
    QCOMPARE(m_window->windowTitle(), "VQ ZAVO Zozezi - " + m_dir->filePath(written));
}

void TestMainWindow::cancelledSaveAsChangesNothing()
{
    const QString path = writeImage("source.bin", sampleImage());
    QVERIFY(m_window->openFile(path.toLocal8Bit().constData()));
    modify();
    FileAnswers files;
    m_window->on_actionSave_As_triggered();
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 1);
    QCOMPARE(m_window->windowTitle(), "VQ ZAVO Zozezi - " + path);
    QCOMPARE(m_window->currentPath(), path);
    QVERIFY(m_window->isModified());
}

void TestMainWindow::failedSaveKeepsDocumentModified()
{
    const QString path = writeImage("source.bin", sampleImage());
    QVERIFY(m_window->openFile(path.toLocal8Bit().constData()));
    modify();
    BoxRecorder boxes;
    const QString target = m_dir->filePath("no-such-folder/edid.bin");
    QVERIFY(!m_window->saveFile(target));
    QCOMPARE(boxes.lastTitle(), QString("Save error"));
    QVERIFY(boxes.lastText().contains("edid.bin"));
    QVERIFY(m_window->isModified());
    QCOMPARE(readFileBytes(path), sampleImage());
}

void TestMainWindow::closeAsksAboutChanges()
{
    const QString path = writeImage("source.bin", sampleImage());
    QVERIFY(m_window->openFile(path.toLocal8Bit().constData()));
    m_window->show();
    {
        BoxRecorder boxes;
        QVERIFY(m_window->close());     // unmodified: no question
        QCOMPARE(boxes.count(), 0);
    }
    m_window->show();
    modify();
    BoxRecorder boxes;
    boxes.answers << QMessageBox::Cancel << QMessageBox::No;
    QVERIFY(!m_window->close());
    QCOMPARE(boxes.lastTitle(), QString("File edited"));
    QCOMPARE(boxes.lastText(), QString("The document has been modified"));
    QCOMPARE(boxes.boxes.last().informativeText, QString("Would you like to save changes?"));
    QVERIFY(m_window->isVisible());
    QVERIFY(m_window->close());
    QCOMPARE(readFileBytes(path), sampleImage());
}

void TestMainWindow::cancelledSaveAsKeepsWindowOpen()
{
    const QString path = writeImage("source.bin", sampleImage());
    QVERIFY(m_window->openFile(path.toLocal8Bit().constData()));
    m_window->show();
    modify();
    BoxRecorder boxes(QMessageBox::Yes);
    FileAnswers files;              // Save As is cancelled
    QVERIFY(!m_window->close());
    QCOMPARE(files.requests.size(), 1);
    QVERIFY(m_window->isModified());

    files.answers << m_dir->filePath("kept");
    QVERIFY(m_window->close());
    QCOMPARE(readFileBytes(m_dir->filePath("kept.bin")), imageBytes(m_window->workingImage()));
}

void TestMainWindow::unsupportedRevisionBecomes4()
{
    const QString path = writeImage("rev2.bin", withRevision(baseBlockOnly(), 2));
    BoxRecorder boxes(QMessageBox::Yes);
    QVERIFY(m_window->openFile(path.toLocal8Bit().constData()));
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastTitle(), QString("Switch version"));
    QCOMPARE(boxes.lastText(), QString("The Version defined in the EDID Structure is not Supported.\n"
                                       "The Version will be set to 1.4."));
    QCOMPARE(m_window->workingImage()[18], Byte(1));
    QCOMPARE(m_window->workingImage()[19], Byte(4));
    QCOMPARE(m_window->savedImage()[19], Byte(2));
    QVERIFY(blockChecksumValid(m_window->workingImage()));
    QVERIFY(m_window->isModified());
    QVERIFY(m_window->findChild<QRadioButton*>("rev4RB")->isChecked());
    QCOMPARE(HexaViewer::instance()->description(HexaViewer::VersionSection).last().second,
             QString("4"));
}

void TestMainWindow::ceaToggleWritesByte126()
{
    const QString path = writeImage("base.bin", baseBlockOnly());
    QVERIFY(m_window->openFile(path.toLocal8Bit().constData()));
    QCOMPARE(tabs()->count(), 3);
    QAction* cea = action("actionCEA_861_EB");
    QVERIFY(cea->isEnabled() && !cea->isChecked());

    BoxRecorder boxes;
    cea->trigger();
    QCOMPARE(boxes.count(), 0);
    const Byte* working = m_window->workingImage();
    QCOMPARE(working[126], Byte(1));
    QVERIFY(blockChecksumValid(working));
    QCOMPARE(imageBytes(working + 128, 5), QByteArray("\x02\x03\x04\x00\x00", 5));
    QVERIFY(blockChecksumValid(working + 128));
    QCOMPARE(tabs()->count(), 4);
    QCOMPARE(tabs()->currentIndex(), 2);
    QCOMPARE(HexaViewer::instance()->description(HexaViewer::ExtensionCountSection),
             FieldDescriptionList({{"Extension Block(s)", "1"}, {"CEA Extension Block", "YES"}}));
    QVERIFY(HexaViewer::instance()->extensionLayout());

    cea->trigger();
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastTitle(), QString("Warning"));
    QCOMPARE(boxes.boxes.last().informativeText,
             QString("Do you really want to remove the CEA Extension block and all its data?"));
    QCOMPARE(working[126], Byte(0));
    QCOMPARE(imageBytes(working + 128, 128), QByteArray(128, '\0'));
    QVERIFY(blockChecksumValid(working));
    QCOMPARE(imageBytes(working, 256), imageBytes(m_window->savedImage(), 256));
    QCOMPARE(tabs()->count(), 3);
    QCOMPARE(HexaViewer::instance()->description(HexaViewer::ExtensionCountSection),
             FieldDescriptionList({{"Extension Block(s)", "0"}, {"CEA Extension Block", "NO"}}));
}

void TestMainWindow::ceaRemovalCanBeCancelled()
{
    const QString path = writeImage("sample.bin", sampleImage());
    QVERIFY(m_window->openFile(path.toLocal8Bit().constData()));
    BoxRecorder boxes(QMessageBox::Cancel);
    action("actionCEA_861_EB")->trigger();
    QVERIFY(action("actionCEA_861_EB")->isChecked());
    QCOMPARE(tabs()->count(), 4);
    QVERIFY(!m_window->isModified());
}

void TestMainWindow::otherExtensionIsReplacedOnlyWhenConfirmed()
{
    QByteArray image = sampleImage();
    image[128] = char(0x70);          // a DisplayID extension, not CEA-861
    updateBlockChecksum(reinterpret_cast<Byte*>(image.data()) + 128);
    const QString path = writeImage("displayid.bin", image);
    QVERIFY(m_window->openFile(path.toLocal8Bit().constData()));
    QVERIFY(!action("actionCEA_861_EB")->isChecked());
    QCOMPARE(tabs()->count(), 3);

    BoxRecorder boxes(QMessageBox::Cancel);
    action("actionCEA_861_EB")->trigger();
    QCOMPARE(boxes.lastText(), QString("An other extension than CEA has been detected."));
    QCOMPARE(boxes.boxes.last().informativeText, QString("Replace it by CEA Extension?"));
    QVERIFY(!action("actionCEA_861_EB")->isChecked());
    QCOMPARE(imageBytes(m_window->workingImage()), image);

    boxes.answers << QMessageBox::Ok;
    action("actionCEA_861_EB")->trigger();
    QCOMPARE(m_window->workingImage()[128], Byte(0x02));
    QCOMPARE(tabs()->count(), 4);
}

void TestMainWindow::loadingWithoutExtensionRemovesCEATab()
{
    const QString cea = writeImage("sample.bin", sampleImage());
    const QString base = writeImage("base.bin", baseBlockOnly());
    QVERIFY(m_window->openFile(cea.toLocal8Bit().constData()));
    QCOMPARE(tabs()->count(), 4);
    QVERIFY(m_window->openFile(base.toLocal8Bit().constData()));
    QCOMPARE(tabs()->count(), 3);
    QVERIFY(!action("actionCEA_861_EB")->isChecked());
    QCOMPARE(imageBytes(m_window->workingImage() + 128, 128), QByteArray(128, '\0'));
    QCOMPARE(imageBytes(m_window->savedImage() + 128, 128), QByteArray(128, '\0'));
    QCOMPARE(tabs()->tabText(2), QString("Hexa Viewer"));
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
    const QString path = writeImage("three-blocks.bin", image);
    QVERIFY(m_window->openFile(path.toLocal8Bit().constData()));
    QCOMPARE(m_window->extraBlocks(), block);

    FileAnswers files;
    files.answers << m_dir->filePath("copy.bin") << m_dir->filePath("copy.dat");
    m_window->on_actionSave_As_triggered();
    QCOMPARE(readFileBytes(m_dir->filePath("copy.bin")), image);
    action("actionExport_Hexa_Array")->trigger();
    QVERIFY(readFileBytes(m_dir->filePath("copy.dat")).contains("\r\n17 | "));

    BoxRecorder boxes;
    action("actionCEA_861_EB")->trigger();  // remove the extensions
    m_window->on_actionSave_triggered();
    const QByteArray saved = readFileBytes(m_dir->filePath("copy.bin"));
    QCOMPARE(saved.size(), 256);
    QCOMPARE(Byte(saved[126]), Byte(0));
}

void TestMainWindow::revisionSwitchAsksFirst()
{
    const QString path = writeImage("sample.bin", sampleImage());
    QVERIFY(m_window->openFile(path.toLocal8Bit().constData()));
    m_window->show();
    auto* rev3 = m_window->findChild<QRadioButton*>("rev3RB");
    auto* rev4 = m_window->findChild<QRadioButton*>("rev4RB");
    NonModalBoxes boxes;

    QTest::mouseClick(rev4, Qt::LeftButton);
    QCOMPARE(boxes.boxes.size(), 0);

    QTest::mouseClick(rev3, Qt::LeftButton);
    QCOMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes[0]->windowTitle(), QString("Switch version"));
    QCOMPARE(boxes.boxes[0]->text(), QString("Switch to EDID Version 1 Revision 3?"));
    QVERIFY(rev3->isChecked());
    boxes.answer(0, "No");
    QVERIFY(rev4->isChecked());
    QCOMPARE(m_window->workingImage()[19], Byte(4));
    QVERIFY(!m_window->isModified());

    QTest::mouseClick(rev3, Qt::LeftButton);
    boxes.answer(1, "Yes");
    QVERIFY(rev3->isChecked());
    QCOMPARE(m_window->workingImage()[18], Byte(1));
    QCOMPARE(m_window->workingImage()[19], Byte(3));
    QVERIFY(blockChecksumValid(m_window->workingImage()));
    QCOMPARE(m_window->document().versionRecord().revision(), Word(3));

    QTest::mouseClick(rev4, Qt::LeftButton);
    QCOMPARE(boxes.boxes[2]->text(), QString("Switch to EDID Version 1 Revision 4?"));
    boxes.answer(2, "Yes");
    QCOMPARE(m_window->workingImage()[19], Byte(4));
    QVERIFY(!m_window->isModified());
    boxes.boxes.clear();            // answered boxes delete themselves
}

void TestMainWindow::newImageFromDialog()
{
    DialogAnswers dialogs;
    dialogs.prepare = [](QDialog& dialog) {
        dialog.findChild<QRadioButton*>("rev3RB")->setChecked(true);
        QMetaObject::invokeMethod(&dialog, "on_buttonBox_accepted");
    };
    dialogs.results << QDialog::Accepted;
    action("actionNew")->trigger();
    QCOMPARE(dialogs.count, 1);
    QCOMPARE(m_window->windowTitle(), QString("VQ ZAVO Zozezi - New EDID File"));
    const Byte* image = m_window->workingImage();
    QCOMPARE(imageBytes(image, 8), QByteArray("\x00\xFF\xFF\xFF\xFF\xFF\xFF\x00", 8));
    QCOMPARE(image[18], Byte(1));
    QCOMPARE(image[19], Byte(3));
    QCOMPARE(image[126], Byte(0));
    QVERIFY(blockChecksumValid(image));
    QByteArray dummy(18, '\0');
    dummy[3] = 0x10;
    QCOMPARE(imageBytes(image + 72, 54), dummy + dummy + dummy);
    QCOMPARE(imageBytes(image + 128, 128), QByteArray(128, '\0'));
    QVERIFY(!m_window->isModified());
    QVERIFY(m_window->findChild<QRadioButton*>("rev3RB")->isChecked());
    QVERIFY(!action("actionCEA_861_EB")->isChecked());

    // Save asks for a name.
    FileAnswers files;
    files.answers << m_dir->filePath("fresh");
    action("actionSave")->trigger();
    QCOMPARE(readFileBytes(m_dir->filePath("fresh.bin")), imageBytes(image));
}

void TestMainWindow::cancelledNewDialogKeepsDocument()
{
    const QString path = writeImage("sample.bin", sampleImage());
    QVERIFY(m_window->openFile(path.toLocal8Bit().constData()));
    DialogAnswers dialogs;
    action("actionNew")->trigger();
    QCOMPARE(dialogs.count, 1);
    QCOMPARE(m_window->windowTitle(), "VQ ZAVO Zozezi - " + path);
    QCOMPARE(m_window->currentPath(), path);
    QCOMPARE(imageBytes(m_window->workingImage()), sampleImage());
    QCOMPARE(tabs()->count(), 4);
}

void TestMainWindow::exportThenImportGivesSameBytes()
{
    const QString path = writeImage("sample.bin", sampleImage());
    QVERIFY(m_window->openFile(path.toLocal8Bit().constData()));
    modify();
    const QByteArray working = imageBytes(m_window->workingImage());
    FileAnswers files;
    files.answers << m_dir->filePath("dump.dat");
    action("actionExport_Hexa_Array")->trigger();
    QCOMPARE(files.requests.first().caption, QString("Export"));
    QCOMPARE(files.requests.first().dir, m_dir->filePath("sample"));
    QCOMPARE(files.requests.first().filter, QString("DAT File (*.dat)"));
    QVERIFY(m_window->isModified());
    QCOMPARE(m_window->windowTitle(), "VQ ZAVO Zozezi - " + path);
    const QByteArray dump = readFileBytes(m_dir->filePath("dump.dat"));
    QVERIFY(dump.startsWith("EDID BYTES:\r\n"));
    QVERIFY(dump.contains("\r\n00 | 00 FF FF FF FF FF FF 00 "));

    BoxRecorder boxes(QMessageBox::No);
    files.answers << m_dir->filePath("dump.dat");
    action("actionImport")->trigger();
    QCOMPARE(imageBytes(m_window->savedImage()), working);
    QCOMPARE(imageBytes(m_window->workingImage()), working);
    QVERIFY(!action("actionSave")->isEnabled());
}

void TestMainWindow::nonAsciiFileName()
{
    const QString path = writeImage(QString::fromUtf8("écran-Ökö.bin"), sampleImage());
    QVERIFY(m_window->openFile(path.toLocal8Bit().constData()));
    QCOMPARE(m_window->windowTitle(), "VQ ZAVO Zozezi - " + path);
    modify();
    m_window->on_actionSave_triggered();
    QCOMPARE(readFileBytes(path), imageBytes(m_window->workingImage()));
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

void TestMainWindow::commandLineDumpLeavesSaveDisabled()
{
    const QString dump = writeImage("arg.edid", writeTextDump(sampleImage()));
    m_window->openArgument(dump.toLocal8Bit().constData());
    QCOMPARE(imageBytes(m_window->workingImage()), sampleImage());
    QVERIFY(!action("actionSave")->isEnabled());
    QVERIFY(action("actionSave_As")->isEnabled());
}

void TestMainWindow::floatingViewerToggles()
{
    const QString path = writeImage("sample.bin", sampleImage());
    QVERIFY(m_window->openFile(path.toLocal8Bit().constData()));
    FloatingHexaViewer* floating = HexaViewer::instance()->floatingViewer();
    action("actionHexa_Viewer")->trigger();
    QVERIFY(floating->isOpen());
    QVERIFY(floating->isVisible());
    QVERIFY(action("actionHexaViewerTool")->isChecked());
    QCOMPARE(int(floating->windowFlags() & (Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)),
             0x40800);

    QEvent deactivate(QEvent::ApplicationDeactivate);
    QVERIFY(m_window->eventFilter(qApp, &deactivate));
    QVERIFY(!floating->isOpen());
    QVERIFY(!floating->isVisible());
    QVERIFY(!action("actionHexa_Viewer")->isChecked());
    QVERIFY(!action("actionHexaViewerTool")->isChecked());

    action("actionHexaViewerTool")->trigger();
    QVERIFY(action("actionHexa_Viewer")->isChecked());
    action("actionHexaViewerTool")->trigger();
    QVERIFY(!floating->isVisible());
    QVERIFY(!action("actionHexa_Viewer")->isChecked());
}

void TestMainWindow::saveClearsMarksInBothGrids()
{
    const QString path = writeImage("sample.bin", sampleImage());
    QVERIFY(m_window->openFile(path.toLocal8Bit().constData()));
    modify();
    QTableWidget* grid = HexaViewer::instance()->findChild<QTableWidget*>("displayByteArray");
    QTableWidget* floating = HexaViewer::instance()->floatingViewer()->grid();
    QCOMPARE(grid->item(1, 3)->foreground().color(), QColor(255, 0, 0));
    QCOMPARE(floating->item(1, 3)->foreground().color(), QColor(255, 0, 0));
    m_window->on_actionSave_triggered();
    QCOMPARE(grid->item(1, 3)->foreground().color(), QColor(Qt::black));
    QVERIFY(floating->item(1, 3)->foreground().color() != QColor(255, 0, 0));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
