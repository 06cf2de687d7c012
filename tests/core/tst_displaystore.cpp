#include "displaystore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A 128-byte image whose manufacturer and product bytes name the model.
QByteArray edidOf(Byte id0, Byte id1, Byte product0, Byte product1, int size = 128)
{
    QByteArray bytes(size, '\0');
    if (size > 11) {
        bytes[8] = char(id0);
        bytes[9] = char(id1);
        bytes[10] = char(product0);
        bytes[11] = char(product1);
    }
    for (int i = 12; i < size; ++i)
        bytes[i] = char(i * 7);
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

} // namespace

class TestDisplayStore : public QObject
{
    Q_OBJECT

private slots:
    void modelKey_data();
    void modelKey();
    void listsEveryConnectorWithBytes();
    void readsWholeFileUpToTheLargestEdid();
};

void TestDisplayStore::modelKey_data()
{
    QTest::addColumn<QByteArray>("edid");
    QTest::addColumn<QString>("key");
    QTest::newRow("product little endian") << edidOf(0x4C, 0x2D, 0x0F, 0xA0) << "SAMA00F";
    QTest::newRow("letter code 0 and 27") << edidOf(0x00, 0x1B, 0x34, 0x12) << "??" "?1234";
    QTest::newRow("12 bytes suffice") << edidOf(0x10, 0xAC, 0x25, 0x40, 12) << "DEL4025";
    QTest::newRow("too short") << edidOf(0x10, 0xAC, 0x25, 0x40, 11) << QString();
}

void TestDisplayStore::modelKey()
{
    QFETCH(QByteArray, edid);
    QFETCH(QString, key);
    QCOMPARE(displayModelKey(edid), key);
}

void TestDisplayStore::listsEveryConnectorWithBytes()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    writeFile(root.filePath("card0-HDMI-A-1/edid"), edidOf(0x10, 0xAC, 0x25, 0x40));
    writeFile(root.filePath("card0-DP-1/edid"), QByteArray());          // nothing connected
    QDir().mkpath(root.filePath("card0-DP-2"));                           // no edid file
    writeFile(root.filePath("card0/edid"), edidOf(0x4C, 0x2D, 1, 0));     // the card, not a connector
    writeFile(root.filePath("renderD128/edid"), edidOf(0x4C, 0x2D, 2, 0));
    QDir().mkpath(root.filePath("card1-eDP-1/edid"));                     // a folder, not a file
    writeFile(root.filePath("card1-VGA-1/edid"), edidOf(0x4C, 0x2D, 0x0F, 0xA0));
    writeFile(root.filePath("card1-DVI-D-1/edid"), QByteArray(5, '\x01'));  // too short to name a model
    // Natural order: card0-DP-3 before card0-DP-10, card2 before card10.
    writeFile(root.filePath("card0-DP-10/edid"), edidOf(0x04, 0x21, 10, 0));
    writeFile(root.filePath("card0-DP-3/edid"), edidOf(0x04, 0x21, 3, 0));
    writeFile(root.filePath("card10-DP-1/edid"), edidOf(0x04, 0x21, 0x11, 0));
    writeFile(root.filePath("card2-DP-1/edid"), edidOf(0x04, 0x21, 0x21, 0));
    // The kernel's connector entries are links into the device tree.
    writeFile(root.filePath("devices/card3-DP-1/edid"), edidOf(0x10, 0xAC, 0x30, 0x40));
    QVERIFY(QFile::link(root.filePath("devices/card3-DP-1"), root.filePath("card3-DP-1")));

    QStringList names;
    const QList<StoredDisplay> displays = listStoredDisplays(root.path());
    for (const StoredDisplay& display : displays)
        names << display.name;
    QCOMPARE(names, QStringList({"AAA0003", "AAA000A", "DEL4025", "card1-DVI-D-1", "SAMA00F", "AAA0021",
                                 "DEL4030", "AAA0011"}));
    QCOMPARE(displays[4].path, root.filePath("card1-VGA-1/edid"));
    QCOMPARE(readStoredEdid(displays[6].path).size(), 128);
}

void TestDisplayStore::readsWholeFileUpToTheLargestEdid()
{
    QTemporaryDir root;
    const QByteArray bytes = edidOf(0x10, 0xAC, 0x25, 0x40, 512);
    writeFile(root.filePath("edid"), bytes);
    QCOMPARE(readStoredEdid(root.filePath("edid")), bytes);
    const QByteArray huge(MAX_STORED_EDID_SIZE + 1000, '\x5A');
    writeFile(root.filePath("huge"), huge);
    QCOMPARE(readStoredEdid(root.filePath("huge")), huge.left(MAX_STORED_EDID_SIZE));
    QVERIFY(readStoredEdid(root.filePath("absent")).isEmpty());
    QVERIFY(listStoredDisplays(root.filePath("absent")).isEmpty());
}

QTEST_APPLESS_MAIN(TestDisplayStore)
#include "tst_displaystore.moc"
