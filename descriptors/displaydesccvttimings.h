#ifndef DISPLAYDESCCVTTIMINGS_H
#define DISPLAYDESCCVTTIMINGS_H

#include "entrylisteditor.h"

// Editor of the CVT 3-byte timing codes descriptor (tag 0xF8): four codes.
class DisplayDescCVTTimings : public EntryListEditor
{
    Q_OBJECT
public:
    explicit DisplayDescCVTTimings(QWidget* parent = nullptr);
};

#endif
