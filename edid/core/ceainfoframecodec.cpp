#include "ceainfoframecodec.h"

#include "ceaoui.h"

namespace {

const char* const kTypeNames[INFOFRAME_LAST_NAMED_TYPE + 1] = {
    "unknown", "Vendor specific", "Auxiliary video", "Source product description",
    "Audio", "MPEG source", "NTSC VBI"};

constexpr int kLengthShift = 5;
constexpr Byte kLowBitsMask = 0x1F;

QByteArray slice(const Byte* bytes, int from, int to)
{
    return QByteArray(reinterpret_cast<const char*>(bytes) + from, qMax(to - from, 0));
}

} // namespace

QString infoFrameTypeName(int type)
{
    const bool named = type >= 1 && type <= INFOFRAME_LAST_NAMED_TYPE;
    return QString::fromLatin1(kTypeNames[named ? type : 0]);
}

int ShortInfoFrameDescriptor::size() const
{
    return (type == INFOFRAME_VENDOR_SPECIFIC ? INFOFRAME_VENDOR_HEADER_SIZE : 1) + payload.size();
}

QByteArray ShortInfoFrameDescriptor::bytes() const
{
    QByteArray out(1, char(payload.size() << kLengthShift | (type & kLowBitsMask)));
    if (type == INFOFRAME_VENDOR_SPECIFIC)
        out += ouiBytes(oui);
    return out + payload;
}

QByteArray InfoFrameProcessing::bytes() const
{
    QByteArray out(1, char(payload.size() << kLengthShift | (header & kLowBitsMask)));
    out.append(char(maxVSIFs));
    return out + payload;
}

InfoFrameContent parseInfoFramePayload(const Byte* payload, int length)
{
    InfoFrameContent content;
    if (length <= 0)
        return content;
    InfoFrameProcessing& processing = content.processing;
    processing.header = payload[0];
    processing.maxVSIFs = length > 1 ? payload[1] : 0;
    int offset = 2 + (payload[0] >> kLengthShift);
    processing.payload = slice(payload, 2, qMin(offset, length));
    while (offset < length) {
        ShortInfoFrameDescriptor descriptor;
        descriptor.type = payload[offset] & kLowBitsMask;
        const int payloadStart = offset + (descriptor.type == INFOFRAME_VENDOR_SPECIFIC
                                           ? INFOFRAME_VENDOR_HEADER_SIZE : 1);
        const int end = payloadStart + (payload[offset] >> kLengthShift);
        if (end > length) {
            content.truncated = slice(payload, offset, length);
            break;
        }
        if (descriptor.type == INFOFRAME_VENDOR_SPECIFIC)
            descriptor.oui = ouiText(payload + offset + 1);
        descriptor.payload = slice(payload, payloadStart, end);
        content.descriptors << descriptor;
        offset = end;
    }
    return content;
}
