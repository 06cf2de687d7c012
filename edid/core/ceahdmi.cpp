#include "ceahdmi.h"

#include <QStringList>

using namespace FieldText;

const Byte HDMI_OUI[3] = {0x03, 0x0C, 0x00};
const char PHYSICAL_ADDRESS_MESSAGE[] = "The physical address must be four hexadecimal digits A.B.C.D.";

namespace {

typedef HdmiVendorBlock R;

constexpr int kMandatoryEnd = 5;
constexpr int kFeatureByte = 7;
constexpr int kVariableStart = 8;
constexpr int kLatencyFlag = 0x80;
constexpr int kInterlacedFlag = 0x40;
constexpr int kVideoFlag = 0x20;
constexpr int kMaxVics = 7;
constexpr int kMaxThreeD = 31;
constexpr int kLastValidLatency = 251;
constexpr int kNotSupportedLatency = 255;

const PayloadGroup<R> kGroups[] = {
    {nullptr, 0, kMandatoryEnd},
    {&R::hasCapabilities, 5, 6},
    {&R::hasMaxTmdsClock, 6, 7},
    {&R::hasFeatures, kFeatureByte, kVariableStart},
};

const PayloadFlag<R> kFlags[] = {
    {"Supports AI (Supports_AI)", &R::supportsAI, 5, 7},
    {"Deep color 48 bit (DC_48bit)", &R::dc48bit, 5, 6},
    {"Deep color 36 bit (DC_36bit)", &R::dc36bit, 5, 5},
    {"Deep color 30 bit (DC_30bit)", &R::dc30bit, 5, 4},
    {"Deep color YCbCr 4:4:4 (DC_Y444)", &R::dcY444, 5, 3},
    {"DVI dual link (DVI_Dual)", &R::dviDual, 5, 0},
    {"Content type game (CNC3)", &R::contentGame, 7, 3},
    {"Content type cinema (CNC2)", &R::contentCinema, 7, 2},
    {"Content type photo (CNC1)", &R::contentPhoto, 7, 1},
    {"Content type graphics (CNC0)", &R::contentGraphics, 7, 0},
};

const PayloadValue<R> kValues[] = {
    {&R::physicalAddress, 3, 0, 8, 8, 1},
    {&R::physicalAddress, 4, 0, 8, 0, 1},
    {&R::maxTmdsClock, 6, 0, 8, 0, 5},
};

const PayloadLayout<R> kLayout = payloadLayout(kGroups, kFlags, kValues);

const char* const kHdmiVics[]
    = {"3840x2160 30 Hz", "3840x2160 25 Hz", "3840x2160 24 Hz", "4096x2160 24 Hz (SMPTE)"};

const char* const kImageSizes[] = {
    "no additional information",
    "screen size bytes give an aspect ratio only",
    "screen size bytes are rounded to 1 cm",
    "screen size bytes are in units of 5 cm",
};

const char* const kThreeDMulti[] = {
    "no 3D_Structure_ALL or 3D_MASK",
    "3D_Structure_ALL",
    "3D_Structure_ALL and 3D_MASK",
    "reserved",
};

const FieldRange kRanges[] = {
    {"Max TMDS clock", 5, 1275, 5, "MHz", true},
    {"Latency", 0, 500, 2, "ms", false},
    {"HDMI VIC", 1, 255, 1, "", false},
    {"Number of HDMI VICs", 0, kMaxVics, 1, "", false},
    {"3D part length", 0, kMaxThreeD, 1, "bytes", false},
    {"Image size", 0, 3, 1, "", false},
    {"3D multi present", 0, 3, 1, "", false},
};

const char kBlockName[] = "HDMI";

// Where the flags of P[7] place the parts after it. A part may start or
// end past the payload of a truncated block; -1 for a part the flags leave
// out.
struct VariableLayout {
    int latency = -1;
    int interlaced = -1;
    int video = -1;
    int vics = -1;
    int vicCount = 0;
    int threeD = -1;
    int threeDCount = 0;
    int end = 0;
};

VariableLayout variableLayout(const QByteArray& p)
{
    VariableLayout layout;
    layout.end = qMin(p.size(), kVariableStart);
    if (p.size() < kVariableStart)
        return layout;
    const int flags = payloadByte(p, kFeatureByte);
    int i = kVariableStart;
    // Interlaced latency only follows progressive latency: without it the
    // interlaced flag places no bytes.
    if (flags & kLatencyFlag) {
        layout.latency = i;
        i += 2;
        if (flags & kInterlacedFlag) {
            layout.interlaced = i;
            i += 2;
        }
    }
    if (flags & kVideoFlag) {
        layout.video = i;
        const int lengths = payloadByte(p, i + 1);
        layout.vicCount = lengths >> 5;
        layout.threeDCount = lengths & 31;
        layout.vics = i + 2;
        layout.threeD = layout.vics + layout.vicCount;
        i = layout.threeD + layout.threeDCount;
    }
    layout.end = i;
    return layout;
}

void decodeVariablePart(HdmiVendorBlock& r)
{
    const QByteArray& p = r.payload;
    const int flags = payloadByte(p, kFeatureByte);
    r.latencyPresent = flags & kLatencyFlag;
    r.interlacedLatencyPresent = flags & kInterlacedFlag;
    r.hdmiVideoPresent = flags & kVideoFlag;
    const VariableLayout layout = variableLayout(p);
    if (layout.latency >= 0) {
        r.videoLatency = payloadByte(p, layout.latency);
        r.audioLatency = payloadByte(p, layout.latency + 1);
    }
    if (layout.interlaced >= 0) {
        r.interlacedVideoLatency = payloadByte(p, layout.interlaced);
        r.interlacedAudioLatency = payloadByte(p, layout.interlaced + 1);
    }
    if (layout.video >= 0) {
        const int video = payloadByte(p, layout.video);
        r.threeDPresent = video & 0x80;
        r.threeDMultiPresent = (video >> 5) & 3;
        r.imageSize = (video >> 3) & 3;
        for (int i = layout.vics; i < layout.threeD && i < p.size(); ++i)
            r.hdmiVics << payloadByte(p, i);
        if (layout.threeD < p.size())
            r.threeD = p.mid(layout.threeD, layout.threeDCount);
    }
    if (layout.end < p.size())
        r.trailing = p.mid(layout.end);
}

bool sameVariablePart(const HdmiVendorBlock& a, const HdmiVendorBlock& b)
{
    return a.latencyPresent == b.latencyPresent && a.interlacedLatencyPresent == b.interlacedLatencyPresent
        && a.hdmiVideoPresent == b.hdmiVideoPresent && a.videoLatency == b.videoLatency
        && a.audioLatency == b.audioLatency && a.interlacedVideoLatency == b.interlacedVideoLatency
        && a.interlacedAudioLatency == b.interlacedAudioLatency && a.threeDPresent == b.threeDPresent
        && a.threeDMultiPresent == b.threeDMultiPresent && a.imageSize == b.imageSize
        && a.hdmiVics == b.hdmiVics && a.threeD == b.threeD && a.trailing == b.trailing;
}

// The parts after P[7] laid out from the fields; `reserved` holds the
// reserved bits 2-0 of the video byte.
QByteArray variablePart(const HdmiVendorBlock& r, int reserved)
{
    QByteArray part;
    if (r.latencyPresent) {
        part.append(char(r.videoLatency)).append(char(r.audioLatency));
        if (r.interlacedLatencyPresent)
            part.append(char(r.interlacedVideoLatency)).append(char(r.interlacedAudioLatency));
    }
    if (r.hdmiVideoPresent) {
        const int vicCount = qMin(r.hdmiVics.size(), kMaxVics);
        const QByteArray threeD = r.threeD.left(kMaxThreeD);
        part.append(char((r.threeDPresent ? 0x80 : 0) | (r.threeDMultiPresent & 3) << 5
                         | (r.imageSize & 3) << 3 | (reserved & 7)));
        part.append(char(vicCount << 5 | threeD.size()));
        for (int i = 0; i < vicCount; ++i)
            part.append(char(r.hdmiVics.at(i)));
        part.append(threeD);
    }
    return part + r.trailing;
}

QString tmdsClockText(int mhz)
{
    return mhz ? QStringLiteral("%1 MHz").arg(mhz) : QStringLiteral("0 MHz (not given)");
}

QString vicListText(const QList<int>& vics)
{
    QStringList items;
    for (int vic : vics) {
        const QString name = hdmiVicName(vic);
        items << (name.isEmpty() ? QString::number(vic) : QStringLiteral("%1 (%2)").arg(vic).arg(name));
    }
    return items.isEmpty() ? QStringLiteral("none") : items.join(QStringLiteral(", "));
}

class Describer
{
public:
    Describer(const HdmiVendorBlock& record, int payloadOffset, DecodedNode& node, Findings& findings)
            : r(record), p(record.payload), offset(payloadOffset), node(node), out(findings),
              layout(variableLayout(record.payload))
    {
    }

    void run()
    {
        if (p.size() < kMandatoryEnd)
            fail(0, p.size(),
                 QStringLiteral("%1 payload bytes; the block needs at least %2 (OUI and physical address).")
                     .arg(p.size())
                     .arg(kMandatoryEnd));
        if (p.size() > 4)
            node.add(QStringLiteral("Physical address"), physicalAddressText(r.physicalAddress), offset + 3,
                     2);
        describePayloadFlags(kLayout, r, offset, 5, 5, node);
        if (payloadByte(p, 5) & 0x06)
            warn(5, 1, QStringLiteral("reserved bits 2-1 of the deep color byte are set."));
        if (r.hasMaxTmdsClock) {
            node.add(QStringLiteral("Max TMDS clock"), tmdsClockText(r.maxTmdsClock), offset + 6);
            if (r.maxTmdsClock > 340)
                warn(6, 1,
                     QStringLiteral(
                         "max TMDS clock %1 MHz is above 340 MHz (the HDMI Forum block gives higher rates).")
                         .arg(r.maxTmdsClock));
        }
        if (r.hasFeatures)
            features();
    }

private:
    void features()
    {
        node.add(QStringLiteral("Latency fields present"), yesNo(r.latencyPresent), offset + kFeatureByte);
        node.add(QStringLiteral("Interlaced latency fields present"), yesNo(r.interlacedLatencyPresent),
                 offset + kFeatureByte);
        node.add(QStringLiteral("HDMI video present"), yesNo(r.hdmiVideoPresent), offset + kFeatureByte);
        describePayloadFlags(kLayout, r, offset, kFeatureByte, kFeatureByte, node);
        if (payloadByte(p, kFeatureByte) & 0x10)
            warn(kFeatureByte, 1, QStringLiteral("reserved bit 4 of the latency / video flags byte is set."));
        if (r.interlacedLatencyPresent && !r.latencyPresent)
            warn(kFeatureByte, 1,
                 QStringLiteral("I_Latency_Fields_Present is set without Latency_Fields_Present."));
        latency(QStringLiteral("Video latency"), layout.latency, r.videoLatency);
        latency(QStringLiteral("Audio latency"), layout.latency < 0 ? -1 : layout.latency + 1,
                r.audioLatency);
        latency(QStringLiteral("Interlaced video latency"), layout.interlaced, r.interlacedVideoLatency);
        latency(QStringLiteral("Interlaced audio latency"),
                layout.interlaced < 0 ? -1 : layout.interlaced + 1, r.interlacedAudioLatency);
        if (layout.video >= 0 && layout.video < p.size())
            video();
        if (layout.end > p.size())
            fail(kFeatureByte, p.size() - kFeatureByte,
                 QStringLiteral("the latency and HDMI video fields need %1 bytes but the block has %2.")
                     .arg(layout.end)
                     .arg(p.size()));
        addTrailingField(node, p, layout.end, offset);
        addTrailingFinding(out, QString::fromLatin1(kBlockName), offset, layout.end, p.size() - layout.end);
    }

    void latency(const QString& name, int byte, int code)
    {
        if (byte < 0 || byte >= p.size())
            return;
        node.add(name, latencyText(code), offset + byte);
        if (code > kLastValidLatency && code < kNotSupportedLatency)
            warn(byte, 1, QStringLiteral("%1 code %2 is invalid.").arg(name).arg(code));
    }

    void video()
    {
        const int v = layout.video;
        node.add(QStringLiteral("3D present"), yesNo(r.threeDPresent), offset + v);
        node.add(QStringLiteral("3D multi present"),
                 QStringLiteral("%1 (%2)")
                     .arg(r.threeDMultiPresent)
                     .arg(QString::fromLatin1(kThreeDMulti[r.threeDMultiPresent])),
                 offset + v);
        node.add(
            QStringLiteral("Image size"),
            QStringLiteral("%1 (%2)").arg(r.imageSize).arg(QString::fromLatin1(kImageSizes[r.imageSize])),
            offset + v);
        if (payloadByte(p, v) & 0x07)
            warn(v, 1, QStringLiteral("reserved bits 2-0 of the HDMI video byte are set."));
        if (r.threeDMultiPresent == 3)
            warn(v, 1, QStringLiteral("3D_Multi_present value 3 is reserved."));
        if (v + 1 >= p.size())
            return;
        // A list cut short by the end of the block shows what is there.
        const int vicsAt = r.hdmiVics.isEmpty() ? v + 1 : layout.vics;
        node.add(QStringLiteral("HDMI VICs"), vicListText(r.hdmiVics), offset + vicsAt,
                 qMax(r.hdmiVics.size(), 1));
        for (int i = 0; i < r.hdmiVics.size(); ++i) {
            if (hdmiVicName(r.hdmiVics.at(i)).isEmpty())
                warn(layout.vics + i, 1, QStringLiteral("unknown HDMI VIC %1.").arg(r.hdmiVics.at(i)));
        }
        if (!r.threeD.isEmpty())
            node.add(QStringLiteral("3D data (kept raw)"),
                     QStringLiteral("%1 bytes: %2").arg(r.threeD.size()).arg(hexBytes(r.threeD)),
                     offset + layout.threeD, r.threeD.size());
    }

    void warn(int byte, int length, const QString& text) { add(Finding::Warning, byte, length, text); }
    void fail(int byte, int length, const QString& text) { add(Finding::Failure, byte, length, text); }
    void add(Finding::Level level, int byte, int length, const QString& text)
    {
        addFinding(out, level, offset, byte, length,
                   QString::fromLatin1(kBlockName) + QStringLiteral(": ") + text);
    }

    const HdmiVendorBlock& r;
    const QByteArray& p;
    int offset;
    DecodedNode& node;
    Findings& out;
    VariableLayout layout;
};

} // namespace

HdmiVendorBlock decodeHdmiVendorBlock(const QByteArray& payload)
{
    HdmiVendorBlock record = decodedPayloadFields(kLayout, payload);
    decodeVariablePart(record);
    return record;
}

QByteArray encodeHdmiVendorBlock(const HdmiVendorBlock& record)
{
    const HdmiVendorBlock old = decodeHdmiVendorBlock(record.payload);
    QByteArray bytes
        = encodePayloadFields(kLayout, record, old, QByteArray(reinterpret_cast<const char*>(HDMI_OUI), 3));
    if (!record.hasFeatures || sameVariablePart(record, old))
        return bytes;
    const VariableLayout layout = variableLayout(record.payload);
    const int reserved = layout.video >= 0 ? payloadByte(record.payload, layout.video) : 0;
    const int flags = (record.latencyPresent ? kLatencyFlag : 0)
        | (record.interlacedLatencyPresent ? kInterlacedFlag : 0)
        | (record.hdmiVideoPresent ? kVideoFlag : 0);
    bytes.truncate(kVariableStart);
    bytes[kFeatureByte] = char((Byte(bytes.at(kFeatureByte)) & 0x1F) | flags);
    return bytes + variablePart(record, reserved);
}

QString physicalAddressText(int address)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg((address >> 12) & 15, 0, 16)
        .arg((address >> 8) & 15, 0, 16)
        .arg((address >> 4) & 15, 0, 16)
        .arg(address & 15, 0, 16);
}

int parsePhysicalAddress(const QString& text)
{
    const QStringList digits = text.trimmed().split(QLatin1Char('.'));
    if (digits.size() != 4)
        return -1;
    int address = 0;
    for (const QString& digit : digits) {
        bool ok = false;
        const int value = digit.toInt(&ok, 16);
        if (!ok || digit.size() != 1)
            return -1;
        address = address << 4 | value;
    }
    return address;
}

int latencyMilliseconds(int code)
{
    return code >= 1 && code <= kLastValidLatency ? 2 * (code - 1) : -1;
}

int latencyCodeOf(int milliseconds)
{
    return qBound(1, milliseconds / 2 + 1, kLastValidLatency);
}

QString latencyText(int code)
{
    if (code == 0)
        return QStringLiteral("unknown (code 0)");
    if (code == kNotSupportedLatency)
        return QStringLiteral("not supported (code 255)");
    if (code > kLastValidLatency)
        return QStringLiteral("invalid (code %1)").arg(code);
    return QStringLiteral("%1 ms (code %2)").arg(latencyMilliseconds(code)).arg(code);
}

QString hdmiVicName(int vic)
{
    if (vic >= 1 && vic <= int(sizeof kHdmiVics / sizeof *kHdmiVics))
        return QString::fromLatin1(kHdmiVics[vic - 1]);
    return QString();
}

FieldRange hdmiRange(HdmiValue value)
{
    return kRanges[int(value)];
}

void describeHdmiVendorBlock(const HdmiVendorBlock& record, int payloadOffset, DecodedNode& node,
                             Findings& findings)
{
    node.name = QString::fromLatin1(kBlockName);
    Describer(record, payloadOffset, node, findings).run();
}
