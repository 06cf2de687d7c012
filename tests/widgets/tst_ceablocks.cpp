// The CEA-861 data block editors, views onto the entries of an extension
// model, driven through their controls as the extension editor creates and
// loads them.
#include "ceablock.h"
#include "ceablockfactory.h"
#include "ceaaudio.h"
#include "ceacatalogue.h"
#include "ceaextensionmodel.h"
#include "widgets/sectiontesthelpers.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <memory>

using namespace SectionTest;

namespace {

template <typename T = QWidget> T* child(QWidget* w, const char* name) { return w->findChild<T*>(name); }
void press(QWidget* w, const char* button) { child<QAbstractButton>(w, button)->click(); }
void tick(QWidget* w, const char* box) { click(child<QCheckBox>(w, box)); }

void selectRow(QWidget* w, const char* listName, int row)
{
    auto* list = child<QListWidget>(w, listName);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

QStringList rows(QWidget* w, const char* listName)
{
    QStringList names;
    for (QListWidgetItem* item : child<QListWidget>(w, listName)->findItems("*", Qt::MatchWildcard))
        names << item->text();
    return names;
}

// Types a value into a spin box and finishes the edit with Enter.
void typeValue(QSpinBox* box, int value)
{
    QVERIFY(box);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QString::number(value));
    QTest::keyClick(box, Qt::Key_Return);
}

// 1920x1080 and 1280x720 at 60 Hz.
const QByteArray kFullHd = hexBytes("023a801871382d40582c4500c48e2100001e");
const QByteArray kHdReady = hexBytes("011d007251d01e206e285500c48e2100001e");

} // namespace

class TestCEABlocks : public QObject
{
    Q_OBJECT
private slots:
    void videoRows();
    void audioDescriptors();
    void speakerPairs();
    void newVendorBlockGrows();
    void loadedVendorBlock_data();
    void loadedVendorBlock();
    void capabilityAndColorimetry();
    void capabilityMapSelection();
    void formatPreference();
    void infoFrameAddTypeMoveAndLimit();
    void infoFrameKeepsLoadedBytes_data();
    void infoFrameKeepsLoadedBytes();
    void dtdTabsLoadEditDelete();

private:
    // A new editor of a catalogue index, as the extension editor adds it.
    CEABlock* fresh(int index);
    // An editor loaded from a payload (without its extended tag byte) as the
    // extension editor loads an entry; it gives the entry's bytes back.
    CEABlock* load(int index, const QByteArray& payload);

    std::unique_ptr<CEABlock> m_block;
    CEAExtensionModel m_extension;
};

CEABlock* TestCEABlocks::fresh(int index)
{
    m_block.reset(createBlock(index));
    m_block->setExtension(&m_extension);
    m_block->resetFields(nullptr, nullptr);
    m_block->show();
    return m_block.get();
}

CEABlock* TestCEABlocks::load(int index, const QByteArray& payload)
{
    m_block.reset(createBlock(index));
    m_block->setExtension(&m_extension);
    const int extendedTag = blockTypeExtendedTag(index);
    CEAEntry entry{CEAEntryKind::DataBlock, blockTypeTag(index), payload};
    if (index == CEA_DETAILED_TIMING)
        entry = {CEAEntryKind::DetailedTimings, 0, payload};
    else if (extendedTag != 0)
        entry.bytes.prepend(char(extendedTag));
    [&] { QVERIFY(m_block->loadEntry(entry)); }();
    m_block->updateUI();
    m_block->show();
    return m_block.get();
}

void TestCEABlocks::videoRows()
{
    const QByteArray full = hexBytes("90") + QByteArray(30, '\x04');
    CEABlock* block = load(CEA_VIDEO, full);
    QCOMPARE(block->findChildren<QCheckBox*>("nativeCB").first()->isChecked(), true);
    QCOMPARE(block->blockBytes(), full);
    QVERIFY(!child(block, "addVideoItemButton")->isEnabled());
    // The deleted row comes back with its descriptor; a reset gives VIC 1.
    press(block, "delVideoItemButton");
    QCOMPARE(block->blockBytes(), full.left(30));
    press(block, "addVideoItemButton");
    QCOMPARE(block->blockBytes(), full);
    block->resetFields(nullptr, nullptr);
    press(block, "addVideoItemButton");
    QCOMPARE(block->blockBytes(), hexBytes("01"));
    block = fresh(CEA_YCBCR420_VIDEO);
    for (int i = 0; i < 31; ++i)
        press(block, "addVideoItemButton");
    QCOMPARE(block->blockBytes(), hexBytes("0e") + QByteArray(30, '\x01'));
    // A VIC the combo box does not list is kept until the row is edited.
    block = load(CEA_VIDEO, hexBytes("f8 00"));
    auto* combo = block->findChildren<QComboBox*>("formatMulti").first();
    QCOMPARE(combo->currentText(), QString("Other"));
    QCOMPARE(block->blockBytes(), hexBytes("f8 00"));
    choose(combo, combo->count() - 1);
    QCOMPARE(block->blockBytes(), hexBytes("f8 00"));
    typeValue(block->findChildren<QSpinBox*>("codeField").first(), 108);
    QCOMPARE(block->blockBytes(), hexBytes("ec 00"));
    choose(block->findChildren<QComboBox*>("formatMulti").at(1), 15);
    QCOMPARE(block->blockBytes(), hexBytes("ec 10"));
}

void TestCEABlocks::audioDescriptors()
{
    CEABlock* block = fresh(CEA_AUDIO);
    for (int i = 0; i < 11; ++i)
        press(block, "addAudioTabButton");
    QCOMPARE(block->blockBytes(), hexBytes("090000").repeated(10));
    QVERIFY(!child(block, "addAudioTabButton")->isEnabled());
    // Bytes after the last whole descriptor stay until the first edit.
    block = load(CEA_AUDIO, hexBytes("090101 0f7f07 090404 3d 15"));
    QCOMPARE(block->blockBytes(), hexBytes("090101 0f7f07 090404 3d 15"));
    auto* tabs = child<QTabWidget>(block, "audioTabs");
    QCOMPARE(tabs->count(), 3);
    tabs->setCurrentIndex(0);
    press(block, "delAudioTabButton");
    QCOMPARE(block->blockBytes(), hexBytes("0f7f07 090404"));
    block = fresh(CEA_AUDIO);
    press(block, "addAudioTabButton");
    auto* format = child<QComboBox>(block, "audioFormatCB");
    choose(format, audioFormatItem(2, 0));
    typeValue(child<QSpinBox>(block, "maxBitRateField"), 1003);
    QCOMPARE(block->blockBytes(), hexBytes("11007d"));
    choose(format, audioFormatItem(15, 10));
    QVERIFY(child(block, "MPSCB")->isEnabled());
    tick(block, "MPSCB");
    QCOMPARE(block->blockBytes(), hexBytes("790051"));
    choose(format, audioFormatItem(15, 7));
    QVERIFY(!child(block, "MPSCB")->isEnabled());
    QCOMPARE(block->blockBytes(), hexBytes("790038"));
    choose(format, audioFormatItem(1, 0));
    tick(block, "freq48CB");
    tick(block, "format24BitCB");
    QCOMPARE(block->blockBytes(), hexBytes("090404"));
}

void TestCEABlocks::speakerPairs()
{
    CEABlock* block = fresh(CEA_SPEAKER_ALLOCATION);
    QCOMPARE(block->blockBytes(), hexBytes("000000"));
    tick(block, "fl");
    QVERIFY(child<QCheckBox>(block, "fr")->isChecked());
    tick(block, "lfe");
    tick(block, "tc");
    QCOMPARE(block->blockBytes(), hexBytes("030200"));
    tick(block, "fr");
    QVERIFY(!child<QCheckBox>(block, "fl")->isChecked());
    QCOMPARE(block->blockBytes(), hexBytes("020200"));
    // Reserved bits and the third byte survive an edit; extra bytes do not.
    block = load(CEA_SPEAKER_ALLOCATION, hexBytes("00f8aa 55"));
    tick(block, "fc");
    QCOMPARE(block->blockBytes(), hexBytes("04f8aa"));
}

void TestCEABlocks::newVendorBlockGrows()
{
    CEABlock* block = fresh(CEA_VENDOR_SPECIFIC);
    QCOMPARE(block->blockBytes(), QByteArray());
    press(block, "addVSDBButton");
    QCOMPARE(block->blockBytes(), hexBytes("000000"));
    press(block, "addVSDBButton");
    auto* regID = child<QLineEdit>(block, "regIDField");
    typeInto(regID, "000c03");
    QCOMPARE(regID->text(), QString("00003"));
    typeInto(regID, "000C03");
    QCOMPARE(block->blockBytes(), hexBytes("030C0000"));
    press(block, "delVSDBButton");
    press(block, "delVSDBButton");
    QCOMPARE(block->blockBytes(), QByteArray());
    press(block, "addVSDBButton");
    QCOMPARE(block->blockBytes(), hexBytes("030C00"));
}

void TestCEABlocks::loadedVendorBlock_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("oui");
    QTest::addColumn<QByteArray>("edited");
    QTest::newRow("HDMI") << int(CEA_VENDOR_SPECIFIC) << hexBytes("030C001000") << "000C03" << hexBytes("030C007F00");
    QTest::newRow("video") << int(CEA_VENDOR_SPECIFIC_VIDEO) << hexBytes("1BC5D8AA") << "D8C51B"
                           << hexBytes("011BC5D87F");
    QTest::newRow("audio") << int(CEA_VENDOR_SPECIFIC_AUDIO) << hexBytes("030C00FF") << "000C03"
                           << hexBytes("11030C007F");
    QTest::newRow("truncated") << int(CEA_VENDOR_SPECIFIC) << hexBytes("030C") << "000C03" << hexBytes("030C00");
}

void TestCEABlocks::loadedVendorBlock()
{
    QFETCH(int, index);
    QFETCH(QByteArray, payload);
    CEABlock* block = load(index, payload);
    QVERIFY(block->blockBytes().endsWith(payload));
    QTEST(child<QLineEdit>(block, "regIDField")->text(), "oui");
    if (payload.size() > 3)
        typeInto(block->findChildren<QLineEdit*>("blockField").first(), "7F");
    else
        press(block, "addVSDBButton");
    QTEST(block->blockBytes(), "edited");
}

void TestCEABlocks::capabilityAndColorimetry()
{
    CEABlock* block = fresh(CEA_VIDEO_CAPABILITY);
    QCOMPARE(block->blockBytes(), hexBytes("0000"));
    QSignalSpy changes(block, &CEABlock::valueChanged);
    tick(block, "qyCB");
    auto* ce = child<QComboBox>(block, "ceMulti");
    ce->setFocus();
    QTest::keyClick(ce, Qt::Key_End);
    QCOMPARE(block->blockBytes(), hexBytes("0083"));
    QCOMPARE(changes.count(), 2);
    // The extended tag alone, then a payload longer than the editor knows.
    QCOMPARE(load(CEA_VIDEO_CAPABILITY, QByteArray(1, '\0'))->blockBytes(), QByteArray(1, '\0'));
    block = load(CEA_VIDEO_CAPABILITY, hexBytes("0040AA"));
    QCOMPARE(block->blockBytes(), hexBytes("0040AA"));
    tick(block, "qyCB");
    QCOMPARE(block->blockBytes(), hexBytes("00C0AA"));
    // Colorimetry keeps its metadata byte.
    QCOMPARE(fresh(CEA_COLORIMETRY)->blockBytes(), hexBytes("050000"));
    QCOMPARE(load(CEA_COLORIMETRY, hexBytes("81"))->blockBytes(), hexBytes("0581"));
    block = load(CEA_COLORIMETRY, hexBytes("8107"));
    tick(block, "bt2020rgbCB");
    tick(block, "xvycc709CB");
    QCOMPARE(block->blockBytes(), hexBytes("050307"));
}

void TestCEABlocks::capabilityMapSelection()
{
    // A video block of ten descriptors, the second one native VIC 127.
    QByteArray image(EDID_IMAGE_SIZE, '\0');
    image.replace(EDID_BLOCK_SIZE, 15, hexBytes("02030F00 4A 10 FF 01 02 03 04 05 06 07 2B"));
    updateBlockChecksum(reinterpret_cast<Byte*>(image.data()) + EDID_BLOCK_SIZE);
    T_EDID_CEA_EXTENSION_DEF record;
    QCOMPARE(parseCEAExtension(rawBytes(image), record), int(CEA_PARSE_VALID));
    m_extension.load(record);
    CEABlock* block = fresh(CEA_YCBCR420_CAPABILITY_MAP);
    auto* formats = child<QComboBox>(block, "definedFomatCombo");
    auto* list = child<QListWidget>(block, "formatList");
    QCOMPARE(formats->count(), 10);
    QCOMPARE(formats->itemText(1), QString("2 - other (native)"));
    QCOMPARE(formats->itemText(9), QString("10 - 720x576p 100Hz 16:9 "));
    for (int position : {9, 0, 9}) {
        choose(formats, position);
        press(block, "addButton");
    }
    QCOMPARE(block->blockBytes(), hexBytes("0F0102"));
    QCOMPARE(list->item(0)->text(), QString("1 - 1920x1080p 60Hz 16:9"));
    // Removing every position leaves an explicit empty bitmap.
    for (int i = 0; i < 2; ++i) {
        list->setCurrentRow(0);
        press(block, "removeButton");
    }
    QCOMPARE(block->blockBytes(), hexBytes("0F00"));
    // The formats offered are those of the video block as the model holds it now.
    m_extension.setBytes(0, hexBytes("9001"));
    block->updateUI();
    QCOMPARE(formats->count(), 2);
    QCOMPARE(formats->itemText(0), QString("1 - 1920x1080p 60Hz 16:9 (native)"));
    block = load(CEA_YCBCR420_CAPABILITY_MAP, hexBytes("8100"));
    QCOMPARE(child<QListWidget>(block, "formatList")->count(), 2);
    QCOMPARE(block->blockBytes(), hexBytes("0F8100"));
    // A map of its extended tag alone: every format supports 4:2:0.
    block = load(CEA_YCBCR420_CAPABILITY_MAP, QByteArray());
    auto* all = child<QCheckBox>(block, "allFormatsCB");
    QVERIFY(all->isChecked());
    QCOMPARE(child<QListWidget>(block, "formatList")->item(0)->text(), QString("All formats"));
    QCOMPARE(block->blockBytes(), hexBytes("0F"));
    click(all);
    QCOMPARE(block->blockBytes(), hexBytes("0F00"));
    click(all);
    QCOMPARE(block->blockBytes(), hexBytes("0F"));
}

void TestCEABlocks::formatPreference()
{
    CEABlock* block = fresh(CEA_VIDEO_FORMAT_PREFERENCE);
    typeValue(child<QSpinBox>(block, "codeField"), 16);
    press(block, "addVICButton");
    child<QSpinBox>(block, "DTDPSpinBox")->setValue(1);
    press(block, "addDTDButton");
    QCOMPARE(block->blockBytes(), hexBytes("0D1081"));
    block = load(CEA_VIDEO_FORMAT_PREFERENCE, hexBytes("1081"));
    QCOMPARE(rows(block, "preferedFormatList"), QStringList({"1920x1080p 60Hz 16:9", "1"}));
    auto* list = child<QListWidget>(block, "preferedFormatList");
    list->setCurrentRow(0);
    press(block, "upButton");
    list->setCurrentRow(1);
    press(block, "downButton");
    QCOMPARE(block->blockBytes(), hexBytes("0D1081"));
    press(block, "upButton");
    QCOMPARE(block->blockBytes(), hexBytes("0D8110"));
}

void TestCEABlocks::infoFrameAddTypeMoveAndLimit()
{
    CEABlock* block = fresh(CEA_INFO_FRAME);
    QSignalSpy changed(block, &CEABlock::valueChanged);
    QCOMPARE(block->blockBytes(), hexBytes("200000"));
    press(block, "addBlockButton");
    selectRow(block, "infoBlockType", 3);
    press(block, "addBlockButton");
    QCOMPARE(rows(block, "infoBlocks"), QStringList({"Vendor specific", "Audio"}));
    selectRow(block, "infoBlocks", 0);
    typeInto(child<QLineEdit>(block, "ieeeField"), "000c03");
    QCOMPARE(block->blockBytes(), hexBytes("200000 01030c00 04"));
    selectRow(block, "infoBlocks", 1);
    QVERIFY(!child(block, "ieeOui")->isEnabled());
    press(block, "downButton");
    press(block, "upButton");
    press(block, "upButton");
    QCOMPARE(block->blockBytes(), hexBytes("200000 04 01030c00"));
    QCOMPARE(changed.count(), 4);
    // Five more vendor-specific descriptors (4 bytes) fit, then three 1-byte ones.
    for (int i = 0; i < 10; ++i) {
        selectRow(block, "infoBlockType", i < 6 ? 0 : 1);
        press(block, "addBlockButton");
    }
    QCOMPARE(block->blockBytes().size(), 31);
    QCOMPARE(rows(block, "infoBlocks").count("Auxiliary video"), 3);
}

void TestCEABlocks::infoFrameKeepsLoadedBytes_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("length");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QByteArray>("afterEdit"); // VSIFs set to 9
    // 0x24: an audio descriptor with one payload byte.
    QTest::newRow("payloads") << hexBytes("4005aabb 24cc 01030c00 1f") << 11
                              << QStringList{"Audio", "Vendor specific", "unknown"}
                              << hexBytes("4009aabb 24cc 01030c00 1f");
    QTest::newRow("1 byte") << hexBytes("e0 07") << 1 << QStringList() << hexBytes("0009");
    QTest::newRow("cut-off") << hexBytes("0002 04 2103 0c00") << 5 << QStringList{"Audio"} << hexBytes("0009 04");
    QTest::newRow("processing past end") << hexBytes("e001aa 04") << 3 << QStringList() << hexBytes("2009aa");
}

void TestCEABlocks::infoFrameKeepsLoadedBytes()
{
    QFETCH(QByteArray, payload);
    QFETCH(int, length);
    CEABlock* block = load(CEA_INFO_FRAME, payload.left(length));
    QCOMPARE(block->blockBytes(), char(32) + payload.left(length));
    QTEST(rows(block, "infoBlocks"), "names");
    child<QSpinBox>(block, "VSIFSpinBox")->setValue(9);
    QTEST(block->blockBytes().mid(1), "afterEdit");
}

void TestCEABlocks::dtdTabsLoadEditDelete()
{
    const QByteArray two = kFullHd + kHdReady;
    CEABlock* block = load(CEA_DETAILED_TIMING, two);
    auto* tabs = child<QTabWidget>(block, "tabDTD");
    QCOMPARE(tabs->tabText(1), QString("DTD 2"));
    QCOMPARE(block->blockBytes(), two);
    QSignalSpy changed(block, &CEABlock::valueChanged);
    typeInto(tabs->widget(1)->findChild<QLineEdit*>("hBorderField"), "2");
    QCOMPARE(block->blockBytes(), kFullHd + kHdReady.left(15) + hexBytes("02001e"));
    tabs->setCurrentIndex(0);
    press(block, "delDTDTabButton");
    QCOMPARE(tabs->tabText(0), QString("DTD 1"));
    QCOMPARE(block->blockBytes(), kHdReady.left(15) + hexBytes("02001e"));
    QCOMPARE(changed.count(), 2);
    // A reset gives the tabs their defaults; a new block has no tab until "+".
    block->resetFields(nullptr, nullptr);
    const QByteArray defaults = hexBytes("01") + QByteArray(DTD_SIZE - 1, '\0');
    QCOMPARE(block->blockBytes(), defaults);
    block = fresh(CEA_DETAILED_TIMING);
    QCOMPARE(child<QTabWidget>(block, "tabDTD")->count(), 0);
    QCOMPARE(block->blockBytes(), QByteArray());
    press(block, "addDTDTabButton");
    QCOMPARE(block->blockBytes(), defaults);
}

QTEST_MAIN(TestCEABlocks)
#include "tst_ceablocks.moc"
