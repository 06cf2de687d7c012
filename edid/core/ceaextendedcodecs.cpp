#include "ceaextendedcodecs.h"

void FlagPayload::load(const Byte* payload, int length)
{
    m_bytes = QByteArray(reinterpret_cast<const char*>(payload), qMax(length, 0));
}

void FlagPayload::setByte(int i, Byte value)
{
    if (m_bytes.size() < qMax(m_minimumSize, i + 1))
        m_bytes.append(QByteArray(qMax(m_minimumSize, i + 1) - m_bytes.size(), '\0'));
    m_bytes[i] = char(value);
}

QByteArray vendorOuiBytes(const Byte* payload, int length)
{
    QByteArray oui(CEA_OUI_SIZE, '\0');
    for (int i = 0; i < qMin(length, CEA_OUI_SIZE); ++i)
        oui[i] = char(payload[i]);
    return oui;
}

VideoCapability decodeVideoCapability(Byte value)
{
    VideoCapability capability;
    capability.qy = value & 0x80;
    capability.qs = value & 0x40;
    capability.pt = (value >> 4) & 3;
    capability.it = (value >> 2) & 3;
    capability.ce = value & 3;
    return capability;
}

Byte encodeVideoCapability(const VideoCapability& capability)
{
    return Byte((capability.qy ? 0x80 : 0) | (capability.qs ? 0x40 : 0) | (capability.pt & 3) << 4
                | (capability.it & 3) << 2 | (capability.ce & 3));
}

QList<int> capabilityMapPositions(const Byte* bitmap, int length)
{
    QList<int> positions;
    for (int k = 0; k < length; ++k)
        for (int b = 0; b < 8; ++b)
            if (bitmap[k] & (1 << b))
                positions << 8 * k + b;
    return positions;
}

QByteArray capabilityMapBitmap(const QList<int>& positions)
{
    QByteArray bitmap;
    for (int position : positions) {
        if (position < 0 || position > CEA_CAPABILITY_MAP_MAX_POSITION)
            continue;
        const int k = position / 8;
        if (bitmap.size() <= k)
            bitmap.append(QByteArray(k + 1 - bitmap.size(), '\0'));
        bitmap[k] = char(Byte(bitmap.at(k)) | (1 << (position % 8)));
    }
    return bitmap;
}

QByteArray firstVideoBlockDescriptors(const Byte* extension)
{
    const int end = qMin(int(extension[2]), EDID_BLOCK_SIZE - 1);
    constexpr int kVideoTag = 2;
    for (int i = 4; i < end;) {
        const int tag = extension[i] >> 5;
        const int length = extension[i] & 31;
        if (tag == 0) {
            ++i;
            continue;
        }
        if (tag == kVideoTag)
            return QByteArray(reinterpret_cast<const char*>(extension + i + 1), qMax(qMin(length, end - i - 1), 0));
        i += length + 1;
    }
    return QByteArray();
}

QList<VideoFormatRef> decodeFormatPreferences(const Byte* payload, int length)
{
    QList<VideoFormatRef> entries;
    for (int i = 0; i < length; ++i)
        entries << VideoFormatRef{!(payload[i] & CEA_DTD_REFERENCE), payload[i] & 0x7F};
    return entries;
}

QByteArray encodeFormatPreferences(const QList<VideoFormatRef>& entries)
{
    QByteArray bytes;
    for (const VideoFormatRef& entry : entries)
        bytes.append(char(entry.isVIC ? (entry.value & 0x7F) : (CEA_DTD_REFERENCE | (entry.value & 0x7F))));
    return bytes;
}
