#ifndef DECODEDTREE_H
#define DECODEDTREE_H

#include "edidtypes.h"

#include <QList>
#include <QString>

// What a decoder reads from an image, as data: a tree of named sections
// (a block, a data block, a descriptor, ...) that hold fields, and the
// problems found on the way. Nothing here prints or shows anything; the
// command-line tool, the hex viewer and the problems list render it.

// One decoded value. `value` carries its unit ("300 MHz", "3.0.0.0").
// `offset` and `length` name the image bytes it is read from, as absolute
// offsets in the whole file; an offset of -1 marks a value derived from
// other fields (a refresh rate computed from a timing, say).
struct DecodedField {
    QString name;
    QString value;
    int offset = -1;
    int length = 0;
};

struct DecodedNode {
    QString name;
    int offset = -1;  // first image byte of the section
    int length = 0;
    QList<DecodedField> fields;
    QList<DecodedNode> children;

    void add(const QString& fieldName, const QString& fieldValue, int fieldOffset = -1,
             int fieldLength = 1)
    {
        fields.append({fieldName, fieldValue, fieldOffset, fieldOffset < 0 ? 0 : fieldLength});
    }
    // The fields as the (label, value) pairs the hex viewer shows.
    FieldDescriptionList pairs() const
    {
        FieldDescriptionList list;
        for (const DecodedField& field : fields)
            list << FieldDescription(field.name, field.value);
        return list;
    }
};

// A conformance problem. A failure breaks the structure a reader relies on
// (a checksum, a length that runs past its block); a warning is a value a
// standard does not allow but readers cope with.
struct Finding {
    enum Level { Failure, Warning };
    Level level = Warning;
    int block = 0;    // 0 is the base block, 1 the first extension, ...
    int offset = -1;  // absolute offset of the first byte concerned, -1 for none
    int length = 0;
    QString message;
};
typedef QList<Finding> Findings;

#endif
