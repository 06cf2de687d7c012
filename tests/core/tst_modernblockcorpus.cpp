#include <QtTest>

#include "ceaeeodb.h"
#include "ceafreesync.h"
#include "ceahdmi.h"
#include "ceahdmiforum.h"
#include "ceahdrstatic.h"
#include "ceamodernblocks.h"
#include "modernblockedits.h"

#include <QDir>
#include <QRegularExpression>
#include <functional>

// The codecs of the modern CTA-861 data blocks over every such block of the
// reference corpus: byte-exact round trips, a field edit that changes only
// that field's bits, every shortened block, and the values edid-decode
// printed for each file compared with the decoded node of each block.

namespace {

struct CorpusBlock {
    QString file;
    int block = 0;     // 128-byte block of the file
    int offset = 0;    // absolute offset of the header byte
    QByteArray bytes;  // header and payload

    QByteArray payload() const { return bytes.mid(1); }
};

// Every data block of every CTA-861 extension (revision 3 or later) of the
// corpus, by the kind of modern block it is; blocks of other kinds are left
// out. Read once.
const QMultiMap<ModernBlockKind, CorpusBlock>& corpusBlocks()
{
    static QMultiMap<ModernBlockKind, CorpusBlock> blocks;
    static bool read = false;
    if (read)
        return blocks;
    read = true;
    const QDir dir(QStringLiteral(EDID_CORPUS_DIR));
    for (const QString& name : dir.entryList({"*.bin"}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = file.readAll();
        for (int k = 1; (k + 1) * EDID_BLOCK_SIZE <= bytes.size(); ++k) {
            const QByteArray ext = bytes.mid(k * EDID_BLOCK_SIZE, EDID_BLOCK_SIZE);
            const int end = qMin(int(Byte(ext[2])), EDID_BLOCK_SIZE - 1);
            if (ext[0] != 0x02 || Byte(ext[1]) < 3)
                continue;
            for (int i = 4; i < end;) {
                const int length = Byte(ext[i]) & 31;
                if (i + 1 + length > end)
                    break;
                const QByteArray block = ext.mid(i, 1 + length);
                const ModernBlockKind kind = modernBlockKind(Byte(ext[i]) >> 5, block.mid(1));
                if (kind != ModernBlockKind::None)
                    blocks.insert(kind, {name, k, k * EDID_BLOCK_SIZE + i, block});
                i += 1 + length;
            }
        }
    }
    return blocks;
}

// decode then encode, per family with an editable codec.
typedef std::function<QByteArray(const QByteArray&)> RoundTrip;

RoundTrip roundTripOf(ModernBlockKind kind)
{
    switch (kind) {
    case ModernBlockKind::Hdmi:
        return [](const QByteArray& p) { return encodeHdmiVendorBlock(decodeHdmiVendorBlock(p)); };
    case ModernBlockKind::HdmiForum:
    case ModernBlockKind::HdmiForumScdb:
        return [](const QByteArray& p) { return encodeHdmiForumBlock(decodeHdmiForumBlock(p)); };
    case ModernBlockKind::FreeSync:
        return [](const QByteArray& p) { return encodeFreeSyncBlock(decodeFreeSyncBlock(p)); };
    case ModernBlockKind::HdrStaticMetadata:
        return [](const QByteArray& p) { return encodeHdrStaticMetadata(decodeHdrStaticMetadata(p)); };
    case ModernBlockKind::HfEeodb: return [](const QByteArray& p) { return encodeHfEeodb(decodeHfEeodb(p)); };
    default: return RoundTrip();
    }
}

// One comparable fact of a block: edid-decode's line pattern, and the field
// of our node with the pattern of its value. A pattern without a capture
// group gives "yes"; with one its text; with named groups their texts in
// the groups' name order. `optional` facts are compared only when
// edid-decode printed them.
struct FactRule {
    ModernBlockKind kind;
    const char* key;
    const char* edLine;
    const char* field;
    const char* value;
    bool optional;
};

// Value patterns that several rules share.
#define LUMINANCE_ED R"(: (?<c>\d+) \((?<v>[\d.]+) cd/m\^2\)$)"
#define LUMINANCE_OURS R"(^(?<v>[\d.]+) cd/m2 \(code (?<c>\d+)\)$)"
#define LATENCY_ED R"( latency: (?:Video |Audio )?(\d+ ms|Unknown|not supported)$)"
#define LATENCY_OURS R"(^(\d+ ms|unknown|not supported))"
#define FRL_ED R"(Max Fixed Rate Link: .*?(?<g>\d+) Gbps (?:per lane )?on (?<l>\d) lanes$)"
#define FRL_OURS R"(^(?<g>\d+) Gbps on (?<l>\d) lanes)"

const FactRule kRules[] = {
    {ModernBlockKind::Hdmi, "pa", "^Source physical address: (.*)$", "Physical address", "^(.*)$", false},
    {ModernBlockKind::Hdmi, "ai", "^Supports_AI$", "Supports AI (Supports_AI)", "^yes$", false},
    {ModernBlockKind::Hdmi, "dc48", "^DC_48bit$", "Deep color 48 bit (DC_48bit)", "^yes$", false},
    {ModernBlockKind::Hdmi, "dc36", "^DC_36bit$", "Deep color 36 bit (DC_36bit)", "^yes$", false},
    {ModernBlockKind::Hdmi, "dc30", "^DC_30bit$", "Deep color 30 bit (DC_30bit)", "^yes$", false},
    {ModernBlockKind::Hdmi, "y444", "^DC_Y444$", "Deep color YCbCr 4:4:4 (DC_Y444)", "^yes$", false},
    {ModernBlockKind::Hdmi, "dual", "^DVI_Dual$", "DVI dual link (DVI_Dual)", "^yes$", false},
    {ModernBlockKind::Hdmi, "tmds", R"(^Maximum TMDS clock: (\d+) MHz$)", "Max TMDS clock", R"(^(\d+) MHz)",
     false},
    {ModernBlockKind::Hdmi, "vl", "^Video" LATENCY_ED, "Video latency", LATENCY_OURS, false},
    {ModernBlockKind::Hdmi, "al", "^Audio" LATENCY_ED, "Audio latency", LATENCY_OURS, false},
    {ModernBlockKind::Hdmi, "ivl", "^Interlaced video" LATENCY_ED, "Interlaced video latency", LATENCY_OURS,
     false},
    {ModernBlockKind::Hdmi, "ial", "^Interlaced audio" LATENCY_ED, "Interlaced audio latency", LATENCY_OURS,
     false},
    {ModernBlockKind::HdmiForum, "version", R"(^Version: (\d+)$)", "Version", R"(^(\d+)$)", false},
    {ModernBlockKind::HdmiForum, "tmds", R"(^Maximum TMDS Character Rate: (\d+) MHz$)",
     "Max TMDS character rate", R"(^(\d+) MHz)", false},
    {ModernBlockKind::HdmiForum, "scdc", "^SCDC Present$", "SCDC present", "^yes$", false},
    {ModernBlockKind::HdmiForum, "rr", "^SCDC Read Request Capable$", "SCDC read request (RR)", "^yes$",
     false},
    {ModernBlockKind::HdmiForum, "lte", "^Supports scrambling for <= 340 Mcsc$",
     "Scrambling at 340 Mcsc and below (LTE_340Mcsc_scramble)", "^yes$", false},
    {ModernBlockKind::HdmiForum, "frl", "^" FRL_ED, "Max FRL rate", FRL_OURS, false},
    {ModernBlockKind::HdmiForum, "dscfrl", "^DSC " FRL_ED, "DSC max FRL rate", FRL_OURS, false},
    {ModernBlockKind::HdmiForum, "uhd", "^Supports UHD VIC$", "UHD VIC", "^yes$", false},
    {ModernBlockKind::HdmiForum, "dc48", "^Supports 16-bits/component Deep Color 4:2:0",
     "Deep color 4:2:0 48 bit (DC_48bit_420)", "^yes$", false},
    {ModernBlockKind::HdmiForum, "dc36", "^Supports 12-bits/component Deep Color 4:2:0",
     "Deep color 4:2:0 36 bit (DC_36bit_420)", "^yes$", false},
    {ModernBlockKind::HdmiForum, "dc30", "^Supports 10-bits/component Deep Color 4:2:0",
     "Deep color 4:2:0 30 bit (DC_30bit_420)", "^yes$", false},
    {ModernBlockKind::HdmiForum, "allm", "^Supports Auto Low-Latency Mode$", "Auto low-latency mode (ALLM)",
     "^yes$", false},
    {ModernBlockKind::HdmiForum, "vrrmin", R"(^VRRmin: (\d+) Hz$)", "VRR min", R"(^(\d+) Hz)", false},
    {ModernBlockKind::HdmiForum, "vrrmax", R"(^VRRmax: (\d+) Hz$)", "VRR max", R"(^(\d+) Hz)", false},
    {ModernBlockKind::FreeSync, "version", R"(^Version: (\d+))", "Version", R"(^(\d+)$)", false},
    // Older edid-decode printed the feature caps byte as a minor version.
    {ModernBlockKind::FreeSync, "caps", R"(^Version: \d+\.(\d+)$)", "Feature caps", "^0x([0-9a-f]+)", false},
    {ModernBlockKind::FreeSync, "min", R"(^Minimum Refresh Rate: (\d+) Hz$)", "Min refresh rate",
     R"(^(\d+) Hz$)", false},
    {ModernBlockKind::FreeSync, "max", R"(^Maximum Refresh Rate: (\d+) Hz$)", "Max refresh rate",
     R"(^(\d+) Hz$)", false},
    {ModernBlockKind::FreeSync, "maxlum", "^Maximum luminance" LUMINANCE_ED, "Max luminance", LUMINANCE_OURS,
     false},
    {ModernBlockKind::FreeSync, "minlum", "^Minimum luminance" LUMINANCE_ED, "Min luminance", LUMINANCE_OURS,
     false},
    {ModernBlockKind::FreeSync, "maxlum2", R"(^Maximum luminance \(without local dimming\))" LUMINANCE_ED,
     "Max luminance 2", LUMINANCE_OURS, true},
    {ModernBlockKind::FreeSync, "minlum2", R"(^Minimum luminance \(without local dimming\))" LUMINANCE_ED,
     "Min luminance 2", LUMINANCE_OURS, true},
    {ModernBlockKind::HdrStaticMetadata, "sdr", "^Traditional gamma - SDR luminance range$",
     "EOTF traditional gamma SDR", "^yes$", false},
    {ModernBlockKind::HdrStaticMetadata, "hdr", "^Traditional gamma - HDR luminance range$",
     "EOTF traditional gamma HDR", "^yes$", false},
    {ModernBlockKind::HdrStaticMetadata, "pq", "^SMPTE ST2084$", "EOTF SMPTE ST 2084 (PQ)", "^yes$", false},
    {ModernBlockKind::HdrStaticMetadata, "hlg", "^Hybrid Log-Gamma$", "EOTF HLG", "^yes$", false},
    {ModernBlockKind::HdrStaticMetadata, "type1", "^Static metadata type 1$", "Static metadata type 1",
     "^yes$", false},
    {ModernBlockKind::HdrStaticMetadata, "maxlum", "^Desired content max luminance" LUMINANCE_ED,
     "Max luminance", LUMINANCE_OURS, false},
    {ModernBlockKind::HdrStaticMetadata, "avglum",
     "^Desired content max frame-average luminance" LUMINANCE_ED, "Max frame-average luminance",
     LUMINANCE_OURS, false},
    {ModernBlockKind::HdrStaticMetadata, "minlum", "^Desired content min luminance" LUMINANCE_ED,
     "Min luminance", LUMINANCE_OURS, false},
};

// The edid-decode section header of each compared kind.
const QMap<ModernBlockKind, QString> kEdHeaders = {
    {ModernBlockKind::Hdmi, "Vendor-Specific Data Block (HDMI), OUI 00-0C-03"},
    {ModernBlockKind::HdmiForum, "Vendor-Specific Data Block (HDMI Forum), OUI C4-5D-D8"},
    {ModernBlockKind::HdmiForumScdb, "HDMI Forum Sink Capability Data Block"},
    {ModernBlockKind::FreeSync, "Vendor-Specific Data Block (AMD), OUI 00-00-1A"},
    {ModernBlockKind::HdrStaticMetadata, "HDR Static Metadata Data Block"},
};

QString factValue(const QRegularExpression& pattern, const QRegularExpressionMatch& match)
{
    QStringList names = pattern.namedCaptureGroups().mid(1);
    names.removeAll(QString());
    names.sort();
    if (!names.isEmpty()) {
        QStringList parts;
        for (const QString& name : names)
            parts << match.captured(name);
        return parts.join(' ');
    }
    return pattern.captureCount() ? match.captured(1).toLower() : QStringLiteral("yes");
}

typedef QMap<QString, QString> Facts;

// Zero values stand for "not given" on both sides.
void addFact(Facts& facts, const char* key, const QString& value)
{
    if (value != "0" && !value.isEmpty())
        facts.insert(QString::fromLatin1(key), value);
}

Facts edFacts(ModernBlockKind kind, const QStringList& lines)
{
    Facts facts;
    for (const FactRule& rule : kRules) {
        if (rule.kind != kind)
            continue;
        const QRegularExpression pattern(QString::fromLatin1(rule.edLine));
        for (const QString& line : lines) {
            const QRegularExpressionMatch match = pattern.match(line);
            if (match.hasMatch())
                addFact(facts, rule.key, factValue(pattern, match));
        }
    }
    return facts;
}

Facts ourFacts(ModernBlockKind kind, const DecodedNode& node, const Facts& ed)
{
    Facts facts;
    for (const FactRule& rule : kRules) {
        if (rule.kind != kind || (rule.optional && !ed.contains(rule.key)))
            continue;
        for (const DecodedField& field : node.fields) {
            if (field.name != QLatin1String(rule.field))
                continue;
            const QRegularExpression pattern(QString::fromLatin1(rule.value));
            const QRegularExpressionMatch match = pattern.match(field.value);
            QString value = match.hasMatch() ? factValue(pattern, match) : QString();
            if (QLatin1String(rule.key) == QLatin1String("caps"))
                value = QString::number(value.toInt(nullptr, 16));
            addFact(facts, rule.key, value);
        }
    }
    return facts;
}

// The data block sections edid-decode printed for block `block` of a file
// (lines indented by two spaces open a section, deeper ones belong to it),
// up to its list of warnings and failures.
QList<QPair<QString, QStringList>> edSections(const QString& text, int block)
{
    QList<QPair<QString, QStringList>> sections;
    bool inBlock = false;
    for (const QString& line : text.split('\n')) {
        if (line.startsWith("Warnings:") || line.startsWith("Failures:"))
            break;
        if (!line.startsWith(' ')) {
            inBlock = line.startsWith(QStringLiteral("Block %1,").arg(block));
            continue;
        }
        if (!inBlock)
            continue;
        if (!line.startsWith("   "))
            sections.append({line.trimmed(), {}});
        else if (!sections.isEmpty())
            sections.last().second << line.trimmed();
    }
    return sections;
}

QString readText(const QString& binName)
{
    QFile file(QDir(QStringLiteral(EDID_CORPUS_DIR)).filePath(QString(binName).replace(".bin", ".txt")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

class TestModernBlockCorpus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void roundTrip_data();
    void roundTrip();
    void shortenedBlocks();
    void fieldEdits_data();
    void fieldEdits();
    void agreesWithReference_data();
    void agreesWithReference();
    void eeodbCount();
};

void TestModernBlockCorpus::initTestCase()
{
    if (!QDir(QStringLiteral(EDID_CORPUS_DIR)).exists())
        QSKIP("EDID corpus not present");
}

void TestModernBlockCorpus::roundTrip_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("atLeast");  // files of the corpus carrying the block
    QTest::newRow("HDMI") << int(ModernBlockKind::Hdmi) << 1600;
    QTest::newRow("HDMI Forum") << int(ModernBlockKind::HdmiForum) << 340;
    QTest::newRow("HDMI Forum SCDB") << int(ModernBlockKind::HdmiForumScdb) << 8;
    QTest::newRow("AMD FreeSync") << int(ModernBlockKind::FreeSync) << 460;
    QTest::newRow("HDR static metadata") << int(ModernBlockKind::HdrStaticMetadata) << 520;
    QTest::newRow("HF-EEODB") << int(ModernBlockKind::HfEeodb) << 40;
}

// Every real block encodes to its own bytes, and its description names it
// and covers only its own bytes.
void TestModernBlockCorpus::roundTrip()
{
    QFETCH(int, kind);
    const RoundTrip roundTrip = roundTripOf(ModernBlockKind(kind));
    QSet<QString> files;
    QStringList failures;
    for (const CorpusBlock& block : corpusBlocks().values(ModernBlockKind(kind))) {
        files << block.file;
        if (roundTrip(block.payload()) != block.payload())
            failures << block.file + ": " + block.bytes.toHex(' ');
        DecodedNode node;
        Findings findings;
        QVERIFY(describeModernDataBlock(block.bytes, block.offset, node, findings));
        QCOMPARE(node.length, block.bytes.size());
        for (const DecodedField& field : node.fields) {
            if (field.offset >= 0
                && (field.offset <= block.offset
                    || field.offset + field.length > block.offset + block.bytes.size()))
                failures << QString("%1: field %2 outside the block").arg(block.file, field.name);
        }
    }
    qInfo("%s: %d blocks in %d files, %d round trips differ", QTest::currentDataTag(),
          corpusBlocks().count(ModernBlockKind(kind)), int(files.size()), int(failures.size()));
    QVERIFY2(failures.isEmpty(), qPrintable(failures.mid(0, 10).join('\n')));
    QFETCH(int, atLeast);
    QVERIFY(files.size() >= atLeast);
}

// Each block cut to every shorter length still decodes, describes and
// encodes to exactly its (cut) bytes: nothing is read or added past the end.
void TestModernBlockCorpus::shortenedBlocks()
{
    int checked = 0;
    for (auto it = corpusBlocks().cbegin(); it != corpusBlocks().cend(); ++it) {
        const RoundTrip roundTrip = roundTripOf(it.key());
        for (int length = 0; length < it->bytes.size(); ++length) {
            QByteArray cut = it->bytes.left(length + 1);
            cut[0] = char((Byte(cut[0]) & 0xE0) | length);
            DecodedNode node;
            Findings findings;
            describeModernDataBlock(cut, it->offset, node, findings);
            if (roundTrip)
                QCOMPARE(roundTrip(cut.mid(1)).toHex(' '), cut.mid(1).toHex(' '));
            ++checked;
        }
    }
    qInfo("%d shortened blocks", checked);
}

void TestModernBlockCorpus::fieldEdits_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("edits");
    QTest::addColumn<QByteArray>("mask");  // per payload byte, the bits the edit may change
    const int hdmi = int(ModernBlockKind::Hdmi);
    const int forum = int(ModernBlockKind::HdmiForum);
    const int amd = int(ModernBlockKind::FreeSync);
    const int hdr = int(ModernBlockKind::HdrStaticMetadata);
    QTest::newRow("HDMI physical address") << hdmi << "pa=0x1234" << QByteArray::fromHex("000000ffff");
    QTest::newRow("HDMI DC_48bit") << hdmi << "dc48=1" << QByteArray::fromHex("000000000040");
    QTest::newRow("HDMI max TMDS clock") << hdmi << "tmds=600" << QByteArray::fromHex("000000000000ff");
    QTest::newRow("HDMI content type game") << hdmi << "game=1" << QByteArray::fromHex("00000000000000 08");
    QTest::newRow("HF max TMDS rate") << forum << "tmds=600" << QByteArray::fromHex("00000000ff0000");
    QTest::newRow("HF max FRL rate") << forum << "frl=3" << QByteArray::fromHex("000000000000f0");
    QTest::newRow("HF ALLM") << forum << "allm=1" << QByteArray::fromHex("00000000000000 02");
    QTest::newRow("HF VRR min") << forum << "vrrMin=40" << QByteArray::fromHex("00000000000000 00 3f");
    QTest::newRow("HF VRR max") << forum << "vrrMax=240" << QByteArray::fromHex("00000000000000 00 c0ff");
    QTest::newRow("FreeSync min refresh") << amd << "min=40" << QByteArray::fromHex("0000000000ff");
    QTest::newRow("FreeSync max refresh") << amd << "max=165" << QByteArray::fromHex("000000000000ff");
    QTest::newRow("FreeSync max luminance")
        << amd << "maxLum=120" << QByteArray::fromHex("000000000000000000ff");
    QTest::newRow("HDR HLG") << hdr << "hlg=1" << QByteArray::fromHex("000800");
    QTest::newRow("HDR max luminance") << hdr << "max=100" << QByteArray::fromHex("000000ff");
    QTest::newRow("HDR min luminance") << hdr << "min=10" << QByteArray::fromHex("0000000000ff");
}

// One field set to a new value in every real block that holds it changes
// only that field's bits, and reads back.
void TestModernBlockCorpus::fieldEdits()
{
    QFETCH(int, kind);
    QFETCH(QString, edits);
    QFETCH(QByteArray, mask);
    int changed = 0;
    for (const CorpusBlock& block : corpusBlocks().values(ModernBlockKind(kind))) {
        const QByteArray payload = block.payload();
        if (payload.size() < mask.size())
            continue;
        const QByteArray edited = modernedits::editBlock(ModernBlockKind(kind), payload, edits);
        QCOMPARE(edited.size(), payload.size());
        for (int i = 0; i < payload.size(); ++i) {
            const int allowed = i < mask.size() ? Byte(mask[i]) : 0;
            QVERIFY2(((Byte(payload[i]) ^ Byte(edited[i])) & ~allowed) == 0,
                     qPrintable(block.file + ": " + edited.toHex(' ')));
        }
        QCOMPARE(modernedits::editBlock(ModernBlockKind(kind), edited, edits), edited);
        changed += edited != payload;
    }
    QVERIFY(changed > 0);
}

void TestModernBlockCorpus::agreesWithReference_data()
{
    QTest::addColumn<int>("kind");
    for (auto it = kEdHeaders.cbegin(); it != kEdHeaders.cend(); ++it)
        QTest::newRow(qPrintable(it.value())) << int(it.key());
}

// The values edid-decode printed for each block (physical address, TMDS
// and FRL limits, deep colour, latency, VRR and FreeSync ranges, EOTFs,
// luminance) against the fields of the block's decoded node.
void TestModernBlockCorpus::agreesWithReference()
{
    QFETCH(int, kind);
    const QString header = kEdHeaders.value(ModernBlockKind(kind));
    QMap<QPair<QString, int>, QList<CorpusBlock>> byBlock;
    for (const CorpusBlock& block : corpusBlocks().values(ModernBlockKind(kind)))
        byBlock[{block.file, block.block}].prepend(block);  // values() lists the last inserted first
    int compared = 0;
    QStringList disagreements;
    for (auto it = byBlock.cbegin(); it != byBlock.cend(); ++it) {
        QList<QStringList> ed;
        for (const auto& section : edSections(readText(it.key().first), it.key().second)) {
            if (section.first.startsWith(header))
                ed << section.second;
        }
        for (int i = 0; i < it->size(); ++i) {
            ++compared;
            DecodedNode node;
            Findings findings;
            describeModernDataBlock(it->at(i).bytes, it->at(i).offset, node, findings);
            const Facts expected = i < ed.size() ? edFacts(ModernBlockKind(kind), ed.at(i)) : Facts();
            const Facts ours = ourFacts(ModernBlockKind(kind), node, expected);
            if (i >= ed.size() || ours != expected)
                disagreements << QString("%1 block %2: edid-decode %3, ours %4")
                                     .arg(it.key().first)
                                     .arg(it.key().second)
                                     .arg(QStringList(expected.keys()).join(',') + "="
                                              + QStringList(expected.values()).join(','),
                                          QStringList(ours.keys()).join(',') + "="
                                              + QStringList(ours.values()).join(','));
        }
    }
    const double agreement = compared ? 100.0 * (compared - disagreements.size()) / compared : 0;
    qInfo("%s: %d blocks, %.2f%% agree with edid-decode", qPrintable(header), compared, agreement);
    for (const QString& line : disagreements.mid(0, 5))
        qInfo("  %s", qPrintable(line));
    QVERIFY(compared > 0);
    QVERIFY2(agreement >= 99.0, qPrintable(disagreements.mid(0, 10).join('\n')));
}

// The count of every corpus HF-EEODB as edid-decode read it, through the
// whole-file function, when the block is the first data block of block 1;
// anywhere else it gives -1 and a warning, as for files without one.
void TestModernBlockCorpus::eeodbCount()
{
    QHash<QString, CorpusBlock> eeodbs;
    for (const CorpusBlock& block : corpusBlocks().values(ModernBlockKind::HfEeodb))
        eeodbs.insert(block.file, block);
    const QDir dir(QStringLiteral(EDID_CORPUS_DIR));
    int counted = 0;
    for (const QString& name : dir.entryList({"*.bin"}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const int count = hfEeodbExtensionCount(file.readAll());
        if (!eeodbs.contains(name)) {
            QCOMPARE(count, -1);
            continue;
        }
        const CorpusBlock block = eeodbs.value(name);
        const QRegularExpressionMatch match
            = QRegularExpression(R"(EDID Extension Block Count: (\d+))").match(readText(name));
        QVERIFY2(match.hasMatch(), qPrintable(name));
        DecodedNode node;
        Findings findings;
        describeModernDataBlock(block.bytes, block.offset, node, findings);
        const bool first = block.offset == EDID_BLOCK_SIZE + 4;
        QCOMPARE(count, first ? match.captured(1).toInt() : -1);
        QCOMPARE(findings.isEmpty() || !findings.last().message.contains("first data block"), first);
        counted += first;
    }
    QVERIFY(counted >= 39);
}

QTEST_GUILESS_MAIN(TestModernBlockCorpus)
#include "tst_modernblockcorpus.moc"
