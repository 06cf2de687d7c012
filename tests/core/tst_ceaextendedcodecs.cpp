#include "ceaextendedcodecs.h"

#include <QtTest>

namespace {
const Byte* bytesOf(const QByteArray& bytes)
{
    return reinterpret_cast<const Byte*>(bytes.constData());
}
} // namespace

class TestCEAExtendedCodecs : public QObject
{
    Q_OBJECT
private slots:
    void firstVideoBlock_data();
    void firstVideoBlock();
};

void TestCEAExtendedCodecs::firstVideoBlock_data()
{
    QTest::addColumn<QByteArray>("collection");
    QTest::addColumn<QByteArray>("descriptors");
    QTest::newRow("after audio") << QByteArray::fromHex("2309070743 9081") << QByteArray::fromHex("9081");
    QTest::newRow("second video ignored") << QByteArray::fromHex("4110 4122") << QByteArray::fromHex("10");
    QTest::newRow("tag 0 byte skipped") << QByteArray::fromHex("1f 4110") << QByteArray::fromHex("10");
    QTest::newRow("none") << QByteArray::fromHex("2309070783010000") << QByteArray();
    QTest::newRow("cut at d") << QByteArray::fromHex("45 1020") << QByteArray::fromHex("1020");
}

void TestCEAExtendedCodecs::firstVideoBlock()
{
    QFETCH(QByteArray, collection);
    QFETCH(QByteArray, descriptors);
    // Bytes after d look like more descriptors: they must not be read.
    QByteArray extension = QByteArray::fromHex("0203") + char(4 + collection.size()) + char(0) + collection;
    extension.append(QByteArray(128 - extension.size(), char(0x55)));
    QCOMPARE(firstVideoBlockDescriptors(bytesOf(extension)), descriptors);
}

QTEST_APPLESS_MAIN(TestCEAExtendedCodecs)
#include "tst_ceaextendedcodecs.moc"
