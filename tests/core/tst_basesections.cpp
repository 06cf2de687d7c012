// Codecs of the fixed sections of the base block (bytes 8 to 53).
#include <QtTest>

#include "basesections.h"
#include "edidrecords.h"

namespace {
QByteArray hex(const char* text) { return QByteArray::fromHex(QByteArray(text).replace(' ', "")); }
const Byte* raw(const QByteArray& a) { return reinterpret_cast<const Byte*>(a.constData()); }
QByteArray bytes(const Byte* b, int n) { return QByteArray(reinterpret_cast<const char*>(b), n); }
}

class TestBaseSections : public QObject
{
    Q_OBJECT

private slots:
    void standardTiming_data();
    void standardTiming();
    void vendorProduct_data();
    void vendorProduct();
    void videoInputRoundTrip();
    void screenSize_data();
    void screenSize();
    void featureSupportKeepsColourBits();
    void chromaticity();
};

void TestBaseSections::standardTiming_data()
{
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("hActive");
    QTest::addColumn<int>("aspect");
    QTest::addColumn<int>("refresh");
    QTest::addColumn<bool>("encodes"); // false: decoded only
    auto row = [](const char* code, bool on, int h, int aspect, int refresh, bool encodes = true) {
        QTest::newRow(code) << hex(code) << on << h << aspect << refresh << encodes;
    };
    row("d1c0", true, 1920, ASPECT_16_9, 60);
    row("818f", true, 1280, ASPECT_5_4, 75);
    row("9500", true, 1440, ASPECT_16_10, 60);
    row("6159", true, 1024, ASPECT_4_3, 85);
    row("ffff", true, 2288, ASPECT_16_9, 123);
    row("0101", false, 256, ASPECT_16_10, 60);
    row("0140", false, 256, ASPECT_16_10, 60, false);
    row("0000", false, 256, ASPECT_16_10, 60, false);
}

void TestBaseSections::standardTiming()
{
    QFETCH(QByteArray, code);
    QFETCH(bool, enabled);
    QFETCH(int, hActive);
    QFETCH(int, aspect);
    QFETCH(int, refresh);
    QFETCH(bool, encodes);
    T_EDID_STANDARD_TIMING t;
    t.hActive = 999;
    decodeStandardTiming(raw(code), t);
    QCOMPARE(t.enabled, enabled);
    QCOMPARE(int(t.hActive), hActive);
    QCOMPARE(t.aspectRatio, aspect);
    QCOMPARE(t.refreshRate, refresh);
    if (!enabled) // an unused timing writes 01 01 whatever it holds
        t.hActive = 1920, t.refreshRate = 75;
    Byte out[2] = {0xAA, 0xAA};
    encodeStandardTiming(t, out);
    if (encodes)
        QCOMPARE(bytes(out, 2), code);
    QCOMPARE(standardTimingAspectText(3), QString("4:3")); // aspect 3 is shown 4:3
}

void TestBaseSections::vendorProduct_data()
{
    QTest::addColumn<QByteArray>("manufacturer");
    QTest::addColumn<QByteArray>("product");
    QTest::addColumn<QByteArray>("serial");
    QTest::addColumn<int>("week");
    QTest::addColumn<int>("year");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ABC") << QByteArray("ABC") << QByteArray("1A2B") << QByteArray("0") << 1 << 1990
                         << hex("04432b1a000000000100");
    QTest::newRow("DEL") << QByteArray("DEL") << QByteArray("A0B1") << QByteArray("4294967295") << 54 << 2245
                         << hex("10acb1a0ffffffff36ff");
    QTest::newRow("model year") << QByteArray("AAA") << QByteArray("0000") << QByteArray("305419896") << 255
                                << 2020 << hex("0421000078563412ff1e");
}

void TestBaseSections::vendorProduct()
{
    QFETCH(QByteArray, manufacturer);
    QFETCH(QByteArray, product);
    QFETCH(QByteArray, serial);
    QFETCH(int, week);
    QFETCH(int, year);
    QFETCH(QByteArray, bytes);
    T_EDID_VENDOR_PRODUCT r;
    qstrcpy(r.manufacturerID, manufacturer.constData());
    qstrcpy(r.productCode, product.constData());
    qstrcpy(r.serialNumber, serial.constData());
    r.modelYear = week == 255;
    r.week = Byte(r.modelYear ? 12 : week);
    r.year = Word(year);
    Byte image[128] = {};
    encodeVendorProduct(r, image);
    QCOMPARE(::bytes(image + 8, 10), bytes);
    T_EDID_VENDOR_PRODUCT back;
    decodeVendorProduct(image, back);
    QCOMPARE(QByteArray(back.manufacturerID), manufacturer);
    QCOMPARE(QByteArray(back.productCode), product);
    QCOMPARE(QByteArray(back.serialNumber), serial);
    QCOMPARE(back.modelYear, r.modelYear);
    QCOMPARE(int(back.week), week);
    QCOMPARE(int(back.year), year);
    // Letter codes 0 and 31 are kept; a serial above 32 bits saturates.
    image[8] = 0, image[9] = 0x1F;
    decodeVendorProduct(image, back);
    QCOMPARE(QByteArray(back.manufacturerID), QByteArray("@@_"));
    qstrcpy(back.serialNumber, "9999999999");
    encodeVendorProduct(back, image);
    QCOMPARE(::bytes(image + 8, 2), hex("001f"));
    QCOMPARE(::bytes(image + 12, 4), hex("ffffffff"));
}

// At 1.4 every bit of byte 20 means something and survives a round trip;
// a 1.3 digital input keeps its DFP flag only.
void TestBaseSections::videoInputRoundTrip()
{
    for (int revision : {3, 4}) {
        for (int byte = 0; byte < 256; ++byte) {
            Byte image[128] = {};
            image[20] = Byte(byte);
            T_EDID_VIDEO_INPUT_DEF r;
            decodeVideoInput(image, Word(revision), r);
            QCOMPARE(r.isAnalog, byte < 0x80);
            image[20] = 0x55;
            encodeVideoInput(r, Word(revision), image);
            const int expected = revision == 3 && byte >= 0x80 ? byte & 0x81 : byte;
            QVERIFY2(image[20] == expected, qPrintable(QString::number(byte, 16)));
        }
    }
    T_EDID_VIDEO_INPUT_DEF r;
    r.isAnalog = true, r.level = 2, r.flags[1] = 1, r.lastFlag = 1;
    Byte image[128] = {};
    encodeVideoInput(r, 3, image);
    QCOMPARE(int(image[20]), 0x49);
    r.isAnalog = false, r.level = 2, r.interfaceType = 5, r.lastFlag = 0;
    encodeVideoInput(r, 4, image);
    QCOMPARE(int(image[20]), 0xA5);
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
    QTest::newRow("rev4 sizes") << 4 << 60 << 34 << D << int(screenSizeValue(60, 34));
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



void TestBaseSections::featureSupportKeepsColourBits()
{
    for (int revision : {3, 4}) {
        for (int input : {0x00, 0x80}) {
            for (int byte = 0; byte < 256; ++byte) {
                Byte image[128] = {};
                image[20] = Byte(input);
                image[24] = Byte(byte);
                T_EDID_FEATURE_SUPPORT r;
                decodeFeatureSupport(image, Word(revision), r);
                const int kind = input ? (revision == 3 ? ENCODING_DIGITAL_REV3 : ENCODING_DIGITAL_REV4)
                                       : ENCODING_ANALOG;
                QCOMPARE(r.encodingKind, kind);
                image[24] = Byte(~byte);
                encodeFeatureSupport(r, input == 0, image);
                QCOMPARE(int(image[24]), byte);
            }
        }
    }
}

void TestBaseSections::chromaticity()
{
    for (const auto& pair : {qMakePair(0.640, 655), qMakePair(0.3127, 320), qMakePair(0.9999, 1023),
                             qMakePair(0.0, 0), qMakePair(0.5 / 1024, 0)})
        QCOMPARE(int(chromaticityCode(pair.first)), pair.second);
    QCOMPARE(chromaticityText(64), QString("0.063")); // 0.0625: a tie rounds up
    for (int code = 0; code < 1024; ++code) {
        const QString text = chromaticityText(Word(code));
        QVERIFY(QRegularExpression("^0\\.[0-9]{3}$").match(text).hasMatch());
        QVERIFY2(qAbs(text.toDouble() - code / 1024.0) <= 0.0005 + 1e-9, qPrintable(text));
    }
    // Red x: its two low bits in byte 25 bits 7-6, the rest in byte 27.
    Byte image[128];
    std::fill(image, image + 128, Byte(0x3C));
    T_EDID_COLOR_CHARACTERISTICS r;
    decodeColorCharacteristics(image, r);
    r.codes[RED_X] = 655;
    encodeColorCharacteristics(r, image);
    QCOMPARE(bytes(image + 25, 10), hex("fc3ca33c3c3c3c3c3c3c"));
}

QTEST_APPLESS_MAIN(TestBaseSections)
#include "tst_basesections.moc"
