#include <QtTest>

#include "checksum.h"
#include "coresupport.h"
#include "imagefile.h"
#include "imageload.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <cstring>
#include <sys/stat.h>

// Runs the command-line tool on real files: bad input gives one line naming
// the file and a failing exit code, conversions keep the bytes, resave makes
// and reports the corrections of a load, and changes nothing else in any
// corpus file.
class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void badInputFails_data();
    void badInputFails();
    void hostileFiles_data();
    void hostileFiles();
    void resaveRefusesNameClash();
    void convertKeepsBytes();
    void resaveReportsCorrections_data();
    void resaveReportsCorrections();
    void extensionCheckAndInfo_data();
    void extensionCheckAndInfo();
    void diffOfTwoFiles();
    void resaveChangesOnlyCorrectedBytes();

private:
    struct Run {
        int exitCode;
        QByteArray out;
        QByteArray err;
    };
    Run run(const QStringList& arguments);
    QString write(const QString& name, const QByteArray& bytes);
    // A FIFO or a link to a file; empty when it cannot be made.
    QString makeNode(const QString& kind, const QString& name);

    QTemporaryDir m_dir;
    QByteArray m_sample;
};

void TestCli::initTestCase()
{
    m_sample = readFileBytes(TEST_SOURCE_DIR "/../resources/samples/zozezi-sample.bin");
    QCOMPARE(m_sample.size(), 256);
}

TestCli::Run TestCli::run(const QStringList& arguments)
{
    QProcess process;
    process.start(ZOZEZI_CLI, arguments);
    if (!process.waitForFinished(20000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

QString TestCli::write(const QString& name, const QByteArray& bytes)
{
    writeFileBytes(m_dir.filePath(name), bytes);
    return m_dir.filePath(name);
}

void TestCli::badInputFails_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("content");   // null: the file does not exist
    QTest::addColumn<QString>("reason");
    for (const QString command : {"info", "check", "resave"}) {
        const QByteArray tag = command.toLatin1();
        QTest::newRow(tag + " missing") << command << QByteArray() << "no such file";
        QTest::newRow(tag + " empty") << command << QByteArray("") << "empty file";
        QTest::newRow(tag + " 127 bytes") << command << m_sample.left(127) << "";
        QTest::newRow(tag + " garbage") << command << QByteArray(300, '\x5A') << "";
        QTest::newRow(tag + " huge") << command << QByteArray(2 << 20, '\0') << "too large";
    }
}

void TestCli::badInputFails()
{
    QFETCH(QString, command);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    const QString path = content.isNull() ? m_dir.filePath("absent.bin") : write("bad.bin", content);
    QStringList arguments = {command, path};
    if (command == "resave")
        arguments << m_dir.filePath("out.bin");
    const Run result = run(arguments);
    QCOMPARE(result.exitCode, 1);
    // check lists the findings under its summary line.
    const QByteArray report = command == "check" ? result.out + result.err : result.err;
    int summaries = 0;
    for (const QByteArray& line : report.trimmed().split('\n'))
        summaries += line.startsWith("  ") ? 0 : 1;
    QCOMPARE(summaries, 1);
    QVERIFY2(report.startsWith(path.toLocal8Bit() + ": "), report);
    QVERIFY2(report.contains(reason.toLatin1()), report);
}

// A FIFO with no writer is never read or written: it would block. A link
// is followed and its target replaced. (Every other kind of node is the
// file access test's.)
void TestCli::hostileFiles_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("input");    // "sample" or a kind of node
    QTest::addColumn<QString>("output");   // a kind of node, or empty
    QTest::addColumn<QString>("error");    // after the node's path; empty: written
    const QString fifo = "not a regular file but a FIFO (named pipe)";
    QTest::newRow("check of a FIFO") << "check" << "fifo" << "" << fifo;
    QTest::newRow("convert onto a FIFO") << "convert" << "sample" << "fifo" << fifo + "; nothing was written";
    QTest::newRow("resave onto a link") << "resave" << "sample" << "link" << "";
}

void TestCli::hostileFiles()
{
    QFETCH(QString, command);
    QFETCH(QString, input);
    QFETCH(QString, output);
    QFETCH(QString, error);
    const QString tag = QString(QTest::currentDataTag()).replace(' ', '-');
    const QString in = input == "sample" ? write(tag + ".bin", m_sample) : makeNode(input, tag + "-in");
    const QString out = output.isEmpty() ? m_dir.filePath(tag + "-out") : makeNode(output, tag + "-out");
    if (in.isEmpty() || out.isEmpty())
        QSKIP("this user cannot make the node");
    const Run result = run(command == "info" || command == "check" ? QStringList{command, in}
                                                                    : QStringList{command, in, out});
    QCOMPARE(result.exitCode, error.isEmpty() ? 0 : 1);
    const QString node = input == "sample" ? out : in;
    QVERIFY2(QString(result.out + result.err).endsWith(error.isEmpty() ? QString() : node + ": " + error + '\n'),
             result.err);
    QCOMPARE(QFileInfo(node).isFile(), error.isEmpty());
    if (output == "link")
        QCOMPARE(readFileBytes(out + "-target"), m_sample);
}

// Several inputs of one name would overwrite each other in the folder.
void TestCli::resaveRefusesNameClash()
{
    for (const char* folder : {"a", "b", "clash-out"})
        QDir(m_dir.path()).mkpath(folder);
    const QString first = write("a/x.bin", m_sample);
    const QString second = write("b/x.bin", m_sample);
    const QString out = m_dir.filePath("clash-out");
    const Run result = run({"resave", write("a/y.bin", m_sample), first, second, out});
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(QString(result.err),
             out + "/x.bin: would be written from both " + first + " and " + second + "; nothing was written\n");
    QCOMPARE(QDir(out).entryList(QDir::Files), {});
}

QString TestCli::makeNode(const QString& kind, const QString& name)
{
    const QString path = m_dir.filePath(name);
    const QByteArray native = QFile::encodeName(path);
    if (kind == "fifo")
        return ::mkfifo(native.constData(), 0644) == 0 ? path : QString();
    return QFile::link(write(name + "-target", "old"), path) ? path : QString();
}

void TestCli::convertKeepsBytes()
{
    const QString bin = write("image.bin", m_sample.left(128));
    const QString dat = m_dir.filePath("image.dat");
    const QString back = m_dir.filePath("back.bin");
    QCOMPARE(run({"convert", bin, dat}).exitCode, 0);
    QCOMPARE(run({"convert", dat, back}).exitCode, 0);
    QCOMPARE(readFileBytes(back), m_sample.left(128) + QByteArray(128, '\0'));
}

// Each correction a load makes has its own line, naming the bytes it changed.
void TestCli::resaveReportsCorrections_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QByteArray>("written");
    auto patched = [this](int offset, int value, bool fixExtension) {
        QByteArray image = m_sample;
        image[offset] = char(value);
        updateBlockChecksum(reinterpret_cast<Byte*>(image.data()));
        if (fixExtension)
            updateBlockChecksum(reinterpret_cast<Byte*>(image.data()) + 128);
        return image;
    };
    QTest::newRow("revision 2") << patched(19, 2, true) << "revision 2 set to 4 (bytes 18-19 written as 01 04)"
                                << m_sample;
    QTest::newRow("extension checksum") << patched(255, 0xAC, false)
                                        << "CEA extension checksum byte 255 was 0xAC, corrected to 0xAB" << m_sample;
    QTest::newRow("stray padding byte") << patched(254, 0xFF, true) << "non-zero padding byte 254 (0xFF) written as 0"
                                        << m_sample;
    QTest::newRow("offset past the block") << patched(130, 200, true)
                                           << "detailed timing offset byte 130 was 200, written as 127"
                                           << patched(130, 127, true);
    QTest::newRow("read wrapped around") << m_sample + m_sample
                                         << "file bytes 256-511 (256 bytes) repeat the blocks before them: not kept"
                                         << m_sample;
}

void TestCli::resaveReportsCorrections()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, line);
    QFETCH(QByteArray, written);
    const QString in = write("corrected.bin", file);
    const QString out = m_dir.filePath("resaved.bin");
    const Run result = run({"resave", in, out});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(QString(result.out), in + ": " + line + '\n');
    QCOMPARE(readFileBytes(out).toHex(' '), written.toHex(' '));
}

namespace {

// A CEA extension from its first bytes, zero-padded, with its checksum.
QByteArray extension(const QByteArray& start)
{
    QByteArray block = start + QByteArray(EDID_BLOCK_SIZE - start.size(), '\0');
    updateBlockChecksum(reinterpret_cast<Byte*>(block.data()));
    return block;
}

// The names of the sections of block 1 in info's JSON.
QStringList blockSections(const QByteArray& json)
{
    QStringList names;
    const QJsonArray blocks = QJsonDocument::fromJson(json).array().at(0).toObject()["children"].toArray();
    for (const QJsonValue& section : blocks.at(1).toObject()["children"].toArray())
        names << section.toObject()["name"].toString();
    return names;
}

} // namespace

void TestCli::extensionCheckAndInfo_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QString>("check");       // the verdict and a finding it lists
    QTest::addColumn<QString>("sections");    // block 1 as info lists it
    const QByteArray sample = m_sample.mid(EDID_BLOCK_SIZE);
    const QString sampleBlocks = "Video Data Block, Audio Data Block, Speaker Allocation Data Block, "
                                 "HDMI, Detailed Timing Descriptor";
    QTest::newRow("sample") << sample << "OK" << sampleBlocks;
    QTest::newRow("checksum error") << sample.left(127) + '\xAC'
                                    << "FAIL\n  failure (block 1 byte 127): Block 1 checksum is 0xAC, "
                                       "should be 0xAB" << sampleBlocks;
    QTest::newRow("unknown block") << extension(QByteArray("\x02\x03\x0B\x00\xE5\x06\x05\x01\x02\x03\x00", 11))
                                   << "OK" << "HDR Static Metadata, Reserved Data Block (tag 0)";
    // Four 30-byte blocks and a 3-byte one fill the budget to byte 126.
    QByteArray blocks = QByteArray("\x02\x03\x7F\x00", 4) + ('\x5D' + QByteArray(29, '\x10')).repeated(4);
    const QString videos = QString("Video Data Block, ").repeated(4);
    QTest::newRow("budget reached") << extension(blocks + "\x42\x10\x10") << "OK"
                                    << videos + "Video Data Block";
    blocks[2] = 0x7E;
    QTest::newRow("stray byte 126") << extension(blocks + "\x41\x10\x01")
                                    << "OK\n  warning (block 1 byte 126): Non-zero bytes in the padding"
                                    << videos + "Video Data Block";
}

void TestCli::extensionCheckAndInfo()
{
    QFETCH(QByteArray, block);
    QFETCH(QString, check);
    QFETCH(QString, sections);
    const QString path = write("extension.bin", m_sample.left(EDID_BLOCK_SIZE) + block);
    const Run checked = run({"check", path, path});
    QCOMPARE(checked.exitCode, check.startsWith("OK") ? 0 : 1);
    // One summary line per file, its findings under it.
    const QStringList reports = QString(checked.out).split(path + ": ", Qt::SkipEmptyParts);
    QCOMPARE(reports.size(), 2);
    const QString verdict = check.section('\n', 0, 0);
    const QString finding = check.section('\n', 1);
    for (const QString& report : reports) {
        QVERIFY2(report.startsWith(verdict), qPrintable(report));
        QVERIFY2(report.contains(finding), qPrintable(report));
        QCOMPARE(report.contains("failure ("), verdict == "FAIL");
    }
    const Run info = run({"info", "--json", path});
    QCOMPARE(info.exitCode, 0);
    QCOMPARE(blockSections(info.out).join(", "), sections);
}

void TestCli::diffOfTwoFiles()
{
    QByteArray changed = m_sample;
    changed[10] = char(changed[10] + 1);
    updateBlockChecksum(reinterpret_cast<Byte*>(changed.data()));
    const QString first = write("first.bin", m_sample);
    const QString second = write("second.bin", changed);
    const Run same = run({"diff", first, first});
    QCOMPARE(same.exitCode, 0);
    QCOMPARE(same.out, QByteArray("No differences\n"));
    const Run differ = run({"diff", first, second});
    QCOMPARE(differ.exitCode, 1);
    QVERIFY2(differ.out.startsWith("[Block 0: Base EDID / Vendor & Product ID]\n  Product code: "), differ.out);
    QCOMPARE(differ.out.count(" -> "), 2);
    QCOMPARE(run({"diff", first}).exitCode, 2);
    QCOMPARE(run({"diff", first, m_dir.filePath("absent.bin")}).exitCode, 2);
}

namespace {

// The file as Save writes it when nothing is corrected: the announced
// blocks, zero-padded to the 256-byte image.
QByteArray uncorrected(const QByteArray& content, int size)
{
    const QByteArray start = content.left(size);
    return start + QByteArray(size - start.size(), '\0');
}

bool inCorrection(int byte, const LoadCorrections& corrections)
{
    // The checksum byte of a block changes with any correction inside it.
    const bool checksum = byte == 127 || byte == 255;
    for (const LoadCorrection& correction : corrections) {
        if (byte >= correction.first && byte <= correction.last)
            return true;
        if (checksum && correction.first <= byte - 1 && correction.last >= byte - 127)
            return true;
    }
    return false;
}

} // namespace

// Every EDID of the reference corpus, as .bin and as a text dump, goes
// through the whole core load path; what resave writes differs from the
// file only in the bytes of the corrections it reports, and leaves out only
// bytes a correction names.
void TestCli::resaveChangesOnlyCorrectedBytes()
{
    const QStringList names = corpusFiles();
    if (names.isEmpty())
        QSKIP("EDID corpus not present");
    int loaded = 0;
    QStringList failures;
    for (const QString& name : names) {
        const QByteArray content = readFileBytes(name);
        LoadedImage image;
        if (!loadImage(content, false, image).isEmpty())
            continue;
        ++loaded;
        const QByteArray saved = image.savedFileBytes();
        const QByteArray original = uncorrected(content, saved.size());
        for (int i = 0; i < saved.size(); ++i) {
            if (saved[i] != original[i] && !inCorrection(i, image.corrections))
                failures << QString("%1: byte %2 changed without a correction").arg(name).arg(i);
        }
        // Nothing the file holds is left out without a word.
        for (int i = saved.size(); i < content.size(); ++i) {
            if (!inCorrection(i, image.corrections))
                failures << QString("%1: byte %2 dropped without a correction").arg(name).arg(i);
        }
        // The same image read from its text dump loads to the same bytes.
        LoadedImage fromDump;
        if (!loadImage(writeTextDump(saved), true, fromDump).isEmpty()
            || std::memcmp(fromDump.saved, saved.constData(), EDID_IMAGE_SIZE) != 0)
            failures << name + ": text dump reads differently";
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.mid(0, 20).join('\n')));
    QVERIFY(loaded > names.size() * 3 / 4);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
