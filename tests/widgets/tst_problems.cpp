// The window's side of the full decode, over real EDIDs: the Problems list
// follows the edits made in the editors, its entries show their bytes in
// the hex viewer, the blocks after the first extension are shown there
// decoded and saved unchanged, and Compare with file lists what differs.

#include "ceaextensionblock.h"
#include "checksum.h"
#include "comparedialog.h"
#include "decodeddocument.h"
#include "edidinfo.h"
#include "hexaviewer.h"
#include "mainwindow.h"
#include "problemslist.h"
#include "testsupport.h"

#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const int kWait = 5000;
const char kDisplayId12[] = "Digital__AOC__AOCB403__C99A51BEDC85.bin";
const char kRevision3[] = "Digital__AOC__AOC2267__99CA169FD4BE.bin";

// The first block's checksum made right again.
QByteArray withBaseChecksum(QByteArray bytes)
{
    updateBlockChecksum(reinterpret_cast<Byte*>(bytes.data()));
    return bytes;
}

// The row of the first finding whose message starts with `start`; -1 when none.
int findingRow(const Findings& findings, const QString& start)
{
    for (int row = 0; row < findings.size(); ++row) {
        if (findings.at(row).message.startsWith(start))
            return row;
    }
    return -1;
}

} // namespace

// Skips the calling test when the corpus is not there.
#define CORPUS_BYTES(variable, name)                                                  \
    const QByteArray variable = corpusBytes(name);                                    \
    if (variable.isEmpty())                                                           \
        QSKIP("reference EDID corpus not available");

class TestProblems : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void builtWithTheFirstDocument();
    void rangeLimitsFollowEdits();
    void oneDecodePerAction();
    void laterBlockChecksumSelectsItsBytes();
    void laterBlocksDecodedAndSavedUnchanged_data();
    void laterBlocksDecodedAndSavedUnchanged();
    void compareWithFile_data();
    void compareWithFile();
    void extensionDataBlocksDescribed();

private:
    void open(const QByteArray& bytes);
    void typeInto(const char* name, const QString& text);
    QAction* action(const char* name) const { return m_window->findChild<QAction*>(name); }
    QTabWidget* tabs() const { return m_window->findChild<QTabWidget*>("dataTabs"); }
    ProblemsList* problems() const { return m_window->problemsList(); }
    const Findings& shown() const { return problems()->shownFindings(); }

    QTemporaryDir* m_dir = nullptr;
    MainWindow* m_window = nullptr;
};

void TestProblems::init()
{
    m_dir = new QTemporaryDir;
    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestProblems::cleanup()
{
    BoxRecorder discard(QMessageBox::No);
    delete m_window;
    delete m_dir;
}

void TestProblems::open(const QByteArray& bytes)
{
    const QString path = m_dir->filePath("opened.bin");
    QVERIFY(writeFileBytes(path, bytes));
    BoxRecorder boxes;
    QVERIFY(m_window->openFile(path.toLocal8Bit().constData()));
}

void TestProblems::typeInto(const char* name, const QString& text)
{
    auto* field = m_window->findChild<QLineEdit*>(name);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

// Nothing of the decode is made before there is a document; another
// document replaces the list, and the zero block that pads an image
// without extension is no block of it.
void TestProblems::builtWithTheFirstDocument()
{
    QVERIFY(!m_window->findChild<QDockWidget*>("problemsDock"));
    QVERIFY(!m_window->decodedDocument());
    open(sampleImage());
    auto* dock = m_window->findChild<QDockWidget*>("problemsDock");
    QTRY_VERIFY_WITH_TIMEOUT(dock->isVisible(), kWait);
    QTRY_COMPARE_WITH_TIMEOUT(dock->windowTitle(), QString("Problems: 0 failures, 2 warnings"), kWait);
    action("actionProblems")->trigger();
    QVERIFY(!dock->isVisible());
    QByteArray baseOnly = sampleImage().left(128);
    baseOnly[126] = 0;
    open(withBaseChecksum(baseOnly));
    QTRY_COMPARE_WITH_TIMEOUT(problems()->summary(), QString("none"), kWait);
}

// A range limits descriptor (bytes 72-89) whose vertical maximum falls
// below the preferred timing's rate: a failure for this E-EDID 1.3 file
// (that 1.4 only warns is the check test's).
void TestProblems::rangeLimitsFollowEdits()
{
    const int descriptor = 72;
    CORPUS_BYTES(bytes, kRevision3);
    open(bytes);
    QTRY_COMPARE_WITH_TIMEOUT(problems()->summary(), QString("none"), kWait);
    tabs()->setCurrentIndex(1);
    typeInto("maxVRateField", "55");
    const QString message = "Vertical rate of DTD 1 (block 0) is outside the range limits";
    QTRY_VERIFY_WITH_TIMEOUT(findingRow(shown(), message) >= 0, kWait);
    const int row = findingRow(shown(), message);
    QCOMPARE(shown().at(row).level, Finding::Failure);
    QCOMPARE(shown().at(row).offset, descriptor);
    // Chosen, it shows the descriptor's bytes.
    problems()->choose(row);
    QCOMPARE(tabs()->currentWidget()->objectName(), QString("hexaTab"));
    QCOMPARE(HexaViewer::instance()->highlightedRange(), qMakePair(descriptor, descriptor + 17));
    tabs()->setCurrentIndex(1);
    typeInto("maxVRateField", "76");
    QTRY_COMPARE_WITH_TIMEOUT(problems()->summary(), QString("none"), kWait);
}

// Removing the extension writes its bytes and byte 126: one decode.
void TestProblems::oneDecodePerAction()
{
    open(sampleImage());
    DecodedDocument* decoded = m_window->decodedDocument();
    QTRY_VERIFY_WITH_TIMEOUT(decoded->decodeCount() > 0, kWait);
    const int before = decoded->decodeCount();
    int writes = 0;
    connect(&m_window->model(), &ImageModel::changed, this, [&writes] { ++writes; });
    BoxRecorder boxes;
    action("actionCEA_861_EB")->trigger();
    QVERIFY(writes > 1);
    QTRY_COMPARE_WITH_TIMEOUT(decoded->decodeCount(), before + 1, kWait);
    QTest::qWait(50);
    QCOMPARE(decoded->decodeCount(), before + 1);
}

// A broken checksum of block 2 fails; its entry shows block 2 in the hex
// viewer with the checksum byte chosen. Once byte 126 no longer announces
// the block, the failure and the block selector are gone.
void TestProblems::laterBlockChecksumSelectsItsBytes()
{
    CORPUS_BYTES(bytes, kDisplayId12);
    QByteArray broken = bytes;
    broken[383] = char(broken[383] + 1);
    open(broken);
    const QString message = "Block 2 checksum is";
    QTRY_VERIFY_WITH_TIMEOUT(findingRow(shown(), message) >= 0, kWait);
    const int row = findingRow(shown(), message);
    QCOMPARE(problems()->rowText(row, 0), QString("Failure"));
    QCOMPARE(problems()->rowText(row, 2), QString("383 (0x17F)"));
    problems()->choose(row);
    HexaViewer* viewer = HexaViewer::instance();
    QCOMPARE(viewer->shownBlock(), 2);
    QCOMPARE(viewer->highlightedRange(), qMakePair(383, 383));
    QTableWidget* grid = viewer->grid();
    QCOMPARE(qMakePair(grid->currentRow(), grid->currentColumn()), qMakePair(7, 15));
    auto* selector = viewer->findChild<QComboBox*>("blockMulti");
    QVERIFY(selector->isVisibleTo(viewer));

    BoxRecorder boxes;
    action("actionCEA_861_EB")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(findingRow(shown(), message), -1, kWait);
    QCOMPARE(viewer->shownBlock(), 0);
    QVERIFY(!selector->isVisibleTo(viewer));
}

void TestProblems::laterBlocksDecodedAndSavedUnchanged_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("blockName");
    QTest::newRow("DisplayID 1.2") << kDisplayId12 << "Block 2: DisplayID 1.2 extension block";
    QTest::newRow("DisplayID 1.3") << "Digital__AU_Optronics__AUODB95__38D31F9732C8.bin"
                                   << "Block 2: DisplayID 1.3 extension block";
    QTest::newRow("unknown block") << "Digital__GIGABYTE__GBT2706__638BBDAF48FF.bin"
                                   << "Block 2: Unknown extension block 0x45";
}

// Block 2 in the hex viewer: each field read from it, clicked at its first
// byte, shows its section with the field's row chosen. An edit of the base
// block saves block 2 as it was read.
void TestProblems::laterBlocksDecodedAndSavedUnchanged()
{
    QFETCH(QString, file);
    QFETCH(QString, blockName);
    CORPUS_BYTES(bytes, file);
    open(bytes);
    tabs()->setCurrentWidget(m_window->findChild<QWidget*>("hexaTab"));
    HexaViewer* viewer = HexaViewer::instance();
    auto* selector = viewer->findChild<QComboBox*>("blockMulti");
    QTRY_COMPARE_WITH_TIMEOUT(selector->count(), 2, kWait);
    QCOMPARE(selector->itemText(1), blockName);
    selector->setCurrentIndex(1);
    emit selector->activated(1);
    QCOMPARE(viewer->blockName(), blockName);
    QTableWidget* grid = viewer->grid();
    QCOMPARE(grid->item(7, 15)->text(), QString("%1").arg(Byte(bytes[383]), 2, 16, QChar('0')).toUpper());
    QVERIFY(grid->isRowHidden(8));
    QCOMPARE(grid->model()->headerData(1, Qt::Vertical).toString(), QString("110"));

    Findings ignored;
    const DecodedNode block = decodeEdid(bytes, ignored).children.value(2);
    int checked = 0;
    for (const DecodedNode& section : QList<DecodedNode>{block} + block.children) {
        for (const DecodedField& field : section.fields) {
            if (field.offset < 256 || (&section == &block && !block.children.isEmpty()
                                       && field.offset >= block.children.first().offset))
                continue;
            const int cell = field.offset - 256;
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                              grid->visualItemRect(grid->item(cell / 16, cell % 16)).center());
            QCOMPARE(viewer->blockName(), section.name);
            QCOMPARE(viewer->shownLabels().value(viewer->shownFieldRow()), field.name);
            ++checked;
        }
    }
    QVERIFY(checked >= 5);

    tabs()->setCurrentIndex(0);
    typeInto("serialNumberField", "4242");
    FileAnswers files;
    files.answers << m_dir->filePath("saved.bin");
    m_window->on_actionSave_As_triggered();
    const QByteArray saved = readFileBytes(m_dir->filePath("saved.bin"));
    QVERIFY(saved.left(128) != bytes.left(128));
    QCOMPARE(saved.mid(256), bytes.mid(256));
}

// The document against a file: the changed product code with both values
// (and the checksum, nothing else), a box when the decoded contents are
// equal, a warning when the file is no EDID the editor would open.
void TestProblems::compareWithFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("productCode"); // of the compared file; -1: unchanged
    QTest::addColumn<bool>("valid");
    QTest::newRow("changed product code, 384 bytes") << kDisplayId12 << 0x1234 << true;
    QTest::newRow("same contents") << kDisplayId12 << -1 << true;
    QTest::newRow("not an EDID") << kRevision3 << -1 << false;
}

void TestProblems::compareWithFile()
{
    QFETCH(QString, file);
    QFETCH(int, productCode);
    QFETCH(bool, valid);
    CORPUS_BYTES(bytes, file);
    open(bytes);
    QByteArray other = bytes;
    if (productCode >= 0) {
        other[10] = char(productCode & 0xFF);
        other[11] = char(productCode >> 8);
        other = withBaseChecksum(other);
    }
    const QString path = m_dir->filePath("other.bin");
    QVERIFY(writeFileBytes(path, valid ? other : QByteArray("not an EDID")));
    FileAnswers files;
    files.answers << path;
    BoxRecorder boxes;
    DialogAnswers dialogs;
    QList<QStringList> rows;
    dialogs.prepare = [&rows](QDialog& dialog) {
        auto* compare = qobject_cast<CompareDialog*>(&dialog);
        for (int row = 0; compare && row < compare->rowCount(); ++row)
            rows << QStringList{compare->rowText(row, 0), compare->rowText(row, 1), compare->rowText(row, 2),
                                compare->rowText(row, 3)};
    };
    action("actionCompare_with_file")->trigger();
    QCOMPARE(dialogs.count, productCode >= 0 ? 1 : 0);
    if (productCode < 0) {
        QCOMPARE(boxes.count(), 1);
        QVERIFY(boxes.lastText().contains(valid ? "are equal" : "cannot be compared"));
        return;
    }
    const int original = Byte(bytes[10]) | Byte(bytes[11]) << 8;
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].mid(0, 2), QStringList({"Block 0: Base EDID / Vendor & Product ID", "Product code"}));
    QVERIFY2(rows[0][2].startsWith(QString::number(original) + " "), qPrintable(rows[0][2]));
    QVERIFY2(rows[0][3].startsWith(QString::number(productCode) + " "), qPrintable(rows[0][3]));
    QCOMPARE(rows[1][1], QString("Checksum"));
}

// A byte of a CTA-861 data block or timing shows that block's decoded
// fields; a padding byte still shows the plain section. An edit in a
// block's form brings that block, with its new value, into the panel.
void TestProblems::extensionDataBlocksDescribed()
{
    open(sampleImage());
    Findings findings;
    const DecodedNode root = decodeEdid(sampleImage(), findings);
    HexaViewer* viewer = HexaViewer::instance();
    tabs()->setCurrentIndex(tabs()->count() - 1);
    QTableWidget* grid = viewer->grid();
    auto click = [grid](int index) { emit grid->cellClicked(index / 16, index % 16); };
    QStringList names;
    for (const DecodedNode& block : root.children.at(1).children) {
        click(block.offset + block.length - 1);
        QCOMPARE(viewer->blockName(), block.name);
        QCOMPARE(viewer->shownLabels().size(), block.fields.size());
        QCOMPARE(viewer->highlightedRange(), qMakePair(block.offset, block.offset + block.length - 1));
        names << block.name;
        if (block.name == "HDMI")
            QVERIFY(viewer->shownLabels().contains("Physical address"));
    }
    QVERIFY(names.contains("HDMI"));
    click(253);
    QCOMPARE(viewer->blockName(), QString("Descriptor Blocks (CEA)"));
    QVERIFY(viewer->shownLabels().isEmpty());

    tabs()->setCurrentIndex(2);  // CEA Extension
    auto* extension = m_window->findChild<CEAExtensionBlock*>();
    extension->setCurrentBlockRow(names.indexOf("HDMI"));
    typeInto("physAddrField", "2.1.0.0");
    QCOMPARE(viewer->blockName(), QString("HDMI"));
    QCOMPARE(viewer->shownValues().value(viewer->shownLabels().indexOf("Physical address")), QString("2.1.0.0"));
}

QTEST_MAIN(TestProblems)
#include "tst_problems.moc"
