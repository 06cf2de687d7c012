#include "descriptors.h"

#include "revision.h"
#include "textdescriptor.h"

#include <algorithm>
#include <cstring>

namespace {

const char* const kTypeNames[DESCRIPTOR_TYPE_COUNT] = {
    "Unused", "Preferred Timing Block", "Display Product Serial Number", "Alphanumeric Data String",
    "Display Range Limits", "Display Product Name", "Color Point Data", "Standard Timing Identifications",
    "Display Color Management (1.4)", "CVT Timing Codes (1.4)", "Established Timings III (1.4)"};

constexpr Byte kDummyTag = 0x10;

Byte tagOf(T_EDID_DISPLAY_DESCRIPTORS type)
{
    return Byte(0x101 - type);
}

void encodeText(const QString& text, Byte tag, Byte* out)
{
    writeDescriptorFrame(out, tag);
    if (!encodeDescriptorText(text, out + 5))
        encodeDescriptorText(QString(), out + 5);
}

} // namespace

T_EDID_DISPLAY_DESCRIPTORS classifyDescriptor(const Byte* d)
{
    if (d[0] != 0 || d[1] != 0)
        return DESC_DETAILED_TIMING;
    const Byte tag = d[3];
    // An all-zero slot is empty rather than a manufacturer descriptor 0x00.
    if (std::all_of(d, d + DESCRIPTOR_SIZE, [](Byte b) { return b == 0; }))
        return DESC_UNUSED;
    if (tag >= 0xF7)
        return T_EDID_DISPLAY_DESCRIPTORS(0x101 - tag);
    if (tag == kDummyTag)
        return DESC_UNUSED;
    return DESC_UNKNOWN;
}

void decodeDisplayDescriptor(const Byte* d, T_EDID_DISPLAY_DESCRIPTOR_DEF& out)
{
    out = T_EDID_DISPLAY_DESCRIPTOR_DEF();
    std::memcpy(out.raw, d, DESCRIPTOR_SIZE);
    out.type = classifyDescriptor(d);
    switch (out.type) {
    case DESC_DETAILED_TIMING:
        decodeDetailedTiming(d, out.detailedTiming);
        break;
    case DESC_SERIAL_NUMBER:
    case DESC_DATA_STRING:
    case DESC_PRODUCT_NAME:
        out.text = decodeDescriptorText(d + 5);
        break;
    case DESC_RANGE_LIMITS:
        decodeRangeLimits(d, currentRevision(), out.rangeLimits);
        break;
    case DESC_COLOR_POINT:
        decodeColorPoints(d, out.colorPoints);
        break;
    case DESC_STANDARD_TIMINGS:
        decodeExtraStandardTimings(d, out.standardTimings);
        break;
    case DESC_DCM:
        decodeDcm(d, out.dcm);
        break;
    case DESC_CVT_TIMINGS:
        for (int i = 0; i < 4; ++i)
            decodeCvtCode(d + 6 + 3 * i, out.cvtCodes[i]);
        break;
    case DESC_ESTABLISHED_TIMINGS_III:
        decodeEstablishedTimingsIII(d, out.establishedTimingsIII);
        break;
    default:
        break;
    }
}

void encodeDisplayDescriptor(const T_EDID_DISPLAY_DESCRIPTOR_DEF& desc, Word revision, Byte* out)
{
    switch (desc.type) {
    case DESC_UNUSED:
        writeDummyDescriptorBytes(out);
        break;
    case DESC_DETAILED_TIMING:
        encodeDetailedTiming(desc.detailedTiming, out);
        break;
    case DESC_SERIAL_NUMBER:
    case DESC_DATA_STRING:
    case DESC_PRODUCT_NAME:
        encodeText(desc.text, tagOf(desc.type), out);
        break;
    case DESC_RANGE_LIMITS:
        encodeRangeLimits(desc.rangeLimits, revision, out);
        break;
    case DESC_COLOR_POINT:
        encodeColorPoints(desc.colorPoints, out);
        break;
    case DESC_STANDARD_TIMINGS:
        for (int i = 0; i < EXTRA_STANDARD_TIMING_COUNT; ++i)
            encodeExtraStandardTiming(desc.standardTimings[i], i, out);
        break;
    case DESC_DCM:
        encodeDcm(desc.dcm, out);
        break;
    case DESC_CVT_TIMINGS:
        writeCvtCodesFrame(out);
        for (int i = 0; i < 4; ++i)
            encodeCvtCode(desc.cvtCodes[i], out + 6 + 3 * i);
        break;
    case DESC_ESTABLISHED_TIMINGS_III:
        encodeEstablishedTimingsIII(desc.establishedTimingsIII, out);
        break;
    case DESC_UNKNOWN:
        std::memcpy(out, desc.raw, DESCRIPTOR_SIZE);
        break;
    }
}

void writeDescriptorFrame(Byte* d, Byte tag)
{
    d[0] = d[1] = d[2] = d[4] = 0x00;
    d[3] = tag;
}

void writeDummyDescriptorBytes(Byte* d)
{
    std::memset(d, 0, DESCRIPTOR_SIZE);
    d[3] = kDummyTag;
}

QString descriptorTypeName(int type)
{
    if (type < 0 || type >= DESCRIPTOR_TYPE_COUNT)
        return QString();
    return QString::fromLatin1(kTypeNames[type]);
}

QString unknownDescriptorName(Byte tag)
{
    const QString hex = QStringLiteral("0x") + QString::number(tag, 16).toUpper().rightJustified(2, QLatin1Char('0'));
    if (tag <= 0x0F)
        return QStringLiteral("Manufacturer Specified (%1)").arg(hex);
    return QStringLiteral("Reserved (%1)").arg(hex);
}
