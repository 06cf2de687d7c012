#include "displaydesccvttimings.h"

#include "cvtcodedescriptor.h"

DisplayDescCVTTimings::DisplayDescCVTTimings(QWidget* parent)
    : EntryListEditor(QStringLiteral("CVT Timing Codes"), "CVT Code Descriptor", parent)
{
    addEntries<CVTCodeDescriptor>(4, 2);
}
