// Base block check, .bin image handling and the text dump format.

#include "checksum.h"
#include "edidrecords.h"
#include "imagefile.h"
#include "revision.h"

#include <QtTest>

namespace {

QByteArray validBaseBlock(Byte revision = 4, Byte extensionCount = 0)
{
    QByteArray block(128, '\0');
    const char header[] = {0, char(0xFF), char(0xFF), char(0xFF), char(0xFF), char(0xFF),
                           char(0xFF), 0};
    block.replace(0, 8, QByteArray(header, 8));
    block[8] = 0x5A;
    block[9] = 0x3A;
    block[18] = 1;
    block[19] = char(revision);
    block[126] = char(extensionCount);
    updateBlockChecksum(reinterpret_cast<Byte*>(block.data()));
    return block;
}

QByteArray filledBlock(char value)
{
    QByteArray block(128, value);
    updateBlockChecksum(reinterpret_cast<Byte*>(block.data()));
    return block;
}

const Byte* bytes(const QByteArray& array)
{
    return reinterpret_cast<const Byte*>(array.constData());
}

} // namespace

class TestImageFile : public QObject
{
    Q_OBJECT

private slots:
    void checksumMakesBlockSumToZero();
    void decodeBaseBlock_data();
    void decodeBaseBlock();
    void splitKeepsAnnouncedBlocksOnly_data();
    void splitKeepsAnnouncedBlocksOnly();
    void exportLayout();
    void dumpVariantsReadTheSame_data();
    void dumpVariantsReadTheSame();
    void dumpOfMoreRowsKeepsAnnouncedBlocks();
    void damagedDumpGivesWrongBytes();
};

void TestImageFile::checksumMakesBlockSumToZero()
{
    QByteArray block(128, '\x37');
    Byte* data = reinterpret_cast<Byte*>(block.data());
    updateBlockChecksum(data);
    unsigned sum = 0;
    for (char c : block)
        sum += Byte(c);
    QCOMPARE(sum % 256, 0u);
    QVERIFY(blockChecksumValid(data));
    data[127] ^= 1;
    QVERIFY(!blockChecksumValid(data));
}

void TestImageFile::decodeBaseBlock_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<bool>("accepted");

    const QByteArray valid = validBaseBlock();
    QTest::newRow("valid 128 bytes") << valid << true;
    QByteArray badChecksum = valid;
    badChecksum[127] = char(badChecksum[127] + 1);
    QTest::newRow("byte 127 changed") << badChecksum << false;
    QByteArray badHeader = valid;
    badHeader[0] = 1;
    badHeader[127] = char(badHeader[127] - 1);
    QTest::newRow("byte 0 is 01, checksum right") << badHeader << false;
    QByteArray badTail = valid;
    badTail[7] = char(0xFF);
    badTail[127] = char(badTail[127] + 1);
    QTest::newRow("byte 7 is FF") << badTail << false;
    QTest::newRow("revision 2 is accepted here") << validBaseBlock(2) << true;
    QTest::newRow("all zero") << QByteArray(256, '\0') << false;

}

void TestImageFile::decodeBaseBlock()
{
    QFETCH(QByteArray, image);
    QFETCH(bool, accepted);
    image = image.leftJustified(256, '\0');
    T_EDID_DEF decoded;
    QCOMPARE(::decodeBaseBlock(bytes(image), decoded), accepted);
}

void TestImageFile::splitKeepsAnnouncedBlocksOnly_data()
{
    QTest::addColumn<int>("announced");
    QTest::addColumn<int>("blocksInFile");
    QTest::addColumn<int>("keptBytes");

    QTest::newRow("one extension, file has three") << 1 << 3 << 0;
    QTest::newRow("three extensions, all in file") << 3 << 3 << 256;
    QTest::newRow("three announced, file has two") << 3 << 2 << 128;
    QTest::newRow("two announced, file has three") << 2 << 3 << 128;
}

void TestImageFile::splitKeepsAnnouncedBlocksOnly()
{
    QFETCH(int, announced);
    QFETCH(int, blocksInFile);
    QFETCH(int, keptBytes);
    QByteArray file = validBaseBlock(3, Byte(announced));
    for (int block = 0; block < blocksInFile; ++block)
        file += filledBlock(char(0x10 + block));
    file += QByteArray(40, '\x55');     // a stray partial block is never kept
    Byte image[256];
    const QByteArray extra = splitImageBytes(file, image);
    QCOMPARE(extra.size(), keptBytes);
    QCOMPARE(extra, file.mid(256, keptBytes));
    QCOMPARE(imageFileBytes(image, extra), file.left(256 + keptBytes));
}

void TestImageFile::exportLayout()
{
    QByteArray image = validBaseBlock(4, 0);
    image = image.leftJustified(256, '\0');
    const QByteArray text = writeTextDump(image);
    const QList<QByteArray> lines = text.split('\n');
    QCOMPARE(lines.size(), 20);     // 19 lines, each ended by CR LF
    QVERIFY(lines.last().isEmpty());
    QCOMPARE(lines[0], QByteArray("EDID BYTES:\r"));
    QCOMPARE(lines[1], QByteArray("0x   00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F\r"));
    QCOMPARE(lines[2], QByteArray("    ------------------------------------------------\r"));
    QCOMPARE(lines[3], QByteArray("00 | 00 FF FF FF FF FF FF 00 5A 3A 00 00 00 00 00 00\r"));
    QCOMPARE(lines[18], QByteArray("0F | 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\r"));
    QCOMPARE(text.count("\r\n"), 19);
}

void TestImageFile::dumpVariantsReadTheSame_data()
{
    QTest::addColumn<QByteArray>("variant");
    QByteArray image(256, '\0');
    for (int i = 0; i < 256; ++i)
        image[i] = char(255 - i);
    const QByteArray dump = writeTextDump(image);
    QByteArray lfOnly = dump;
    lfOnly.replace("\r\n", "\n");
    QTest::newRow("LF only") << lfOnly;
    QByteArray lower = dump;
    const int body = lower.indexOf("00 | ");
    lower.replace(body, lower.size() - body, lower.mid(body).toLower());
    QTest::newRow("lower-case digits") << lower;
    QTest::newRow("without final line end") << dump.left(dump.size() - 2);
    QTest::newRow("as written") << dump;
}

void TestImageFile::dumpVariantsReadTheSame()
{
    QFETCH(QByteArray, variant);
    QByteArray image(256, '\0');
    for (int i = 0; i < 256; ++i)
        image[i] = char(255 - i);
    QCOMPARE(readTextDump(variant), image);
}

void TestImageFile::dumpOfMoreRowsKeepsAnnouncedBlocks()
{
    const QByteArray file = validBaseBlock(3, 2) + filledBlock(0x21) + filledBlock(0x42);
    const QByteArray text = writeTextDump(file);
    QVERIFY(text.contains("\r\n10 | "));
    QVERIFY(text.contains("\r\n17 | "));
    const QByteArray read = readTextDump(text);
    QCOMPARE(read, file);
    Byte image[256];
    QCOMPARE(splitImageBytes(read, image), file.mid(256));

    // A dump of 17 rows whose byte 126 announces one extension keeps 256 bytes.
    QByteArray oneExtension = validBaseBlock(3, 1) + filledBlock(0x21) + filledBlock(0x42);
    QVERIFY(splitImageBytes(readTextDump(writeTextDump(oneExtension)), image).isEmpty());
}

void TestImageFile::damagedDumpGivesWrongBytes()
{
    QByteArray image = validBaseBlock(4, 0);
    image = image.leftJustified(256, '\0');
    QByteArray shifted = writeTextDump(image);
    // One extra space in row 07 pushes its last byte, the checksum, out of the row.
    shifted.replace("\r\n07 | ", "\r\n07 |  ");
    Byte decodedImage[256];
    splitImageBytes(readTextDump(shifted), decodedImage);
    T_EDID_DEF decoded;
    QVERIFY(!::decodeBaseBlock(decodedImage, decoded));
    QVERIFY(readTextDump("garbage").startsWith(QByteArray(256, '\0')));
}

QTEST_APPLESS_MAIN(TestImageFile)
#include "tst_imagefile.moc"
