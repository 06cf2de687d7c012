// The display descriptor type editors driven through a slot: bytes written,
// messages and fallbacks.
#include "testsupport.h"
#include "widgets/descriptorfixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QtTest>

namespace {

// Block 2 at the given revision, showing the chosen type on fresh fields.
void openType(SlotFixture& f, int revision, int type)
{
    QVERIFY(f.load(baseImage(revision, {kFullHdTiming})));
    setCurrentRevision(Word(revision));
    f.choose(1, type);
}

template <typename T>
T* child(SlotFixture& f, const QString& name)
{
    for (T* w : f.blocks[1]->findChildren<T*>(name)) {
        if (w->isVisibleTo(f.blocks[1].get()))
            return w;
    }
    return nullptr;
}

// Range limits: picks a video timing support entry (1 secondary GTF, 3 CVT).
void chooseSupport(SlotFixture& f, int index)
{
    auto* combo = child<QComboBox>(f, "videoTimingMulti");
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

} // namespace

class TestDescriptorEditors : public QObject {
    Q_OBJECT
private slots:
    void fieldEdits_data();
    void fieldEdits();
    void rangeMaxActivePixels();
    void rangeRatesAboveByteAtRevision4();
    void rangeCvtBlock();
    void rangeSwitchTo13ClearsCvt();
    void rangeSameRevisionAgainWritesNothing();
    void range13ImageWithCvtByte();
    void rangeGtfFieldAcceptsLetters();
    void colorPointGroupUnchecked();
    void colorPointSecondPointUnchanged();
    void standardTimingIdentifications();
    void dcmWritesVersion3();
    void cvtCodes();
    void establishedTimingsIII();
};

void TestDescriptorEditors::fieldEdits_data()
{
    QTest::addColumn<int>("revision");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");  // slot bytes written from offset on
    QTest::addColumn<QString>("title");     // empty: no message
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");     // null: not checked
    auto row = [](const char* name, int revision, int type, const char* setup, const char* field,
                  const char* text, int offset, const char* bytes, const char* title = "",
                  const char* message = "", const char* shown = nullptr) {
        QTest::newRow(name) << revision << type << QString(setup) << QString(field) << QString(text) << offset
                            << hexBytes(bytes) << QString(title) << QString(message)
                            << (shown ? QString(shown) : QString());
    };
    const int range = DESC_RANGE_LIMITS, point = DESC_COLOR_POINT, timing = DESC_STANDARD_TIMINGS;
    const char* clock = "Maximum Pixel Clock must be in range of 0 to 2550 MHz in increments of10 MHz";
    row("range clock 1650", 4, range, "", "maxPixClockField", "1650", 9, "A5", "", "", "1650");
    row("range clock 2555", 4, range, "", "maxPixClockField", "2555", 9, "00", "Format error", clock, "0");
    row("range clock 1655 not a multiple", 4, range, "", "maxPixClockField", "1655", 9, "00", "Format error",
        clock, "0");
    row("range preferred rate empty", 4, range, "cvt", "prefVRateField", "", 17, "01", "Format error",
        "Preferred Vertical Refresh Rate must be in range of 1 to 255 ", "1");
    row("range min V 75 at 1.3", 3, range, "", "minVRateField", "75", 5, "4B", "", "", "75");
    row("range max H 300 at 1.3", 3, range, "", "maxHRateField", "300", 8, "00", "Format error",
        "Maximum Horizontal Rate must be in range of 0 to 255 kHz", "0");
    row("range max V 511 at 1.4", 4, range, "", "maxVRateField", "511", 6, "00", "Format error",
        "Maximum Vertical Rate must be in range of 0 to 510 Hz", "0");
    row("point x 0.500", 4, point, "point", "whiteXField", "0.5", 5, "01 0C 7F 00 00");
    row("point y 1.2", 4, point, "point", "whiteYField", "1.2", 5, "01 00 00 00 00", "Range error",
        "White y Chromaticity must be in range of 0 to 0.999");
    row("point gamma 2.29 is not cut", 4, point, "point", "gammaField", "2.29", 5, "01 00 00 00 81");
    row("point gamma 3.55", 4, point, "point", "gammaField", "3.55", 5, "01 00 00 00 00", "Format Error",
        "Gamma must be in range of 1.00 to 3.54", "1.00");
    row("point index 0", 4, point, "point", "whitePointField", "0", 5, "01 00 00 00 00", "Format Error",
        "White point index must be in range of 1 to 255");
    row("point index 7", 4, point, "point", "whitePointField", "7", 5, "07 00 00 00 00");
    const char* pixels = "Horizontal Active Pixels must be in range of 256 to 2288 in increments of 8 pixels";
    row("timing 2296 pixels", 4, timing, "group", "hActiveField", "2296", 5, "01 00", "Format Error", pixels, "256");
    row("timing 1924 pixels", 4, timing, "group", "hActiveField", "1924", 5, "01 00", "Format Error", pixels, "256");
    row("timing 124 Hz", 4, timing, "group", "refreshField", "124", 5, "01 00", "Format Error",
        "Refresh Rate must be in range of 60 to 123 Hz", "60");
    const char* coefficient = "Polynomial coefficients must be in range of 0 to 65535";
    row("dcm red a3 4660", 4, DESC_DCM, "", "reda3Field", "4660", 6, "34 12");
    row("dcm blue a2 65535", 4, DESC_DCM, "", "bluea2Field", "65535", 16, "FF FF");
    row("dcm green a2 65536", 4, DESC_DCM, "", "greena2Field", "65536", 12, "00 00", "Range error", coefficient, "0");
    row("dcm green a3 empty", 4, DESC_DCM, "", "greena3Field", "", 10, "00 00", "Range error", coefficient, "0");
    const char* lines = "Vertical Active Lines must be in range of 2 to 8192 in increments of 2 pixels";
    for (const char* text : {"1081", "0", "8194"})
        row(qPrintable(QString("cvt code %1 lines").arg(text)), 4, DESC_CVT_TIMINGS, "group", "vActField", text, 6,
            "00 00 00", "CEA extention warning", lines, "2");
}

// Types into a field of a fresh editor in Block 2: the bytes written, the
// message and the value the field falls back to.
void TestDescriptorEditors::fieldEdits()
{
    QFETCH(int, revision);
    QFETCH(int, type);
    QFETCH(QString, setup);
    QFETCH(QString, fieldName);
    QFETCH(QString, text);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, title);
    QFETCH(QString, message);
    QFETCH(QString, shown);
    BoxRecorder boxes;
    SlotFixture f;
    openType(f, revision, type);
    QLineEdit* edit = child<QLineEdit>(f, fieldName);
    if (setup == "cvt") {
        chooseSupport(f, 3);
        edit = child<QLineEdit>(f, fieldName);
    } else if (setup == "point") {
        child<QGroupBox>(f, "firstColorPointGB")->setChecked(true);
        emit child<QGroupBox>(f, "firstColorPointGB")->clicked(true);
    } else if (setup == "group") { // the first standard timing or CVT code
        QGroupBox* group = f.blocks[1]->findChildren<QGroupBox*>(
            type == DESC_STANDARD_TIMINGS ? "ExtraStandTiming" : "CVTCodeDescriptor").at(0);
        if (type == DESC_STANDARD_TIMINGS)
            group->setChecked(true), emit group->clicked(true);
        edit = group->findChild<QLineEdit*>(fieldName);
    }
    QVERIFY(edit);
    SlotFixture::type(edit, text);
    QCOMPARE(f.slotBytes(1).mid(offset, bytes.size()), bytes);
    QCOMPARE(boxes.count(), title.isEmpty() ? 0 : 1);
    if (!title.isEmpty()) {
        QCOMPARE(boxes.lastTitle(), title);
        QCOMPARE(boxes.lastText(), message);
    }
    if (!shown.isNull())
        QCOMPARE(edit->text(), shown);
    QVERIFY(f.checksumValid());
}

void TestDescriptorEditors::rangeMaxActivePixels()
{
    BoxRecorder boxes;
    SlotFixture f;
    openType(f, 4, DESC_RANGE_LIMITS);
    chooseSupport(f, 3);
    QVERIFY(child<QGroupBox>(f, "cvtGroupBox"));
    SlotFixture::type(child<QLineEdit>(f, "maxActivePixField"), "1921");
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastText(), QString("Maximum Active Pixels must be in range of 0 to 8184  in increments of8 "));
    SlotFixture::type(child<QLineEdit>(f, "maxActivePixField"), "1920");
    QCOMPARE(f.slotBytes(1).at(10), char(0x04));
    QCOMPARE(f.slotBytes(1).at(12) & 3, 0);
    QCOMPARE(f.slotBytes(1).at(13), char(0xF0));
    T_EDID_DISPLAY_DESCRIPTOR_DEF decoded;
    decodeDisplayDescriptor(f.newData + 72, decoded);
    QCOMPARE(decoded.rangeLimits.maxActivePixels, 1920);
}

void TestDescriptorEditors::rangeRatesAboveByteAtRevision4()
{
    SlotFixture f;
    openType(f, 4, DESC_RANGE_LIMITS);
    SlotFixture::type(child<QLineEdit>(f, "maxVRateField"), "300");
    SlotFixture::type(child<QLineEdit>(f, "minVRateField"), "260");
    SlotFixture::type(child<QLineEdit>(f, "maxHRateField"), "400");
    QCOMPARE(f.slotBytes(1).mid(4, 5), hexBytes("0B 05 2D 00 91"));
    // Loading the image again gives back the rates.
    const QByteArray image(reinterpret_cast<const char*>(f.newData), 256);
    SlotFixture g;
    QVERIFY(g.load(image));
    QCOMPARE(child<QLineEdit>(g, "maxVRateField")->text(), QString("300"));
    QCOMPARE(child<QLineEdit>(g, "minVRateField")->text(), QString("260"));
    QCOMPARE(child<QLineEdit>(g, "maxHRateField")->text(), QString("400"));
    // At 1.3 the offsets cannot be written: the rates are limited to 255.
    g.switchRevision(3);
    QCOMPARE(g.slotBytes(1).mid(4, 5), hexBytes("00 FF FF 00 FF"));
    QCOMPARE(child<QLineEdit>(g, "maxVRateField")->text(), QString("255"));
}

void TestDescriptorEditors::rangeCvtBlock()
{
    SlotFixture f;
    openType(f, 4, DESC_RANGE_LIMITS);
    chooseSupport(f, 3);
    child<QCheckBox>(f, "supp169ARCB")->click();
    child<QRadioButton>(f, "pref169ARRB")->click();
    child<QCheckBox>(f, "standBlankingCB")->click();
    child<QCheckBox>(f, "vStretchCB")->click();
    SlotFixture::type(child<QLineEdit>(f, "prefVRateField"), "60");
    QCOMPARE(f.slotBytes(1).mid(10), hexBytes("04 10 00 00 40 28 10 3C"));
    const FieldDescriptionList list = HexaViewer::instance()->description(HexaViewer::DescriptorSection1);
    QCOMPARE(list.at(6), FieldDescription("Video Timing Support", "CVT Support"));
    QCOMPARE(list.at(9), FieldDescription("Version", "1.0"));
    QCOMPARE(list.at(10), FieldDescription("Preferred Aspect Ratio", "16:9"));
    QCOMPARE(list.last(), FieldDescription("Preferred Vertical Refresh Rate", "60"));
    chooseSupport(f, 1);
    QCOMPARE(f.slotBytes(1).at(10), char(0x02));
    QVERIFY(!child<QGroupBox>(f, "cvtGroupBox"));
    QVERIFY(child<QGroupBox>(f, "gtfGroupBox"));
}

void TestDescriptorEditors::rangeSwitchTo13ClearsCvt()
{
    SlotFixture f;
    QVERIFY(f.load(baseImage(4, {kFullHdTiming, hexBytes("00 00 00 FD 00 30 4B 1E 53 0F 04 11 00 F0 80 28 00 3C")})));
    auto* combo = child<QComboBox>(f, "videoTimingMulti");
    QCOMPARE(combo->currentIndex(), 3);
    f.switchRevision(3);
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(f.slotBytes(1).mid(10), hexBytes("00 00 00 00 00 00 00 00"));
    QVERIFY(f.checksumValid());
    f.switchRevision(4);
    QCOMPARE(combo->count(), 4);
}

void TestDescriptorEditors::rangeSameRevisionAgainWritesNothing()
{
    SlotFixture f;
    const QByteArray image = baseImage(4, {kFullHdTiming, hexBytes("00 00 00 FD 00 30 4B 1E 53 11 00 0A 20 20 20 20 20 20")});
    QVERIFY(f.load(image));
    f.switchRevision(4);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(f.newData), 256), image);
    // Default GTF means the same at 1.3: switching there and back keeps it.
    f.switchRevision(3);
    f.switchRevision(4);
    QCOMPARE(f.slotBytes(1), image.mid(72, 18));
}

void TestDescriptorEditors::range13ImageWithCvtByte()
{
    SlotFixture f;
    const QByteArray image = baseImage(3, {kFullHdTiming, hexBytes("00 00 00 FD 00 30 4B 1E 53 0F 04 11 00 F0 80 28 00 3C")});
    QVERIFY(f.load(image));
    QCOMPARE(child<QComboBox>(f, "videoTimingMulti")->currentIndex(), 0);
    QCOMPARE(HexaViewer::instance()->description(HexaViewer::DescriptorSection1).last(),
             FieldDescription("Video Timing Support", "none"));
    // Loading alone writes nothing.
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(f.newData), 256), image);
}

void TestDescriptorEditors::rangeGtfFieldAcceptsLetters()
{
    BoxRecorder boxes;
    SlotFixture f;
    openType(f, 4, DESC_RANGE_LIMITS);
    chooseSupport(f, 1);
    SlotFixture::type(child<QLineEdit>(f, "mField"), "600");
    QCOMPARE(f.slotBytes(1).mid(14, 2), hexBytes("58 02"));
    SlotFixture::type(child<QLineEdit>(f, "kField"), "abc");
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(f.slotBytes(1).at(16), char(0));
}

void TestDescriptorEditors::colorPointGroupUnchecked()
{
    SlotFixture f;
    openType(f, 4, DESC_COLOR_POINT);
    auto* group = child<QGroupBox>(f, "secondColorPointGB");
    group->setChecked(true);
    emit group->clicked(true);
    QCOMPARE(child<QLineEdit>(f, "whitePointField2")->text(), QString("2"));
    SlotFixture::type(child<QLineEdit>(f, "gammaField2"), "2.2");
    QCOMPARE(f.slotBytes(1).mid(10, 5), hexBytes("02 00 00 00 78"));
    group->setChecked(false);
    emit group->clicked(false);
    QCOMPARE(f.slotBytes(1).mid(10, 5), hexBytes("00 00 00 00 00"));
    QCOMPARE(child<QLineEdit>(f, "gammaField2")->text(), QString("1.00"));
    QCOMPARE(HexaViewer::instance()->description(HexaViewer::DescriptorSection1).last(),
             FieldDescription("Second Additional Color Point", "none"));
}

void TestDescriptorEditors::colorPointSecondPointUnchanged()
{
    SlotFixture f;
    const QByteArray points = hexBytes("00 00 00 FB 00 01 05 50 54 78 02 0F FF 00 FE 0A 20 20");
    QVERIFY(f.load(baseImage(4, {kFullHdTiming, points})));
    QCOMPARE(child<QLineEdit>(f, "whiteXField")->text(), QString("0.313"));
    QCOMPARE(child<QLineEdit>(f, "whiteXField2")->text(), QString("0.999"));
    QVERIFY(child<QGroupBox>(f, "secondColorPointGB")->isChecked());
    SlotFixture::type(child<QLineEdit>(f, "gammaField"), "2.4");
    QCOMPARE(f.slotBytes(1).at(9), char(140));
    QCOMPARE(f.slotBytes(1).mid(10), points.mid(10));
}

void TestDescriptorEditors::standardTimingIdentifications()
{
    BoxRecorder boxes;
    SlotFixture f;
    openType(f, 4, DESC_STANDARD_TIMINGS);
    QList<QGroupBox*> items;
    for (QGroupBox* box : f.blocks[1]->findChildren<QGroupBox*>("ExtraStandTiming"))
        items << box;
    QCOMPARE(items.size(), 6);
    QCOMPARE(items.at(2)->title(), QString("Timing 11"));
    items.at(2)->setChecked(true);
    emit items.at(2)->clicked(true);
    SlotFixture::type(items.at(2)->findChild<QLineEdit*>("hActiveField"), "1920");
    auto* aspect = items.at(2)->findChild<QComboBox*>("aspectRatioMulti");
    aspect->setCurrentIndex(3);
    emit aspect->activated(3);
    QCOMPARE(f.slotBytes(1).mid(9, 2), hexBytes("D1 C0"));
    QCOMPARE(boxes.count(), 0);
    items.at(2)->setChecked(false);
    emit items.at(2)->clicked(false);
    QCOMPARE(f.slotBytes(1), hexBytes("00 00 00 FA 00 01 00 01 00 01 00 01 00 01 00 01 00 0A"));
    QCOMPARE(items.at(2)->findChild<QLineEdit*>("hActiveField")->text(), QString("256"));
}

void TestDescriptorEditors::dcmWritesVersion3()
{
    SlotFixture f;
    const QByteArray dcm = hexBytes("00 00 00 F9 00 02 01 00 02 00 03 00 04 00 05 00 06 00");
    QVERIFY(f.load(baseImage(4, {kFullHdTiming, dcm})));
    QCOMPARE(f.slotBytes(1), dcm);
    QCOMPARE(child<QLineEdit>(f, "bluea2Field")->text(), QString("6"));
    SlotFixture::type(child<QLineEdit>(f, "reda2Field"), "2");
    QCOMPARE(f.slotBytes(1).at(5), char(0x03));
    QCOMPARE(f.slotBytes(1).mid(6), dcm.mid(6));
}

void TestDescriptorEditors::cvtCodes()
{
    SlotFixture f;
    openType(f, 4, DESC_CVT_TIMINGS);
    QCOMPARE(f.slotBytes(1), hexBytes("00 00 00 F8 00 01 00 00 00 00 00 00 00 00 00 00 00 00"));
    QList<QGroupBox*> codes = f.blocks[1]->findChildren<QGroupBox*>("CVTCodeDescriptor");
    QCOMPARE(codes.size(), 4);
    QGroupBox* second = codes.at(1);
    QCOMPARE(second->title(), QString("CVT Code 2"));
    SlotFixture::type(second->findChild<QLineEdit*>("vActField"), "1080");
    auto* aspect = second->findChild<QComboBox*>("aspectRatioMulti");
    aspect->setCurrentIndex(1);
    emit aspect->activated(1);
    second->findChild<QRadioButton*>("prefVRate60RB")->click();
    second->findChild<QCheckBox*>("suppVRate60CB")->click();
    QCOMPARE(f.slotBytes(1).mid(9, 3), hexBytes("1B 24 28"));
    QCOMPARE(f.slotBytes(1).mid(6, 3), hexBytes("00 00 00"));
    SlotFixture::type(second->findChild<QLineEdit*>("vActField"), "8192");
    QCOMPARE(f.slotBytes(1).mid(9, 2), hexBytes("FF F4"));
}

void TestDescriptorEditors::establishedTimingsIII()
{
    SlotFixture f;
    const QByteArray loaded = hexBytes("00 00 00 F7 00 0A 00 00 00 00 00 0F 11 22 00 00 00 00");
    QVERIFY(f.load(baseImage(4, {kFullHdTiming, loaded})));
    QCOMPARE(f.slotBytes(1), loaded);
    child<QCheckBox>(f, "estabTimingCB1")->click();
    QCOMPARE(f.slotBytes(1), hexBytes("00 00 00 F7 00 0A 80 00 00 00 00 00 00 00 00 00 00 00"));
    child<QCheckBox>(f, "estabTimingCB1")->click();
    child<QCheckBox>(f, "estabTimingCB44")->click();
    QCOMPARE(child<QCheckBox>(f, "estabTimingCB44")->text(), QString("1920 x 1440 @ 75 Hz"));
    QCOMPARE(f.slotBytes(1).mid(6, 6), hexBytes("00 00 00 00 00 10"));
    QVERIFY(f.checksumValid());
    QCOMPARE(HexaViewer::instance()->description(HexaViewer::DescriptorSection1),
             FieldDescriptionList({{"Monitor Data Type Tag", "Established Timings III"}}));
}

QTEST_MAIN(TestDescriptorEditors)
#include "tst_descriptoreditors.moc"
