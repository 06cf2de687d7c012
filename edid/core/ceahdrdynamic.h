#ifndef CEAHDRDYNAMIC_H
#define CEAHDRDYNAMIC_H

#include "decodedtree.h"

#include <QByteArray>
#include <QList>

// The CTA-861.3 HDR Dynamic Metadata Data Block (extended tag 7): the
// dynamic HDR metadata systems the sink accepts, one entry each. An entry
// is a length byte N (the bytes that follow it), a 16-bit type (least
// significant byte first) and N - 2 bytes of support flags, the first of
// them usually a version. Shown decoded; its bytes are kept as loaded.

constexpr int CEA_HDR_DYNAMIC_EXTENDED_TAG = 7;

struct HdrDynamicEntry {
    int offset = 0;  // payload byte of the entry's length byte
    int type = 0;
    QByteArray support;  // the support flag bytes (may be empty)
};

struct HdrDynamicMetadata {
    QByteArray payload;  // as loaded, extended tag byte first
    QList<HdrDynamicEntry> entries;
    int brokenOffset = -1;  // payload byte of an entry too short or running past the block; -1 when none
};

HdrDynamicMetadata decodeHdrDynamicMetadata(const QByteArray& payload);
// The "HDR Dynamic Metadata" node.
void describeHdrDynamicMetadata(const HdrDynamicMetadata& record, int payloadOffset, DecodedNode& node,
                                Findings& findings);

#endif
