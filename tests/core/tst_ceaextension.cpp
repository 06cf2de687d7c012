#include <QtTest>

#include "ceaextendedcodecs.h"
#include "ceaextension.h"
#include "ceaextensionmodel.h"
#include "checksum.h"
#include "coresupport.h"

// The CEA-861 extension as data: parse results, what a parse keeps of odd
// extensions, the size budget of the serializer, the first video block, the
// extension model's edits, and a load / serialize pass of the model over
// the corpus.

namespace {

// A 256-byte image whose extension holds `header` (bytes 128...) and, from
// extension byte 4, `body`; the extension checksum is made right.
QByteArray image(const char* header, const QByteArray& body = QByteArray())
{
    QByteArray bytes(EDID_IMAGE_SIZE, '\0');
    const QByteArray h = QByteArray::fromHex(header);
    const QByteArray b = QByteArray::fromHex(body);
    bytes.replace(128, h.size(), h);
    bytes.replace(132, b.size(), b);
    updateBlockChecksum(reinterpret_cast<Byte*>(bytes.data()) + 128);
    return bytes;
}

// The same with byte 254 (extension byte 126) set and the checksum made right.
QByteArray padded(QByteArray bytes)
{
    bytes[254] = 0x7F;
    updateBlockChecksum(reinterpret_cast<Byte*>(bytes.data()) + 128);
    return bytes;
}

// "tag:length" per collection piece ("R:length" for raw pieces), then
// "T<count>" for the detailed timings and "P<length>" for a trailing piece.
QString layoutOf(const T_EDID_CEA_EXTENSION_DEF& record)
{
    QStringList parts;
    for (const T_CEA_DATA_BLOCK_DEF& block : record.dataBlocks)
        parts << (block.isRawPiece() ? QString("R:%1").arg(block.length)
                                     : QString("%1:%2").arg(block.tag).arg(block.length));
    if (record.dtdCount)
        parts << QString("T%1").arg(record.dtdCount);
    if (record.trailingLength)
        parts << QString("P%1").arg(record.trailingLength);
    return parts.join(' ');
}

// Entries from "D29 C2 T18 P4": data block (tag 3) with 29 payload bytes,
// collection piece, detailed timings, trailing piece, each of that size.
// Each is taken as loaded back to back from extension byte 4.
QVector<CEAEntry> entriesOf(const QString& layout)
{
    QVector<CEAEntry> entries;
    int offset = 4;
    for (const QString& item : layout.split(' ', Qt::SkipEmptyParts)) {
        const QByteArray bytes(item.mid(1).toInt(), '\x11');
        switch (item.at(0).toLatin1()) {
        case 'D': entries.append({CEAEntryKind::DataBlock, 3, bytes, offset++}); break;
        case 'C': entries.append({CEAEntryKind::CollectionPiece, 0, bytes, offset}); break;
        case 'T': entries.append({CEAEntryKind::DetailedTimings, 0, bytes, offset}); break;
        default: entries.append({CEAEntryKind::TrailingPiece, 0, bytes, offset}); break;
        }
        offset += bytes.size();
    }
    return entries;
}

// The extension bytes with `kept` to 126 zeroed and the checksum made right.
QByteArray zeroedFrom(QByteArray ext, int kept)
{
    ext.replace(kept, 127 - kept, QByteArray(127 - kept, '\0'));
    updateBlockChecksum(reinterpret_cast<Byte*>(ext.data()));
    return ext;
}

// One edit of the model: "+I:hex" appends an entry of catalogue index I,
// "-R" removes row R, "=R:hex" replaces its bytes, "kR" keeps it raw, "vN"
// sets the revision.
void applyEdit(CEAExtensionModel& model, const QString& edit)
{
    const QString args = edit.mid(1);
    const int number = args.section(':', 0, 0).toInt();
    const QByteArray bytes = QByteArray::fromHex(args.section(':', 1).toLatin1());
    switch (edit.at(0).toLatin1()) {
    case '+': model.append(number, bytes); break;
    case '-': model.remove(number); break;
    case '=': model.setBytes(number, bytes); break;
    case 'k': model.keepRaw(number); break;
    default: model.setRevision(Word(number)); break;
    }
}

} // namespace

class TestCEAExtension : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void budget_data();
    void budget();
    void firstVideoBlock_data();
    void firstVideoBlock();
    void modelEdits_data();
    void modelEdits();
    void corpusRoundTrip();
};

void TestCEAExtension::parse_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("kept"); // re-serialized: bytes before the zeroed tail
    const QByteArray dtd = "011d007251d01e206e285500c48e2100001e";
    QByteArray broken = image("0203041f");
    broken[200] = 1;
    QTest::newRow("valid") << image("0203041f") << 0 << "" << 127;
    QTest::newRow("other extension") << image("7003040f") << 1 << "" << 0;
    QTest::newRow("checksum") << broken << 3 << "" << 0;
    QTest::newRow("padding") << padded(image("0203041f")) << 2 << "" << 4;
    QTest::newRow("unknown blocks stay in place")
        << image("02031100", "43010203 e3060102 a0 c0 e21400") << 0 << "2:3 7:3 5:0 6:0 7:2" << 127;
    QTest::newRow("tag-0 bytes") << image("02030d00", "41 10 00 23090707 00 00") << 0 << "2:1 R:1 1:3 R:2" << 127;
    QTest::newRow("header past d") << image("02030b00", "43010203 25 0102") << 0 << "2:3 R:3" << 127;
    QTest::newRow("more than ten blocks")
        << image("02032200", QByteArray("4101").repeated(15)) << 0 << QString("2:1 ").repeated(15).trimmed() << 127;
    QTest::newRow("byte 2 is 0") << image("02030000") << 0 << "" << 127;
    QTest::newRow("byte 2 is 0 with content") << image("02030000", dtd + "00" + dtd) << 0 << "P37" << 127;
    QTest::newRow("timings then a display descriptor")
        << image("02030400", dtd + dtd + "000000fc0041424300") << 0 << "T2 P8" << 127;
    QTest::newRow("trailing bytes after padding") << image("02030400", dtd + "0000000000ff") << 0 << "T1 P6" << 127;
    // Seven descriptors from byte 4 would reach byte 129: six are counted,
    // the bytes of the seventh before byte 126 are kept.
    QTest::newRow("seven timings") << padded(image("02030400", QByteArray(122, '\x01').toHex())) << 2 << "T6 P14"
                                   << 126;
    QTest::newRow("sixth timing would end on the checksum")
        << padded(image("02031400", "4f" + QByteArray(15, '\x02').toHex() + QByteArray(107, '\x01').toHex())) << 2
        << "2:15 T5 P16" << 126;
    // Byte 126 belongs to the last descriptor or data block: no padding
    // error, nothing left out.
    QTest::newRow("timings through byte 126")
        << padded(image("02032500", "5f" + QByteArray(31, '\x02').toHex() + "40" + QByteArray(90, '\x01').toHex()))
        << 0 << "2:31 2:0 T5" << 127;
    QTest::newRow("data blocks through byte 126")
        << image("02037f00", ("5d" + QByteArray(29, '\x02').toHex()).repeated(4) + "420101") << 0
        << "2:29 2:29 2:29 2:29 2:2" << 127;
    // The descriptors end on byte 125: byte 126 is stray padding.
    QTest::newRow("timings through byte 125, stray byte 126")
        << padded(image("02032400", "5e" + QByteArray(30, '\x02').toHex() + "40" + QByteArray(90, '\x01').toHex()))
        << 2 << "2:30 2:0 T5" << 126;
}

void TestCEAExtension::parse()
{
    QFETCH(QByteArray, image);
    QFETCH(int, result);
    QFETCH(int, kept);
    T_EDID_CEA_EXTENSION_DEF record;
    QCOMPARE(parseCEAExtension(rawBytes(image), record), result);
    QCOMPARE(record.valid, result == 0 || result == 2);
    if (!record.valid)
        return;
    QTEST(layoutOf(record), "layout");
    if (Byte(image[131]) == 0x1f) {
        QVERIFY(record.ycbcr422 && !record.ycbcr444 && !record.basicAudio && !record.underscan);
        QCOMPARE(record.nativeDTDCount, Word(15));
    }
    QCOMPARE(reserializeCEAExtension(record).bytes.toHex(' '), zeroedFrom(image.mid(128), kept).toHex(' '));
}

void TestCEAExtension::budget_data()
{
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QString>("written");  // per entry: 1 written, 0 red, - not counted
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("d");
    QTest::addColumn<QString>("leftOut");
    QTest::newRow("nothing") << 3 << "" << "" << 0 << 4 << "";
    QTest::newRow("five blocks of 30") << 3 << "D29 D29 D29 D29 D29 T18" << "111100" << 168 << 124
                                       << "1 data block and 1 detailed timing (48 bytes, image bytes 252-299) left out";
    QTest::newRow("exactly 123") << 3 << "D29 D29 D29 D29 C2 D0" << "111111" << 123 << 127 << "";
    QTest::newRow("last timing on byte 126") << 3 << "D14 T18 T18 T18 T18 T18 T18" << "1111111" << 123 << 19 << "";
    QTest::newRow("one byte over") << 3 << "D14 T18 T18 T18 T18 T18 T18 C1" << "11111101" << 124 << 20
                                   << "1 detailed timing (18 bytes, image bytes 237-254) left out";
    QTest::newRow("revision 1 hides blocks") << 1 << "D29 T18 C3 T36" << "-1-1" << 54 << 4 << "";
    QTest::newRow("revision 2 hides blocks") << 2 << "D5 T18" << "-1" << 18 << 4 << "";
    QTest::newRow("revision 4 as 3") << 4 << "D5 T18" << "11" << 24 << 10 << "";
    QTest::newRow("seven timings") << 3 << "T18 T18 T18 T18 T18 T18 T18" << "1111110" << 126 << 4
                                   << "1 detailed timing (18 bytes, image bytes 240-257) left out";
    QTest::newRow("two timings in one item") << 3 << "D100 T36" << "10" << 137 << 105
                                             << "2 detailed timings (36 bytes, image bytes 233-268) left out";
    QTest::newRow("trailing piece last") << 3 << "P4 T18 D2" << "111" << 25 << 7 << "";
}

void TestCEAExtension::budget()
{
    QFETCH(int, revision);
    QFETCH(QString, entries);
    QFETCH(QString, written);
    QFETCH(int, total);
    QFETCH(int, d);
    const QVector<CEAEntry> list = entriesOf(entries);
    const CEASerialization out = serializeCEAExtension(Word(revision), 0x40, list);
    QString placed;
    int expectedLength = 0;
    for (int i = 0; i < list.size(); ++i) {
        const CEAEntryPlacement& p = out.placements.at(i);
        placed += !p.counted ? '-' : p.written ? '1' : '0';
        if (!p.written)
            continue;
        expectedLength += p.size;
        // Each written entry lies where its placement says.
        const QByteArray& bytes = list.at(i).bytes;
        QCOMPARE(out.bytes.mid(p.offset + p.size - bytes.size(), bytes.size()), bytes);
    }
    QCOMPARE(placed, written);
    QCOMPARE(out.total, total);
    QCOMPARE(out.overBudget(), out.total > 123);
    if (out.overBudget())
        QTEST(ceaLeftOutText(list, out), "leftOut");
    QCOMPARE(out.bytes.left(4).toHex(), (QByteArray("\x02") + char(revision) + char(d) + '\x40').toHex());
    QCOMPARE(out.bytes.size(), 128);
    QVERIFY(blockChecksumValid(rawBytes(out.bytes)));
    // Everything written lies back to back from byte 4; the rest is padding.
    QCOMPARE(out.bytes.mid(4 + expectedLength, 123 - expectedLength), QByteArray(123 - expectedLength, '\0'));
    if (entries.startsWith("P4"))
        QCOMPARE(out.bytes.mid(4 + 3 + 18, 4), QByteArray(4, '\x11'));
}

void TestCEAExtension::firstVideoBlock_data()
{
    QTest::addColumn<QByteArray>("collection");
    QTest::addColumn<QByteArray>("descriptors");
    QTest::newRow("after audio") << QByteArray::fromHex("2309070743 9081") << QByteArray::fromHex("9081");
    QTest::newRow("second video ignored") << QByteArray::fromHex("4110 4122") << QByteArray::fromHex("10");
    QTest::newRow("tag 0 byte skipped") << QByteArray::fromHex("1f 4110") << QByteArray::fromHex("10");
    QTest::newRow("none") << QByteArray::fromHex("2309070783010000") << QByteArray();
    QTest::newRow("cut at d") << QByteArray::fromHex("45 1020") << QByteArray::fromHex("1020");
}

void TestCEAExtension::firstVideoBlock()
{
    QFETCH(QByteArray, collection);
    // Bytes after d look like more descriptors: they must not be read.
    QByteArray extension = QByteArray::fromHex("0203") + char(4 + collection.size()) + char(0) + collection;
    extension.append(QByteArray(128 - extension.size(), char(0x55)));
    QTEST(firstVideoBlockDescriptors(rawBytes(extension)), "descriptors");
}

void TestCEAExtension::modelEdits_data()
{
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<QString>("edits");
    QTest::addColumn<QByteArray>("bytes");   // extension bytes up to the padding
    QTest::addColumn<QString>("written");    // per entry: 1 written, 0 red, - not counted
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("names");
    QTest::addColumn<QByteArray>("video");   // descriptors of the first video block
    const QByteArray dtd = "011d007251d01e206e285500c48e2100001e";
    const QByteArray videoAndTiming = image("02030840", "43021004" + dtd);
    QByteArray vsdbs;
    for (int i = 0; i < 4; ++i)
        vsdbs += "7d000c03" + QByteArray(26 * 2, '1' + i);
    const QByteArray full = image("02037c00", vsdbs);

    QTest::newRow("appended block goes into the collection")
        << videoAndTiming << "+3:010000" << ("02030c40 43021004 83010000" + dtd) << "111" << 26
        << "Video,Detailed timing,Speaker allocation" << QByteArray("021004");
    QTest::newRow("replace, then remove the timings") << videoAndTiming << "=0:90 -1" << QByteArray("02030640 4190")
                                                      << "1" << 2 << "Video" << QByteArray("90");
    QTest::newRow("new timing entry holds nothing")
        << videoAndTiming << "+13:" << ("02030840 43021004" + dtd) << "111" << 22
        << "Video,Detailed timing,Detailed timing" << QByteArray("021004");
    QTest::newRow("empty entries of an empty extension") << image("02030400") << "+13: +1:" << QByteArray("02030500 40")
                                                         << "11" << 1 << "Detailed timing,Video" << QByteArray();
    QTest::newRow("revision 1 leaves the collection out") << videoAndTiming << "v1" << ("02010440" + dtd) << "-1"
                                                          << 18 << "Video,Detailed timing" << QByteArray();
    QTest::newRow("kept raw keeps its bytes") << videoAndTiming << "k0" << ("02030840 43021004" + dtd) << "11" << 22
                                              << "Tag 2,Detailed timing" << QByteArray("021004");
    QTest::newRow("byte 2 once a block was added") << image("02030000") << "+1: -0" << QByteArray("02030400") << ""
                                                   << 0 << "" << QByteArray();
    QTest::newRow("kept blocks by name") << image("02031200", "43010203 e3060102 a0 00 c0 e21400 0000fd01") << "-1"
                                         << QByteArray("02030e00 43010203 a0 00 c0 e21400 0000fd01") << "111111" << 14
                                         << "Video,Tag 5,Undecoded bytes,Tag 6,Speaker location,Bytes after the timings"
                                         << QByteArray("010203");
    QTest::newRow("timing past the budget") << full << QString("+13:" + dtd) << ("02037c00" + vsdbs) << "11110" << 138
                                            << "Vendor specific,Vendor specific,Vendor specific,Vendor specific,"
                                               "Detailed timing" << QByteArray();
    QTest::newRow("removing a block lets it in") << full << QString("+13:" + dtd + " -0") << ("02035e00" + vsdbs.mid(60) + dtd)
                                                 << "1111" << 108
                                                 << "Vendor specific,Vendor specific,Vendor specific,Detailed timing"
                                                 << QByteArray();
}

// Every edit is one change notice; the serialization shows the edits in
// place, the budget applied in order.
void TestCEAExtension::modelEdits()
{
    QFETCH(QByteArray, start);
    QFETCH(QString, edits);
    QFETCH(QByteArray, bytes);
    T_EDID_CEA_EXTENSION_DEF record;
    QCOMPARE(parseCEAExtension(rawBytes(start), record), int(CEA_PARSE_VALID));
    CEAExtensionModel model;
    int notices = 0;
    QObject::connect(&model, &CEAExtensionModel::changed, [&notices] { ++notices; });
    model.load(record);
    QCOMPARE(model.serialize().bytes.toHex(), start.mid(128).toHex());
    const QStringList list = edits.split(' ', Qt::SkipEmptyParts);
    for (const QString& edit : list)
        applyEdit(model, edit);
    QCOMPARE(notices, 1 + list.size());

    const CEASerialization out = model.serialize();
    QByteArray expected = QByteArray::fromHex(bytes);
    const int kept = expected.size();
    expected.append(QByteArray(EDID_BLOCK_SIZE - kept, '\0'));
    QCOMPARE(out.bytes.toHex(' '), zeroedFrom(expected, kept).toHex(' '));
    QString written;
    QStringList names;
    for (int row = 0; row < model.count(); ++row) {
        const CEAEntryPlacement& placement = out.placements.at(row);
        written += !placement.counted ? '-' : placement.written ? '1' : '0';
        names << model.name(row);
    }
    QTEST(written, "written");
    QTEST(out.total, "total");
    QTEST(names.join(','), "names");
    QTEST(model.firstVideoDescriptors().toHex(), "video");
    model.reset();
    QCOMPARE(model.serialize().bytes.toHex(), zeroedFrom(QByteArray::fromHex("02030400").leftJustified(128, '\0'), 4).toHex());
}

// Every real extension re-serializes to its own bytes (a wrong checksum
// corrected), apart from a stray non-zero byte 126, which becomes padding.
// No real extension exceeds the budget; those whose last timing or block
// ends on byte 126 come back whole.
void TestCEAExtension::corpusRoundTrip()
{
    const QStringList files = corpusFiles();
    if (files.isEmpty())
        QSKIP("no reference corpus");
    int extensions = 0;
    int throughLastByte = 0;
    for (const QString& name : files) {
        QByteArray bytes = readFileBytes(name);
        const Byte* b = rawBytes(bytes);
        if (bytes.size() < EDID_IMAGE_SIZE || b[126] == 0 || b[128] != 0x02 || b[18] != 1
            || (b[19] != 3 && b[19] != 4))
            continue;
        updateBlockChecksum(reinterpret_cast<Byte*>(bytes.data()) + 128);
        T_EDID_CEA_EXTENSION_DEF record;
        const int result = parseCEAExtension(rawBytes(bytes), record);
        QVERIFY2(result == 0 || result == 2, qPrintable(name));
        ++extensions;
        CEAExtensionModel model;
        model.load(record);
        throughLastByte += record.lastByteCovered && Byte(bytes[254]) != 0;
        const CEASerialization out = model.serialize();
        QVERIFY2(!out.overBudget(), qPrintable(name));
        QByteArray expected = bytes.mid(128, 128);
        if (result == 2)
            expected = zeroedFrom(expected, 126);
        if (record.dtdOffset > 127)   // a byte 2 past the block is written as 127
            expected = zeroedFrom(expected.replace(2, 1, "\x7f"), 127);
        QVERIFY2(out.bytes == expected, qPrintable(name + ": " + out.bytes.toHex(' ')));
    }
    QVERIFY(extensions > 1000);
    QVERIFY(throughLastByte > 10);
}

QTEST_APPLESS_MAIN(TestCEAExtension)
#include "tst_ceaextension.moc"
