#ifndef CEAFREESYNC_H
#define CEAFREESYNC_H

#include "ceapayloadfields.h"

#include <QByteArray>

// AMD's FreeSync vendor-specific data block (tag 3, OUI 00-00-1A). AMD has
// not published it; the layout is the one public decoders agree on.
// Mandatory: P[3..7] (version, feature caps, refresh range, MCCS flags;
// 8 bytes). Optional groups: P[8..12] colour flags and two luminance pairs
// (version 2 on; 13 bytes), P[13..14] a 10-bit max refresh rate (version
// 3; 15 bytes). Later bytes are not understood and kept.

extern const Byte AMD_OUI[3];  // least significant byte first

struct FreeSyncBlock {
    QByteArray payload;  // as loaded, OUI first
    int version = 0;
    int featureCaps = 0;     // bit field, see freeSyncCapsText()
    int minRefreshRate = 0;  // Hz
    int maxRefreshRate = 0;  // Hz, 8 bits
    int mccsFlags = 0;       // raw "Flags 1.x"
    bool hasHdrFields = false;
    bool pq = false;         // P[8] bit 2: SMPTE ST 2084 supported
    bool pqInterim = false;  // P[8] bit 4
    int panelType = 0;       // P[8] bits 7-6: 0 default, 1 mini-LED, 2 OLED
    int maxLuminanceCode = 0;
    int minLuminanceCode = 0;
    int maxLuminance2Code = 0;  // second pair: without local dimming, or at min backlight
    int minLuminance2Code = 0;
    bool hasRefresh10Bit = false;
    int maxRefreshRate10 = 0;  // Hz, 10 bits
};

FreeSyncBlock decodeFreeSyncBlock(const QByteArray& payload);
QByteArray encodeFreeSyncBlock(const FreeSyncBlock& record);
// The "AMD FreeSync" node.
void describeFreeSyncBlock(const FreeSyncBlock& record, int payloadOffset, DecodedNode& node,
                           Findings& findings);

// Sets both max refresh fields a block holds (the 8-bit one saturates at
// 255 Hz when the 10-bit one is present).
void setFreeSyncMaxRefresh(FreeSyncBlock& record, int hz);

enum class FreeSyncValue { Version, MinRefreshRate, MaxRefreshRate, MaxRefreshRate10, LuminanceCode };
FieldRange freeSyncRange(FreeSyncValue value);
// Empty when min <= max, else the message a view shows.
QString freeSyncRangeProblem(int minHz, int maxHz);

#endif
