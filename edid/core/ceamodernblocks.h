#ifndef CEAMODERNBLOCKS_H
#define CEAMODERNBLOCKS_H

#include "decodedtree.h"

#include <QByteArray>

// The CTA-861 data blocks of current displays that have codecs of their
// own: HDMI and HDMI Forum, AMD FreeSync, HDR static and dynamic metadata,
// Dolby Vision and HDR10+, HF-EEODB.

enum class ModernBlockKind {
    None,
    Hdmi,                // tag 3, OUI 00-0C-03: ceahdmi.h
    HdmiForum,           // tag 3, OUI C4-5D-D8: ceahdmiforum.h
    HdmiForumScdb,       // tag 7, extended tag 121: ceahdmiforum.h
    FreeSync,            // tag 3, OUI 00-00-1A: ceafreesync.h
    HdrStaticMetadata,   // tag 7, extended tag 6: ceahdrstatic.h
    HdrDynamicMetadata,  // tag 7, extended tag 7: ceahdrdynamic.h
    DolbyVision,         // tag 7, extended tag 1, OUI 00-D0-46: ceadolbyvision.h
    Hdr10Plus,           // tag 7, extended tag 1, OUI 90-84-8B: ceahdr10plus.h
    HfEeodb,             // tag 7, extended tag 120: ceaeeodb.h
};

// Which of these blocks a data block of tag code `tag` with `payload` (the
// bytes after its header) is.
ModernBlockKind modernBlockKind(int tag, const QByteArray& payload);

// Decodes one data block if it is one of these. `block` holds the header
// byte and the payload; `offset` is the absolute file offset of the header
// byte. Returns false, leaving `node` and `findings` untouched, for any
// other block.
bool describeModernDataBlock(const QByteArray& block, int offset, DecodedNode& node, Findings& findings);

#endif
