#include "ceaaudio.h"

namespace {

constexpr int kFormatCount = 20;

const CEAAudioFormat kFormats[kFormatCount] = {
    {"Linear PCM", 1, 0},
    {"AC-3", 2, 0},
    {"MPEG-1", 3, 0},
    {"MP3", 4, 0},
    {"MPEG2", 5, 0},
    {"AAC", 6, 0},
    {"DTS", 7, 0},
    {"ATRAC", 8, 0},
    {"One Bit Audio", 9, 0},
    {"Enhanced AC-3", 10, 0},
    {"DTS-HD", 11, 0},
    {"MAT", 12, 0},
    {"DST", 13, 0},
    {"WMA PRO", 14, 0},
    {"MPEG 4 HE AAC", 15, 4},
    {"MPEG 4 HE AAC V2", 15, 5},
    {"MPEG 4 AAC LC", 15, 6},
    {"DRA", 15, 7},
    {"MPEG 4 HE AAC + MPEG surround", 15, 8},
    {"MPEG 4 AAC LC + MPEG surround", 15, 10},
};

// Byte 3 of the compressed formats counts the maximum bit rate in 8 kHz units.
constexpr int kBitRateUnit = 8;

void setBits(Byte& byte, Byte mask, Byte value)
{
    byte = Byte((byte & ~mask) | (value & mask));
}

} // namespace

QStringList audioFormatNames()
{
    QStringList names;
    for (const CEAAudioFormat& format : kFormats)
        names << QString(format.name);
    return names;
}

CEAAudioFormat audioFormat(int item)
{
    return item >= 0 && item < kFormatCount ? kFormats[item] : CEAAudioFormat{"", 0, 0};
}

int audioFormatItem(int code, int extension)
{
    for (int i = 0; i < kFormatCount; ++i) {
        if (kFormats[i].code == code && (code != CEA_AUDIO_EXTENDED_CODE || kFormats[i].extension == extension))
            return i;
    }
    return -1;
}

bool audioFormatHasMpegSurround(int extension)
{
    return extension == 8 || extension == 10;
}

AudioLastByteFields decodeAudioLastByte(Byte value)
{
    AudioLastByteFields fields;
    fields.depth16 = value & 1;
    fields.depth20 = value & 2;
    fields.depth24 = value & 4;
    fields.maxBitRate = value * kBitRateUnit;
    fields.formatDependent = value;
    fields.profile = value & 7;
    fields.frame960 = value & 2;
    fields.frame1024 = value & 4;
    fields.mpegSurround = value & 1;
    return fields;
}

AudioLastByteKind audioLastByteKind(int code)
{
    if (code == 1)
        return AUDIO_LAST_BYTE_BIT_DEPTH;
    if (code >= 2 && code <= 8)
        return AUDIO_LAST_BYTE_BIT_RATE;
    if (code >= 9 && code <= 13)
        return AUDIO_LAST_BYTE_DEPENDENT;
    if (code == 14)
        return AUDIO_LAST_BYTE_PROFILE;
    if (code == CEA_AUDIO_EXTENDED_CODE)
        return AUDIO_LAST_BYTE_EXTENSION;
    return AUDIO_LAST_BYTE_NONE;
}

Byte encodeAudioLastByte(int code, int extension, const AudioLastByteFields& fields)
{
    switch (audioLastByteKind(code)) {
    case AUDIO_LAST_BYTE_BIT_DEPTH:
        return Byte((fields.depth16 ? 1 : 0) | (fields.depth20 ? 2 : 0) | (fields.depth24 ? 4 : 0));
    case AUDIO_LAST_BYTE_BIT_RATE:
        return Byte(fields.maxBitRate / kBitRateUnit);
    case AUDIO_LAST_BYTE_DEPENDENT:
        return Byte(fields.formatDependent);
    case AUDIO_LAST_BYTE_PROFILE:
        return Byte(fields.profile & 7);
    case AUDIO_LAST_BYTE_EXTENSION: {
        const bool surround = audioFormatHasMpegSurround(extension) && fields.mpegSurround;
        return Byte((extension << 3) | (fields.frame1024 ? 4 : 0) | (fields.frame960 ? 2 : 0) | (surround ? 1 : 0));
    }
    case AUDIO_LAST_BYTE_NONE:
        break;
    }
    return 0;
}

ShortAudioDescriptor::ShortAudioDescriptor(const Byte* bytes)
{
    for (int i = 0; i < CEA_AUDIO_DESCRIPTOR_SIZE; ++i)
        m_bytes[i] = bytes[i];
}

void ShortAudioDescriptor::reset()
{
    m_bytes[0] = Byte((m_bytes[0] & 0x80) + 9);
    m_bytes[1] &= 0x80;
    m_bytes[2] = 0;
}

void ShortAudioDescriptor::setFormatCode(int code)
{
    setBits(m_bytes[0], 0x78, Byte(code << 3));
}

void ShortAudioDescriptor::setExtensionCode(int extension)
{
    setBits(m_bytes[2], 0xF8, Byte(extension << 3));
}

void ShortAudioDescriptor::setChannels(int channels)
{
    setBits(m_bytes[0], 0x07, Byte(channels - 1));
}

void ShortAudioDescriptor::setSampleRate(int bit, bool on)
{
    setBits(m_bytes[1], Byte(1 << bit), on ? 0xFF : 0);
}

QByteArray ShortAudioDescriptor::bytes() const
{
    return QByteArray(reinterpret_cast<const char*>(m_bytes), CEA_AUDIO_DESCRIPTOR_SIZE);
}
