#include "ceamodernblocks.h"

#include "ceadolbyvision.h"
#include "ceaeeodb.h"
#include "ceafreesync.h"
#include "ceahdmi.h"
#include "ceahdmiforum.h"
#include "ceahdr10plus.h"
#include "ceahdrdynamic.h"
#include "ceahdrstatic.h"

#include <cstring>

namespace {

constexpr int kVendorTag = 3;
constexpr int kExtendedTag = 7;
constexpr int kVendorVideoExtendedTag = 1;

bool hasOui(const QByteArray& payload, int at, const Byte (&oui)[3])
{
    return payload.size() >= at + 3 && std::memcmp(payload.constData() + at, oui, 3) == 0;
}

ModernBlockKind vendorKind(const QByteArray& payload)
{
    if (hasOui(payload, 0, HDMI_OUI))
        return ModernBlockKind::Hdmi;
    if (hasOui(payload, 0, HDMI_FORUM_OUI))
        return ModernBlockKind::HdmiForum;
    if (hasOui(payload, 0, AMD_OUI))
        return ModernBlockKind::FreeSync;
    return ModernBlockKind::None;
}

ModernBlockKind extendedKind(const QByteArray& payload)
{
    switch (payloadByte(payload, 0)) {
    case CEA_HDR_STATIC_EXTENDED_TAG: return ModernBlockKind::HdrStaticMetadata;
    case CEA_HDR_DYNAMIC_EXTENDED_TAG: return ModernBlockKind::HdrDynamicMetadata;
    case CEA_HDMI_FORUM_SCDB_EXTENDED_TAG: return ModernBlockKind::HdmiForumScdb;
    case CEA_EEODB_EXTENDED_TAG: return ModernBlockKind::HfEeodb;
    case kVendorVideoExtendedTag:
        if (hasOui(payload, 1, DOLBY_OUI))
            return ModernBlockKind::DolbyVision;
        if (hasOui(payload, 1, HDR10PLUS_OUI))
            return ModernBlockKind::Hdr10Plus;
        return ModernBlockKind::None;
    default: return ModernBlockKind::None;
    }
}

} // namespace

ModernBlockKind modernBlockKind(int tag, const QByteArray& payload)
{
    if (payload.isEmpty())
        return ModernBlockKind::None;
    if (tag == kVendorTag)
        return vendorKind(payload);
    if (tag == kExtendedTag)
        return extendedKind(payload);
    return ModernBlockKind::None;
}

bool describeModernDataBlock(const QByteArray& block, int offset, DecodedNode& node, Findings& findings)
{
    if (block.isEmpty())
        return false;
    const int header = Byte(block.at(0));
    const QByteArray payload = block.mid(1, header & 31);
    const int at = offset + 1;
    switch (modernBlockKind(header >> 5, payload)) {
    case ModernBlockKind::None: return false;
    case ModernBlockKind::Hdmi:
        describeHdmiVendorBlock(decodeHdmiVendorBlock(payload), at, node, findings);
        break;
    case ModernBlockKind::HdmiForum:
    case ModernBlockKind::HdmiForumScdb:
        describeHdmiForumBlock(decodeHdmiForumBlock(payload), at, node, findings);
        break;
    case ModernBlockKind::FreeSync:
        describeFreeSyncBlock(decodeFreeSyncBlock(payload), at, node, findings);
        break;
    case ModernBlockKind::HdrStaticMetadata:
        describeHdrStaticMetadata(decodeHdrStaticMetadata(payload), at, node, findings);
        break;
    case ModernBlockKind::HdrDynamicMetadata:
        describeHdrDynamicMetadata(decodeHdrDynamicMetadata(payload), at, node, findings);
        break;
    case ModernBlockKind::DolbyVision:
        describeDolbyVisionBlock(decodeDolbyVisionBlock(payload), at, node, findings);
        break;
    case ModernBlockKind::Hdr10Plus:
        describeHdr10PlusBlock(decodeHdr10PlusBlock(payload), at, node, findings);
        break;
    case ModernBlockKind::HfEeodb: describeHfEeodb(decodeHfEeodb(payload), at, node, findings); break;
    }
    node.offset = offset;
    node.length = 1 + payload.size();
    return true;
}
