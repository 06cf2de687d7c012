#ifndef FIELDTEXT_H
#define FIELDTEXT_H

#include "edidtypes.h"

#include <QByteArray>
#include <QString>

// How the decoders write values into their decoded fields. In a namespace
// of their own: the editors write flags their own way ("YES" / "no").
namespace FieldText {

QString yesNo(bool value);                       // "yes" / "no"
QString hexByte(int value);                      // "0A"
QString hexValue(int value);                     // "0x3c"
QString hexBytes(const Byte* bytes, int count);  // "0A 1B 2C"
QString hexBytes(const QByteArray& bytes);       // "01 00 00 12"

} // namespace FieldText

#endif
