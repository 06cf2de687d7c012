#include "decodecontext.h"

#include "detailedtiming.h"

#include <QStringList>
#include <cstdio>
#include <numeric>

using namespace FieldText;


namespace {

// printf rounding (exact halves to even), as other EDID tools print rates.
QString printed(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return QString::fromLatin1(text);
}

} // namespace

QString hertz(double hz)
{
    return printed("%.6f Hz", hz);
}

QString kiloHertz(double khz)
{
    return printed("%.3f kHz", khz);
}

QString megaHertz(double mhz)
{
    return printed("%.6f MHz", mhz);
}

QString aspectOf(int width, int height)
{
    if (width <= 0 || height <= 0)
        return QStringLiteral("undefined");
    const int divisor = std::gcd(width, height);
    return QStringLiteral("%1:%2").arg(width / divisor).arg(height / divisor);
}

QString bitNames(unsigned value, const char* const* names, int count)
{
    QStringList set;
    for (int bit = 0; bit < count; ++bit) {
        if (value & (1u << bit))
            set << QString::fromLatin1(names[bit]);
    }
    return set.isEmpty() ? QStringLiteral("none") : set.join(QStringLiteral(", "));
}

DecodedNode sectionNode(const QString& name, int offset, int length)
{
    DecodedNode node;
    node.name = name;
    node.offset = offset;
    node.length = length;
    return node;
}

QString timingSummary(int hActive, int vActive, bool interlaced, double vHz, double hKHz, double clockMHz,
                      const QString& aspect)
{
    return QStringLiteral("%1x%2%3 %4 %5 %6 %7")
        .arg(hActive)
        .arg(vActive)
        .arg(interlaced ? QStringLiteral("i") : QString())
        .arg(hertz(vHz), aspect, kiloHertz(hKHz), megaHertz(clockMHz));
}

namespace {

QString syncText(const T_EDID_DETAILED_TIMING_DEF& t)
{
    const QString h = t.syncFlagBit1 ? QStringLiteral("+") : QStringLiteral("-");
    switch (t.syncType) {
    case 3:
        return QStringLiteral("digital separate, H %1, V %2").arg(h, t.syncFlagBit2 ? "+" : "-");
    case 2:
        return QStringLiteral("digital composite, H %1%2").arg(h, t.syncFlagBit2 ? ", serrations" : "");
    default:
        return QStringLiteral("%1 composite%2%3")
            .arg(t.syncType == 1 ? "bipolar analog" : "analog", t.syncFlagBit2 ? ", serrations" : "",
                 t.syncFlagBit1 ? ", sync on all RGB lines" : ", sync on green");
    }
}

} // namespace

void describeDetailedTiming(DecodeContext& context, const Byte* dtd, int offset, DecodedNode& node)
{
    T_EDID_DETAILED_TIMING_DEF t;
    decodeDetailedTiming(dtd, t);
    const int number = ++context.detailedTimingCount;
    const int hBlank = t.hTotal - t.hActive;
    const int vBlank = t.vTotal - t.vActive;
    const double clockMHz = t.pixelClock / 100.0;
    const double hKHz = t.hTotal ? clockMHz * 1000.0 / t.hTotal : 0;
    // An interlaced timing gives the lines of one field; a frame has two
    // fields of vTotal + 1/2 lines.
    const double fieldLines = t.vTotal + (t.interlaced ? 0.5 : 0.0);
    const double vHz = t.hTotal && fieldLines > 0 ? hKHz * 1000.0 / fieldLines : 0;
    const int frameLines = t.vActive * (t.interlaced ? 2 : 1);
    QString summary = timingSummary(t.hActive, frameLines, t.interlaced, vHz, hKHz, clockMHz,
                                    aspectOf(t.hActive, frameLines));
    summary += QStringLiteral(" (%1 mm x %2 mm)").arg(t.hImageSize).arg(t.vImageSize);
    const QString name = QStringLiteral("DTD %1").arg(number);
    node.add(name, summary, offset, DTD_SIZE);
    node.add("Pixel clock", megaHertz(clockMHz), offset, 2);
    node.add("Horizontal frequency", kiloHertz(hKHz));
    node.add("Vertical frequency", hertz(vHz));
    node.add("Horizontal active", QString::number(t.hActive), offset + 2, 3);
    node.add("Horizontal blanking", QString::number(hBlank), offset + 3, 2);
    node.add("Horizontal front porch", QString::number(t.hFrontPorch), offset + 8, 4);
    node.add("Horizontal sync width", QString::number(t.hSyncWidth), offset + 9, 3);
    node.add("Horizontal back porch", QString::number(short(t.hBackPorch)));
    node.add("Vertical active", QString::number(t.vActive), offset + 5, 3);
    node.add("Vertical blanking", QString::number(vBlank), offset + 6, 2);
    node.add("Vertical front porch", QString::number(t.vFrontPorch), offset + 10, 2);
    node.add("Vertical sync width", QString::number(t.vSyncWidth), offset + 10, 2);
    node.add("Vertical back porch", QString::number(short(t.vBackPorch)));
    node.add("Image size", QStringLiteral("%1 mm x %2 mm").arg(t.hImageSize).arg(t.vImageSize), offset + 12, 3);
    node.add("Borders", QStringLiteral("%1 x %2").arg(t.hBorder).arg(t.vBorder), offset + 15, 2);
    node.add("Interlaced", yesNo(t.interlaced), offset + 17);
    node.add("Stereo", stereoModeText(t.stereoCode), offset + 17);
    node.add("Sync", syncText(t), offset + 17);
    context.timings.append({name, context.block, offset, vHz, hKHz, clockMHz, number == 1 && context.block == 0});
    if (hBlank <= 0 || vBlank <= 0 || t.hActive == 0 || t.vActive == 0)
        context.warn(offset, DTD_SIZE, name + QStringLiteral(": active or blanking size is zero"));
}
