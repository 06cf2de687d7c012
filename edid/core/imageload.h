#ifndef IMAGELOAD_H
#define IMAGELOAD_H

#include "imagefile.h"
#include "loadcorrections.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The whole road of a file into the editor, without the editors: read the
// bytes (a text dump by its name), accept the base block, decode it and
// make the corrections that loading makes.

// True for the names read as text dumps: the part of the path from its last
// "." on is ".dat" or ".edid", in exactly that case ("x.DAT" is binary).
bool isTextDumpName(const QString& path);

struct LoadedImage {
    Byte saved[EDID_IMAGE_SIZE] = {};   // the bytes as read
    Byte working[EDID_IMAGE_SIZE] = {}; // after the load corrections
    ImageTail tail;                     // what the file holds past byte 255
    T_EDID_DEF decoded;
    LoadCorrections corrections;

    // What Save writes for this image.
    QByteArray savedFileBytes() const;
};

// Loads the content of a file; `textDump` says how to read it. Returns an
// empty string on success, else why the image was refused.
QString loadImage(const QByteArray& content, bool textDump, LoadedImage& out);

// One described section of an image, named as the hex viewer names it.
struct SectionDescription {
    QString name;
    FieldDescriptionList fields;
};

// The descriptions of every section of a loaded image, in byte order.
QList<SectionDescription> describeImage(const LoadedImage& image);

// The sections of the extension block (empty when there is none).
QList<SectionDescription> describeExtension(const LoadedImage& image);

#endif
