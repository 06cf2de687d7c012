// `zozezi-cli info` over 2,000 corpus files in one process, against the
// reference decoder edid-decode run once per file (as a user would script
// it), and the decoder alone in this process. Prints figures; never fails
// on timing. Without edid-decode the comparison is skipped with a message.

#include "edidinfo.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <cstdio>

namespace {

constexpr int kFiles = 2000;

QStringList corpusFiles()
{
    const QDir dir(QStringLiteral(EDID_CORPUS_DIR));
    QStringList paths;
    for (const QString& name : dir.entryList({"*.bin"}, QDir::Files, QDir::Name).mid(0, kFiles))
        paths << dir.filePath(name);
    return paths;
}

// Runs a program with its output thrown away; the seconds it took.
double runQuietly(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(600000))
        process.kill();
    return timer.nsecsElapsed() / 1e9;
}

void report(const char* what, int files, double seconds)
{
    std::printf("%-34s %5d files in %7.3f s  (%9.0f files/s)\n", what, files, seconds, files / qMax(seconds, 1e-9));
}

} // namespace

int main()
{
    const QStringList paths = corpusFiles();
    if (paths.isEmpty()) {
        std::printf("EDID corpus not present in %s: nothing measured\n", EDID_CORPUS_DIR);
        return 0;
    }
    QList<QByteArray> contents;
    for (const QString& path : paths) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            contents << file.readAll();
    }
    QElapsedTimer timer;
    timer.start();
    long nodes = 0;
    for (const QByteArray& bytes : contents) {
        Findings findings;
        nodes += decodeEdid(bytes, findings).children.size() + findings.size();
    }
    report("decodeEdid in this process", paths.size(), timer.nsecsElapsed() / 1e9);
    std::printf("  (%ld blocks and findings)\n", nodes);

    const double ours = runQuietly(ZOZEZI_CLI, QStringList{"info"} + paths);
    report("zozezi-cli info, one process", paths.size(), ours);
    const double oursJson = runQuietly(ZOZEZI_CLI, QStringList{"info", "--json"} + paths);
    report("zozezi-cli info --json, one process", paths.size(), oursJson);

    const QString reference = QStandardPaths::findExecutable("edid-decode");
    if (reference.isEmpty()) {
        std::printf("edid-decode not installed (tools/install-deps.sh installs it): comparison skipped\n");
        return 0;
    }
    double theirs = 0;
    for (const QString& path : paths)
        theirs += runQuietly(reference, {"--check", path});
    report("edid-decode --check, one per file", paths.size(), theirs);
    std::printf("zozezi-cli info is %.1fx faster\n", theirs / qMax(ours, 1e-9));
    return 0;
}
