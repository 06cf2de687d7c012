#ifndef MODERNBLOCKEDITS_H
#define MODERNBLOCKEDITS_H

// Field edits of the modern data block codecs written as text, so that test
// tables can list them: "hasVrr=1;vrrMin=48;vrrMax=144". Each edit decodes
// the payload, sets the named record fields and encodes the record again.

#include "ceaeeodb.h"
#include "ceafreesync.h"
#include "ceahdmi.h"
#include "ceahdmiforum.h"
#include "ceahdrstatic.h"
#include "ceamodernblocks.h"

#include <QMap>
#include <QStringList>
#include <functional>

namespace modernedits {

template <typename R> using Setters = QMap<QString, std::function<void(R&, int)>>;

#define FIELD(name, member) {name, [](R& r, int v) { r.member = decltype(r.member)(v); }}

// clang-format off
inline const Setters<HdmiVendorBlock>& hdmi()
{
    typedef HdmiVendorBlock R;
    static const Setters<R> setters = {
        FIELD("pa", physicalAddress), FIELD("hasCaps", hasCapabilities), FIELD("dc48", dc48bit),
        FIELD("hasTmds", hasMaxTmdsClock), FIELD("tmds", maxTmdsClock), FIELD("hasFeatures", hasFeatures),
        FIELD("game", contentGame), FIELD("latency", latencyPresent), FIELD("interlaced", interlacedLatencyPresent),
        FIELD("vl", videoLatency), FIELD("al", audioLatency), FIELD("ivl", interlacedVideoLatency),
        FIELD("ial", interlacedAudioLatency), FIELD("imageSize", imageSize),
        {"vic", [](R& r, int v) { r.hdmiVics << v; }}};
    return setters;
}

inline const Setters<HdmiForumBlock>& hdmiForum()
{
    typedef HdmiForumBlock R;
    static const Setters<R> setters = {
        FIELD("scdb", sinkCapability), FIELD("version", version), FIELD("tmds", maxTmdsCharacterRate),
        FIELD("frl", maxFrlRate), FIELD("allm", allm), FIELD("hasVrr", hasVrr), FIELD("vrrMin", vrrMin),
        FIELD("vrrMax", vrrMax), FIELD("hasDsc", hasDsc), FIELD("dsc1p2", dsc1p2),
        FIELD("chunk", dscTotalChunkKBytes)};
    return setters;
}

inline const Setters<FreeSyncBlock>& freeSync()
{
    typedef FreeSyncBlock R;
    static const Setters<R> setters = {
        FIELD("min", minRefreshRate), FIELD("max", maxRefreshRate), FIELD("hasHdr", hasHdrFields),
        FIELD("maxLum", maxLuminanceCode), FIELD("has10", hasRefresh10Bit), FIELD("max10", maxRefreshRate10),
        {"setMax", [](R& r, int v) { setFreeSyncMaxRefresh(r, v); }}};
    return setters;
}

inline const Setters<HdrStaticMetadata>& hdrStatic()
{
    typedef HdrStaticMetadata R;
    static const Setters<R> setters = {
        FIELD("pq", eotfPq), FIELD("hlg", eotfHlg), FIELD("hasMax", hasMaxLuminance), FIELD("max", maxLuminanceCode),
        FIELD("hasMin", hasMinLuminance), FIELD("min", minLuminanceCode)};
    return setters;
}

inline const Setters<HfEeodb>& eeodb()
{
    typedef HfEeodb R;
    static const Setters<R> setters = {FIELD("count", extensionCount)};
    return setters;
}
// clang-format on

#undef FIELD

template <typename R>
QByteArray edit(const Setters<R>& setters, R record, const QString& edits, QByteArray (*encode)(const R&))
{
    for (const QString& item : edits.split(';', Qt::SkipEmptyParts)) {
        const QStringList parts = item.split('=');
        Q_ASSERT_X(setters.contains(parts.at(0)), "edit", qPrintable(item));
        setters.value(parts.at(0))(record, parts.at(1).toInt(nullptr, 0));
    }
    return encode(record);
}

// The payload of a block of `kind` after `edits` (see above); edits name
// the fields of the tables above.
inline QByteArray editBlock(ModernBlockKind kind, const QByteArray& payload, const QString& edits)
{
    switch (kind) {
    case ModernBlockKind::Hdmi:
        return edit(hdmi(), decodeHdmiVendorBlock(payload), edits, encodeHdmiVendorBlock);
    case ModernBlockKind::HdmiForum:
    case ModernBlockKind::HdmiForumScdb:
        return edit(hdmiForum(), decodeHdmiForumBlock(payload), edits, encodeHdmiForumBlock);
    case ModernBlockKind::FreeSync:
        return edit(freeSync(), decodeFreeSyncBlock(payload), edits, encodeFreeSyncBlock);
    case ModernBlockKind::HdrStaticMetadata:
        return edit(hdrStatic(), decodeHdrStaticMetadata(payload), edits, encodeHdrStaticMetadata);
    case ModernBlockKind::HfEeodb: return edit(eeodb(), decodeHfEeodb(payload), edits, encodeHfEeodb);
    default: return payload;
    }
}

} // namespace modernedits

#endif
