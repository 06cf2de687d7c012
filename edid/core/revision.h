#ifndef REVISION_H
#define REVISION_H

#include "edidtypes.h"

// The E-EDID revision (3 or 4) of the image being edited, process-wide.
// It follows byte 19 whenever bytes 18-19 are decoded or written; field
// codecs read it where E-EDID 1.3 and 1.4 encode a field differently.
Word currentRevision();
void setCurrentRevision(Word revision);

#endif
