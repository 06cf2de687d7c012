// Codecs of the fixed sections of the base block (bytes 8 to 53).
#include <QtTest>

#include "basesections.h"
#include "coresupport.h"
#include "edidrecords.h"

#include <cstring>


class TestBaseSections : public QObject
{
    Q_OBJECT

private slots:
    void standardTimingEnds();
    void vendorProduct_data();
    void vendorProduct();
    void screenSize_data();
    void screenSize();
    void inputAndFeatureBytesRoundTrip();
    void chromaticity();
};

// Common codes are proved by the corpus; these are its ends.
void TestBaseSections::standardTimingEnds()
{
    T_EDID_STANDARD_TIMING t;
    decodeStandardTiming(rawBytes(hexBytes("ffff")), t);
    QVERIFY(t.enabled);
    QCOMPARE(QList<int>({t.hActive, t.aspectRatio, t.refreshRate}), QList<int>({2288, ASPECT_16_9, 123}));
    Byte out[2];
    encodeStandardTiming(t, out);
    QCOMPARE(bytesAt(out, 2), hexBytes("ffff"));
    // 01 xx and 00 xx are unused: decoded as the defaults, written 01 01.
    for (const char* code : {"0101", "0140", "0000"}) {
        t.hActive = 1920, t.refreshRate = 75;
        decodeStandardTiming(rawBytes(hexBytes(code)), t);
        QVERIFY(!t.enabled);
        QCOMPARE(QList<int>({t.hActive, t.aspectRatio, t.refreshRate}), QList<int>({256, ASPECT_16_10, 60}));
        t.hActive = 1920;
        encodeStandardTiming(t, out);
        QCOMPARE(bytesAt(out, 2), hexBytes("0101"));
    }
    QCOMPARE(standardTimingAspectText(3), QString("4:3")); // aspect 3 is shown 4:3
}

void TestBaseSections::vendorProduct_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("decoded");
    QTest::newRow("largest serial and year") << hexBytes("10acb1a0ffffffff36ff") << "DEL A0B1 4294967295 week 54 2245";
    QTest::newRow("model year") << hexBytes("0421000078563412ff1e") << "AAA 0000 305419896 model year 2020";
    QTest::newRow("letter codes 0 and 31") << hexBytes("001f0000000000000100") << "@@_ 0000 0 week 1 1990";
    QTest::newRow("reserved bit 15 kept") << hexBytes("84430000000000000000") << "ABC 0000 0 week 0 1990";
}

void TestBaseSections::vendorProduct()
{
    QFETCH(QByteArray, bytes);
    Byte image[128] = {};
    std::memcpy(image + 8, bytes.constData(), 10);
    T_EDID_VENDOR_PRODUCT r;
    decodeVendorProduct(image, r);
    const QString week = r.modelYear ? QString("model year") : QString("week %1").arg(r.week);
    QTEST(QString("%1 %2 %3 %4 %5").arg(r.manufacturerID, r.productCode, r.serialNumber, week).arg(r.year),
          "decoded");
    std::memset(image, 0, sizeof image);
    r.week = r.modelYear ? 12 : r.week; // a model year writes week 255 whatever the week
    encodeVendorProduct(r, image);
    QCOMPARE(bytesAt(image + 8, 10), bytes);
    qstrcpy(r.serialNumber, "9999999999"); // above 32 bits: saturates
    encodeVendorProduct(r, image);
    QCOMPARE(bytesAt(image + 12, 4), hexBytes("ffffffff"));
}

void TestBaseSections::screenSize_data()
{
    QTest::addColumn<int>("revision"); // 0: encoding only
    QTest::addColumn<int>("byte21");
    QTest::addColumn<int>("byte22");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("value");
    const int L = SCREEN_LANDSCAPE, P = SCREEN_PORTRAIT, D = SCREEN_DIMENSIONS;
    QTest::newRow("landscape 1.78") << 4 << 79 << 0 << L << 178;
    QTest::newRow("landscape 3.54") << 0 << 255 << 0 << L << 354;
    QTest::newRow("landscape 0.99 clamped") << 0 << 1 << 0 << L << 99;
    QTest::newRow("portrait 0.56") << 4 << 0 << 79 << P << 56;
    QTest::newRow("portrait 0.28 nearest fit") << 4 << 0 << 255 << P << 28;
    QTest::newRow("portrait 1.78 clamped") << 0 << 0 << 2 << P << 178;
    // Bytes that do not come back from their ratio are kept while it is unchanged.
    QTest::newRow("portrait byte 01 kept") << 4 << 0 << 1 << P << 100;
    QTest::newRow("portrait byte 200 kept") << 4 << 0 << 200 << P << 33;
    QTest::newRow("rev4 undefined") << 4 << 0 << 0 << D << 0;
    QTest::newRow("rev3 one zero") << 3 << 0 << 30 << D << int(screenSizeValue(0, 30));
    QTest::newRow("rev3 other zero") << 3 << 41 << 0 << D << int(screenSizeValue(41, 0));
}

void TestBaseSections::screenSize()
{
    QFETCH(int, revision);
    QFETCH(int, byte21);
    QFETCH(int, byte22);
    QFETCH(int, mode);
    QFETCH(int, value);
    T_EDID_SCREEN_SIZE_RATIO r;
    r.mode = mode;
    r.value = quint32(value);
    Byte image[128] = {};
    if (revision) {
        image[21] = Byte(byte21);
        image[22] = Byte(byte22);
        r.value = 12345;
        decodeScreenSize(image, Word(revision), r);
        QCOMPARE(r.mode, mode);
        QCOMPARE(int(r.value), value);
    }
    image[21] = image[22] = 0x77;
    encodeScreenSize(r, image);
    QCOMPARE(int(image[21]), byte21);
    QCOMPARE(int(image[22]), byte22);
}

// At 1.4 every bit of bytes 20 and 24 means something and survives a round
// trip; a 1.3 digital input keeps its DFP flag only.
void TestBaseSections::inputAndFeatureBytesRoundTrip()
{
    for (int revision : {3, 4}) {
        for (int word = 0; word < 0x10000; ++word) {
            const int input = word >> 8;
            const int features = word & 0xFF;
            Byte image[128] = {};
            image[20] = Byte(input);
            image[24] = Byte(features);
            T_EDID_VIDEO_INPUT_DEF v;
            T_EDID_FEATURE_SUPPORT f;
            decodeVideoInput(image, Word(revision), v);
            decodeFeatureSupport(image, Word(revision), f);
            const int kind = input < 0x80 ? ENCODING_ANALOG
                                          : revision == 3 ? ENCODING_DIGITAL_REV3 : ENCODING_DIGITAL_REV4;
            image[20] = 0x55;
            image[24] = Byte(~features);
            encodeVideoInput(v, Word(revision), image);
            encodeFeatureSupport(f, v.isAnalog, image);
            const int expected = revision == 3 && input >= 0x80 ? input & 0x81 : input;
            if (image[20] != expected || image[24] != features || v.isAnalog != (input < 0x80)
                || f.encodingKind != kind)
                QFAIL(qPrintable(QString("revision %1, bytes %2").arg(revision).arg(word, 4, 16, QChar('0'))));
        }
    }
    // Fields to bits, which a round trip alone does not prove.
    T_EDID_VIDEO_INPUT_DEF r;
    r.isAnalog = true, r.level = 2, r.flags[1] = 1, r.lastFlag = 1;
    Byte image[128] = {};
    encodeVideoInput(r, 3, image);
    QCOMPARE(int(image[20]), 0x49);
    r.isAnalog = false, r.level = 2, r.interfaceType = 5, r.lastFlag = 0;
    encodeVideoInput(r, 4, image);
    QCOMPARE(int(image[20]), 0xA5);
    encodeVideoInput(r, 3, image);
    QCOMPARE(int(image[20]), 0x80);
}

void TestBaseSections::chromaticity()
{
    for (const auto& pair : {qMakePair(0.640, 655), qMakePair(0.3127, 320), qMakePair(0.9999, 1023),
                             qMakePair(0.0, 0), qMakePair(0.5 / 1024, 0)})
        QCOMPARE(int(chromaticityCode(pair.first)), pair.second);
    QCOMPARE(chromaticityText(Word(64)), QString("0.063")); // 0.0625: a tie rounds up
    // Code 21 shows 0.021, the nearest code of which is 22: entered as
    // shown it stays 21; any other value gives its nearest code.
    QCOMPARE(int(chromaticityCode(0.021)), 22);
    QCOMPARE(int(chromaticityCode(0.021, 21)), 21);
    QCOMPARE(int(chromaticityCode(0.022, 21)), 23);
    QCOMPARE(int(chromaticityCode(0.021, 30)), 22);
    for (int code = 0; code < 1024; ++code) {
        const QString text = chromaticityText(Word(code));
        QVERIFY(QRegularExpression("^0\\.[0-9]{3}$").match(text).hasMatch());
        QVERIFY2(qAbs(text.toDouble() - code / 1024.0) <= 0.0005 + 1e-9, qPrintable(text));
    }
}

QTEST_APPLESS_MAIN(TestBaseSections)
#include "tst_basesections.moc"
