#ifndef CEAEEODB_H
#define CEAEEODB_H

#include "decodedtree.h"

#include <QByteArray>

// The HDMI Forum EDID Extension Override Data Block (HF-EEODB: tag 7,
// extended tag 120). An HDMI sink with more extension blocks than legacy
// sources read keeps base block byte 126 at 1 and gives the real number of
// extension blocks in P[1]. The block is exactly 2 payload bytes long and
// must be the first data block of block 1.

constexpr int CEA_EEODB_EXTENDED_TAG = 120;

struct HfEeodb {
    QByteArray payload;  // as loaded, extended tag byte first
    int extensionCount = 0;
};

HfEeodb decodeHfEeodb(const QByteArray& payload);
// Writes the count into P[1] (growing a payload that lacks it).
QByteArray encodeHfEeodb(const HfEeodb& record);
// The "HF-EEODB" node; `payloadOffset` also tells whether the block is the
// first data block of block 1.
void describeHfEeodb(const HfEeodb& record, int payloadOffset, DecodedNode& node, Findings& findings);

#endif
