#include <QtTest>

#include "checksum.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

// Runs the command-line tool on real files: bad input gives one line naming
// the file and a failing exit code, conversions keep the bytes, resave makes
// and reports the corrections of a load.
class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void badInputFails_data();
    void badInputFails();
    void outputTargets_data();
    void outputTargets();
    void resaveRefusesNameClash();
    void convertKeepsBytes();
    void resaveReportsCorrections_data();
    void resaveReportsCorrections();
    void extensionCheckAndInfo_data();
    void extensionCheckAndInfo();

private:
    struct Run {
        int exitCode;
        QByteArray out;
        QByteArray err;
    };
    Run run(const QStringList& arguments);
    QString write(const QString& name, const QByteArray& bytes);
    // A FIFO, a directory or (as root) a private /dev/full node in the
    // test's folder.
    QString makeNode(const QString& kind, const QString& name);
    static QByteArray read(const QString& path);

    QTemporaryDir m_dir;
    QByteArray m_sample;
};

void TestCli::initTestCase()
{
    m_sample = read(TEST_SOURCE_DIR "/../resources/samples/zozezi-sample.bin");
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
    QFile file(m_dir.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return file.fileName();
}

QByteArray TestCli::read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestCli::badInputFails_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("content");   // null: the file does not exist
    QTest::addColumn<QString>("node");         // "fifo" or "dir" instead of a file
    QTest::addColumn<QString>("reason");
    const QByteArray garbage = QByteArray(300, '\x5A');
    for (const QString command : {"info", "check", "convert", "resave"}) {
        const QByteArray tag = command.toLatin1();
        QTest::newRow(tag + " missing") << command << QByteArray() << "" << "no such file";
        QTest::newRow(tag + " FIFO without writer") << command << QByteArray() << "fifo"
                                                    << "not a regular file but a FIFO (named pipe)";
        QTest::newRow(tag + " directory") << command << QByteArray() << "dir"
                                          << "not a regular file but a directory";
        QTest::newRow(tag + " empty") << command << QByteArray("") << "" << "empty file";
        QTest::newRow(tag + " too large") << command << QByteArray((1 << 20) + 1, '\0') << ""
                                          << "too large: 1048577 bytes, at most 1048576 are read";
        if (command == "convert")
            continue;
        QTest::newRow(tag + " 1 byte") << command << QByteArray(1, '\0') << "" << "";
        QTest::newRow(tag + " 127 bytes") << command << m_sample.left(127) << "" << "";
        QTest::newRow(tag + " garbage") << command << garbage << "" << "";
    }
}

void TestCli::badInputFails()
{
    QFETCH(QString, command);
    QFETCH(QByteArray, content);
    QFETCH(QString, node);
    QFETCH(QString, reason);
    QString path = content.isNull() ? m_dir.filePath("absent.bin") : write("bad.bin", content);
    if (!node.isEmpty())
        path = makeNode(node, "input-" + node);
    QStringList arguments = {command, path};
    if (command == "resave" || command == "convert")
        arguments << m_dir.filePath("out.bin");
    QFile::remove(m_dir.filePath("out.bin"));
    const Run result = run(arguments);
    QCOMPARE(result.exitCode, 1);
    const QByteArray report = command == "check" ? result.out + result.err : result.err;
    QCOMPARE(report.count('\n'), 1);
    QVERIFY2(report.startsWith(path.toLocal8Bit() + ": "), report);
    QVERIFY2(report.contains(reason.toLatin1()), report);
    QVERIFY(!QFile::exists(m_dir.filePath("out.bin")));
}

QString TestCli::makeNode(const QString& kind, const QString& name)
{
    const QString path = m_dir.filePath(name);
    if (kind == "fifo")
        ::mkfifo(QFile::encodeName(path).constData(), 0644);
    else if (kind == "dir")
        QDir().mkpath(path);
    else if (kind == "full device" && ::geteuid() == 0)   // a private node of /dev/full
        ::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(1, 7));
    return path;
}

// Saving onto what is not a regular file leaves it as it was; a symbolic
// link is followed and its target replaced.
void TestCli::outputTargets_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("node");
    QTest::addColumn<QString>("reason");   // empty: written
    for (const QString command : {"convert", "resave"}) {
        const QByteArray tag = command.toLatin1();
        QTest::newRow(tag + " onto a FIFO") << command << "fifo"
                                            << "not a regular file but a FIFO (named pipe); nothing was written";
        if (command == "convert")   // resave writes into a folder
            QTest::newRow(tag + " onto a directory") << command << "dir"
                                                     << "not a regular file but a directory; nothing was written";
        QTest::newRow(tag + " onto a device") << command << "full device"
                                              << "not a regular file but a character device; nothing was written";
        QTest::newRow(tag + " onto a link") << command << "link" << "";
    }
}

void TestCli::outputTargets()
{
    QFETCH(QString, command);
    QFETCH(QString, node);
    QFETCH(QString, reason);
    const QString input = write("input.bin", m_sample);
    const QString name = QString("%1-%2").arg(command, node).replace(' ', '-');
    QString target = makeNode(node, name);
    if (node == "link") {
        target = write(name + "-target.bin", "old");
        QVERIFY(QFile::link(target, m_dir.filePath(name)));
    }
    if (!QFileInfo::exists(m_dir.filePath(name)) && !QFileInfo(m_dir.filePath(name)).isSymLink())
        QSKIP("this user cannot make the node");
    const QFileInfo before(m_dir.filePath(name));
    const Run result = run({command, input, m_dir.filePath(name)});
    QCOMPARE(result.exitCode, reason.isEmpty() ? 0 : 1);
    QCOMPARE(QString(result.err), reason.isEmpty() ? QString() : m_dir.filePath(name) + ": " + reason + '\n');
    const QFileInfo after(m_dir.filePath(name));
    QCOMPARE(after.isSymLink(), before.isSymLink());
    QCOMPARE(after.isDir(), before.isDir());
    QCOMPARE(after.isFile(), before.isFile());
    if (node == "link")
        QCOMPARE(read(target), m_sample);
    QCOMPARE(QDir(m_dir.path()).entryList({name + ".*"}, QDir::AllEntries | QDir::Hidden | QDir::System), {});
}

void TestCli::resaveRefusesNameClash()
{
    QDir(m_dir.path()).mkpath("a");
    QDir(m_dir.path()).mkpath("b");
    QDir(m_dir.path()).mkpath("clash-out");
    const QString first = write("a/x.bin", m_sample);
    const QString second = write("b/x.bin", m_sample);
    const QString other = write("a/y.bin", m_sample);
    const QString out = m_dir.filePath("clash-out");
    const Run result = run({"resave", other, first, second, out});
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(QString(result.err), out + "/x.bin: would be written from both " + first + " and " + second
                                      + "; nothing was written\n");
    QCOMPARE(QDir(out).entryList(QDir::Files), {});
}

void TestCli::convertKeepsBytes()
{
    const QString bin = write("image.bin", m_sample.left(128));
    const QString dat = m_dir.filePath("image.dat");
    const QString back = m_dir.filePath("back.bin");
    QCOMPARE(run({"convert", bin, dat}).exitCode, 0);
    QCOMPARE(run({"convert", dat, back}).exitCode, 0);
    QCOMPARE(read(back), m_sample.left(128) + QByteArray(128, '\0'));
}

// Each correction a load makes has its own line, naming the bytes it changed.
void TestCli::resaveReportsCorrections_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("written");
    auto patched = [this](std::initializer_list<std::pair<int, int>> changes, bool fixExtension) {
        QByteArray image = m_sample;
        for (const auto& change : changes)
            image[change.first] = char(change.second);
        updateBlockChecksum(reinterpret_cast<Byte*>(image.data()));
        if (fixExtension)
            updateBlockChecksum(reinterpret_cast<Byte*>(image.data()) + 128);
        return image;
    };
    QTest::newRow("revision 2") << patched({{19, 2}}, true)
                                << QStringList{"revision 2 set to 4 (bytes 18-19 written as 01 04)"} << m_sample;
    QTest::newRow("extension checksum") << patched({{255, 0xAC}}, false)
                                        << QStringList{"CEA extension checksum byte 255 was 0xAC, corrected to 0xAB"}
                                        << m_sample;
    QTest::newRow("stray padding byte") << patched({{254, 0xFF}}, true)
                                        << QStringList{"non-zero padding byte 254 (0xFF) written as 0"} << m_sample;
    QTest::newRow("checksum and padding") << patched({{254, 0x01}}, false)
                                          << QStringList{"CEA extension checksum byte 255 was 0xAB, corrected to 0xAA",
                                                         "non-zero padding byte 254 (0x01) written as 0"}
                                          << m_sample;
    QTest::newRow("offset past the block") << patched({{130, 200}}, true)
                                           << QStringList{"detailed timing offset byte 130 was 200, written as 127"}
                                           << patched({{130, 127}}, true);
    QTest::newRow("read wrapped around") << m_sample + m_sample
                                         << QStringList{"file bytes 256-511 (256 bytes) repeat the blocks before them: "
                                                        "not kept"}
                                         << m_sample;
    QTest::newRow("other data after the blocks") << m_sample + "other" << QStringList() << m_sample + "other";
}

void TestCli::resaveReportsCorrections()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, written);
    const QString in = write("corrected.bin", file);
    const QString out = m_dir.filePath("resaved.bin");
    const Run result = run({"resave", in, out});
    QCOMPARE(result.exitCode, 0);
    QStringList expected;
    for (const QString& line : lines)
        expected << in + ": " + line + '\n';
    QCOMPARE(QString(result.out), expected.join(QString()));
    QCOMPARE(read(out).toHex(' '), written.toHex(' '));
}

namespace {

// A CEA extension from its first bytes, zero-padded, with its checksum.
QByteArray extension(const QByteArray& start)
{
    QByteArray block = start + QByteArray(EDID_BLOCK_SIZE - start.size(), '\0');
    updateBlockChecksum(reinterpret_cast<Byte*>(block.data()));
    return block;
}

// The fields of the "CEA Data Blocks" section as "label: value".
QStringList dataBlockFields(const QByteArray& json)
{
    QStringList fields;
    const QJsonArray sections = QJsonDocument::fromJson(json).array().at(0).toObject()["sections"].toArray();
    for (const QJsonValue& section : sections) {
        if (section.toObject()["name"].toString() != "CEA Data Blocks")
            continue;
        for (const QJsonValue& field : section.toObject()["fields"].toArray())
            fields << field.toArray().at(0).toString() + ": " + field.toArray().at(1).toString();
    }
    return fields;
}

} // namespace

void TestCli::extensionCheckAndInfo_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QString>("check");
    QTest::addColumn<QString>("dataBlocks");   // as info lists them after the load
    const QByteArray sample = m_sample.mid(EDID_BLOCK_SIZE);
    const QString sampleBlocks = "Video: 7 bytes, Audio: 4 bytes, Speaker allocation: 4 bytes, "
                                 "Vendor specific: 6 bytes, Detailed timings: 1";
    QTest::newRow("sample") << sample << "OK" << sampleBlocks;
    QTest::newRow("padding error") << extension(sample.left(126) + '\x01')
                                   << "FAIL extension padding (byte 254 is 1, should be 0)" << sampleBlocks;
    QTest::newRow("checksum error") << sample.left(127) + '\xAC'
                                    << "FAIL extension checksum (byte 255 is 172, should be 171)" << sampleBlocks;
    // Four 30-byte blocks and a 3-byte one fill the budget to byte 126.
    QByteArray blocks = QByteArray("\x02\x03\x7F\x00", 4) + ('\x5D' + QByteArray(29, '\x10')).repeated(4);
    const QString videos = QString("Video: 30 bytes, ").repeated(4);
    QTest::newRow("budget reached") << extension(blocks + "\x42\x10\x10") << "OK"
                                    << videos + "Video: 3 bytes, Detailed timings: 0";
    blocks[2] = 0x7E;
    QTest::newRow("stray byte 126") << extension(blocks + "\x41\x10\x01")
                                    << "FAIL extension padding (byte 254 is 1, should be 0)"
                                    << videos + "Video: 2 bytes, Detailed timings: 0";
    QTest::newRow("unknown block kept")
        << extension(QByteArray("\x02\x03\x0B\x00\xE5\x06\x05\x01\x02\x03\x00", 11)) << "OK"
        << "HDR static metadata: 6 bytes, Raw bytes: 1 bytes, Detailed timings: 0";
}

void TestCli::extensionCheckAndInfo()
{
    QFETCH(QByteArray, block);
    QFETCH(QString, check);
    QFETCH(QString, dataBlocks);
    const QString path = write("extension.bin", m_sample.left(EDID_BLOCK_SIZE) + block);
    const Run checked = run({"check", path, path});
    QCOMPARE(checked.exitCode, check == "OK" ? 0 : 1);
    QCOMPARE(QString(checked.out), QString(path + ": " + check + '\n').repeated(2));
    const Run info = run({"info", "--json", path});
    QCOMPARE(info.exitCode, 0);
    QCOMPARE(dataBlockFields(info.out).join(", "), dataBlocks);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
