#ifndef IMAGEFILE_H
#define IMAGEFILE_H

#include "edidtypes.h"

#include <QByteArray>

// The editor works on a 256-byte image: the base block and one extension
// block. Displays with more extension blocks report longer EDIDs; the blocks
// after the first extension are kept unchanged beside the image and written
// back after byte 255 for as long as byte 126 still announces them.

// Fills `image` (256 bytes, zero-padded) from the start of `raw` and returns
// the further whole blocks that byte 126 announces and `raw` holds.
QByteArray splitImageBytes(const QByteArray& raw, Byte* image);

// The bytes of a `.bin` file: the 256-byte image followed by the kept blocks
// that byte 126 of the image still announces.
QByteArray imageFileBytes(const Byte* image, const QByteArray& extraBlocks);

// Text dump: a header of three lines, then one row of 16 bytes per line,
// "RR | XX XX ...", every line ended by CR LF.
QByteArray writeTextDump(const QByteArray& bytes);

// Reads the bytes of a text dump column by column as the writer lays them
// out; tolerant of LF-only line ends and lower-case digits. Never fails:
// a damaged dump gives wrong bytes, which the header and checksum test of
// the base block then rejects.
QByteArray readTextDump(const QByteArray& text);

#endif
