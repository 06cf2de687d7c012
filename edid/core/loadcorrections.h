#ifndef LOADCORRECTIONS_H
#define LOADCORRECTIONS_H

#include "edidrecords.h"

#include <QList>
#include <QString>

// What the editor changes in an image while opening it, so that Save
// writes the image in the form the editors keep.
struct LoadCorrection {
    QString kind;       // short key, for counting: "revision", "product-name", ...
    QString message;    // one line for a person, naming the bytes
    int first;          // file bytes changed or dropped; the checksum byte of
    int last;           // a block changes with them and is not counted
};
typedef QList<LoadCorrection> LoadCorrections;

// Applies to the working image `image` (256 bytes, already accepted by
// decodeBaseBlock into `decoded`) every correction that opening it in the
// editor makes, and lists them in the order the editor makes them.
LoadCorrections applyLoadCorrections(Byte* image, const T_EDID_DEF& decoded);

// The part of the corrections that concerns the extension block (image
// bytes 128-255 and byte 126). Kept in its own unit: the extension model
// brings its own checks.
void applyExtensionLoadCorrections(Byte* image, LoadCorrections& corrections);

#endif
