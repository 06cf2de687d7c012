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

namespace {

QByteArray bytesOf(const Byte* image)
{
    return QByteArray(reinterpret_cast<const char*>(image), EDID_IMAGE_SIZE);
}

// The sample's base block announcing `extensions` blocks, followed by them:
// none, or the sample's CEA block and another one (384 bytes).
QByteArray stored(int extensions)
{
    QByteArray bytes = sampleImage().left(extensions ? EDID_IMAGE_SIZE : EDID_BLOCK_SIZE);
    bytes[126] = char(extensions);
    if (extensions)
        bytes += '\x40' + QByteArray(EDID_BLOCK_SIZE - 1, '\x13');
    for (int block = 0; block < bytes.size(); block += EDID_BLOCK_SIZE)
        updateBlockChecksum(reinterpret_cast<Byte*>(bytes.data() + block));
    return bytes;
}

void writeStore(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QVERIFY(writeFileBytes(path, bytes));
}

void clickRow(QListView* list, int row, bool twice = false)
{
    const QPoint centre = list->visualRect(list->model()->index(row, 0)).center();
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    else
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
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
    void cancelAtSavePromptOpensNoDialog();

private:
    // Runs the extraction; inside the dialog, clicks `row` and then the named button.
    void extract(int row, const char* button);

    QTemporaryDir m_dir;
    MainWindow* m_window = nullptr;
    BoxRecorder* m_boxes = nullptr;
};

// The entries, in order: 128 bytes, 384 bytes (an empty store is not listed).
void TestRegistry::initTestCase()
{
    writeStore(m_dir.filePath("drm/card0-DP-1/edid"), stored(0));
    writeStore(m_dir.filePath("drm/card0-HDMI-A-1/edid"), stored(2));
    writeStore(m_dir.filePath("drm/card0-DP-2/edid"), QByteArray());
    QByteArray broken = stored(0);
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
    answers.prepare = [row, button](QDialog& dialog) {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        clickRow(dialog.findChild<QListView*>("edidList"), row);
        QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
    };
    m_window->findChild<QAction*>("action_Extract_From_Registry")->trigger();
}

// The entry last clicked is delivered, and only as the dialog closes with
// Extract or a double click.
void TestRegistry::dialogDeliversOnClose_data()
{
    QTest::addColumn<int>("row"); // -1: no click
    QTest::addColumn<QString>("close"); // "double": a double click, "": Escape
    QTest::addColumn<bool>("delivered");
    QTest::newRow("128 bytes, Extract") << 0 << "extractButton" << true;
    QTest::newRow("double click") << 0 << "double" << true;
    QTest::newRow("Extract without click") << -1 << "extractButton" << false;
    QTest::newRow("Cancel after click") << 0 << "cancelButton" << false;
    QTest::newRow("Escape after click") << 1 << "" << false;
}

void TestRegistry::dialogDeliversOnClose()
{
    QFETCH(int, row);
    QFETCH(QString, close);
    QFETCH(bool, delivered);
    const QByteArray untouched(EDID_IMAGE_SIZE, char(0xA5));
    QByteArray output = untouched;
    RegistryExtractor dialog;
    dialog.setStoreRoot(m_dir.filePath("drm"));
    dialog.setOutputBuffer(reinterpret_cast<Byte*>(output.data()));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* list = dialog.findChild<QListView*>("edidList");
    if (row >= 0) {
        clickRow(list, 1 - row);
        clickRow(list, row);
    }
    QCOMPARE(output, untouched);
    if (close == "double")
        clickRow(list, row, true);
    else if (close.isEmpty())
        QTest::keyClick(list, Qt::Key_Escape);
    else
        QTest::mouseClick(dialog.findChild<QPushButton*>(qPrintable(close)), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.isChosen(), delivered);
    const QByteArray bytes = stored(row == 0 ? 0 : 2);
    QCOMPARE(output, delivered ? bytes.left(EDID_IMAGE_SIZE).leftJustified(EDID_IMAGE_SIZE, '\0') : untouched);
    if (delivered)
        QCOMPARE(dialog.chosenBytes(), bytes);
}

void TestRegistry::extractsStoredImage()
{
    extract(1, "extractButton");
    QCOMPARE(m_window->windowTitle(), QString("VQ ZAVO Zozezi - Registry Import (VQZ1027)"));
    const QByteArray bytes = stored(2);
    QCOMPARE(bytesOf(m_window->savedImage()), bytes.left(EDID_IMAGE_SIZE));
    QCOMPARE(m_window->model().bytes(EDID_IMAGE_SIZE, bytes.size()), bytes.mid(EDID_IMAGE_SIZE));
    QVERIFY(!m_window->isModified());
    // Untitled: saved whole under the name the user gives.
    FileAnswers files;
    files.answers << m_dir.filePath("long");
    m_window->findChild<QAction*>("actionSave")->trigger();
    QCOMPARE(readFileBytes(m_dir.filePath("long.bin")), bytes);
    // The shorter connector next: nothing of the longer image is left.
    extract(0, "extractButton");
    const QByteArray shorter = stored(0) + QByteArray(EDID_BLOCK_SIZE, '\0');
    QCOMPARE(bytesOf(m_window->savedImage()), shorter);
    QCOMPARE(m_window->model().size(), EDID_IMAGE_SIZE);
    // An invalid stored image changes nothing, silently.
    m_window->setDrmRoot(m_dir.filePath("broken"));
    extract(0, "extractButton");
    QCOMPARE(bytesOf(m_window->savedImage()), shorter);
    QCOMPARE(m_boxes->count(), 0);
}

void TestRegistry::cancelAtSavePromptOpensNoDialog()
{
    const QString path = m_dir.filePath("base.bin");
    QVERIFY(writeFileBytes(path, stored(0)));
    QVERIFY(m_window->openFile(path.toLocal8Bit().constData()));
    m_window->findChild<QAction*>("actionCEA_861_EB")->trigger(); // adds an extension: modified
    m_boxes->answers << QMessageBox::Cancel;
    DialogAnswers answers;
    m_window->findChild<QAction*>("actionExtract_Registry_E_EDID")->trigger();
    QCOMPARE(m_boxes->lastTitle(), QString("File edited"));
    QCOMPARE(answers.count, 0);
    QVERIFY(m_window->isModified());
}

QTEST_MAIN(TestRegistry)
#include "tst_registry.moc"
