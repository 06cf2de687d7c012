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
    const QByteArray report = command == "check" ? result.out + result.err : result.err;
    QCOMPARE(report.count('\n'), 1);
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
                                    << "FAIL extension checksum (byte 255 is 172, should be 171)" << QString();
    // Four 30-byte blocks, then three zero bytes up to byte 2's offset 127.
    QByteArray blocks = QByteArray("\x02\x03\x7F\x00", 4) + ('\x5D' + QByteArray(29, '\x10')).repeated(4);
    const QString videos = QString("Video: 30 bytes, ").repeated(4);
    QTest::newRow("over budget") << extension(blocks) << "FAIL extension budget (123 of 122 bytes used)"
                                 << videos + "Detailed timings: 0";
    blocks[2] = 0x7E;
    QTest::newRow("budget reached") << extension(blocks + "\x41\x10") << "OK"
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
