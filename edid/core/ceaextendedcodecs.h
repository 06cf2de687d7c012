#ifndef CEAEXTENDEDCODECS_H
#define CEAEXTENDEDCODECS_H

#include "edidtypes.h"

#include <QByteArray>
#include <QList>

// Byte-level content of the CEA-861-F vendor-specific, video capability,
// colorimetry, YCbCr 4:2:0 capability map and video format preference
// data blocks.

// A block payload of a fixed layout (flag bytes) kept byte for byte as
// loaded, bytes the editor does not know included. Reading a byte the
// payload does not hold gives 0; writing one pads the payload with zeros
// up to `minimumSize` so that an edited block has its full layout.
class FlagPayload
{
public:
    explicit FlagPayload(int minimumSize = 0) : m_bytes(minimumSize, '\0'), m_minimumSize(minimumSize) {}

    void load(const Byte* payload, int length);
    Byte byte(int i) const { return i < m_bytes.size() ? Byte(m_bytes.at(i)) : 0; }
    void setByte(int i, Byte value);
    QByteArray bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
    int m_minimumSize;
};

// Vendor-specific blocks: the payload bytes after the 3 OUI bytes.
constexpr int CEA_OUI_SIZE = 3;
// Payload bytes (OUI included) after the header byte, and after the
// extended tag byte for the video and audio vendor blocks.
constexpr int CEA_VENDOR_MAX_PAYLOAD = 31;
constexpr int CEA_EXTENDED_VENDOR_MAX_PAYLOAD = 30;
constexpr int CEA_VENDOR_MAX_BYTES = CEA_VENDOR_MAX_PAYLOAD - CEA_OUI_SIZE;

// The OUI of a loaded vendor payload as three bytes, least significant
// first; bytes the payload lacks (a truncated block) read as 0.
QByteArray vendorOuiBytes(const Byte* payload, int length);

// Video capability byte: QY bit 7, QS bit 6, then the 2-bit S_PT, S_IT and
// S_CE overscan behaviours.
struct VideoCapability {
    bool qy = false;
    bool qs = false;
    int pt = 0;
    int it = 0;
    int ce = 0;
};
VideoCapability decodeVideoCapability(Byte value);
Byte encodeVideoCapability(const VideoCapability& capability);

// Flag byte helper: `value` with bit `bit` set or cleared.
inline Byte withBit(Byte value, int bit, bool on)
{
    return Byte(on ? (value | (1 << bit)) : (value & ~(1 << bit)));
}

// YCbCr 4:2:0 capability map: bit b of bitmap byte k marks the short video
// descriptor at position 8k + b.
QList<int> capabilityMapPositions(const Byte* bitmap, int length);
// The shortest bitmap holding the positions (0 to 239); empty for none.
QByteArray capabilityMapBitmap(const QList<int>& positions);
constexpr int CEA_CAPABILITY_MAP_MAX_POSITION = 30 * 8 - 1;

// The short video descriptors of the first video data block (tag 2) of a
// 128-byte CEA extension, found by walking the data block collection in
// bytes 4 to d - 1 only; empty when there is none.
QByteArray firstVideoBlockDescriptors(const Byte* extension);

// A video format preference: a VIC, or the number of a detailed timing.
struct VideoFormatRef {
    bool isVIC = true;
    int value = 1;
    bool operator==(const VideoFormatRef& other) const { return isVIC == other.isVIC && value == other.value; }
};
constexpr int CEA_MAX_FORMAT_PREFERENCES = 30;
constexpr Byte CEA_DTD_REFERENCE = 0x80;
QList<VideoFormatRef> decodeFormatPreferences(const Byte* payload, int length);
QByteArray encodeFormatPreferences(const QList<VideoFormatRef>& entries);

#endif
