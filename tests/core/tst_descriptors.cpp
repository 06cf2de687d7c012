// Byte codecs of the 18-byte descriptor slots: detailed timings and every
// display descriptor type.
#include "descriptors.h"
#include "revision.h"
#include "textdescriptor.h"

#include <QtTest>
#include <cstring>

namespace {

QByteArray bytes(const Byte* data, int size = DESCRIPTOR_SIZE)
{
    return QByteArray(reinterpret_cast<const char*>(data), size);
}

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

const Byte* raw(const QByteArray& array)
{
    return reinterpret_cast<const Byte*>(array.constData());
}

} // namespace

class TestDescriptors : public QObject {
    Q_OBJECT
private slots:
    void detailedTimingFields_data();
    void detailedTimingFields();
    void classification_data();
    void classification();
    void textPayload_data();
    void textPayload();
    void textRefusesWideCharacters();
    void rangeLimitsEncoding_data();
    void rangeLimitsEncoding();
    void rangeLimitsDecoding_data();
    void rangeLimitsDecoding();
    void rangeLimitsRateOffsetsRoundTrip_data();
    void rangeLimitsRateOffsetsRoundTrip();
    void unknownDescriptorKeepsBytes();
};

void TestDescriptors::detailedTimingFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("pixel clock 148.50") << "clock" << 14850 << 0 << hex("02 3A");
    QTest::newRow("h active 1920") << "hActive" << 1920 << 2 << hex("80 00 70");
    QTest::newRow("v front 20") << "vFront" << 20 << 10 << hex("40 04");
    QTest::newRow("v sync 40") << "vSync" << 40 << 10 << hex("08 02");
    QTest::newRow("h front 1023") << "hFront" << 1023 << 8 << hex("FF 00 00 C0");
    QTest::newRow("h sync 1023") << "hSync" << 1023 << 8 << hex("00 FF 00 30");
    QTest::newRow("v image 4095") << "vImage" << 4095 << 12 << hex("00 FF 0F");
}

void TestDescriptors::detailedTimingFields()
{
    QFETCH(QString, field);
    QFETCH(int, value);
    QFETCH(int, offset);
    QFETCH(QByteArray, expected);
    DetailedTimingValues v;
    v.pixelClock = 0;
    if (field == "clock") v.pixelClock = quint32(value);
    if (field == "hActive") v.hActive = value;
    if (field == "vFront") v.vFrontPorch = value, v.vBlanking = value;
    if (field == "vSync") v.vSyncWidth = value, v.vBlanking = value;
    if (field == "hFront") v.hFrontPorch = value;
    if (field == "hSync") v.hSyncWidth = value;
    if (field == "hImage") v.hImageSize = value;
    if (field == "vImage") v.vImageSize = value;
    Byte d[18] = {};
    encodeDetailedTiming(detailedTimingRecord(v), d);
    QCOMPARE(bytes(d + offset, expected.size()), expected);
}


void TestDescriptors::classification_data()
{
    QTest::addColumn<QByteArray>("descriptor");
    QTest::addColumn<int>("type");
    QTest::newRow("pixel clock wins over a tag") << hex("01 00 00 FC 00") << int(DESC_DETAILED_TIMING);
    QTest::newRow("dummy") << hex("00 00 00 10 00") << int(DESC_UNUSED);
    QTest::newRow("serial") << hex("00 00 00 FF 00") << int(DESC_SERIAL_NUMBER);
    QTest::newRow("name with byte 2 and 4 set") << hex("00 00 01 FC 01") << int(DESC_PRODUCT_NAME);
    QTest::newRow("established III") << hex("00 00 00 F7 00") << int(DESC_ESTABLISHED_TIMINGS_III);
    QTest::newRow("all zero is empty") << hex("00 00 00 00 00") << int(DESC_UNUSED);
    QTest::newRow("manufacturer 0x00") << hex("00 00 00 00 00 01") << int(DESC_UNKNOWN);
    QTest::newRow("manufacturer 0x0F") << hex("00 00 00 0F 00") << int(DESC_UNKNOWN);
    QTest::newRow("reserved 0xF6") << hex("00 00 00 F6 00") << int(DESC_UNKNOWN);
}

void TestDescriptors::classification()
{
    QFETCH(QByteArray, descriptor);
    QFETCH(int, type);
    descriptor = descriptor.leftJustified(DESCRIPTOR_SIZE, '\0');
    T_EDID_DISPLAY_DESCRIPTOR_DEF out;
    decodeDisplayDescriptor(raw(descriptor), out);
    QCOMPARE(int(out.type), type);
    QCOMPARE(bytes(out.raw), descriptor);
}

void TestDescriptors::textPayload_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<bool>("encoded"); // false: the payload is only decoded
    QTest::newRow("ABC") << "ABC" << hex("41 42 43 0A 20 20 20 20 20 20 20 20 20") << true;
    QTest::newRow("13 characters") << "ABCDEFGHIJKLM" << hex("41 42 43 44 45 46 47 48 49 4A 4B 4C 4D") << true;
    QTest::newRow("empty") << "" << hex("0A 20 20 20 20 20 20 20 20 20 20 20 20") << true;
    QTest::newRow("latin-1") << QString::fromUtf8("\xC3\xA9") << hex("E9 0A 20 20 20 20 20 20 20 20 20 20 20") << true;
    QTest::newRow("zero fill after 0x0A") << "DELL" << hex("44 45 4C 4C 0A 00 00 00 00 00 00 00 00") << false;
    QTest::newRow("spaces kept before 0x0A") << "A  " << hex("41 20 20 0A 20 20 20 20 20 20 20 20 20") << true;
}

void TestDescriptors::textPayload()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, payload);
    QFETCH(bool, encoded);
    QCOMPARE(decodeDescriptorText(raw(payload)), text.left(13));
    if (encoded) {
        Byte out[13] = {};
        QVERIFY(encodeDescriptorText(text, out));
        QCOMPARE(bytes(out, 13), payload);
    }
}

void TestDescriptors::textRefusesWideCharacters()
{
    Byte out[13];
    std::memset(out, 0x55, sizeof out);
    QVERIFY(!descriptorTextEncodable(QString::fromUtf8("AB\xE2\x82\xAC")));
    QVERIFY(!encodeDescriptorText(QString::fromUtf8("AB\xE2\x82\xAC"), out));
    QCOMPARE(out[0], Byte(0x55));
}

void TestDescriptors::rangeLimitsEncoding_data()
{
    QTest::addColumn<int>("support");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("default GTF: seven zero bytes")
        << int(RANGE_DEFAULT_GTF) << hex("00 00 00 FD 00 38 4C 1E 53 A5 00 00 00 00 00 00 00 00");
    QTest::newRow("range limits only")
        << int(RANGE_LIMITS_ONLY) << hex("00 00 00 FD 00 38 4C 1E 53 A5 01 00 00 00 00 00 00 00");
    QTest::newRow("secondary GTF")
        << int(RANGE_SECONDARY_GTF) << hex("00 00 00 FD 00 38 4C 1E 53 A5 02 00 28 50 58 02 80 40");
    QTest::newRow("CVT")
        << int(RANGE_CVT) << hex("00 00 00 FD 00 38 4C 1E 53 A5 04 12 04 F0 D8 38 A0 3C");
}

void TestDescriptors::rangeLimitsEncoding()
{
    QFETCH(int, support);
    QFETCH(QByteArray, expected);
    T_EDID_RANGE_LIMITS l;
    l.minVRate = 56, l.maxVRate = 76, l.minHRate = 30, l.maxHRate = 83, l.maxPixelClock = 1650;
    l.timingSupport = support;
    l.startFrequency = 40, l.cx2 = 80, l.m = 600, l.k = 128, l.jx2 = 64;
    l.cvtVersion = 1, l.cvtRevision = 2, l.pixelClockPrecision = 1, l.maxActivePixels = 1920;
    l.supports4x3 = l.supports16x9 = true, l.supports5x4 = true, l.supports15x9 = true;
    l.preferredAspect = RANGE_ASPECT_16_9;
    l.standardBlanking = l.reducedBlanking = true;
    l.hShrink = l.vShrink = true;
    l.preferredVRate = 60;
    Byte d[18];
    encodeRangeLimits(l, 4, d);
    QCOMPARE(bytes(d), expected);
    T_EDID_RANGE_LIMITS back;
    decodeRangeLimits(d, 4, back);
    QCOMPARE(back.timingSupport, support);
    QCOMPARE(int(back.maxPixelClock), 1650);
    if (support == RANGE_CVT) {
        QCOMPARE(int(back.maxActivePixels), 1920);
        QCOMPARE(back.preferredAspect, int(RANGE_ASPECT_16_9));
        QVERIFY(back.standardBlanking && back.reducedBlanking && back.hShrink && !back.hStretch);
    }
}

void TestDescriptors::rangeLimitsDecoding_data()
{
    QTest::addColumn<QByteArray>("descriptor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<int>("support");
    QTest::addColumn<int>("maxActivePixels");
    const QByteArray cvt = hex("00 00 00 FD 00 30 4B 1E 53 0F 04 11 00 F0 80 28 00 3C");
    QTest::newRow("CVT at revision 4") << cvt << 4 << int(RANGE_CVT) << 1920;
    QTest::newRow("CVT at revision 3 is default GTF") << cvt << 3 << int(RANGE_DEFAULT_GTF) << 0;
    const QByteArray bare = hex("00 00 00 FD 00 30 4B 1E 53 0F 01 0A 20 20 20 20 20 20");
    QTest::newRow("bare limits at revision 4") << bare << 4 << int(RANGE_LIMITS_ONLY) << 0;
    QTest::newRow("bare limits at revision 3") << bare << 3 << int(RANGE_DEFAULT_GTF) << 0;
    const QByteArray other = hex("00 00 00 FD 00 30 4B 1E 53 0F 07 0A 20 20 20 20 20 20");
    QTest::newRow("unknown support byte") << other << 4 << int(RANGE_DEFAULT_GTF) << 0;
}

void TestDescriptors::rangeLimitsDecoding()
{
    QFETCH(QByteArray, descriptor);
    QFETCH(int, revision);
    QFETCH(int, support);
    QFETCH(int, maxActivePixels);
    T_EDID_RANGE_LIMITS l;
    decodeRangeLimits(raw(descriptor), Word(revision), l);
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

void TestDescriptors::rangeLimitsRateOffsetsRoundTrip_data()
{
    QTest::addColumn<int>("minV");
    QTest::addColumn<int>("maxV");
    QTest::addColumn<int>("minH");
    QTest::addColumn<int>("maxH");
    QTest::addColumn<QByteArray>("rateBytes"); // bytes 4 to 8
    QTest::newRow("no offsets") << 48 << 144 << 30 << 160 << hex("00 30 90 1E A0");
    QTest::newRow("both vertical above 255") << 260 << 510 << 30 << 160 << hex("03 05 FF 1E A0");
    QTest::newRow("max horizontal 400") << 48 << 144 << 30 << 400 << hex("08 30 90 1E 91");
    QTest::newRow("all four") << 256 << 480 << 300 << 500 << hex("0F 01 E1 2D F5");
}

void TestDescriptors::rangeLimitsRateOffsetsRoundTrip()
{
    QFETCH(int, minV);
    QFETCH(int, maxV);
    QFETCH(int, minH);
    QFETCH(int, maxH);
    QFETCH(QByteArray, rateBytes);
    T_EDID_RANGE_LIMITS l;
    l.minVRate = minV, l.maxVRate = maxV, l.minHRate = minH, l.maxHRate = maxH;
    Byte d[18];
    encodeRangeLimits(l, 4, d);
    QCOMPARE(bytes(d + 4, 5), rateBytes);
    T_EDID_RANGE_LIMITS back;
    decodeRangeLimits(d, 4, back);
    QCOMPARE(int(back.minVRate), minV);
    QCOMPARE(int(back.maxVRate), maxV);
    QCOMPARE(int(back.minHRate), minH);
    QCOMPARE(int(back.maxHRate), maxH);
    // Revision 3 has no offset flags: byte 4 is neither written nor read.
    decodeRangeLimits(d, 3, back);
    QCOMPARE(int(back.maxVRate), int(d[6]));
    l.maxVRate = 200;
    l.minVRate = 50;
    l.maxHRate = 100;
    l.minHRate = 30;
    encodeRangeLimits(l, 3, d);
    QCOMPARE(d[4], Byte(0));
    QCOMPARE(d[6], Byte(200));
}



void TestDescriptors::unknownDescriptorKeepsBytes()
{
    const QByteArray loaded = hex("00 00 00 0F 00 12 34 56 78 9A BC DE F0 01 02 03 04 05");
    T_EDID_DISPLAY_DESCRIPTOR_DEF desc;
    decodeDisplayDescriptor(raw(loaded), desc);
    QCOMPARE(int(desc.type), int(DESC_UNKNOWN));
    Byte out[18] = {};
    encodeDisplayDescriptor(desc, 4, out);
    QCOMPARE(bytes(out), loaded);
}

QTEST_APPLESS_MAIN(TestDescriptors)
#include "tst_descriptors.moc"
