// Byte codecs of the 18-byte descriptor slots: detailed timings and every
// display descriptor type.
#include "coresupport.h"
#include "descriptors.h"
#include "revision.h"
#include "textdescriptor.h"

#include <QtTest>

class TestDescriptors : public QObject {
    Q_OBJECT
private slots:
    void classification_data();
    void classification();
    void textPayload_data();
    void textPayload();
    void textRefusesWideCharacters();
    void rangeLimitsDecoding_data();
    void rangeLimitsDecoding();
};

void TestDescriptors::classification_data()
{
    QTest::addColumn<QByteArray>("descriptor");
    QTest::addColumn<int>("type");
    // Common types are proved by the corpus; these are its edge cases.
    QTest::newRow("pixel clock wins over a tag") << hexBytes("01 00 00 FC 00") << int(DESC_DETAILED_TIMING);
    QTest::newRow("name with byte 2 and 4 set") << hexBytes("00 00 01 FC 01") << int(DESC_PRODUCT_NAME);
    QTest::newRow("all zero is empty") << hexBytes("00 00 00 00 00") << int(DESC_UNUSED);
    QTest::newRow("manufacturer 0x00") << hexBytes("00 00 00 00 00 01") << int(DESC_UNKNOWN);
    QTest::newRow("manufacturer 0x0F") << hexBytes("00 00 00 0F 00") << int(DESC_UNKNOWN);
    QTest::newRow("reserved 0xF6") << hexBytes("00 00 00 F6 00") << int(DESC_UNKNOWN);
}

void TestDescriptors::classification()
{
    QFETCH(QByteArray, descriptor);
    QFETCH(int, type);
    descriptor = descriptor.leftJustified(DESCRIPTOR_SIZE, '\0');
    T_EDID_DISPLAY_DESCRIPTOR_DEF out;
    decodeDisplayDescriptor(rawBytes(descriptor), out);
    QCOMPARE(int(out.type), type);
    QCOMPARE(bytesAt(out.raw, 18), descriptor);
}

void TestDescriptors::textPayload_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<bool>("encoded"); // false: the payload is only decoded
    QTest::newRow("13 characters") << "ABCDEFGHIJKLM" << hexBytes("41 42 43 44 45 46 47 48 49 4A 4B 4C 4D") << true;
    QTest::newRow("empty") << "" << hexBytes("0A 20 20 20 20 20 20 20 20 20 20 20 20") << true;
    QTest::newRow("latin-1") << QString::fromUtf8("\xC3\xA9") << hexBytes("E9 0A 20 20 20 20 20 20 20 20 20 20 20")
                             << true;
    QTest::newRow("zero fill after 0x0A") << "DELL" << hexBytes("44 45 4C 4C 0A 00 00 00 00 00 00 00 00") << false;
    QTest::newRow("spaces kept before 0x0A") << "A  " << hexBytes("41 20 20 0A 20 20 20 20 20 20 20 20 20") << true;
}

void TestDescriptors::textPayload()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, payload);
    QFETCH(bool, encoded);
    QCOMPARE(decodeDescriptorText(rawBytes(payload)), text.left(13));
    if (encoded) {
        Byte out[13] = {};
        QVERIFY(encodeDescriptorText(text, out));
        QCOMPARE(bytesAt(out, 13), payload);
    }
}

void TestDescriptors::textRefusesWideCharacters()
{
    Byte out[13] = {0x55};
    QVERIFY(!descriptorTextEncodable(QString::fromUtf8("AB\xE2\x82\xAC")));
    QVERIFY(!encodeDescriptorText(QString::fromUtf8("AB\xE2\x82\xAC"), out));
    QCOMPARE(out[0], Byte(0x55));
}

void TestDescriptors::rangeLimitsDecoding_data()
{
    QTest::addColumn<QByteArray>("descriptor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<int>("support");
    QTest::addColumn<int>("maxActivePixels");
    const QByteArray cvt = hexBytes("00 00 00 FD 00 30 4B 1E 53 0F 04 11 00 F0 80 28 00 3C");
    QTest::newRow("CVT at revision 4") << cvt << 4 << int(RANGE_CVT) << 1920;
    QTest::newRow("CVT at revision 3 is default GTF") << cvt << 3 << int(RANGE_DEFAULT_GTF) << 0;
    const QByteArray bare = hexBytes("00 00 00 FD 00 30 4B 1E 53 0F 01 0A 20 20 20 20 20 20");
    QTest::newRow("bare limits at revision 4") << bare << 4 << int(RANGE_LIMITS_ONLY) << 0;
    QTest::newRow("bare limits at revision 3") << bare << 3 << int(RANGE_DEFAULT_GTF) << 0;
    const QByteArray other = hexBytes("00 00 00 FD 00 30 4B 1E 53 0F 07 0A 20 20 20 20 20 20");
    QTest::newRow("unknown support byte") << other << 4 << int(RANGE_DEFAULT_GTF) << 0;
}

void TestDescriptors::rangeLimitsDecoding()
{
    QFETCH(QByteArray, descriptor);
    QFETCH(int, revision);
    QFETCH(int, support);
    QFETCH(int, maxActivePixels);
    T_EDID_RANGE_LIMITS l;
    decodeRangeLimits(rawBytes(descriptor), Word(revision), l);
    QCOMPARE(l.timingSupport, support);
    QCOMPARE(int(l.maxActivePixels), maxActivePixels);
    QCOMPARE(int(l.minVRate), 48);
    QCOMPARE(int(l.maxHRate), 83);
    QCOMPARE(int(l.maxPixelClock), 150);
    if (support != RANGE_CVT) {
        QCOMPARE(l.cvtVersion, 1);
        QCOMPARE(l.preferredVRate, 1);
        QCOMPARE(l.preferredAspect, int(RANGE_ASPECT_4_3));
    }
}

QTEST_APPLESS_MAIN(TestDescriptors)
#include "tst_descriptors.moc"
