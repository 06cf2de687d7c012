#include "commands.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

namespace {

const char* const kDescription =
    "Inspects, checks and converts EDID images (.bin) and text dumps (.dat, .edid).\n\n"
    "Commands:\n"
    "  info FILE... [--json]  decode every field of every block\n"
    "  check FILE...          conformance check: failures and warnings with block and byte\n"
    "  diff A B               what differs between two files, field by field\n"
    "  convert IN OUT         copy between .bin and .dat, bytes unchanged\n"
    "  resave IN OUT          open as the editor opens, write what Save writes;\n"
    "  resave IN... FOLDER    prints each correction made while opening";

int usage(QTextStream& err, const QString& message)
{
    err << message << "\nTry 'zozezi-cli --help'." << Qt::endl;
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("zozezi-cli");
    QCoreApplication::setApplicationVersion(ZOZEZI_VERSION);

    QCommandLineParser parser;
    parser.setApplicationDescription(kDescription);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument("command", "info, check, diff, convert or resave");
    parser.addPositionalArgument("files", "Input files, then the output for convert and resave.",
                                 "FILE...");
    const QCommandLineOption jsonOption("json", "info: print JSON instead of text.");
    parser.addOption(jsonOption);
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    CliStreams io{out, err, isatty(fileno(stderr)) != 0};
    QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty())
        return usage(err, "No command given.");
    const QString command = arguments.takeFirst();
    if (command == "info" && !arguments.isEmpty())
        return runInfo(arguments, parser.isSet(jsonOption), io);
    if (command == "check" && !arguments.isEmpty())
        return runCheck(arguments, io);
    if (command == "diff" && arguments.size() == 2)
        return runDiff(arguments[0], arguments[1], io);
    if (command == "convert" && arguments.size() == 2)
        return runConvert(arguments[0], arguments[1], io);
    if (command == "resave" && arguments.size() >= 2)
        return runResave(arguments, io);
    if (QStringList{"info", "check", "diff", "convert", "resave"}.contains(command))
        return usage(err, QStringLiteral("Wrong number of files for '%1'.").arg(command));
    return usage(err, QStringLiteral("Unknown command '%1'.").arg(command));
}
