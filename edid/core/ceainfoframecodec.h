#ifndef CEAINFOFRAMECODEC_H
#define CEAINFOFRAMECODEC_H

#include "edidtypes.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The CEA-861-F InfoFrame data block (extended tag 32). Its payload, after
// the extended tag byte: the InfoFrame processing descriptor (a header whose
// bits 7-5 give the length of its own payload, the number of vendor-specific
// InfoFrames received at once, that payload), then the short InfoFrame
// descriptors in order of preference.

constexpr int CEA_INFOFRAME_EXTENDED_TAG = 32;
constexpr int INFOFRAME_VENDOR_SPECIFIC = 1;
// Types 1 to this one have a name of their own.
constexpr int INFOFRAME_LAST_NAMED_TYPE = 6;
// Header byte plus OUI of a vendor-specific descriptor.
constexpr int INFOFRAME_VENDOR_HEADER_SIZE = 4;

// "unknown" for type 0 and every type above 6.
QString infoFrameTypeName(int type);

// A short InfoFrame descriptor: a header (bits 7-5 the number of payload
// bytes that follow, bits 4-0 the InfoFrame type), for the vendor-specific
// type the IEEE OUI (least significant byte first), then the payload.
struct ShortInfoFrameDescriptor {
    int type = 0;
    QString oui = QStringLiteral("000000");
    QByteArray payload;

    int size() const;
    QByteArray bytes() const;
};

// The processing descriptor. The header's bits 4-0 are kept as loaded; its
// length bits are written from the payload held.
struct InfoFrameProcessing {
    Byte header = 0;
    int maxVSIFs = 0;
    QByteArray payload;

    QByteArray bytes() const;
};

struct InfoFrameContent {
    InfoFrameProcessing processing;
    QList<ShortInfoFrameDescriptor> descriptors;
    // The bytes of a last descriptor that runs past the end of the payload.
    QByteArray truncated;
};

// Reads `length` payload bytes (extended tag byte excluded) and no further.
InfoFrameContent parseInfoFramePayload(const Byte* payload, int length);

#endif
