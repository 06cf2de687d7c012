#include <QtTest>

#include "colorcharacteristics.h"
#include "establishedtimings.h"
#include "sectiontesthelpers.h"
#include "standardtimingitem.h"
#include "standardtimings.h"

#include <QCheckBox>

using namespace SectionTest;

// Chromaticity, established timings and standard timings editors.
class TestColorTimings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void chromaticityIsShownWithThreeDecimals();
    void chromaticityEntry_data();
    void chromaticityEntry();
    void redXOnlyTouchesItsBits();

    void establishedAndManufacturerTimingBits();

    void standardTimingsLoadAndUncheck();
    void standardTimingEntries_data();
    void standardTimingEntries();
    void standardTimingLimits_data();
    void standardTimingLimits();
    void nextImageResetsUnusedEntries();

private:
    void open(const QByteArray& bytes)
    {
        QVERIFY(images.load(bytes));
        color->initFields(images.decoded.colorCharacteristics, images.saved, images.working);
        established->initFields(images.decoded.establishedTimings, images.saved, images.working);
        standard->initFields(images.decoded.standardTimings, images.saved, images.working);
    }
    QWidget* item(int entry) { return standard->findChild<StandardTimingItem*>(QString("standardTiming%1").arg(entry)); }
    template <typename T> T* in(QWidget* parent, const char* name) { return parent->findChild<T*>(name); }
    QCheckBox* timing(const char* name) { return established->findChild<QCheckBox*>(name); }

    ColorCharacteristics* color = nullptr;
    EstablishedTimings* established = nullptr;
    StandardTimings* standard = nullptr;
    BoxRecorder* boxes = nullptr;
    Images images;
};

void TestColorTimings::init()
{
    color = new ColorCharacteristics;
    established = new EstablishedTimings;
    standard = new StandardTimings;
    for (QWidget* editor : std::initializer_list<QWidget*>{color, established, standard}) {
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor));
    }
    boxes = new BoxRecorder;
    open(digital14());
}

void TestColorTimings::cleanup()
{
    QVERIFY(images.checksumValid());
    QCOMPARE(markedBytes(), images.changedBytes());
    delete boxes;
    delete standard;
    delete established;
    delete color;
}

void TestColorTimings::chromaticityIsShownWithThreeDecimals()
{
    QByteArray bytes = digital14();
    T_EDID_COLOR_CHARACTERISTICS record;
    record.codes[RED_X] = 655;
    record.codes[WHITE_X] = 1023;
    encodeColorCharacteristics(record, reinterpret_cast<Byte*>(bytes.data()));
    open(patched(bytes, {}));
    QCOMPARE(color->findChild<QLineEdit*>("redXField")->text(), QString("0.640"));
    QCOMPARE(color->findChild<QLineEdit*>("redYField")->text(), QString("0.000"));
    QCOMPARE(color->findChild<QLineEdit*>("whiteXField")->text(), QString("0.999"));
    QCOMPARE(describedValue(HexaViewer::ColorSection, "Red X"), QString("0.640"));
    QCOMPARE(describedValue(HexaViewer::ColorSection, "Green Chromaticity"), QString("~"));
    QVERIFY(images.unchanged());
}

void TestColorTimings::chromaticityEntry_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("warned");
    QTest::newRow("red x 0.640") << "redXField" << int(RED_X) << "0.640" << 655 << "0.640" << false;
    QTest::newRow("white x .3127") << "whiteXField" << int(WHITE_X) << ".3127" << 320 << ".3127" << false;
    QTest::newRow("blue y 0.999") << "blueYField" << int(BLUE_Y) << "0.999" << 1023 << "0.999" << false;
    QTest::newRow("green x .9999 fits") << "greenXField" << int(GREEN_X) << ".9999" << 1023 << "0.999" << false;
    QTest::newRow("red y 1.0") << "redYField" << int(RED_Y) << "1.0" << 0 << "0.000" << true;
    QTest::newRow("white y empty") << "whiteYField" << int(WHITE_Y) << "" << 0 << "0.000" << true;
    QTest::newRow("white y unreadable") << "whiteYField" << int(WHITE_Y) << "0..1" << 0 << "0.000" << true;
}

void TestColorTimings::chromaticityEntry()
{
    QFETCH(QString, fieldName);
    QFETCH(int, index);
    QFETCH(QString, typed);
    QFETCH(bool, warned);
    QLineEdit* field = color->findChild<QLineEdit*>(fieldName);
    typeInto(field, typed);
    T_EDID_COLOR_CHARACTERISTICS written;
    decodeColorCharacteristics(images.working, written);
    QTEST(int(written.codes[index]), "code");
    QTEST(field->text(), "shown");
    checkBox(*boxes, "CEA extention warning",
             warned ? "Display X, Y chromaticity must be in range of 0.000 to 0.999" : "");
}

void TestColorTimings::redXOnlyTouchesItsBits()
{
    const Byte before25 = images.working[25];
    typeInto(color->findChild<QLineEdit*>("redXField"), "0.5");
    QCOMPARE(int(images.working[27]), 512 >> 2);
    QCOMPARE(images.working[25] & 0x3F, before25 & 0x3F);
    QVERIFY(images.changedBytes().subtract({25, 27, 127}).isEmpty());
    QCOMPARE(describedValue(HexaViewer::ColorSection, "Red X"), QString("0.5"));
}

void TestColorTimings::establishedAndManufacturerTimingBits()
{
    open(analog13());
    // Uncheck everything of byte 35 but 640x480 @ 60 Hz.
    for (int bit = 1; bit <= 8; ++bit) {
        QCheckBox* box = timing(qPrintable(QString("estabTimingI%1").arg(bit)));
        if (box->isChecked() != (bit == 3))
            click(box);
    }
    QCOMPARE(int(images.working[35]), 0x20);
    const Byte byte36 = images.working[36];
    click(timing("estabTimingII8"));
    QCOMPARE(int(images.working[36]), byte36 ^ 0x01);
    QCOMPARE(int(images.working[35]), 0x20);
    QCOMPARE(describedValue(HexaViewer::EstablishedSection, "640x480 @ 60 Hz [IBM, VGA]"), QString("YES"));
    QCOMPARE(describedValue(HexaViewer::EstablishedSection, "720x400 @ 70 Hz [IBM, VGA]"), QString("no"));
    // The manufacturer bit; the reserved bits of byte 37 stay.
    QCOMPARE(int(images.working[37]), 0x7F);
    QVERIFY(!timing("manufTimingCB")->isChecked());
    click(timing("manufTimingCB"));
    QCOMPARE(int(images.working[37]), 0xFF);
    click(timing("estabTimingI1"));
    QCOMPARE(int(images.working[37]), 0xFF);
    click(timing("manufTimingCB"));
    QCOMPARE(int(images.working[37]), 0x7F);
    QCOMPARE(describedValue(HexaViewer::EstablishedSection, "1152x870 @ 75 Hz [Apple, Mac II]"), QString("no"));
}

void TestColorTimings::standardTimingsLoadAndUncheck()
{
    QVERIFY(in<QCheckBox>(item(1), "enableCB")->isChecked());
    QCOMPARE(in<QLineEdit>(item(1), "hActiveField")->text(), QString("1920"));
    QCOMPARE(in<QLineEdit>(item(1), "refreshField")->text(), QString("60"));
    QCOMPARE(in<QComboBox>(item(1), "aspectRatioMulti")->currentText(), QString("16:9"));
    QCOMPARE(in<QComboBox>(item(2), "aspectRatioMulti")->currentText(), QString("5:4"));
    QCOMPARE(in<QLineEdit>(item(2), "refreshField")->text(), QString("75"));
    QVERIFY(!in<QCheckBox>(item(4), "enableCB")->isChecked());
    QVERIFY(!in<QLineEdit>(item(4), "hActiveField")->isEnabled());
    QVERIFY(images.unchanged());
    // Unchecking writes the unused code and shows the defaults.
    QWidget* entry = item(2);
    click(in<QCheckBox>(entry, "enableCB"));
    QCOMPARE(hexOf(images.working, 40, 2), QByteArray("0101"));
    QCOMPARE(in<QLineEdit>(entry, "hActiveField")->text(), QString("256"));
    QCOMPARE(in<QLineEdit>(entry, "refreshField")->text(), QString("60"));
    QCOMPARE(in<QComboBox>(entry, "aspectRatioMulti")->currentText(), QString("16:10"));
    QVERIFY(!in<QLineEdit>(entry, "hActiveField")->isEnabled());
    QVERIFY(!in<QComboBox>(entry, "aspectRatioMulti")->isEnabled());
}

void TestColorTimings::standardTimingEntries_data()
{
    QTest::addColumn<QString>("hActive");
    QTest::addColumn<QString>("refresh");
    QTest::addColumn<int>("aspectItem");
    QTest::addColumn<QByteArray>("code");
    QTest::newRow("1920 16:9 60") << "1920" << "60" << 3 << QByteArray("d1c0");
    QTest::newRow("1280 5:4 75") << "1280" << "75" << 2 << QByteArray("818f");
    QTest::newRow("1440 16:10 60") << "1440" << "60" << 0 << QByteArray("9500");
    QTest::newRow("2288 4:3 123") << "2288" << "123" << 1 << QByteArray("ff7f");
}

void TestColorTimings::standardTimingEntries()
{
    QFETCH(QString, hActive);
    QFETCH(QString, refresh);
    QFETCH(int, aspectItem);
    QWidget* entry = item(5);
    click(in<QCheckBox>(entry, "enableCB"));
    typeInto(in<QLineEdit>(entry, "hActiveField"), hActive);
    typeInto(in<QLineEdit>(entry, "refreshField"), refresh);
    choose(in<QComboBox>(entry, "aspectRatioMulti"), aspectItem);
    QTEST(hexOf(images.working, 46, 2), "code");
    QCOMPARE(boxes->count(), 0);
    QVERIFY(images.changedBytes().subtract({46, 47, 127}).isEmpty());
    QCOMPARE(describedValue(HexaViewer::StandardSection, "H. Active Pixels"), hActive);
    QCOMPARE(describedValue(HexaViewer::StandardSection, "Refresh Rate"), refresh);
}

void TestColorTimings::standardTimingLimits_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("message");
    const QString pixels = "Horizontal Active Pixels must be in the range of 256 to 2288 Hz in increments of 8 pixels";
    const QString rate = "Refresh Rate must be in range of 60 to 123 Hz";
    QTest::newRow("1924") << "hActiveField" << "1924" << "256" << pixels;
    QTest::newRow("248") << "hActiveField" << "248" << "256" << pixels;
    QTest::newRow("2296") << "hActiveField" << "2296" << "256" << pixels;
    QTest::newRow("empty pixels") << "hActiveField" << "" << "256" << pixels;
    QTest::newRow("59 Hz") << "refreshField" << "59" << "60" << rate;
    QTest::newRow("124 Hz") << "refreshField" << "124" << "60" << rate;
    QTest::newRow("2288") << "hActiveField" << "2288" << "2288" << QString();
    QTest::newRow("123 Hz") << "refreshField" << "123" << "123" << QString();
}

void TestColorTimings::standardTimingLimits()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    QLineEdit* field = in<QLineEdit>(item(1), qPrintable(fieldName));
    typeInto(field, typed);
    QCOMPARE(field->text(), shown);
    checkBox(*boxes, "Format Error", message);
    T_EDID_STANDARD_TIMING written;
    decodeStandardTiming(images.working + 38, written);
    if (fieldName == "hActiveField")
        QCOMPARE(int(images.working[38]), shown.toInt() / 8 - 31);
    else
        QCOMPARE(written.refreshRate, shown.toInt());
}

void TestColorTimings::nextImageResetsUnusedEntries()
{
    open(patched(analog13(), {{38, 0x01}, {39, 0x40}}));   // unused, whatever the second byte holds
    QVERIFY(!in<QCheckBox>(item(1), "enableCB")->isChecked());
    QCOMPARE(in<QLineEdit>(item(1), "hActiveField")->text(), QString("256"));
    QCOMPARE(in<QComboBox>(item(1), "aspectRatioMulti")->currentIndex(), 0);
    QVERIFY(images.unchanged());
    standard->updateSectionData();
    QCOMPARE(hexOf(images.working, 38, 16), QByteArray("01").repeated(16));
}

QTEST_MAIN(TestColorTimings)
#include "tst_colortimings.moc"
