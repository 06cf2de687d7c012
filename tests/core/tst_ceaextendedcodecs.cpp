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
    void flagPayloadKeepsAndPads();
    void videoCapabilityRoundTrip();
    void capabilityMap_data();
    void capabilityMap();
    void firstVideoBlock_data();
    void firstVideoBlock();
    void formatPreferencesRoundTrip();
};

void TestCEAExtendedCodecs::flagPayloadKeepsAndPads()
{
    FlagPayload payload(2);
    const QByteArray loaded = QByteArray::fromHex("81");
    payload.load(bytesOf(loaded), loaded.size());
    QCOMPARE(payload.bytes(), loaded);
    QCOMPARE(payload.byte(1), Byte(0));
    payload.setByte(0, 0x01);
    QCOMPARE(payload.bytes(), QByteArray::fromHex("0100"));
    const QByteArray longer = QByteArray::fromHex("80 05 aa bb");
    payload.load(bytesOf(longer), longer.size());
    payload.setByte(0, 0x40);
    QCOMPARE(payload.bytes(), QByteArray::fromHex("40 05 aa bb"));
}

void TestCEAExtendedCodecs::videoCapabilityRoundTrip()
{
    VideoCapability capability;
    capability.qy = true;
    capability.ce = 3;
    QCOMPARE(encodeVideoCapability(capability), Byte(0x83));
    for (int value = 0; value < 256; ++value)
        QCOMPARE(encodeVideoCapability(decodeVideoCapability(Byte(value))), Byte(value));
}

void TestCEAExtendedCodecs::capabilityMap_data()
{
    QTest::addColumn<QByteArray>("bitmap");
    QTest::addColumn<QList<int>>("positions");
    QTest::newRow("0 and 9") << QByteArray::fromHex("0102") << QList<int>{0, 9};
    QTest::newRow("0 and 7") << QByteArray::fromHex("81") << QList<int>{0, 7};
    QTest::newRow("none") << QByteArray() << QList<int>{};
    QTest::newRow("30 bytes") << QByteArray(29, '\0') + QByteArray::fromHex("80") << QList<int>{239};
}

void TestCEAExtendedCodecs::capabilityMap()
{
    QFETCH(QByteArray, bitmap);
    QFETCH(QList<int>, positions);
    QCOMPARE(capabilityMapPositions(bytesOf(bitmap), bitmap.size()), positions);
    QCOMPARE(capabilityMapBitmap(positions), bitmap);
}

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

void TestCEAExtendedCodecs::formatPreferencesRoundTrip()
{
    const QByteArray bytes = QByteArray::fromHex("10 81 00 ff");
    const QList<VideoFormatRef> entries = decodeFormatPreferences(bytesOf(bytes), bytes.size());
    QCOMPARE(entries.size(), 4);
    QVERIFY(entries.at(0) == (VideoFormatRef{true, 16}));
    QVERIFY(entries.at(1) == (VideoFormatRef{false, 1}));
    QCOMPARE(encodeFormatPreferences(entries), bytes);
}

QTEST_APPLESS_MAIN(TestCEAExtendedCodecs)
#include "tst_ceaextendedcodecs.moc"
