#ifndef CEAHDRSTATIC_H
#define CEAHDRSTATIC_H

#include "ceapayloadfields.h"

#include <QByteArray>

// The CTA-861.3 HDR Static Metadata Data Block (extended tag 6): the
// transfer functions (EOTFs) and static metadata types the sink accepts
// and the luminance of the content it prefers. Payload (after the header
// byte): P[0] the extended tag, P[1] EOTF bits, P[2] metadata descriptor
// types, then up to three optional luminance codes, each present from its
// own length on: P[3] max (4 bytes), P[4] max frame-average (5), P[5] min
// (6).

constexpr int CEA_HDR_STATIC_EXTENDED_TAG = 6;

struct HdrStaticMetadata {
    QByteArray payload;    // as loaded, extended tag byte first
    bool eotfSdr = false;  // traditional gamma, SDR luminance range
    bool eotfHdr = false;  // traditional gamma, HDR luminance range
    bool eotfPq = false;   // SMPTE ST 2084
    bool eotfHlg = false;  // Hybrid Log-Gamma
    bool staticMetadataType1 = false;
    bool hasMaxLuminance = false;
    int maxLuminanceCode = 0;
    bool hasMaxFrameAverage = false;
    int maxFrameAverageCode = 0;
    bool hasMinLuminance = false;
    int minLuminanceCode = 0;
};

HdrStaticMetadata decodeHdrStaticMetadata(const QByteArray& payload);
QByteArray encodeHdrStaticMetadata(const HdrStaticMetadata& record);
// The "HDR Static Metadata" node of a block whose payload starts at the
// absolute offset `payloadOffset`, and what a reader should know about it.
void describeHdrStaticMetadata(const HdrStaticMetadata& record, int payloadOffset, DecodedNode& node,
                               Findings& findings);

// Luminance codes (CTA-861.3): max and max frame-average in cd/m2 are
// 50 x 2^(code / 32); min is max x (code / 255)^2 / 100, with max the
// luminance of the max code. The inverse functions give the nearest code
// (0 to 255) for a wanted cd/m2.
double maxLuminanceOfCode(int code);
int maxLuminanceCodeOf(double candelas);
double minLuminanceOfCode(int maxCode, int minCode);
int minLuminanceCodeOf(int maxCode, double candelas);
// "426.856 cd/m2 (code 99)".
QString luminanceText(double candelas, int code);

// Codes of the three luminance fields; max luminance as cd/m2.
enum class HdrStaticValue { LuminanceCode, MaxLuminance };
FieldRange hdrStaticRange(HdrStaticValue value);

#endif
