// Base block check, .bin image handling and the text dump format.

#include "checksum.h"
#include "edidrecords.h"
#include "imagefile.h"

#include <QtTest>

namespace {

QByteArray withChecksum(QByteArray block)
{
    updateBlockChecksum(reinterpret_cast<Byte*>(block.data()));
    return block;
}

QByteArray validBaseBlock(Byte revision = 4, Byte extensionCount = 0)
{
    QByteArray block = QByteArray::fromHex("00ffffffffffff005a3a").leftJustified(128, '\0');
    block[18] = 1;
    block[19] = char(revision);
    block[126] = char(extensionCount);
    return withChecksum(block);
}

QByteArray filledBlock(char value)
{
    return withChecksum(QByteArray(128, value));
}

bool accepted(const QByteArray& image)
{
    T_EDID_DEF decoded;
    return decodeBaseBlock(reinterpret_cast<const Byte*>(image.leftJustified(256, '\0').constData()), decoded);
}

} // namespace

class TestImageFile : public QObject
{
    Q_OBJECT

private slots:
    void decodeBaseBlock_data();
    void decodeBaseBlock();
    void splitKeepsWhatIsNotACopy_data();
    void splitKeepsWhatIsNotACopy();
    void copyOfTheCorrectedImage();
    void textDump();
    void dumpOfMoreRowsKeepsAnnouncedBlocks();
};

void TestImageFile::decodeBaseBlock_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<bool>("accepted");
    const QByteArray valid = validBaseBlock();
    QByteArray badChecksum = valid;
    badChecksum[127] = char(badChecksum[127] + 1);
    QByteArray badHeader = valid;
    badHeader[0] = 1;
    QByteArray badTail = valid;
    badTail[7] = char(0xFF);
    QTest::newRow("valid 128 bytes") << valid << true;
    QTest::newRow("byte 127 changed") << badChecksum << false;
    QTest::newRow("byte 0 is 01, checksum right") << withChecksum(badHeader) << false;
    QTest::newRow("byte 7 is FF, checksum right") << withChecksum(badTail) << false;
    QTest::newRow("revision 2 is accepted here") << validBaseBlock(2) << true;
    QTest::newRow("all zero") << QByteArray(256, '\0') << false;
}

void TestImageFile::decodeBaseBlock()
{
    QFETCH(QByteArray, image);
    QTEST(accepted(image), "accepted");
}

// What a file holds past the image: the blocks byte 126 announces, then
// bytes kept at their place unless they only repeat the blocks before them.
void TestImageFile::splitKeepsWhatIsNotACopy_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("blocks");       // bytes kept as announced blocks
    QTest::addColumn<int>("trailing");     // bytes kept after them
    QTest::addColumn<QString>("dropped");  // the message of the bytes dropped as a copy
    const QByteArray one = validBaseBlock(3, 1) + filledBlock(0x10);
    const QByteArray three = validBaseBlock(3, 3) + filledBlock(0x10) + filledBlock(0x11) + filledBlock(0x12);
    const QByteArray other = filledBlock(0x70);
    QTest::newRow("one extension") << one << 0 << 0 << "";
    QTest::newRow("three extensions") << three << 256 << 0 << "";
    QTest::newRow("three announced, two in file") << three.left(384) << 128 << 0 << "";
    QTest::newRow("three announced, two and a half in file") << three.left(448) << 128 << 64 << "";
    QTest::newRow("one announced, another block after") << one + other << 0 << 128 << "";
    QTest::newRow("three announced, another block after") << three + other << 256 << 128 << "";
    QTest::newRow("one announced, stray partial block") << one + QByteArray(40, '\x55') << 0 << 40 << "";
    QTest::newRow("none announced, other data after 255")
        << validBaseBlock(3, 0) + QByteArray(128, '\0') + other + other.left(5) << 0 << 133 << "";
    const QString repeat = "file bytes %1 repeat the blocks before them: not kept";
    QTest::newRow("read wrapped around once") << one + one << 0 << 0 << repeat.arg("256-511 (256 bytes)");
    QTest::newRow("three announced, wrapped around") << three + three << 256 << 0
                                                     << repeat.arg("512-1023 (512 bytes)");
    QTest::newRow("copy of the base block's start") << one + one.left(40) << 0 << 0
                                                    << repeat.arg("256-295 (40 bytes)");
    QTest::newRow("copy of the extension half, none announced") << validBaseBlock(3, 0) + other + other << 0 << 0
                                                                << repeat.arg("256-383 (128 bytes)");
}

void TestImageFile::splitKeepsWhatIsNotACopy()
{
    QFETCH(QByteArray, file);
    QFETCH(int, blocks);
    QFETCH(int, trailing);
    QFETCH(QString, dropped);
    Byte image[256];
    const ImageTail tail = splitImageBytes(file, image);
    QCOMPARE(tail.blocks, file.mid(256, blocks));
    QCOMPARE(tail.trailing, file.mid(256 + blocks, trailing));
    QCOMPARE(droppedCopyMessage(tail), dropped);
    // Save writes the file back, without the dropped copy.
    const int kept = 256 + blocks + trailing;
    QCOMPARE(imageFileBytes(image, tail), file.left(kept).leftJustified(kept, '\0'));
    // The trailing bytes stay at their place: once the announced blocks are
    // no longer written, neither are they.
    image[126] = 1;
    const int written = 256 + (blocks > 0 ? 0 : trailing);
    QCOMPARE(imageFileBytes(image, tail).size(), written);
}

// Bytes that repeat the image as the load corrections wrote it count as a
// copy too: otherwise saving would turn them into one.
void TestImageFile::copyOfTheCorrectedImage()
{
    QByteArray corrected = validBaseBlock(3, 1) + filledBlock(0x10);
    QByteArray read = corrected;
    read[255] = char(read[255] + 1);    // the extension's checksum, corrected on load
    Byte image[256];
    ImageTail tail = splitImageBytes(read + corrected, image);
    QCOMPARE(tail.trailing.size(), 256);
    dropTrailingCopy(tail, reinterpret_cast<const Byte*>(corrected.constData()));
    QVERIFY(tail.trailing.isEmpty());
    QCOMPARE(tail.droppedCopy, 256);
    tail = splitImageBytes(read + filledBlock(0x33), image);
    dropTrailingCopy(tail, reinterpret_cast<const Byte*>(corrected.constData()));
    QCOMPARE(tail.trailing, filledBlock(0x33));
}

// The layout of the dump, and the variants of it that read the same.
void TestImageFile::textDump()
{
    QByteArray image(256, '\0');
    for (int i = 0; i < 256; ++i)
        image[i] = char(255 - i);
    const QByteArray dump = writeTextDump(image);
    const QList<QByteArray> lines = dump.split('\n');
    QCOMPARE(lines.size(), 20);     // 19 lines, each ended by CR LF
    QCOMPARE(dump.count("\r\n"), 19);
    QCOMPARE(lines[0] + lines[1] + lines[2], "EDID BYTES:\r0x   00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F\r"
                                             "    ------------------------------------------------\r");
    QCOMPARE(lines[3], QByteArray("00 | FF FE FD FC FB FA F9 F8 F7 F6 F5 F4 F3 F2 F1 F0\r"));
    QCOMPARE(lines[18], QByteArray("0F | 0F 0E 0D 0C 0B 0A 09 08 07 06 05 04 03 02 01 00\r"));
    const int body = dump.indexOf("00 | ");
    for (const QByteArray& variant : {dump, QByteArray(dump).replace("\r\n", "\n"), dump.chopped(2),
                                      dump.left(body) + dump.mid(body).toLower()})
        QCOMPARE(readTextDump(variant), image);
    // One extra space in row 07 pushes its last byte, the checksum, out of the row.
    QByteArray shifted = writeTextDump(validBaseBlock().leftJustified(256, '\0'));
    shifted.replace("\r\n07 | ", "\r\n07 |  ");
    QVERIFY(!accepted(readTextDump(shifted)));
    QVERIFY(readTextDump("garbage").startsWith(QByteArray(256, '\0')));
}

void TestImageFile::dumpOfMoreRowsKeepsAnnouncedBlocks()
{
    const QByteArray file = validBaseBlock(3, 2) + filledBlock(0x21) + filledBlock(0x42);
    const QByteArray text = writeTextDump(file);
    QVERIFY(text.contains("\r\n17 | "));
    QCOMPARE(readTextDump(text), file);
    Byte image[256];
    QCOMPARE(splitImageBytes(readTextDump(text), image).blocks, file.mid(256));
}

QTEST_APPLESS_MAIN(TestImageFile)
#include "tst_imagefile.moc"
