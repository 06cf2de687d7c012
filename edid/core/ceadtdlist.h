#ifndef CEADTDLIST_H
#define CEADTDLIST_H

#include "edidtypes.h"

#include <QByteArray>

// The 18-byte detailed timing descriptors that follow the data block
// collection of a CEA-861 extension.

// The descriptor as the detailed timing editor re-encodes it once it has
// decoded it.
QByteArray normalisedDetailedTiming(const Byte* dtd);

// A descriptor as it was loaded: its bytes are written back exactly as long
// as the editor still holds what it decoded from them.
class LoadedDetailedTiming
{
public:
    LoadedDetailedTiming() = default;
    explicit LoadedDetailedTiming(const Byte* dtd);

    // The bytes to write for the editor's current descriptor.
    QByteArray bytesFor(const QByteArray& current) const;

private:
    QByteArray m_loaded;
    QByteArray m_normalised;
};

#endif
