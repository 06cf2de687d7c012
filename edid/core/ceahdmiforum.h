#ifndef CEAHDMIFORUM_H
#define CEAHDMIFORUM_H

#include "ceapayloadfields.h"

#include <QByteArray>

// The HDMI 2.x Sink Capability Data Structure, carried either by the HDMI
// Forum vendor-specific data block (HF-VSDB: tag 3, OUI C4-5D-D8) or by
// the HDMI Forum Sink Capability Data Block (HF-SCDB: tag 7, extended tag
// 121, then two reserved bytes). Both put the structure's version at
// payload byte 3, so every field sits at the same payload byte in both.
// Mandatory: P[3..6] (7 bytes). Optional groups: P[7] the gaming / VRR
// feature flags (8 bytes), P[8..9] VRRmin and VRRmax (10 bytes), P[10..12]
// DSC (13 bytes); bytes after P[12] are reserved and kept.

constexpr int CEA_HDMI_FORUM_SCDB_EXTENDED_TAG = 121;
extern const Byte HDMI_FORUM_OUI[3];  // least significant byte first

struct HdmiForumBlock {
    QByteArray payload;           // as loaded: OUI, or extended tag and 2 reserved bytes, first
    bool sinkCapability = false;  // HF-SCDB rather than HF-VSDB (from payload byte 0)
    int version = 0;
    int maxTmdsCharacterRate = 0;  // MHz, a multiple of 5; 0: nothing above 340 Mcsc
    bool scdcPresent = false;
    bool rrCapable = false;
    bool cableStatus = false;
    bool ccbpci = false;
    bool lte340Scramble = false;
    bool independentView = false;
    bool dualView = false;
    bool osdDisparity = false;
    int maxFrlRate = 0;  // code, see frlRateText()
    bool uhdVic = false;
    bool dc48bit420 = false;
    bool dc36bit420 = false;
    bool dc30bit420 = false;
    bool hasFeatures = false;
    bool fapaEndExtended = false;
    bool qms = false;
    bool mDelta = false;
    bool cinemaVrr = false;  // deprecated, must be 0
    bool cnmVrr = false;
    bool fva = false;
    bool allm = false;
    bool fapaStartLocation = false;
    bool hasVrr = false;
    int vrrMin = 0;  // Hz, 0: no VRR
    int vrrMax = 0;  // Hz, 10 bits, 0: not given
    bool hasDsc = false;
    bool dsc1p2 = false;
    bool dscNative420 = false;
    bool qmsTfrMax = false;
    bool qmsTfrMin = false;
    bool dscAllBpp = false;
    bool dsc16bpc = false;
    bool dsc12bpc = false;
    bool dsc10bpc = false;
    int dscMaxFrlRate = 0;        // code, as maxFrlRate
    int dscMaxSlices = 0;         // code, see dscSlicesText()
    int dscTotalChunkKBytes = 0;  // code: 1024 x (code + 1) bytes
};

HdmiForumBlock decodeHdmiForumBlock(const QByteArray& payload);
QByteArray encodeHdmiForumBlock(const HdmiForumBlock& record);
// The "HDMI Forum" (HF-VSDB) or "HDMI Forum SCDB" node.
void describeHdmiForumBlock(const HdmiForumBlock& record, int payloadOffset, DecodedNode& node,
                            Findings& findings);

// "3 and 6 Gbps per lane on 3 lanes, 6 Gbps on 4 lanes (code 3)" for a
// Max_FRL_Rate / DSC_Max_FRL_Rate code.
QString frlRateText(int code);
// "8 slices, 340 MHz per slice (code 4)" for a DSC_MaxSlices code.
QString dscSlicesText(int code);

enum class HdmiForumValue {
    Version,
    MaxTmdsCharacterRate,
    MaxFrlRate,
    VrrMin,
    VrrMax,
    DscMaxFrlRate,
    DscMaxSlices,
    DscTotalChunkKBytes
};
FieldRange hdmiForumRange(HdmiForumValue value);

#endif
