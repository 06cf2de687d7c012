#ifndef FILEACCESS_H
#define FILEACCESS_H

#include <QByteArray>
#include <QString>

// The one way the editor and the command-line tool read and write image
// files and text dumps. A path may name anything: a FIFO that nobody writes
// to, a device that never ends, a file of gigabytes, a symbolic link. The
// reader never blocks and never takes more than a bounded amount of memory;
// the writer never writes into or replaces anything but a regular file.

// No EDID image or text dump comes near this size.
constexpr int MAX_INPUT_FILE_SIZE = 1 << 20;

enum class ReadFailure {
    None,
    Missing,     // the path names nothing
    Unreadable,  // it exists but cannot be opened or read
    NotRegular,  // a directory, FIFO, socket or device: never opened
    TooLarge     // more than MAX_INPUT_FILE_SIZE bytes
};

struct FileRead {
    QByteArray bytes;
    ReadFailure failure = ReadFailure::None;
    QString error;  // why the file was refused, e.g. "no such file"

    bool ok() const { return failure == ReadFailure::None; }
};

// Reads a whole regular file of at most MAX_INPUT_FILE_SIZE bytes, whatever
// size the file system reports: at most one byte more is ever read.
FileRead readInputFile(const QString& path);

// Replaces the file at `path` by `bytes` atomically: a temporary file
// beside it is written, then renamed over it. A symbolic link is followed
// and its final target replaced, the link itself kept. A target that exists
// and is not a regular file, or that may not be written, is refused before
// anything is written. Returns an empty string on success, else the reason.
QString writeOutputFile(const QString& path, const QByteArray& bytes);

#endif
