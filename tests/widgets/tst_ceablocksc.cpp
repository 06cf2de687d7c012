// InfoFrame and CEA detailed timing block editors, driven through their
// controls; real blocks of the reference corpus give back their bytes.
#include "ceadetailedtimingdescriptor.h"
#include "ceainfoframe.h"
#include "widgets/sectiontesthelpers.h"

#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>

using namespace SectionTest;

namespace {

QByteArray hex(const char* text) { return QByteArray::fromHex(QByteArray(text).replace(' ', "")); }
const Byte* raw(const QByteArray& bytes) { return reinterpret_cast<const Byte*>(bytes.constData()); }
template <typename T = QWidget> T* child(QWidget& w, const char* name) { return w.findChild<T*>(name); }
void press(QWidget& w, const char* button) { child<QPushButton>(w, button)->click(); }

void selectRow(QWidget& w, const char* listName, int row)
{
    auto* list = child<QListWidget>(w, listName);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

QStringList rows(QWidget& w)
{
    QStringList names;
    for (QListWidgetItem* item : child<QListWidget>(w, "infoBlocks")->findItems("*", Qt::MatchWildcard))
        names << item->text();
    return names;
}

// 1920x1080 and 1280x720 at 60 Hz.
const QByteArray kFullHd = hex("023a801871382d40582c4500c48e2100001e");
const QByteArray kHdReady = hex("011d007251d01e206e285500c48e2100001e");

} // namespace

class TestCEABlocksC : public QObject {
    Q_OBJECT
private slots:
    void infoFrameAddTypeMoveAndLimit();
    void infoFrameKeepsLoadedBytes_data();
    void infoFrameKeepsLoadedBytes();
    void dtdTabsLoadEditDelete();
    void corpusBlocksGiveBackTheirBytes();

private:
    Images m_images;
};

void TestCEABlocksC::infoFrameAddTypeMoveAndLimit()
{
    CEAInfoFrame block;
    block.show();
    QSignalSpy changed(&block, &CEABlock::valueChanged);
    block.resetFields(m_images.saved, m_images.working);
    QCOMPARE(block.blockBytes(), hex("200000"));
    press(block, "addBlockButton");
    selectRow(block, "infoBlockType", 3);
    press(block, "addBlockButton");
    QCOMPARE(rows(block), QStringList({"Vendor specific", "Audio"}));
    selectRow(block, "infoBlocks", 0);
    typeInto(child<QLineEdit>(block, "ieeeField"), "000c03");
    QCOMPARE(block.blockBytes(), hex("200000 01030c00 04"));
    selectRow(block, "infoBlocks", 1);
    QVERIFY(!child(block, "ieeOui")->isEnabled());
    press(block, "downButton");
    press(block, "upButton");
    press(block, "upButton");
    QCOMPARE(block.blockBytes(), hex("200000 04 01030c00"));
    QCOMPARE(changed.count(), 5);
    // Five more vendor-specific descriptors (4 bytes) fit, then three 1-byte ones.
    for (int i = 0; i < 10; ++i) {
        selectRow(block, "infoBlockType", i < 6 ? 0 : 1);
        press(block, "addBlockButton");
    }
    QCOMPARE(block.blockBytes().size(), 31);
    QCOMPARE(rows(block).count("Auxiliary video"), 3);
}

void TestCEABlocksC::infoFrameKeepsLoadedBytes_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("length");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QByteArray>("afterEdit"); // VSIFs set to 9
    // 0x24: an audio descriptor with one payload byte.
    QTest::newRow("payloads") << hex("4005aabb 24cc 01030c00 1f") << 11
                              << QStringList{"Audio", "Vendor specific", "unknown"}
                              << hex("4009aabb 24cc 01030c00 1f");
    QTest::newRow("1 byte") << hex("e0 07") << 1 << QStringList() << hex("0009");
    QTest::newRow("cut-off") << hex("0002 04 2103 0c00") << 5 << QStringList{"Audio"} << hex("0009 04");
    QTest::newRow("processing past end") << hex("e001aa 04") << 3 << QStringList() << hex("2009aa");
}

void TestCEABlocksC::infoFrameKeepsLoadedBytes()
{
    QFETCH(QByteArray, payload);
    QFETCH(int, length);
    CEAInfoFrame block;
    block.initFields(7, length, raw(payload), m_images.saved, m_images.working);
    QCOMPARE(block.blockBytes(), char(32) + payload.left(length));
    QTEST(rows(block), "names");
    child<QSpinBox>(block, "VSIFSpinBox")->setValue(9);
    QTEST(block.blockBytes().mid(1), "afterEdit");
}

void TestCEABlocksC::dtdTabsLoadEditDelete()
{
    const QByteArray two = kFullHd + kHdReady;
    CEADetailedTimingDescriptor block;
    block.initFields(7, 2, raw(two), m_images.saved, m_images.working);
    auto* tabs = child<QTabWidget>(block, "tabDTD");
    QCOMPARE(tabs->tabText(1), QString("DTD 2"));
    QCOMPARE(block.blockBytes(), two);
    QSignalSpy changed(&block, &CEABlock::valueChanged);
    typeInto(tabs->widget(1)->findChild<QLineEdit*>("hBorderField"), "2");
    QCOMPARE(block.blockBytes(), kFullHd + kHdReady.left(15) + hex("02001e"));
    tabs->setCurrentIndex(0);
    press(block, "delDTDTabButton");
    QCOMPARE(tabs->tabText(0), QString("DTD 1"));
    QCOMPARE(block.blockBytes(), kHdReady.left(15) + hex("02001e"));
    QCOMPARE(changed.count(), 2);
    block.resetFields(m_images.saved, m_images.working);
    QCOMPARE(block.blockBytes(), hex("01") + QByteArray(DTD_SIZE - 1, '\0'));
}

void TestCEABlocksC::corpusBlocksGiveBackTheirBytes()
{
    const QStringList files = corpusFiles();
    if (files.isEmpty())
        QSKIP("reference corpus absent");
    int infoFrames = 0, dtdBlocks = 0;
    for (const QString& path : files) {
        const QByteArray image = readFileBytes(path);
        if (image.size() < EDID_IMAGE_SIZE || image.at(EDID_BLOCK_SIZE) != 2)
            continue;
        const Byte* ext = raw(image) + EDID_BLOCK_SIZE;
        const int d = qMin(int(ext[2]), EDID_BLOCK_SIZE - 1);
        for (int i = 4; i < d; i += (ext[i] & 31) + 1) {
            const int length = qMin(ext[i] & 31, d - i - 1);
            if (ext[i] >> 5 == 7 && length >= 1 && ext[i + 1] == CEA_INFOFRAME_EXTENDED_TAG) {
                CEAInfoFrame block;
                block.initFields(7, length - 1, ext + i + 2, m_images.saved, m_images.working);
                QCOMPARE(block.blockBytes(), QByteArray(reinterpret_cast<const char*>(ext) + i + 1, length));
                ++infoFrames;
            }
        }
        CEADetailedTimingDescriptor block;
        const int count = ceaDetailedTimingCount(ext);
        block.initFields(7, count, ext + d, m_images.saved, m_images.working);
        QCOMPARE(block.blockBytes(), QByteArray(reinterpret_cast<const char*>(ext) + d, count * DTD_SIZE));
        dtdBlocks += count > 0;
    }
    QVERIFY(infoFrames > 0 && dtdBlocks > 0);
}

QTEST_MAIN(TestCEABlocksC)
#include "tst_ceablocksc.moc"
