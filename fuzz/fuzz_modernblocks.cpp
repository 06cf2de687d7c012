// The codecs of the modern CTA-861 data blocks (HDMI, HDMI Forum, FreeSync,
// HDR static and dynamic metadata, Dolby Vision, HDR10+, HF-EEODB) over any
// payload of 0 to 31 bytes: every codec decodes and describes it, and
// encoding the decoded record gives the payload back. Every described field
// and finding lies inside the block. The payload is also tried behind each
// block's OUI or extended tag, through the entry point the decoders call,
// and with every optional group of the editable blocks switched on, which
// must read back as present.
#include "ceadolbyvision.h"
#include "ceaeeodb.h"
#include "ceafreesync.h"
#include "ceahdmi.h"
#include "ceahdmiforum.h"
#include "ceahdr10plus.h"
#include "ceahdrdynamic.h"
#include "ceahdrstatic.h"
#include "ceamodernblocks.h"

#include <cstdlib>

namespace {

constexpr int kHeaderOffset = 132;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// Fields and findings of a block of `size` payload bytes stay inside it.
void requireInside(const DecodedNode& node, const Findings& findings, int size)
{
    const int end = kHeaderOffset + 1 + size;
    for (const DecodedField& field : node.fields)
        require(field.offset < 0 || (field.offset > kHeaderOffset && field.offset + field.length <= end));
    for (const Finding& finding : findings)
        require(finding.offset >= kHeaderOffset && finding.offset + finding.length <= end);
}

template <typename R>
void checkCodec(const QByteArray& payload, R (*decode)(const QByteArray&), QByteArray (*encode)(const R&),
                void (*describe)(const R&, int, DecodedNode&, Findings&))
{
    const R record = decode(payload);
    DecodedNode node;
    Findings findings;
    describe(record, kHeaderOffset + 1, node, findings);
    requireInside(node, findings, payload.size());
    if (encode)
        require(encode(record) == payload);
}

void checkGroups(const QByteArray& payload)
{
    HdmiVendorBlock hdmi = decodeHdmiVendorBlock(payload);
    hdmi.hasFeatures = true;
    hdmi.latencyPresent = hdmi.interlacedLatencyPresent = true;
    const QByteArray hdmiBytes = encodeHdmiVendorBlock(hdmi);
    const HdmiVendorBlock hdmiBack = decodeHdmiVendorBlock(hdmiBytes);
    require(hdmiBack.hasCapabilities && hdmiBack.hasMaxTmdsClock && hdmiBack.latencyPresent);
    require(encodeHdmiVendorBlock(hdmiBack) == hdmiBytes);

    HdmiForumBlock forum = decodeHdmiForumBlock(payload);
    forum.hasDsc = true;
    const QByteArray forumBytes = encodeHdmiForumBlock(forum);
    const HdmiForumBlock forumBack = decodeHdmiForumBlock(forumBytes);
    require(forumBack.hasDsc && forumBack.hasVrr && forumBack.hasFeatures);

    HdrStaticMetadata hdr = decodeHdrStaticMetadata(payload);
    hdr.hasMinLuminance = true;
    const HdrStaticMetadata hdrBack = decodeHdrStaticMetadata(encodeHdrStaticMetadata(hdr));
    require(hdrBack.payload.size() >= 6 && hdrBack.hasMaxLuminance && hdrBack.hasMaxFrameAverage);

    FreeSyncBlock amd = decodeFreeSyncBlock(payload);
    amd.hasRefresh10Bit = true;
    setFreeSyncMaxRefresh(amd, 1000);
    const FreeSyncBlock amdBack = decodeFreeSyncBlock(encodeFreeSyncBlock(amd));
    require(amdBack.hasHdrFields && amdBack.maxRefreshRate10 == 1000 && amdBack.maxRefreshRate == 255);
}

QByteArray prefixed(const char* prefix, int size, const QByteArray& payload)
{
    return (QByteArray(prefix, size) + payload).left(31);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray payload = QByteArray(reinterpret_cast<const char*>(data) + 1, int(size) - 1).left(31);
    checkCodec(payload, decodeHdmiVendorBlock, encodeHdmiVendorBlock, describeHdmiVendorBlock);
    checkCodec(payload, decodeHdmiForumBlock, encodeHdmiForumBlock, describeHdmiForumBlock);
    checkCodec(payload, decodeFreeSyncBlock, encodeFreeSyncBlock, describeFreeSyncBlock);
    checkCodec(payload, decodeHdrStaticMetadata, encodeHdrStaticMetadata, describeHdrStaticMetadata);
    checkCodec(payload, decodeHfEeodb, encodeHfEeodb, describeHfEeodb);
    checkCodec<HdrDynamicMetadata>(payload, decodeHdrDynamicMetadata, nullptr, describeHdrDynamicMetadata);
    checkCodec<DolbyVisionBlock>(payload, decodeDolbyVisionBlock, nullptr, describeDolbyVisionBlock);
    checkCodec<Hdr10PlusBlock>(payload, decodeHdr10PlusBlock, nullptr, describeHdr10PlusBlock);
    checkGroups(payload);

    // The entry point, behind the identification of each block; the first
    // input byte gives the header's tag bits.
    const QByteArray payloads[] = {
        payload,
        prefixed("\x03\x0c\x00", 3, payload),
        prefixed("\xd8\x5d\xc4", 3, payload),
        prefixed("\x1a\x00\x00", 3, payload),
        prefixed("\x01\x46\xd0\x00", 4, payload),
        prefixed("\x01\x8b\x84\x90", 4, payload),
    };
    for (const QByteArray& p : payloads) {
        const QByteArray block = char((data[0] & 0xE0) | p.size()) + p;
        DecodedNode node;
        Findings findings;
        if (describeModernDataBlock(block, kHeaderOffset, node, findings))
            requireInside(node, findings, p.size());
    }
    return 0;
}
