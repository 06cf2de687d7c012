// DisplayID 1.x and 2.0 sections carried in an EDID extension block (tag
// 0x70): the section header, every data block and the section checksum.
#include "ceavic.h"
#include "decodecontext.h"

#include <QStringList>
#include <cmath>

using namespace FieldText;

namespace {

constexpr int kSectionStart = 5;        // first data block byte
constexpr int kMaxSectionBytes = 121;   // data block bytes that fit in the block
constexpr int kTimingDescriptorSize = 20;

struct NamedTag {
    int tag;
    const char* name;
};

const NamedTag kTags[] = {
    {0x00, "Product Identification Data Block"},
    {0x01, "Display Parameters Data Block"},
    {0x02, "Color Characteristics Data Block"},
    {0x03, "Video Timing Modes Type 1 - Detailed Timings Data Block"},
    {0x04, "Video Timing Modes Type 2 - Detailed Timings Data Block"},
    {0x05, "Video Timing Modes Type 3 - Short Timings Data Block"},
    {0x06, "Video Timing Modes Type 4 - DMT Timings Data Block"},
    {0x07, "Supported Timing Modes Type 1 - VESA DMT Timings Data Block"},
    {0x08, "Supported Timing Modes Type 2 - CTA-861 Timings Data Block"},
    {0x09, "Video Timing Range Data Block"},
    {0x0A, "Product Serial Number Data Block"},
    {0x0B, "GP ASCII String Data Block"},
    {0x0C, "Display Device Data Data Block"},
    {0x0D, "Interface Power Sequencing Data Block"},
    {0x0E, "Transfer Characteristics Data Block"},
    {0x0F, "Display Interface Data Block"},
    {0x10, "Stereo Display Interface Data Block"},
    {0x11, "Video Timing Modes Type 5 - Short Timings Data Block"},
    {0x12, "Tiled Display Topology Data Block"},
    {0x13, "Video Timing Modes Type 6 - Detailed Timings Data Block"},
    {0x20, "Product Identification Data Block"},
    {0x21, "Display Parameters Data Block"},
    {0x22, "Video Timing Modes Type 7 - Detailed Timings Data Block"},
    {0x23, "Video Timing Modes Type 8 - Enumerated Timing Codes Data Block"},
    {0x24, "Video Timing Modes Type 9 - Formula-based Timings Data Block"},
    {0x25, "Dynamic Video Timing Range Limits Data Block"},
    {0x26, "Display Interface Features Data Block"},
    {0x27, "Stereo Display Interface Data Block"},
    {0x28, "Tiled Display Topology Data Block"},
    {0x29, "ContainerID Data Block"},
    {0x2A, "Video Timing Modes Type 10 - Formula-based Timings Data Block"},
    {0x2B, "Adaptive Sync Data Block"},
    {0x7E, "Vendor-Specific Data Block"},
    {0x7F, "Vendor-Specific Data Block"},
    {0x81, "CTA-861 DisplayID Data Block"},
};

// Common VESA DMT timings: the ID, the active size and the figures from
// which the rates follow.
struct DmtTiming {
    int id, width, height, clockKHz, hTotal, vTotal;
};
const DmtTiming kDmt[] = {
    {0x04, 640, 480, 25175, 800, 525},     {0x05, 640, 480, 31500, 832, 520},
    {0x06, 640, 480, 31500, 840, 500},     {0x08, 800, 600, 36000, 1024, 625},
    {0x09, 800, 600, 40000, 1056, 628},    {0x0A, 800, 600, 50000, 1040, 666},
    {0x0B, 800, 600, 49500, 1056, 625},    {0x10, 1024, 768, 65000, 1344, 806},
    {0x11, 1024, 768, 75000, 1328, 806},   {0x12, 1024, 768, 78750, 1312, 800},
    {0x15, 1152, 864, 108000, 1600, 900},  {0x16, 1280, 768, 79500, 1664, 798},
    {0x1B, 1280, 800, 71000, 1440, 823},   {0x1C, 1280, 800, 83500, 1680, 831},
    {0x20, 1280, 960, 108000, 1800, 1000}, {0x23, 1280, 1024, 108000, 1688, 1066},
    {0x24, 1280, 1024, 135000, 1688, 1066}, {0x27, 1360, 768, 85500, 1792, 795},
    {0x29, 1400, 1050, 101000, 1560, 1080}, {0x2A, 1400, 1050, 121750, 1864, 1089},
    {0x2E, 1440, 900, 88750, 1600, 926},   {0x2F, 1440, 900, 106500, 1904, 934},
    {0x33, 1600, 1200, 162000, 2160, 1250}, {0x39, 1680, 1050, 119000, 1840, 1080},
    {0x3A, 1680, 1050, 146250, 2240, 1089}, {0x44, 1920, 1200, 154000, 2080, 1235},
    {0x45, 1920, 1200, 193250, 2592, 1245}, {0x4C, 2560, 1600, 268500, 2720, 1646},
    {0x4D, 2560, 1600, 348500, 3504, 1658}, {0x51, 1366, 768, 85500, 1792, 798},
    {0x52, 1920, 1080, 148500, 2200, 1125}, {0x53, 1600, 900, 108000, 1800, 1000},
    {0x55, 1280, 720, 74250, 1650, 750},
};

const char* const kAspects[16] = {"1:1", "5:4", "4:3", "15:9", "16:9", "16:10", "64:27", "256:135",
                                  "undefined", "reserved", "reserved", "reserved", "reserved", "reserved",
                                  "reserved", "reserved"};
const char* const kStereo[4] = {"no 3D stereo", "3D stereo", "3D stereo on user action", "reserved stereo"};

const char* tagName(int tag)
{
    for (const NamedTag& entry : kTags) {
        if (entry.tag == tag)
            return entry.name;
    }
    return nullptr;
}

// One data block: header at `offset` (absolute), payload after it.
struct Data {
    const Byte* p;      // payload
    int offset;         // absolute offset of the tag byte
    int revision;       // bits 2:0 of the header's second byte
    Byte flags;         // the header's second byte
    int length;
    int at(int i) const { return offset + 3 + i; }
    int u16(int i) const { return p[i] | p[i + 1] << 8; }
    int u24(int i) const { return p[i] | p[i + 1] << 8 | p[i + 2] << 16; }
};

QString threeLetters(const Byte* b)
{
    return QString::fromLatin1(reinterpret_cast<const char*>(b), 3);
}

QString ouiMsbFirst(const Byte* b)
{
    return QStringLiteral("%1-%2-%3").arg(hexByte(b[0]), hexByte(b[1]), hexByte(b[2]));
}

void recordTiming(DecodeContext& context, const QString& name, int offset, int width, int height, bool interlaced,
                  double clockKHz, int hTotal, int vTotal, const QString& aspect, const QString& extra,
                  DecodedNode& node, int length)
{
    const double hKHz = hTotal ? clockKHz / hTotal : 0;
    const double vHz = vTotal ? hKHz * 1000.0 / vTotal : 0;
    node.add(name, timingSummary(width, height, interlaced, vHz, hKHz, clockKHz / 1000.0, aspect) + extra, offset, length);
    context.timings.append({name, context.block, offset, vHz, hKHz, clockKHz / 1000.0});
}

// Type I (10 kHz clock) and Type VII (1 kHz clock) detailed timings.
void detailedTimings(DecodeContext& context, const Data& d, bool typeVII, DecodedNode& node)
{
    const int size = kTimingDescriptorSize + (typeVII && d.revision >= 2 ? (d.flags >> 4) & 7 : 0);
    if (d.length % size)
        context.warn(d.offset, d.length + 3, node.name + ": length is not a multiple of the descriptor size");
    for (int i = 0, n = 1; i + size <= d.length; i += size, ++n) {
        const Byte* t = d.p + i;
        const double clockKHz = (t[0] | t[1] << 8 | t[2] << 16) + 1.0;
        const int hActive = (t[4] | t[5] << 8) + 1, hBlank = (t[6] | t[7] << 8) + 1;
        const int hFront = ((t[8] | t[9] << 8) & 0x7FFF) + 1, hSync = (t[10] | t[11] << 8) + 1;
        const int vActive = (t[12] | t[13] << 8) + 1, vBlank = (t[14] | t[15] << 8) + 1;
        const int vFront = ((t[16] | t[17] << 8) & 0x7FFF) + 1, vSync = (t[18] | t[19] << 8) + 1;
        const bool interlaced = t[3] & 0x10;
        const bool bit7 = t[3] & 0x80;
        QString extra = QStringLiteral(" (aspect %1, %2").arg(kAspects[t[3] & 15], kStereo[(t[3] >> 5) & 3]);
        if (bit7)
            extra += typeVII && d.revision >= 2 ? QStringLiteral(", YCbCr 4:2:0") : QStringLiteral(", preferred");
        extra += QLatin1Char(')');
        const QString aspect = (t[3] & 15) <= 7 ? QString(kAspects[t[3] & 15]) : aspectOf(hActive, vActive);
        const QString name = QStringLiteral("%1 DTD %2").arg(typeVII ? "Type VII" : "Type I").arg(n);
        recordTiming(context, name, d.at(i), hActive, vActive, interlaced, clockKHz * (typeVII ? 1 : 10),
                     hActive + hBlank, vActive + vBlank, aspect, extra, node, size);
        node.add(name + " horizontal", QStringLiteral("front porch %1, sync %2, back porch %3, polarity %4")
                                           .arg(hFront).arg(hSync).arg(hBlank - hFront - hSync)
                                           .arg(t[9] & 0x80 ? "+" : "-"), d.at(i + 6), 6);
        node.add(name + " vertical", QStringLiteral("front porch %1, sync %2, back porch %3, polarity %4")
                                         .arg(vFront).arg(vSync).arg(vBlank - vFront - vSync)
                                         .arg(t[17] & 0x80 ? "+" : "-"), d.at(i + 14), 6);
    }
}

void shortTimings(DecodeContext& context, const Data& d, DecodedNode& node)
{
    static const int kRatio[8][2] = {{1, 1}, {5, 4}, {4, 3}, {15, 9}, {16, 9}, {16, 10}, {64, 27}, {256, 135}};
    for (int i = 0; i + 3 <= d.length; i += 3) {
        const Byte* t = d.p + i;
        const int width = (t[1] + 1) * 8;
        const int a = t[0] & 7;
        const int height = width * kRatio[a][1] / kRatio[a][0];
        node.add(QStringLiteral("Type III timing %1").arg(i / 3 + 1),
                 QStringLiteral("%1x%2%3 @ %4 Hz %5:%6, %7%8")
                     .arg(width).arg(height).arg(t[2] & 0x80 ? "i" : "").arg((t[2] & 0x7F) + 1)
                     .arg(kRatio[a][0]).arg(kRatio[a][1])
                     .arg(((t[0] >> 4) & 7) ? "CVT reduced blanking" : "CVT", t[0] & 0x80 ? ", preferred" : ""),
                 d.at(i), 3);
    }
    Q_UNUSED(context);
}

void dmtTiming(DecodeContext& context, int id, int offset, DecodedNode& node)
{
    const QString name = QStringLiteral("DMT 0x%1").arg(hexByte(id).toLower());
    for (const DmtTiming& t : kDmt) {
        if (t.id == id)
            return recordTiming(context, name, offset, t.width, t.height, false, t.clockKHz, t.hTotal, t.vTotal,
                                aspectOf(t.width, t.height), QString(), node, 1);
    }
    node.add(name, QStringLiteral("DMT ID 0x%1").arg(hexByte(id)), offset);
}

void vicTimingField(DecodeContext& context, int vic, int offset, DecodedNode& node)
{
    const CEAVicTiming* t = vicTiming(vic);
    const QString name = QStringLiteral("VIC %1").arg(vic);
    if (!t)
        return node.add(name, QStringLiteral("reserved"), offset);
    recordTiming(context, name, offset, t->hActive, t->vActive, t->interlaced, t->pixelClockKHz, t->hTotal,
                 t->vTotal / (t->interlaced ? 2 : 1), t->aspect, QStringLiteral(" - ") + vicName(vic), node, 1);
}

void timingBitmap(DecodeContext& context, const Data& d, bool vics, DecodedNode& node)
{
    for (int i = 0; i < d.length * 8; ++i) {
        if (!(d.p[i / 8] & (1 << (i % 8))))
            continue;
        if (vics)
            vicTimingField(context, i + 1, d.at(i / 8), node);
        else
            dmtTiming(context, i + 1, d.at(i / 8), node);
    }
}

void timingCodes(DecodeContext& context, const Data& d, int codeType, bool twoBytes, DecodedNode& node)
{
    const int step = twoBytes ? 2 : 1;
    for (int i = 0; i + step <= d.length; i += step) {
        const int code = twoBytes ? d.u16(i) : d.p[i];
        if (codeType == 0)
            dmtTiming(context, code, d.at(i), node);
        else if (codeType == 1)
            vicTimingField(context, code, d.at(i), node);
        else
            node.add(QStringLiteral("HDMI VIC %1").arg(code), QStringLiteral("HDMI VIC %1").arg(code), d.at(i), step);
    }
}

void formulaTimings(const Data& d, bool typeX, DecodedNode& node)
{
    static const char* const kFormula[8] = {"CVT", "CVT RB", "CVT RB v2", "CVT RB v3", "reserved", "reserved",
                                            "reserved", "reserved"};
    const int size = 6 + (typeX ? (d.flags >> 4) & 7 : 0);
    for (int i = 0, n = 1; i + size <= d.length; i += size, ++n) {
        const Byte* t = d.p + i;
        int rate = t[5] + 1;
        if (typeX && size >= 7)
            rate += (t[6] & 3) << 8;
        node.add(QStringLiteral("Formula timing %1").arg(n),
                 QStringLiteral("%1x%2 @ %3 Hz, %4%5")
                     .arg(d.u16(i + 1) + 1).arg(d.u16(i + 3) + 1).arg(rate).arg(kFormula[t[0] & 7],
                                                                                t[0] & 0x10 ? ", also at 1000/1001" : ""),
                 d.at(i), size);
    }
}

void productId(const Data& d, bool v2, DecodedNode& node)
{
    if (d.length < 12)
        return;
    node.add(v2 ? "OUI" : "Manufacturer", v2 ? ouiMsbFirst(d.p) : threeLetters(d.p), d.at(0), 3);
    node.add("Product code", QString::number(d.u16(3)), d.at(3), 2);
    const quint32 serial = quint32(d.p[5]) | quint32(d.p[6]) << 8 | quint32(d.p[7]) << 16 | quint32(d.p[8]) << 24;
    node.add("Serial number", serial ? QString::number(serial) : QStringLiteral("none"), d.at(5), 4);
    if (d.p[9] == 0xFF)
        node.add("Model year", QString::number(2000 + d.p[10]), d.at(9), 2);
    else
        node.add("Made in", d.p[9] ? QStringLiteral("week %1 of %2").arg(d.p[9]).arg(2000 + d.p[10])
                                   : QString::number(2000 + d.p[10]), d.at(9), 2);
    const int nameLength = qMin(int(d.p[11]), d.length - 12);
    if (nameLength > 0)
        node.add("Product name", QString::fromLatin1(reinterpret_cast<const char*>(d.p + 12), nameLength).trimmed(),
                 d.at(12), nameLength);
}

QString gammaText(int value)
{
    return value == 0xFF ? QStringLiteral("not given") : QString::number((value + 100) / 100.0, 'f', 2);
}

void parametersV1(const Data& d, DecodedNode& node)
{
    if (d.length < 12)
        return;
    static const char* const kFeatures[8] = {"de-interlacing", "ACP, ISRC1 or ISRC2 packets", "fixed pixel format",
                                             "fixed timing", "power management", "audio input override",
                                             "separate audio inputs", "audio support on video interface"};
    node.add("Image size", QStringLiteral("%1 mm x %2 mm").arg(d.u16(0) / 10.0, 0, 'f', 1).arg(d.u16(2) / 10.0, 0, 'f', 1),
             d.at(0), 4);
    node.add("Pixels", QStringLiteral("%1 x %2").arg(d.u16(4)).arg(d.u16(6)), d.at(4), 4);
    node.add("Features", bitNames(d.p[8], kFeatures, 8), d.at(8));
    node.add("Gamma", gammaText(d.p[9]), d.at(9));
    node.add("Aspect ratio", QString::number((d.p[10] + 100) / 100.0, 'f', 2), d.at(10));
    node.add("Dynamic bpc", QString::number((d.p[11] >> 4) + 1), d.at(11));
    node.add("Native bpc", QString::number((d.p[11] & 15) + 1), d.at(11));
}

// IEEE 754 half-precision luminance in cd/m2; 0x8000 means not given.
QString luminance(int bits)
{
    if (bits == 0x8000)
        return QStringLiteral("not given");
    const int exponent = (bits >> 10) & 31, mantissa = bits & 1023;
    double value = exponent ? std::ldexp(1.0 + mantissa / 1024.0, exponent - 15) : std::ldexp(mantissa / 1024.0, -14);
    if (bits & 0x8000)
        value = -value;
    return QString::number(value, 'f', 3) + QStringLiteral(" cd/m^2");
}

void parametersV2(const Data& d, DecodedNode& node)
{
    if (d.length < 29)
        return;
    const double unit = d.flags & 0x80 ? 1.0 : 0.1;
    node.add("Image size", QStringLiteral("%1 mm x %2 mm").arg(d.u16(0) * unit, 0, 'f', 1).arg(d.u16(2) * unit, 0, 'f', 1),
             d.at(0), 4);
    node.add("Native resolution", QStringLiteral("%1 x %2").arg(d.u16(4)).arg(d.u16(6)), d.at(4), 4);
    static const char* const kPrimaries[4] = {"Primary 1", "Primary 2", "Primary 3", "White point"};
    for (int i = 0; i < 4; ++i) {
        const Byte* c = d.p + 9 + 3 * i;
        const int x = c[0] | (c[1] & 15) << 8, y = c[1] >> 4 | c[2] << 4;
        node.add(kPrimaries[i], QStringLiteral("%1, %2").arg(x / 4096.0, 0, 'f', 4).arg(y / 4096.0, 0, 'f', 4),
                 d.at(9 + 3 * i), 3);
    }
    node.add("Maximum luminance (full coverage)", luminance(d.u16(21)), d.at(21), 2);
    node.add("Maximum luminance (small area)", luminance(d.u16(23)), d.at(23), 2);
    node.add("Minimum luminance", luminance(d.u16(25)), d.at(25), 2);
    static const char* const kDepth[8] = {"not defined", "6", "8", "10", "12", "16", "reserved", "reserved"};
    static const char* const kTechnology[8] = {"not specified", "LCD", "OLED", "reserved", "reserved", "reserved",
                                               "reserved", "reserved"};
    node.add("Native color depth (bpc)", kDepth[d.p[27] & 7], d.at(27));
    node.add("Display device technology", kTechnology[(d.p[27] >> 4) & 7], d.at(27));
    node.add("Native gamma EOTF", gammaText(d.p[28]), d.at(28));
}

void tiledTopology(const Data& d, bool v2, DecodedNode& node)
{
    if (d.length < 22)
        return;
    const Byte* p = d.p;
    const int hTiles = ((p[1] >> 4) | ((p[3] >> 6) & 3) << 4) + 1;
    const int vTiles = ((p[1] & 15) | ((p[3] >> 4) & 3) << 4) + 1;
    const int hLocation = (p[2] >> 4) | ((p[3] >> 2) & 3) << 4;
    const int vLocation = (p[2] & 15) | (p[3] & 3) << 4;
    node.add("Single physical enclosure", yesNo(p[0] & 0x80), d.at(0));
    node.add("Tiles", QStringLiteral("%1 x %2").arg(hTiles).arg(vTiles), d.at(1), 3);
    node.add("Tile location", QStringLiteral("%1, %2").arg(hLocation).arg(vLocation), d.at(2), 2);
    node.add("Tile resolution", QStringLiteral("%1x%2").arg(d.u16(4) + 1).arg(d.u16(6) + 1), d.at(4), 4);
    if (p[0] & 0x40)
        node.add("Bezel (top, bottom, right, left)",
                 QStringLiteral("%1, %2, %3, %4 (multiplier %5)").arg(p[9]).arg(p[10]).arg(p[11]).arg(p[12]).arg(p[8]),
                 d.at(8), 5);
    node.add(v2 ? "Vendor OUI" : "Vendor", v2 ? ouiMsbFirst(p + 13) : threeLetters(p + 13), d.at(13), 3);
    node.add("Product code", QString::number(d.u16(16)), d.at(16), 2);
    node.add("Serial number", QString::number(quint32(d.u16(18)) | quint32(d.u16(20)) << 16), d.at(18), 4);
}

void rangeLimitsV2(const Data& d, DecodedNode& node)
{
    if (d.length < 9)
        return;
    int maxRate = d.p[7];
    if (d.revision >= 1)
        maxRate |= (d.p[8] & 3) << 8;
    node.add("Minimum pixel clock", QStringLiteral("%1 kHz").arg(d.u24(0) + 1), d.at(0), 3);
    node.add("Maximum pixel clock", QStringLiteral("%1 kHz").arg(d.u24(3) + 1), d.at(3), 3);
    node.add("Vertical refresh", QStringLiteral("%1-%2 Hz").arg(d.p[6]).arg(maxRate), d.at(6), 3);
    node.add("Seamless dynamic video timing change", yesNo(d.p[8] & 0x80), d.at(8));
}

void interfaceFeatures(const Data& d, DecodedNode& node)
{
    if (d.length < 9)
        return;
    static const char* const kBpc444[6] = {"6", "8", "10", "12", "14", "16"};
    static const char* const kBpc422[5] = {"8", "10", "12", "14", "16"};
    static const char* const kAudio[3] = {"48 kHz", "44.1 kHz", "32 kHz"};
    static const char* const kSpaces[7] = {"sRGB", "BT.601", "BT.709/BT.1886", "Adobe RGB", "DCI-P3", "BT.2020",
                                           "BT.2020/SMPTE ST 2084"};
    node.add("Supported bpc for RGB encoding", bitNames(d.p[0], kBpc444, 6), d.at(0));
    node.add("Supported bpc for YCbCr 4:4:4 encoding", bitNames(d.p[1], kBpc444, 6), d.at(1));
    node.add("Supported bpc for YCbCr 4:2:2 encoding", bitNames(d.p[2], kBpc422, 5), d.at(2));
    node.add("Supported bpc for YCbCr 4:2:0 encoding", bitNames(d.p[3], kBpc422, 5), d.at(3));
    node.add("Minimum pixel rate for YCbCr 4:2:0", d.p[4] ? QStringLiteral("%1 MP/s").arg(d.p[4] * 74.25)
                                                          : QStringLiteral("not stated"), d.at(4));
    node.add("Audio sample rates", bitNames(d.p[5] >> 5, kAudio, 3), d.at(5));
    node.add("Color space and EOTF", bitNames(d.p[6], kSpaces, 7), d.at(6));
    const int extra = d.p[8] & 7;
    for (int i = 0; i < extra && 9 + i < d.length; ++i)
        node.add(QStringLiteral("Color space and EOTF combination %1").arg(i + 1), hexByte(d.p[9 + i]), d.at(9 + i));
}

void adaptiveSync(const Data& d, DecodedNode& node)
{
    const int size = 6 + ((d.flags >> 4) & 7);
    for (int i = 0, n = 1; i + size <= d.length; i += size, ++n) {
        const Byte* a = d.p + i;
        node.add(QStringLiteral("Adaptive sync range %1").arg(n),
                 QStringLiteral("%1-%2 Hz%3").arg(a[2]).arg((a[3] | (a[4] & 3) << 8) + 1)
                     .arg(a[0] & 1 ? ", native panel range" : ""), d.at(i), size);
    }
}

void containerId(const Data& d, DecodedNode& node)
{
    if (d.length < 16)
        return;
    QString hex;
    for (int i = 0; i < 16; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10)
            hex += QLatin1Char('-');
        hex += hexByte(d.p[i]).toLower();
    }
    node.add("Container ID", hex, d.at(0), 16);
}

void displayInterface(const Data& d, DecodedNode& node)
{
    static const char* const kTypes[16] = {"Analog", "LVDS", "TMDS", "RSDS", "DVI-D", "DVI-I (analog)",
                                           "DVI-I (digital)", "HDMI-A", "HDMI-B", "MDDI", "DisplayPort", "IEEE 1394",
                                           "M-LVDS", "reserved", "reserved", "reserved"};
    if (d.length < 6)
        return;
    node.add("Interface type", kTypes[d.p[0] >> 4], d.at(0));
    node.add("Number of links", QString::number(d.p[0] & 15), d.at(0));
    node.add("Interface standard version", QStringLiteral("%1.%2").arg(d.p[1] >> 4).arg(d.p[1] & 15), d.at(1));
    if (d.length > 6)
        node.add("Payload", hexBytes(d.p + 2, d.length - 2), d.at(2), d.length - 2);
}

void vendorSpecific(const Data& d, DecodedNode& node)
{
    if (d.length < 3)
        return;
    node.name += QStringLiteral(" (0x%1), OUI %2").arg(hexByte(d.offset >= 0 ? d.p[-3] : 0).toLower(), ouiMsbFirst(d.p));
    node.add("OUI", ouiMsbFirst(d.p), d.at(0), 3);
    if (d.length > 3)
        node.add("Payload", hexBytes(d.p + 3, d.length - 3), d.at(3), d.length - 3);
}

void dataBlockFields(DecodeContext& context, int tag, const Data& d, DecodedNode& node)
{
    switch (tag) {
    case 0x00: return productId(d, false, node);
    case 0x20: return productId(d, true, node);
    case 0x01: return parametersV1(d, node);
    case 0x21: return parametersV2(d, node);
    case 0x03: return detailedTimings(context, d, false, node);
    case 0x22: return detailedTimings(context, d, true, node);
    case 0x05: return shortTimings(context, d, node);
    case 0x06: return timingCodes(context, d, d.flags >> 6, false, node);
    case 0x23: return timingCodes(context, d, d.flags >> 6, d.flags & 0x08, node);
    case 0x07: return timingBitmap(context, d, false, node);
    case 0x08: return timingBitmap(context, d, true, node);
    case 0x24: return formulaTimings(d, false, node);
    case 0x2A: return formulaTimings(d, true, node);
    case 0x0A:
    case 0x0B:
        return node.add("Text", QString::fromLatin1(reinterpret_cast<const char*>(d.p), d.length).trimmed(), d.at(0),
                        d.length);
    case 0x0F: return displayInterface(d, node);
    case 0x12: return tiledTopology(d, false, node);
    case 0x28: return tiledTopology(d, true, node);
    case 0x25: return rangeLimitsV2(d, node);
    case 0x26: return interfaceFeatures(d, node);
    case 0x29: return containerId(d, node);
    case 0x2B: return adaptiveSync(d, node);
    case 0x7E:
    case 0x7F: return vendorSpecific(d, node);
    case 0x81: return describeCtaCollection(context, d.at(0), d.at(0) + d.length, d.at(0) + d.length, node);
    default:
        if (d.length > 0)
            node.add("Payload", hexBytes(d.p, d.length), d.at(0), d.length);
    }
}

QString sectionHeaderFields(const Byte* x, int base, DecodedNode& block)
{
    const int version = x[1];
    const QString text = QStringLiteral("%1.%2").arg(version >> 4).arg(version & 15);
    block.add("Version", text, base + 1);
    block.add("Section bytes", QString::number(x[2]), base + 2);
    if (version >= 0x20) {
        static const char* const kUse[9] = {"Same as the base section", "Test structure", "Generic display",
                                            "Television", "Desktop productivity display", "Desktop gaming display",
                                            "Presentation display", "Head-mounted virtual reality display",
                                            "Head-mounted augmented reality display"};
        block.add("Display product primary use case", (x[3] & 15) < 9 ? kUse[x[3] & 15] : "reserved", base + 3);
    } else {
        static const char* const kTypes[7] = {"Extension section", "Test structure", "Display panel",
                                              "Standalone display device", "Television receiver",
                                              "Repeater/translator", "Direct drive monitor"};
        block.add("Display product type", x[3] < 7 ? kTypes[x[3]] : "reserved", base + 3);
    }
    block.add("Extension count", QString::number(x[4]), base + 4);
    return text;
}

} // namespace

DecodedNode decodeDisplayIdBlock(DecodeContext& context)
{
    const int base = context.block * EDID_BLOCK_SIZE;
    const Byte* x = context.bytes + base;
    DecodedNode block;
    block.name = QStringLiteral("DisplayID %1 extension block").arg(sectionHeaderFields(x, base, block));
    int sectionBytes = x[2];
    if (sectionBytes > kMaxSectionBytes) {
        context.fail(base + 2, 1, QStringLiteral("DisplayID section length %1 runs past the block (at most %2)")
                                      .arg(sectionBytes).arg(kMaxSectionBytes));
        sectionBytes = kMaxSectionBytes;
    }
    const int checksumAt = kSectionStart + sectionBytes;
    unsigned sum = 0;
    for (int i = 1; i <= checksumAt; ++i)
        sum += x[i];
    block.add("Section checksum", QStringLiteral("0x%1").arg(hexByte(x[checksumAt])), base + checksumAt);
    if (sum % 256 != 0)
        context.fail(base + checksumAt, 1, QStringLiteral("DisplayID section checksum is 0x%1, should be 0x%2")
                                               .arg(hexByte(x[checksumAt]))
                                               .arg(hexByte(x[checksumAt] - sum % 256)));
    const bool v2 = x[1] >= 0x20;
    int i = kSectionStart;
    while (i < checksumAt) {
        if (i + 3 > checksumAt || (x[i] == 0 && x[i + 2] == 0 && x[i + 1] == 0)) {
            // A zero tag with no payload ends the data blocks: the rest is filler.
            for (int j = i; j < checksumAt; ++j) {
                if (x[j]) {
                    context.warn(base + j, checksumAt - j, "Non-zero filler bytes in the DisplayID section");
                    break;
                }
            }
            break;
        }
        const int tag = x[i];
        const int length = x[i + 2];
        const char* name = tagName(tag);
        DecodedNode node = sectionNode(name ? QString(name) : QStringLiteral("Unknown DisplayID Data Block (0x%1)")
                                                                  .arg(hexByte(tag)),
                                       base + i, 3 + length);
        if (name && tag != 0x81 && tag != 0x7E && tag != 0x7F && tag < 0x20 && v2 && name)
            context.warn(base + i, 1, QStringLiteral("%1: a DisplayID 1.x block in a 2.x section").arg(name));
        if (i + 3 + length > checksumAt) {
            context.fail(base + i, checksumAt - i, QStringLiteral("DisplayID data block 0x%1 (%2 bytes) runs past the end of the section")
                                                       .arg(hexByte(tag)).arg(length));
            node.add("Bytes", hexBytes(x + i, checksumAt - i), base + i, checksumAt - i);
            block.children << node;
            break;
        }
        if (name && (tag == 0x20 || tag == 0x21 || tag == 0x28) && name)
            node.name += QStringLiteral(" (0x%1)").arg(hexByte(tag));
        else if (tag == 0x00 || tag == 0x01 || tag == 0x12)
            node.name += QStringLiteral(" (0x%1)").arg(hexByte(tag));
        dataBlockFields(context, tag, {x + i + 3, base + i, x[i + 1] & 7, x[i + 1], length}, node);
        block.children << node;
        i += 3 + length;
    }
    for (int j = checksumAt + 1; j < EDID_BLOCK_SIZE - 1; ++j) {
        if (x[j]) {
            context.warn(base + j, EDID_BLOCK_SIZE - 1 - j, "Non-zero padding after the DisplayID section");
            break;
        }
    }
    return block;
}
