#ifndef IMAGEFILE_H
#define IMAGEFILE_H

#include "edidtypes.h"

#include <QByteArray>
#include <QString>

// The editor works on a 256-byte image: the base block and one extension
// block. A file may hold more: displays with more extension blocks report
// longer EDIDs, and some tools store other data, or a memory read that
// wrapped around, after the blocks that byte 126 counts.
struct ImageTail {
    // The blocks after the first extension that byte 126 announces, kept
    // as read and written back after byte 255 for as long as byte 126 still
    // announces them.
    QByteArray blocks;
    // What follows them (or byte 255), kept as read and written back at the
    // same place, unless it only repeats the blocks before it.
    QByteArray trailing;
    // Bytes after the blocks that only repeat them (a read past the end of
    // the display's memory wraps around to its start): dropped, never
    // written back. `droppedFrom` is the file offset of the first.
    int droppedCopy = 0;
    int droppedFrom = 0;
};

// Fills `image` (256 bytes, zero-padded) from the start of `raw` and returns
// what the file holds beyond it.
ImageTail splitImageBytes(const QByteArray& raw, Byte* image);

// Drops the trailing bytes as a copy when they repeat the blocks of `image`
// (256 bytes) and the kept blocks: called once the load corrections are
// made, so that the image as written counts as well as the image as read.
void dropTrailingCopy(ImageTail& tail, const Byte* image);

// The bytes of a `.bin` file: the 256-byte image, the kept blocks that
// byte 126 of the image still announces, then the trailing bytes when all
// kept blocks are still written (so that they stay at their place).
QByteArray imageFileBytes(const Byte* image, const ImageTail& tail);

// Says which bytes a load dropped as a copy of the blocks before them, e.g.
// "file bytes 256-511 (256 bytes) repeat the blocks before them: not kept";
// empty when none were dropped.
QString droppedCopyMessage(const ImageTail& tail);

// Text dump: a header of three lines, then one row of 16 bytes per line,
// "RR | XX XX ...", every line ended by CR LF.
QByteArray writeTextDump(const QByteArray& bytes);

// Reads the bytes of a text dump column by column as the writer lays them
// out; tolerant of LF-only line ends and lower-case digits. Never fails:
// a damaged dump gives wrong bytes, which the header and checksum test of
// the base block then rejects.
QByteArray readTextDump(const QByteArray& text);

#endif
