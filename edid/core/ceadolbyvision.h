#ifndef CEADOLBYVISION_H
#define CEADOLBYVISION_H

#include "decodedtree.h"

#include <QByteArray>

// The Dolby Vision vendor-specific video data block (tag 7, extended tag
// 1, OUI 00-D0-46). Vendor bytes V[n] = P[4 + n]; V[0] bits 7-5 give the
// layout version: 0 (17 vendor bytes: full primaries and white point, PQ
// targets), 1 (7 bytes with packed primaries, or 10 with plain ones;
// luminance targets in cd/m2) or 2 (7 bytes: PQ targets, backlight,
// interface). Shown decoded; its bytes are kept as loaded.

extern const Byte DOLBY_OUI[3];  // least significant byte first

struct DolbyVisionBlock {
    QByteArray payload;            // as loaded: extended tag, OUI, vendor bytes
    int version = -1;              // -1 when the block has no vendor byte
    int dmVersionMajor = 0;        // display management version
    int dmVersionMinor = -1;       // version 0 only; -1 for "x"
    bool supports2160p60 = false;  // versions 0 and 1
    bool yuv422TwelveBit = false;
    bool globalDimming = false;
    bool backlightControl = false;  // version 2
    int backlightMinLuminance = 0;  // cd/m2, version 2
    int interfaceCode = 0;          // version 2
    int yuv444Code = 0;             // version 2: 0 none, 1 10 bit, 2 12 bit
    bool colorimetryP3 = false;     // version 1: P3-D65 rather than BT.709
    bool lowLatency = false;        // version 1: standard and low-latency
    double targetMinLuminance = 0;  // cd/m2, version 1
    int targetMaxLuminance = 0;     // cd/m2, version 1
    int targetMinPq = 0;            // versions 0 and 2
    int targetMaxPq = 0;
    double primaries[8] = {};  // Rx, Ry, Gx, Gy, Bx, By, and for version 0 Wx, Wy
};

DolbyVisionBlock decodeDolbyVisionBlock(const QByteArray& payload);
// The "Dolby Vision" node.
void describeDolbyVisionBlock(const DolbyVisionBlock& record, int payloadOffset, DecodedNode& node,
                              Findings& findings);

// cd/m2 of a 12-bit SMPTE ST 2084 (PQ) code.
double pqLuminance(int code);

#endif
