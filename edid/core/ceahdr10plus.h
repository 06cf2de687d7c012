#ifndef CEAHDR10PLUS_H
#define CEAHDR10PLUS_H

#include "decodedtree.h"

#include <QByteArray>

// The HDR10+ vendor-specific video data block (tag 7, extended tag 1, OUI
// 90-84-8B). P[4]: bits 1-0 application version, bits 3-2 full-frame peak
// luminance index, bits 7-4 peak luminance index; further bytes are not
// decoded. Shown decoded; its bytes are kept as loaded.

extern const Byte HDR10PLUS_OUI[3];  // least significant byte first

struct Hdr10PlusBlock {
    QByteArray payload;  // as loaded: extended tag, OUI, then the vendor bytes
    int applicationVersion = 0;
    int fullFramePeakIndex = 0;
    int peakIndex = 0;
};

Hdr10PlusBlock decodeHdr10PlusBlock(const QByteArray& payload);
// The "HDR10+" node.
void describeHdr10PlusBlock(const Hdr10PlusBlock& record, int payloadOffset, DecodedNode& node,
                            Findings& findings);

// Peak luminance in cd/m2 of index 1 to 15; 0 for the reserved index 0.
int hdr10PlusPeakLuminance(int index);
// Full-frame peak luminance as a percentage of the peak (index 0 to 3).
int hdr10PlusFullFramePercent(int index);

#endif
