// Extraction of a connected display's EDID: the chooser dialog on its own,
// then through the main window.
#include "checksum.h"
#include "mainwindow.h"
#include "registryextractor.h"
#include "testsupport.h"

#include <QAction>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

namespace {

QByteArray imageBytes(const Byte* image, int size = EDID_IMAGE_SIZE)
{
    return QByteArray(reinterpret_cast<const char*>(image), size);
}

// The sample image cut to its base block, announcing no extension.
QByteArray baseBlockOnly()
{
    QByteArray bytes = sampleImage().left(EDID_BLOCK_SIZE);
    bytes[126] = 0;
    updateBlockChecksum(reinterpret_cast<Byte*>(bytes.data()));
    return bytes;
}

// The sample image with a second extension block: 384 bytes.
QByteArray threeBlocks()
{
    QByteArray bytes = sampleImage();
    bytes[126] = 2;
    updateBlockChecksum(reinterpret_cast<Byte*>(bytes.data()));
    QByteArray block(EDID_BLOCK_SIZE, '\x13');
    block[0] = char(0x40);
    updateBlockChecksum(reinterpret_cast<Byte*>(block.data()));
    return bytes + block;
}

void writeStore(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QVERIFY(writeFileBytes(path, bytes));
}

void clickRow(QListView* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row, 0)).center());
}

} // namespace

class TestRegistry : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void dialogDeliversOnClose_data();
    void dialogDeliversOnClose();
    void extractsStoredImage();
    void cancelsLeaveDocumentAsItWas();

private:
    // Runs the extraction; inside the dialog, clicks `row` (none when -1)
    // and then the named button.
    void extract(int row, const char* button);

    QTemporaryDir m_dir;
    MainWindow* m_window = nullptr;
    BoxRecorder* m_boxes = nullptr;
    QStringList m_listed;
};

void TestRegistry::initTestCase()
{
    writeStore(m_dir.filePath("drm/card0-DP-1/edid"), baseBlockOnly());
    writeStore(m_dir.filePath("drm/card0-HDMI-A-1/edid"), threeBlocks());
    writeStore(m_dir.filePath("drm/card0-DP-2/edid"), QByteArray());
    QByteArray broken = baseBlockOnly();
    broken[127] = char(broken[127] + 1);
    writeStore(m_dir.filePath("broken/card0-DP-1/edid"), broken);
}

void TestRegistry::init()
{
    m_window = new MainWindow;
    m_window->setDrmRoot(m_dir.filePath("drm"));
    m_boxes = new BoxRecorder;
}

void TestRegistry::cleanup()
{
    delete m_boxes;
    delete m_window;
}

void TestRegistry::extract(int row, const char* button)
{
    DialogAnswers answers;
    m_listed.clear();
    answers.prepare = [this, row, button](QDialog& dialog) {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* list = dialog.findChild<QListView*>("edidList");
        for (int i = 0; i < list->model()->rowCount(); ++i)
            m_listed << list->model()->index(i, 0).data().toString();
        if (row >= 0)
            clickRow(list, row);
        QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
    };
    m_window->findChild<QAction*>("action_Extract_From_Registry")->trigger();
}

// The entry last clicked is delivered, and only as the dialog closes with
// Extract or a double click.
void TestRegistry::dialogDeliversOnClose_data()
{
    QTest::addColumn<int>("row"); // -1: a click beside the entries, -2: no click
    QTest::addColumn<QString>("close"); // "double": a double click, "": Escape
    QTest::addColumn<bool>("delivered");
    QTest::newRow("128 bytes, Extract") << 0 << "extractButton" << true;
    QTest::newRow("384 bytes, Extract") << 1 << "extractButton" << true;
    QTest::newRow("double click") << 0 << "double" << true;
    QTest::newRow("Extract without click") << -2 << "extractButton" << false;
    QTest::newRow("click beside the entries") << -1 << "extractButton" << false;
    QTest::newRow("Cancel after click") << 0 << "cancelButton" << false;
    QTest::newRow("Escape after click") << 1 << "" << false;
}

void TestRegistry::dialogDeliversOnClose()
{
    QFETCH(int, row);
    QFETCH(QString, close);
    QFETCH(bool, delivered);
    Byte output[EDID_IMAGE_SIZE];
    std::memset(output, 0xA5, sizeof output);
    RegistryExtractor dialog;
    dialog.setStoreRoot(m_dir.filePath("drm"));
    dialog.setOutputBuffer(output);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* list = dialog.findChild<QListView*>("edidList");
    QCOMPARE(list->model()->rowCount(), 2);
    QCOMPARE(list->model()->index(1, 0).data().toString(), QString("VQZ1027"));
    if (row >= 0) {
        clickRow(list, 1 - row);
        clickRow(list, row);
    } else if (row == -1) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->viewport()->rect().bottomRight() - QPoint(2, 2));
    }
    const QByteArray untouched(EDID_IMAGE_SIZE, char(0xA5));
    QCOMPARE(imageBytes(output), untouched);
    if (close == "double")
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row, 0)).center());
    else if (close.isEmpty())
        QTest::keyClick(list, Qt::Key_Escape);
    else
        QTest::mouseClick(dialog.findChild<QPushButton*>(qPrintable(close)), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.isChosen(), delivered);
    const QByteArray stored = row == 0 ? baseBlockOnly() : threeBlocks();
    QCOMPARE(imageBytes(output), delivered ? stored.left(EDID_IMAGE_SIZE).leftJustified(EDID_IMAGE_SIZE, '\0')
                                           : untouched);
    if (delivered)
        QCOMPARE(dialog.chosenBytes(), stored);
}

void TestRegistry::extractsStoredImage()
{
    extract(1, "extractButton");
    QCOMPARE(m_listed, QStringList({"VQZ1027", "VQZ1027"}));
    QCOMPARE(m_window->windowTitle(), QString("VQ ZAVO Zozezi - Registry Import (VQZ1027)"));
    const QByteArray stored = threeBlocks();
    QCOMPARE(imageBytes(m_window->savedImage()), stored.left(EDID_IMAGE_SIZE));
    QCOMPARE(imageBytes(m_window->workingImage()), stored.left(EDID_IMAGE_SIZE));
    QCOMPARE(m_window->extraBlocks(), stored.mid(EDID_IMAGE_SIZE));
    QVERIFY(!m_window->isModified());
    // Untitled: saved whole under the name the user gives.
    FileAnswers files;
    files.answers << m_dir.filePath("long");
    m_window->findChild<QAction*>("actionSave")->trigger();
    QCOMPARE(readFileBytes(m_dir.filePath("long.bin")), stored);
    // The shorter connector next: nothing of the longer image is left.
    extract(0, "extractButton");
    QCOMPARE(imageBytes(m_window->savedImage()), baseBlockOnly() + QByteArray(EDID_BLOCK_SIZE, '\0'));
    QVERIFY(m_window->extraBlocks().isEmpty());
    // An invalid stored image changes nothing, silently.
    m_window->setDrmRoot(m_dir.filePath("broken"));
    extract(0, "extractButton");
    QCOMPARE(imageBytes(m_window->savedImage()), baseBlockOnly() + QByteArray(EDID_BLOCK_SIZE, '\0'));
    QCOMPARE(m_boxes->count(), 0);
}

void TestRegistry::cancelsLeaveDocumentAsItWas()
{
    const QString path = m_dir.filePath("base.bin");
    QVERIFY(writeFileBytes(path, baseBlockOnly()));
    QVERIFY(m_window->openFile(path.toLocal8Bit().constData()));
    m_window->findChild<QAction*>("actionCEA_861_EB")->trigger(); // adds an extension: modified
    const QByteArray working = imageBytes(m_window->workingImage());
    m_boxes->answers << QMessageBox::Cancel; // at the prompt to save first: no dialog
    {
        DialogAnswers answers;
        m_window->findChild<QAction*>("actionExtract_Registry_E_EDID")->trigger();
        QCOMPARE(answers.count, 0);
    }
    m_boxes->answers << QMessageBox::No; // not saved first, then Cancel in the dialog
    extract(1, "cancelButton");
    QCOMPARE(m_boxes->count(), 2);
    QCOMPARE(m_boxes->lastTitle(), QString("File edited"));
    QCOMPARE(imageBytes(m_window->workingImage()), working);
    QCOMPARE(m_window->currentPath(), path);
    QVERIFY(m_window->isModified());
}

QTEST_MAIN(TestRegistry)
#include "tst_registry.moc"
