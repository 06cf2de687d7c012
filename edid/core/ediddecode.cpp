// The whole file: split into 128-byte blocks, each decoded by the decoder
// of its family; then the checks that concern more than one block (the
// extension count, the block map, the range limits).
#include "checksum.h"
#include "decodecontext.h"
#include "edidinfo.h"

#include <QStringList>

using namespace FieldText;

namespace {

constexpr Byte kCtaTag = 0x02;
constexpr Byte kDisplayIdTag = 0x70;
constexpr Byte kBlockMapTag = 0xF0;

QString tagName(Byte tag)
{
    switch (tag) {
    case kCtaTag: return QStringLiteral("CTA-861 extension block");
    case 0x10: return QStringLiteral("Video Timing Extension Block");
    case 0x40: return QStringLiteral("Display Information Extension Block");
    case 0x50: return QStringLiteral("Localized String Extension Block");
    case 0x60: return QStringLiteral("Digital Packet Video Link Extension Block");
    case kDisplayIdTag: return QStringLiteral("DisplayID extension block");
    case kBlockMapTag: return QStringLiteral("Block map extension block");
    case 0xFF: return QStringLiteral("Manufacturer-Specific Extension Block");
    default: return QStringLiteral("Unknown extension block 0x%1").arg(hexByte(tag));
    }
}

DecodedNode hexBlock(const Byte* block, int base)
{
    DecodedNode node;
    for (int row = 0; row < EDID_BLOCK_SIZE; row += 16)
        node.add(QStringLiteral("Bytes %1-%2").arg(row).arg(row + 15), hexBytes(block + row, 16), base + row, 16);
    return node;
}

DecodedNode blockMap(DecodeContext& context)
{
    const int base = context.block * EDID_BLOCK_SIZE;
    const Byte* map = context.bytes + base;
    DecodedNode node;
    const int blocks = context.size / EDID_BLOCK_SIZE;
    for (int i = 1; i < EDID_BLOCK_SIZE - 1 && map[i]; ++i) {
        const int described = context.block + i;
        node.add(QStringLiteral("Block %1").arg(described), tagName(map[i]), base + i);
        if (described < blocks && context.bytes[described * EDID_BLOCK_SIZE] != map[i])
            context.warn(base + i, 1, QStringLiteral("Block map entry %1 says 0x%2, block %3 has tag 0x%4")
                                          .arg(i).arg(hexByte(map[i])).arg(described)
                                          .arg(hexByte(context.bytes[described * EDID_BLOCK_SIZE])));
    }
    if (context.block != 1 && context.block != 128)
        context.warn(base, 1, "A block map may only be block 1 or block 128");
    return node;
}

DecodedNode decodeBlock(DecodeContext& context)
{
    const int base = context.block * EDID_BLOCK_SIZE;
    const Byte tag = context.bytes[base];
    DecodedNode node;
    QString name;
    if (context.block == 0) {
        node = decodeBaseBlockNode(context);
        name = QStringLiteral("Base EDID");
    } else if (tag == kCtaTag) {
        node = decodeCtaBlock(context);
        name = tagName(tag);
    } else if (tag == kDisplayIdTag) {
        node = decodeDisplayIdBlock(context);
        name = node.name;
    } else if (tag == kBlockMapTag) {
        node = blockMap(context);
        name = tagName(tag);
    } else {
        node = hexBlock(context.bytes + base, base);
        name = tagName(tag);
        context.warn(base, 1, QStringLiteral("Block %1 is an unknown extension block (tag 0x%2)")
                                  .arg(context.block).arg(hexByte(tag)));
    }
    node.name = QStringLiteral("Block %1: %2").arg(context.block).arg(name);
    node.offset = base;
    node.length = EDID_BLOCK_SIZE;
    const Byte* block = context.bytes + base;
    if (!blockChecksumValid(block))
        context.fail(base + EDID_BLOCK_SIZE - 1, 1, QStringLiteral("Block %1 checksum is 0x%2, should be 0x%3")
                                                        .arg(context.block).arg(hexByte(block[127]))
                                                        .arg(hexByte(blockChecksum(block))));
    return node;
}

void checkExtensionCount(DecodeContext& context, int blocks)
{
    context.block = 0;
    const int byte126 = context.bytes[126];
    const bool eeodb = context.eeodbCount >= 0;
    const int announced = eeodb ? context.eeodbCount : byte126;
    const int present = blocks - 1;
    if (announced != present)
        context.fail(eeodb ? EDID_BLOCK_SIZE + 6 : 126, 1,
                     QStringLiteral("%1 announces %2 extension block(s), the file holds %3")
                         .arg(eeodb ? QStringLiteral("The HF-EEODB") : QStringLiteral("Byte 126"))
                         .arg(announced).arg(present));
    if (eeodb && byte126 != 1)
        context.warn(126, 1, QStringLiteral("Byte 126 is %1 beside an HF-EEODB, should be 1").arg(byte126));
}

// One range of the limits: the rates outside it, beyond `tolerance`
// (one unit of the descriptor) or within it.
struct RangeCheck {
    const char* what;
    const char* unit;
    double min;
    double max;
    double TimingRates::*rate;
    double tolerance;
    bool binding;   // an E-EDID 1.3 preferred timing beyond it fails
};

void checkRanges(DecodeContext& context)
{
    if (!context.hasRangeLimits || context.timings.isEmpty())
        return;
    const T_EDID_RANGE_LIMITS& r = context.rangeLimits;
    QList<RangeCheck> checks = {
        {"Vertical rate", "Hz", double(r.minVRate), double(r.maxVRate), &TimingRates::vHz, 1.0, true},
        // Real displays often state a horizontal range their own preferred
        // timing leaves: only a warning.
        {"Horizontal rate", "kHz", double(r.minHRate), double(r.maxHRate), &TimingRates::hKHz, 1.0, false},
    };
    if (r.maxPixelClock > 0)
        checks.append({"Pixel clock", "MHz", 0.0, double(r.maxPixelClock), &TimingRates::clockMHz, 10.0, true});
    for (const RangeCheck& check : checks) {
        if (check.min > check.max)
            continue;
        const TimingRates* worst = nullptr;
        bool beyond = false;
        for (const TimingRates& timing : context.timings) {
            const double value = timing.*check.rate;
            if (value >= check.min && value <= check.max)
                continue;
            const bool far = timing.preferred
                && (value < check.min - check.tolerance || value > check.max + check.tolerance);
            if (!worst || (far && !beyond))
                worst = &timing;
            beyond = beyond || far;
        }
        if (!worst)
            continue;
        // E-EDID 1.4 lets a display accept timings its range limits leave
        // out; an E-EDID 1.3 preferred timing must lie within them, apart
        // from a rounding of one unit.
        context.block = 0;
        const QString message = QStringLiteral("%1 of %2 (block %3) is outside the range limits: %4 %5 (limits %6-%7 %5)")
                                    .arg(check.what, worst->name).arg(worst->block)
                                    .arg(worst->*check.rate, 0, 'f', 3).arg(check.unit)
                                    .arg(check.min).arg(check.max);
        if (beyond && check.binding && context.edidRevision == 3)
            context.fail(context.rangeLimitsOffset, 18, message);
        else
            context.warn(context.rangeLimitsOffset, 18, message);
    }
}

} // namespace

QByteArray dumpedEdidBytes(const QByteArray& dumpBytes)
{
    QByteArray bytes = dumpBytes;
    const int announced = bytes.size() > 126 ? Byte(bytes[126]) + 1 : 1;
    while (bytes.size() >= 2 * EDID_BLOCK_SIZE && bytes.size() / EDID_BLOCK_SIZE > announced
           && bytes.right(EDID_BLOCK_SIZE).count('\0') == EDID_BLOCK_SIZE)
        bytes.chop(EDID_BLOCK_SIZE);
    return bytes;
}

bool hasFailure(const Findings& findings)
{
    for (const Finding& finding : findings) {
        if (finding.level == Finding::Failure)
            return true;
    }
    return false;
}

DecodedNode decodeEdid(const QByteArray& fileBytes, Findings& findings)
{
    DecodeContext context;
    context.bytes = reinterpret_cast<const Byte*>(fileBytes.constData());
    context.size = fileBytes.size();
    DecodedNode root;
    root.name = QStringLiteral("EDID");
    root.offset = 0;
    root.length = context.size;
    const int blocks = context.size / EDID_BLOCK_SIZE;
    root.add("Size", QStringLiteral("%1 bytes, %2 block(s)").arg(context.size).arg(blocks));
    if (blocks == 0) {
        context.fail(0, context.size, QStringLiteral("The file holds %1 bytes, a base block has 128").arg(context.size));
        findings = context.findings;
        return root;
    }
    if (context.size % EDID_BLOCK_SIZE)
        context.fail(blocks * EDID_BLOCK_SIZE, context.size % EDID_BLOCK_SIZE,
                     QStringLiteral("%1 bytes after the last whole block").arg(context.size % EDID_BLOCK_SIZE));
    for (int block = 0; block < blocks; ++block) {
        context.block = block;
        root.children << decodeBlock(context);
    }
    checkExtensionCount(context, blocks);
    checkRanges(context);
    findings = context.findings;
    return root;
}
