#include <QtTest>

#include "edid.h"
#include "sectiontesthelpers.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

using namespace SectionTest;

// The four editors of bytes 20 to 24, driven inside the document so that the
// input type reaches the feature support editor as in the program.
class TestDisplayParameters : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void analogInputByteAndSwitchToDigital();
    void digitalRevision4Byte();
    void reservedDigitalValuesSurviveOtherEdits_data();
    void reservedDigitalValuesSurviveOtherEdits();

    void typedValues_data();
    void typedValues();
    void landscapeAndPortraitRatios();
    void revision3BytesTheEditorsCannotWriteAreKept();
    void aspectRatioImageOpensInAspectModeUntilRevision3();

    void analogColourType_data();
    void analogColourType();
    void digitalEncodings();
    void inputTypeOnlyChangesWhichGroupIsEnabled();
    void revision3SwitchChangesControlsNotBytes();

private:
    template <typename T> T* in(QWidget* editor, const char* name) { return editor->findChild<T*>(name); }
    void open(const QByteArray& bytes)
    {
        QVERIFY(images.load(bytes));
        doc->setImages(images.saved, images.working);
        doc->initFields(images.decoded);
        doc->adaptToEDIDVersion(false);
        boxes->clear();
    }
    void setRevision(Word revision)
    {
        doc->versionRecord().setRevision(revision);
        doc->adaptToEDIDVersion(true);
        doc->versionRecord().write();
    }
    QString described(const char* label) { return describedValue(HexaViewer::DisplayParametersSection, label); }
    QWidget* input() { return &doc->videoInput(); }
    QWidget* size() { return &doc->screenSize(); }
    QWidget* gammaEditor() { return &doc->transferCharacteristics(); }
    QWidget* features() { return &doc->featureSupport(); }

    Edid* doc = nullptr;
    BoxRecorder* boxes = nullptr;
    Images images;
};

void TestDisplayParameters::init()
{
    qRegisterMetaType<Bool>("Bool");
    doc = new Edid;
    boxes = new BoxRecorder;
    for (QWidget* editor : {input(), size(), gammaEditor(), features()}) {
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor));
    }
}

void TestDisplayParameters::cleanup()
{
    QVERIFY(images.checksumValid());
    QCOMPARE(markedBytes(), images.changedBytes());
    delete boxes;
    delete doc;
}

void TestDisplayParameters::analogInputByteAndSwitchToDigital()
{
    open(analog13());
    QVERIFY(in<QRadioButton>(input(), "analogRB")->isChecked());
    choose(in<QComboBox>(input(), "signalLevelMulti"), 2);
    QVERIFY(in<QCheckBox>(input(), "sepSyncCB")->isChecked());
    click(in<QCheckBox>(input(), "serrationCB"));
    QCOMPARE(int(images.working[20]), 0x49);
    QCOMPARE(images.changedBytes(), QSet<int>({20, 127}));
    QCOMPARE(described("Signal Level"), QString("1.000 : .400 Vp-p"));
    QCOMPARE(described("Serration"), QString("YES"));

    // To digital and back at revision 3.
    QSignalSpy spy(&doc->videoInput(), &DisplayVideonInput::inputTypeChanged);
    click(in<QRadioButton>(input(), "digitalRB"));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), false);
    QCOMPARE(int(images.working[20]), 0x80);
    QVERIFY(!in<QGroupBox>(input(), "analogGB")->isEnabled());
    QCOMPARE(described("DFP 1.X Compatible"), QString("no"));
    click(in<QCheckBox>(input(), "dfpSupportCB"));
    QCOMPARE(int(images.working[20]), 0x81);
    click(in<QCheckBox>(input(), "dfpSupportCB"));
    QCOMPARE(int(images.working[20]), 0x80);
    click(in<QRadioButton>(input(), "analogRB"));   // the analog settings come back
    QCOMPARE(int(images.working[20]), 0x49);
}

void TestDisplayParameters::digitalRevision4Byte()
{
    open(digital14());
    QCOMPARE(in<QComboBox>(input(), "cbdMulti")->currentIndex(), 2);
    QCOMPARE(in<QComboBox>(input(), "interfaceMulti")->currentIndex(), 5);
    choose(in<QComboBox>(input(), "cbdMulti"), 3);
    QCOMPARE(int(images.working[20]), 0xB5);
    choose(in<QComboBox>(input(), "interfaceMulti"), 2);
    QCOMPARE(int(images.working[20]), 0xB2);
    QCOMPARE(described("Interface"), QString("HDMI-a"));
}

void TestDisplayParameters::reservedDigitalValuesSurviveOtherEdits_data()
{
    QTest::addColumn<int>("loaded");
    QTest::addColumn<QString>("combo");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("written");
    QTest::newRow("interface 1111, depth edited") << 0x8F << "cbdMulti" << 2 << 0xAF;
    QTest::newRow("interface 6, depth edited") << 0x96 << "cbdMulti" << 4 << 0xC6;
    QTest::newRow("depth 7, interface edited") << 0xF5 << "interfaceMulti" << 1 << 0xF1;
}

void TestDisplayParameters::reservedDigitalValuesSurviveOtherEdits()
{
    QFETCH(int, loaded);
    QFETCH(QString, combo);
    QFETCH(int, item);
    QFETCH(int, written);
    open(patched(digital14(), {{20, loaded}}));
    if ((loaded & 0x0F) > 5)
        QCOMPARE(in<QComboBox>(input(), "interfaceMulti")->currentText(), QString("Undefined"));
    QVERIFY(images.unchanged());
    choose(in<QComboBox>(input(), qPrintable(combo)), item);
    QCOMPARE(int(images.working[20]), written);
}

// A value typed into a screen size, aspect ratio or gamma field: bytes 21-23
// written, and the box and fallback text for a value out of range.
void TestDisplayParameters::typedValues_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("message");
    const QByteArray sizes = digital14();   // 60 x 34 cm, gamma 2.20
    const QByteArray landscape = patched(sizes, {{21, 79}, {22, 0}});
    const QByteArray portrait = patched(sizes, {{21, 0}, {22, 79}});
    const QString landscapeRange = "In Landscape Orientation, Aspect Ratio must be in range of 1.00 to 3.54";
    const QString portraitRange = "In Portrait Orientation, Aspect Ratio must be in range of 0.28 to 0.99";
    const QString hRange = "Horizontal Size must be in range of 0 to 255 cm";
    const QString vRange = "Vertical Size must be in range of 0 to 255 cm";
    const QString gammaRange = "Gamma must be in range of 1.00 to 3.54";
    auto row = [](const char* name, const QByteArray& image, const char* field, const char* typed,
                  const char* written, const char* shown, const QString& message = QString()) {
        QTest::newRow(name) << image << field << typed << QByteArray(written) << shown << message;
    };
    row("landscape 3.54", landscape, "ratioField", "3.54", "ff0078", "3.54");
    row("landscape 1.00", landscape, "ratioField", "1.00", "010078", "1.00");
    row("landscape 1.15 keeps its hundredth", landscape, "ratioField", "1.15", "100078", "1.15");
    row("landscape 3.55", landscape, "ratioField", "3.55", "010078", "1.00", landscapeRange);
    row("landscape 0.99", landscape, "ratioField", "0.99", "010078", "1.00", landscapeRange);
    row("landscape empty", landscape, "ratioField", "", "010078", "1.00", landscapeRange);
    row("portrait 0.99", portrait, "ratioField", "0.99", "000278", "0.99");
    row("portrait 0.57 keeps its hundredth", portrait, "ratioField", "0.57", "004c78", "0.57");
    // 10000 / 28 - 99 = 258 does not fit: 255 is the nearest storable value.
    row("portrait 0.28 stored as nearest fit", portrait, "ratioField", "0.28", "00ff78", "0.28");
    row("portrait 1.00", portrait, "ratioField", "1.00", "00ff78", "0.28", portraitRange);
    row("portrait 0.27", portrait, "ratioField", "0.27", "00ff78", "0.28", portraitRange);
    row("h 255", sizes, "hSizeField", "255", "ff2278", "255");
    row("h 256", sizes, "hSizeField", "256", "002278", "0", hRange);
    row("h empty", sizes, "hSizeField", "", "002278", "0", hRange);
    row("v 0", sizes, "vSizeField", "0", "3c0078", "0");
    row("v 300", sizes, "vSizeField", "300", "3c0078", "0", vRange);
    row("gamma 2.2", sizes, "gammaField", "2.2", "3c2278", "2.2");
    row("gamma 1.15", sizes, "gammaField", "1.15", "3c220f", "1.15");
    row("gamma 3.54", sizes, "gammaField", "3.54", "3c22fe", "3.54");
    row("gamma 1", sizes, "gammaField", "1", "3c2200", "1");
    row("gamma 0.9", sizes, "gammaField", "0.9", "3c2200", "1.00", gammaRange);
    row("gamma 3.55", sizes, "gammaField", "3.55", "3c2200", "1.00", gammaRange);
    row("gamma empty", sizes, "gammaField", "", "3c2200", "1.00", gammaRange);
}

void TestDisplayParameters::typedValues()
{
    QFETCH(QByteArray, image);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    open(image);
    const bool isGamma = field == "gammaField";
    QLineEdit* edit = in<QLineEdit>(isGamma ? gammaEditor() : size(), qPrintable(field));
    typeInto(edit, typed);
    QTEST(hexOf(images.working, 21, 3), "written");
    QTEST(edit->text(), "shown");
    checkBox(*boxes, "Format error", message);
    if (isGamma)
        QCOMPARE(described("Gamma"), edit->text());
}

void TestDisplayParameters::landscapeAndPortraitRatios()
{
    open(digital14());
    click(in<QRadioButton>(size(), "aspectRatioRB"));
    QVERIFY(in<QGroupBox>(size(), "aspectRatioGB")->isEnabled());
    QVERIFY(!in<QGroupBox>(size(), "dimensionsGB")->isEnabled());
    typeInto(in<QLineEdit>(size(), "ratioField"), "1.78");
    QCOMPARE(hexOf(images.working, 21, 2), QByteArray("4f00"));
    QCOMPARE(described("Landscape Ratio"), QString("1.78"));
    QCOMPARE(boxes->count(), 0);

    // The landscape ratio does not fit a portrait screen.
    click(in<QRadioButton>(size(), "portraitRB"));
    checkBox(*boxes, "Format error", "Aspect Ratio not in range for Portrait Orientation");
    typeInto(in<QLineEdit>(size(), "ratioField"), "0.56");
    QCOMPARE(hexOf(images.working, 21, 2), QByteArray("004f"));
    T_EDID_DEF def;
    QVERIFY(decodeBaseBlock(images.working, def));
    QCOMPARE(def.screenSize.mode, int(SCREEN_PORTRAIT));
    QCOMPARE(int(def.screenSize.value), 56);
}

void TestDisplayParameters::revision3BytesTheEditorsCannotWriteAreKept()
{
    // One size missing, and a gamma byte of 255, which the field cannot produce.
    open(patched(analog13(), {{23, 255}}));
    QVERIFY(in<QRadioButton>(size(), "dimensionsRB")->isChecked());
    QVERIFY(!in<QRadioButton>(size(), "aspectRatioRB")->isEnabled());
    QCOMPARE(in<QLineEdit>(size(), "hSizeField")->text(), QString("41"));
    QCOMPARE(in<QLineEdit>(gammaEditor(), "gammaField")->text(), QString("3.55"));
    QVERIFY(images.unchanged());
    // Editing another editor of the group leaves bytes 21-22 alone.
    typeInto(in<QLineEdit>(gammaEditor(), "gammaField"), "2.40");
    QCOMPARE(hexOf(images.working, 21, 3), QByteArray("29008c"));
    typeInto(in<QLineEdit>(size(), "vSizeField"), "30");
    QCOMPARE(hexOf(images.working, 21, 2), QByteArray("291e"));
}

void TestDisplayParameters::aspectRatioImageOpensInAspectModeUntilRevision3()
{
    open(analog13());
    QVERIFY(images.load(patched(digital14(), {{21, 79}, {22, 0}})));
    doc->setImages(images.saved, images.working);
    doc->initFields(images.decoded);
    // Right after loading, before the document passes the revision on.
    QVERIFY(in<QRadioButton>(size(), "aspectRatioRB")->isChecked());
    QVERIFY(in<QRadioButton>(size(), "landscapeRB")->isChecked());
    QCOMPARE(in<QLineEdit>(size(), "ratioField")->text(), QString("1.78"));
    QCOMPARE(in<QLineEdit>(size(), "hSizeField")->text(), QString("0"));
    doc->adaptToEDIDVersion(false);
    QVERIFY(in<QRadioButton>(size(), "aspectRatioRB")->isChecked());
    QVERIFY(images.unchanged());

    setRevision(3);
    QVERIFY(in<QRadioButton>(size(), "dimensionsRB")->isChecked());
    QVERIFY(!in<QRadioButton>(size(), "aspectRatioRB")->isEnabled());
    QCOMPARE(int(images.working[21]), 79);
    typeInto(in<QLineEdit>(size(), "hSizeField"), "50");
    QCOMPARE(hexOf(images.working, 21, 2), QByteArray("3200"));
}

void TestDisplayParameters::analogColourType_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("bits");
    QTest::newRow("Undefined") << 0 << 3;
    QTest::newRow("Monochrome") << 1 << 0;
    QTest::newRow("RGB") << 2 << 1;
    QTest::newRow("Non-RGB") << 3 << 2;
}

void TestDisplayParameters::analogColourType()
{
    QFETCH(int, item);
    QFETCH(int, bits);
    open(analog13());
    QCOMPARE(in<QComboBox>(features(), "colorTypeMulti")->currentIndex(), 2);
    choose(in<QComboBox>(features(), "colorTypeMulti"), item);
    QCOMPARE(int(images.working[24]), 0xE2 | bits << 3);
}

void TestDisplayParameters::digitalEncodings()
{
    open(patched(digital14(), {{24, 0x22}}));
    QVERIFY(!in<QGroupBox>(features(), "colorTypeGB")->isEnabled());
    click(in<QCheckBox>(features(), "ycrcb444CB"));
    click(in<QCheckBox>(features(), "ycrcb422CB"));
    QCOMPARE(int(images.working[24]), 0x3A);
    click(in<QCheckBox>(features(), "ycrcb444CB"));
    QCOMPARE(int(images.working[24]), 0x32);
    QCOMPARE(described("Color Encoding Format"), QString("Specified"));
    // RGB 4:4:4 is always supported: the box cannot be cleared.
    click(in<QCheckBox>(features(), "rgb444CB"));
    QVERIFY(in<QCheckBox>(features(), "rgb444CB")->isChecked());
    QCOMPARE(int(images.working[24]), 0x32);
}

void TestDisplayParameters::inputTypeOnlyChangesWhichGroupIsEnabled()
{
    open(patched(digital14(), {{24, 0x22}}));
    for (const char* type : {"analogRB", "digitalRB"}) {
        click(in<QRadioButton>(input(), type));
        const bool analog = QByteArray(type) == "analogRB";
        QCOMPARE(in<QGroupBox>(features(), "colorTypeGB")->isEnabled(), analog);
        QCOMPARE(in<QGroupBox>(features(), "colorEncoFormatGB")->isEnabled(), !analog);
        QCOMPARE(int(images.working[24]), 0x22);
    }
}

void TestDisplayParameters::revision3SwitchChangesControlsNotBytes()
{
    open(patched(digital14(), {{24, 0x1A}}));
    QVERIFY(!in<QCheckBox>(input(), "dfpSupportCB")->isVisibleTo(input()));
    QCOMPARE(in<QCheckBox>(features(), "contFreqCB")->text(), QString("Continuous Frequency (1.4)"));
    setRevision(3);
    QCOMPARE(images.changedBytes(), QSet<int>({19, 127}));
    QVERIFY(!in<QGroupBox>(input(), "digitalGB")->isVisibleTo(input()));
    QVERIFY(!in<QGroupBox>(features(), "colorEncoFormatGB")->isEnabled());
    QCOMPARE(in<QCheckBox>(features(), "contFreqCB")->text(), QString("Default GTF (1.3)"));
    // The 1.3 controls write their bits; the colour bits stay.
    click(in<QCheckBox>(input(), "dfpSupportCB"));
    QCOMPARE(int(images.working[20]), 0x81);
    click(in<QCheckBox>(features(), "standbyModeCB"));
    QCOMPARE(int(images.working[24]), 0x9A);
    click(in<QCheckBox>(features(), "contFreqCB"));
    QCOMPARE(int(images.working[24]), 0x9B);

    // A 1.3 digital display keeps its colour type bits when a flag is edited.
    open(patched(analog13(), {{20, 0x81}, {24, 0x0A}}));
    click(in<QCheckBox>(features(), "srgbCB"));
    QCOMPARE(int(images.working[24]), 0x0E);
}

QTEST_MAIN(TestDisplayParameters)
#include "tst_displayparameters.moc"
