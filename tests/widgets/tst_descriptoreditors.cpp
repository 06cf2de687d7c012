// The descriptor slots: classification on load, the type each slot shows,
// revision rules, and the type editors driven through a slot (bytes
// written, messages and fallbacks).
#include "testsupport.h"
#include "widgets/descriptorfixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QtTest>

namespace {

const QByteArray kCvtRange = hexBytes("00 00 00 FD 00 30 4B 1E 53 0F 04 11 00 F0 80 28 00 3C");

// Block 2 at the given revision, showing the chosen type on fresh fields.
void openType(SlotFixture& f, int revision, int type)
{
    QVERIFY(f.load(baseImage(revision, {kFullHdTiming})));
    setCurrentRevision(Word(revision));
    f.choose(1, type);
}

template <typename T>
T* child(SlotFixture& f, const QString& name, int s = 1)
{
    for (T* w : f.blocks[s]->findChildren<T*>(name)) {
        if (w->isVisibleTo(f.blocks[s]))
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

void check(QGroupBox* group, bool checked)
{
    group->setChecked(checked);
    emit group->clicked(checked);
}

} // namespace

class TestDescriptorEditors : public QObject {
    Q_OBJECT
private slots:
    void loadsTypes_data();
    void loadsTypes();
    void choosingTypeRewritesSlot_data();
    void choosingTypeRewritesSlot();
    void fieldEdits_data();
    void fieldEdits();
    void block1IsLocked();
    void switchTo13DropsRevision4Types();
    void textFieldRefusesWideCharacters();
    void rangeRatesAboveByteAtRevision4();
    void rangeCvtBlock();
    void colorPointGroups();
    void cvtCodesAndEstablishedTimingsIII();
    void hiddenSlotsActAsShown_data();
    void hiddenSlotsActAsShown();
};

void TestDescriptorEditors::loadsTypes_data()
{
    QTest::addColumn<int>("revision");
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("afterLoad"); // empty: unchanged
    QTest::newRow("unused") << 4 << hexBytes("00 00 00 10 00 55 55") << int(DESC_UNUSED) << QByteArray();
    QTest::newRow("timing with a tag in byte 3") << 4
        << hexBytes("01 00 00 FC 00 41 42 43 0A 20 20 20 20 20 20 20 20 20") << int(DESC_DETAILED_TIMING) << QByteArray();
    QTest::newRow("serial zero padded") << 4 << hexBytes("00 00 00 FF 00 31 32 33 0A 00 00 00 00 00 00 00 00 00")
                                        << int(DESC_SERIAL_NUMBER) << QByteArray();
    QTest::newRow("product name rewritten") << 4 << hexBytes("00 00 01 FC 02 44 45 4C 4C 20 0A 00 00 00 00 00 00 00")
        << int(DESC_PRODUCT_NAME) << hexBytes("00 00 00 FC 00 44 45 4C 4C 20 0A 20 20 20 20 20 20 20");
    QTest::newRow("CVT range at 1.3 kept") << 3 << kCvtRange << int(DESC_RANGE_LIMITS) << QByteArray();
    const QByteArray est = hexBytes("00 00 00 F7 00 0A 80").leftJustified(18, '\0');
    QTest::newRow("est III") << 4 << est << int(DESC_ESTABLISHED_TIMINGS_III) << QByteArray();
    QTest::newRow("est III in a 1.3 image is replaced") << 3 << est << int(DESC_UNUSED) << kDummy;
}

void TestDescriptorEditors::loadsTypes()
{
    QFETCH(int, revision);
    QFETCH(QByteArray, slot);
    QFETCH(int, type);
    QFETCH(QByteArray, afterLoad);
    slot = slot.leftJustified(18, '\0');
    SlotFixture f;
    const QByteArray image = baseImage(revision, {kFullHdTiming, slot});
    QVERIFY(f.load(image));
    QCOMPARE(int(f.blocks[1]->currentType()), type);
    QCOMPARE(f.combo(1)->currentIndex(), type);
    QCOMPARE(f.combo(1)->count(), revision == 4 ? 11 : 8);
    QVERIFY(f.savedUnchanged(image));
    QCOMPARE(f.slotBytes(1), afterLoad.isEmpty() ? slot : afterLoad);
    QVERIFY(f.checksumValid());
}

void TestDescriptorEditors::choosingTypeRewritesSlot_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("bytes");
    auto row = [](const char* name, int type, const char* bytes) { QTest::newRow(name) << type << hexBytes(bytes); };
    row("unused", DESC_UNUSED, "00 00 00 10 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
    row("serial", DESC_SERIAL_NUMBER, "00 00 00 FF 00 0A 20 20 20 20 20 20 20 20 20 20 20 20");
    row("string", DESC_DATA_STRING, "00 00 00 FE 00 0A 20 20 20 20 20 20 20 20 20 20 20 20");
    row("range", DESC_RANGE_LIMITS, "00 00 00 FD 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
    row("name", DESC_PRODUCT_NAME, "00 00 00 FC 00 0A 20 20 20 20 20 20 20 20 20 20 20 20");
    row("color point", DESC_COLOR_POINT, "00 00 00 FB 00 00 00 00 00 00 00 00 00 00 00 0A 20 20");
    row("standard timings", DESC_STANDARD_TIMINGS, "00 00 00 FA 00 01 00 01 00 01 00 01 00 01 00 01 00 0A");
    row("dcm", DESC_DCM, "00 00 00 F9 00 03 00 00 00 00 00 00 00 00 00 00 00 00");
    row("cvt", DESC_CVT_TIMINGS, "00 00 00 F8 00 01 00 00 00 00 00 00 00 00 00 00 00 00");
    row("est III", DESC_ESTABLISHED_TIMINGS_III, "00 00 00 F7 00 0A 00 00 00 00 00 00 00 00 00 00 00 00");
    row("timing", DESC_DETAILED_TIMING, "01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
}

void TestDescriptorEditors::choosingTypeRewritesSlot()
{
    QFETCH(int, type);
    QFETCH(QByteArray, bytes);
    SlotFixture f;
    const QByteArray image = baseImage(4, {kFullHdTiming, hexBytes("00 00 00 11 00 58 0A")}); // no type shown
    QVERIFY(f.load(image));
    f.choose(1, type);
    QCOMPARE(f.slotBytes(1), bytes);
    QVERIFY(f.checksumValid());
    QVERIFY(f.savedUnchanged(image));
    QCOMPARE(hexCell(72 + 3), QString(bytes.mid(3, 1).toHex().toUpper()));
    QCOMPARE(hexCell(127), QString(QByteArray(1, char(f.newData[127])).toHex().toUpper()));
}

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
    row("name ABC", 4, DESC_PRODUCT_NAME, "", "prodNameField", "ABC", 3, "FC 00 41 42 43 0A 20 20 20 20 20 20 20 20 20");
    row("serial 12 characters", 4, DESC_SERIAL_NUMBER, "", "serialNumberField", "ABCDEFGHIJKL", 5,
        "41 42 43 44 45 46 47 48 49 4A 4B 4C 0A");
    row("string of 14 is cut", 4, DESC_DATA_STRING, "", "dataStringField", "ABCDEFGHIJKLMN", 5,
        "41 42 43 44 45 46 47 48 49 4A 4B 4C 4D");
    const char* clock = "Maximum Pixel Clock must be in range of 0 to 2550 MHz in increments of10 MHz";
    row("range clock 1650", 4, range, "", "maxPixClockField", "1650", 9, "A5", "", "", "1650");
    row("range clock 2555", 4, range, "", "maxPixClockField", "2555", 9, "00", "Format error", clock, "0");
    row("range clock 1655", 4, range, "", "maxPixClockField", "1655", 9, "00", "Format error", clock, "0");
    row("range preferred rate empty", 4, range, "cvt", "prefVRateField", "", 17, "01", "Format error",
        "Preferred Vertical Refresh Rate must be in range of 1 to 255 ", "1");
    row("range max active pixels 1921", 4, range, "cvt", "maxActivePixField", "1921", 10, "04", "Format error",
        "Maximum Active Pixels must be in range of 0 to 8184  in increments of8 ");
    row("range max active pixels 1920", 4, range, "cvt", "maxActivePixField", "1920", 12, "00 F0");
    row("range min V 75 at 1.3", 3, range, "", "minVRateField", "75", 5, "4B", "", "", "75");
    row("range max H 300 at 1.3", 3, range, "", "maxHRateField", "300", 8, "00", "Format error",
        "Maximum Horizontal Rate must be in range of 0 to 255 kHz", "0");
    row("range max V 511 at 1.4", 4, range, "", "maxVRateField", "511", 6, "00", "Format error",
        "Maximum Vertical Rate must be in range of 0 to 510 Hz", "0");
    row("range GTF m 600", 4, range, "gtf", "mField", "600", 10, "02 00 00 00 58 02");
    row("range GTF k letters", 4, range, "gtf", "kField", "abc", 16, "00");
    row("point x 0.500", 4, point, "point", "whiteXField", "0.5", 5, "01 0C 7F 00 00");
    row("point y 1.2", 4, point, "point", "whiteYField", "1.2", 5, "01 00 00 00 00", "Range error",
        "White y Chromaticity must be in range of 0 to 0.999");
    row("point gamma 2.29 is not cut", 4, point, "point", "gammaField", "2.29", 5, "01 00 00 00 81");
    row("point gamma 3.55", 4, point, "point", "gammaField", "3.55", 5, "01 00 00 00 00", "Format Error",
        "Gamma must be in range of 1.00 to 3.54", "1.00");
    row("point index 0", 4, point, "point", "whitePointField", "0", 5, "01 00 00 00 00", "Format Error",
        "White point index must be in range of 1 to 255");
    const char* pixels = "Horizontal Active Pixels must be in range of 256 to 2288 in increments of 8 pixels";
    row("timing 2296 pixels", 4, timing, "group", "hActiveField", "2296", 5, "01 00", "Format Error", pixels, "256");
    row("timing 1924 pixels", 4, timing, "group", "hActiveField", "1924", 5, "01 00", "Format Error", pixels, "256");
    row("timing 124 Hz", 4, timing, "group", "refreshField", "124", 5, "01 00", "Format Error",
        "Refresh Rate must be in range of 60 to 123 Hz", "60");
    const char* coefficient = "Polynomial coefficients must be in range of 0 to 65535";
    row("dcm red a3 4660", 4, DESC_DCM, "", "reda3Field", "4660", 5, "03 34 12");
    row("dcm blue a2 65535", 4, DESC_DCM, "", "bluea2Field", "65535", 16, "FF FF");
    row("dcm green a2 65536", 4, DESC_DCM, "", "greena2Field", "65536", 12, "00 00", "Range error", coefficient, "0");
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
    if (setup == "cvt" || setup == "gtf")
        chooseSupport(f, setup == "cvt" ? 3 : 1);
    else if (setup == "point")
        check(child<QGroupBox>(f, "firstColorPointGB"), true);
    QLineEdit* edit = child<QLineEdit>(f, fieldName);
    if (setup == "group") { // the first standard timing or CVT code
        QGroupBox* group = f.blocks[1]->findChildren<QGroupBox*>(
            type == DESC_STANDARD_TIMINGS ? "ExtraStandTiming" : "CVTCodeDescriptor").at(0);
        if (type == DESC_STANDARD_TIMINGS)
            check(group, true);
        edit = group->findChild<QLineEdit*>(fieldName);
    }
    QVERIFY(edit);
    typeInto(edit, text);
    QCOMPARE(f.slotBytes(1).mid(offset, bytes.size()), bytes);
    SectionTest::checkBox(boxes, title, message);
    if (!shown.isNull())
        QCOMPARE(edit->text(), shown);
    QVERIFY(f.checksumValid());
}

void TestDescriptorEditors::block1IsLocked()
{
    SlotFixture f;
    QVERIFY(f.load(baseImage(4, {hexBytes("00 00 00 FF 00 31 0A 20 20 20 20 20 20 20 20 20 20 20")})));
    QVERIFY(!f.combo(0)->isEnabled());
    QVERIFY(f.combo(1)->isEnabled());
    // A display descriptor in Block 1 refreshes its own cells.
    typeInto(f.field(0, "serialNumberField"), "Z");
    QCOMPARE(hexCell(59), QString("5A"));
    // A new image: Block 1 locked to a detailed timing, written at once.
    for (int s = 0; s < 4; ++s)
        f.blocks[s]->resetFields(f.data, f.newData, s);
    f.blocks[0]->setLockedType(DESC_DETAILED_TIMING);
    QCOMPARE(f.combo(0)->currentIndex(), int(DESC_DETAILED_TIMING));
    QCOMPARE(f.slotBytes(0), hexBytes("01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"));
    QVERIFY(f.checksumValid());
}

void TestDescriptorEditors::switchTo13DropsRevision4Types()
{
    SlotFixture f;
    const QByteArray dcm = hexBytes("00 00 00 F9 00 03 34 12");
    QVERIFY(f.load(baseImage(4, {kFullHdTiming, kFullHdTiming, kCvtRange, dcm})));
    f.switchRevision(3);
    QCOMPARE(int(f.blocks[3]->currentType()), int(DESC_UNUSED));
    QCOMPARE(f.slotBytes(3), kDummy);
    QCOMPARE(f.combo(3)->count(), 8);
    // The CVT range limits fall back to default GTF.
    QCOMPARE(child<QComboBox>(f, "videoTimingMulti", 2)->currentIndex(), 0);
    QCOMPARE(f.slotBytes(2).mid(10), hexBytes("00 00 00 00 00 00 00 00"));
    QCOMPARE(f.slotBytes(1), kFullHdTiming);
    QVERIFY(f.checksumValid());
    f.switchRevision(4);
    QCOMPARE(f.combo(3)->count(), 11);
    QCOMPARE(child<QComboBox>(f, "videoTimingMulti", 2)->count(), 4);
    // Default GTF means the same at both revisions: nothing is rewritten.
    const QByteArray image(reinterpret_cast<const char*>(f.newData), 256);
    f.switchRevision(3);
    f.switchRevision(4);
    QCOMPARE(f.slotBytes(2), image.mid(90, 18));
    // A reserved tag is kept as loaded across the switches.
    const QByteArray slot = hexBytes("00 00 00 11 00 FF FF").leftJustified(18, '\0');
    QVERIFY(f.load(baseImage(4, {kFullHdTiming, kDummy, kDummy, slot})));
    QCOMPARE(f.combo(3)->currentIndex(), -1);
    QCOMPARE(HexaViewer::instance()->description(DescriptorSection3).value(0),
             FieldDescription("Monitor Data Type Tag", "Reserved (0x11)"));
    f.switchRevision(3);
    f.switchRevision(4);
    QCOMPARE(f.slotBytes(3), slot);
}

void TestDescriptorEditors::textFieldRefusesWideCharacters()
{
    SlotFixture f;
    openType(f, 4, DESC_PRODUCT_NAME);
    QLineEdit* edit = f.field(1, "prodNameField");
    for (const QChar c : QString::fromUtf8("A\xE2\x82\xAC\xC3\xA9")) { // one key at a time
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
    QCOMPARE(edit->text(), QString::fromUtf8("A\xC3\xA9"));
    QTest::keyClick(edit, Qt::Key_Enter);
    QCOMPARE(f.slotBytes(1).mid(5, 3), hexBytes("41 E9 0A"));
}

void TestDescriptorEditors::rangeRatesAboveByteAtRevision4()
{
    SlotFixture f;
    openType(f, 4, DESC_RANGE_LIMITS);
    typeInto(child<QLineEdit>(f, "maxVRateField"), "300");
    typeInto(child<QLineEdit>(f, "minVRateField"), "260");
    typeInto(child<QLineEdit>(f, "maxHRateField"), "400");
    QCOMPARE(f.slotBytes(1).mid(4, 5), hexBytes("0B 05 2D 00 91"));
    SlotFixture g; // loading the image again gives back the rates
    QVERIFY(g.load(QByteArray(reinterpret_cast<const char*>(f.newData), 256)));
    QCOMPARE(child<QLineEdit>(g, "minVRateField")->text(), QString("260"));
    QCOMPARE(child<QLineEdit>(g, "maxHRateField")->text(), QString("400"));
    g.switchRevision(3); // no offsets at 1.3: the rates are limited to 255
    QCOMPARE(g.slotBytes(1).mid(4, 5), hexBytes("00 FF FF 00 FF"));
    QCOMPARE(child<QLineEdit>(g, "maxVRateField")->text(), QString("255"));
    // A minimum offset flag without the maximum's is not an offset.
    QVERIFY(g.load(baseImage(4, {kFullHdTiming, hexBytes("00 00 00 FD 01 32 4B 1E 53 0F 00 0A")})));
    QCOMPARE(child<QLineEdit>(g, "minVRateField")->text(), QString("50"));
}

void TestDescriptorEditors::rangeCvtBlock()
{
    SlotFixture f;
    openType(f, 4, DESC_RANGE_LIMITS);
    chooseSupport(f, 3);
    child<QCheckBox>(f, "supp169ARCB")->click();
    child<QRadioButton>(f, "pref169ARRB")->click();
    for (const char* name : {"standBlankingCB", "redBlankingCB", "hShrinkCB", "vStretchCB"})
        child<QCheckBox>(f, name)->click();
    typeInto(child<QLineEdit>(f, "prefVRateField"), "60");
    QCOMPARE(f.slotBytes(1).mid(10), hexBytes("04 10 00 00 40 38 90 3C"));
    chooseSupport(f, 1);
    QCOMPARE(f.slotBytes(1).at(10), char(0x02));
}

void TestDescriptorEditors::colorPointGroups()
{
    SlotFixture f;
    const QByteArray points = hexBytes("00 00 00 FB 00 01 05 50 54 78 02 0F FF 00 FE 0A 20 20");
    QVERIFY(f.load(baseImage(4, {kFullHdTiming, points})));
    QCOMPARE(child<QLineEdit>(f, "whiteXField")->text(), QString("0.313"));
    QCOMPARE(child<QLineEdit>(f, "whiteXField2")->text(), QString("0.999"));
    typeInto(child<QLineEdit>(f, "gammaField"), "2.4");
    QCOMPARE(f.slotBytes(1).at(9), char(140));
    QCOMPARE(f.slotBytes(1).mid(10), points.mid(10));
    check(child<QGroupBox>(f, "secondColorPointGB"), false);
    QCOMPARE(f.slotBytes(1).mid(10, 5), hexBytes("00 00 00 00 00"));
    QCOMPARE(child<QLineEdit>(f, "gammaField2")->text(), QString("1.00"));
    check(child<QGroupBox>(f, "secondColorPointGB"), true);
    QCOMPARE(f.slotBytes(1).mid(10, 5), hexBytes("02 00 00 00 00"));
}

void TestDescriptorEditors::cvtCodesAndEstablishedTimingsIII()
{
    SlotFixture f;
    openType(f, 4, DESC_CVT_TIMINGS);
    QGroupBox* second = f.blocks[1]->findChildren<QGroupBox*>("CVTCodeDescriptor").at(1);
    typeInto(second->findChild<QLineEdit*>("vActField"), "1080");
    auto* aspect = second->findChild<QComboBox*>("aspectRatioMulti");
    aspect->setCurrentIndex(1);
    emit aspect->activated(1);
    second->findChild<QRadioButton*>("prefVRate60RB")->click();
    second->findChild<QCheckBox*>("suppVRate60CB")->click();
    QCOMPARE(f.slotBytes(1).mid(6, 6), hexBytes("00 00 00 1B 24 28"));
    typeInto(second->findChild<QLineEdit*>("vActField"), "8192");
    QCOMPARE(f.slotBytes(1).mid(9, 2), hexBytes("FF F4"));
    // Established timings III: the reserved bits are cleared on the first edit.
    const QByteArray loaded = hexBytes("00 00 00 F7 00 0A 00 00 00 00 00 0F 11 22 00 00 00 00");
    QVERIFY(f.load(baseImage(4, {kFullHdTiming, loaded})));
    QCOMPARE(f.slotBytes(1), loaded);
    child<QCheckBox>(f, "estabTimingCB1")->click();
    QCOMPARE(f.slotBytes(1), hexBytes("00 00 00 F7 00 0A 80 00 00 00 00 00 00 00 00 00 00 00"));
    child<QCheckBox>(f, "estabTimingCB1")->click();
    child<QCheckBox>(f, "estabTimingCB44")->click();
    QCOMPARE(f.slotBytes(1).mid(6, 6), hexBytes("00 00 00 00 00 10"));
    QVERIFY(f.checksumValid());
}

namespace {

// What a fixture ends with: its image, the slots' descriptions, then (all
// shown) the type of every slot and the text of every visible field.
QStringList outcome(SlotFixture& f)
{
    QStringList result = {QByteArray(reinterpret_cast<const char*>(f.newData), 256).toHex()};
    for (int s = 0; s < 4; ++s) {
        for (const FieldDescription& field :
             HexaViewer::instance()->description(HexaViewer::Section(DescriptorSection0 + s)))
            result << field.first + '=' + field.second;
    }
    f.host.show();
    for (int s = 0; s < 4; ++s) {
        result << QString("block %1 type %2").arg(s).arg(f.combo(s)->currentIndex());
        for (QWidget* field : f.blocks[s]->findChildren<QWidget*>()) {
            if (!field->isVisibleTo(f.blocks[s]))
                continue;
            if (auto* edit = qobject_cast<QLineEdit*>(field))
                result << edit->objectName() + '=' + edit->text();
            else if (auto* combo = qobject_cast<QComboBox*>(field))
                result << combo->objectName() + '=' + combo->currentText();
        }
    }
    return result;
}

} // namespace

// Slots outside the shown tab make their editors late; loads, revision
// switches and type changes give the bytes, descriptions and fields of
// shown slots all the same. Steps: "rN" switches to 1.N, "S:T" shows type T
// in slot S, "new" makes a new image.
void TestDescriptorEditors::hiddenSlotsActAsShown_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QStringList>("steps");
    const QByteArray highRates = hexBytes("00 00 00 FD 0B 05 2D 00 91 11 04 11 00 F0 80 28 00 3C");
    const QByteArray image = baseImage(4, {kFullHdTiming, highRates, hexBytes("00 00 00 F9 00 03 34 12"),
                                           hexBytes("00 00 00 FF 00 31 32 33 0A 20 20 20 20 20 20 20 20 20")});
    QTest::newRow("loaded") << image << QStringList();
    QTest::newRow("to 1.3") << image << QStringList{"r3"};
    QTest::newRow("to 1.3 and back") << image << QStringList{"r3", "r4"};
    QTest::newRow("loaded types chosen again after a switch")
        << image << QStringList{"1:0", "r3", "r4", "1:4", "2:8", "3:3", "3:2"};
    QTest::newRow("loaded type chosen at 1.3") << image << QStringList{"1:0", "r3", "1:4"};
    QTest::newRow("1.3 image") << baseImage(3, {kFullHdTiming, kCvtRange}) << QStringList{"r4", "1:0", "1:4"};
    QTest::newRow("new image, loaded types chosen") << image << QStringList{"new", "1:4", "2:8", "3:2"};
}

void TestDescriptorEditors::hiddenSlotsActAsShown()
{
    QFETCH(QByteArray, image);
    QFETCH(QStringList, steps);
    QStringList outcomes[2];
    for (bool shown : {true, false}) {
        SlotFixture f(shown);
        setCurrentRevision(Word(image[19]));
        QVERIFY(f.load(image));
        for (const QString& step : steps) {
            if (step == "new")
                f.newImage();
            else if (step.startsWith('r'))
                f.switchRevision(step.mid(1).toInt());
            else
                f.choose(step.section(':', 0, 0).toInt(), step.section(':', 1).toInt());
        }
        outcomes[shown] = outcome(f);
    }
    QCOMPARE(outcomes[false], outcomes[true]);
}

QTEST_MAIN(TestDescriptorEditors)
#include "tst_descriptoreditors.moc"
