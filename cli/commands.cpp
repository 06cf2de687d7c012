#include "commands.h"

#include "fileaccess.h"
#include "imagecheck.h"
#include "imagefile.h"
#include "imageload.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Reads a whole file as the editor does; an empty result with a reason in
// `error` on failure.
QByteArray readInput(const QString& path, QString& error)
{
    const FileRead file = readInputFile(path);
    if (!file.ok()) {
        error = file.error;
        return {};
    }
    if (file.bytes.isEmpty())
        error = QStringLiteral("empty file");
    return file.bytes;
}

bool writeOutput(const QString& path, const QByteArray& bytes, QString& error)
{
    error = writeOutputFile(path, bytes);
    return error.isEmpty();
}

// Reads and loads a file as the editor opens it.
bool loadFile(const QString& path, LoadedImage& image, QString& error)
{
    const QByteArray content = readInput(path, error);
    if (content.isEmpty())
        return false;
    error = loadImage(content, isTextDumpName(path), image);
    return error.isEmpty();
}

void fail(CliStreams& io, const QString& path, const QString& reason)
{
    io.err << path << ": " << reason << Qt::endl;
}

// "[3/40] name" on one terminal line, rewritten for each file.
class Progress
{
public:
    Progress(CliStreams& io, int total) : m_io(io), m_total(total) {}
    ~Progress()
    {
        if (shown())
            m_io.err << "\r\033[K" << Qt::flush;
    }
    void step(const QString& path)
    {
        if (shown())
            m_io.err << "\r\033[K[" << ++m_done << '/' << m_total << "] " << QFileInfo(path).fileName()
                     << Qt::flush;
    }

private:
    bool shown() const { return m_io.progress && m_total > 1; }
    CliStreams& m_io;
    int m_total;
    int m_done = 0;
};

QJsonObject sectionsJson(const QList<SectionDescription>& sections)
{
    QJsonArray list;
    for (const SectionDescription& section : sections) {
        QJsonArray fields;
        for (const FieldDescription& field : section.fields)
            fields.append(QJsonArray{field.first, field.second});
        list.append(QJsonObject{{"name", section.name}, {"fields", fields}});
    }
    return QJsonObject{{"sections", list}};
}

void printSections(QTextStream& out, const QString& path, const QList<SectionDescription>& sections)
{
    out << "== " << path << '\n';
    for (const SectionDescription& section : sections) {
        out << '[' << section.name << "]\n";
        for (const FieldDescription& field : section.fields)
            out << "  " << field.first << ": " << field.second << '\n';
    }
}

QString outputPath(const QString& input, const QString& target, bool intoFolder)
{
    return intoFolder ? QDir(target).filePath(QFileInfo(input).fileName()) : target;
}

// Inputs of the same file name would overwrite each other in the folder:
// reports the first clash and returns false.
bool outputsDistinct(const QStringList& inputs, const QString& folder, CliStreams& io)
{
    QHash<QString, QString> inputOf;
    for (const QString& path : inputs) {
        const QString output = outputPath(path, folder, true);
        if (inputOf.contains(output)) {
            fail(io, output, QStringLiteral("would be written from both %1 and %2; nothing was written")
                                 .arg(inputOf.value(output), path));
            return false;
        }
        inputOf.insert(output, path);
    }
    return true;
}

} // namespace

int runInfo(const QStringList& files, bool json, CliStreams& io)
{
    int status = 0;
    QJsonArray documents;
    Progress progress(io, files.size());
    for (const QString& path : files) {
        progress.step(path);
        LoadedImage image;
        QString error;
        if (!loadFile(path, image, error)) {
            fail(io, path, error);
            status = 1;
            continue;
        }
        const QList<SectionDescription> sections = describeImage(image);
        if (json) {
            QJsonObject document = sectionsJson(sections);
            document.insert("file", path);
            documents.append(document);
        } else {
            printSections(io.out, path, sections);
        }
    }
    if (json)
        io.out << QJsonDocument(documents).toJson();
    io.out.flush();
    return status;
}

int runCheck(const QStringList& files, CliStreams& io)
{
    int status = 0;
    Progress progress(io, files.size());
    for (const QString& path : files) {
        progress.step(path);
        QString error;
        const QByteArray content = readInput(path, error);
        if (content.isEmpty()) {
            fail(io, path, error);
            status = 1;
            continue;
        }
        Byte image[EDID_IMAGE_SIZE];
        splitImageBytes(isTextDumpName(path) ? readTextDump(content) : content, image);
        QStringList failures;
        for (const ImageCheck& check : checkImage(image)) {
            if (!check.passed)
                failures << check.name + " (" + check.detail + ")";
        }
        if (content.size() < EDID_BLOCK_SIZE && !isTextDumpName(path))
            failures.prepend(QStringLiteral("size (%1 bytes, a base block has 128)").arg(content.size()));
        if (!failures.isEmpty())
            status = 1;
        io.out << path << ": " << (failures.isEmpty() ? QStringLiteral("OK") : "FAIL " + failures.join(", "))
               << '\n';
    }
    io.out.flush();
    return status;
}

int runConvert(const QString& in, const QString& out, CliStreams& io)
{
    QString error;
    const QByteArray content = readInput(in, error);
    if (content.isEmpty()) {
        fail(io, in, error);
        return 1;
    }
    const QByteArray bytes = isTextDumpName(in) ? readTextDump(content) : content;
    // A dump always shows the whole 256-byte image, even of a base block alone.
    const QByteArray padded = bytes.size() < EDID_IMAGE_SIZE
                                  ? bytes + QByteArray(EDID_IMAGE_SIZE - bytes.size(), '\0') : bytes;
    if (!writeOutput(out, isTextDumpName(out) ? writeTextDump(padded) : bytes, error)) {
        fail(io, out, error);
        return 1;
    }
    return 0;
}

int runResave(const QStringList& arguments, CliStreams& io)
{
    const QStringList inputs = arguments.mid(0, arguments.size() - 1);
    const QString target = arguments.last();
    const bool intoFolder = QFileInfo(target).isDir();
    if (inputs.size() > 1 && !intoFolder) {
        fail(io, target, QStringLiteral("is not a folder (needed for several input files)"));
        return 1;
    }
    if (intoFolder && !outputsDistinct(inputs, target, io))
        return 1;
    int status = 0;
    Progress progress(io, inputs.size());
    for (const QString& path : inputs) {
        progress.step(path);
        LoadedImage image;
        QString error;
        const QString output = outputPath(path, target, intoFolder);
        if (!loadFile(path, image, error)) {
            fail(io, path, error);
            status = 1;
            continue;
        }
        for (const LoadCorrection& correction : image.corrections)
            io.out << path << ": " << correction.message << '\n';
        const QByteArray bytes = image.savedFileBytes();
        if (!writeOutput(output, isTextDumpName(output) ? writeTextDump(bytes) : bytes, error)) {
            fail(io, output, error);
            status = 1;
        }
    }
    io.out.flush();
    return status;
}
