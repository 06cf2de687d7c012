#ifndef DISPLAYDESCSTANDTIMINGS_H
#define DISPLAYDESCSTANDTIMINGS_H

#include "entrylisteditor.h"

// Editor of the standard timing identifications descriptor (tag 0xFA).
class DisplayDescStandTimings : public EntryListEditor
{
    Q_OBJECT
public:
    explicit DisplayDescStandTimings(QWidget* parent = nullptr);
};

#endif
