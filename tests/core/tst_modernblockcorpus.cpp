#include <QtTest>

#include "coresupport.h"
#include "modernblockedits.h"

#include <QRegularExpression>

// The codecs of the modern CTA-861 data blocks over every such block of the
// reference corpus: byte-exact round trips of each block and of every block
// cut from it, and the values edid-decode printed for each file against the
// decoded node of each block. (Field edits are checked byte for byte on real
// blocks by the codec and form tests.)

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
    for (const QString& path : corpusFiles()) {
        const QString name = QFileInfo(path).fileName();
        const QByteArray bytes = readFileBytes(path);
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

// One comparable fact of a block: edid-decode's line pattern, and the field
// of our node with the pattern of its value (nullptr for a flag: "yes"). A
// pattern without a capture group gives "yes"; with one its text; with
// named groups their texts in the groups' name order.
struct FactRule {
    ModernBlockKind kind;
    const char* edLine;
    const char* field;
    const char* value;
};

// Value patterns that several rules share.
#define LUMINANCE_ED R"(: (?<c>\d+) \((?<v>[\d.]+) cd/m\^2\)$)"
#define LUMINANCE_OURS R"(^(?<v>[\d.]+) cd/m2 \(code (?<c>\d+)\)$)"
#define LATENCY_ED R"( latency: (?:Video |Audio )?(\d+ ms|Unknown|not supported)$)"
#define LATENCY_OURS R"(^(\d+ ms|unknown|not supported))"
#define FRL_ED R"(Max Fixed Rate Link: .*?(?<g>\d+) Gbps (?:per lane )?on (?<l>\d) lanes$)"
#define FRL_OURS R"(^.*?(?<g>\d+) Gbps (?:per lane )?on (?<l>\d) lanes \(code)"
#define NUMBER(unit) R"(^(\d+) )" unit

const ModernBlockKind kHdmi = ModernBlockKind::Hdmi;
const ModernBlockKind kForum = ModernBlockKind::HdmiForum;
const ModernBlockKind kAmd = ModernBlockKind::FreeSync;
const ModernBlockKind kHdr = ModernBlockKind::HdrStaticMetadata;

const FactRule kRules[] = {
    {kHdmi, "^Source physical address: (.*)$", "Physical address", "^(.*)$"},
    {kHdmi, "^Supports_AI$", "Supports AI (Supports_AI)", nullptr},
    {kHdmi, "^DC_48bit$", "Deep color 48 bit (DC_48bit)", nullptr},
    {kHdmi, "^DC_36bit$", "Deep color 36 bit (DC_36bit)", nullptr},
    {kHdmi, "^DC_30bit$", "Deep color 30 bit (DC_30bit)", nullptr},
    {kHdmi, "^DC_Y444$", "Deep color YCbCr 4:4:4 (DC_Y444)", nullptr},
    {kHdmi, "^DVI_Dual$", "DVI dual link (DVI_Dual)", nullptr},
    {kHdmi, "^Maximum TMDS clock: (\\d+) MHz$", "Max TMDS clock", NUMBER("MHz")},
    {kHdmi, "^Video" LATENCY_ED, "Video latency", LATENCY_OURS},
    {kHdmi, "^Audio" LATENCY_ED, "Audio latency", LATENCY_OURS},
    {kHdmi, "^Interlaced video" LATENCY_ED, "Interlaced video latency", LATENCY_OURS},
    {kHdmi, "^Interlaced audio" LATENCY_ED, "Interlaced audio latency", LATENCY_OURS},
    {kForum, "^Version: (\\d+)$", "Version", "^(\\d+)$"},
    {kForum, "^Maximum TMDS Character Rate: (\\d+) MHz$", "Max TMDS character rate", NUMBER("MHz")},
    {kForum, "^SCDC Present$", "SCDC present", nullptr},
    {kForum, "^SCDC Read Request Capable$", "SCDC read request (RR)", nullptr},
    {kForum, "^Supports scrambling for <= 340 Mcsc$",
     "Scrambling at 340 Mcsc and below (LTE_340Mcsc_scramble)", nullptr},
    {kForum, "^" FRL_ED, "Max FRL rate", FRL_OURS},
    {kForum, "^DSC " FRL_ED, "DSC max FRL rate", FRL_OURS},
    {kForum, "^Supports UHD VIC$", "UHD VIC", nullptr},
    {kForum, "^Supports 16-bits/component Deep Color 4:2:0", "Deep color 4:2:0 48 bit (DC_48bit_420)",
     nullptr},
    {kForum, "^Supports 12-bits/component Deep Color 4:2:0", "Deep color 4:2:0 36 bit (DC_36bit_420)",
     nullptr},
    {kForum, "^Supports 10-bits/component Deep Color 4:2:0", "Deep color 4:2:0 30 bit (DC_30bit_420)",
     nullptr},
    {kForum, "^Supports Auto Low-Latency Mode$", "Auto low-latency mode (ALLM)", nullptr},
    {kForum, "^VRRmin: (\\d+) Hz$", "VRR min", NUMBER("Hz")},
    {kForum, "^VRRmax: (\\d+) Hz$", "VRR max", NUMBER("Hz")},
    {kAmd, "^Version: (\\d+)", "Version", "^(\\d+)$"},
    // Older edid-decode printed the feature caps byte as a minor version.
    {kAmd, "^Version: \\d+\\.(\\d+)$", "Feature caps", "^(0x[0-9a-f]+)"},
    {kAmd, "^Minimum Refresh Rate: (\\d+) Hz$", "Min refresh rate", NUMBER("Hz")},
    {kAmd, "^Maximum Refresh Rate: (\\d+) Hz$", "Max refresh rate", NUMBER("Hz")},
    {kAmd, "^Maximum luminance" LUMINANCE_ED, "Max luminance", LUMINANCE_OURS},
    {kAmd, "^Minimum luminance" LUMINANCE_ED, "Min luminance", LUMINANCE_OURS},
    {kHdr, "^Traditional gamma - SDR luminance range$", "EOTF traditional gamma SDR", nullptr},
    {kHdr, "^Traditional gamma - HDR luminance range$", "EOTF traditional gamma HDR", nullptr},
    {kHdr, "^SMPTE ST2084$", "EOTF SMPTE ST 2084 (PQ)", nullptr},
    {kHdr, "^Hybrid Log-Gamma$", "EOTF HLG", nullptr},
    {kHdr, "^Static metadata type 1$", "Static metadata type 1", nullptr},
    {kHdr, "^Desired content max luminance" LUMINANCE_ED, "Max luminance", LUMINANCE_OURS},
    {kHdr, "^Desired content max frame-average luminance" LUMINANCE_ED, "Max frame-average luminance",
     LUMINANCE_OURS},
    {kHdr, "^Desired content min luminance" LUMINANCE_ED, "Min luminance", LUMINANCE_OURS},
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

// A fact of `rule` from `text`; zero values stand for "not given" on both
// sides and are left out.
void addFact(Facts& facts, const FactRule& rule, const QString& pattern, const QString& text)
{
    const QRegularExpression expression(pattern);
    const QRegularExpressionMatch match = expression.match(text);
    QString value = match.hasMatch() ? factValue(expression, match) : QString();
    if (value.startsWith("0x"))
        value = QString::number(value.toInt(nullptr, 16));
    if (value != "0" && !value.isEmpty())
        facts.insert(QString::fromLatin1(rule.field), value);
}

Facts edFacts(ModernBlockKind kind, const QStringList& lines)
{
    Facts facts;
    for (const FactRule& rule : kRules) {
        for (const QString& line : lines) {
            if (rule.kind == kind)
                addFact(facts, rule, QString::fromLatin1(rule.edLine), line);
        }
    }
    return facts;
}

Facts ourFacts(ModernBlockKind kind, const DecodedNode& node)
{
    Facts facts;
    for (const FactRule& rule : kRules) {
        for (const DecodedField& field : node.fields) {
            if (rule.kind == kind && field.name == QLatin1String(rule.field))
                addFact(facts, rule, QString::fromLatin1(rule.value ? rule.value : "^yes$"), field.value);
        }
    }
    return facts;
}

QString factsText(const Facts& facts)
{
    QStringList items;
    for (auto it = facts.cbegin(); it != facts.cend(); ++it)
        items << it.key() + '=' + it.value();
    return items.join(", ");
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

} // namespace

class TestModernBlockCorpus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void roundTrip_data();
    void roundTrip();
    void agreesWithReference_data();
    void agreesWithReference();
};

void TestModernBlockCorpus::initTestCase()
{
    if (corpusFiles().isEmpty())
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

// Every real block, and every shorter block cut from it, encodes to its
// own bytes: nothing is read past the end, added or lost.
void TestModernBlockCorpus::roundTrip()
{
    QFETCH(int, kind);
    QSet<QString> files;
    for (const CorpusBlock& block : corpusBlocks().values(ModernBlockKind(kind))) {
        files << block.file;
        for (int length = 0; length <= block.payload().size(); ++length) {
            const QByteArray cut = block.payload().left(length);
            const QByteArray encoded = reencoded(ModernBlockKind(kind), cut);
            QVERIFY2(encoded == cut, qPrintable(block.file + ": " + cut.toHex(' ')));
        }
    }
    qInfo("%s: %d blocks in %d files", QTest::currentDataTag(), corpusBlocks().count(ModernBlockKind(kind)),
          int(files.size()));
    QFETCH(int, atLeast);
    QVERIFY(files.size() >= atLeast);
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
        const QString reference = referenceText(QStringLiteral(EDID_CORPUS_DIR "/") + it.key().first);
        for (const auto& section : edSections(reference, it.key().second)) {
            if (section.first.startsWith(header))
                ed << section.second;
        }
        for (int i = 0; i < it->size(); ++i) {
            DecodedNode node;
            Findings findings;
            describeModernDataBlock(it->at(i).bytes, it->at(i).offset, node, findings);
            const Facts expected = i < ed.size() ? edFacts(ModernBlockKind(kind), ed.at(i)) : Facts();
            const Facts ours = ourFacts(ModernBlockKind(kind), node);
            if (i >= ed.size() || ours != expected)
                disagreements << QString("%1 block %2: edid-decode {%3}, ours {%4}")
                                     .arg(it.key().first)
                                     .arg(it.key().second)
                                     .arg(factsText(expected), factsText(ours));
            ++compared;
        }
    }
    const double agreement = compared ? 100.0 * (compared - disagreements.size()) / compared : 0;
    qInfo("%s: %d blocks, %.2f%% agree with edid-decode", qPrintable(header), compared, agreement);
    for (const QString& line : disagreements.mid(0, 5))
        qInfo("  %s", qPrintable(line));
    QVERIFY(compared > 0);
    QVERIFY2(agreement >= 99.0, qPrintable(disagreements.mid(0, 10).join('\n')));
}

QTEST_GUILESS_MAIN(TestModernBlockCorpus)
#include "tst_modernblockcorpus.moc"
