#include <QtTest>

#include "coresupport.h"
#include "modernblockedits.h"

#include <QRegularExpression>

// The modern CTA-861 data block codecs. On the cases the corpus lacks or has
// too rarely: optional fields added and removed at each length threshold,
// blocks cut short, reserved bits, the problems a reader is told about, the
// texts and byte offsets of decoded fields, the luminance conversions and
// the range checks an editor offers. Over every such block of the reference
// corpus: byte-exact round trips of each block and of every block cut from
// it, and the values edid-decode printed for each file against the decoded
// node of each block.

namespace {

constexpr int kHeaderOffset = 132;  // the first data block of block 1

DecodedNode describe(const QByteArray& block, int offset, Findings& findings)
{
    DecodedNode node;
    describeModernDataBlock(block, offset, node, findings);
    return node;
}

// The real blocks the cases start from (payloads, after the header byte).
const char kHdmiLatencyVics[] = "030c003000383ca029290060010203";           // Philips PHL01EA
const char kHdmi3D[] = "030c001000b82d20c00e0100001218202820382058206820";  // AOC AOC2752
const char kHdmiTrailing[] = "030c001000b82d0000000000";                    // Acer ACR02CF
const char kForumFull[] = "d85dc40178806312309083641d";                     // ASUS AUS38EA
const char kFreeSyncV3[] = "1a0000030330f0eca08b018b01f0000000000000";      // GIGABYTE GBT3215
const char kHdrFull[] = "06070163632f";                                     // AOC AOC3220


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

class TestModernBlocks : public QObject
{
    Q_OBJECT

private slots:
    void edits_data();
    void edits();
    void findings_data();
    void findings();
    void describedFields_data();
    void describedFields();
    void luminanceCodes();
    void ranges();
    void roundTrip_data();
    void roundTrip();
    void agreesWithReference_data();
    void agreesWithReference();
};

void TestModernBlocks::edits_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<BlockEdit>("edit");
    QTest::addColumn<QByteArray>("expected");
    auto row = [](const char* name, ModernBlockKind kind, const QByteArray& payload, const BlockEdit& edit,
                  const char* expected) { QTest::newRow(name) << int(kind) << payload << edit << hexBytes(expected); };
    const ModernBlockKind hdmi = ModernBlockKind::Hdmi;
    row("HDMI max TMDS clock added", hdmi, hexBytes("030c001000"),
        HDMI_EDIT(r.hasMaxTmdsClock = true; r.maxTmdsClock = 340), "030c0010000044");
    row("HDMI max TMDS clock removed", hdmi, hexBytes("030c001000b82d"), HDMI_EDIT(r.hasMaxTmdsClock = false),
        "030c001000b8");
    row("HDMI deep colour byte zeroed, TMDS byte stays", hdmi, hexBytes("030c001000b82d"),
        HDMI_EDIT(r.hasCapabilities = false), "030c001000002d");
    row("HDMI flags byte added", hdmi, hexBytes("030c001000b82d"), HDMI_EDIT(r.hasFeatures = r.contentGame = true),
        "030c001000b82d08");
    row("HDMI empty payload gets the OUI", hdmi, QByteArray(), HDMI_EDIT(r.physicalAddress = 0x1000), "030c001000");
    row("HDMI interlaced latency inserted before the video part", hdmi, hexBytes(kHdmiLatencyVics),
        HDMI_EDIT(r.interlacedLatencyPresent = true; r.interlacedVideoLatency = r.interlacedAudioLatency = 0x15),
        "030c003000383ce0292915150060010203");
    row("HDMI VIC appended", hdmi, hexBytes(kHdmiLatencyVics), HDMI_EDIT(r.hdmiVics << 4),
        "030c003000383ca02929008001020304");
    row("HDMI image size", hdmi, hexBytes(kHdmiLatencyVics), HDMI_EDIT(r.imageSize = 3),
        "030c003000383ca029291860010203");
    row("HDMI VIC inserted before the raw 3D part", hdmi, hexBytes(kHdmi3D), HDMI_EDIT(r.hdmiVics << 1),
        "030c001000b82d20c02e010100001218202820382058206820");
    row("HDMI bytes after the fields kept", hdmi, hexBytes(kHdmiTrailing), HDMI_EDIT(r.dc48bit = true),
        "030c001000f82d0000000000");
    row("HDMI latency added before kept bytes", hdmi, hexBytes(kHdmiTrailing),
        HDMI_EDIT(r.latencyPresent = true; r.videoLatency = r.audioLatency = 41), "030c001000b82d80292900000000");
    row("HDMI flags without their bytes kept", hdmi, hexBytes("030c001000b82dc0"), HDMI_EDIT(r.maxTmdsClock = 300),
        "030c001000b83cc0");
    row("HDMI missing latency bytes written on edit", hdmi, hexBytes("030c001000b82dc0"),
        HDMI_EDIT(r.videoLatency = 41), "030c001000b82dc029000000");

    const ModernBlockKind forum = ModernBlockKind::HdmiForum;
    row("HF VRR added", forum, hexBytes("d85dc401788063"), FORUM_EDIT(r.hasVrr = true; r.vrrMin = 48; r.vrrMax = 144),
        "d85dc401788063003090");
    row("HF VRR max above 255 Hz", forum, hexBytes(kForumFull), FORUM_EDIT(r.vrrMax = 300),
        "d85dc40178806312702c83641d");
    row("HF VRR zeroed, DSC stays", forum, hexBytes(kForumFull), FORUM_EDIT(r.hasVrr = false),
        "d85dc40178806312000083641d");
    row("HF DSC added", forum, hexBytes("d85dc401788063"),
        FORUM_EDIT(r.hasDsc = r.dsc1p2 = true; r.dscTotalChunkKBytes = 29), "d85dc40178806300000080001d");
    row("SCDB from nothing", ModernBlockKind::HdmiForumScdb, QByteArray(),
        FORUM_EDIT(r.sinkCapability = true; r.version = 1), "79000001000000");

    const ModernBlockKind amd = ModernBlockKind::FreeSync;
    row("FreeSync HDR fields added", amd, hexBytes("1a00000101304be6"),
        FREESYNC_EDIT(r.hasHdrFields = true; r.maxLuminanceCode = 99), "1a00000101304be60063000000");
    row("FreeSync 10-bit max refresh added", amd, hexBytes("1a000002033092000f63310031"),
        FREESYNC_EDIT(r.hasRefresh10Bit = true; r.maxRefreshRate10 = 146), "1a000002033092000f633100319200");

    const ModernBlockKind hdr = ModernBlockKind::HdrStaticMetadata;
    row("HDR max luminance added", hdr, hexBytes("060d01"),
        HDR_EDIT(r.hasMaxLuminance = true; r.maxLuminanceCode = 99), "060d0163");
    row("HDR min luminance removed", hdr, hexBytes(kHdrFull), HDR_EDIT(r.hasMinLuminance = false), "0607016363");
    row("HDR max luminance zeroed, later bytes stay", hdr, hexBytes(kHdrFull), HDR_EDIT(r.hasMaxLuminance = false),
        "06070100632f");
    row("HDR reserved bits kept", hdr, hexBytes("06f7fe63"), HDR_EDIT(r.eotfPq = false), "06f3fe63");

    const ModernBlockKind eeodb = ModernBlockKind::HfEeodb;
    row("EEODB count", eeodb, hexBytes("7802"), EEODB_EDIT(r.extensionCount = 3), "7803");
    row("EEODB count byte added", eeodb, hexBytes("78"), EEODB_EDIT(r.extensionCount = 2), "7802");
}

// Setting or clearing a field writes exactly the expected payload; a
// second encode of what was written changes nothing.
void TestModernBlocks::edits()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, payload);
    QFETCH(BlockEdit, edit);
    QFETCH(QByteArray, expected);
    const QByteArray edited = edit(payload);
    QCOMPARE(edited.toHex(' '), expected.toHex(' '));
    QCOMPARE(reencoded(ModernBlockKind(kind), edited), edited);
}

void TestModernBlocks::findings_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("expected");  // '|'-separated parts of the messages, in order
    const int at = kHeaderOffset;
    QTest::newRow("HDMI example") << hexBytes("6f030c003000383ca029290060010203") << at << "";
    QTest::newRow("HDMI too short") << hexBytes("63030c00") << at << "needs at least 5";
    QTest::newRow("HDMI invalid latency") << hexBytes("6a030c001000b82d80fc29") << at
        << "Video latency code 252 is invalid";
    QTest::newRow("HDMI interlaced latency alone") << hexBytes("68030c001000b82d40") << at
        << "I_Latency_Fields_Present is set without";
    QTest::newRow("HDMI trailing bytes") << hexBytes("6c030c001000b82d0000000000") << at
        << "4 byte(s) after the last field";
    QTest::newRow("HDMI VIC list past the end") << hexBytes("6a030c001000b82d200060") << at
        << "need 13 bytes but the block has 10";
    QTest::newRow("HDMI reserved bits") << hexBytes("6a030c001000be2d306700") << at
        << "reserved bits 2-1 of the deep color|reserved bit 4|reserved bits 2-0 of the HDMI video"
           "|3D_Multi_present value 3";
    QTest::newRow("HDMI TMDS above 340 MHz, unknown VIC") << hexBytes("6b030c001000b87820002005") << at
        << "above 340 MHz|unknown HDMI VIC 5";
    QTest::newRow("HF example") << hexBytes("6dd85dc40178806312309083641d") << at << "CinemaVRR is deprecated";
    QTest::newRow("HF unknown version") << hexBytes("67d85dc402000000") << at << "unknown version 2";
    QTest::newRow("HF VRR range") << hexBytes("6ad85dc401000000003f50") << at << "above 48 Hz|below 100 Hz";
    QTest::newRow("HF TMDS and FRL") << hexBytes("67d85dc4013c0020") << at << "outside 345 to 600|of 600 MHz";
    QTest::newRow("HF DSC bytes") << hexBytes("6bd85dc40178806300000001") << at
        << "incomplete (1 of 3)|DSC_1p2 is 0";
    QTest::newRow("HF reserved byte") << hexBytes("6ed85dc40178806300000000000005") << at
        << "reserved byte 13 is not 0";
    QTest::newRow("SCDB reserved bytes") << hexBytes("e779010001000000") << at
        << "reserved bytes after the extended tag";
    QTest::newRow("FreeSync version and range") << hexBytes("681a000004019030e6") << at
        << "unknown version 4|144 Hz is above max refresh rate 48 Hz";
    QTest::newRow("HDR static short") << hexBytes("e20601") << at << "need 2";
    QTest::newRow("HDR static reserved bits") << hexBytes("e306f103") << at
        << "reserved EOTF bits|descriptor types";
    QTest::newRow("HDR static trailing byte") << hexBytes("e706010163632f00") << at
        << "1 byte(s) after the last field";
    QTest::newRow("HDR dynamic example") << hexBytes("e6070404000404") << at << "";
    QTest::newRow("HDR dynamic unknown type") << hexBytes("e50703050001") << at << "unknown metadata type 5";
    QTest::newRow("HDR dynamic entry past the end") << hexBytes("e40705000100") << at << "runs past the block";
    QTest::newRow("Dolby Vision unknown version") << hexBytes("e50146d000e0") << at << "unknown version 7";
    QTest::newRow("Dolby Vision short") << hexBytes("e50146d00048") << at
        << "needs 7 vendor bytes; the block has 1";
    QTest::newRow("HDR10+ version") << hexBytes("e5018b849002") << at << "unknown application version 2";
    QTest::newRow("EEODB count 1") << hexBytes("e27801") << at << "needs no override";
    QTest::newRow("EEODB not first") << hexBytes("e27802") << at + 8 << "first data block of block 1";
    // clang-format on
}

// What a reader is told about a block, and at which bytes: every finding
// lies inside the block.
void TestModernBlocks::findings()
{
    QFETCH(QByteArray, block);
    QFETCH(int, offset);
    QFETCH(QString, expected);
    Findings findings;
    describe(block, offset, findings);
    const QStringList parts = expected.split('|', Qt::SkipEmptyParts);
    QStringList messages;
    for (const Finding& finding : findings) {
        messages << finding.message;
        QCOMPARE(finding.block, 1);
        QVERIFY(finding.offset >= offset && finding.offset + finding.length <= offset + block.size());
    }
    QCOMPARE(messages.size(), parts.size());
    for (int i = 0; i < parts.size(); ++i)
        QVERIFY2(messages.at(i).contains(parts.at(i)), qPrintable(messages.at(i)));
}

void TestModernBlocks::describedFields_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QString>("node");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("byte");  // payload byte of the field
    const QByteArray hdmi = hexBytes("6f") + hexBytes(kHdmiLatencyVics);
    QTest::newRow("HDMI VICs") << hdmi << "HDMI" << "HDMI VICs"
        << "1 (3840x2160 30 Hz), 2 (3840x2160 25 Hz), 3 (3840x2160 24 Hz)" << 12;
    QTest::newRow("3D part raw") << hexBytes("78") + hexBytes(kHdmi3D) << "HDMI" << "3D data (kept raw)"
        << "14 bytes: 01 00 00 12 18 20 28 20 38 20 58 20 68 20" << 10;
    const QByteArray forum = hexBytes("6d") + hexBytes(kForumFull);
    QTest::newRow("DSC slices") << forum << "HDMI Forum" << "DSC max slices"
        << "8 slices, 340 MHz per slice (code 4)" << 11;
    QTest::newRow("DSC chunk") << forum << "HDMI Forum" << "DSC total chunk bytes" << "30720 bytes (code 29)"
        << 12;
    const QByteArray amd = hexBytes("74") + hexBytes(kFreeSyncV3);
    QTest::newRow("FreeSync 10-bit max") << amd << "AMD FreeSync" << "Max refresh rate (10 bit)" << "240 Hz"
        << 13;
    const QByteArray dolby2 = hexBytes("eb0146d000480376825e6d95");
    QTest::newRow("Dolby v2 red") << dolby2 << "Dolby Vision" << "Red primary" << "0.67578125, 0.32031250"
        << 7;
    const QByteArray dolby1 = hexBytes("eb0146d000261003257e73a4");
    QTest::newRow("Dolby v1 max") << dolby1 << "Dolby Vision" << "Target max luminance" << "500 cd/m2" << 5;
    QTest::newRow("Dolby v1 blue") << dolby1 << "Dolby Vision" << "Blue primary" << "0.12890625, 0.03515625"
        << 7;
    QTest::newRow("HDR10+ full frame") << hexBytes("e5018b849079") << "HDR10+" << "Full-frame peak luminance"
        << "400 cd/m2 (40% of peak, index 2)" << 4;
    QTest::newRow("HDR dynamic raw") << hexBytes("e6070404000404") << "HDR Dynamic Metadata"
        << "Entry 1 support bytes" << "04" << 5;
    QTest::newRow("EEODB count") << hexBytes("e27802") << "HF-EEODB" << "Extension block count" << "2" << 1;
    // clang-format on
}

void TestModernBlocks::describedFields()
{
    QFETCH(QByteArray, block);
    QFETCH(QString, field);
    QFETCH(int, byte);
    Findings findings;
    const DecodedNode node = describe(block, kHeaderOffset, findings);
    QTEST(node.name, "node");
    QCOMPARE(node.offset, kHeaderOffset);
    for (const DecodedField& f : node.fields) {
        if (f.name == field) {
            QTEST(f.value, "value");
            QCOMPARE(f.offset, kHeaderOffset + 1 + byte);
            return;
        }
    }
    QFAIL("field not described");
}

// cd/m2 to the nearest code and back, both ways, for every code.
void TestModernBlocks::luminanceCodes()
{
    for (int code = 0; code < 256; ++code) {
        QCOMPARE(maxLuminanceCodeOf(maxLuminanceOfCode(code)), code);
        QCOMPARE(minLuminanceCodeOf(99, minLuminanceOfCode(99, code)), code);
    }
    QCOMPARE(maxLuminanceCodeOf(600), 115);
    QCOMPARE(maxLuminanceCodeOf(1e6), 255);
    QCOMPARE(maxLuminanceCodeOf(10), 0);
    QCOMPARE(minLuminanceCodeOf(99, 0.145), 47);
    QCOMPARE(minLuminanceCodeOf(99, 1e3), 255);
    QCOMPARE(luminanceText(maxLuminanceOfCode(115), 115), QStringLiteral("603.666 cd/m2 (code 115)"));
}

// What the forms refuse beyond their own rows: a VRR max or TMDS character
// rate in the gap below its minimum (0 stands for none), a physical
// address part that is not one hexadecimal digit.
void TestModernBlocks::ranges()
{
    QVERIFY(!fieldRangeProblem(hdmiForumRange(HdmiForumValue::VrrMax), 99).isEmpty());
    QVERIFY(fieldRangeProblem(hdmiForumRange(HdmiForumValue::VrrMax), 0).isEmpty());
    QVERIFY(!fieldRangeProblem(hdmiForumRange(HdmiForumValue::MaxTmdsCharacterRate), 340).isEmpty());
    QCOMPARE(parsePhysicalAddress("1.2.a.F"), 0x12af);
    QCOMPARE(parsePhysicalAddress("1.2.3.10"), -1);
}

void TestModernBlocks::roundTrip_data()
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
void TestModernBlocks::roundTrip()
{
    if (corpusBlocks().isEmpty())
        QSKIP("EDID corpus not present");
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

void TestModernBlocks::agreesWithReference_data()
{
    QTest::addColumn<int>("kind");
    for (auto it = kEdHeaders.cbegin(); it != kEdHeaders.cend(); ++it)
        QTest::newRow(qPrintable(it.value())) << int(it.key());
}

// The values edid-decode printed for each block (physical address, TMDS
// and FRL limits, deep colour, latency, VRR and FreeSync ranges, EOTFs,
// luminance) against the fields of the block's decoded node.
void TestModernBlocks::agreesWithReference()
{
    if (corpusBlocks().isEmpty())
        QSKIP("EDID corpus not present");
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

QTEST_GUILESS_MAIN(TestModernBlocks)
#include "tst_modernblocks.moc"
