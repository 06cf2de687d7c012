#ifndef CEAVIC_H
#define CEAVIC_H

#include <QString>
#include <QStringList>

// The CTA-861-H video identification codes: VIC 1 to 127 and 193 to 219
// are defined, 128 to 192 are reserved. The first 107 keep the names the
// editor has always shown (CEA-861-F).
constexpr int CEA_NAMED_VIC_COUNT = 107;
constexpr int CEA_LAST_7BIT_VIC = 127;
constexpr int CEA_FIRST_8BIT_VIC = 193;
constexpr int CEA_LAST_VIC = 219;
// VICs defined: 1-127 and 193-219.
constexpr int CEA_DEFINED_VIC_COUNT = CEA_LAST_7BIT_VIC + CEA_LAST_VIC - CEA_FIRST_8BIT_VIC + 1;

// The timing of a VIC: active pixels and lines (lines of a frame), the
// pixel clock and the totals from which its rates follow.
struct CEAVicTiming {
    int vic;
    const char* name;
    int hActive;
    int vActive;
    bool interlaced;
    int pixelClockKHz;
    int hTotal;
    int vTotal;         // lines of a whole frame, both fields of an interlaced one
    const char* aspect;

    double hFrequencyKHz() const { return double(pixelClockKHz) / hTotal; }
    // The field rate of an interlaced format.
    double vFrequencyHz() const { return pixelClockKHz * 1000.0 / (double(hTotal) * vTotal) * (interlaced ? 2 : 1); }
};

bool vicDefined(int vic);
// The timing of a defined VIC; null for any other.
const CEAVicTiming* vicTiming(int vic);
// Name of a defined VIC ("1920x1080p 60Hz 16:9"); an empty string otherwise.
QString vicName(int vic);
// The items of the video format combo boxes: the names of the defined VICs
// in VIC order followed by "Other".
QStringList vicComboItems();
// The VIC of a combo item, 0 for "Other" and for no item.
int vicOfComboItem(int item);

#endif
