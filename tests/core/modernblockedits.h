#ifndef MODERNBLOCKEDITS_H
#define MODERNBLOCKEDITS_H

// Field edits of the modern data block codecs for test tables: an edit
// decodes a payload, changes the record `r` and encodes it again, as a form
// does.

#include "ceaeeodb.h"
#include "ceafreesync.h"
#include "ceahdmi.h"
#include "ceahdmiforum.h"
#include "ceahdrstatic.h"
#include "ceamodernblocks.h"

#include <QMetaType>
#include <functional>

typedef std::function<QByteArray(const QByteArray&)> BlockEdit;
Q_DECLARE_METATYPE(BlockEdit)

template <typename R>
BlockEdit blockEdit(R (*decode)(const QByteArray&), QByteArray (*encode)(const R&), void (*change)(R&))
{
    return [=](const QByteArray& payload) {
        R record = decode(payload);
        change(record);
        return encode(record);
    };
}

#define HDMI_EDIT(...) \
    blockEdit<HdmiVendorBlock>(decodeHdmiVendorBlock, encodeHdmiVendorBlock, [](HdmiVendorBlock& r) { __VA_ARGS__; })
#define FORUM_EDIT(...) \
    blockEdit<HdmiForumBlock>(decodeHdmiForumBlock, encodeHdmiForumBlock, [](HdmiForumBlock& r) { __VA_ARGS__; })
#define FREESYNC_EDIT(...) \
    blockEdit<FreeSyncBlock>(decodeFreeSyncBlock, encodeFreeSyncBlock, [](FreeSyncBlock& r) { __VA_ARGS__; })
#define HDR_EDIT(...) blockEdit<HdrStaticMetadata>(decodeHdrStaticMetadata, encodeHdrStaticMetadata, \
                                                   [](HdrStaticMetadata& r) { __VA_ARGS__; })
#define EEODB_EDIT(...) blockEdit<HfEeodb>(decodeHfEeodb, encodeHfEeodb, [](HfEeodb& r) { __VA_ARGS__; })

// The payload of a block of `kind` decoded and encoded again.
inline QByteArray reencoded(ModernBlockKind kind, const QByteArray& payload)
{
    switch (kind) {
    case ModernBlockKind::Hdmi: return encodeHdmiVendorBlock(decodeHdmiVendorBlock(payload));
    case ModernBlockKind::HdmiForum:
    case ModernBlockKind::HdmiForumScdb: return encodeHdmiForumBlock(decodeHdmiForumBlock(payload));
    case ModernBlockKind::FreeSync: return encodeFreeSyncBlock(decodeFreeSyncBlock(payload));
    case ModernBlockKind::HdrStaticMetadata: return encodeHdrStaticMetadata(decodeHdrStaticMetadata(payload));
    case ModernBlockKind::HfEeodb: return encodeHfEeodb(decodeHfEeodb(payload));
    default: return payload;
    }
}

#endif
