#include <QtTest>

#include "ceablock.h"
#include "ceacatalogue.h"
#include "ceaextension.h"
#include "ceaextensionmodel.h"
#include "cearawblock.h"
#include "edid.h"
#include "hexaviewer.h"
#include "imageload.h"
#include "loadboxes.h"
#include "sectiontesthelpers.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

using namespace SectionTest;

namespace {

// What decides how the editors load a file's CTA-861 extension: its
// revision, each entry's type and length, and each video code and audio
// format. Nothing for a file that does not open with such an extension.
QStringList extensionFeaturesOf(const QByteArray& content)
{
    LoadedImage loaded;
    T_EDID_CEA_EXTENSION_DEF record;
    if (content.size() < EDID_IMAGE_SIZE || Byte(content[126]) == 0
        || !loadImage(content.left(EDID_IMAGE_SIZE), false, loaded).isEmpty()
        || parseCEAExtension(loaded.working, record) == CEA_PARSE_NOT_CEA)
        return {};
    QStringList features = {QStringLiteral("revision %1").arg(record.revision)};
    for (const CEAEntry& entry : ceaEntriesOf(record)) {
        const int index = ceaCatalogueIndexOf(entry);
        features << QStringLiteral("%1:%2").arg(index).arg(entry.bytes.size());
        if (index == CEA_VIDEO || index == CEA_YCBCR420_VIDEO) {
            for (const char vic : entry.bytes)
                features << QStringLiteral("VIC %1").arg(Byte(vic));
        } else if (index == CEA_AUDIO) {
            for (int i = 0; i + 2 < entry.bytes.size(); i += 3) {
                const Byte* sad = rawBytes(entry.bytes) + i;
                features << QStringLiteral("audio %1 %2").arg(sad[0] >> 3).arg(sad[2] >> 3);
            }
        }
    }
    return features;
}

} // namespace


// The extension editor inside the document: load, the block list painted
// from the extension model, the budget, views made when first shown, edits
// through the model into the image, the revision buttons and the monitor
// support.
class TestCEAExtensionBlock : public QObject
{
    Q_OBJECT

private slots:
    void loadResults_data();
    void loadResults();
    void editsReachTheImage();
    void overBudget();
    void addEveryBlockType();
    void revisionSwitch();
    void corpusOpenedUnchanged();

private:
    // The document with an image whose extension is `ext` (hex, padded to
    // 127 bytes, checksum appended unless `checksum` is given).
    void open(const QByteArray& extHex, int checksum = -1);
    bool load(const QByteArray& bytes, LoadedImage& loaded);
    Byte* extBytes() { return m_images.working + EDID_BLOCK_SIZE; }
    CEAExtensionBlock& editor() { return m_doc->ceaExtension(); }
    template <class T> T* control(const char* name) { return editor().findChild<T*>(name); }
    QString totalText() { return control<QLabel>("Totalsize")->text(); }
    void addBlock(const QString& typeName);

    std::unique_ptr<Edid> m_doc;
    Images m_images;
};

void TestCEAExtensionBlock::open(const QByteArray& extHex, int checksum)
{
    QByteArray bytes = patched(digital14(), {{126, 1}});
    QByteArray ext = QByteArray::fromHex(extHex);
    ext.append(QByteArray(127 - ext.size(), '\0'));
    ext.append(char(checksum >= 0 ? checksum : blockChecksum(reinterpret_cast<const Byte*>(ext.constData()))));
    bytes.replace(EDID_BLOCK_SIZE, EDID_BLOCK_SIZE, ext);
    LoadedImage loaded;
    QVERIFY(load(bytes, loaded));
}

// Opened as the main window opens a file: the core corrects, the boxes
// tell, the document shows.
bool TestCEAExtensionBlock::load(const QByteArray& bytes, LoadedImage& loaded)
{
    m_doc.reset(new Edid);
    if (!loadImage(bytes, false, loaded).isEmpty())
        return false;
    showLoadBoxes(loaded.corrections);
    m_images.model.load(loaded);
    const bool decoded = decodeBaseBlock(m_images.working, m_images.decoded);
    m_doc->setImages(m_images.saved, m_images.working);
    m_doc->initFields(m_images.decoded);
    return decoded;
}

void TestCEAExtensionBlock::addBlock(const QString& typeName)
{
    auto* types = control<QListWidget>("blockTypeList");
    const QList<QListWidgetItem*> items = types->findItems(typeName, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    types->setCurrentItem(items.first());
    control<QPushButton>("addBlockButton")->click();
}

void TestCEAExtensionBlock::loadResults_data()
{
    QTest::addColumn<QByteArray>("ext");
    QTest::addColumn<int>("checksum");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QByteArray>("written");  // extension bytes 0-7 after loading
    QTest::addColumn<bool>("present");
    const QByteArray video = "0203 08 40 4302 10 04";
    QTest::newRow("valid") << video << -1 << "" << QByteArray("0203084043021004") << true;
    QTest::newRow("padding error, byte 126 cleared")
        << (video + QByteArray(236, '0') + "07") << -1
        << "CEA Extension data block has a padding error." << QByteArray("0203084043021004") << true;
    QTest::newRow("checksum error corrected") << video << 0x11
        << "CEA Extension data block has a checksum error. The checksum will be corrected."
        << QByteArray("0203084043021004") << true;
    QTest::newRow("not CEA is kept") << QByteArray("70 12 34") << 0x55 << "" << QByteArray("7012340000000000") << false;
}

void TestCEAExtensionBlock::loadResults()
{
    QFETCH(QByteArray, ext);
    QFETCH(int, checksum);
    QFETCH(QString, box);
    QFETCH(QByteArray, written);
    QFETCH(bool, present);
    BoxRecorder boxes;
    open(ext, checksum);
    checkBox(boxes, "Warning", box);
    QCOMPARE(hexOf(extBytes(), 0, 8), written);
    QCOMPARE(m_doc->hasCEAExtension(), present);
    QCOMPARE(m_images.working[126] != 0, present || box.isEmpty());
    QVERIFY(m_images.checksumValid());
    if (present) {
        QVERIFY(blockChecksumValid(extBytes()));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(extBytes()), EDID_BLOCK_SIZE).toHex(),
                 m_doc->ceaExtension().extensionBytes().toHex());
        QVERIFY(control<QLabel>("Totalsize")->styleSheet().isEmpty());
    }
    // Only a box's correction changes bytes.
    if (box.isEmpty())
        QVERIFY(m_images.unchanged());
}

// An edit in a view replaces its entry's bytes in the model, which the
// document writes into the image; the monitor support flags go the same
// way. No view is made before the editor is first shown.
void TestCEAExtensionBlock::editsReachTheImage()
{
    BoxRecorder boxes;
    open("0203 08 40 43021004 011d007251d01e206e285500c48e2100001e");
    QVERIFY(m_images.unchanged());
    QVERIFY(editor().findChildren<CEABlock*>().isEmpty());
    editor().show();
    QCOMPARE(editor().findChildren<CEABlock*>().size(), 1);
    editor().setCurrentBlockRow(0);
    click(editor().block(0)->findChildren<QCheckBox*>("nativeCB").at(1));
    QCOMPARE(hexOf(extBytes(), 0, 9), QByteArray("020308404302900401"));
    click(control<QCheckBox>("underscanCB"));
    QCOMPARE(hexOf(extBytes(), 0, 4), QByteArray("020308c0"));
    QVERIFY(blockChecksumValid(extBytes()));
    QCOMPARE(editor().extensionBytes(), QByteArray(reinterpret_cast<const char*>(extBytes()), EDID_BLOCK_SIZE));
    QCOMPARE(control<QListWidget>("listWidget")->item(0)->text(), QString("Video (size = 4)"));
    QCOMPARE(boxes.count(), 0);
}

// Four vendor-specific blocks of 30 bytes fill 120 of the 123 bytes. A new
// "Detailed timing" item holds no descriptor and adds nothing; with one
// descriptor it is red and left out, the warning comes once, and an item
// added after it is red as well.
void TestCEAExtensionBlock::overBudget()
{
    BoxRecorder boxes;
    QByteArray ext = "0203 7c 00";
    for (int i = 0; i < 4; ++i)
        ext += "7d 000c03" + QByteArray(26 * 2, '1' + i);
    open(ext);
    QCOMPARE(totalText(), QString("Total size = 120/123"));
    QVERIFY(m_images.unchanged());
    addBlock("Detailed timing");
    auto* rows = control<QListWidget>("listWidget");
    QCOMPARE(rows->item(4)->text(), QString("Detailed timing (size = 0)"));
    QCOMPARE(editor().block(4)->findChild<QTabWidget*>("tabDTD")->count(), 0);
    QCOMPARE(totalText(), QString("Total size = 120/123"));
    QVERIFY(m_images.unchanged());
    QCOMPARE(boxes.count(), 0);
    editor().block(4)->findChild<QPushButton*>("addDTDTabButton")->click();
    checkBox(boxes, "CEA extention warning", "CEA Extension size exceeded.\nThe blocks in red will not be added to the EDID.");
    QCOMPARE(rows->item(4)->text(), QString("Detailed timing (size = 18)"));
    QCOMPARE(rows->item(4)->background().color(), QColor(Qt::red));
    QCOMPARE(rows->item(3)->background().color(), QColor(33, 33, 33));
    QCOMPARE(totalText(), QString("Total size = 138/123"));
    addBlock("Detailed timing");
    QCOMPARE(rows->item(5)->background().color(), QColor(Qt::red));
    editor().extensionBytes();
    QCOMPARE(boxes.count(), 1);
    QVERIFY(m_images.unchanged());
    editor().setCurrentBlockRow(5);
    control<QPushButton>("removeBlockButton")->click();
    editor().setCurrentBlockRow(4);
    control<QPushButton>("removeBlockButton")->click();
    QCOMPARE(totalText(), QString("Total size = 120/123"));
    QVERIFY(control<QLabel>("Totalsize")->styleSheet().isEmpty());
    QCOMPARE(boxes.count(), 1);
}

// Every type added to an empty extension gives a header whose length bits
// count the bytes after it, in list order, a total that matches the bytes
// (the new "Detailed timing" item adds none), and a checksum.
void TestCEAExtensionBlock::addEveryBlockType()
{
    BoxRecorder boxes;
    open("0203 04 00");
    for (int index = CEA_VIDEO; index <= CEA_DETAILED_TIMING; ++index) {
        addBlock(blockTypeName(index));
        QVERIFY(blockChecksumValid(extBytes()));
    }
    QCOMPARE(editor().blockCount(), 13);
    const int d = extBytes()[2];
    int offset = 4;
    for (int index = CEA_VIDEO; offset < d; ++index) {
        QCOMPARE(extBytes()[offset] >> 5, blockTypeTag(index));
        if (blockTypeTag(index) == CEA_EXTENDED_TAG_CODE)
            QCOMPARE(int(extBytes()[offset + 1]), blockTypeExtendedTag(index));
        offset += (extBytes()[offset] & 31) + 1;
    }
    QCOMPARE(offset, d);
    const int total = d - 4;
    QVERIFY(total <= CEA_SIZE_BUDGET);
    QCOMPARE(totalText(), QString("Total size = %1/123").arg(total));
    QCOMPARE(boxes.count(), 0);
}

void TestCEAExtensionBlock::revisionSwitch()
{
    BoxRecorder boxes;
    open("0203 08 f2 43021004 011d007251d01e206e285500c48e2100001e");
    click(control<QRadioButton>("version2RB"));
    QCOMPARE(hexOf(extBytes(), 0, 6), QByteArray("020204f2011d"));
    click(control<QRadioButton>("version1RB"));
    // Revision 1: no data blocks, no support flags, the timing right after byte 3.
    QCOMPARE(hexOf(extBytes(), 0, 6), QByteArray("02010400011d"));
    QVERIFY(control<QListWidget>("listWidget")->item(0)->isHidden());
    QCOMPARE(control<QSpinBox>("nativeDTDSB")->value(), 0);
    click(control<QRadioButton>("version3RB"));
    QCOMPARE(hexOf(extBytes(), 0, 9), QByteArray("020308004302100401"));
    QVERIFY(!control<QListWidget>("listWidget")->item(0)->isHidden());
    QVERIFY(blockChecksumValid(extBytes()));
    QCOMPARE(boxes.count(), 0);
}

// Real EDIDs with a CTA-861 extension, one for each revision, entry type
// and length, video code and audio format (the core tests take every
// corpus extension through the model): opened, the extension is as the
// core model writes it back, unchanged apart from the padding and checksum
// corrections, and each entry of a known type gets its editor.
void TestCEAExtensionBlock::corpusOpenedUnchanged()
{
    const QStringList files = filesCarrying(corpusFiles(), extensionFeaturesOf);
    if (files.isEmpty())
        QSKIP("EDID corpus not present");
    BoxRecorder boxes;
    int identical = 0, kept = 0;
    QStringList failures;
    for (const QString& path : files) {
        const QString name = QFileInfo(path).fileName();
        LoadedImage loaded;
        QVERIFY(load(readFileBytes(path).left(EDID_IMAGE_SIZE), loaded));
        // A wrong checksum is corrected on load.
        Byte repaired[EDID_IMAGE_SIZE];
        std::memcpy(repaired, loaded.saved, EDID_IMAGE_SIZE);
        updateBlockChecksum(repaired + EDID_BLOCK_SIZE);
        T_EDID_CEA_EXTENSION_DEF record;
        parseCEAExtension(repaired, record);
        const QByteArray expected = reserializeCEAExtension(record).bytes;
        const QByteArray got(reinterpret_cast<const char*>(extBytes()), EDID_BLOCK_SIZE);
        if (got != expected)
            failures << name + ": " + got.toHex() + " expected " + expected.toHex();
        identical += std::memcmp(m_images.saved + 128, extBytes(), EDID_BLOCK_SIZE) == 0;
        for (int row = 0; row < editor().blockCount(); ++row) {
            const bool typed = ceaCatalogueIndexOf(editor().model().entry(row)) != CEA_UNKNOWN;
            const bool raw = qobject_cast<const CEARawBlock*>(editor().block(row));
            if (typed && raw)
                failures << name + ": block " + QString::number(row) + " not editable";
            kept += raw;
        }
    }
    qInfo("%d extensions opened: %d unchanged, %d blocks kept as loaded", int(files.size()), identical, kept);
    QVERIFY2(failures.isEmpty(), qPrintable(failures.mid(0, 5).join('\n')));
}

QTEST_MAIN(TestCEAExtensionBlock)
#include "tst_ceaextensionblock.moc"
