#include <QtTest>

#include "basesections.h"
#include "checksum.h"
#include "edidrecords.h"
#include "revision.h"

#include <cstring>

Q_DECLARE_METATYPE(QVector<int>)

namespace {
// A valid base block with distinct values in every fixed section.
QByteArray sampleImage()
{
    static const char hex[] =
        "00ffffffffffff00" "5a3a2710" "4c343232" "1e1d" "0104" "b5" "3c22" "78" "3a"
        "9ce5" "a254" "4d9b" "26" "10" "50" "54" "a54b00" "d1c0" "818f" "9500" "0101"
        "0101" "0101" "0101" "0101";
    QByteArray image = QByteArray::fromHex(hex);
    image += QByteArray(128 - image.size(), '\0');
    Byte* bytes = reinterpret_cast<Byte*>(image.data());
    updateBlockChecksum(bytes);
    return image;
}

const Byte* bytesOf(const QByteArray& a) { return reinterpret_cast<const Byte*>(a.constData()); }
}

class TestBaseSections : public QObject
{
    Q_OBJECT

private slots:
    void standardTiming_data();
    void standardTiming();

    void vendorProductEncode_data();
    void vendorProductEncode();
    void vendorProductEdges();

    void videoInput_data();
    void videoInput();
    void videoInputKeepsReservedDigitalValues_data();
    void videoInputKeepsReservedDigitalValues();

    void screenSize_data();
    void screenSize();

    void gamma_data();
    void gamma();

    void featureSupportEncode_data();
    void featureSupportEncode();
    void featureSupportDecodeKeepsColourBits();

    void chromaticityCode_data();
    void chromaticityCode();
    void chromaticityTextMatchesRoundingRule();
    void chromaticityEncodeTouchesOnlyItsBits();

    void establishedTimings();

    void decodeBaseSectionsFillsEveryRecord();
};

void TestBaseSections::standardTiming_data()
{
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("hActive");
    QTest::addColumn<int>("aspect");
    QTest::addColumn<int>("refresh");
    QTest::addColumn<int>("direction"); // 1 encode, 2 decode, 3 both
    QTest::addColumn<QString>("aspectText");
    auto row = [](const char* code, bool enabled, int h, int aspect, int refresh, int direction, const char* text) {
        QTest::newRow(code) << QByteArray::fromHex(code) << enabled << h << aspect << refresh << direction
                            << QString(text);
    };
    row("d1c0", true, 1920, ASPECT_16_9, 60, 3, "16:9");
    row("818f", true, 1280, ASPECT_5_4, 75, 3, "5:4");
    row("9500", true, 1440, ASPECT_16_10, 60, 3, "16:10");
    row("6159", true, 1024, ASPECT_4_3, 85, 3, "4:3");
    row("ffff", true, 2288, ASPECT_16_9, 123, 3, "16:9");
    QTest::newRow("aspect 3 is written 16:10, shown 4:3") << QByteArray::fromHex("9500") << true << 1440 << 3 << 60
                                                           << 1 << QString("4:3");
    row("0101", false, 256, ASPECT_16_10, 60, 3, "16:10");
    row("0140", false, 256, ASPECT_16_10, 60, 2, "16:10");
    row("0000", false, 256, ASPECT_16_10, 60, 2, "16:10");
}

void TestBaseSections::standardTiming()
{
    QFETCH(QByteArray, code);
    QFETCH(bool, enabled);
    QFETCH(int, hActive);
    QFETCH(int, aspect);
    QFETCH(int, refresh);
    QFETCH(int, direction);
    QFETCH(QString, aspectText);
    QCOMPARE(::standardTimingAspectText(aspect), aspectText);
    if (direction & 1) {
        T_EDID_STANDARD_TIMING timing;
        timing.enabled = enabled;
        timing.hActive = Word(enabled ? hActive : 1920); // an unused timing writes 01 01 whatever it holds
        timing.aspectRatio = enabled ? aspect : ASPECT_16_9;
        timing.refreshRate = enabled ? refresh : 75;
        Byte out[2] = {0xAA, 0xAA};
        encodeStandardTiming(timing, out);
        QCOMPARE(QByteArray(reinterpret_cast<char*>(out), 2).toHex(), code.toHex());
    }
    if (direction & 2) {
        T_EDID_STANDARD_TIMING timing;
        timing.hActive = 999;
        decodeStandardTiming(bytesOf(code), timing);
        QCOMPARE(timing.enabled, enabled);
        QCOMPARE(int(timing.hActive), hActive);
        QCOMPARE(timing.aspectRatio, aspect);
        QCOMPARE(timing.refreshRate, refresh);
    }
}

void TestBaseSections::vendorProductEncode_data()
{
    QTest::addColumn<QByteArray>("manufacturer");
    QTest::addColumn<QByteArray>("product");
    QTest::addColumn<QByteArray>("serial");
    QTest::addColumn<int>("week");
    QTest::addColumn<bool>("modelYear");
    QTest::addColumn<int>("year");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ABC") << QByteArray("ABC") << QByteArray("1A2B") << QByteArray("0") << 1 << false << 1990
                         << QByteArray::fromHex("04432b1a000000000100");
    QTest::newRow("DEL") << QByteArray("DEL") << QByteArray("A0B1") << QByteArray("4294967295") << 54 << false << 2245
                         << QByteArray::fromHex("10acb1a0ffffffff36ff");
    QTest::newRow("model year") << QByteArray("AAA") << QByteArray("0000") << QByteArray("305419896") << 12 << true
                                << 2020 << QByteArray::fromHex("0421000078563412ff1e");
}

void TestBaseSections::vendorProductEncode()
{
    QFETCH(QByteArray, manufacturer);
    QFETCH(QByteArray, product);
    QFETCH(QByteArray, serial);
    QFETCH(int, week);
    QFETCH(bool, modelYear);
    QFETCH(int, year);
    QFETCH(QByteArray, bytes);
    T_EDID_VENDOR_PRODUCT record;
    qstrcpy(record.manufacturerID, manufacturer.constData());
    qstrcpy(record.productCode, product.constData());
    qstrcpy(record.serialNumber, serial.constData());
    record.week = Byte(week);
    record.modelYear = modelYear;
    record.year = Word(year);
    QByteArray image(128, 0);
    Byte* out = reinterpret_cast<Byte*>(image.data());
    encodeVendorProduct(record, out);
    QCOMPARE(image.mid(8, 10).toHex(), bytes.toHex());

    T_EDID_VENDOR_PRODUCT back;
    decodeVendorProduct(out, back);
    QCOMPARE(QByteArray(back.manufacturerID), manufacturer);
    QCOMPARE(QByteArray(back.productCode), product);
    QCOMPARE(QByteArray(back.serialNumber), serial);
    QCOMPARE(back.modelYear, modelYear);
    QCOMPARE(int(back.week), modelYear ? 255 : week);
    QCOMPARE(int(back.year), year);
}

void TestBaseSections::vendorProductEdges()
{
    Byte bytes[128] = {};
    bytes[9] = 0x1F; // letter codes 0, 0, 31 are kept as they are
    T_EDID_VENDOR_PRODUCT record;
    decodeVendorProduct(bytes, record);
    QCOMPARE(QByteArray(record.manufacturerID), QByteArray("@@_"));
    bytes[8] = bytes[9] = 0x55;
    qstrcpy(record.serialNumber, "9999999999"); // saturates
    encodeVendorProduct(record, bytes);
    QCOMPARE(QByteArray(reinterpret_cast<char*>(bytes + 8), 8).toHex(), QByteArray("001f0000ffffffff"));
}

void TestBaseSections::videoInput_data()
{
    QTest::addColumn<int>("revision");
    QTest::addColumn<bool>("analog");
    QTest::addColumn<int>("level");
    QTest::addColumn<QVector<int>>("flags");
    QTest::addColumn<int>("interfaceType");
    QTest::addColumn<int>("lastFlag");
    QTest::addColumn<int>("byte");
    QTest::newRow("analog 1.000 sep serr") << 3 << true << 2 << QVector<int>{0, 1, 0, 0} << 0 << 1 << 0x49;
    QTest::newRow("analog all flags") << 4 << true << 3 << QVector<int>{1, 1, 1, 1} << 0 << 1 << 0x7F;
    QTest::newRow("rev4 8 bits DP") << 4 << false << 2 << QVector<int>{0, 0, 0, 0} << 5 << 0 << 0xA5;
    QTest::newRow("rev3 DFP") << 3 << false << 0 << QVector<int>{0, 0, 0, 0} << 0 << 1 << 0x81;
    QTest::newRow("rev3 no DFP") << 3 << false << 0 << QVector<int>{0, 0, 0, 0} << 0 << 0 << 0x80;
}

void TestBaseSections::videoInput()
{
    QFETCH(int, revision);
    QFETCH(bool, analog);
    QFETCH(int, level);
    QFETCH(QVector<int>, flags);
    QFETCH(int, interfaceType);
    QFETCH(int, lastFlag);
    QFETCH(int, byte);
    T_EDID_VIDEO_INPUT_DEF record;
    record.isAnalog = analog;
    record.level = level;
    for (int i = 0; i < 4; ++i)
        record.flags[i] = Byte(flags[i]);
    record.interfaceType = interfaceType;
    record.lastFlag = Byte(lastFlag);
    Byte image[128] = {};
    encodeVideoInput(record, Word(revision), image);
    QCOMPARE(int(image[20]), byte);

    T_EDID_VIDEO_INPUT_DEF back;
    decodeVideoInput(image, Word(revision), back);
    QCOMPARE(back.isAnalog, analog);
    QCOMPARE(back.level, level);
    QCOMPARE(back.interfaceType, interfaceType);
    QCOMPARE(int(back.lastFlag), lastFlag);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(int(back.flags[i]), flags[i]);
}

void TestBaseSections::videoInputKeepsReservedDigitalValues_data()
{
    QTest::addColumn<int>("byte");
    QTest::newRow("interface 1111") << 0x8F;
    QTest::newRow("interface 6") << 0xA6;
    QTest::newRow("depth 7") << 0xF5;
}

void TestBaseSections::videoInputKeepsReservedDigitalValues()
{
    QFETCH(int, byte);
    Byte image[128] = {};
    image[20] = Byte(byte);
    T_EDID_VIDEO_INPUT_DEF record;
    decodeVideoInput(image, 4, record);
    image[20] = 0;
    encodeVideoInput(record, 4, image);
    QCOMPARE(int(image[20]), byte);
}

void TestBaseSections::screenSize_data()
{
    QTest::addColumn<int>("revision"); // 0: encoding only
    QTest::addColumn<int>("byte21");
    QTest::addColumn<int>("byte22");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("encodes"); // the record is written back as these bytes
    const int L = SCREEN_LANDSCAPE, P = SCREEN_PORTRAIT, D = SCREEN_DIMENSIONS;
    QTest::newRow("landscape 1.78") << 4 << 79 << 0 << L << 178 << true;
    QTest::newRow("landscape 3.54") << 0 << 255 << 0 << L << 354 << true;
    QTest::newRow("landscape 1.00") << 0 << 1 << 0 << L << 100 << true;
    QTest::newRow("landscape 0.99 clamped") << 0 << 1 << 0 << L << 99 << true;
    QTest::newRow("portrait 0.56") << 4 << 0 << 79 << P << 56 << true;
    QTest::newRow("portrait 0.99") << 0 << 0 << 2 << P << 99 << true;
    QTest::newRow("portrait 0.28 nearest fit") << 4 << 0 << 255 << P << 28 << true;
    QTest::newRow("portrait 1.78 clamped") << 0 << 0 << 2 << P << 178 << true;
    QTest::newRow("rev4 sizes 60 x 34") << 4 << 60 << 34 << D << int(screenSizeValue(60, 34)) << true;
    QTest::newRow("255 x 0") << 0 << 255 << 0 << D << int(screenSizeValue(255, 0)) << true;
    QTest::newRow("rev4 undefined") << 4 << 0 << 0 << D << 0 << true;
    QTest::newRow("rev3 one zero") << 3 << 0 << 30 << D << int(screenSizeValue(0, 30)) << true;
    QTest::newRow("rev3 other zero") << 3 << 41 << 0 << D << int(screenSizeValue(41, 0)) << true;
    QTest::newRow("rev3 sizes") << 3 << 255 << 1 << D << int(screenSizeValue(255, 1)) << true;
}

void TestBaseSections::screenSize()
{
    QFETCH(int, revision);
    QFETCH(int, byte21);
    QFETCH(int, byte22);
    QFETCH(int, mode);
    QFETCH(int, value);
    QFETCH(bool, encodes);
    T_EDID_SCREEN_SIZE_RATIO record;
    record.mode = mode;
    record.value = quint32(value);
    Byte image[128] = {};
    if (revision) {
        image[21] = Byte(byte21);
        image[22] = Byte(byte22);
        record.value = 12345;
        decodeScreenSize(image, Word(revision), record);
        QCOMPARE(record.mode, mode);
        QCOMPARE(int(record.value), value);
    }
    if (encodes) {
        image[21] = image[22] = 0x77;
        encodeScreenSize(record, image);
        QCOMPARE(int(image[21]), byte21);
        QCOMPARE(int(image[22]), byte22);
    }
}

void TestBaseSections::gamma_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("gamma");
    QTest::newRow("2.20") << 120 << 220;
    QTest::newRow("1.00") << 0 << 100;
    QTest::newRow("3.54") << 254 << 354;
    QTest::newRow("3.55 elsewhere") << 255 << 355;
}

void TestBaseSections::gamma()
{
    QFETCH(int, byte);
    QFETCH(int, gamma);
    Byte image[128] = {};
    image[23] = Byte(byte);
    DTC record;
    decodeGamma(image, record);
    QCOMPARE(record.gamma, gamma);
    image[23] = 0x11;
    encodeGamma(record, image);
    QCOMPARE(int(image[23]), byte);
}

void TestBaseSections::featureSupportEncode_data()
{
    QTest::addColumn<bool>("analog");
    QTest::addColumn<int>("colorIndex");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<int>("byte");
    QTest::newRow("analog undefined") << true << int(COLOR_UNDEFINED) << 0 << 0x18;
    QTest::newRow("analog monochrome") << true << int(COLOR_MONOCHROME) << 3 << 0x00;
    QTest::newRow("analog RGB") << true << int(COLOR_RGB) << 0 << 0x08;
    QTest::newRow("analog non-RGB") << true << int(COLOR_NON_RGB) << 0 << 0x10;
    QTest::newRow("digital 4:4:4 only") << false << int(COLOR_UNDEFINED) << 0 << 0x00;
    QTest::newRow("digital both YCrCb") << false << int(COLOR_MONOCHROME) << 3 << 0x18;
    QTest::newRow("digital 4:2:2") << false << int(COLOR_RGB) << 2 << 0x10;
}

void TestBaseSections::featureSupportEncode()
{
    QFETCH(bool, analog);
    QFETCH(int, colorIndex);
    QFETCH(int, encoding);
    QFETCH(int, byte);
    T_EDID_FEATURE_SUPPORT record;
    record.colorIndex = colorIndex;
    record.colorEncoding = encoding;
    Byte image[128] = {};
    encodeFeatureSupport(record, analog, image);
    QCOMPARE(int(image[24]), byte);

    record.standby = record.suspend = record.activeOff = true;
    record.srgb = record.preferredTimingMode = record.continuousFrequency = true;
    encodeFeatureSupport(record, analog, image);
    QCOMPARE(int(image[24]), byte | 0xE7);
}

void TestBaseSections::featureSupportDecodeKeepsColourBits()
{
    for (int revision : {3, 4}) {
        for (int input : {0x00, 0x80}) {
            for (int byte = 0; byte < 256; ++byte) {
                Byte image[128] = {};
                image[20] = Byte(input);
                image[24] = Byte(byte);
                T_EDID_FEATURE_SUPPORT record;
                decodeFeatureSupport(image, Word(revision), record);
                const int kind = input ? (revision == 3 ? ENCODING_DIGITAL_REV3 : ENCODING_DIGITAL_REV4)
                                       : ENCODING_ANALOG;
                QCOMPARE(record.encodingKind, kind);
                image[24] = Byte(~byte);
                encodeFeatureSupport(record, input == 0, image);
                QCOMPARE(int(image[24]), byte);
            }
        }
    }
}

void TestBaseSections::chromaticityCode_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("code");
    QTest::newRow("0.640") << 0.640 << 655;
    QTest::newRow("0.3127") << 0.3127 << 320;
    QTest::newRow("0.999") << 0.999 << 1023;
    QTest::newRow("0.9995 fits") << 0.9995 << 1023;
    QTest::newRow("0.9999 fits") << 0.9999 << 1023;
    QTest::newRow("0") << 0.0 << 0;
    QTest::newRow("half rounds down") << 0.5 / 1024 << 0;
}

void TestBaseSections::chromaticityCode()
{
    QFETCH(double, value);
    QFETCH(int, code);
    QCOMPARE(int(::chromaticityCode(value)), code);
}

void TestBaseSections::chromaticityTextMatchesRoundingRule()
{
    QCOMPARE(chromaticityText(655), QString("0.640"));
    QCOMPARE(chromaticityText(0), QString("0.000"));
    QCOMPARE(chromaticityText(1023), QString("0.999"));
    QCOMPARE(chromaticityText(64), QString("0.063"));   // 0.0625: a tie rounds up
    for (int code = 0; code < 1024; ++code) {
        const QString text = chromaticityText(Word(code));
        QVERIFY(QRegularExpression("^0\\.[0-9]{3}$").match(text).hasMatch());
        QVERIFY2(qAbs(text.toDouble() - code / 1024.0) <= 0.0005 + 1e-9, qPrintable(text));
    }
}

void TestBaseSections::chromaticityEncodeTouchesOnlyItsBits()
{
    const QByteArray sample = sampleImage();
    Byte image[128];
    std::memcpy(image, sample.constData(), 128);
    T_EDID_COLOR_CHARACTERISTICS record;
    decodeColorCharacteristics(image, record);
    Byte encoded[128];
    std::memcpy(encoded, image, 128);
    encodeColorCharacteristics(record, encoded);
    QCOMPARE(QByteArray(reinterpret_cast<char*>(encoded), 128), sample);

    record.codes[RED_X] = 655;
    encodeColorCharacteristics(record, encoded);
    for (int i = 25; i <= 34; ++i) {
        if (i == 25)
            QCOMPARE(encoded[i] & 0x3F, image[i] & 0x3F);
        else if (i != 27)
            QCOMPARE(encoded[i], image[i]);
    }
    QCOMPARE(int(encoded[27]), 655 >> 2);
    QCOMPARE(encoded[25] >> 6, 655 & 3);
}

void TestBaseSections::establishedTimings()
{
    Byte image[128] = {};
    image[37] = 0x7F;
    T_EDID_ESTABLISHED_TIMINGS record;
    decodeEstablishedTimings(image, record);
    QCOMPARE(int(record.manufacturerReserved), 0x7F);
    QVERIFY(!record.manufacturerTiming);
    record.timingsI[2] = true;      // 640x480 @ 60 Hz
    record.timingsII[7] = true;     // 1280x1024 @ 75 Hz
    record.manufacturerTiming = true;
    encodeEstablishedTimings(record, image);
    QCOMPARE(int(image[35]), 0x20);
    QCOMPARE(int(image[36]), 0x01);
    QCOMPARE(int(image[37]), 0xFF);
    record.manufacturerTiming = false;
    encodeEstablishedTimings(record, image);
    QCOMPARE(int(image[37]), 0x7F);
}

void TestBaseSections::decodeBaseSectionsFillsEveryRecord()
{
    const QByteArray sample = sampleImage();
    T_EDID_DEF def;
    QVERIFY(decodeBaseBlock(bytesOf(sample), def));
    QCOMPARE(currentRevision(), Word(4));
    QCOMPARE(QByteArray(def.vendorProduct.manufacturerID), QByteArray("VQZ"));
    QCOMPARE(QByteArray(def.vendorProduct.productCode), QByteArray("1027"));
    QVERIFY(!def.videoInput.isAnalog);
    QCOMPARE(def.screenSize.mode, int(SCREEN_DIMENSIONS));
    QCOMPARE(chromaticityText(def.colorCharacteristics.codes[WHITE_X]), QString("0.313"));
    QVERIFY(def.featureSupport.activeOff);
    QVERIFY(def.establishedTimings.timingsI[0] && def.establishedTimings.timingsII[7]);
    QVERIFY(!def.establishedTimings.timingsII[0] && !def.standardTimings[3].enabled);
    // week, year, level, interface, width, height, gamma, colour kind and encoding, three standard timings
    QCOMPARE(QVector<int>({def.vendorProduct.week, def.vendorProduct.year, def.videoInput.level,
                           def.videoInput.interfaceType, screenHSize(def.screenSize.value),
                           screenVSize(def.screenSize.value), def.gamma.gamma, def.featureSupport.encodingKind,
                           def.featureSupport.colorEncoding, def.standardTimings[0].hActive,
                           def.standardTimings[1].hActive, def.standardTimings[2].hActive}),
             QVector<int>({30, 2019, 3, 5, 60, 34, 220, ENCODING_DIGITAL_REV4, 3, 1920, 1280, 1440}));
}

QTEST_APPLESS_MAIN(TestBaseSections)
#include "tst_basesections.moc"
