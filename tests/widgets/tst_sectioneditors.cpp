// The editors of bytes 8 to 53, driven inside the document as in the program:
// bytes written for typed values, messages and fallbacks, and the bits each
// control owns.
#include <QtTest>

#include "edid.h"
#include "sectiontesthelpers.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

using namespace SectionTest;

class TestSectionEditors : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { delete doc; }
    void init();
    void cleanup();
    void typedValues_data();
    void typedValues();
    void videoInputByte();
    void colourTypeAndEncodings();
    void revision3ChangesControlsNotBytes();
    void modelYearAndOrientation();
    void establishedTimingBits();
    void uncheckedStandardTiming();

private:
    void open(const QByteArray& bytes)
    {
        QVERIFY(images.load(bytes));
        doc->setImages(images.saved, images.working);
        doc->initFields(images.decoded);
        doc->adaptToEDIDVersion(false);
        boxes->clear();
    }
    QWidget* editor(const QString& key);
    template <typename T> T* in(const QString& key, const char* name) { return editor(key)->findChild<T*>(name); }
    QByteArray working(int first, int count) { return hexOf(images.working, first, count); }

    Edid* doc = nullptr;
    BoxRecorder* boxes = nullptr;
    Images images;
};

QWidget* TestSectionEditors::editor(const QString& key)
{
    if (key.startsWith("standardTiming"))
        return doc->standardTimings().findChild<QWidget*>(key);
    const QMap<QString, QWidget*> editors = {
        {"vendor", &doc->vendorProductID()}, {"input", &doc->videoInput()}, {"size", &doc->screenSize()},
        {"gamma", &doc->transferCharacteristics()}, {"features", &doc->featureSupport()},
        {"color", &doc->colorCharacteristics()}, {"established", &doc->establishedTimings()}};
    return editors.value(key);
}

void TestSectionEditors::initTestCase()
{
    qRegisterMetaType<Bool>("Bool");
    doc = new Edid;
    for (const char* key : {"vendor", "input", "size", "gamma", "features", "color", "established"}) {
        editor(key)->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor(key)));
    }
    doc->standardTimings().show();
}

void TestSectionEditors::init()
{
    boxes = new BoxRecorder;
    open(digital14());
}

// Every edit recomputes the checksum and marks exactly the changed bytes.
void TestSectionEditors::cleanup()
{
    QVERIFY(images.checksumValid());
    QCOMPARE(markedBytes(), images.changedBytes());
    delete boxes;
}

void TestSectionEditors::typedValues_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("field"); // editor/field
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("first");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message"); // empty: no box
    const QByteArray d = digital14(); // 60 x 34 cm, gamma 2.20, 1920x1080 @ 60 first
    const QByteArray landscape = patched(d, {{21, 79}, {22, 0}});
    const QByteArray portrait = patched(d, {{21, 0}, {22, 79}});
    auto row = [](const char* name, const QByteArray& image, const char* field, const char* typed, int first,
                  const char* written, const char* shown, const char* title = "", const QString& message = {}) {
        QTest::newRow(name) << image << field << typed << first << QByteArray(written) << shown << title << message;
    };
    const char* F = "Format Error";
    row("manufacturer abc", d, "vendor/manufIDField", "abc", 8, "0443", "ABC");
    row("manufacturer AB", d, "vendor/manufIDField", "AB", 8, "0421", "AAA", F,
        "Manufacturer ID must have 3 upper cased characters");
    row("product 1a2b", d, "vendor/productIDField", "1a2b", 10, "2b1a", "1A2B");
    row("product 12", d, "vendor/productIDField", "12", 10, "0000", "0000", F,
        "Product ID must have 4 hexadecimal characters");
    row("serial largest", d, "vendor/serialNumberField", "4294967295", 12, "ffffffff", "4294967295");
    row("serial empty", d, "vendor/serialNumberField", "", 12, "00000000", "0");
    row("serial 2^32", d, "vendor/serialNumberField", "4294967296", 12, "00000000", "0", F,
        "Serial Number must be in range of 0 to 4294967295");
    row("serial letters", d, "vendor/serialNumberField", "12a3", 12, "7b000000", "123");
    row("week 54", d, "vendor/weekField", "54", 16, "36", "54");
    row("week 55", d, "vendor/weekField", "55", 16, "01", "1", F, "Week Number must be between 1 and 54");
    row("week 0", d, "vendor/weekField", "0", 16, "01", "1", F, "Week Number must be between 1 and 54");
    row("year 2245", d, "vendor/yearField", "2245", 17, "ff", "2245");
    row("year 1989", d, "vendor/yearField", "1989", 17, "00", "1990", F, "Year must be between 1990 and 2245");
    const char* f = "Format error";
    row("h size 255", d, "size/hSizeField", "255", 21, "ff22", "255");
    row("h size 256", d, "size/hSizeField", "256", 21, "0022", "0", f, "Horizontal Size must be in range of 0 to 255 cm");
    row("v size 300", d, "size/vSizeField", "300", 21, "3c00", "0", f, "Vertical Size must be in range of 0 to 255 cm");
    const QString landscapeRange = "In Landscape Orientation, Aspect Ratio must be in range of 1.00 to 3.54";
    const QString portraitRange = "In Portrait Orientation, Aspect Ratio must be in range of 0.28 to 0.99";
    row("landscape 3.54", landscape, "size/ratioField", "3.54", 21, "ff00", "3.54");
    row("landscape 1.15", landscape, "size/ratioField", "1.15", 21, "1000", "1.15");
    row("landscape 0.99", landscape, "size/ratioField", "0.99", 21, "0100", "1.00", f, landscapeRange);
    row("landscape empty", landscape, "size/ratioField", "", 21, "0100", "1.00", f, landscapeRange);
    row("portrait 0.57", portrait, "size/ratioField", "0.57", 21, "004c", "0.57");
    row("portrait 0.28 nearest fit", portrait, "size/ratioField", "0.28", 21, "00ff", "0.28");
    row("portrait 1.00", portrait, "size/ratioField", "1.00", 21, "00ff", "0.28", f, portraitRange);
    const QString gammaRange = "Gamma must be in range of 1.00 to 3.54";
    row("gamma 1.15", d, "gamma/gammaField", "1.15", 23, "0f", "1.15");
    row("gamma 3.54", d, "gamma/gammaField", "3.54", 23, "fe", "3.54");
    row("gamma 3.55", d, "gamma/gammaField", "3.55", 23, "00", "1.00", f, gammaRange);
    row("gamma empty", d, "gamma/gammaField", "", 23, "00", "1.00", f, gammaRange);
    const QString chromaticity = "Display X, Y chromaticity must be in range of 0.000 to 0.999";
    row("red x 0.5", d, "color/redXField", "0.5", 25, "2e9580", "0.5");
    row("red x .9999 fits", d, "color/redXField", ".9999", 25, "ee95ff", "0.999");
    row("red x 1.0", d, "color/redXField", "1.0", 25, "2e9500", "0.000", "CEA extention warning", chromaticity);
    row("red x 0..1", d, "color/redXField", "0..1", 25, "2e9500", "0.000", "CEA extention warning", chromaticity);
    const QString pixels = "Horizontal Active Pixels must be in the range of 256 to 2288 Hz in increments of 8 pixels";
    const QString rate = "Refresh Rate must be in range of 60 to 123 Hz";
    row("timing 2288 pixels", d, "standardTiming1/hActiveField", "2288", 38, "ffc0", "2288");
    row("timing 1924 pixels", d, "standardTiming1/hActiveField", "1924", 38, "01c0", "256", F, pixels);
    row("timing 248 pixels", d, "standardTiming1/hActiveField", "248", 38, "01c0", "256", F, pixels);
    row("timing 123 Hz", d, "standardTiming1/refreshField", "123", 38, "d1ff", "123");
    row("timing 124 Hz", d, "standardTiming1/refreshField", "124", 38, "d1c0", "60", F, rate);
}

void TestSectionEditors::typedValues()
{
    QFETCH(QByteArray, image);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(int, first);
    QFETCH(QByteArray, written);
    QFETCH(QString, title);
    QFETCH(QString, message);
    open(image);
    QLineEdit* edit = in<QLineEdit>(field.section('/', 0, 0), qPrintable(field.section('/', 1)));
    typeInto(edit, typed);
    QCOMPARE(working(first, written.size() / 2), written);
    QTEST(edit->text(), "shown");
    checkBox(*boxes, title, message);
}

void TestSectionEditors::videoInputByte()
{
    open(analog13());
    choose(in<QComboBox>("input", "signalLevelMulti"), 2);
    click(in<QCheckBox>("input", "serrationCB"));
    QCOMPARE(int(images.working[20]), 0x49);
    QCOMPARE(describedValue(DisplayParametersSection, "Signal Level"), QString("1.000 : .400 Vp-p"));
    click(in<QRadioButton>("input", "digitalRB"));
    QCOMPARE(int(images.working[20]), 0x80);
    click(in<QCheckBox>("input", "dfpSupportCB"));
    QCOMPARE(int(images.working[20]), 0x81);
    click(in<QRadioButton>("input", "analogRB")); // the analog settings come back
    QCOMPARE(int(images.working[20]), 0x49);
    // 1.4: reserved depth and interface values survive an edit of the other.
    open(patched(digital14(), {{20, 0x8F}}));
    QVERIFY(images.unchanged());
    choose(in<QComboBox>("input", "cbdMulti"), 2);
    QCOMPARE(int(images.working[20]), 0xAF);
    open(patched(digital14(), {{20, 0xF5}}));
    choose(in<QComboBox>("input", "interfaceMulti"), 1);
    QCOMPARE(int(images.working[20]), 0xF1);
}

void TestSectionEditors::colourTypeAndEncodings()
{
    open(analog13());
    const int bits[] = {3, 0, 1, 2}; // Undefined, Monochrome, RGB, Non-RGB
    for (int item = 0; item < 4; ++item) {
        choose(in<QComboBox>("features", "colorTypeMulti"), item);
        QCOMPARE(int(images.working[24]), 0xE2 | bits[item] << 3);
    }
    open(patched(digital14(), {{24, 0x22}}));
    click(in<QCheckBox>("features", "ycrcb444CB"));
    QCOMPARE(int(images.working[24]), 0x2A);
    click(in<QCheckBox>("features", "ycrcb422CB"));
    QCOMPARE(int(images.working[24]), 0x3A);
    click(in<QCheckBox>("features", "rgb444CB")); // always supported
    QVERIFY(in<QCheckBox>("features", "rgb444CB")->isChecked());
    QCOMPARE(int(images.working[24]), 0x3A);
    // The input type only changes which group is enabled.
    click(in<QRadioButton>("input", "analogRB"));
    QVERIFY(in<QGroupBox>("features", "colorTypeGB")->isEnabled());
    QCOMPARE(int(images.working[24]), 0x3A);
}

void TestSectionEditors::revision3ChangesControlsNotBytes()
{
    open(patched(digital14(), {{24, 0x1A}}));
    doc->versionRecord().setRevision(3);
    doc->adaptToEDIDVersion(true);
    doc->versionRecord().write();
    QCOMPARE(images.changedBytes(), QSet<int>({19, 127}));
    QVERIFY(!in<QCheckBox>("vendor", "modelYearCB")->isEnabled());
    QVERIFY(!in<QRadioButton>("size", "aspectRatioRB")->isEnabled());
    click(in<QCheckBox>("input", "dfpSupportCB"));
    QCOMPARE(int(images.working[20]), 0x81);
    click(in<QCheckBox>("features", "contFreqCB"));
    QCOMPARE(int(images.working[24]), 0x1B);
    // A 1.3 image: bytes the editors cannot produce stay until edited.
    open(patched(analog13(), {{16, 0xFF}, {23, 0xFF}}));
    QVERIFY(in<QCheckBox>("vendor", "modelYearCB")->isChecked());
    QCOMPARE(in<QLineEdit>("gamma", "gammaField")->text(), QString("3.55"));
    QVERIFY(images.unchanged());
    typeInto(in<QLineEdit>("vendor", "yearField"), "2010");
    typeInto(in<QLineEdit>("size", "vSizeField"), "30");
    QCOMPARE(working(16, 8), QByteArray("ff14010368291eff"));
}

void TestSectionEditors::modelYearAndOrientation()
{
    click(in<QCheckBox>("vendor", "modelYearCB"));
    QCOMPARE(int(images.working[16]), 0xFF);
    QVERIFY(!in<QLineEdit>("vendor", "weekField")->isEnabled());
    click(in<QCheckBox>("vendor", "modelYearCB"));
    QCOMPARE(int(images.working[16]), 1);
    QCOMPARE(describedValue(VendorProductSection, "Week of Manufacture"), QString("1"));
    click(in<QRadioButton>("size", "aspectRatioRB"));
    click(in<QRadioButton>("size", "landscapeRB"));
    boxes->clear(); // the orientation left by an earlier test may not fit
    typeInto(in<QLineEdit>("size", "ratioField"), "1.78");
    QCOMPARE(working(21, 2), QByteArray("4f00"));
    click(in<QRadioButton>("size", "portraitRB")); // 1.78 does not fit a portrait screen
    checkBox(*boxes, "Format error", "Aspect Ratio not in range for Portrait Orientation");
    typeInto(in<QLineEdit>("size", "ratioField"), "0.56");
    QCOMPARE(working(21, 2), QByteArray("004f"));
}

void TestSectionEditors::establishedTimingBits()
{
    open(analog13());
    auto timing = [this](const QString& name) { return in<QCheckBox>("established", qPrintable(name)); };
    for (int bit = 1; bit <= 8; ++bit) { // keep only 640x480 @ 60 Hz in byte 35
        if (timing(QString("estabTimingI%1").arg(bit))->isChecked() != (bit == 3))
            click(timing(QString("estabTimingI%1").arg(bit)));
    }
    QCOMPARE(int(images.working[35]), 0x20);
    const Byte byte36 = images.working[36];
    click(timing("estabTimingII8"));
    QCOMPARE(int(images.working[36]), byte36 ^ 0x01);
    QCOMPARE(describedValue(EstablishedSection, "640x480 @ 60 Hz [IBM, VGA]"), QString("YES"));
    // The manufacturer bit; the reserved bits of byte 37 stay.
    QCOMPARE(int(images.working[37]), 0x7F);
    click(timing("manufTimingCB"));
    QCOMPARE(int(images.working[37]), 0xFF);
    click(timing("manufTimingCB"));
    QCOMPARE(int(images.working[37]), 0x7F);
}

void TestSectionEditors::uncheckedStandardTiming()
{
    click(in<QCheckBox>("standardTiming2", "enableCB"));
    QCOMPARE(working(40, 2), QByteArray("0101"));
    QCOMPARE(in<QLineEdit>("standardTiming2", "hActiveField")->text(), QString("256"));
    QVERIFY(!in<QLineEdit>("standardTiming2", "hActiveField")->isEnabled());
    click(in<QCheckBox>("standardTiming5", "enableCB"));
    typeInto(in<QLineEdit>("standardTiming5", "hActiveField"), "1280");
    typeInto(in<QLineEdit>("standardTiming5", "refreshField"), "75");
    choose(in<QComboBox>("standardTiming5", "aspectRatioMulti"), 2);
    QCOMPARE(working(46, 2), QByteArray("818f"));
    // An unused code with another second byte loads as unused.
    open(patched(analog13(), {{38, 0x01}, {39, 0x40}}));
    QVERIFY(!in<QCheckBox>("standardTiming1", "enableCB")->isChecked());
    QVERIFY(images.unchanged());
}

QTEST_MAIN(TestSectionEditors)
#include "tst_sectioneditors.moc"
