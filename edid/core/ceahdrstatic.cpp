#include "ceahdrstatic.h"

#include <cmath>

using namespace FieldText;

namespace {

typedef HdrStaticMetadata R;

const PayloadGroup<R> kGroups[] = {
    {nullptr, 0, 3},
    {&R::hasMaxLuminance, 3, 4},
    {&R::hasMaxFrameAverage, 4, 5},
    {&R::hasMinLuminance, 5, 6},
};

const PayloadFlag<R> kFlags[] = {
    {"EOTF traditional gamma SDR", &R::eotfSdr, 1, 0},
    {"EOTF traditional gamma HDR", &R::eotfHdr, 1, 1},
    {"EOTF SMPTE ST 2084 (PQ)", &R::eotfPq, 1, 2},
    {"EOTF HLG", &R::eotfHlg, 1, 3},
    {"Static metadata type 1", &R::staticMetadataType1, 2, 0},
};

const PayloadValue<R> kValues[] = {
    {&R::maxLuminanceCode, 3, 0, 8, 0, 1},
    {&R::maxFrameAverageCode, 4, 0, 8, 0, 1},
    {&R::minLuminanceCode, 5, 0, 8, 0, 1},
};

const PayloadLayout<R> kLayout = payloadLayout(kGroups, kFlags, kValues);

const FieldRange kRanges[] = {
    {"Luminance code", 0, 255, 1, "", false},
    {"Max luminance", 50, 12525, 1, "cd/m2", false},
};

const char kBlockName[] = "HDR Static Metadata";

} // namespace

HdrStaticMetadata decodeHdrStaticMetadata(const QByteArray& payload)
{
    return decodedPayloadFields(kLayout, payload);
}

QByteArray encodeHdrStaticMetadata(const HdrStaticMetadata& record)
{
    return encodePayloadFields(kLayout, record, decodeHdrStaticMetadata(record.payload),
                               QByteArray(1, char(CEA_HDR_STATIC_EXTENDED_TAG)));
}

double maxLuminanceOfCode(int code)
{
    return 50.0 * std::pow(2.0, code / 32.0);
}

int maxLuminanceCodeOf(double candelas)
{
    if (candelas <= 50.0)
        return 0;
    return qBound(0, int(std::lround(32.0 * std::log2(candelas / 50.0))), 255);
}

double minLuminanceOfCode(int maxCode, int minCode)
{
    const double ratio = minCode / 255.0;
    return maxLuminanceOfCode(maxCode) * ratio * ratio / 100.0;
}

int minLuminanceCodeOf(int maxCode, double candelas)
{
    if (candelas <= 0.0)
        return 0;
    return qBound(0, int(std::lround(255.0 * std::sqrt(100.0 * candelas / maxLuminanceOfCode(maxCode)))),
                  255);
}

QString luminanceText(double candelas, int code)
{
    return QStringLiteral("%1 cd/m2 (code %2)").arg(candelas, 0, 'f', 3).arg(code);
}

FieldRange hdrStaticRange(HdrStaticValue value)
{
    return kRanges[int(value)];
}

void describeHdrStaticMetadata(const HdrStaticMetadata& record, int payloadOffset, DecodedNode& node,
                               Findings& findings)
{
    const QByteArray& p = record.payload;
    node.name = QString::fromLatin1(kBlockName);
    if (p.size() < 3)
        addFinding(findings, Finding::Failure, payloadOffset, 0, p.size(),
                   QStringLiteral("%1: %2 byte(s) after the extended tag; the EOTF and descriptor type bytes "
                                  "need 2.")
                       .arg(kBlockName)
                       .arg(qMax(p.size() - 1, 0)));
    describePayloadFlags(kLayout, record, payloadOffset, 1, 2, node);
    if (payloadByte(p, 1) & 0xF0)
        addFinding(findings, Finding::Warning, payloadOffset, 1, 1,
                   QStringLiteral("%1: reserved EOTF bits 7-4 are set (%2).")
                       .arg(kBlockName, hexValue(payloadByte(p, 1))));
    if (payloadByte(p, 2) & 0xFE)
        addFinding(findings, Finding::Warning, payloadOffset, 2, 1,
                   QStringLiteral("%1: unknown static metadata descriptor types are set (%2).")
                       .arg(kBlockName, hexValue(payloadByte(p, 2))));
    if (record.hasMaxLuminance)
        node.add(QStringLiteral("Max luminance"),
                 luminanceText(maxLuminanceOfCode(record.maxLuminanceCode), record.maxLuminanceCode),
                 payloadOffset + 3);
    if (record.hasMaxFrameAverage)
        node.add(QStringLiteral("Max frame-average luminance"),
                 luminanceText(maxLuminanceOfCode(record.maxFrameAverageCode), record.maxFrameAverageCode),
                 payloadOffset + 4);
    if (record.hasMinLuminance)
        node.add(QStringLiteral("Min luminance"),
                 luminanceText(minLuminanceOfCode(record.maxLuminanceCode, record.minLuminanceCode),
                               record.minLuminanceCode),
                 payloadOffset + 5);
    addTrailingField(node, p, 6, payloadOffset);
    addTrailingFinding(findings, QString::fromLatin1(kBlockName), payloadOffset, 6, p.size() - 6);
}
