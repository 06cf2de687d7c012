// The forms of the HDMI, HDMI Forum, FreeSync and HDR blocks, driven in the
// main window on real EDIDs as a user does: every edit writes the expected
// bytes with the extension checksum, is one undo step and shows in the hex
// viewer; entries out of range warn and fall back; optional fields change
// the block length; a known OUI turns the vendor-specific editor into its
// form; and every real block of these kinds opens in its form and is saved
// unchanged.
#include "ceablock.h"
#include "ceablockfactory.h"
#include "ceacatalogue.h"
#include "ceaextensionblock.h"
#include "ceamodernblocks.h"
#include "ceapayloadform.h"
#include "cearawblock.h"
#include "edid.h"
#include "edithistory.h"
#include "imageload.h"
#include "mainwindow.h"
#include "sectiontesthelpers.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRegExp>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QUndoStack>
#include <memory>

using namespace SectionTest;

namespace {

QString corpusPath(const QString& name) { return QStringLiteral(EDID_CORPUS_DIR "/%1.bin").arg(name); }
QByteArray dataBlock(int tag, const QByteArray& payload) { return char(tag << 5 | payload.size()) + payload; }

// The kinds that have a form of their own (HF-EEODB stays a kept block).
bool hasForm(ModernBlockKind kind)
{
    return kind != ModernBlockKind::None && kind != ModernBlockKind::HfEeodb;
}

// "kind:length" of each block of these kinds in the extension of a file
// that opens: the length decides which optional fields a form shows.
QStringList formBlocksOf(const QByteArray& content)
{
    LoadedImage image;
    T_EDID_CEA_EXTENSION_DEF record;
    if (!loadImage(content, false, image).isEmpty() || image.working[126] == 0
        || parseCEAExtension(image.working, record) != CEA_PARSE_VALID)
        return {};
    QStringList features;
    for (const CEAEntry& entry : ceaEntriesOf(record)) {
        const ModernBlockKind kind =
            entry.kind == CEAEntryKind::DataBlock ? modernBlockKind(entry.tag, entry.bytes) : ModernBlockKind::None;
        if (hasForm(kind))
            features << QStringLiteral("%1:%2").arg(int(kind)).arg(entry.bytes.size());
    }
    return features;
}

} // namespace

class TestModernBlockEditors : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void editsWriteTheirBytes_data();
    void editsWriteTheirBytes();
    void oddBlocksKeepTheirBytes_data();
    void oddBlocksKeepTheirBytes();
    void knownOuiTurnsIntoForm();
    void newBlockTypes();
    void corpusBlocksOpenInFormsAndSaveUnchanged();

private:
    bool open(const QString& path);
    // The row of the first data block of tag `tag` whose bytes start with `prefix`.
    int rowOf(int tag, const QByteArray& prefix) const;
    CEABlock* select(int row);
    // "name=text" types into a field, "name>" moves the focus through it,
    // "name#i" chooses item i, "name" clicks.
    void act(QWidget* view, const QString& action);
    void addBlock(const QString& typeName);
    QByteArray working() const { return QByteArray(reinterpret_cast<const char*>(m_window->workingImage()), 256); }
    int steps() const { return m_window->history().stack()->count(); }
    void trigger(const char* action)
    {
        m_window->findChild<QAction*>(action)->trigger();
        QCoreApplication::processEvents();
    }

    MainWindow* m_window = nullptr;
    CEAExtensionBlock* m_extension = nullptr;
    QTemporaryDir m_dir;
};

void TestModernBlockEditors::initTestCase()
{
    if (corpusFiles().isEmpty())
        QSKIP("EDID corpus not present");
    m_window = new MainWindow;
    m_window->show();
    m_extension = &m_window->document().ceaExtension();
}

void TestModernBlockEditors::cleanupTestCase()
{
    BoxRecorder boxes(QMessageBox::No);
    delete m_window;
}

bool TestModernBlockEditors::open(const QString& path)
{
    if (!m_window->openFile(path.toLocal8Bit().constData()))
        return false;
    m_window->findChild<QTabWidget*>("dataTabs")->setCurrentIndex(2);  // CEA Extension
    QCoreApplication::processEvents();
    return true;
}

int TestModernBlockEditors::rowOf(int tag, const QByteArray& prefix) const
{
    for (int row = 0; row < m_extension->blockCount(); ++row) {
        const CEAEntry& entry = m_extension->model().entry(row);
        if (entry.kind == CEAEntryKind::DataBlock && entry.tag == tag && entry.bytes.startsWith(prefix))
            return row;
    }
    return -1;
}

CEABlock* TestModernBlockEditors::select(int row)
{
    m_extension->setCurrentBlockRow(row);
    QCoreApplication::processEvents();
    return m_extension->block(row);
}

void TestModernBlockEditors::act(QWidget* view, const QString& action)
{
    const QString name = action.section(QRegExp("[=#>]"), 0, 0);
    QWidget* control = view->findChild<QWidget*>(name);
    QVERIFY2(control && control->isEnabled(), qPrintable(name));
    if (action.contains('=')) {
        typeInto(qobject_cast<QLineEdit*>(control), action.section('=', 1));
    } else if (action.endsWith('>')) {
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason), out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(control, &in);
        QCoreApplication::sendEvent(control, &out);
    } else if (action.contains('#')) {
        choose(qobject_cast<QComboBox*>(control), action.section('#', 1).toInt());
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        group->setFocus();
        QTest::keyClick(group, Qt::Key_Space);
    } else {
        click(qobject_cast<QAbstractButton*>(control));
    }
    QCoreApplication::processEvents();
}

void TestModernBlockEditors::addBlock(const QString& typeName)
{
    auto* types = m_extension->findChild<QListWidget*>("blockTypeList");
    types->setCurrentItem(types->findItems(typeName, Qt::MatchExactly).value(0));
    m_extension->findChild<QPushButton*>("addBlockButton")->click();
    QCoreApplication::processEvents();
}

void TestModernBlockEditors::editsWriteTheirBytes_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("tag");
    QTest::addColumn<QByteArray>("prefix");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QByteArray>("bytes");  // the block's bytes after its header, edited
    QTest::addColumn<QString>("message");   // of the range box the last action brings; empty: none
    QTest::addColumn<QString>("shown");     // in the field of the last action afterwards; null: not checked
    const QString freeSync = "Digital__AOC__AOC2702__3DD9FE4CE53D";  // 1a0000 01 01 28 3c e6
    const QString freeSync75 = "Digital__AOC__AOC2201__4CD1417F778D";  // 1a0000 01 01 30 4b e6
    const QString hdr = "Digital__AOC__AOC3220__F48606B74951";       // 06 07 01 63 63 2f
    const QString hdrShort = "Digital__DENON__DON0053__BDE5C9AE306C";  // 06 0d 01
    const QString hdmi = "Digital__Philips__PHL01EA__03A4224323A6";  // 030c00 3000 38 3c a0 2929 00 60 010203
    const QString forum = "Digital__ASUS__AUS38EA__B3C79F675009";    // d85dc4 01 78 80 63 12 3090 83 64 1d
    const QString scdb = "Digital__Vizio__VIZ0004__224CE941E05B";  // 79 0000 01 00 00 00 02 28 00
    auto row = [](const char* name, const QString& file, int tag, const char* prefix, const QStringList& actions,
                  const char* bytes, const QString& message = QString(), const QString& shown = QString()) {
        QTest::newRow(name) << file << tag << hexBytes(prefix) << actions << hexBytes(bytes) << message << shown;
    };
    row("FreeSync range 48-144 Hz", freeSync, 3, "1a0000", {"minRefreshField=48", "maxRefreshField=144"},
        "1a0000 01 01 30 90 e6");
    row("HLG on", hdr, 7, "06", {"hlgCB"}, "06 0f 01 63 63 2f");
    // 50 x 2^(115 / 32) = 604.4 cd/m2 is the nearest code.
    row("max luminance 600 cd/m2", hdr, 7, "06", {"maxLumField=600"}, "06 07 01 73 63 2f");
    row("max luminance added and removed", hdrShort, 7, "06", {"maxLumGroup", "maxLumGroup"}, "06 0d 01");
    row("min luminance added: the bytes before it as well", hdrShort, 7, "06", {"minLumGroup", "minLumField=0.05"},
        "06 0d 01 00 00 51");
    row("physical address", hdmi, 3, "030c00", {"physAddrField=1.2.0.f"}, "030c00 120f 38 3c a0 2929 00 60 010203");
    row("max TMDS clock raised", hdmi, 3, "030c00", {"maxTmdsField=340"}, "030c00 3000 38 44 a0 2929 00 60 010203");
    row("deep color and latency", hdmi, 3, "030c00", {"dc48bitCB", "audioLatencyMulti#2", "videoLatencyField=20"},
        "030c00 3000 78 3c a0 0bff 00 60 010203");
    row("latency removed: the video part moves up", hdmi, 3, "030c00", {"latencyGroup"},
        "030c00 3000 38 3c 20 00 60 010203");
    row("HDMI VICs", hdmi, 3, "030c00", {"vicsField=4, 1"}, "030c00 3000 38 3c a0 2929 00 40 0401");
    row("HDMI Forum FRL rate and ALLM", forum, 3, "d85dc4", {"maxFrlMulti#3", "allmCB", "cinemaVrrCB"},
        "d85dc4 01 78 80 33 00 3090 83 64 1d");
    row("HDMI Forum DSC removed", forum, 3, "d85dc4", {"dscGroup"}, "d85dc4 01 78 80 63 12 3090");
    row("HDMI Forum SCDB VRR max", scdb, 7, "79", {"vrrMaxField=120"}, "79 0000 01 00 00 00 02 28 78");
    // Entries out of range: the box, and the fallback written and shown.
    row("max refresh above 255 Hz: the min", freeSync75, 3, "1a0000", {"maxRefreshField=300"},
        "1a0000 01 01 30 30 e6", "Max refresh rate must be 1 to 255 Hz.", "48");
    row("min above max: the lowest rate", freeSync75, 3, "1a0000", {"minRefreshField=100"}, "1a0000 01 01 01 4b e6",
        "The min refresh rate (100 Hz) must not exceed the max refresh rate (75 Hz).", "1");
    row("bad physical address", hdmi, 3, "030c00", {"physAddrField=1.2.3"}, "030c00 0000 38 3c a0 2929 00 60 010203",
        "The physical address must be four hexadecimal digits A.B.C.D.", "0.0.0.0");
    row("TMDS clock not a multiple of 5", hdmi, 3, "030c00", {"maxTmdsField=342"},
        "030c00 3000 38 00 a0 2929 00 60 010203", "Max TMDS clock must be 0 or 5 to 1275 MHz in steps of 5 MHz.", "0");
    row("latency above 500 ms", hdmi, 3, "030c00", {"videoLatencyField=502"}, "030c00 3000 38 3c a0 0129 00 60 010203",
        "Latency must be 0 to 500 ms in steps of 2 ms.", "0");
    row("eight HDMI VICs", hdmi, 3, "030c00", {"vicsField=1 2 3 4 1 2 3 4"}, "030c00 3000 38 3c a0 2929 00 00",
        "Number of HDMI VICs must be 0 to 7.", "");
    row("VRRmin above 48 Hz", forum, 3, "d85dc4", {"vrrMinField=50"}, "d85dc4 01 78 80 63 12 0090 83 64 1d",
        "VRR min must be 0 to 48 Hz.", "0");
    row("max luminance below 50 cd/m2", hdr, 7, "06", {"maxLumField=20"}, "06 07 01 00 63 2f",
        "Max luminance must be 50 to 12525 cd/m2.", "50.000");
    row("min luminance above a hundredth of the max", hdr, 7, "06", {"minLumField=5"}, "06 07 01 63 63 00",
        "Min luminance must be 0 to 4.2686 cd/m2 (a hundredth of the max luminance).", "0.0000");
}

// Each action is one step; undoing them all gives the opened bytes back.
void TestModernBlockEditors::editsWriteTheirBytes()
{
    QFETCH(QString, file);
    QFETCH(int, tag);
    QFETCH(QByteArray, prefix);
    QFETCH(QStringList, actions);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(QString, shown);
    BoxRecorder boxes;
    QVERIFY(open(corpusPath(file)));
    boxes.clear();  // what opening the file said (a trailing copy dropped)
    const QByteArray opened = working();
    const QByteArray saved(reinterpret_cast<const char*>(m_window->savedImage()), EDID_IMAGE_SIZE);
    const int row = rowOf(tag, prefix);
    QVERIFY(row >= 0);
    const QByteArray loaded = m_extension->model().entry(row).bytes;
    CEABlock* view = select(row);
    QVERIFY(view->findChild<CEAPayloadForm*>());
    for (const QString& action : actions)
        act(view, action);
    checkBox(boxes, "Range error", message);
    if (!shown.isNull())
        QCOMPARE(view->findChild<QLineEdit*>(actions.last().section('=', 0, 0))->text(), shown);
    QCOMPARE(m_extension->model().entry(row).bytes.toHex(' '), bytes.toHex(' '));
    QCOMPARE(steps(), actions.size());

    // The image: the block rewritten in place, what follows it moved by
    // the change of its length, byte 2 following, the checksum fixed.
    QByteArray ext = opened.mid(EDID_BLOCK_SIZE, EDID_BLOCK_SIZE - 1);
    const int at = ext.indexOf(dataBlock(tag, loaded));
    QVERIFY(at >= 4);
    ext.replace(at, 1 + loaded.size(), dataBlock(tag, bytes));
    ext[2] = char(Byte(ext[2]) + bytes.size() - loaded.size());
    ext = ext.left(EDID_BLOCK_SIZE - 1).leftJustified(EDID_BLOCK_SIZE - 1, '\0');
    QCOMPARE(working().mid(EDID_BLOCK_SIZE, EDID_BLOCK_SIZE - 1).toHex(), ext.toHex());
    QVERIFY(blockChecksumValid(m_window->workingImage() + EDID_BLOCK_SIZE));
    QCOMPARE(working().left(EDID_BLOCK_SIZE), opened.left(EDID_BLOCK_SIZE));

    // The hex viewer marks exactly the bytes that differ from the file and
    // shows them.
    QSet<int> changed;
    for (int i = 0; i < EDID_IMAGE_SIZE; ++i) {
        if (working()[i] != saved[i])
            changed << i;
    }
    QCOMPARE(markedBytes(), changed);
    for (int i : changed)
        QCOMPARE(HexaViewer::instance()->grid()->item(i / 16, i % 16)->text().toUpper(),
                 hexByteText(Byte(working()[i])));

    const QByteArray edited = working();
    for (int i = 0; i < actions.size(); ++i)
        trigger("actionUndo");
    QCOMPARE(working().toHex(), opened.toHex());
    QCOMPARE(m_extension->model().entry(row).bytes.toHex(' '), loaded.toHex(' '));
    for (int i = 0; i < actions.size(); ++i)
        trigger("actionRedo");
    QCOMPARE(working().toHex(), edited.toHex());
}

void TestModernBlockEditors::oddBlocksKeepTheirBytes_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("bytes");  // after the header byte
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("edited");
    const int vendor = CEA_VENDOR_SPECIFIC;
    QTest::newRow("HDMI cut in the physical address")
        << vendor << hexBytes("030c00 10") << "physAddrField=2.0.0.1" << "" << hexBytes("030c00 2001");
    QTest::newRow("HDMI reserved deep color bits") << vendor << hexBytes("030c00 1000 7e") << "dviDualCB" << ""
                                                   << hexBytes("030c00 1000 7f");
    QTest::newRow("HDMI invalid latency code kept beside an edit")
        << vendor << hexBytes("030c00 1000 00 00 80 fc 05") << "audioLatencyMulti#0" << ""
        << hexBytes("030c00 1000 00 00 80 fc 00");
    QTest::newRow("HDMI too long for a latency") // 31 bytes: a 3D part of 21
        << vendor << hexBytes("030c00 1000 00 00 20 80 15") + QByteArray(21, '\x11') << "latencyGroup"
        << "The block would need 33 bytes after its header; a data block holds at most 31."
        << hexBytes("030c00 1000 00 00 20 80 15") + QByteArray(21, '\x11');
    QTest::newRow("HDMI Forum version 2 with reserved bytes")
        << vendor << hexBytes("d85dc4 02 78 80 63 12 3090 83 64 1d 00 05") << "allmCB" << ""
        << hexBytes("d85dc4 02 78 80 63 10 3090 83 64 1d 00 05");
    QTest::newRow("FreeSync unknown bytes") << vendor << hexBytes("1a0000 03 03 30 f0 ec a0 8b 01 8b 01 f0 00 11 22 33")
                                            << "minRefreshField=40" << ""
                                            << hexBytes("1a0000 03 03 28 f0 ec a0 8b 01 8b 01 f0 00 11 22 33");
    QTest::newRow("focus passing through a refused loaded value")
        << vendor << hexBytes("1a0000 01 01 00 a5 e6") << "minRefreshField>" << "" << hexBytes("1a0000 01 01 00 a5 e6");
    QTest::newRow("focus passing through a rounded luminance")
        << int(CEA_HDR_STATIC_METADATA) << hexBytes("06 05 01 00 00 01") << "minLumField>" << ""
        << hexBytes("06 05 01 00 00 01");
    QTest::newRow("FreeSync v3 max refresh in both fields")
        << vendor << hexBytes("1a0000 03 03 30 f0 ec a0 8b 01 8b 01 f0 00") << "maxRefreshField=300" << ""
        << hexBytes("1a0000 03 03 30 ff ec a0 8b 01 8b 01 2c 01");
    QTest::newRow("HDR static reserved EOTFs, trailing byte")
        << int(CEA_HDR_STATIC_METADATA) << hexBytes("06 37 03 63 63 2f 99") << "hlgCB" << ""
        << hexBytes("06 3f 03 63 63 2f 99");
    QTest::newRow("HDR static cut after the EOTFs")
        << int(CEA_HDR_STATIC_METADATA) << hexBytes("06 05") << "type1CB" << "" << hexBytes("06 05 01");
    QTest::newRow("SCDB reserved bytes set") << int(CEA_HDMI_FORUM_SCDB) << hexBytes("79 01 02 01 00 00 00")
                                             << "maxTmdsRateField=400" << "" << hexBytes("79 01 02 01 50 00 00");
}

// Blocks the codecs do not fully understand load and give their bytes back
// as they were; an edit changes that field only, the focus passing through
// a field nothing.
void TestModernBlockEditors::oddBlocksKeepTheirBytes()
{
    QFETCH(int, index);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, action);
    QFETCH(QString, message);
    std::unique_ptr<CEABlock> view(createBlock(index));
    QVERIFY(view->loadEntry({CEAEntryKind::DataBlock, blockTypeTag(index), bytes}));
    view->updateUI();
    view->show();
    QVERIFY(view->findChild<CEAPayloadForm*>());
    BoxRecorder boxes;
    QSignalSpy edits(view.get(), &CEABlock::valueChanged);
    act(view.get(), action);
    checkBox(boxes, "Range error", message);
    QFETCH(QByteArray, edited);
    QCOMPARE(view->blockBytes().toHex(' '), edited.toHex(' '));
    QCOMPARE(edits.count(), edited != bytes ? 1 : 0);
}

// A new vendor-specific block becomes an HDMI block when its OUI is typed;
// the form and the bytes tab show each other's edits, and another OUI
// takes the form away. The video one shows HDR10+ decoded.
void TestModernBlockEditors::knownOuiTurnsIntoForm()
{
    BoxRecorder boxes;
    QVERIFY(open(corpusPath("Digital__AOC__AOC2201__4CD1417F778D")));
    addBlock("Vendor specific");
    const int row = m_extension->blockCount() - 1;
    CEABlock* view = m_extension->block(row);
    auto* tabs = view->findChild<QTabWidget*>("vsdbTabs");
    act(view, "addVSDBButton");
    QCOMPARE(tabs->count(), 1);
    act(view, "regIDField=000C03");
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), QString("HDMI"));
    QCOMPARE(tabs->currentIndex(), 0);
    auto* findings = view->findChild<QLabel*>("findingsLabel");
    QVERIFY(!findings->isHidden() && findings->text().contains("needs at least 5"));
    act(view, "physAddrField=1.0.0.0");
    QCOMPARE(m_extension->model().entry(row).bytes.toHex(' '), QByteArray("03 0c 00 10 00"));
    QVERIFY(findings->isHidden());
    tabs->setCurrentIndex(1);
    auto* firstByte = view->findChildren<QLineEdit*>("blockField").first();
    QCOMPARE(firstByte->text(), QString("10"));
    typeInto(firstByte, "20");
    QCoreApplication::processEvents();
    QCOMPARE(view->findChild<QLineEdit*>("physAddrField")->text(), QString("2.0.0.0"));
    act(view, "regIDField=123456");
    QCOMPARE(tabs->count(), 1);
    QVERIFY(!view->findChild<CEAPayloadForm*>());
    QCOMPARE(m_extension->model().entry(row).bytes.toHex(' '), QByteArray("56 34 12 20 00"));

    addBlock("Vendor specific video");
    view = m_extension->block(m_extension->blockCount() - 1);
    act(view, "addVSDBButton");
    act(view, "regIDField=90848B");
    act(view, "addVSDBButton");
    QCOMPARE(view->findChild<QTabWidget*>("vsdbTabs")->tabText(0), QString("HDR10+"));
    QVERIFY(!view->findChild<CEAPayloadForm*>()->editable());
    QCOMPARE(m_extension->model().entry(m_extension->blockCount() - 1).bytes.toHex(' '),
             QByteArray("01 8b 84 90 00"));
    QCOMPARE(steps(), 10);
    QCOMPARE(boxes.count(), 0);
}

// The three new types are added with their default bytes and open in their
// forms; the bytes tab edits the bytes directly.
void TestModernBlockEditors::newBlockTypes()
{
    BoxRecorder boxes;
    QVERIFY(open(corpusPath("Digital__AOC__AOC2201__4CD1417F778D")));
    const QList<QPair<QString, QByteArray>> added = {{"HDR static metadata", hexBytes("06 05 01")},
                                                    {"HDR dynamic metadata", hexBytes("07")},
                                                    {"HDMI Forum SCDB", hexBytes("79 0000 01 00 00 00")}};
    for (const auto& type : added) {
        addBlock(type.first);
        const int row = m_extension->blockCount() - 1;
        QCOMPARE(m_extension->model().entry(row).bytes.toHex(' '), type.second.toHex(' '));
        QVERIFY(m_extension->block(row)->findChild<CEAPayloadForm*>());
    }
    CEABlock* dynamic = select(m_extension->blockCount() - 2);
    act(dynamic, "bytesField=03 04 00 01");
    QCOMPARE(m_extension->model().entry(m_extension->blockCount() - 2).bytes.toHex(' '),
             QByteArray("07 03 04 00 01"));
    QCOMPARE(dynamic->findChild<QTableWidget*>("fieldsTable")->item(0, 1)->text(), QString("4"));
    act(dynamic, "bytesField=03 04 00 0");
    QCOMPARE(boxes.lastText(), QString("The bytes must be pairs of hexadecimal digits."));
    QCOMPARE(dynamic->findChild<QLineEdit*>("bytesField")->text(), QString("03 04 00 01"));
    QCOMPARE(steps(), 4);
}

// Real EDIDs carrying these blocks, one for each kind and length (the core
// tests take every block of the corpus through the codecs): each block's
// view is made from its bytes as when its row is first shown, is its form
// and changes no byte; saving writes what the core loaded.
void TestModernBlockEditors::corpusBlocksOpenInFormsAndSaveUnchanged()
{
    BoxRecorder boxes(QMessageBox::No);
    int forms = 0;
    QStringList failures;
    const QString saved = m_dir.filePath("saved.bin");
    const QStringList files = filesCarrying(corpusFiles(), formBlocksOf);
    for (const QString& path : files) {
        const QString name = QFileInfo(path).fileName();
        LoadedImage loaded;
        loadImage(readFileBytes(path), false, loaded);
        if (!open(path)) {
            failures << name + ": not opened";
            continue;
        }
        for (int row = 0; row < m_extension->blockCount(); ++row) {
            const CEAEntry& entry = m_extension->model().entry(row);
            if (entry.kind != CEAEntryKind::DataBlock || !hasForm(modernBlockKind(entry.tag, entry.bytes)))
                continue;
            CEABlock* view = m_extension->block(row);
            if (qobject_cast<CEARawBlock*>(view) || !view->findChild<CEAPayloadForm*>())
                failures << QStringLiteral("%1: block %2 has no form").arg(name).arg(row);
            forms += 1;
        }
        if (steps() != 0 || !m_window->saveFile(saved) || readFileBytes(saved) != loaded.savedFileBytes())
            failures << name + ": saved bytes differ";
    }
    qInfo("%d files, %d blocks opened in their forms", int(files.size()), forms);
    QVERIFY2(failures.isEmpty(), qPrintable(failures.mid(0, 5).join('\n')));
    QVERIFY(!files.isEmpty());
}

QTEST_MAIN(TestModernBlockEditors)
#include "tst_modernblockeditors.moc"
