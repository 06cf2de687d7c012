// The CTA-861 extension block and its classic data blocks. The data blocks
// of current displays that have codecs of their own are decoded through
// describeModernDataBlock() first.
#include "ceaaudio.h"
#include "ceaextendedcodecs.h"
#include "ceainfoframecodec.h"
#include "ceamodernblocks.h"
#include "ceaoui.h"
#include "ceavic.h"
#include "ceavideo.h"
#include "decodecontext.h"
#include "detailedtiming.h"

#include <QStringList>

using namespace FieldText;

namespace {

constexpr int kCollectionStart = 4;
constexpr int kChecksumByte = 127;

struct NamedCode {
    int code;
    const char* name;
};

const NamedCode kExtendedTags[] = {
    {0, "Video Capability Data Block"},
    {1, "Vendor-Specific Video Data Block"},
    {2, "VESA Video Display Device Data Block"},
    {3, "VESA Video Timing Block Extension"},
    {4, "HDMI Video Data Block"},
    {5, "Colorimetry Data Block"},
    {6, "HDR Static Metadata Data Block"},
    {7, "HDR Dynamic Metadata Data Block"},
    {8, "Native Video Resolution Data Block"},
    {13, "Video Format Preference Data Block"},
    {14, "YCbCr 4:2:0 Video Data Block"},
    {15, "YCbCr 4:2:0 Capability Map Data Block"},
    {16, "CTA Miscellaneous Audio Fields Data Block"},
    {17, "Vendor-Specific Audio Data Block"},
    {18, "HDMI Audio Data Block"},
    {19, "Room Configuration Data Block"},
    {20, "Speaker Location Data Block"},
    {32, "InfoFrame Data Block"},
    {34, "DisplayID Type VII Video Timing Data Block"},
    {35, "DisplayID Type VIII Video Timing Data Block"},
    {42, "DisplayID Type X Video Timing Data Block"},
    {120, "HDMI Forum EDID Extension Override Data Block"},
    {121, "HDMI Forum Sink Capability Data Block"},
};

const NamedCode kOuis[] = {
    {0x000C03, "HDMI"},   {0xC45DD8, "HDMI Forum"}, {0x00001A, "AMD"},   {0x00D046, "Dolby"},
    {0x90848B, "HDR10+"}, {0x00044B, "NVIDIA"},     {0x0010FA, "Apple"}, {0x000CE7, "MediaTek"},
    {0x0014B9, "MStar"},  {0x1ABBFB, "UHDA"},       {0x00E047, "InFocus"}, {0x000C6E, "ASUS"},
};

template <std::size_t N>
const char* nameOf(const NamedCode (&table)[N], int code)
{
    for (const NamedCode& entry : table) {
        if (entry.code == code)
            return entry.name;
    }
    return nullptr;
}

const char* const kTagNames[8] = {"Reserved Data Block (tag 0)", "Audio Data Block", "Video Data Block",
                                  "Vendor-Specific Data Block", "Speaker Allocation Data Block",
                                  "VESA Display Transfer Characteristics Data Block", "Video Format Data Block",
                                  "Extended tag"};

const char* const kSpeakers[] = {
    "FL/FR - Front Left/Right", "LFE1 - Low Frequency Effects 1", "FC - Front Center",
    "BL/BR - Back Left/Right", "BC - Back Center", "FLc/FRc - Front Left/Right of Center",
    "RLC/RRC - Rear Left/Right of Center (Deprecated)", "FLw/FRw - Front Left/Right Wide",
    "TpFL/TpFR - Top Front Left/Right", "TpC - Top Center", "TpFC - Top Front Center",
    "LS/RS - Left/Right Surround", "LFE2 - Low Frequency Effects 2", "TpBC - Top Back Center",
    "SiL/SiR - Side Left/Right", "TpSiL/TpSiR - Top Side Left/Right", "TpBL/TpBR - Top Back Left/Right",
    "BtFC - Bottom Front Center", "BtFL/BtFR - Bottom Front Left/Right",
    "TpLS/TpRS - Top Left/Right Surround (Deprecated)", "LSd/RSd - Left/Right Surround Direct (HDMI only)",
};
constexpr int kSpeakerCount = int(sizeof kSpeakers / sizeof kSpeakers[0]);

const char* const kAudioFormats[16] = {
    "Reserved (0)", "Linear PCM", "AC-3", "MPEG 1 (Layers 1 & 2)", "MP3", "MPEG2 (multichannel)",
    "AAC LC", "DTS", "ATRAC", "One Bit Audio", "Enhanced AC-3 (DD+)", "DTS-HD", "MAT (MLP)", "DST",
    "WMA Pro", "Extended"};
const NamedCode kAudioExtensions[] = {
    {4, "MPEG-4 HE AAC"}, {5, "MPEG-4 HE AAC v2"}, {6, "MPEG-4 AAC LC"}, {7, "DRA"},
    {8, "MPEG-4 HE AAC + MPEG Surround"}, {10, "MPEG-4 AAC LC + MPEG Surround"},
    {11, "MPEG-H 3D Audio"}, {12, "AC-4"}, {13, "L-PCM 3D Audio"},
};

// One data block being decoded: its bytes and where they are.
struct Block {
    const Byte* header;     // the header byte
    int offset;             // absolute offset of the header byte
    int length;             // payload bytes after the header
    const Byte* payload() const { return header + 1; }
};

QString ouiDashed(int oui)
{
    return QStringLiteral("%1-%2-%3").arg(hexByte(oui >> 16), hexByte(oui >> 8), hexByte(oui));
}

void payloadHex(const Block& b, int from, DecodedNode& node)
{
    if (b.length > from)
        node.add("Payload", hexBytes(b.payload() + from, b.length - from), b.offset + 1 + from, b.length - from);
}

// Short video descriptors (one byte each) at `bytes`. The rates of 4:2:0
// only formats are not checked against the range limits: those are sent
// at half the clock of the format.
void shortVideoDescriptors(DecodeContext& context, const Byte* bytes, int count, int offset, DecodedNode& node,
                           bool ycbcr420Only = false)
{
    for (int i = 0; i < count; ++i) {
        const Byte svd = bytes[i];
        const int vic = svdVicCode(svd);
        const CEAVicTiming* t = vicTiming(vic);
        const QString name = QStringLiteral("VIC %1").arg(vic);
        if (!t) {
            node.add(name, QStringLiteral("reserved (byte 0x%1)").arg(hexByte(svd)), offset + i);
            context.warn(offset + i, 1, QStringLiteral("%1: %2 is a reserved VIC").arg(node.name, name));
            continue;
        }
        const double hKHz = t->hFrequencyKHz(), vHz = t->vFrequencyHz(), mhz = t->pixelClockKHz / 1000.0;
        node.add(name, QStringLiteral("%1 - %2%3")
                           .arg(vicName(vic),
                                timingSummary(t->hActive, t->vActive, t->interlaced, vHz, hKHz, mhz, t->aspect),
                                svdIsNative(svd) ? QStringLiteral(" (native)") : QString()),
                 offset + i);
        if (!ycbcr420Only)
            context.timings.append({name, context.block, offset + i, vHz, hKHz, mhz});
    }
}

QString audioRates(Byte rates)
{
    static const char* const kRates[7] = {"32", "44.1", "48", "88.2", "96", "176.4", "192"};
    QStringList list;
    for (int bit = 6; bit >= 0; --bit) {
        if (rates & (1 << bit))
            list << kRates[bit];
    }
    return list.isEmpty() ? QStringLiteral("none") : list.join(' ');
}

void audioBlock(DecodeContext& context, const Block& b, DecodedNode& node)
{
    if (b.length % CEA_AUDIO_DESCRIPTOR_SIZE)
        context.fail(b.offset, b.length + 1, "Audio Data Block: length is not a multiple of 3");
    for (int i = 0; i + CEA_AUDIO_DESCRIPTOR_SIZE <= b.length; i += CEA_AUDIO_DESCRIPTOR_SIZE) {
        const Byte* s = b.payload() + i;
        const int offset = b.offset + 1 + i;
        const int code = (s[0] >> 3) & 15;
        const int extension = s[2] >> 3;
        const char* extName = code == 15 ? nameOf(kAudioExtensions, extension) : nullptr;
        const QString format = code == 15 ? (extName ? QString(extName)
                                                     : QStringLiteral("Unknown Audio Ext Format (0x%1)").arg(hexByte(extension).toLower()))
                                          : QString(kAudioFormats[code]);
        node.add("Audio format", format, offset);
        node.add("Max channels", QString::number(code == 15 && extension == 13 ? ((s[0] & 7) | (s[1] & 0x80) >> 4) + 1
                                                                               : (s[0] & 7) + 1), offset);
        node.add("Supported sample rates (kHz)", audioRates(s[1]), offset + 1);
        if (code == 1 || (code == 15 && extension == 13)) {
            QStringList sizes;
            for (int bit = 2; bit >= 0; --bit) {
                if (s[2] & (1 << bit))
                    sizes << QString::number(16 + 4 * bit);
            }
            node.add("Supported sample sizes (bits)", sizes.isEmpty() ? QStringLiteral("none") : sizes.join(' '), offset + 2);
        } else if (code >= 2 && code <= 8) {
            node.add("Maximum bit rate", QStringLiteral("%1 kb/s").arg(s[2] * 8), offset + 2);
        } else if (code >= 9 && code <= 13) {
            node.add("Audio Format Code dependent value", QString::number(s[2]), offset + 2);
        } else if (code == 14) {
            node.add("Profile", QString::number(s[2] & 7), offset + 2);
        } else if (code == 15 && extension >= 4 && extension <= 6) {
            node.add("Frame lengths", QStringLiteral("%1%2").arg(s[2] & 4 ? "1024 " : "", s[2] & 2 ? "960" : "").trimmed(),
                     offset + 2);
        }
    }
}

void speakerBlock(const Block& b, DecodedNode& node)
{
    for (int bit = 0; bit < kSpeakerCount && bit / 8 < b.length; ++bit) {
        if (b.payload()[bit / 8] & (1 << (bit % 8)))
            node.add("Speaker", kSpeakers[bit], b.offset + 1 + bit / 8);
    }
}

void vendorBlock(const Block& b, int ouiAt, DecodedNode& node)
{
    if (b.length < ouiAt + 3) {
        payloadHex(b, 0, node);
        return;
    }
    const Byte* p = b.payload() + ouiAt;
    const int oui = p[0] | p[1] << 8 | p[2] << 16;
    const char* owner = nameOf(kOuis, oui);
    node.name += QStringLiteral("%1, OUI %2").arg(owner ? QStringLiteral(" (%1)").arg(owner) : QString(), ouiDashed(oui));
    node.add("OUI", ouiDashed(oui), b.offset + 1 + ouiAt, 3);
    payloadHex(b, ouiAt + 3, node);
}

void videoCapability(const Block& b, DecodedNode& node)
{
    if (b.length < 2)
        return;
    static const char* const kPt[4] = {"No Data", "Always Overscanned", "Always Underscanned",
                                       "Supports both over- and underscan"};
    const VideoCapability c = decodeVideoCapability(b.payload()[1]);
    const int offset = b.offset + 2;
    node.add("YCbCr quantization", c.qy ? "Selectable (via AVI YQ)" : "No Data", offset);
    node.add("RGB quantization", c.qs ? "Selectable (via AVI Q)" : "No Data", offset);
    node.add("PT scan behavior", kPt[c.pt], offset);
    node.add("IT scan behavior", c.it ? kPt[c.it] : "IT video formats not supported", offset);
    node.add("CE scan behavior", c.ce ? kPt[c.ce] : "CE video formats not supported", offset);
}

void colorimetry(const Block& b, DecodedNode& node)
{
    static const char* const kFirst[8] = {"xvYCC601", "xvYCC709", "sYCC601", "opYCC601",
                                          "opRGB", "BT2020cYCC", "BT2020YCC", "BT2020RGB"};
    static const char* const kSecond[8] = {"Gamut Boundary Description Metadata Profile MD0", "MD1", "MD2", "MD3",
                                           "Reserved", "ST2113RGB", "ICtCp", "DCI-P3"};
    if (b.length >= 2)
        node.add("Colorimetry", bitNames(b.payload()[1], kFirst, 8), b.offset + 2);
    if (b.length >= 3)
        node.add("More colorimetry", bitNames(b.payload()[2], kSecond, 8), b.offset + 3);
}

void capabilityMap(DecodeContext& context, const Block& b, DecodedNode& node)
{
    if (b.length <= 1) {
        node.add("YCbCr 4:2:0", "every video data block format");
        return;
    }
    const int base = context.block * EDID_BLOCK_SIZE;
    // The map refers to the video data block of its own CTA-861 block.
    const bool inCtaBlock = context.bytes[base] == 0x02 && b.offset < base + EDID_BLOCK_SIZE;
    const QByteArray svds = inCtaBlock ? firstVideoBlockDescriptors(context.bytes + base) : QByteArray();
    for (int position : capabilityMapPositions(b.payload() + 1, b.length - 1)) {
        const int offset = b.offset + 2 + position / 8;
        if (position >= svds.size()) {
            node.add(QStringLiteral("SVD %1").arg(position + 1), QStringLiteral("no such descriptor"), offset);
            continue;
        }
        const int vic = svdVicCode(Byte(svds.at(position)));
        const CEAVicTiming* t = vicTiming(vic);
        node.add(QStringLiteral("VIC %1").arg(vic),
                 QStringLiteral("SVD %1%2").arg(position + 1).arg(
                     t ? QStringLiteral(" - ") + timingSummary(t->hActive, t->vActive, t->interlaced, t->vFrequencyHz(),
                                                               t->hFrequencyKHz(), t->pixelClockKHz / 1000.0, t->aspect)
                       : QString()),
                 offset);
    }
}

void formatPreference(const Block& b, DecodedNode& node)
{
    for (int i = 1; i < b.length; ++i) {
        const Byte svr = b.payload()[i];
        QString value;
        if (vicDefined(svr))
            value = QStringLiteral("VIC %1 %2").arg(svr).arg(vicName(svr));
        else if (svr >= 129 && svr <= 144)
            value = QStringLiteral("DTD %1").arg(svr - 128);
        else if (svr >= 145 && svr <= 160)
            value = QStringLiteral("DisplayID timing %1").arg(svr - 144);
        else
            value = QStringLiteral("reserved (0x%1)").arg(hexByte(svr));
        node.add(QStringLiteral("Preference %1").arg(i), value, b.offset + 1 + i);
    }
}

void infoFrame(const Block& b, DecodedNode& node)
{
    if (b.length < 2)
        return;
    const InfoFrameContent content = parseInfoFramePayload(b.payload() + 1, b.length - 1);
    node.add("VSIFs received at once", QString::number(content.processing.maxVSIFs + 1), b.offset + 3);
    for (const ShortInfoFrameDescriptor& d : content.descriptors) {
        QString value = infoFrameTypeName(d.type);
        if (d.type == INFOFRAME_VENDOR_SPECIFIC)
            value += QStringLiteral(", OUI ") + d.oui;
        if (!d.payload.isEmpty())
            value += QStringLiteral(", payload ")
                + hexBytes(reinterpret_cast<const Byte*>(d.payload.constData()), d.payload.size());
        node.add("InfoFrame", value);
    }
    if (!content.truncated.isEmpty())
        node.add("Truncated descriptor",
                 hexBytes(reinterpret_cast<const Byte*>(content.truncated.constData()), content.truncated.size()));
}

void roomConfiguration(const Block& b, DecodedNode& node)
{
    if (b.length < 5)
        return payloadHex(b, 1, node);
    const Byte* p = b.payload();
    static const char* const kMask[20] = {"FL/FR", "LFE1", "FC", "BL/BR", "BC", "FLc/FRc", "RLC/RRC", "FLw/FRw",
                                          "TpFL/TpFR", "TpC", "TpFC", "LS/RS", "LFE2", "TpBC", "SiL/SiR",
                                          "TpSiL/TpSiR", "TpBL/TpBR", "BtFC", "BtFL/BtFR", "TpLS/TpRS"};
    node.add("Speaker count", p[1] & 0x40 ? QString::number((p[1] & 0x1F) + 1) : QStringLiteral("not given"),
             b.offset + 2);
    node.add("Speaker Location Data Block present", yesNo(p[1] & 0x20), b.offset + 2);
    node.add("Display coordinates present", yesNo(p[1] & 0x80), b.offset + 2);
    node.add("Speakers", bitNames(p[2] | p[3] << 8 | p[4] << 16, kMask, 20), b.offset + 3, 3);
    if (b.length >= 8)
        node.add("Room size (dm)", QStringLiteral("%1 x %2 x %3").arg(p[5]).arg(p[6]).arg(p[7]), b.offset + 6, 3);
    if (b.length >= 11)
        node.add("Display position", QStringLiteral("%1, %2, %3").arg(qint8(p[8])).arg(qint8(p[9])).arg(qint8(p[10])),
                 b.offset + 9, 3);
}

void speakerLocation(const Block& b, DecodedNode& node)
{
    static const char* const kIds[32] = {"FL", "FR", "FC", "LFE1", "BL", "BR", "FLC", "FRC", "BC", "LFE2", "SiL",
                                         "SiR", "TpFL", "TpFR", "TpFC", "TpC", "TpBL", "TpBR", "TpSiL", "TpSiR",
                                         "TpBC", "BtFC", "BtFL", "BtFR", "FLW", "FRW", "LS", "RS", "reserved",
                                         "reserved", "reserved", "none specified"};
    for (int i = 1; i + 2 <= b.length;) {
        const Byte* d = b.payload() + i;
        const bool coordinates = d[0] & 0x40;
        QString value = QStringLiteral("channel %1, %2%3").arg(d[0] & 0x1F).arg(kIds[d[1] & 0x1F], d[0] & 0x20 ? ", active" : "");
        if (coordinates && i + 5 <= b.length)
            value += QStringLiteral(", at %1, %2, %3").arg(qint8(d[2])).arg(qint8(d[3])).arg(qint8(d[4]));
        node.add("Speaker", value, b.offset + 1 + i, coordinates ? 5 : 2);
        i += coordinates ? 5 : 2;
    }
}

void extendedBlock(DecodeContext& context, const Block& b, DecodedNode& node)
{
    const int tag = b.payload()[0];
    const char* name = nameOf(kExtendedTags, tag);
    node.name = name ? QString(name) : QStringLiteral("Unknown CTA-861 Data Block (extended tag %1)").arg(tag);
    switch (tag) {
    case 0: return videoCapability(b, node);
    case 1: return vendorBlock(b, 1, node);
    case 5: return colorimetry(b, node);
    case 13: return formatPreference(b, node);
    case 14: return shortVideoDescriptors(context, b.payload() + 1, b.length - 1, b.offset + 2, node, true);
    case 15: return capabilityMap(context, b, node);
    case 17: return vendorBlock(b, 1, node);
    case 19: return roomConfiguration(b, node);
    case 20: return speakerLocation(b, node);
    case 32: return infoFrame(b, node);
    default: return payloadHex(b, 1, node);
    }
}

DecodedNode dataBlock(DecodeContext& context, const Block& b)
{
    DecodedNode node = sectionNode(QString(), b.offset, b.length + 1);
    const QByteArray bytes(reinterpret_cast<const char*>(b.header), b.length + 1);
    Findings modern;
    if (describeModernDataBlock(bytes, b.offset, node, modern)) {
        for (Finding& finding : modern) {
            finding.block = context.block;
            context.findings.append(finding);
        }
        if (node.offset < 0)
            node.offset = b.offset;
        if (node.length <= 0)
            node.length = b.length + 1;
        return node;
    }
    const int tag = b.header[0] >> 5;
    node.name = kTagNames[tag];
    switch (tag) {
    case 1: audioBlock(context, b, node); break;
    case 2: shortVideoDescriptors(context, b.payload(), b.length, b.offset + 1, node); break;
    case 3: vendorBlock(b, 0, node); break;
    case 4: speakerBlock(b, node); break;
    case 7:
        if (b.length == 0) {
            node.name = QStringLiteral("Empty extended tag data block");
            context.fail(b.offset, 1, "An extended tag data block has no extended tag byte");
        } else {
            extendedBlock(context, b, node);
        }
        break;
    default: payloadHex(b, 0, node); break;
    }
    return node;
}

// The descriptors from `offset` up to the padding: 18-byte detailed
// timings, or display descriptors when the pixel clock is 0.
int detailedTimings(DecodeContext& context, const Byte* ext, int from, int base, DecodedNode& block)
{
    int offset = from;
    while (offset + DTD_SIZE <= kChecksumByte && (ext[offset] || ext[offset + 1])) {
        DecodedNode node = sectionNode("Detailed Timing Descriptor", base + offset, DTD_SIZE);
        describeDetailedTiming(context, ext + offset, base + offset, node);
        block.children << node;
        offset += DTD_SIZE;
    }
    return offset;
}

} // namespace

void describeCtaCollection(DecodeContext& context, int from, int to, int hardEnd, DecodedNode& parent)
{
    const Byte* bytes = context.bytes;
    int i = from;
    while (i < to) {
        const int length = bytes[i] & 31;
        if (i + 1 + length > to) {
            context.fail(i, to - i, QStringLiteral("Data block at byte %1 (%2 bytes) runs past the end of the data block collection")
                                        .arg(i % EDID_BLOCK_SIZE).arg(length + 1));
            // Still shown when the bytes it claims are in the block.
            if (i + 1 + length <= hardEnd) {
                parent.children << dataBlock(context, {bytes + i, i, length});
                return;
            }
            DecodedNode node = sectionNode("Truncated data block", i, to - i);
            node.add("Bytes", hexBytes(bytes + i, to - i), i, to - i);
            parent.children << node;
            return;
        }
        parent.children << dataBlock(context, {bytes + i, i, length});
        i += length + 1;
    }
}

DecodedNode decodeCtaBlock(DecodeContext& context)
{
    const int base = context.block * EDID_BLOCK_SIZE;
    const Byte* ext = context.bytes + base;
    DecodedNode block;
    const int revision = ext[1];
    int d = ext[2];
    block.add("Revision", QString::number(revision), base + 1);
    block.add("Data block collection end", QString::number(d), base + 2);
    if (revision >= 2) {
        block.add("Underscans IT video formats by default", yesNo(ext[3] & 0x80), base + 3);
        block.add("Basic audio support", yesNo(ext[3] & 0x40), base + 3);
        block.add("Supports YCbCr 4:4:4", yesNo(ext[3] & 0x20), base + 3);
        block.add("Supports YCbCr 4:2:2", yesNo(ext[3] & 0x10), base + 3);
        block.add("Native detailed modes", QString::number(ext[3] & 15), base + 3);
    }
    if (revision < 1 || revision > 3)
        context.warn(base + 1, 1, QStringLiteral("CTA-861 revision %1 is unknown").arg(revision));
    if (d == 0)
        return block;
    if (d < kCollectionStart) {
        context.fail(base + 2, 1, QStringLiteral("Byte 2 (%1) does not point into the block").arg(d));
        return block;
    }
    if (d > kChecksumByte) {
        // Read what the collection can hold, up to the checksum.
        context.fail(base + 2, 1, QStringLiteral("Byte 2 (%1) points past the block").arg(d));
        d = kChecksumByte;
    }
    if (revision >= 3)
        describeCtaCollection(context, base + kCollectionStart, base + d, base + kChecksumByte, block);
    else if (d > kCollectionStart)
        context.warn(base + kCollectionStart, d - kCollectionStart, "Data blocks in a CTA-861 block before revision 3");
    if (context.block == 1 && d >= kCollectionStart + 3 && ext[4] == 0xE2 && ext[5] == 0x78)
        context.eeodbCount = ext[6];
    const int end = detailedTimings(context, ext, d, base, block);
    for (int i = end; i < kChecksumByte; ++i) {
        if (ext[i]) {
            context.warn(base + i, kChecksumByte - i, "Non-zero bytes in the padding after the detailed timings");
            block.add("Padding", hexBytes(ext + i, kChecksumByte - i), base + i, kChecksumByte - i);
            break;
        }
    }
    block.add("Unused bytes", QString::number(kChecksumByte - end));
    return block;
}
