#ifndef CEAAUDIO_H
#define CEAAUDIO_H

#include "edidtypes.h"

#include <QByteArray>
#include <QStringList>

// CEA-861-F short audio descriptors (3 bytes each) of the audio data block.

constexpr int CEA_AUDIO_DESCRIPTOR_SIZE = 3;
constexpr int CEA_MAX_AUDIO_DESCRIPTORS = 10;
// Audio format code whose real format is given by the extension code in byte 3.
constexpr int CEA_AUDIO_EXTENDED_CODE = 15;
constexpr int CEA_AUDIO_SAMPLE_RATE_COUNT = 7;

// One item of the format combo box: its audio format code and, for code 15,
// its audio format extension code (0 otherwise).
struct CEAAudioFormat {
    const char* name;
    int code;
    int extension;
};

// The 20 formats the editor offers, in combo box order.
QStringList audioFormatNames();
CEAAudioFormat audioFormat(int item);
// Item of a format code and (for code 15) extension code; -1 when none.
int audioFormatItem(int code, int extension);
// MPEG surround is signalled in byte 3 bit 0 for these extensions only.
bool audioFormatHasMpegSurround(int extension);

// What byte 3 of a descriptor holds, by audio format code.
enum AudioLastByteKind {
    AUDIO_LAST_BYTE_NONE,         // code 0: always 0
    AUDIO_LAST_BYTE_BIT_DEPTH,    // code 1 (linear PCM): 16, 20, 24 bit flags
    AUDIO_LAST_BYTE_BIT_RATE,     // codes 2-8: maximum bit rate / 8 kHz
    AUDIO_LAST_BYTE_DEPENDENT,    // codes 9-13: a format-dependent value
    AUDIO_LAST_BYTE_PROFILE,      // code 14: profile in bits 2-0
    AUDIO_LAST_BYTE_EXTENSION     // code 15: extension code, AAC frame lengths, MPEG surround
};
AudioLastByteKind audioLastByteKind(int code);

// Byte 3 of a descriptor as the editor's controls show it: every reading of
// the byte, whichever the format code.
struct AudioLastByteFields {
    bool depth16 = false;
    bool depth20 = false;
    bool depth24 = false;
    int maxBitRate = 0; // kHz
    int formatDependent = 0;
    int profile = 0;
    bool frame960 = false;
    bool frame1024 = false;
    bool mpegSurround = false;
};

AudioLastByteFields decodeAudioLastByte(Byte value);
// Byte 3 for a format code (and extension code, for code 15) from the
// fields that this format uses.
Byte encodeAudioLastByte(int code, int extension, const AudioLastByteFields& fields);

// The three bytes of one short audio descriptor. Bit 7 of bytes 1 and 2 is
// reserved and kept as it is.
class ShortAudioDescriptor
{
public:
    ShortAudioDescriptor() = default;
    explicit ShortAudioDescriptor(const Byte* bytes);

    // A new descriptor: linear PCM, 2 channels, nothing else.
    void reset();

    int formatCode() const { return (m_bytes[0] >> 3) & 15; }
    void setFormatCode(int code);
    // Bits 7-3 of byte 3 (meaningful for code 15).
    int extensionCode() const { return m_bytes[2] >> 3; }
    void setExtensionCode(int extension);
    int channels() const { return (m_bytes[0] & 7) + 1; }
    void setChannels(int channels);
    // Sampling frequency bit 0 (32 kHz) to 6 (192 kHz) of byte 2.
    bool sampleRate(int bit) const { return m_bytes[1] & (1 << bit); }
    void setSampleRate(int bit, bool on);
    Byte lastByte() const { return m_bytes[2]; }
    void setLastByte(Byte value) { m_bytes[2] = value; }
    // The combo item of this descriptor's format; -1 when none.
    int formatItem() const { return audioFormatItem(formatCode(), extensionCode()); }

    QByteArray bytes() const;

private:
    Byte m_bytes[CEA_AUDIO_DESCRIPTOR_SIZE] = {};
};

#endif
