#include "ceahdr10plus.h"

#include "ceapayloadfields.h"

const Byte HDR10PLUS_OUI[3] = {0x8B, 0x84, 0x90};

namespace {

constexpr int kVendorByte = 4;
const int kPeakLuminances[16]
    = {0, 200, 300, 400, 500, 600, 800, 1000, 1200, 1500, 2000, 2500, 3000, 4000, 6000, 8000};
const int kFullFramePercents[4] = {10, 20, 40, 80};

} // namespace

Hdr10PlusBlock decodeHdr10PlusBlock(const QByteArray& payload)
{
    Hdr10PlusBlock record;
    record.payload = payload;
    const int v = payloadByte(payload, kVendorByte);
    record.applicationVersion = v & 3;
    record.fullFramePeakIndex = (v >> 2) & 3;
    record.peakIndex = v >> 4;
    return record;
}

int hdr10PlusPeakLuminance(int index)
{
    return kPeakLuminances[index & 15];
}

int hdr10PlusFullFramePercent(int index)
{
    return kFullFramePercents[index & 3];
}

void describeHdr10PlusBlock(const Hdr10PlusBlock& r, int payloadOffset, DecodedNode& node, Findings& findings)
{
    node.name = QStringLiteral("HDR10+");
    const QByteArray& p = r.payload;
    if (p.size() <= kVendorByte) {
        addFinding(findings, Finding::Failure, payloadOffset, 0, p.size(),
                   QStringLiteral("HDR10+: the block ends before its application version byte."));
        return;
    }
    const int at = payloadOffset + kVendorByte;
    node.add(QStringLiteral("Application version"), QString::number(r.applicationVersion), at);
    const int peak = hdr10PlusPeakLuminance(r.peakIndex);
    node.add(QStringLiteral("Peak luminance"),
             peak ? QStringLiteral("%1 cd/m2 (index %2)").arg(peak).arg(r.peakIndex)
                  : QStringLiteral("not given (index 0)"),
             at);
    const int percent = hdr10PlusFullFramePercent(r.fullFramePeakIndex);
    node.add(QStringLiteral("Full-frame peak luminance"),
             peak ? QStringLiteral("%1 cd/m2 (%2% of peak, index %3)")
                        .arg(peak * percent / 100)
                        .arg(percent)
                        .arg(r.fullFramePeakIndex)
                  : QStringLiteral("%1% of peak (index %2)").arg(percent).arg(r.fullFramePeakIndex),
             at);
    if (r.applicationVersion != 1)
        addFinding(findings, Finding::Warning, payloadOffset, kVendorByte, 1,
                   QStringLiteral("HDR10+: unknown application version %1.").arg(r.applicationVersion));
    addTrailingField(node, p, kVendorByte + 1, payloadOffset);
}
