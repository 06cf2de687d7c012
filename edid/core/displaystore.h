#ifndef DISPLAYSTORE_H
#define DISPLAYSTORE_H

#include "edidtypes.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The operating system's store of the EDIDs of the displays it has seen.
// On Linux this is the kernel's DRM interface: every connector folder
// <root>/card*-*/ whose file "edid" holds bytes is one stored display.

// The largest EDID an E-EDID image can be: 256 blocks of 128 bytes. Longer
// store files are cut there, so a broken or hostile file cannot make the
// reader take unbounded memory.
constexpr int MAX_STORED_EDID_SIZE = 256 * EDID_BLOCK_SIZE;

struct StoredDisplay {
    QString name;  // the model key shown to the user
    QString path;  // the file that holds the display's EDID bytes
};

// The default root of the DRM connector folders.
QString defaultDisplayStoreRoot();

// Lists the connectors under `root` that hold EDID bytes, in natural order of
// their folder names (card0-DP-2 before card0-DP-10). A model seen on two
// connectors is listed twice under the same name. A missing or unreadable
// root gives an empty list.
QList<StoredDisplay> listStoredDisplays(const QString& root);

// Reads a stored EDID file whole (up to MAX_STORED_EDID_SIZE bytes); empty
// when it cannot be read.
QByteArray readStoredEdid(const QString& path);

// The display's model key as Windows names its registry keys: the
// three-letter manufacturer ID (bytes 8-9) followed by the product code
// (bytes 10-11, little endian) in four upper-case hexadecimal digits, for
// instance "DEL4025". Empty when the bytes are too short to hold both.
QString displayModelKey(const QByteArray& edid);

#endif
