#include <QtTest>

#include "checksum.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

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
    void convertKeepsBytes();
    void resaveReportsCorrections();
    void extensionCheckAndInfo_data();
    void extensionCheckAndInfo();
    void diffOfTwoFiles();

private:
    struct Run {
        int exitCode;
        QByteArray out;
        QByteArray err;
    };
    Run run(const QStringList& arguments);
    QString write(const QString& name, const QByteArray& bytes);
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
    QTest::addColumn<QString>("reason");
    const QByteArray garbage = QByteArray(300, '\x5A');
    for (const QString command : {"info", "check", "resave"}) {
        const QByteArray tag = command.toLatin1();
        QTest::newRow(tag + " missing") << command << QByteArray() << "no such file";
        QTest::newRow(tag + " empty") << command << QByteArray("") << "empty file";
        QTest::newRow(tag + " 1 byte") << command << QByteArray(1, '\0') << "";
        QTest::newRow(tag + " 127 bytes") << command << m_sample.left(127) << "";
        QTest::newRow(tag + " garbage") << command << garbage << "";
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

void TestCli::convertKeepsBytes()
{
    const QString bin = write("image.bin", m_sample.left(128));
    const QString dat = m_dir.filePath("image.dat");
    const QString back = m_dir.filePath("back.bin");
    QCOMPARE(run({"convert", bin, dat}).exitCode, 0);
    QCOMPARE(run({"convert", dat, back}).exitCode, 0);
    QCOMPARE(read(back), m_sample.left(128) + QByteArray(128, '\0'));
}

void TestCli::resaveReportsCorrections()
{
    QByteArray image = m_sample;
    image[19] = 2;
    updateBlockChecksum(reinterpret_cast<Byte*>(image.data()));
    const QString in = write("rev2.bin", image);
    const QString out = m_dir.filePath("resaved.bin");
    const Run result = run({"resave", in, out});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, in.toLocal8Bit() + ": revision 2 set to 4\n");
    image[18] = 1;
    image[19] = 4;
    updateBlockChecksum(reinterpret_cast<Byte*>(image.data()));
    QCOMPARE(read(out), image);
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
    QTest::newRow("padding error") << extension(sample.left(126) + '\x01')
                                   << "OK\n  warning (block 1 byte 126): Non-zero bytes in the padding "
                                      "after the detailed timings" << sampleBlocks;
    QTest::newRow("checksum error") << sample.left(127) + '\xAC'
                                    << "FAIL\n  failure (block 1 byte 127): Block 1 checksum is 0xAC, "
                                       "should be 0xAB" << sampleBlocks;
    QTest::newRow("block past byte 2") << extension(QByteArray("\x02\x03\x06\x00\x43\x10\x04\x01", 8))
                                       << "FAIL\n  failure (block 1 byte 4): Data block at byte 4 (4 bytes) "
                                          "runs past the end of the data block collection"
                                       << "Video Data Block, Detailed Timing Descriptor";
    QTest::newRow("unknown block") << extension(QByteArray("\x02\x03\x0B\x00\xE5\x06\x05\x01\x02\x03\x00", 11))
                                   << "OK" << "HDR Static Metadata, Reserved Data Block (tag 0)";
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

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
