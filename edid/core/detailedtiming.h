#ifndef DETAILEDTIMING_H
#define DETAILEDTIMING_H

#include "edidtypes.h"

// The 18-byte detailed timing descriptor (DTD) of E-EDID and CEA-861.
constexpr int DTD_SIZE = 18;

// Decoded detailed timing. Back porches are blanking - front porch - sync
// width with 16-bit wrap-around, so blanking = total - active is always
// recovered exactly as sync + front porch + back porch.
struct T_EDID_DETAILED_TIMING_DEF {
    Word hImageSize = 0;
    Word hBorder = 0;
    Word vImageSize = 0;
    Word vBorder = 0;
    Bool interlaced = false;
    quint32 pixelClock = 0; // 10 kHz units
    Word hTotal = 0;
    Word vTotal = 0;
    Bool syncFlagBit2 = false;
    Word vSyncWidth = 0;
    Word vBackPorch = 0;
    Word vActive = 0;
    Word vFrontPorch = 0;
    Bool syncFlagBit1 = false;
    Word hSyncWidth = 0;
    Word hBackPorch = 0;
    Word hActive = 0;
    Word hFrontPorch = 0;
    int stereoCode = 0; // 0..7, (byte 17 bits 6-5) * 2 + bit 0
    int syncType = 0;   // 0 analog composite .. 3 digital separate

    Word hBlanking() const { return Word(hSyncWidth + hFrontPorch + hBackPorch); }
    Word vBlanking() const { return Word(vSyncWidth + vFrontPorch + vBackPorch); }
};

// The values a user edits: blanking instead of totals and back porches.
struct DetailedTimingValues {
    quint32 pixelClock = 1; // 10 kHz units
    int hActive = 0, hBlanking = 0, hFrontPorch = 0, hSyncWidth = 0;
    int vActive = 0, vBlanking = 0, vFrontPorch = 0, vSyncWidth = 0;
    int hImageSize = 0, vImageSize = 0, hBorder = 0, vBorder = 0;
    bool interlaced = false;
    int stereoCode = 0;
    int syncType = 0;
    bool syncFlagBit2 = false;
    bool syncFlagBit1 = false;
};

void decodeDetailedTiming(const Byte* dtd, T_EDID_DETAILED_TIMING_DEF& out);
void encodeDetailedTiming(const T_EDID_DETAILED_TIMING_DEF& timing, Byte* dtd);

DetailedTimingValues detailedTimingValues(const T_EDID_DETAILED_TIMING_DEF& timing);
T_EDID_DETAILED_TIMING_DEF detailedTimingRecord(const DetailedTimingValues& values);

// Texts used to describe the stereo code (0..7) and the sync type (0..3).
QString stereoModeText(int stereoCode);
QString syncTypeText(int syncType);

#endif
