#include "ceafreesync.h"

#include "ceahdrstatic.h"

#include <QStringList>

using namespace FieldText;

const Byte AMD_OUI[3] = {0x1A, 0x00, 0x00};

namespace {

typedef FreeSyncBlock R;

constexpr int kMandatoryEnd = 8;
constexpr int kHdrEnd = 13;
constexpr int kRefreshEnd = 15;

const PayloadGroup<R> kGroups[] = {
    {nullptr, 0, kMandatoryEnd},
    {&R::hasHdrFields, 8, kHdrEnd},
    {&R::hasRefresh10Bit, 13, kRefreshEnd},
};

const PayloadFlag<R> kFlags[] = {
    {"PQ EOTF (SMPTE ST 2084)", &R::pq, 8, 2},
    {"PQ interim", &R::pqInterim, 8, 4},
};

const PayloadValue<R> kValues[] = {
    {&R::version, 3, 0, 8, 0, 1},
    {&R::featureCaps, 4, 0, 8, 0, 1},
    {&R::minRefreshRate, 5, 0, 8, 0, 1},
    {&R::maxRefreshRate, 6, 0, 8, 0, 1},
    {&R::mccsFlags, 7, 0, 8, 0, 1},
    {&R::panelType, 8, 6, 2, 0, 1},
    {&R::maxLuminanceCode, 9, 0, 8, 0, 1},
    {&R::minLuminanceCode, 10, 0, 8, 0, 1},
    {&R::maxLuminance2Code, 11, 0, 8, 0, 1},
    {&R::minLuminance2Code, 12, 0, 8, 0, 1},
    {&R::maxRefreshRate10, 13, 0, 8, 0, 1},
    {&R::maxRefreshRate10, 14, 0, 2, 8, 1},
};

const PayloadLayout<R> kLayout = payloadLayout(kGroups, kFlags, kValues);

// Meanings of the feature caps bits as far as they are known.
const char* const kCapsBits[8] = {
    "bit 0",
    "HDR fields valid",
    "global backlight control",
    "local dimming",
    "Panel Replay / PSR switch",
    "SPRS",
    "FreeSync Panel Replay",
    "extra v3 bytes valid",
};

const char* const kPanelTypes[4] = {"default", "mini-LED", "OLED", "reserved"};

// MCCS flags bits that say the range is switched through VESA MCCS.
constexpr int kMccsMask = 0xE6;

const FieldRange kRanges[] = {
    {"Version", 0, 255, 1, "", false},
    {"Min refresh rate", 1, 255, 1, "Hz", false},
    {"Max refresh rate", 1, 255, 1, "Hz", false},
    {"Max refresh rate", 1, 1023, 1, "Hz", false},
    {"Luminance code", 0, 255, 1, "", false},
};

const char kBlockName[] = "AMD FreeSync";

QString capsText(int caps)
{
    QStringList set;
    for (int bit = 0; bit < 8; ++bit) {
        if (caps & (1 << bit))
            set << QString::fromLatin1(kCapsBits[bit]);
    }
    return set.isEmpty() ? hexValue(caps)
                         : hexValue(caps) + QStringLiteral(" (") + set.join(QStringLiteral(", ")) + ')';
}

QString hzText(int hz)
{
    return QStringLiteral("%1 Hz").arg(hz);
}

void describeHdrFields(const FreeSyncBlock& r, int offset, DecodedNode& node)
{
    node.add(QStringLiteral("Color flags"), hexValue(payloadByte(r.payload, 8)), offset + 8);
    describePayloadFlags(kLayout, r, offset, 8, 8, node);
    node.add(
        QStringLiteral("Panel type"),
        QStringLiteral("%1 (code %2)").arg(QString::fromLatin1(kPanelTypes[r.panelType])).arg(r.panelType),
        offset + 8);
    const struct {
        const char* name;
        int byte;
        int maxCode;
        int code;
        bool isMin;
    } luminances[] = {
        {"Max luminance", 9, r.maxLuminanceCode, r.maxLuminanceCode, false},
        {"Min luminance", 10, r.maxLuminanceCode, r.minLuminanceCode, true},
        {"Max luminance 2", 11, r.maxLuminance2Code, r.maxLuminance2Code, false},
        {"Min luminance 2", 12, r.maxLuminance2Code, r.minLuminance2Code, true},
    };
    for (const auto& l : luminances) {
        if (l.byte >= r.payload.size())
            continue;
        const double candelas = l.isMin ? minLuminanceOfCode(l.maxCode, l.code) : maxLuminanceOfCode(l.code);
        node.add(QString::fromLatin1(l.name), luminanceText(candelas, l.code), offset + l.byte);
    }
}

} // namespace

FreeSyncBlock decodeFreeSyncBlock(const QByteArray& payload)
{
    return decodedPayloadFields(kLayout, payload);
}

QByteArray encodeFreeSyncBlock(const FreeSyncBlock& record)
{
    return encodePayloadFields(kLayout, record, decodeFreeSyncBlock(record.payload),
                               QByteArray(reinterpret_cast<const char*>(AMD_OUI), 3));
}

void setFreeSyncMaxRefresh(FreeSyncBlock& record, int hz)
{
    record.maxRefreshRate = qMin(hz, 255);
    if (record.hasRefresh10Bit)
        record.maxRefreshRate10 = hz;
}

FieldRange freeSyncRange(FreeSyncValue value)
{
    return kRanges[int(value)];
}

QString freeSyncRangeProblem(int minHz, int maxHz)
{
    if (minHz <= maxHz)
        return QString();
    return QStringLiteral("The min refresh rate (%1 Hz) must not exceed the max refresh rate (%2 Hz).")
        .arg(minHz)
        .arg(maxHz);
}

void describeFreeSyncBlock(const FreeSyncBlock& r, int payloadOffset, DecodedNode& node, Findings& findings)
{
    const QByteArray& p = r.payload;
    const QString name = QString::fromLatin1(kBlockName);
    node.name = name;
    if (p.size() < kMandatoryEnd)
        addFinding(findings, Finding::Failure, payloadOffset, 0, p.size(),
                   QStringLiteral("%1: %2 payload bytes; the block needs at least %3.")
                       .arg(name)
                       .arg(p.size())
                       .arg(kMandatoryEnd));
    if (p.size() > 3) {
        node.add(QStringLiteral("Version"), QString::number(r.version), payloadOffset + 3);
        if (r.version < 1 || r.version > 3)
            addFinding(findings, Finding::Warning, payloadOffset, 3, 1,
                       QStringLiteral("%1: unknown version %2.").arg(name).arg(r.version));
    }
    if (p.size() > 4)
        node.add(QStringLiteral("Feature caps"), capsText(r.featureCaps), payloadOffset + 4);
    if (p.size() > 5)
        node.add(QStringLiteral("Min refresh rate"), hzText(r.minRefreshRate), payloadOffset + 5);
    if (p.size() > 6) {
        node.add(QStringLiteral("Max refresh rate"), hzText(r.maxRefreshRate), payloadOffset + 6);
        if (!freeSyncRangeProblem(r.minRefreshRate, r.maxRefreshRate).isEmpty())
            addFinding(findings, Finding::Warning, payloadOffset, 5, 2,
                       QStringLiteral("%1: min refresh rate %2 Hz is above max refresh rate %3 Hz.")
                           .arg(name)
                           .arg(r.minRefreshRate)
                           .arg(r.maxRefreshRate));
    }
    if (p.size() > 7)
        node.add(
            QStringLiteral("MCCS flags"),
            hexValue(r.mccsFlags)
                + (r.mccsFlags & kMccsMask ? QStringLiteral(" (range set through VESA MCCS)") : QString()),
            payloadOffset + 7);
    if (r.hasHdrFields)
        describeHdrFields(r, payloadOffset, node);
    if (r.hasRefresh10Bit)
        node.add(QStringLiteral("Max refresh rate (10 bit)"), hzText(r.maxRefreshRate10), payloadOffset + 13,
                 qMin(p.size() - 13, 2));
    if (p.size() > kRefreshEnd)
        node.add(QStringLiteral("Unknown bytes"), hexBytes(p.mid(kRefreshEnd)), payloadOffset + kRefreshEnd,
                 p.size() - kRefreshEnd);
}
