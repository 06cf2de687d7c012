#include "ceahdrdynamic.h"

#include "ceapayloadfields.h"

#include <QStringList>

using namespace FieldText;

namespace {

// Types with a support flag byte whose bits 3-0 are a version. Type 2
// (ETSI TS 103 433, SL-HDR) has its SL-HDR parts in bits 6-4 as well;
// type 3 has no support flags. Types are shown by number: public sources
// do not agree on the standards behind most of them.
struct TypeInfo {
    int type;
    const char* note;
    bool hasVersion;
};
const TypeInfo kTypes[] = {
    {1, "", true}, {2, " (ETSI TS 103 433, SL-HDR)", true}, {3, "", false},
    {4, "", true}, {256, " (graphics overlay flag)", true},
};

const TypeInfo* typeInfo(int type)
{
    for (const TypeInfo& info : kTypes) {
        if (info.type == type)
            return &info;
    }
    return nullptr;
}

QString slHdrText(int flags)
{
    QStringList parts;
    for (int bit = 4; bit <= 6; ++bit) {
        if (flags & (1 << bit))
            parts << QStringLiteral("SL-HDR%1").arg(bit - 3);
    }
    return parts.isEmpty() ? QStringLiteral("none") : parts.join(QStringLiteral(", "));
}

void describeEntry(const HdrDynamicEntry& entry, int number, int payloadOffset, DecodedNode& node)
{
    const TypeInfo* info = typeInfo(entry.type);
    const QString prefix = QStringLiteral("Entry %1 ").arg(number);
    const int at = payloadOffset + entry.offset;
    node.add(prefix + QStringLiteral("type"),
             QStringLiteral("%1%2").arg(entry.type).arg(info ? QString::fromLatin1(info->note) : QString()),
             at + 1, 2);
    int raw = 0;
    if (info && info->hasVersion && !entry.support.isEmpty()) {
        const int flags = Byte(entry.support.at(0));
        node.add(prefix + QStringLiteral("version"), QString::number(flags & 15), at + 3);
        if (entry.type == 2)
            node.add(prefix + QStringLiteral("SL-HDR"), slHdrText(flags), at + 3);
        raw = 1;
    }
    if (entry.support.size() > raw)
        node.add(prefix + QStringLiteral("support bytes"), hexBytes(entry.support.mid(raw)), at + 3 + raw,
                 entry.support.size() - raw);
}

} // namespace

HdrDynamicMetadata decodeHdrDynamicMetadata(const QByteArray& payload)
{
    HdrDynamicMetadata record;
    record.payload = payload;
    for (int i = 1; i < payload.size();) {
        const int length = payloadByte(payload, i);
        if (length < 2 || i + 1 + length > payload.size()) {
            record.brokenOffset = i;
            break;
        }
        HdrDynamicEntry entry;
        entry.offset = i;
        entry.type = payloadByte(payload, i + 1) | payloadByte(payload, i + 2) << 8;
        entry.support = payload.mid(i + 3, length - 2);
        record.entries << entry;
        i += 1 + length;
    }
    return record;
}

void describeHdrDynamicMetadata(const HdrDynamicMetadata& record, int payloadOffset, DecodedNode& node,
                                Findings& findings)
{
    node.name = QStringLiteral("HDR Dynamic Metadata");
    for (int i = 0; i < record.entries.size(); ++i) {
        const HdrDynamicEntry& entry = record.entries.at(i);
        describeEntry(entry, i + 1, payloadOffset, node);
        if (!typeInfo(entry.type))
            addFinding(findings, Finding::Warning, payloadOffset, entry.offset + 1, 2,
                       QStringLiteral("HDR Dynamic Metadata: unknown metadata type %1.").arg(entry.type));
    }
    if (record.entries.isEmpty() && record.brokenOffset < 0)
        addFinding(findings, Finding::Failure, payloadOffset, 0, record.payload.size(),
                   QStringLiteral("HDR Dynamic Metadata: the block lists no metadata type."));
    if (record.brokenOffset >= 0) {
        const int rest = record.payload.size() - record.brokenOffset;
        node.add(QStringLiteral("Broken entry"), hexBytes(record.payload.mid(record.brokenOffset)),
                 payloadOffset + record.brokenOffset, rest);
        addFinding(
            findings, Finding::Failure, payloadOffset, record.brokenOffset, rest,
            QStringLiteral("HDR Dynamic Metadata: an entry is shorter than 3 bytes or runs past the block."));
    }
}
