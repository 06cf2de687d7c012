#ifndef CEAHDMI_H
#define CEAHDMI_H

#include "ceapayloadfields.h"

#include <QByteArray>
#include <QList>

// The HDMI 1.x vendor-specific data block (tag 3, OUI 00-0C-03).
// Mandatory: P[3..4], the CEC physical address (5 bytes). Optional, each
// from its own length on: P[5] Supports_AI, deep colour and DVI_Dual (6
// bytes), P[6] Max_TMDS_Clock (7), P[7] the presence flags of what follows
// and the content types (8). After P[7] the parts move with the flags:
// video and audio latency (when Latency_Fields_Present), interlaced video
// and audio latency (when I_Latency_Fields_Present as well), then, when
// HDMI_Video_present, the HDMI video byte (3D_present, 3D_Multi_present,
// Image_Size), the byte of the two list lengths, the HDMI VICs and the 3D
// part; bytes after the parts are kept as they are.
//
// Encoding follows the rules of ceapayloadfields.h for P[3..7]. The part
// after P[7] stays byte for byte as loaded unless a field in it changes;
// then it is laid out again from the fields (list lengths from the lists,
// reserved bits of the video byte kept).

extern const Byte HDMI_OUI[3];  // least significant byte first

struct HdmiVendorBlock {
    QByteArray payload;       // as loaded, OUI first
    int physicalAddress = 0;  // A.B.C.D, A in bits 15-12
    bool hasCapabilities = false;
    bool supportsAI = false;
    bool dc48bit = false;
    bool dc36bit = false;
    bool dc30bit = false;
    bool dcY444 = false;
    bool dviDual = false;
    bool hasMaxTmdsClock = false;
    int maxTmdsClock = 0;      // MHz, a multiple of 5; 0: not given
    bool hasFeatures = false;  // P[7]: the fields below are written only with it
    bool contentGraphics = false;
    bool contentPhoto = false;
    bool contentCinema = false;
    bool contentGame = false;
    bool latencyPresent = false;
    bool interlacedLatencyPresent = false;
    bool hdmiVideoPresent = false;
    // Latency codes: 0 unknown, 1-251 2 x (code - 1) ms, 255 not supported.
    int videoLatency = 0;
    int audioLatency = 0;
    int interlacedVideoLatency = 0;
    int interlacedAudioLatency = 0;
    bool threeDPresent = false;
    int threeDMultiPresent = 0;  // 0-3
    int imageSize = 0;           // 0-3
    QList<int> hdmiVics;         // at most 7
    QByteArray threeD;           // the 3D part, raw, at most 31 bytes
    QByteArray trailing;         // bytes after the last part
};

HdmiVendorBlock decodeHdmiVendorBlock(const QByteArray& payload);
QByteArray encodeHdmiVendorBlock(const HdmiVendorBlock& record);
// The "HDMI" node.
void describeHdmiVendorBlock(const HdmiVendorBlock& record, int payloadOffset, DecodedNode& node,
                             Findings& findings);

// "3.0.0.0"; the address of a text "A.B.C.D" of four hexadecimal digits, or
// -1 when the text is not one.
QString physicalAddressText(int address);
int parsePhysicalAddress(const QString& text);
extern const char PHYSICAL_ADDRESS_MESSAGE[];

// Latency codes as milliseconds: -1 for the codes that are not a time.
int latencyMilliseconds(int code);
int latencyCodeOf(int milliseconds);
// "80 ms (code 41)", "unknown (code 0)", "not supported (code 255)".
QString latencyText(int code);
// "3840x2160 30 Hz" for HDMI VIC 1 to 4, else empty.
QString hdmiVicName(int vic);

enum class HdmiValue {
    MaxTmdsClock,
    Latency,
    HdmiVic,
    HdmiVicCount,
    ThreeDLength,
    ImageSize,
    ThreeDMultiPresent
};
FieldRange hdmiRange(HdmiValue value);

#endif
