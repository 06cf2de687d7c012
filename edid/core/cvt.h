#ifndef CVT_H
#define CVT_H

#include "edidtypes.h"

#include <QMetaType>

// A timing computed by the CVT wizard and loaded into a detailed timing.
struct FormatDefinition {
    float refreshRate = 0.0f; // Hz
    bool interlaced = false;
    int hActive = 0;
    int vActive = 0;
    int hBlanking = 0;
    int vBlanking = 0;
    int hFrontPorch = 0;
    int vFrontPorch = 0;
    int hSyncWidth = 0;
    int vSyncWidth = 0;
    int hTotal = 0;
    int vTotal = 0;
    int hBorder = 0;
    int vBorder = 0;
    // Sync polarities: CVT marks standard blanking with a negative horizontal
    // and a positive vertical sync, reduced blanking the other way round.
    bool hSyncPositive = false;
    bool vSyncPositive = true;
    // Pixel clock in 10 kHz units (a multiple of 0.25 MHz); 0 when the
    // receiver derives it from the totals and the refresh rate.
    quint32 pixelClock = 0;
};

Q_DECLARE_METATYPE(FormatDefinition)

enum class CvtBlanking { Standard, ReducedV1, ReducedV2 };

// Why a CVT request cannot be computed, or an empty string when it can.
QString cvtInputError(unsigned vActive, float rate, CvtBlanking blanking);

// VESA CVT 1.2 timing for the requested active pixels, lines and rate,
// progressive, without margins. Call only when cvtInputError() is empty.
FormatDefinition computeCvtFormat(unsigned hActive, unsigned vActive, float rate, CvtBlanking blanking);

// The pixel clock of a format in 10 kHz units: its own when it carries one,
// otherwise H total x V total x rate rounded down to a multiple of 0.25 MHz.
quint32 cvtPixelClock(const FormatDefinition& format);

#endif
