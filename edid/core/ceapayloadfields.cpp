#include "ceapayloadfields.h"

using namespace FieldText;

void growPayload(QByteArray& bytes, int size, const QByteArray& prefix)
{
    for (int i = bytes.size(); i < prefix.size() && i < size; ++i)
        bytes.append(prefix.at(i));
    if (bytes.size() < size)
        bytes.append(QByteArray(size - bytes.size(), '\0'));
}

QString fieldRangeProblem(const FieldRange& range, int value)
{
    const bool inside
        = value >= range.minimum && value <= range.maximum && (value - range.minimum) % range.step == 0;
    if (inside || (range.zeroAllowed && value == 0))
        return QString();
    const QString unit = *range.unit ? QLatin1Char(' ') + QString::fromLatin1(range.unit) : QString();
    QString text = QStringLiteral("%1 must be ").arg(QString::fromLatin1(range.name));
    if (range.zeroAllowed)
        text += QStringLiteral("0 or ");
    text += QStringLiteral("%1 to %2%3").arg(range.minimum).arg(range.maximum).arg(unit);
    if (range.step > 1)
        text += QStringLiteral(" in steps of %1%2").arg(range.step).arg(unit);
    return text + QLatin1Char('.');
}

QString payloadSizeProblem(int size)
{
    if (size <= CEA_MAX_BLOCK_PAYLOAD)
        return QString();
    return QStringLiteral("The block would need %1 bytes after its header; a data block holds at most %2.")
        .arg(size)
        .arg(CEA_MAX_BLOCK_PAYLOAD);
}


void addFinding(Findings& findings, Finding::Level level, int payloadOffset, int byte, int length,
                const QString& message)
{
    Finding finding;
    finding.level = level;
    finding.offset = payloadOffset + byte;
    finding.block = finding.offset / EDID_BLOCK_SIZE;
    finding.length = length;
    finding.message = message;
    findings.append(finding);
}

void addTrailingFinding(Findings& findings, const QString& blockName, int payloadOffset, int byte, int count)
{
    if (count <= 0)
        return;
    addFinding(
        findings, Finding::Warning, payloadOffset, byte, count,
        QStringLiteral("%1: %2 byte(s) after the last field, kept as they are.").arg(blockName).arg(count));
}

void addTrailingField(DecodedNode& node, const QByteArray& payload, int from, int payloadOffset)
{
    if (from < payload.size())
        node.add(QStringLiteral("Trailing bytes"), hexBytes(payload.mid(from)), payloadOffset + from,
                 payload.size() - from);
}
