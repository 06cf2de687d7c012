#include "ceahdmiforum.h"

using namespace FieldText;

const Byte HDMI_FORUM_OUI[3] = {0xD8, 0x5D, 0xC4};

namespace {

typedef HdmiForumBlock R;

constexpr int kMandatoryEnd = 7;
constexpr int kVrrEnd = 10;
constexpr int kDscEnd = 13;

const PayloadGroup<R> kGroups[] = {
    {nullptr, 0, kMandatoryEnd},
    {&R::hasFeatures, 7, 8},
    {&R::hasVrr, 8, kVrrEnd},
    {&R::hasDsc, 10, kDscEnd},
};

const PayloadFlag<R> kFlags[] = {
    {"SCDC present", &R::scdcPresent, 5, 7},
    {"SCDC read request (RR)", &R::rrCapable, 5, 6},
    {"Cable status", &R::cableStatus, 5, 5},
    {"CCBPCI", &R::ccbpci, 5, 4},
    {"Scrambling at 340 Mcsc and below (LTE_340Mcsc_scramble)", &R::lte340Scramble, 5, 3},
    {"3D independent view", &R::independentView, 5, 2},
    {"3D dual view", &R::dualView, 5, 1},
    {"3D OSD disparity", &R::osdDisparity, 5, 0},
    {"UHD VIC", &R::uhdVic, 6, 3},
    {"Deep color 4:2:0 48 bit (DC_48bit_420)", &R::dc48bit420, 6, 2},
    {"Deep color 4:2:0 36 bit (DC_36bit_420)", &R::dc36bit420, 6, 1},
    {"Deep color 4:2:0 30 bit (DC_30bit_420)", &R::dc30bit420, 6, 0},
    {"FAPA end extended", &R::fapaEndExtended, 7, 7},
    {"QMS", &R::qms, 7, 6},
    {"M_delta", &R::mDelta, 7, 5},
    {"CinemaVRR", &R::cinemaVrr, 7, 4},
    {"Negative M_VRR (CNMVRR)", &R::cnmVrr, 7, 3},
    {"Fast vactive (FVA)", &R::fva, 7, 2},
    {"Auto low-latency mode (ALLM)", &R::allm, 7, 1},
    {"FAPA start location", &R::fapaStartLocation, 7, 0},
    {"DSC 1.2a (DSC_1p2)", &R::dsc1p2, 10, 7},
    {"DSC native 4:2:0", &R::dscNative420, 10, 6},
    {"QMS TFRmax", &R::qmsTfrMax, 10, 5},
    {"QMS TFRmin", &R::qmsTfrMin, 10, 4},
    {"DSC all bpp", &R::dscAllBpp, 10, 3},
    {"DSC 16 bpc", &R::dsc16bpc, 10, 2},
    {"DSC 12 bpc", &R::dsc12bpc, 10, 1},
    {"DSC 10 bpc", &R::dsc10bpc, 10, 0},
};

const PayloadValue<R> kValues[] = {
    {&R::version, 3, 0, 8, 0, 1},
    {&R::maxTmdsCharacterRate, 4, 0, 8, 0, 5},
    {&R::maxFrlRate, 6, 4, 4, 0, 1},
    {&R::vrrMin, 8, 0, 6, 0, 1},
    {&R::vrrMax, 8, 6, 2, 8, 1},
    {&R::vrrMax, 9, 0, 8, 0, 1},
    {&R::dscMaxFrlRate, 11, 4, 4, 0, 1},
    {&R::dscMaxSlices, 11, 0, 4, 0, 1},
    {&R::dscTotalChunkKBytes, 12, 0, 6, 0, 1},
};

const PayloadLayout<R> kLayout = payloadLayout(kGroups, kFlags, kValues);

// Each FRL rate code adds one link rate to those of the codes below it.
const char* const kFrlRates[] = {
    "not supported (TMDS only)",
    "3 Gbps per lane on 3 lanes",
    "3 and 6 Gbps per lane on 3 lanes",
    "3 and 6 Gbps per lane on 3 lanes, 6 Gbps on 4 lanes",
    "3 and 6 Gbps per lane on 3 lanes, 6 and 8 Gbps on 4 lanes",
    "3 and 6 Gbps per lane on 3 lanes, 6, 8 and 10 Gbps on 4 lanes",
    "3 and 6 Gbps per lane on 3 lanes, 6, 8, 10 and 12 Gbps on 4 lanes",
};

const char* const kDscSlices[] = {
    "DSC not supported",
    "1 slice, 340 MHz per slice",
    "2 slices, 340 MHz per slice",
    "4 slices, 340 MHz per slice",
    "8 slices, 340 MHz per slice",
    "8 slices, 400 MHz per slice",
    "12 slices, 400 MHz per slice",
    // Decoders differ on code 7.
    "16 slices, 400 MHz per slice (or 12 slices, 600 MHz)",
};

const FieldRange kRanges[] = {
    {"Version", 1, 255, 1, "", false},      {"Max TMDS character rate", 345, 600, 5, "MHz", true},
    {"Max FRL rate", 0, 6, 1, "", false},   {"VRR min", 0, 48, 1, "Hz", false},
    {"VRR max", 100, 1023, 1, "Hz", true},  {"DSC max FRL rate", 0, 6, 1, "", false},
    {"DSC max slices", 0, 7, 1, "", false}, {"DSC total chunk KBytes", 0, 63, 1, "", false},
};

QByteArray prefixOf(const HdmiForumBlock& record)
{
    if (record.sinkCapability)
        return QByteArray(1, char(CEA_HDMI_FORUM_SCDB_EXTENDED_TAG)) + QByteArray(2, '\0');
    return QByteArray(reinterpret_cast<const char*>(HDMI_FORUM_OUI), 3);
}

QString tmdsRateText(int mhz)
{
    if (mhz == 0)
        return QStringLiteral("none above 340 MHz (code 0)");
    return QStringLiteral("%1 MHz").arg(mhz);
}

QString vrrText(int hz)
{
    return hz ? QStringLiteral("%1 Hz").arg(hz) : QStringLiteral("0 Hz (not given)");
}

class Checker
{
public:
    Checker(const HdmiForumBlock& record, int payloadOffset, Findings& findings)
            : r(record), p(record.payload), offset(payloadOffset), out(findings),
              name(record.sinkCapability ? QStringLiteral("HDMI Forum SCDB") : QStringLiteral("HDMI Forum"))
    {
    }

    void run()
    {
        if (p.size() < kMandatoryEnd)
            fail(0, p.size(),
                 QStringLiteral("%1 payload bytes; the block needs at least %2.")
                     .arg(p.size())
                     .arg(kMandatoryEnd));
        if (r.sinkCapability && (payloadByte(p, 1) || payloadByte(p, 2)))
            warn(1, qMin(p.size() - 1, 2),
                 QStringLiteral("the two reserved bytes after the extended tag are not 0."));
        if (p.size() > 3 && r.version != 1)
            warn(3, 1, QStringLiteral("unknown version %1.").arg(r.version));
        checkRates();
        checkVrr();
        checkDsc();
        for (int i = kDscEnd; i < p.size(); ++i) {
            if (payloadByte(p, i))
                warn(i, 1, QStringLiteral("reserved byte %1 is not 0.").arg(i));
        }
    }

private:
    void checkRates()
    {
        const int tmds = r.maxTmdsCharacterRate;
        if (tmds && (tmds <= 340 || tmds > 600))
            warn(4, 1, QStringLiteral("max TMDS character rate %1 MHz is outside 345 to 600 MHz.").arg(tmds));
        if (r.maxFrlRate > 6)
            warn(6, 1, QStringLiteral("max FRL rate code %1 is reserved.").arg(r.maxFrlRate));
        else if (r.maxFrlRate == 1 && tmds < 300)
            warn(6, 1,
                 QStringLiteral("max FRL rate code 1 needs a max TMDS character rate of at least 300 MHz."));
        else if (r.maxFrlRate >= 2 && tmds < 600)
            warn(6, 1,
                 QStringLiteral("max FRL rate code %1 needs a max TMDS character rate of 600 MHz.")
                     .arg(r.maxFrlRate));
        if (r.cinemaVrr)
            warn(7, 1, QStringLiteral("CinemaVRR is deprecated and must be 0."));
    }

    void checkVrr()
    {
        if (p.size() == kVrrEnd - 1)
            warn(8, 1, QStringLiteral("the VRR max byte is missing (the block ends after VRR min)."));
        if (!r.hasVrr)
            return;
        if (r.vrrMin > 48)
            warn(8, 1, QStringLiteral("VRR min %1 Hz is above 48 Hz.").arg(r.vrrMin));
        if (r.vrrMax && r.vrrMax < 100)
            warn(8, qMin(p.size() - 8, 2), QStringLiteral("VRR max %1 Hz is below 100 Hz.").arg(r.vrrMax));
        if (r.vrrMax && !r.vrrMin)
            warn(8, qMin(p.size() - 8, 2), QStringLiteral("VRR max is given without VRR min."));
    }

    void checkDsc()
    {
        if (p.size() > 10 && p.size() < kDscEnd)
            warn(10, p.size() - 10,
                 QStringLiteral("the DSC bytes are incomplete (%1 of 3).").arg(p.size() - 10));
        if (!r.hasDsc)
            return;
        if (!r.dsc1p2 && (payloadByte(p, 10) || payloadByte(p, 11) || payloadByte(p, 12)))
            warn(10, qMin(p.size() - 10, 3), QStringLiteral("DSC fields are set but DSC_1p2 is 0."));
        if (r.dscMaxFrlRate > 6)
            warn(11, 1, QStringLiteral("DSC max FRL rate code %1 is reserved.").arg(r.dscMaxFrlRate));
        if (r.dscMaxSlices > 7)
            warn(11, 1, QStringLiteral("DSC max slices code %1 is reserved.").arg(r.dscMaxSlices));
        if (payloadByte(p, 12) & 0xC0)
            warn(12, 1, QStringLiteral("reserved bits 7-6 of the DSC chunk byte are set."));
    }

    void warn(int byte, int length, const QString& text) { add(Finding::Warning, byte, length, text); }
    void fail(int byte, int length, const QString& text) { add(Finding::Failure, byte, length, text); }
    void add(Finding::Level level, int byte, int length, const QString& text)
    {
        addFinding(out, level, offset, byte, length, name + QStringLiteral(": ") + text);
    }

    const HdmiForumBlock& r;
    const QByteArray& p;
    int offset;
    Findings& out;
    QString name;
};

} // namespace

HdmiForumBlock decodeHdmiForumBlock(const QByteArray& payload)
{
    HdmiForumBlock record = decodedPayloadFields(kLayout, payload);
    record.sinkCapability = payloadByte(payload, 0) == CEA_HDMI_FORUM_SCDB_EXTENDED_TAG;
    return record;
}

QByteArray encodeHdmiForumBlock(const HdmiForumBlock& record)
{
    return encodePayloadFields(kLayout, record, decodeHdmiForumBlock(record.payload), prefixOf(record));
}

QString frlRateText(int code)
{
    if (code >= 0 && code < int(sizeof kFrlRates / sizeof *kFrlRates))
        return QStringLiteral("%1 (code %2)").arg(QString::fromLatin1(kFrlRates[code])).arg(code);
    return QStringLiteral("reserved (code %1)").arg(code);
}

QString dscSlicesText(int code)
{
    if (code >= 0 && code < int(sizeof kDscSlices / sizeof *kDscSlices))
        return QStringLiteral("%1 (code %2)").arg(QString::fromLatin1(kDscSlices[code])).arg(code);
    return QStringLiteral("reserved (code %1)").arg(code);
}

FieldRange hdmiForumRange(HdmiForumValue value)
{
    return kRanges[int(value)];
}

void describeHdmiForumBlock(const HdmiForumBlock& record, int payloadOffset, DecodedNode& node,
                            Findings& findings)
{
    const QByteArray& p = record.payload;
    node.name = record.sinkCapability ? QStringLiteral("HDMI Forum SCDB") : QStringLiteral("HDMI Forum");
    if (p.size() > 3)
        node.add(QStringLiteral("Version"), QString::number(record.version), payloadOffset + 3);
    if (p.size() > 4)
        node.add(QStringLiteral("Max TMDS character rate"), tmdsRateText(record.maxTmdsCharacterRate),
                 payloadOffset + 4);
    describePayloadFlags(kLayout, record, payloadOffset, 5, 5, node);
    if (p.size() > 6)
        node.add(QStringLiteral("Max FRL rate"), frlRateText(record.maxFrlRate), payloadOffset + 6);
    describePayloadFlags(kLayout, record, payloadOffset, 6, 7, node);
    if (p.size() > 8)
        node.add(QStringLiteral("VRR min"), vrrText(record.vrrMin), payloadOffset + 8);
    if (p.size() > 9)
        node.add(QStringLiteral("VRR max"), vrrText(record.vrrMax), payloadOffset + 8, 2);
    describePayloadFlags(kLayout, record, payloadOffset, 10, 10, node);
    if (p.size() > 11) {
        node.add(QStringLiteral("DSC max FRL rate"), frlRateText(record.dscMaxFrlRate), payloadOffset + 11);
        node.add(QStringLiteral("DSC max slices"), dscSlicesText(record.dscMaxSlices), payloadOffset + 11);
    }
    if (p.size() > 12)
        node.add(QStringLiteral("DSC total chunk bytes"),
                 QStringLiteral("%1 bytes (code %2)")
                     .arg(1024 * (record.dscTotalChunkKBytes + 1))
                     .arg(record.dscTotalChunkKBytes),
                 payloadOffset + 12);
    if (p.size() > kDscEnd)
        node.add(QStringLiteral("Reserved bytes"), hexBytes(p.mid(kDscEnd)), payloadOffset + kDscEnd,
                 p.size() - kDscEnd);
    Checker(record, payloadOffset, findings).run();
}
