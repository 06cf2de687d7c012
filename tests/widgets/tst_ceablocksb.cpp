#include "ceacapabilitymapdescriptor.h"
#include "ceacolorimetryblock.h"
#include "ceavendorspecificdescriptor.h"
#include "ceavideocapability.h"
#include "ceavideoformatpreference.h"
#include "sectiontesthelpers.h"

#include <QCheckBox>
#include <QListWidget>
#include <QSpinBox>
#include <memory>

using namespace SectionTest;

namespace {

const Byte* bytesOf(const QByteArray& bytes)
{
    return reinterpret_cast<const Byte*>(bytes.constData());
}

// A block editor of a catalogue index, as the extension editor makes them.
std::unique_ptr<CEABlock> makeBlock(int index)
{
    switch (index) {
    case CEA_VIDEO_CAPABILITY: return std::make_unique<CEAVideoCapability>();
    case CEA_COLORIMETRY: return std::make_unique<CEAColorimetryBlock>();
    case CEA_YCBCR420_CAPABILITY_MAP: return std::make_unique<CEACapabilityMapDescriptor>();
    case CEA_VIDEO_FORMAT_PREFERENCE: return std::make_unique<CEAVideoFormatPreference>();
    case CEA_VENDOR_SPECIFIC:
    case CEA_VENDOR_SPECIFIC_VIDEO:
    case CEA_VENDOR_SPECIFIC_AUDIO: return std::make_unique<CEAVendorSpecificDescriptor>(index);
    default: return nullptr;
    }
}

void press(QWidget* block, const char* button)
{
    QTest::mouseClick(block->findChild<QAbstractButton*>(button), Qt::LeftButton);
}

} // namespace

class TestCEABlocksB : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void newVendorBlockGrows();
    void loadedVendorBlock_data();
    void loadedVendorBlock();
    void videoCapability();
    void colorimetryKeepsMetadata();
    void capabilityMapSelection();
    void formatPreference();
    void corpusBlocksRoundTrip();

private:
    // A new block editor of a catalogue index, shown.
    template <typename T> T* fresh(std::unique_ptr<CEABlock>& holder, int index);
    // The editor loaded from `payload` as the extension editor hands it over, shown.
    template <typename T> T* load(std::unique_ptr<CEABlock>& holder, int index, const QByteArray& payload);
    Byte* saved() { return reinterpret_cast<Byte*>(m_saved.data()); }
    Byte* working() { return reinterpret_cast<Byte*>(m_working.data()); }

    QByteArray m_saved;
    QByteArray m_working;
};

void TestCEABlocksB::init()
{
    m_saved = QByteArray(EDID_IMAGE_SIZE, '\0');
    m_working = m_saved;
}

template <typename T> T* TestCEABlocksB::fresh(std::unique_ptr<CEABlock>& holder, int index)
{
    holder = makeBlock(index);
    holder->resetFields(saved(), working());
    holder->show();
    return static_cast<T*>(holder.get());
}

template <typename T> T* TestCEABlocksB::load(std::unique_ptr<CEABlock>& holder, int index, const QByteArray& payload)
{
    holder = makeBlock(index);
    holder->initFields(blockTypeTag(index), payload.size(), bytesOf(payload), saved(), working());
    holder->updateUI();
    holder->show();
    return static_cast<T*>(holder.get());
}

void TestCEABlocksB::newVendorBlockGrows()
{
    std::unique_ptr<CEABlock> holder;
    auto* block = fresh<CEAVendorSpecificDescriptor>(holder, CEA_VENDOR_SPECIFIC);
    QCOMPARE(block->blockBytes(), QByteArray());
    press(block, "addVSDBButton");
    QCOMPARE(block->blockBytes(), QByteArray::fromHex("000000"));
    press(block, "addVSDBButton");
    auto* regID = block->findChild<QLineEdit*>("regIDField");
    typeInto(regID, "000c03");
    QCOMPARE(regID->text(), QString("00003"));
    typeInto(regID, "000C03");
    QCOMPARE(block->blockBytes(), QByteArray::fromHex("030C0000"));
    press(block, "delVSDBButton");
    press(block, "delVSDBButton");
    QCOMPARE(block->blockBytes(), QByteArray());
    press(block, "addVSDBButton");
    QCOMPARE(block->blockBytes(), QByteArray::fromHex("030C00"));
}

void TestCEABlocksB::loadedVendorBlock_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("oui");
    QTest::addColumn<QByteArray>("edited");
    QTest::newRow("HDMI") << int(CEA_VENDOR_SPECIFIC) << QByteArray::fromHex("030C001000") << "000C03"
                          << QByteArray::fromHex("030C007F00");
    QTest::newRow("video") << int(CEA_VENDOR_SPECIFIC_VIDEO) << QByteArray::fromHex("1BC5D8AA") << "D8C51B"
                           << QByteArray::fromHex("011BC5D87F");
    QTest::newRow("audio") << int(CEA_VENDOR_SPECIFIC_AUDIO) << QByteArray::fromHex("030C00FF") << "000C03"
                           << QByteArray::fromHex("11030C007F");
    QTest::newRow("truncated") << int(CEA_VENDOR_SPECIFIC) << QByteArray::fromHex("030C") << "000C03"
                               << QByteArray::fromHex("030C00");
}

void TestCEABlocksB::loadedVendorBlock()
{
    QFETCH(int, index);
    QFETCH(QByteArray, payload);
    QFETCH(QString, oui);
    QFETCH(QByteArray, edited);
    std::unique_ptr<CEABlock> holder;
    auto* block = load<CEAVendorSpecificDescriptor>(holder, index, payload);
    QVERIFY(block->blockBytes().endsWith(payload));
    QCOMPARE(block->findChild<QLineEdit*>("regIDField")->text(), oui);
    if (payload.size() > 3)
        typeInto(block->findChildren<QLineEdit*>("blockField").first(), "7F");
    else
        press(block, "addVSDBButton");
    QCOMPARE(block->blockBytes(), edited);
}

void TestCEABlocksB::videoCapability()
{
    std::unique_ptr<CEABlock> holder;
    auto* block = fresh<CEAVideoCapability>(holder, CEA_VIDEO_CAPABILITY);
    QCOMPARE(block->blockBytes(), QByteArray::fromHex("0000"));
    QSignalSpy changes(block, &CEABlock::valueChanged);
    click(block->findChild<QCheckBox*>("qyCB"));
    auto* ce = block->findChild<QComboBox*>("ceMulti");
    ce->setFocus();
    QTest::keyClick(ce, Qt::Key_End);
    QCOMPARE(block->blockBytes(), QByteArray::fromHex("0083"));
    QCOMPARE(changes.count(), 2);
    // The extended tag alone, then a payload longer than the editor knows.
    QCOMPARE(load<CEAVideoCapability>(holder, CEA_VIDEO_CAPABILITY, QByteArray(1, '\0'))->blockBytes(),
             QByteArray(1, '\0'));
    block = load<CEAVideoCapability>(holder, CEA_VIDEO_CAPABILITY, QByteArray::fromHex("0040AA"));
    QCOMPARE(block->blockBytes(), QByteArray::fromHex("0040AA"));
    click(block->findChild<QCheckBox*>("qyCB"));
    QCOMPARE(block->blockBytes(), QByteArray::fromHex("00C0AA"));
}

void TestCEABlocksB::colorimetryKeepsMetadata()
{
    std::unique_ptr<CEABlock> holder;
    QCOMPARE(fresh<CEAColorimetryBlock>(holder, CEA_COLORIMETRY)->blockBytes(), QByteArray::fromHex("050000"));
    QCOMPARE(load<CEAColorimetryBlock>(holder, CEA_COLORIMETRY, QByteArray::fromHex("81"))->blockBytes(),
             QByteArray::fromHex("0581"));
    auto* block = load<CEAColorimetryBlock>(holder, CEA_COLORIMETRY, QByteArray::fromHex("8107"));
    click(block->findChild<QCheckBox*>("bt2020rgbCB"));
    click(block->findChild<QCheckBox*>("xvycc709CB"));
    QCOMPARE(block->blockBytes(), QByteArray::fromHex("050307"));
}

void TestCEABlocksB::capabilityMapSelection()
{
    // A video block of ten descriptors, the second one native VIC 127.
    m_working.replace(128, 15, QByteArray::fromHex("02030F00 4A 10 FF 01 02 03 04 05 06 07 2B"));
    std::unique_ptr<CEABlock> holder;
    auto* block = fresh<CEACapabilityMapDescriptor>(holder, CEA_YCBCR420_CAPABILITY_MAP);
    auto* formats = block->findChild<QComboBox*>("definedFomatCombo");
    auto* list = block->findChild<QListWidget*>("formatList");
    QCOMPARE(formats->count(), 10);
    QCOMPARE(formats->itemText(1), QString("2 - other (native)"));
    QCOMPARE(formats->itemText(9), QString("10 - 720x576p 100Hz 16:9 "));
    for (int position : {9, 0, 9}) {
        choose(formats, position);
        press(block, "addButton");
    }
    QCOMPARE(block->blockBytes(), QByteArray::fromHex("0F0102"));
    QCOMPARE(list->item(0)->text(), QString("1 - 1920x1080p 60Hz 16:9"));
    // Removing every position leaves an explicit empty bitmap.
    for (int i = 0; i < 2; ++i) {
        list->setCurrentRow(0);
        press(block, "removeButton");
    }
    QCOMPARE(block->blockBytes(), QByteArray::fromHex("0F00"));
    block = load<CEACapabilityMapDescriptor>(holder, CEA_YCBCR420_CAPABILITY_MAP, QByteArray::fromHex("8100"));
    QCOMPARE(block->findChild<QListWidget*>("formatList")->count(), 2);
    QCOMPARE(block->blockBytes(), QByteArray::fromHex("0F8100"));
    // A map of its extended tag alone: every format supports 4:2:0.
    block = load<CEACapabilityMapDescriptor>(holder, CEA_YCBCR420_CAPABILITY_MAP, QByteArray());
    auto* all = block->findChild<QCheckBox*>("allFormatsCB");
    QVERIFY(all->isChecked());
    QCOMPARE(block->findChild<QListWidget*>("formatList")->item(0)->text(), QString("All formats"));
    QCOMPARE(block->blockBytes(), QByteArray::fromHex("0F"));
    click(all);
    QCOMPARE(block->blockBytes(), QByteArray::fromHex("0F00"));
    click(all);
    QCOMPARE(block->blockBytes(), QByteArray::fromHex("0F"));
}

void TestCEABlocksB::formatPreference()
{
    std::unique_ptr<CEABlock> holder;
    auto* block = fresh<CEAVideoFormatPreference>(holder, CEA_VIDEO_FORMAT_PREFERENCE);
    auto* code = block->findChild<QSpinBox*>("codeField");
    code->setFocus();
    code->selectAll();
    QTest::keyClicks(code, "16");
    press(block, "addVICButton");
    block->findChild<QSpinBox*>("DTDPSpinBox")->setValue(1);
    press(block, "addDTDButton");
    QCOMPARE(block->blockBytes(), QByteArray::fromHex("0D1081"));
    block = load<CEAVideoFormatPreference>(holder, CEA_VIDEO_FORMAT_PREFERENCE, QByteArray::fromHex("1081"));
    auto* list = block->findChild<QListWidget*>("preferedFormatList");
    QCOMPARE(list->item(0)->text(), QString("1920x1080p 60Hz 16:9"));
    QCOMPARE(list->item(1)->text(), QString("1"));
    list->setCurrentRow(0);
    press(block, "upButton");
    list->setCurrentRow(1);
    press(block, "downButton");
    QCOMPARE(block->blockBytes(), QByteArray::fromHex("0D1081"));
    press(block, "upButton");
    QCOMPARE(block->blockBytes(), QByteArray::fromHex("0D8110"));
}

void TestCEABlocksB::corpusBlocksRoundTrip()
{
    const QStringList files = corpusFiles();
    if (files.isEmpty())
        QSKIP("no EDID corpus");
    int blocks = 0;
    for (const QString& path : files) {
        m_saved = readFileBytes(path).leftJustified(EDID_IMAGE_SIZE, '\0', true);
        m_working = m_saved;
        const Byte* extension = bytesOf(m_saved) + EDID_BLOCK_SIZE;
        if (m_saved.at(126) == 0 || extension[0] != 0x02)
            continue;
        const int end = qMin(int(extension[2]), EDID_BLOCK_SIZE - 1);
        for (int i = 4, tag = 0, length = 0; i < end; i += tag == 0 ? 1 : length + 1) {
            tag = extension[i] >> 5;
            length = extension[i] & 31;
            if (tag == 0 || i + length >= end || (tag == 7 && length == 0))
                continue;
            const int index = findBlockType(tag, extension[i + 1]);
            const QByteArray original(reinterpret_cast<const char*>(extension + i + 1), length);
            std::unique_ptr<CEABlock> holder;
            // The extension editor strips a non-zero extended tag byte.
            if (makeBlock(index) && ++blocks)
                QVERIFY2(load<CEABlock>(holder, index, original.mid(blockTypeExtendedTag(index) ? 1 : 0))->blockBytes()
                             == original, qPrintable(path + " block at " + QString::number(i)));
        }
    }
    qInfo("%d corpus blocks written back unchanged", blocks);
}

QTEST_MAIN(TestCEABlocksB)
#include "tst_ceablocksb.moc"
