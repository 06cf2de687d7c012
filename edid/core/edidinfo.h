#ifndef EDIDINFO_H
#define EDIDINFO_H

#include "decodedtree.h"

#include <QByteArray>
#include <QStringList>

// The full decode of an EDID file: every field of every 128-byte block
// (base block, CTA-861 extensions, DisplayID 1.x and 2.0 extensions, block
// maps, unknown blocks as hex), and the conformance problems found on the
// way. Reads nothing outside `fileBytes`; any length is accepted.
//
// The root is named after nothing; it has one child per block, named
// "Block N: ...", each with a child per data block, descriptor or section.
DecodedNode decodeEdid(const QByteArray& fileBytes, Findings& findings);

// The bytes of a text dump as the decoder should see them: a dump always
// shows the whole 256-byte image, so all-zero blocks at its end that byte
// 126 does not announce are dropped.
QByteArray dumpedEdidBytes(const QByteArray& dumpBytes);

// True when a finding of level Failure is in the list.
bool hasFailure(const Findings& findings);

// One difference between two decoded trees: the path of the section
// ("Block 1: CTA-861 extension block / Video Data Block"), the field name
// and the two values; an empty value stands for a field or section the
// other side does not have.
struct DecodedDifference {
    QString section;
    QString field;
    QString first;
    QString second;
};

// Field by field comparison. Sections are matched by name and by their
// order among the sections of the same name; fields likewise; offsets are
// ignored, so two files that decode to the same content are equal.
QList<DecodedDifference> diffDecoded(const DecodedNode& first, const DecodedNode& second);

#endif
