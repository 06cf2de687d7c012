// The E-EDID base block, every field.
#include "basesections.h"
#include "decodecontext.h"
#include "descriptors.h"
#include "imagesections.h"
#include "sectiondescriptions.h"
#include "textdescriptor.h"

#include <QStringList>
#include <cmath>
#include <cstring>

using namespace FieldText;

namespace {

const Byte kHeader[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};

// Established timings I and II (byte 35 bit 7 first) and the manufacturer
// timing of byte 37 bit 7, with the figures of their VESA or vendor timing.
struct EstablishedTiming {
    int width, height;
    bool interlaced;
    int clockKHz, hTotal, vTotal;
    const char* aspect;
    const char* origin;
};
const EstablishedTiming kEstablished[17] = {
    {720, 400, false, 28320, 900, 449, "9:5", "IBM, VGA"},
    {720, 400, false, 35500, 900, 449, "9:5", "IBM, XGA2"},
    {640, 480, false, 25175, 800, 525, "4:3", "IBM, VGA"},
    {640, 480, false, 30240, 864, 525, "4:3", "Apple, Mac II"},
    {640, 480, false, 31500, 832, 520, "4:3", "VESA"},
    {640, 480, false, 31500, 840, 500, "4:3", "VESA"},
    {800, 600, false, 36000, 1024, 625, "4:3", "VESA"},
    {800, 600, false, 40000, 1056, 628, "4:3", "VESA"},
    {800, 600, false, 50000, 1040, 666, "4:3", "VESA"},
    {800, 600, false, 49500, 1056, 625, "4:3", "VESA"},
    {832, 624, false, 57284, 1152, 667, "4:3", "Apple, Mac II"},
    {1024, 768, true, 44900, 1264, 817, "4:3", "IBM"},
    {1024, 768, false, 65000, 1344, 806, "4:3", "VESA"},
    {1024, 768, false, 75000, 1328, 806, "4:3", "VESA"},
    {1024, 768, false, 78750, 1312, 800, "4:3", "VESA"},
    {1280, 1024, false, 135000, 1688, 1066, "5:4", "VESA"},
    {1152, 870, false, 100000, 1456, 915, "192:145", "Apple, Mac II"},
};

const char* const kDigitalDepths[8] = {"undefined", "6", "8", "10", "12", "14", "16", "reserved"};
const char* const kInterfaces[16] = {"undefined", "DVI", "HDMI-a", "HDMI-b", "MDDI", "DisplayPort"};
const char* const kSignalLevels[4] = {"0.700 : 0.300 : 1.000 V p-p", "0.714 : 0.286 : 1.000 V p-p",
                                      "1.000 : 0.400 : 1.400 V p-p", "0.700 : 0.000 : 0.700 V p-p"};
const char* const kColorTypes[4] = {"Monochrome or grayscale", "RGB color", "Non-RGB color", "Undefined"};
const char* const kColorFormats[4] = {"RGB 4:4:4", "RGB 4:4:4, YCrCb 4:4:4", "RGB 4:4:4, YCrCb 4:2:2",
                                      "RGB 4:4:4, YCrCb 4:4:4, YCrCb 4:2:2"};

// A section of the base block byte map, named and placed as the editor's
// section table has it.
DecodedNode tableNode(ImageSectionId id, int base)
{
    const ImageSection& section = imageSection(id);
    return sectionNode(section.name, base + section.first, section.last - section.first + 1);
}

QString chromaticity(Word code)
{
    return QString::number(std::floor(code / 1024.0 * 10000.0) / 10000.0, 'f', 4);
}

DecodedNode vendorProduct(const Byte* b, int base)
{
    T_EDID_VENDOR_PRODUCT vp;
    decodeVendorProduct(b, vp);
    DecodedNode node = tableNode(VendorProductSection, base);
    node.add("Manufacturer", QString::fromLatin1(vp.manufacturerID), base + 8, 2);
    const int product = b[10] | b[11] << 8;
    node.add("Product code", QStringLiteral("%1 (0x%2)").arg(product).arg(product, 4, 16, QLatin1Char('0')),
             base + 10, 2);
    node.add("Serial number", QString::fromLatin1(vp.serialNumber), base + 12, 4);
    if (b[16] == 0xFF)
        node.add("Model year", QString::number(vp.year), base + 16, 2);
    else
        node.add("Made in", b[16] ? QStringLiteral("week %1 of %2").arg(b[16]).arg(vp.year)
                                  : QStringLiteral("%1").arg(vp.year), base + 16, 2);
    return node;
}

void videoInput(const Byte* b, int base, int revision, DecodedNode& node)
{
    const Byte in = b[20];
    if (!(in & 0x80)) {
        node.add("Video input", "Analog", base + 20);
        node.add("Signal level standard", kSignalLevels[(in >> 5) & 3], base + 20);
        node.add("Blank-to-black setup", yesNo(in & 0x10), base + 20);
        node.add("Separate sync", yesNo(in & 0x08), base + 20);
        node.add("Composite sync on horizontal", yesNo(in & 0x04), base + 20);
        node.add("Sync on green", yesNo(in & 0x02), base + 20);
        node.add("Serrations", yesNo(in & 0x01), base + 20);
    } else if (revision >= 4) {
        node.add("Video input", "Digital", base + 20);
        node.add("Bits per primary color channel", kDigitalDepths[(in >> 4) & 7], base + 20);
        const char* interface = kInterfaces[in & 15];
        node.add("Interface", interface ? interface : "reserved", base + 20);
    } else {
        node.add("Video input", "Digital", base + 20);
        node.add("DFP 1.x compatible", yesNo(in & 0x01), base + 20);
    }
}

void screenAndGamma(const Byte* b, int base, int revision, DecodedNode& node)
{
    const int h = b[21], v = b[22];
    if (h && v)
        node.add("Maximum image size", QStringLiteral("%1 cm x %2 cm").arg(h).arg(v), base + 21, 2);
    else if (revision >= 4 && h)
        node.add("Aspect ratio", QStringLiteral("%1 (landscape)").arg((h + 99) / 100.0, 0, 'f', 2), base + 21, 2);
    else if (revision >= 4 && v)
        node.add("Aspect ratio", QStringLiteral("%1 (portrait)").arg(100.0 / (v + 99), 0, 'f', 2), base + 21, 2);
    else
        node.add("Maximum image size", "undefined (variable or unknown)", base + 21, 2);
    node.add("Gamma", b[23] == 0xFF ? QStringLiteral("defined in an extension block")
                                    : QString::number((b[23] + 100) / 100.0, 'f', 2), base + 23);
}

void features(const Byte* b, int base, int revision, DecodedNode& node)
{
    const Byte f = b[24];
    QStringList dpms;
    if (f & 0x80) dpms << "Standby";
    if (f & 0x40) dpms << "Suspend";
    if (f & 0x20) dpms << "Off";
    node.add("DPMS levels", dpms.isEmpty() ? QStringLiteral("none") : dpms.join(' '), base + 24);
    const int color = (f >> 3) & 3;
    if ((b[20] & 0x80) && revision >= 4)
        node.add("Supported color formats", kColorFormats[color], base + 24);
    else
        node.add("Display color type", kColorTypes[color], base + 24);
    node.add("Default color space is sRGB", yesNo(f & 0x04), base + 24);
    node.add(revision >= 4 ? "Preferred timing includes native format and rate" : "First detailed timing is preferred",
             yesNo(f & 0x02), base + 24);
    node.add(revision >= 4 ? "Continuous frequency" : "Default GTF supported", yesNo(f & 0x01), base + 24);
}

DecodedNode colorCharacteristics(const Byte* b, int base)
{
    T_EDID_COLOR_CHARACTERISTICS c;
    decodeColorCharacteristics(b, c);
    DecodedNode node = tableNode(ColorSection, base);
    static const char* const kNames[4] = {"Red", "Green", "Blue", "White"};
    for (int i = 0; i < 4; ++i)
        node.add(kNames[i], chromaticity(c.codes[2 * i]) + ", " + chromaticity(c.codes[2 * i + 1]),
                 base + 27 + 2 * i, 2);
    return node;
}

DecodedNode establishedTimings(DecodeContext& context, const Byte* b, int base)
{
    DecodedNode node = tableNode(EstablishedSection, base);
    for (int i = 0; i < 17; ++i) {
        const int byte = 35 + i / 8;
        if (!(b[byte] & (0x80 >> (i % 8))))
            continue;
        const EstablishedTiming& t = kEstablished[i];
        const double hKHz = double(t.clockKHz) / t.hTotal;
        const double vHz = hKHz * 1000.0 / t.vTotal * (t.interlaced ? 2 : 1);
        const QString value = timingSummary(t.width, t.height, t.interlaced, vHz, hKHz, t.clockKHz / 1000.0, t.aspect)
            + QStringLiteral(" [%1]").arg(t.origin);
        node.add("Established timing", value, base + byte);
        context.timings.append({QStringLiteral("Established timing %1x%2").arg(t.width).arg(t.height), context.block,
                                base + byte, vHz, hKHz, t.clockKHz / 1000.0});
    }
    if (b[37] & 0x7F)
        node.add("Manufacturer's reserved timings", hexByte(b[37] & 0x7F), base + 37);
    return node;
}

// The text of a standard timing code, or an empty string for an unused one.
QString standardTimingText(const Byte* code, int revision)
{
    if ((code[0] == 0x01 && code[1] == 0x01) || (code[0] == 0x00 && code[1] == 0x00) || code[0] == 0x01)
        return QString();
    const int width = code[0] * 8 + 248;
    static const int kRatios[4][2] = {{16, 10}, {4, 3}, {5, 4}, {16, 9}};
    int ratio = code[1] >> 6;
    const bool square = ratio == 0 && revision < 3;
    const int height = square ? width : width * kRatios[ratio][1] / kRatios[ratio][0];
    return QStringLiteral("%1x%2 @ %3 Hz %4")
        .arg(width)
        .arg(height)
        .arg((code[1] & 0x3F) + 60)
        .arg(square ? QStringLiteral("1:1") : QStringLiteral("%1:%2").arg(kRatios[ratio][0]).arg(kRatios[ratio][1]));
}

DecodedNode standardTimings(const Byte* b, int base, int revision)
{
    DecodedNode node = tableNode(StandardSection, base);
    for (int i = 0; i < 8; ++i) {
        const QString text = standardTimingText(b + 38 + 2 * i, revision);
        if (!text.isEmpty())
            node.add(QStringLiteral("Standard timing %1").arg(i + 1), text, base + 38 + 2 * i, 2);
    }
    return node;
}

QString rateRange(int min, int max, const char* unit)
{
    return QStringLiteral("%1-%2 %3").arg(min).arg(max).arg(unit);
}

void rangeLimits(DecodeContext& context, const Byte* d, int offset, int revision, DecodedNode& node)
{
    T_EDID_RANGE_LIMITS r;
    decodeRangeLimits(d, revision >= 4 ? 4 : 3, r);
    static const char* const kSupport[4] = {"GTF", "Secondary GTF", "Bare Limits", "CVT"};
    const char* support = kSupport[r.timingSupport];
    if (d[10] != 0 && d[10] != 1 && d[10] != 2 && !(d[10] == 4 && revision >= 4))
        support = "Unknown";
    else if (d[10] == 1 && revision < 4)
        support = "Bare Limits";
    double maxClock = r.maxPixelClock;
    if (r.timingSupport == RANGE_CVT)
        maxClock -= r.pixelClockPrecision * 0.25;
    node.add("Monitor ranges", QStringLiteral("%1 V, %2 H, max dotclock %3 MHz (%4)")
                                   .arg(rateRange(r.minVRate, r.maxVRate, "Hz"), rateRange(r.minHRate, r.maxHRate, "kHz"))
                                   .arg(r.maxPixelClock)
                                   .arg(support), offset, DESCRIPTOR_SIZE);
    node.add("Vertical rate", rateRange(r.minVRate, r.maxVRate, "Hz"), offset + 5, 2);
    node.add("Horizontal rate", rateRange(r.minHRate, r.maxHRate, "kHz"), offset + 7, 2);
    node.add("Maximum pixel clock", QStringLiteral("%1 MHz").arg(maxClock), offset + 9);
    node.add("Timing support", support, offset + 10);
    if (d[10] == 2) {
        node.add("GTF start frequency", QStringLiteral("%1 kHz").arg(r.startFrequency * 2), offset + 12);
        node.add("GTF C", QString::number(r.cx2 / 2.0), offset + 13);
        node.add("GTF M", QString::number(r.m), offset + 14, 2);
        node.add("GTF K", QString::number(r.k), offset + 16);
        node.add("GTF J", QString::number(r.jx2 / 2.0), offset + 17);
    } else if (r.timingSupport == RANGE_CVT) {
        static const char* const kAspects[5] = {"5:4", "4:3", "16:10", "15:9", "16:9"};
        static const char* const kSupported[5] = {"15:9", "5:4", "16:10", "16:9", "4:3"};
        node.add("CVT version", QStringLiteral("%1.%2").arg(r.cvtVersion).arg(r.cvtRevision), offset + 11);
        node.add("Maximum active pixels per line",
                 r.maxActivePixels ? QString::number(r.maxActivePixels) : QStringLiteral("no limit"), offset + 12, 2);
        node.add("Supported aspect ratios", bitNames(d[14] >> 3, kSupported, 5), offset + 14);
        node.add("Preferred aspect ratio", kAspects[r.preferredAspect], offset + 15);
        node.add("Reduced blanking", yesNo(r.reducedBlanking), offset + 15);
        node.add("Standard blanking", yesNo(r.standardBlanking), offset + 15);
        static const char* const kScaling[4] = {"vertical stretch", "vertical shrink", "horizontal stretch",
                                                "horizontal shrink"};
        node.add("Scaling", bitNames(d[16] >> 4, kScaling, 4), offset + 16);
        node.add("Preferred vertical refresh", QStringLiteral("%1 Hz").arg(r.preferredVRate), offset + 17);
    }
    if (r.minVRate > r.maxVRate || r.minHRate > r.maxHRate)
        context.warn(offset + 5, 4, "Display Range Limits: a minimum rate is above its maximum");
    if (!context.hasRangeLimits) {
        context.hasRangeLimits = true;
        context.rangeLimits = r;
        context.rangeLimitsOffset = offset;
    }
}

void cvtCodes(const Byte* d, int offset, DecodedNode& node)
{
    static const char* const kRates[4] = {"50", "60", "75", "85"};
    static const char* const kSupport[5] = {"60 Hz RB", "85 Hz", "75 Hz", "60 Hz", "50 Hz"};
    static const int kRatio[5][2] = {{0, 0}, {4, 3}, {16, 10}, {15, 9}, {16, 9}};
    for (int i = 0; i < 4; ++i) {
        const Byte* c = d + 6 + 3 * i;
        if (c[0] == 0 && c[1] == 0 && c[2] == 0)
            continue;
        T_EDID_CVT_CODE code;
        decodeCvtCode(c, code);
        const int width = 8 * (code.lines * kRatio[code.aspect][0] / kRatio[code.aspect][1] / 8);
        node.add(QStringLiteral("CVT code %1").arg(i + 1),
                 QStringLiteral("%1x%2 %3:%4, preferred %5 Hz, supported %6")
                     .arg(width).arg(code.lines).arg(kRatio[code.aspect][0]).arg(kRatio[code.aspect][1])
                     .arg(kRates[code.preferredRate & 3], bitNames(c[2] & 0x1F, kSupport, 5)),
                 offset + 6 + 3 * i, 3);
    }
}

QString descriptorName(T_EDID_DISPLAY_DESCRIPTORS type, Byte tag)
{
    switch (type) {
    case DESC_DETAILED_TIMING: return QStringLiteral("Detailed Timing Descriptor");
    case DESC_SERIAL_NUMBER: return QStringLiteral("Display Product Serial Number");
    case DESC_DATA_STRING: return QStringLiteral("Alphanumeric Data String");
    case DESC_RANGE_LIMITS: return QStringLiteral("Display Range Limits");
    case DESC_PRODUCT_NAME: return QStringLiteral("Display Product Name");
    case DESC_COLOR_POINT: return QStringLiteral("Color Point Data");
    case DESC_STANDARD_TIMINGS: return QStringLiteral("Standard Timing Identifications");
    case DESC_DCM: return QStringLiteral("Display Color Management Data");
    case DESC_CVT_TIMINGS: return QStringLiteral("CVT 3 Byte Timing Codes");
    case DESC_ESTABLISHED_TIMINGS_III: return QStringLiteral("Established Timings III");
    case DESC_UNUSED: return QStringLiteral("Dummy Descriptor");
    default: return tag <= 0x0F ? QStringLiteral("Manufacturer-Specified Descriptor (0x%1)").arg(hexByte(tag))
                                : QStringLiteral("Reserved Descriptor (0x%1)").arg(hexByte(tag));
    }
}

void descriptorFields(DecodeContext& context, T_EDID_DISPLAY_DESCRIPTORS type, const Byte* d, int offset,
                      int revision, DecodedNode& node)
{
    switch (type) {
    case DESC_DETAILED_TIMING:
        describeDetailedTiming(context, d, offset, node);
        break;
    case DESC_SERIAL_NUMBER:
    case DESC_DATA_STRING:
    case DESC_PRODUCT_NAME:
        node.add(type == DESC_SERIAL_NUMBER ? "Serial number" : type == DESC_DATA_STRING ? "Text" : "Name",
                 decodeDescriptorText(d + 5).trimmed(), offset + 5, 13);
        break;
    case DESC_RANGE_LIMITS:
        rangeLimits(context, d, offset, revision, node);
        break;
    case DESC_COLOR_POINT:
        for (int p = 0; p < 2; ++p) {
            const Byte* w = d + 5 + 5 * p;
            if (w[0] == 0)
                continue;
            const Word x = Word(w[2] << 2 | ((w[1] >> 2) & 3)), y = Word(w[3] << 2 | (w[1] & 3));
            node.add(QStringLiteral("White point %1").arg(w[0]),
                     QStringLiteral("%1, %2, gamma %3").arg(chromaticity(x), chromaticity(y),
                                                           w[4] == 0xFF ? QStringLiteral("undefined")
                                                                        : QString::number((w[4] + 100) / 100.0, 'f', 2)),
                     offset + 5 + 5 * p, 5);
        }
        break;
    case DESC_STANDARD_TIMINGS:
        for (int i = 0; i < 6; ++i) {
            const QString text = standardTimingText(d + 5 + 2 * i, revision);
            if (!text.isEmpty())
                node.add(QStringLiteral("Standard timing %1").arg(i + 9), text, offset + 5 + 2 * i, 2);
        }
        break;
    case DESC_DCM: {
        static const char* const kNames[6] = {"Red a3", "Red a2", "Green a3", "Green a2", "Blue a3", "Blue a2"};
        node.add("Version", QString::number(d[5]), offset + 5);
        for (int i = 0; i < 6; ++i)
            node.add(kNames[i], QString::number((d[6 + 2 * i] | d[7 + 2 * i] << 8) / 100.0, 'f', 2),
                     offset + 6 + 2 * i, 2);
        break;
    }
    case DESC_CVT_TIMINGS:
        cvtCodes(d, offset, node);
        break;
    case DESC_ESTABLISHED_TIMINGS_III:
        for (int n = 0; n < ESTABLISHED_TIMINGS_III_COUNT; ++n) {
            if ((d[6 + n / 8] >> (7 - n % 8)) & 1)
                node.add("Established timing", establishedTimingIIIName(n), offset + 6 + n / 8);
        }
        break;
    case DESC_UNUSED:
        break;
    default:
        node.add("Payload", hexBytes(d + 5, 13), offset + 5, 13);
        break;
    }
}

DecodedNode descriptor(DecodeContext& context, const Byte* b, int base, int slot, int revision)
{
    const int offset = base + descriptorOffset(slot);
    const Byte* d = b + descriptorOffset(slot);
    const T_EDID_DISPLAY_DESCRIPTORS type = classifyDescriptor(d);
    DecodedNode node = tableNode(descriptorSection(slot), base);
    node.name += QStringLiteral(": ") + descriptorName(type, d[3]);
    descriptorFields(context, type, d, offset, revision, node);
    if (slot == 0 && type != DESC_DETAILED_TIMING && revision >= 3)
        context.warn(offset, DESCRIPTOR_SIZE, "The first descriptor is not a detailed timing");
    return node;
}

} // namespace

DecodedNode decodeBaseBlockNode(DecodeContext& context)
{
    const int base = context.block * EDID_BLOCK_SIZE;
    const Byte* b = context.bytes + base;
    DecodedNode block;
    const int revision = b[19];
    if (context.block == 0)
        context.edidRevision = revision;
    DecodedNode header = tableNode(HeaderSection, base);
    header.add("Header", hexBytes(b, 8), base, 8);
    block.children << header << vendorProduct(b, base);
    DecodedNode version = tableNode(VersionSection, base);
    version.add("Version", QStringLiteral("%1.%2").arg(b[18]).arg(revision), base + 18, 2);
    block.children << version;
    if (b[18] != 1 || revision < 3 || revision > 4)
        context.warn(base + 18, 2, QStringLiteral("EDID version %1.%2: only 1.3 and 1.4 are read in full")
                                       .arg(b[18]).arg(revision));
    DecodedNode basic = tableNode(DisplayParametersSection, base);
    videoInput(b, base, revision, basic);
    screenAndGamma(b, base, revision, basic);
    features(b, base, revision, basic);
    block.children << basic << colorCharacteristics(b, base) << establishedTimings(context, b, base)
                   << standardTimings(b, base, revision);
    for (int slot = 0; slot < 4; ++slot)
        block.children << descriptor(context, b, base, slot, revision);
    DecodedNode count = tableNode(ExtensionCountSection, base);
    count.add("Extension blocks", QString::number(b[126]), base + 126);
    DecodedNode checksum = tableNode(ChecksumSection, base);
    checksum.add("Checksum", "0x" + hexByte(b[127]), base + 127);
    block.children << count << checksum;
    if (std::memcmp(b, kHeader, 8) != 0)
        context.fail(base, 8, "Header is not 00 FF FF FF FF FF FF 00");
    return block;
}
