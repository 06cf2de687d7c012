#ifndef CEAOUI_H
#define CEAOUI_H

#include "edidtypes.h"

#include <QByteArray>
#include <QString>

// A 24-bit IEEE OUI as CEA-861 blocks store it (least significant byte
// first) and as the editor shows it (six upper-case hexadecimal digits,
// most significant first).

// The text of the three bytes at `lsbFirst`.
QString ouiText(const Byte* lsbFirst);
// The three bytes of a text of up to six hexadecimal digits, least
// significant first. Fewer digits are read as the number they spell; an
// empty or unreadable text gives 00 00 00.
QByteArray ouiBytes(const QString& text);

#endif
