#ifndef CEAMODERNBLOCKS_H
#define CEAMODERNBLOCKS_H

#include "decodedtree.h"

#include <QByteArray>

// The CTA-861 data blocks of current displays that have codecs of their
// own: HDMI and HDMI Forum, AMD FreeSync, HDR static and dynamic metadata,
// Dolby Vision and HDR10+, HF-EEODB.

// Decodes one data block if it is one of these. `block` holds the header
// byte and the payload; `offset` is the absolute file offset of the header
// byte. Returns false, leaving `node` and `findings` untouched, for any
// other block.
bool describeModernDataBlock(const QByteArray& block, int offset, DecodedNode& node,
                             Findings& findings);

#endif
