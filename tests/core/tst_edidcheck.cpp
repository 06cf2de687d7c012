#include <QtTest>

#include "checksum.h"
#include "edidinfo.h"
#include "coresupport.h"

// The conformance check and the diff over real corpus EDIDs: files the
// reference checker passes get no failure, every broken checksum fails
// naming its block, and structural faults made in real files are found
// at their block and byte.
class TestEdidCheck : public QObject
{
    Q_OBJECT

private slots:
    void corpusVerdicts();
    void findingsOfEditedFiles_data();
    void findingsOfEditedFiles();
    void diffNamesChangedFields();
};

namespace {

// Byte edits "offset=value", then the checksums of the edited blocks made
// right again unless the edit is the checksum itself.
typedef QList<QPair<int, int>> Edits;

QByteArray edited(QByteArray bytes, const Edits& edits)
{
    QSet<int> blocks;
    for (const auto& edit : edits) {
        bytes[edit.first] = char(edit.second);
        if (edit.first % EDID_BLOCK_SIZE != EDID_BLOCK_SIZE - 1)
            blocks.insert(edit.first / EDID_BLOCK_SIZE);
    }
    for (int block : blocks)
        updateBlockChecksum(reinterpret_cast<Byte*>(bytes.data()) + block * EDID_BLOCK_SIZE);
    return bytes;
}

const Finding* findingWith(const Findings& findings, const QString& text)
{
    for (const Finding& finding : findings) {
        if (finding.message.contains(text))
            return &finding;
    }
    return nullptr;
}

} // namespace

void TestEdidCheck::corpusVerdicts()
{
    const QStringList names = corpusFiles();
    if (names.isEmpty())
        QSKIP("EDID corpus not present");
    QStringList wrong;
    int passed = 0, brokenChecksums = 0;
    for (const QString& name : names) {
        const QByteArray bytes = readFileBytes(name);
        Findings findings;
        decodeEdid(bytes, findings);
        if (referenceText(name).contains("EDID conformity: PASS")) {
            ++passed;
            for (const Finding& finding : findings) {
                if (finding.level == Finding::Failure)
                    wrong << name + ": " + finding.message;
            }
        }
        for (int block = 0; block < bytes.size() / EDID_BLOCK_SIZE; ++block) {
            if (blockChecksumValid(reinterpret_cast<const Byte*>(bytes.constData()) + block * EDID_BLOCK_SIZE))
                continue;
            ++brokenChecksums;
            const Finding* finding = findingWith(findings, QStringLiteral("Block %1 checksum").arg(block));
            if (!finding || finding->level != Finding::Failure || finding->block != block)
                wrong << QStringLiteral("%1: block %2 checksum not failed").arg(name).arg(block);
        }
    }
    qInfo("%d files the reference passes, %d broken block checksums", passed, brokenChecksums);
    QVERIFY(passed > 100 && brokenChecksums > 10);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.mid(0, 20).join('\n')));
}

void TestEdidCheck::findingsOfEditedFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<Edits>("edits");
    QTest::addColumn<int>("level");     // -1: no finding with the text
    QTest::addColumn<int>("block");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("text");
    const QString aoc = "Analog__AOC__AOC1660__D2762E40AD8C.bin";            // 1.3, 57-70 Hz, 90 MHz
    const QString displayId = "Digital__AOC__AOC3402__B27CE758A66C.bin";    // base, CTA, DisplayID, ...
    const QString eeodb = "Digital__GIGABYTE__GBT3215__08CEE07E981E.bin";   // byte 126 = 1, HF-EEODB 2
    const QString cta = "Digital__AOC__AOC2269__61A92E50118E.bin";
    QTest::newRow("base checksum") << aoc << Edits{{127, 0}} << int(Finding::Failure) << 0 << 127
                                   << "Block 0 checksum is 0x00, should be 0x35";
    QTest::newRow("header") << aoc << Edits{{0, 1}} << int(Finding::Failure) << 0 << 0 << "Header";
    QTest::newRow("byte 126 past the file") << aoc << Edits{{126, 1}} << int(Finding::Failure) << 0 << 126
                                            << "Byte 126 announces 1 extension block(s), the file holds 0";
    QTest::newRow("HF-EEODB count rules") << eeodb << Edits{} << -1 << 0 << 126 << "announces";
    QTest::newRow("HF-EEODB count wrong") << eeodb << Edits{{134, 3}} << int(Finding::Failure) << 0 << 134
                                          << "The HF-EEODB announces 3 extension block(s), the file holds 2";
    QTest::newRow("DisplayID section checksum") << displayId << Edits{{256 + 126, 0}} << int(Finding::Failure) << 2
                                                << 256 + 126 << "DisplayID section checksum is 0x00, should be 0xA7";
    QTest::newRow("DisplayID section too long") << displayId << Edits{{256 + 2, 122}} << int(Finding::Failure) << 2
                                                << 256 + 2 << "runs past the block";
    QTest::newRow("CTA block past byte 2") << cta << Edits{{128 + 2, 6}} << int(Finding::Failure) << 1 << 128 + 4
                                           << "runs past the end of the data block collection";
    QTest::newRow("CTA byte 2 below 4") << cta << Edits{{128 + 2, 2}} << int(Finding::Failure) << 1 << 128 + 2
                                        << "does not point into the block";
    // DTD 1 runs at 59.79 Hz and 85.5 MHz; the range limits are at byte 90.
    QTest::newRow("preferred timing above the vertical range") << aoc << Edits{{96, 58}} << int(Finding::Failure)
                                                               << 0 << 90 << "Vertical rate of DTD 1";
    QTest::newRow("one unit of rounding") << aoc << Edits{{96, 59}} << int(Finding::Warning) << 0 << 90
                                          << "Vertical rate of";
    QTest::newRow("clock over the limit") << aoc << Edits{{99, 7}} << int(Finding::Failure) << 0 << 90
                                          << "Pixel clock of DTD 1";
    QTest::newRow("E-EDID 1.4 only warns") << aoc << Edits{{19, 4}, {96, 58}} << int(Finding::Warning) << 0
                                           << 90 << "Vertical rate of DTD 1";
    QTest::newRow("reserved VIC") << cta << Edits{{128 + 5, 0x80}} << int(Finding::Warning) << 1 << 128 + 5
                                  << "VIC 128 is a reserved VIC";
}

void TestEdidCheck::findingsOfEditedFiles()
{
    QFETCH(QString, file);
    QFETCH(Edits, edits);
    QFETCH(int, level);
    QFETCH(int, block);
    QFETCH(int, offset);
    QFETCH(QString, text);
    Findings findings;
    const QByteArray bytes = corpusBytes(file);
    if (bytes.isEmpty())
        QSKIP("EDID corpus not present");
    decodeEdid(edited(bytes, edits), findings);
    const Finding* finding = findingWith(findings, text);
    if (level < 0) {
        QVERIFY2(!finding, qPrintable(finding ? finding->message : QString()));
        return;
    }
    QVERIFY2(finding, qPrintable(text));
    QCOMPARE(int(finding->level), level);
    QCOMPARE(finding->block, block);
    QCOMPARE(finding->offset, offset);
}

void TestEdidCheck::diffNamesChangedFields()
{
    const QByteArray original = corpusBytes("Digital__AOC__AOC3402__B27CE758A66C.bin");
    if (original.isEmpty())
        QSKIP("EDID corpus not present");
    Findings findings;
    const DecodedNode decoded = decodeEdid(original, findings);
    QVERIFY(diffDecoded(decoded, decodeEdid(original, findings)).isEmpty());
    // Product code 0x3402 becomes 0x3403; the base checksum follows.
    const QList<DecodedDifference> differences = diffDecoded(decoded, decodeEdid(edited(original, {{10, 3}}), findings));
    QCOMPARE(differences.size(), 2);
    QCOMPARE(differences[0].section, QString("Block 0: Base EDID / Vendor & Product ID"));
    QCOMPARE(differences[0].field, QString("Product code"));
    QCOMPARE(differences[0].first, QString("13314 (0x3402)"));
    QCOMPARE(differences[0].second, QString("13315 (0x3403)"));
    QCOMPARE(differences[1].field, QString("Checksum"));
    // A block the other file lacks: its fields against nothing.
    const QList<DecodedDifference> shorter = diffDecoded(decoded, decodeEdid(original.left(256), findings));
    QVERIFY(!shorter.isEmpty());
    QVERIFY(shorter.last().section.startsWith("Block 5: DisplayID"));
    QVERIFY(shorter.last().second.isNull());
}

QTEST_GUILESS_MAIN(TestEdidCheck)
#include "tst_edidcheck.moc"
