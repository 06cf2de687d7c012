#ifndef COMMANDS_H
#define COMMANDS_H

#include <QStringList>
#include <QTextStream>

// The subcommands of zozezi-cli. Each writes its results to `out`, one
// line per problem file to `err`, and returns the process exit code:
// 0 when every file passed, 1 otherwise.
struct CliStreams {
    QTextStream& out;
    QTextStream& err;
    bool progress;  // show a progress line on stderr (a terminal)
};

int runInfo(const QStringList& files, bool json, CliStreams& io);
int runCheck(const QStringList& files, CliStreams& io);
// Exit code 0 when both files decode to the same content, 1 when they
// differ, 2 when one cannot be read.
int runDiff(const QString& first, const QString& second, CliStreams& io);
int runConvert(const QString& in, const QString& out, CliStreams& io);
// The last argument is the output file, or a folder for several inputs.
int runResave(const QStringList& arguments, CliStreams& io);

#endif
