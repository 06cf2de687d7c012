#ifndef EDIDTYPES_H
#define EDIDTYPES_H

#include <QList>
#include <QPair>
#include <QString>
#include <cstdint>

typedef uint8_t Byte;
typedef uint16_t Word;
typedef bool Bool;

// Size of one EDID block and of the image the editor works on (base block
// plus one extension block).
constexpr int EDID_BLOCK_SIZE = 128;
constexpr int EDID_IMAGE_SIZE = 256;

// Ordered (label, value) pairs with which an editor describes its bytes.
typedef QPair<QString, QString> FieldDescription;
typedef QList<FieldDescription> FieldDescriptionList;

#endif
