#include "commands.h"

#include "checksum.h"
#include "edidinfo.h"
#include "fileaccess.h"
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

// At least a base block whose header is right: what info describes.
bool isEdidStart(const QByteArray& bytes)
{
    static const char kHeader[8] = {0, char(0xFF), char(0xFF), char(0xFF), char(0xFF), char(0xFF), char(0xFF), 0};
    return bytes.size() >= EDID_BLOCK_SIZE && bytes.startsWith(QByteArray(kHeader, 8));
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

// The bytes of a file as the decoder reads them: a text dump by its name.
bool readEdid(const QString& path, QByteArray& bytes, QString& error)
{
    const QByteArray content = readInput(path, error);
    if (content.isEmpty())
        return false;
    bytes = isTextDumpName(path) ? dumpedEdidBytes(readTextDump(content)) : content;
    return true;
}

QJsonObject nodeJson(const DecodedNode& node)
{
    QJsonArray fields;
    for (const DecodedField& field : node.fields)
        fields.append(QJsonObject{{"name", field.name}, {"value", field.value}, {"offset", field.offset},
                                  {"length", field.length}});
    QJsonObject object{{"name", node.name}, {"offset", node.offset}, {"length", node.length}, {"fields", fields}};
    if (!node.children.isEmpty()) {
        QJsonArray children;
        for (const DecodedNode& child : node.children)
            children.append(nodeJson(child));
        object.insert("children", children);
    }
    return object;
}

QString levelText(const Finding& finding)
{
    return finding.level == Finding::Failure ? QStringLiteral("failure") : QStringLiteral("warning");
}

QJsonArray findingsJson(const Findings& findings)
{
    QJsonArray list;
    for (const Finding& finding : findings)
        list.append(QJsonObject{{"level", levelText(finding)}, {"block", finding.block}, {"offset", finding.offset},
                                {"length", finding.length}, {"message", finding.message}});
    return list;
}

// Blocks at the left margin, the sections inside them under their own
// name, deeper ones with their parent's name; fields indented.
void printNode(QTextStream& out, const DecodedNode& node, const QString& parent, int depth)
{
    if (depth > 0)
        out << '[' << (depth > 2 ? parent + QStringLiteral(" > ") : QString()) << node.name << "]\n";
    for (const DecodedField& field : node.fields)
        out << "  " << field.name << ": " << field.value << '\n';
    for (const DecodedNode& child : node.children)
        printNode(out, child, depth > 2 ? parent + QStringLiteral(" > ") + node.name : node.name, depth + 1);
}

// "block 1 byte 127: message", the byte counted within its block.
QString findingText(const Finding& finding)
{
    QString where = QStringLiteral("block %1").arg(finding.block);
    if (finding.offset >= 0)
        where += QStringLiteral(" byte %1").arg(finding.offset - finding.block * EDID_BLOCK_SIZE);
    return QStringLiteral("%1 (%2): %3").arg(levelText(finding), where, finding.message);
}

QString countText(int count, const char* what)
{
    return QStringLiteral("%1 %2%3").arg(count).arg(what).arg(count == 1 ? "" : "s");
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
        QByteArray bytes;
        QString error;
        if (readEdid(path, bytes, error) && !isEdidStart(bytes))
            error = bytes.size() < EDID_BLOCK_SIZE
                ? QStringLiteral("shorter than a base block (%1 bytes)").arg(bytes.size())
                : QStringLiteral("not an EDID: bad base block header");
        if (!error.isEmpty()) {
            fail(io, path, error);
            status = 1;
            continue;
        }
        Findings findings;
        const DecodedNode root = decodeEdid(bytes, findings);
        if (json) {
            QJsonObject document = nodeJson(root);
            document.insert("file", path);
            document.insert("findings", findingsJson(findings));
            documents.append(document);
        } else {
            io.out << "== " << path << '\n';
            printNode(io.out, root, QString(), 0);
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
        QByteArray bytes;
        QString error;
        if (!readEdid(path, bytes, error)) {
            fail(io, path, error);
            status = 1;
            continue;
        }
        Findings findings;
        decodeEdid(bytes, findings);
        int failures = 0;
        for (const Finding& finding : findings)
            failures += finding.level == Finding::Failure ? 1 : 0;
        const int warnings = findings.size() - failures;
        QStringList counts;
        if (failures)
            counts << countText(failures, "failure");
        if (warnings)
            counts << countText(warnings, "warning");
        io.out << path << ": " << (failures ? "FAIL" : "OK")
               << (counts.isEmpty() ? QString() : " (" + counts.join(", ") + ')') << '\n';
        for (const Finding& finding : findings)
            io.out << "  " << findingText(finding) << '\n';
        if (failures)
            status = 1;
    }
    io.out.flush();
    return status;
}

int runDiff(const QString& first, const QString& second, CliStreams& io)
{
    QByteArray bytes[2];
    const QString paths[2] = {first, second};
    for (int i = 0; i < 2; ++i) {
        QString error;
        if (!readEdid(paths[i], bytes[i], error)) {
            fail(io, paths[i], error);
            return 2;
        }
    }
    Findings ignored;
    const QList<DecodedDifference> differences =
        diffDecoded(decodeEdid(bytes[0], ignored), decodeEdid(bytes[1], ignored));
    QString section;
    for (const DecodedDifference& difference : differences) {
        if (difference.section != section || section.isNull()) {
            section = difference.section;
            io.out << '[' << section << "]\n";
        }
        auto shown = [](const QString& value) { return value.isNull() ? QStringLiteral("(absent)") : value; };
        io.out << "  " << (difference.field.isEmpty() ? QStringLiteral("(section)") : difference.field) << ": "
               << shown(difference.first) << " -> " << shown(difference.second) << '\n';
    }
    if (differences.isEmpty())
        io.out << "No differences\n";
    io.out.flush();
    return differences.isEmpty() ? 0 : 1;
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
