#ifndef CORESUPPORT_H
#define CORESUPPORT_H

// Helpers for every test program (QtCore and the core library only): bytes
// written as hex, test files, and the reference EDID corpus. The corpus is
// absent in a user's own clone; callers skip then.

#include "edidtypes.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QStringList>
#include <functional>

// Bytes from hex text; spaces are allowed.
inline QByteArray hexBytes(const char* text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

inline const Byte* rawBytes(const QByteArray& bytes)
{
    return reinterpret_cast<const Byte*>(bytes.constData());
}

inline QByteArray bytesAt(const Byte* data, int count)
{
    return QByteArray(reinterpret_cast<const char*>(data), count);
}

inline QByteArray readFileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A corpus file by its name; empty when the corpus is absent.
inline QByteArray corpusBytes(const QString& name)
{
    return readFileBytes(QStringLiteral(EDID_CORPUS_DIR "/") + name);
}

// The reference decode (edid-decode's text) beside a corpus .bin file.
inline QString referenceText(const QString& binPath)
{
    return QString::fromUtf8(readFileBytes(binPath.chopped(4) + QStringLiteral(".txt")));
}

// The paths of the corpus EDIDs, sorted; empty when the corpus is absent.
inline QStringList corpusFiles()
{
    const QDir dir(QStringLiteral(EDID_CORPUS_DIR));
    QStringList files;
    for (const QString& name : dir.entryList({"*.bin"}, QDir::Files, QDir::Name))
        files << dir.filePath(name);
    return files;
}

// The files that carry every feature of the whole list: for each feature
// that `featuresOf` names in a file's bytes, the first file that has it.
// Widget tests open these instead of every file.
inline QStringList filesCarrying(const QStringList& files,
                                 const std::function<QStringList(const QByteArray&)>& featuresOf)
{
    QSet<QString> seen;
    QStringList sample;
    for (const QString& path : files) {
        const int before = seen.size();
        for (const QString& feature : featuresOf(readFileBytes(path)))
            seen.insert(feature);
        if (seen.size() > before)
            sample << path;
    }
    return sample;
}

#endif
