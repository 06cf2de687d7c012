// The window's side of the full decode, over real EDIDs: the Problems list
// follows the edits made in the editors, its entries show their bytes in
// the hex viewer, the blocks after the first extension are shown there
// decoded and saved unchanged, and Compare with file lists what differs.

#include "checksum.h"
#include "comparedialog.h"
#include "decodeddocument.h"
#include "edidinfo.h"
#include "hexaviewer.h"
#include "imagemodel.h"
#include "mainwindow.h"
#include "problemslist.h"
#include "testsupport.h"

#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QHeaderView>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

namespace {

const int kWait = 5000;

QString corpusFile(const QString& name)
{
    return QStringLiteral(EDID_CORPUS_DIR "/") + name;
}

// Skips the calling test when the corpus is not there.
#define CORPUS_BYTES(variable, name)                                    \
    const QByteArray variable = readFileBytes(corpusFile(name));       \
    if (variable.isEmpty())                                             \
        QSKIP("reference EDID corpus not available");

QByteArray withBlockChecksums(QByteArray bytes)
{
    for (int offset = 0; offset + EDID_BLOCK_SIZE <= bytes.size(); offset += EDID_BLOCK_SIZE)
        updateBlockChecksum(reinterpret_cast<Byte*>(bytes.data() + offset));
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

class TestProblems : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void builtWithTheFirstDocument();
    void rangeLimitsFollowEdits_data();
    void rangeLimitsFollowEdits();
    void oneDecodePerAction();
    void laterBlockChecksumSelectsItsBytes();
    void laterBlocksDecodedAndSavedUnchanged_data();
    void laterBlocksDecodedAndSavedUnchanged();
    void compareWithFile_data();
    void compareWithFile();

private:
    void open(const QString& name, const QByteArray& bytes);
    void typeInto(const char* name, const QString& text);
    void clickByte(int cell);
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

void TestProblems::open(const QString& name, const QByteArray& bytes)
{
    const QString path = m_dir->filePath(name);
    QVERIFY(writeFileBytes(path, bytes));
    BoxRecorder boxes;
    QVERIFY(m_window->openFile(path.toLocal8Bit().constData()));
}

void TestProblems::typeInto(const char* name, const QString& text)
{
    auto* field = m_window->findChild<QLineEdit*>(name);
    QVERIFY(field);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

// A click on grid cell `cell` (0 to 255) of the hex viewer.
void TestProblems::clickByte(int cell)
{
    QTableWidget* grid = HexaViewer::instance()->grid();
    QTableWidgetItem* item = grid->item(cell / 16, cell % 16);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(item).center());
}

// Nothing of the decode is made before there is a document to decode.
void TestProblems::builtWithTheFirstDocument()
{
    QVERIFY(!m_window->findChild<QDockWidget*>("problemsDock"));
    QVERIFY(!m_window->decodedDocument());
    QVERIFY(!action("actionProblems")->isEnabled());
    QVERIFY(!action("actionCompare_with_file")->isEnabled());
    open("sample.bin", sampleImage());
    auto* dock = m_window->findChild<QDockWidget*>("problemsDock");
    QVERIFY(dock);
    QTRY_VERIFY_WITH_TIMEOUT(dock->isVisible(), kWait);
    QVERIFY(action("actionProblems")->isChecked());
    action("actionProblems")->trigger();
    QVERIFY(!dock->isVisible());
    QVERIFY(action("actionCompare_with_file")->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(problems()->summary(), QString("0 failures, 2 warnings"), kWait);
    // Another document replaces the list; the zero block that pads an image
    // without extension is no block of it.
    QByteArray baseOnly = sampleImage();
    baseOnly[126] = 0;
    baseOnly = withBlockChecksums(baseOnly.left(128));
    open("base.bin", baseOnly);
    QTRY_COMPARE_WITH_TIMEOUT(problems()->summary(), QString("none"), kWait);
}

// A range limits descriptor whose vertical maximum falls below the
// preferred timing's rate: a failure for E-EDID 1.3, a warning for 1.4.
void TestProblems::rangeLimitsFollowEdits_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("maximum");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("descriptor");
    QTest::newRow("1.3 fails") << "Digital__AOC__AOC2267__99CA169FD4BE.bin" << "76" << int(Finding::Failure) << 72;
    QTest::newRow("1.4 warns") << "Digital__Ancor_Communications__ACI27F6__F505C320246C.bin" << "85"
                               << int(Finding::Warning) << 90;
}

void TestProblems::rangeLimitsFollowEdits()
{
    QFETCH(QString, file);
    QFETCH(QString, maximum);
    QFETCH(int, level);
    QFETCH(int, descriptor);
    CORPUS_BYTES(bytes, file);
    open("ranges.bin", bytes);
    QTRY_COMPARE_WITH_TIMEOUT(problems()->summary(), QString("none"), kWait);
    tabs()->setCurrentIndex(1);
    typeInto("maxVRateField", "55");
    QTRY_VERIFY_WITH_TIMEOUT(findingRow(shown(), "Vertical rate of DTD 1 (block 0)") >= 0, kWait);
    const Finding finding = shown().at(findingRow(shown(), "Vertical rate of DTD 1"));
    QCOMPARE(int(finding.level), level);
    QCOMPARE(finding.block, 0);
    QCOMPARE(finding.offset, descriptor);
    QVERIFY(m_window->findChild<QDockWidget*>("problemsDock")->windowTitle().startsWith("Problems: "));
    // Choosing it shows the descriptor's bytes.
    problems()->choose(findingRow(shown(), "Vertical rate of DTD 1"));
    QCOMPARE(tabs()->currentWidget()->objectName(), QString("hexaTab"));
    QCOMPARE(HexaViewer::instance()->highlightedRange(), qMakePair(descriptor, descriptor + 17));
    tabs()->setCurrentIndex(1);
    typeInto("maxVRateField", maximum);
    QTRY_COMPARE_WITH_TIMEOUT(problems()->summary(), QString("none"), kWait);
}

// Removing the extension writes its bytes and byte 126; the decode runs
// once for the action.
void TestProblems::oneDecodePerAction()
{
    open("sample.bin", sampleImage());
    DecodedDocument* decoded = m_window->decodedDocument();
    QTRY_VERIFY_WITH_TIMEOUT(decoded->decodeCount() > 0, kWait);
    QCoreApplication::processEvents();
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
// viewer with the checksum byte chosen. Dropping the block (byte 126 no
// longer announces it) ends the failure and the selector.
void TestProblems::laterBlockChecksumSelectsItsBytes()
{
    CORPUS_BYTES(bytes, "Digital__AOC__AOCB403__C99A51BEDC85.bin");
    QByteArray broken = bytes;
    broken[383] = char(broken[383] + 1);
    open("broken.bin", broken);
    const QString message = "Block 2 checksum is";
    QTRY_VERIFY_WITH_TIMEOUT(findingRow(shown(), message) >= 0, kWait);
    const int row = findingRow(shown(), message);
    QCOMPARE(int(shown().at(row).level), int(Finding::Failure));
    QCOMPARE(shown().at(row).block, 2);
    QCOMPARE(problems()->rowText(row, 0), QString("Failure"));
    QCOMPARE(problems()->rowText(row, 2), QString("383 (0x17F)"));
    problems()->choose(row);
    HexaViewer* viewer = HexaViewer::instance();
    QCOMPARE(tabs()->currentWidget()->objectName(), QString("hexaTab"));
    QCOMPARE(viewer->shownBlock(), 2);
    QCOMPARE(viewer->highlightedRange(), qMakePair(383, 383));
    QTableWidget* grid = viewer->grid();
    QCOMPARE(grid->currentRow(), 7);
    QCOMPARE(grid->currentColumn(), 15);
    QCOMPARE(grid->currentItem()->text(), QString::number(Byte(broken[383]), 16).toUpper());
    QCOMPARE(viewer->conversionText(1), QString::number(Byte(broken[383])));
    QVERIFY(viewer->findChild<QComboBox*>("blockMulti")->isVisibleTo(viewer));

    BoxRecorder boxes;
    action("actionCEA_861_EB")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(findingRow(shown(), message), -1, kWait);
    QCOMPARE(viewer->shownBlock(), 0);
    QVERIFY(!viewer->findChild<QComboBox*>("blockMulti")->isVisibleTo(viewer));
}

void TestProblems::laterBlocksDecodedAndSavedUnchanged_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("blockName");
    QTest::newRow("DisplayID 1.2") << "Digital__AOC__AOCB403__C99A51BEDC85.bin"
                                   << "Block 2: DisplayID 1.2 extension block";
    QTest::newRow("DisplayID 1.3") << "Digital__AU_Optronics__AUODB95__38D31F9732C8.bin"
                                   << "Block 2: DisplayID 1.3 extension block";
    QTest::newRow("unknown block") << "Digital__GIGABYTE__GBT2706__638BBDAF48FF.bin"
                                   << "Block 2: Unknown extension block 0x45";
}

// Block 2 in the hex viewer, described by its decoded sections; an edit of
// the base block saves block 2 as it was read.
void TestProblems::laterBlocksDecodedAndSavedUnchanged()
{
    QFETCH(QString, file);
    QFETCH(QString, blockName);
    CORPUS_BYTES(bytes, file);
    QCOMPARE(bytes.size(), 384);
    open("long.bin", bytes);
    tabs()->setCurrentWidget(m_window->findChild<QWidget*>("hexaTab"));
    HexaViewer* viewer = HexaViewer::instance();
    auto* selector = viewer->findChild<QComboBox*>("blockMulti");
    QTRY_COMPARE_WITH_TIMEOUT(selector->count(), 2, kWait);
    QCOMPARE(selector->itemText(1), blockName);
    selector->setCurrentIndex(1);
    emit selector->activated(1);
    QCOMPARE(viewer->shownBlock(), 2);
    QTableWidget* grid = viewer->grid();
    QCOMPARE(grid->item(0, 0)->text(), QString("%1").arg(Byte(bytes[256]), 2, 16, QChar('0')).toUpper());
    QCOMPARE(grid->item(7, 15)->text(), QString("%1").arg(Byte(bytes[383]), 2, 16, QChar('0')).toUpper());
    QVERIFY(grid->isRowHidden(8));
    QCOMPARE(grid->model()->headerData(1, Qt::Vertical).toString(), QString("110"));
    QCOMPARE(viewer->blockName(), blockName);

    // Each field read from block 2, clicked at its first byte: its section
    // is shown with the field's row chosen.
    Findings ignored;
    const DecodedNode block = decodeEdid(bytes, ignored).children.value(2);
    int checked = 0;
    for (const DecodedNode& section : QList<DecodedNode>{block} + block.children) {
        for (const DecodedField& field : section.fields) {
            const bool inChild = std::any_of(section.children.begin(), section.children.end(),
                                             [&](const DecodedNode& child) {
                                                 return field.offset >= child.offset
                                                     && field.offset < child.offset + child.length;
                                             });
            if (field.offset < 256 || inChild)
                continue;
            clickByte(field.offset - 256);
            QCOMPARE(viewer->blockName(), section.name);
            QCOMPARE(viewer->highlightedRange(), qMakePair(section.offset, section.offset + section.length - 1));
            QCOMPARE(viewer->shownLabels().value(viewer->shownFieldRow()), field.name);
            QCOMPARE(viewer->conversionText(1), QString::number(Byte(bytes[field.offset])));
            ++checked;
        }
    }
    QVERIFY(checked >= 5);

    tabs()->setCurrentIndex(0);
    typeInto("serialNumberField", "4242");
    QVERIFY(m_window->isModified());
    FileAnswers files;
    files.answers << m_dir->filePath("saved.bin");
    m_window->on_actionSave_As_triggered();
    const QByteArray saved = readFileBytes(m_dir->filePath("saved.bin"));
    QCOMPARE(saved.size(), 384);
    QVERIFY(saved.left(128) != bytes.left(128));
    QCOMPARE(saved.mid(256), bytes.mid(256));
}

// The document against a file: the differing fields with both values, a
// box when the decoded contents are equal, a warning when the file is no
// EDID the editor would open.
void TestProblems::compareWithFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("productCode");   // of the compared file; -1: unchanged
    QTest::addColumn<bool>("valid");
    const QString displayId = "Digital__AOC__AOCB403__C99A51BEDC85.bin";
    const QString base = "Digital__AOC__AOC2267__99CA169FD4BE.bin";
    QTest::newRow("changed product code, 384 bytes") << displayId << 0x1234 << true;
    QTest::newRow("changed product code, 256 bytes") << base << 0x0001 << true;
    QTest::newRow("same contents") << displayId << -1 << true;
    QTest::newRow("not an EDID") << base << -1 << false;
}

void TestProblems::compareWithFile()
{
    QFETCH(QString, file);
    QFETCH(int, productCode);
    QFETCH(bool, valid);
    CORPUS_BYTES(bytes, file);
    open("document.bin", bytes);
    QByteArray other = bytes;
    if (productCode >= 0) {
        other[10] = char(productCode & 0xFF);
        other[11] = char(productCode >> 8);
        other = withBlockChecksums(other.left(128)) + other.mid(128);
    }
    if (!valid)
        other = "not an EDID";
    const QString path = m_dir->filePath("other.bin");
    QVERIFY(writeFileBytes(path, other));

    FileAnswers files;
    files.answers << path;
    BoxRecorder boxes;
    DialogAnswers dialogs;
    QStringList productRow;
    int rows = 0;
    dialogs.prepare = [&](QDialog& dialog) {
        auto* compare = qobject_cast<CompareDialog*>(&dialog);
        QVERIFY(compare);
        rows = compare->rowCount();
        for (int row = 0; row < rows; ++row) {
            if (compare->rowText(row, 1) == "Product code")
                productRow = QStringList{compare->rowText(row, 0), compare->rowText(row, 2), compare->rowText(row, 3)};
        }
    };
    action("actionCompare_with_file")->trigger();
    QCOMPARE(files.requests.value(0).caption, QString("Compare with file"));
    if (!valid) {
        QCOMPARE(dialogs.count, 0);
        QCOMPARE(boxes.count(), 1);
        QVERIFY(boxes.lastText().contains("cannot be compared"));
        return;
    }
    if (productCode < 0) {
        QCOMPARE(dialogs.count, 0);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.lastTitle(), QString("Compare with file"));
        QVERIFY(boxes.lastText().contains("equal"));
        return;
    }
    QCOMPARE(dialogs.count, 1);
    const int original = Byte(bytes[10]) | Byte(bytes[11]) << 8;
    QCOMPARE(productRow.value(0), QString("Block 0: Base EDID / Vendor & Product Identification"));
    QVERIFY2(productRow.value(1).startsWith(QString::number(original) + " "), qPrintable(productRow.value(1)));
    QVERIFY2(productRow.value(2).startsWith(QString::number(productCode) + " "), qPrintable(productRow.value(2)));
    // The product code and the base block's checksum: nothing else.
    QCOMPARE(rows, 2);
}

QTEST_MAIN(TestProblems)
#include "tst_problems.moc"
