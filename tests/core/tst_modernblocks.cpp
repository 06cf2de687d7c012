#include <QtTest>

#include "coresupport.h"
#include "modernblockedits.h"

// The modern CTA-861 data block codecs on the cases the corpus lacks or has
// too rarely: optional fields added and removed at each length threshold,
// blocks cut short, reserved bits, the problems a reader is told about, the
// texts and byte offsets of decoded fields, the luminance conversions and
// the range checks an editor offers.

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

QTEST_GUILESS_MAIN(TestModernBlocks)
#include "tst_modernblocks.moc"
