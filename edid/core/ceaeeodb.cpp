#include "ceaeeodb.h"

#include "ceapayloadfields.h"

namespace {

constexpr int kPayloadSize = 2;
// Absolute offset of the first data block of block 1.
constexpr int kFirstBlockOffset = EDID_BLOCK_SIZE + 4;

} // namespace

HfEeodb decodeHfEeodb(const QByteArray& payload)
{
    HfEeodb record;
    record.payload = payload;
    record.extensionCount = payloadByte(payload, 1);
    return record;
}

QByteArray encodeHfEeodb(const HfEeodb& record)
{
    QByteArray bytes = record.payload;
    if (record.extensionCount == decodeHfEeodb(bytes).extensionCount)
        return bytes;
    growPayload(bytes, kPayloadSize, QByteArray(1, char(CEA_EEODB_EXTENDED_TAG)));
    bytes[1] = char(record.extensionCount);
    return bytes;
}

void describeHfEeodb(const HfEeodb& record, int payloadOffset, DecodedNode& node, Findings& findings)
{
    node.name = QStringLiteral("HF-EEODB");
    const QByteArray& p = record.payload;
    if (p.size() > 1)
        node.add(QStringLiteral("Extension block count"), QString::number(record.extensionCount),
                 payloadOffset + 1);
    if (p.size() != kPayloadSize)
        addFinding(findings, p.size() < kPayloadSize ? Finding::Failure : Finding::Warning, payloadOffset, 0,
                   p.size(),
                   QStringLiteral("HF-EEODB: %1 payload bytes; the block has exactly 2.").arg(p.size()));
    addTrailingField(node, p, kPayloadSize, payloadOffset);
    if (p.size() > 1 && record.extensionCount < 2)
        addFinding(findings, Finding::Warning, payloadOffset, 1, 1,
                   QStringLiteral("HF-EEODB: an extension block count of %1 needs no override (at least 2).")
                       .arg(record.extensionCount));
    if (payloadOffset - 1 != kFirstBlockOffset)
        addFinding(findings, Finding::Warning, payloadOffset - 1, 0, p.size() + 1,
                   QStringLiteral("HF-EEODB: the block must be the first data block of block 1."));
}
