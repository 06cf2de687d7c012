#include "displaydescstandtimings.h"

#include "extrastandtiming.h"

DisplayDescStandTimings::DisplayDescStandTimings(QWidget* parent)
    : EntryListEditor(QStringLiteral("Standard Timing Identifications"), "Standard Timings", parent)
{
    addEntries<ExtraStandTiming>(EXTRA_STANDARD_TIMING_COUNT, 3);
}
