#include "checksum.h"
#include "mainwindow.h"
#include "testsupport.h"

#include <QAction>
#include <QListView>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

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
    QByteArray block(EDID_BLOCK_SIZE, '\0');
    block[0] = char(0x40);
    for (int i = 1; i < 20; ++i)
        block[i] = char(i);
    updateBlockChecksum(reinterpret_cast<Byte*>(block.data()));
    return bytes + block;
}

void writeStore(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QVERIFY(writeFileBytes(path, bytes));
}

QAction* action(MainWindow& window, const char* name)
{
    return window.findChild<QAction*>(name);
}

} // namespace

class TestRegistryImport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void extractsStoredImage();
    void keepsBlocksPast256Bytes();
    void cancelsLeaveDocumentAsItWas();
    void nothingExtractedChangesNothing_data();
    void nothingExtractedChangesNothing();

private:
    // Runs the extraction; inside the dialog, clicks `row` (none when -1)
    // and then the named button.
    void extract(int row, const char* button);
    void openBaseBlockFile();

    QTemporaryDir m_dir;
    MainWindow* m_window = nullptr;
    BoxRecorder* m_boxes = nullptr;
    QString m_dialogStyleSheet;
    QStringList m_listed;
};

void TestRegistryImport::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.filePath("settings"));
    QSettings settings("Velquin", "VQZAVOZozezi");
    settings.setValue("UpdateUrl", QUrl("http://127.0.0.1:9/"));
    QVERIFY(!sampleImage().isEmpty());
    writeStore(m_dir.filePath("drm/card0-DP-1/edid"), baseBlockOnly());
    writeStore(m_dir.filePath("drm/card0-HDMI-A-1/edid"), threeBlocks());
    writeStore(m_dir.filePath("drm/card0-DP-2/edid"), QByteArray());
    QByteArray broken = baseBlockOnly();
    broken[127] = char(broken[127] + 1);
    writeStore(m_dir.filePath("broken/card0-DP-1/edid"), broken);
}

void TestRegistryImport::init()
{
    m_window = new MainWindow;
    m_window->setDrmRoot(m_dir.filePath("drm"));
    m_boxes = new BoxRecorder;
}

void TestRegistryImport::cleanup()
{
    delete m_boxes;
    delete m_window;
}

void TestRegistryImport::extract(int row, const char* button)
{
    DialogAnswers answers;
    m_listed.clear();
    answers.prepare = [this, row, button](QDialog& dialog) {
        m_dialogStyleSheet = dialog.styleSheet();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* list = dialog.findChild<QListView*>("edidList");
        for (int i = 0; i < list->model()->rowCount(); ++i)
            m_listed << list->model()->index(i, 0).data().toString();
        if (row >= 0) {
            const QRect rect = list->visualRect(list->model()->index(row, 0));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        }
        QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
    };
    action(*m_window, "action_Extract_From_Registry")->trigger();
}

void TestRegistryImport::openBaseBlockFile()
{
    const QString path = m_dir.filePath("base.bin");
    QVERIFY(writeFileBytes(path, baseBlockOnly()));
    QVERIFY(m_window->openFile(path.toLocal8Bit().constData()));
}

void TestRegistryImport::extractsStoredImage()
{
    extract(0, "extractButton");
    QCOMPARE(m_listed, QStringList({"VQZ1027", "VQZ1027"}));
    QCOMPARE(m_dialogStyleSheet, m_window->styleSheetText());
    QCOMPARE(m_window->windowTitle(), QString("VQ ZAVO Zozezi - Registry Import (VQZ1027)"));
    const QByteArray expected = baseBlockOnly() + QByteArray(EDID_BLOCK_SIZE, '\0');
    QCOMPARE(imageBytes(m_window->savedImage()), expected);
    QCOMPARE(imageBytes(m_window->workingImage()), expected);
    QVERIFY(!m_window->isModified());
    QVERIFY(m_window->extraBlocks().isEmpty());
    QCOMPARE(m_boxes->count(), 0);
}

void TestRegistryImport::keepsBlocksPast256Bytes()
{
    extract(1, "extractButton");
    const QByteArray stored = threeBlocks();
    QCOMPARE(imageBytes(m_window->savedImage()), stored.left(EDID_IMAGE_SIZE));
    QCOMPARE(imageBytes(m_window->workingImage()), stored.left(EDID_IMAGE_SIZE));
    QCOMPARE(m_window->extraBlocks(), stored.mid(EDID_IMAGE_SIZE));
    QVERIFY(m_window->document().hasCEAExtension());

    // Untitled: saved whole under the name the user gives.
    FileAnswers files;
    files.answers << m_dir.filePath("long");
    action(*m_window, "actionSave")->trigger();
    QCOMPARE(files.requests.size(), 1);
    QCOMPARE(files.requests.first().caption, QString("Save As"));
    QCOMPARE(readFileBytes(m_dir.filePath("long.bin")), stored);

    // The shorter connector next: nothing of the longer image is left.
    extract(0, "extractButton");
    QCOMPARE(m_window->savedImage()[126], Byte(0));
    QVERIFY(m_window->extraBlocks().isEmpty());
    QVERIFY(!m_window->document().hasCEAExtension());
}

void TestRegistryImport::cancelsLeaveDocumentAsItWas()
{
    openBaseBlockFile();
    action(*m_window, "actionCEA_861_EB")->trigger();  // adds an extension: modified
    QVERIFY(m_window->isModified());
    const QByteArray saved = imageBytes(m_window->savedImage());
    const QByteArray working = imageBytes(m_window->workingImage());
    const QString title = m_window->windowTitle();

    // Cancel at the prompt to save first: no dialog.
    m_boxes->answers << QMessageBox::Cancel;
    {
        DialogAnswers answers;
        action(*m_window, "actionExtract_Registry_E_EDID")->trigger();
        QCOMPARE(answers.count, 0);
    }
    // Not saved first, then Cancel in the dialog; the floating view is closed.
    QAction* viewer = action(*m_window, "actionHexa_Viewer");
    viewer->trigger();
    QVERIFY(viewer->isChecked());
    m_boxes->answers << QMessageBox::No;
    extract(1, "cancelButton");
    QVERIFY(!viewer->isChecked());
    QVERIFY(!action(*m_window, "actionHexaViewerTool")->isChecked());
    QCOMPARE(m_boxes->count(), 2);
    QCOMPARE(m_boxes->lastTitle(), QString("File edited"));
    QCOMPARE(imageBytes(m_window->savedImage()), saved);
    QCOMPARE(imageBytes(m_window->workingImage()), working);
    QCOMPARE(m_window->windowTitle(), title);
    QVERIFY(m_window->isModified());
    QVERIFY(m_window->extraBlocks().isEmpty());
}

void TestRegistryImport::nothingExtractedChangesNothing_data()
{
    QTest::addColumn<QString>("store");
    QTest::addColumn<int>("row");
    QTest::newRow("Extract without click") << "drm" << -1;
    QTest::newRow("invalid stored image") << "broken" << 0;
}

void TestRegistryImport::nothingExtractedChangesNothing()
{
    QFETCH(QString, store);
    QFETCH(int, row);
    openBaseBlockFile();
    const QString title = m_window->windowTitle();
    m_window->setDrmRoot(m_dir.filePath(store));
    extract(row, "extractButton");
    QVERIFY(!m_listed.isEmpty());
    QCOMPARE(m_boxes->count(), 0);
    QCOMPARE(m_window->windowTitle(), title);
    QCOMPARE(imageBytes(m_window->savedImage()), baseBlockOnly() + QByteArray(EDID_BLOCK_SIZE, '\0'));
    QVERIFY(!m_window->isModified());
}

QTEST_MAIN(TestRegistryImport)
#include "tst_registryimport.moc"
