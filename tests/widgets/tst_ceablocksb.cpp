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
    case CEA_VENDOR_SPECIFIC:
    case CEA_VENDOR_SPECIFIC_VIDEO:
    case CEA_VENDOR_SPECIFIC_AUDIO:
        return std::make_unique<CEAVendorSpecificDescriptor>(index);
    case CEA_VIDEO_CAPABILITY:
        return std::make_unique<CEAVideoCapability>();
    case CEA_COLORIMETRY:
        return std::make_unique<CEAColorimetryBlock>();
    case CEA_YCBCR420_CAPABILITY_MAP:
        return std::make_unique<CEACapabilityMapDescriptor>();
    case CEA_VIDEO_FORMAT_PREFERENCE:
        return std::make_unique<CEAVideoFormatPreference>();
    }
    return nullptr;
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
    void capabilityMapAllFormats();
    void formatPreference();
    void corpusBlocksRoundTrip();

private:
    // The editor loaded from `payload` as the extension editor hands it over.
    template <typename T> T* load(std::unique_ptr<CEABlock>& holder, int index, const QByteArray& payload);

    QByteArray m_saved;
    QByteArray m_working;
};

void TestCEABlocksB::init()
{
    m_saved = QByteArray(EDID_IMAGE_SIZE, '\0');
    m_working = m_saved;
}

template <typename T> T* TestCEABlocksB::load(std::unique_ptr<CEABlock>& holder, int index, const QByteArray& payload)
{
    holder = makeBlock(index);
    holder->initFields(blockTypeTag(index), payload.size(), bytesOf(payload), reinterpret_cast<Byte*>(m_saved.data()),
                       reinterpret_cast<Byte*>(m_working.data()));
    holder->updateUI();
    return static_cast<T*>(holder.get());
}

void TestCEABlocksB::newVendorBlockGrows()
{
    CEAVendorSpecificDescriptor block(CEA_VENDOR_SPECIFIC);
    block.resetFields(reinterpret_cast<Byte*>(m_saved.data()), reinterpret_cast<Byte*>(m_working.data()));
    block.show();
    QSignalSpy changes(&block, &CEABlock::valueChanged);
    QCOMPARE(block.blockBytes(), QByteArray());
    auto* add = block.findChild<QAbstractButton*>("addVSDBButton");
    auto* del = block.findChild<QAbstractButton*>("delVSDBButton");
    auto* regID = block.findChild<QLineEdit*>("regIDField");
    QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(block.blockBytes(), QByteArray::fromHex("000000"));
    QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(block.blockBytes(), QByteArray::fromHex("00000000"));
    typeInto(regID, "000c03");
    QCOMPARE(regID->text(), QString("00003"));
    typeInto(regID, "000C03");
    QCOMPARE(block.blockBytes(), QByteArray::fromHex("030C0000"));
    QTest::mouseClick(del, Qt::LeftButton);
    QTest::mouseClick(del, Qt::LeftButton);
    QCOMPARE(block.blockBytes(), QByteArray());
    QCOMPARE(changes.count(), 6);
    // The OUI typed before comes back with the next "+".
    QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(block.blockBytes(), QByteArray::fromHex("030C00"));
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
    block->show();
    const QByteArray tagByte = index == CEA_VENDOR_SPECIFIC ? QByteArray() : QByteArray(1, char(blockTypeExtendedTag(index)));
    QCOMPARE(block->blockBytes(), tagByte + payload);
    QCOMPARE(block->findChild<QLineEdit*>("regIDField")->text(), oui);
    const QList<QLineEdit*> rows = block->findChildren<QLineEdit*>("blockField");
    if (payload.size() > 3)
        typeInto(rows.first(), "7F");
    else
        QTest::mouseClick(block->findChild<QAbstractButton*>("addVSDBButton"), Qt::LeftButton);
    QCOMPARE(block->blockBytes(), edited);
}

void TestCEABlocksB::videoCapability()
{
    CEAVideoCapability block;
    block.resetFields(reinterpret_cast<Byte*>(m_saved.data()), reinterpret_cast<Byte*>(m_working.data()));
    block.show();
    QCOMPARE(block.blockBytes(), QByteArray::fromHex("0000"));
    QSignalSpy changes(&block, &CEABlock::valueChanged);
    click(block.findChild<QCheckBox*>("qyCB"));
    auto* ce = block.findChild<QComboBox*>("ceMulti");
    ce->setFocus();
    QTest::keyClick(ce, Qt::Key_End);
    QCOMPARE(block.blockBytes(), QByteArray::fromHex("0083"));
    QCOMPARE(changes.count(), 2);

    // Extended tag alone, then a payload longer than the editor knows.
    std::unique_ptr<CEABlock> holder;
    QCOMPARE(load<CEAVideoCapability>(holder, CEA_VIDEO_CAPABILITY, QByteArray(1, '\0'))->blockBytes(),
             QByteArray(1, '\0'));
    auto* loaded = load<CEAVideoCapability>(holder, CEA_VIDEO_CAPABILITY, QByteArray::fromHex("0040AA"));
    QCOMPARE(loaded->blockBytes(), QByteArray::fromHex("0040AA"));
    QVERIFY(loaded->findChild<QCheckBox*>("qsCB")->isChecked());
    loaded->show();
    click(loaded->findChild<QCheckBox*>("qyCB"));
    QCOMPARE(loaded->blockBytes(), QByteArray::fromHex("00C0AA"));
}

void TestCEABlocksB::colorimetryKeepsMetadata()
{
    CEAColorimetryBlock block;
    block.resetFields(reinterpret_cast<Byte*>(m_saved.data()), reinterpret_cast<Byte*>(m_working.data()));
    QCOMPARE(block.blockBytes(), QByteArray::fromHex("050000"));

    std::unique_ptr<CEABlock> holder;
    QCOMPARE(load<CEAColorimetryBlock>(holder, CEA_COLORIMETRY, QByteArray::fromHex("81"))->blockBytes(),
             QByteArray::fromHex("0581"));
    auto* loaded = load<CEAColorimetryBlock>(holder, CEA_COLORIMETRY, QByteArray::fromHex("8107"));
    loaded->show();
    QSignalSpy changes(loaded, &CEABlock::valueChanged);
    click(loaded->findChild<QCheckBox*>("bt2020rgbCB"));
    click(loaded->findChild<QCheckBox*>("xvycc709CB"));
    QCOMPARE(loaded->blockBytes(), QByteArray::fromHex("050307"));
    QCOMPARE(changes.count(), 2);
}

void TestCEABlocksB::capabilityMapSelection()
{
    // A video block of ten descriptors, the second one native.
    m_working.replace(128, 15, QByteArray::fromHex("02030F00 4A 10 FF 01 02 03 04 05 06 07 2B"));
    CEACapabilityMapDescriptor block;
    block.resetFields(reinterpret_cast<Byte*>(m_saved.data()), reinterpret_cast<Byte*>(m_working.data()));
    block.show();
    auto* formats = block.findChild<QComboBox*>("definedFomatCombo");
    auto* add = block.findChild<QAbstractButton*>("addButton");
    auto* list = block.findChild<QListWidget*>("formatList");
    QCOMPARE(formats->count(), 10);
    QCOMPARE(formats->itemText(1), QString("2 - other (native)"));
    QCOMPARE(formats->itemText(9), QString("10 - 720x576p 100Hz 16:9 "));
    for (int position : {9, 0, 9}) {
        choose(formats, position);
        QTest::mouseClick(add, Qt::LeftButton);
    }
    QCOMPARE(block.blockBytes(), QByteArray::fromHex("0F0102"));
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), QString("1 - 1920x1080p 60Hz 16:9"));
    // Removing every position leaves an explicit empty bitmap.
    for (int i = 0; i < 2; ++i) {
        list->setCurrentRow(0);
        QTest::mouseClick(block.findChild<QAbstractButton*>("removeButton"), Qt::LeftButton);
    }
    QCOMPARE(block.blockBytes(), QByteArray::fromHex("0F00"));

    std::unique_ptr<CEABlock> holder;
    auto* loaded = load<CEACapabilityMapDescriptor>(holder, CEA_YCBCR420_CAPABILITY_MAP, QByteArray::fromHex("8100"));
    QCOMPARE(loaded->findChild<QListWidget*>("formatList")->count(), 2);
    QCOMPARE(loaded->blockBytes(), QByteArray::fromHex("0F8100"));
}

void TestCEABlocksB::capabilityMapAllFormats()
{
    std::unique_ptr<CEABlock> holder;
    auto* block = load<CEACapabilityMapDescriptor>(holder, CEA_YCBCR420_CAPABILITY_MAP, QByteArray());
    block->show();
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
    CEAVideoFormatPreference block;
    block.resetFields(reinterpret_cast<Byte*>(m_saved.data()), reinterpret_cast<Byte*>(m_working.data()));
    block.show();
    auto* code = block.findChild<QSpinBox*>("codeField");
    code->setFocus();
    code->selectAll();
    QTest::keyClicks(code, "16");
    QTest::mouseClick(block.findChild<QAbstractButton*>("addVICButton"), Qt::LeftButton);
    block.findChild<QSpinBox*>("DTDPSpinBox")->setValue(1);
    QTest::mouseClick(block.findChild<QAbstractButton*>("addDTDButton"), Qt::LeftButton);
    QCOMPARE(block.blockBytes(), QByteArray::fromHex("0D1081"));

    std::unique_ptr<CEABlock> holder;
    auto* loaded = load<CEAVideoFormatPreference>(holder, CEA_VIDEO_FORMAT_PREFERENCE, QByteArray::fromHex("1081"));
    loaded->show();
    auto* list = loaded->findChild<QListWidget*>("preferedFormatList");
    QCOMPARE(list->item(0)->text(), QString("1920x1080p 60Hz 16:9"));
    QCOMPARE(list->item(1)->text(), QString("1"));
    auto* up = loaded->findChild<QAbstractButton*>("upButton");
    auto* down = loaded->findChild<QAbstractButton*>("downButton");
    list->setCurrentRow(0);
    QTest::mouseClick(up, Qt::LeftButton);
    list->setCurrentRow(1);
    QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(loaded->blockBytes(), QByteArray::fromHex("0D1081"));
    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(loaded->blockBytes(), QByteArray::fromHex("0D8110"));
    QCOMPARE(list->currentRow(), 0);
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
            if (!makeBlock(index))
                continue;
            // The extension editor strips a non-zero extended tag byte.
            const int skip = blockTypeExtendedTag(index) != 0 ? 1 : 0;
            const QByteArray original(reinterpret_cast<const char*>(extension + i + 1), length);
            std::unique_ptr<CEABlock> holder;
            load<CEABlock>(holder, index, original.mid(skip));
            QVERIFY2(holder->blockBytes() == original, qPrintable(path + " block at " + QString::number(i)));
            ++blocks;
        }
    }
    qInfo("%d corpus blocks written back unchanged", blocks);
}

QTEST_MAIN(TestCEABlocksB)
#include "tst_ceablocksb.moc"
