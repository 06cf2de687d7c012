#include "ceadolbyvision.h"

#include "ceapayloadfields.h"

#include <cmath>

using namespace FieldText;

const Byte DOLBY_OUI[3] = {0x46, 0xD0, 0x00};

namespace {

constexpr int kVendorStart = 4;
// Vendor bytes each layout reads.
constexpr int kVersion0Size = 17;
constexpr int kShortSize = 7;
constexpr int kLongVersion1Size = 10;

const char* const kInterfaces[4] = {
    "Low-Latency",
    "Low-Latency + Low-Latency-HDMI",
    "Standard + Low-Latency",
    "Standard + Low-Latency + Low-Latency-HDMI",
};
const char* const kYuv444[4] = {"not supported", "10 bit", "12 bit", "reserved"};
const char* const kPrimaryNames[4] = {"Red primary", "Green primary", "Blue primary", "White point"};

// Vendor byte n of the block; 0 past its end.
int v(const QByteArray& payload, int n)
{
    return payloadByte(payload, kVendorStart + n);
}

void decodeVersion0(DolbyVisionBlock& r)
{
    const QByteArray& p = r.payload;
    r.globalDimming = v(p, 0) & 4;
    r.supports2160p60 = v(p, 0) & 2;
    r.yuv422TwelveBit = v(p, 0) & 1;
    for (int k = 0; k < 4; ++k) {
        const int b = 1 + 3 * k;
        r.primaries[2 * k] = (v(p, b + 1) << 4 | v(p, b) >> 4) / 4096.0;
        r.primaries[2 * k + 1] = (v(p, b + 2) << 4 | (v(p, b) & 15)) / 4096.0;
    }
    r.targetMinPq = v(p, 14) << 4 | v(p, 13) >> 4;
    r.targetMaxPq = v(p, 15) << 4 | (v(p, 13) & 15);
    r.dmVersionMajor = v(p, 16) >> 4;
    r.dmVersionMinor = v(p, 16) & 15;
}

void decodeVersion1(DolbyVisionBlock& r)
{
    const QByteArray& p = r.payload;
    r.dmVersionMajor = ((v(p, 0) >> 2) & 7) + 2;
    r.supports2160p60 = v(p, 0) & 2;
    r.yuv422TwelveBit = v(p, 0) & 1;
    r.targetMaxLuminance = 100 + 50 * (v(p, 1) >> 1);
    r.globalDimming = v(p, 1) & 1;
    const double minimum = (v(p, 2) >> 1) / 127.0;
    r.targetMinLuminance = minimum * minimum;
    r.colorimetryP3 = v(p, 2) & 1;
    r.lowLatency = v(p, 3) & 1;
    if (p.size() - kVendorStart >= kLongVersion1Size) {
        for (int i = 0; i < 6; ++i)
            r.primaries[i] = v(p, 4 + i) / 256.0;
        return;
    }
    // The short form packs indexes into the spans each primary may take.
    const int ry = (v(p, 6) & 7) << 2 | (v(p, 5) & 1) << 1 | (v(p, 4) & 1);
    r.primaries[0] = 0.625 + (v(p, 6) >> 3) * (0.74609375 - 0.625) / 31;
    r.primaries[1] = 0.25 + ry * (0.37109375 - 0.25) / 31;
    r.primaries[2] = (v(p, 4) >> 1) * 0.49609375 / 127;
    r.primaries[3] = 0.5 + (v(p, 5) >> 1) * (0.99609375 - 0.5) / 127;
    r.primaries[4] = 0.125 + (v(p, 3) >> 5) * (0.15234375 - 0.125) / 7;
    r.primaries[5] = 0.03125 + ((v(p, 3) >> 2) & 7) * (0.05859375 - 0.03125) / 7;
}

void decodeVersion2(DolbyVisionBlock& r)
{
    const QByteArray& p = r.payload;
    r.dmVersionMajor = ((v(p, 0) >> 2) & 7) + 2;
    r.backlightControl = v(p, 0) & 2;
    r.yuv422TwelveBit = v(p, 0) & 1;
    r.targetMinPq = 20 * (v(p, 1) >> 3);
    r.globalDimming = v(p, 1) & 4;
    r.backlightMinLuminance = 25 + 25 * (v(p, 1) & 3);
    r.targetMaxPq = 2055 + 65 * (v(p, 2) >> 3);
    r.interfaceCode = v(p, 2) & 3;
    r.yuv444Code = (v(p, 3) & 1) << 1 | (v(p, 4) & 1);
    r.primaries[0] = 0.625 + (v(p, 5) >> 3) / 256.0;
    r.primaries[1] = 0.25 + (v(p, 6) >> 3) / 256.0;
    r.primaries[2] = (v(p, 3) >> 1) / 256.0;
    r.primaries[3] = 0.5 + (v(p, 4) >> 1) / 256.0;
    r.primaries[4] = 0.125 + (v(p, 5) & 7) / 256.0;
    r.primaries[5] = 0.03125 + (v(p, 6) & 7) / 256.0;
}

QString pqText(int code)
{
    return QStringLiteral("%1 (%2 cd/m2)").arg(code).arg(pqLuminance(code), 0, 'g', 6);
}

int expectedSize(const DolbyVisionBlock& r, int vendorBytes)
{
    if (r.version == 0)
        return kVersion0Size;
    if (r.version == 1 && vendorBytes >= kLongVersion1Size)
        return kLongVersion1Size;
    return kShortSize;
}

void describeFields(const DolbyVisionBlock& r, int at, bool longForm, DecodedNode& node)
{
    const QString dm = r.dmVersionMinor < 0
        ? QStringLiteral("%1.x").arg(r.dmVersionMajor)
        : QStringLiteral("%1.%2").arg(r.dmVersionMajor).arg(r.dmVersionMinor);
    node.add(QStringLiteral("DM version"), dm, r.version == 0 ? at + 16 : at);
    if (r.version != 2)
        node.add(QStringLiteral("Supports 2160p60"), yesNo(r.supports2160p60), at);
    node.add(QStringLiteral("YUV 4:2:2 12 bit"), yesNo(r.yuv422TwelveBit), at);
    node.add(QStringLiteral("Global dimming"), yesNo(r.globalDimming), at + (r.version == 0 ? 0 : 1));
    if (r.version == 1) {
        node.add(QStringLiteral("Colorimetry"),
                 r.colorimetryP3 ? QStringLiteral("P3-D65") : QStringLiteral("BT.709"), at + 2);
        node.add(QStringLiteral("Low latency"),
                 r.lowLatency ? QStringLiteral("Standard + Low Latency") : QStringLiteral("Standard only"),
                 at + 3);
        node.add(QStringLiteral("Target min luminance"),
                 QStringLiteral("%1 cd/m2").arg(r.targetMinLuminance, 0, 'f', 8), at + 2);
        node.add(QStringLiteral("Target max luminance"), QStringLiteral("%1 cd/m2").arg(r.targetMaxLuminance),
                 at + 1);
    }
    if (r.version == 2) {
        node.add(QStringLiteral("Backlight control"), yesNo(r.backlightControl), at);
        node.add(QStringLiteral("Backlight min luminance"),
                 QStringLiteral("%1 cd/m2").arg(r.backlightMinLuminance), at + 1);
        node.add(QStringLiteral("Interface"), QString::fromLatin1(kInterfaces[r.interfaceCode]), at + 2);
        node.add(QStringLiteral("YUV 4:4:4 10/12 bit"), QString::fromLatin1(kYuv444[r.yuv444Code]), at + 3,
                 2);
    }
    if (r.version != 1) {
        node.add(QStringLiteral("Target min PQ"), pqText(r.targetMinPq), r.version == 0 ? at + 13 : at + 1);
        node.add(QStringLiteral("Target max PQ"), pqText(r.targetMaxPq), r.version == 0 ? at + 13 : at + 2);
    }
    const int primaries = r.version == 0 ? 4 : 3;
    for (int k = 0; k < primaries; ++k) {
        // Version 0 keeps each colour in 3 bytes, the long version 1 form in
        // 2; the short forms pack all three into vendor bytes 3 to 6.
        const int first = r.version == 0 ? 1 + 3 * k : longForm ? 4 + 2 * k : 3;
        const int length = r.version == 0 ? 3 : longForm ? 2 : 4;
        node.add(QString::fromLatin1(kPrimaryNames[k]),
                 QStringLiteral("%1, %2")
                     .arg(r.primaries[2 * k], 0, 'f', 8)
                     .arg(r.primaries[2 * k + 1], 0, 'f', 8),
                 at + first, length);
    }
}

} // namespace

DolbyVisionBlock decodeDolbyVisionBlock(const QByteArray& payload)
{
    DolbyVisionBlock record;
    record.payload = payload;
    if (payload.size() <= kVendorStart)
        return record;
    record.version = v(payload, 0) >> 5;
    switch (record.version) {
    case 0: decodeVersion0(record); break;
    case 1: decodeVersion1(record); break;
    case 2: decodeVersion2(record); break;
    default: break;
    }
    return record;
}

double pqLuminance(int code)
{
    const double m1 = 2610.0 / 16384, m2 = 128 * 2523.0 / 4096;
    const double c1 = 3424.0 / 4096, c2 = 32 * 2413.0 / 4096, c3 = 32 * 2392.0 / 4096;
    const double e = std::pow(code / 4095.0, 1 / m2);
    return 10000 * std::pow(qMax(e - c1, 0.0) / (c2 - c3 * e), 1 / m1);
}

void describeDolbyVisionBlock(const DolbyVisionBlock& r, int payloadOffset, DecodedNode& node,
                              Findings& findings)
{
    node.name = QStringLiteral("Dolby Vision");
    const QByteArray& p = r.payload;
    const int vendorBytes = p.size() - kVendorStart;
    if (r.version < 0) {
        addFinding(findings, Finding::Failure, payloadOffset, 0, p.size(),
                   QStringLiteral("Dolby Vision: the block ends before its version byte."));
        return;
    }
    const int at = payloadOffset + kVendorStart;
    node.add(QStringLiteral("Version"), QStringLiteral("%1 (%2 bytes)").arg(r.version).arg(p.size() + 1), at);
    if (r.version > 2) {
        addFinding(findings, Finding::Warning, payloadOffset, kVendorStart, 1,
                   QStringLiteral("Dolby Vision: unknown version %1; the vendor bytes are not decoded.")
                       .arg(r.version));
        node.add(QStringLiteral("Vendor bytes"), hexBytes(p.mid(kVendorStart)), at, vendorBytes);
        return;
    }
    const int expected = expectedSize(r, vendorBytes);
    if (vendorBytes < expected) {
        addFinding(findings, Finding::Failure, payloadOffset, 0, p.size(),
                   QStringLiteral("Dolby Vision: version %1 needs %2 vendor bytes; the block has %3.")
                       .arg(r.version)
                       .arg(expected)
                       .arg(vendorBytes));
        node.add(QStringLiteral("Vendor bytes"), hexBytes(p.mid(kVendorStart)), at, vendorBytes);
        return;
    }
    describeFields(r, at, expected == kLongVersion1Size, node);
    addTrailingField(node, p, kVendorStart + expected, payloadOffset);
    addTrailingFinding(findings, QStringLiteral("Dolby Vision"), payloadOffset, kVendorStart + expected,
                       vendorBytes - expected);
}
