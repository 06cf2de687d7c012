#include <QtTest>

#include "edid.h"
#include "sectiontesthelpers.h"
#include "testsupport.h"

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

    void analogInputByte();
    void digitalRevision4Byte();
    void analogToDigitalAtRevision3();
    void reservedDigitalValuesSurviveOtherEdits_data();
    void reservedDigitalValuesSurviveOtherEdits();
    void revisionChangeOnlyChangesTheControls();

    void landscapeAndPortraitRatios();
    void ratioLimits_data();
    void ratioLimits();
    void narrowestPortraitIsStoredAsTheNearestFit();
    void sizeLimits_data();
    void sizeLimits();
    void revision3WithOneSizeKeepsItsBytes();
    void aspectRatioImageOpensInAspectMode();
    void switchingToRevision3ForcesDimensions();

    void gamma_data();
    void gamma();
    void gammaByte255ShowsItsValue();

    void analogColourType_data();
    void analogColourType();
    void digitalEncodings();
    void inputTypeOnlyChangesWhichGroupIsEnabled();
    void colourBitsSurviveARevisionSwitch();
    void flagCaptionFollowsTheRevision();

private:
    template <typename T> T* find(QWidget* editor, const char* name)
    {
        T* widget = editor->findChild<T*>(name);
        if (!widget)
            qWarning("missing control %s", name);
        return widget;
    }
    void open(const QByteArray& bytes)
    {
        QVERIFY(images.load(bytes));
        doc->setImages(images.saved, images.working);
        doc->initFields(images.decoded);
        doc->adaptToEDIDVersion(false);
        boxes->clear();
    }
    QByteArray withBytes(QByteArray bytes, std::initializer_list<std::pair<int, int>> changes)
    {
        for (const auto& change : changes)
            bytes[change.first] = char(change.second);
        updateBlockChecksum(reinterpret_cast<Byte*>(bytes.data()));
        return bytes;
    }
    void setRevision(Word revision)
    {
        doc->versionRecord().setRevision(revision);
        doc->adaptToEDIDVersion(true);
        doc->versionRecord().write();
    }
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

void TestDisplayParameters::analogInputByte()
{
    open(analog13());
    QVERIFY(find<QRadioButton>(input(), "analogRB")->isChecked());
    choose(find<QComboBox>(input(), "signalLevelMulti"), 2);
    QVERIFY(find<QCheckBox>(input(), "sepSyncCB")->isChecked());
    click(find<QCheckBox>(input(), "serrationCB"));
    QCOMPARE(int(images.working[20]), 0x49);
    QCOMPARE(images.changedBytes(), QSet<int>({20, 127}));
    QCOMPARE(describedValue(HexaViewer::DisplayParametersSection, "Signal Level"), QString("1.000 : .400 Vp-p"));
    QCOMPARE(describedValue(HexaViewer::DisplayParametersSection, "Serration"), QString("YES"));
}

void TestDisplayParameters::digitalRevision4Byte()
{
    open(digital14());
    QCOMPARE(find<QComboBox>(input(), "cbdMulti")->currentIndex(), 2);
    QCOMPARE(find<QComboBox>(input(), "interfaceMulti")->currentIndex(), 5);
    choose(find<QComboBox>(input(), "cbdMulti"), 3);
    QCOMPARE(int(images.working[20]), 0xB5);
    choose(find<QComboBox>(input(), "interfaceMulti"), 2);
    QCOMPARE(int(images.working[20]), 0xB2);
    QCOMPARE(describedValue(HexaViewer::DisplayParametersSection, "Interface"), QString("HDMI-a"));
    choose(find<QComboBox>(input(), "cbdMulti"), 2);
    choose(find<QComboBox>(input(), "interfaceMulti"), 5);
    QCOMPARE(int(images.working[20]), 0xA5);
}

void TestDisplayParameters::analogToDigitalAtRevision3()
{
    open(analog13());
    QSignalSpy spy(&doc->videoInput(), &DisplayVideonInput::inputTypeChanged);
    click(find<QRadioButton>(input(), "digitalRB"));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), false);
    QCOMPARE(int(images.working[20]), 0x80);
    QVERIFY(!find<QGroupBox>(input(), "analogGB")->isEnabled());
    QCOMPARE(describedValue(HexaViewer::DisplayParametersSection, "DFP 1.X Compatible"), QString("no"));
    click(find<QCheckBox>(input(), "dfpSupportCB"));
    QCOMPARE(int(images.working[20]), 0x81);
    click(find<QCheckBox>(input(), "dfpSupportCB"));
    QCOMPARE(int(images.working[20]), 0x80);
    click(find<QRadioButton>(input(), "analogRB"));
    QCOMPARE(int(images.working[20]), 0x68);
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
    open(withBytes(digital14(), {{20, loaded}}));
    if (loaded & 0x0F) {
        if ((loaded & 0x0F) > 5)
            QCOMPARE(find<QComboBox>(input(), "interfaceMulti")->currentText(), QString("Undefined"));
    }
    QVERIFY(images.unchanged());
    choose(find<QComboBox>(input(), qPrintable(combo)), item);
    QCOMPARE(int(images.working[20]), written);
}

void TestDisplayParameters::revisionChangeOnlyChangesTheControls()
{
    open(digital14());
    QVERIFY(find<QGroupBox>(input(), "digitalGB")->isVisibleTo(input()));
    QVERIFY(!find<QCheckBox>(input(), "dfpSupportCB")->isVisibleTo(input()));
    setRevision(3);
    QCOMPARE(images.changedBytes(), QSet<int>({19, 127}));
    QVERIFY(!find<QGroupBox>(input(), "digitalGB")->isVisibleTo(input()));
    QVERIFY(find<QCheckBox>(input(), "dfpSupportCB")->isVisibleTo(input()));
    click(find<QCheckBox>(input(), "dfpSupportCB"));
    QCOMPARE(int(images.working[20]), 0x81);
}

void TestDisplayParameters::landscapeAndPortraitRatios()
{
    open(digital14());
    click(find<QRadioButton>(size(), "aspectRatioRB"));
    QVERIFY(find<QGroupBox>(size(), "aspectRatioGB")->isEnabled());
    QVERIFY(!find<QGroupBox>(size(), "dimensionsGB")->isEnabled());
    typeInto(find<QLineEdit>(size(), "ratioField"), "1.78");
    QCOMPARE(int(images.working[21]), 79);
    QCOMPARE(int(images.working[22]), 0);
    QCOMPARE(describedValue(HexaViewer::DisplayParametersSection, "Landscape Ratio"), QString("1.78"));
    QCOMPARE(boxes->count(), 0);

    click(find<QRadioButton>(size(), "portraitRB"));
    QCOMPARE(boxes->count(), 1);
    QCOMPARE(boxes->lastTitle(), QString("Format error"));
    QCOMPARE(boxes->lastText(), QString("Aspect Ratio not in range for Portrait Orientation"));
    typeInto(find<QLineEdit>(size(), "ratioField"), "0.56");
    QCOMPARE(int(images.working[21]), 0);
    QCOMPARE(int(images.working[22]), 79);
    QCOMPARE(find<QLineEdit>(size(), "ratioField")->text(), QString("0.56"));

    // Both read back as entered.
    T_EDID_DEF def;
    QVERIFY(decodeBaseBlock(images.working, def));
    QCOMPARE(def.screenSize.mode, int(SCREEN_PORTRAIT));
    QCOMPARE(int(def.screenSize.value), 56);
}

void TestDisplayParameters::ratioLimits_data()
{
    QTest::addColumn<bool>("portrait");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("byte21");
    QTest::addColumn<int>("byte22");
    QTest::addColumn<QString>("message");
    const QString landscape = "In Landscape Orientation, Aspect Ratio must be in range of 1.00 to 3.54";
    const QString portrait = "In Portrait Orientation, Aspect Ratio must be in range of 0.28 to 0.99";
    QTest::newRow("landscape 3.54") << false << "3.54" << 255 << 0 << QString();
    QTest::newRow("landscape 1.00") << false << "1.00" << 1 << 0 << QString();
    QTest::newRow("landscape 3.55") << false << "3.55" << 1 << 0 << landscape;
    QTest::newRow("landscape 0.99") << false << "0.99" << 1 << 0 << landscape;
    QTest::newRow("landscape empty") << false << "" << 1 << 0 << landscape;
    QTest::newRow("landscape 1.15 keeps its hundredth") << false << "1.15" << 16 << 0 << QString();
    QTest::newRow("portrait 0.99") << true << "0.99" << 0 << 2 << QString();
    QTest::newRow("portrait 0.57 keeps its hundredth") << true << "0.57" << 0 << 76 << QString();
    QTest::newRow("portrait 1.00") << true << "1.00" << 0 << 255 << portrait;
    QTest::newRow("portrait 0.27") << true << "0.27" << 0 << 255 << portrait;
}

void TestDisplayParameters::ratioLimits()
{
    QFETCH(bool, portrait);
    QFETCH(QString, typed);
    QFETCH(int, byte21);
    QFETCH(int, byte22);
    QFETCH(QString, message);
    open(withBytes(digital14(), {{21, portrait ? 0 : 79}, {22, portrait ? 79 : 0}}));
    QVERIFY(find<QRadioButton>(size(), portrait ? "portraitRB" : "landscapeRB")->isChecked());
    typeInto(find<QLineEdit>(size(), "ratioField"), typed);
    QCOMPARE(int(images.working[21]), byte21);
    QCOMPARE(int(images.working[22]), byte22);
    QCOMPARE(boxes->count(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(boxes->lastTitle(), QString("Format error"));
        QCOMPARE(boxes->lastText(), message);
        QCOMPARE(find<QLineEdit>(size(), "ratioField")->text(), QString(portrait ? "0.28" : "1.00"));
    }
}

void TestDisplayParameters::narrowestPortraitIsStoredAsTheNearestFit()
{
    open(withBytes(digital14(), {{21, 0}, {22, 79}}));
    typeInto(find<QLineEdit>(size(), "ratioField"), "0.28");
    // 10000 / 28 - 99 = 258 does not fit: 255 is the nearest storable value.
    QCOMPARE(int(images.working[22]), 255);
    QCOMPARE(int(images.working[21]), 0);
    QCOMPARE(find<QLineEdit>(size(), "ratioField")->text(), QString("0.28"));
    QCOMPARE(boxes->count(), 0);
}

void TestDisplayParameters::sizeLimits_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("message");
    const QString h = "Horizontal Size must be in range of 0 to 255 cm";
    const QString v = "Vertical Size must be in range of 0 to 255 cm";
    QTest::newRow("h 255") << "hSizeField" << "255" << 21 << 255 << QString();
    QTest::newRow("h 256") << "hSizeField" << "256" << 21 << 0 << h;
    QTest::newRow("h empty") << "hSizeField" << "" << 21 << 0 << h;
    QTest::newRow("v 0") << "vSizeField" << "0" << 22 << 0 << QString();
    QTest::newRow("v 300") << "vSizeField" << "300" << 22 << 0 << v;
}

void TestDisplayParameters::sizeLimits()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, typed);
    QFETCH(int, byte);
    QFETCH(int, value);
    QFETCH(QString, message);
    open(digital14());
    typeInto(find<QLineEdit>(size(), qPrintable(fieldName)), typed);
    QCOMPARE(int(images.working[byte]), value);
    QCOMPARE(boxes->count(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(boxes->lastTitle(), QString("Format error"));
        QCOMPARE(boxes->lastText(), message);
        QCOMPARE(find<QLineEdit>(size(), qPrintable(fieldName))->text(), QString("0"));
    }
}

void TestDisplayParameters::revision3WithOneSizeKeepsItsBytes()
{
    open(analog13());
    QVERIFY(find<QRadioButton>(size(), "dimensionsRB")->isChecked());
    QVERIFY(!find<QRadioButton>(size(), "aspectRatioRB")->isEnabled());
    QCOMPARE(find<QLineEdit>(size(), "hSizeField")->text(), QString("41"));
    QCOMPARE(find<QLineEdit>(size(), "vSizeField")->text(), QString("0"));
    QVERIFY(images.unchanged());
    // Editing another editor of the group leaves bytes 21-22 alone.
    typeInto(find<QLineEdit>(gammaEditor(), "gammaField"), "2.40");
    QCOMPARE(int(images.working[21]), 41);
    QCOMPARE(int(images.working[22]), 0);
    typeInto(find<QLineEdit>(size(), "vSizeField"), "30");
    QCOMPARE(int(images.working[21]), 41);
    QCOMPARE(int(images.working[22]), 30);
}

void TestDisplayParameters::aspectRatioImageOpensInAspectMode()
{
    open(analog13());
    QVERIFY(images.load(withBytes(digital14(), {{21, 79}, {22, 0}})));
    doc->setImages(images.saved, images.working);
    doc->initFields(images.decoded);
    // Right after loading, before the document passes the revision on.
    QVERIFY(find<QRadioButton>(size(), "aspectRatioRB")->isChecked());
    QVERIFY(find<QRadioButton>(size(), "landscapeRB")->isChecked());
    QCOMPARE(find<QLineEdit>(size(), "ratioField")->text(), QString("1.78"));
    QCOMPARE(find<QLineEdit>(size(), "hSizeField")->text(), QString("0"));
    QCOMPARE(find<QLineEdit>(size(), "vSizeField")->text(), QString("0"));
    doc->adaptToEDIDVersion(false);
    QVERIFY(find<QRadioButton>(size(), "aspectRatioRB")->isChecked());
    QVERIFY(images.unchanged());
}

void TestDisplayParameters::switchingToRevision3ForcesDimensions()
{
    open(withBytes(digital14(), {{21, 79}, {22, 0}}));
    setRevision(3);
    QVERIFY(find<QRadioButton>(size(), "dimensionsRB")->isChecked());
    QVERIFY(!find<QRadioButton>(size(), "aspectRatioRB")->isEnabled());
    QCOMPARE(int(images.working[21]), 79);
    typeInto(find<QLineEdit>(size(), "hSizeField"), "50");
    QCOMPARE(int(images.working[21]), 50);
    QCOMPARE(int(images.working[22]), 0);
}

void TestDisplayParameters::gamma_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("byte");
    QTest::addColumn<bool>("warned");
    QTest::newRow("2.20") << "2.20" << 120 << false;
    QTest::newRow("2.2") << "2.2" << 120 << false;
    QTest::newRow("1.15") << "1.15" << 15 << false;
    QTest::newRow("3.54") << "3.54" << 254 << false;
    QTest::newRow("1.00") << "1" << 0 << false;
    QTest::newRow("0.9") << "0.9" << 0 << true;
    QTest::newRow("3.55") << "3.55" << 0 << true;
    QTest::newRow("empty") << "" << 0 << true;
}

void TestDisplayParameters::gamma()
{
    QFETCH(QString, typed);
    QFETCH(int, byte);
    QFETCH(bool, warned);
    open(digital14());
    typeInto(find<QLineEdit>(gammaEditor(), "gammaField"), typed);
    QCOMPARE(int(images.working[23]), byte);
    QCOMPARE(boxes->count(), warned ? 1 : 0);
    if (warned) {
        QCOMPARE(boxes->lastTitle(), QString("Format error"));
        QCOMPARE(boxes->lastText(), QString("Gamma must be in range of 1.00 to 3.54"));
        QCOMPARE(find<QLineEdit>(gammaEditor(), "gammaField")->text(), QString("1.00"));
    }
    QCOMPARE(describedValue(HexaViewer::DisplayParametersSection, "Gamma"),
             find<QLineEdit>(gammaEditor(), "gammaField")->text());
}

void TestDisplayParameters::gammaByte255ShowsItsValue()
{
    open(withBytes(digital14(), {{23, 255}}));
    QCOMPARE(find<QLineEdit>(gammaEditor(), "gammaField")->text(), QString("3.55"));
    QVERIFY(images.unchanged());
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
    QCOMPARE(find<QComboBox>(features(), "colorTypeMulti")->currentIndex(), 2);
    choose(find<QComboBox>(features(), "colorTypeMulti"), item);
    QCOMPARE((images.working[24] >> 3) & 3, bits);
    QCOMPARE(images.working[24] & 0xE7, 0xE2);
}

void TestDisplayParameters::digitalEncodings()
{
    open(withBytes(digital14(), {{24, 0x22}}));
    QVERIFY(find<QGroupBox>(features(), "colorEncoFormatGB")->isEnabled());
    QVERIFY(!find<QGroupBox>(features(), "colorTypeGB")->isEnabled());
    click(find<QCheckBox>(features(), "ycrcb444CB"));
    click(find<QCheckBox>(features(), "ycrcb422CB"));
    QCOMPARE(int(images.working[24]), 0x3A);
    click(find<QCheckBox>(features(), "ycrcb444CB"));
    QCOMPARE(int(images.working[24]), 0x32);
    QCOMPARE(describedValue(HexaViewer::DisplayParametersSection, "Color Encoding Format"), QString("Specified"));
    click(find<QCheckBox>(features(), "rgb444CB"));
    QVERIFY(find<QCheckBox>(features(), "rgb444CB")->isChecked());
    QCOMPARE(int(images.working[24]), 0x32);
}

void TestDisplayParameters::inputTypeOnlyChangesWhichGroupIsEnabled()
{
    open(withBytes(digital14(), {{24, 0x22}}));
    click(find<QRadioButton>(input(), "analogRB"));
    QVERIFY(find<QGroupBox>(features(), "colorTypeGB")->isEnabled());
    QVERIFY(!find<QGroupBox>(features(), "colorEncoFormatGB")->isEnabled());
    QCOMPARE(int(images.working[24]), 0x22);
    click(find<QRadioButton>(input(), "digitalRB"));
    QVERIFY(!find<QGroupBox>(features(), "colorTypeGB")->isEnabled());
    QVERIFY(find<QGroupBox>(features(), "colorEncoFormatGB")->isEnabled());
    QCOMPARE(int(images.working[24]), 0x22);
}

void TestDisplayParameters::colourBitsSurviveARevisionSwitch()
{
    open(withBytes(digital14(), {{24, 0x1A}}));
    setRevision(3);
    QVERIFY(!find<QGroupBox>(features(), "colorEncoFormatGB")->isEnabled());
    click(find<QCheckBox>(features(), "standbyModeCB"));
    QCOMPARE(int(images.working[24]), 0x9A);
    // A 1.3 digital display keeps its colour type bits when a flag is edited.
    open(withBytes(analog13(), {{20, 0x81}, {24, 0x0A}}));
    click(find<QCheckBox>(features(), "srgbCB"));
    QCOMPARE(int(images.working[24]), 0x0E);
}

void TestDisplayParameters::flagCaptionFollowsTheRevision()
{
    open(digital14());
    QCOMPARE(find<QCheckBox>(features(), "contFreqCB")->text(), QString("Continuous Frequency (1.4)"));
    setRevision(3);
    QCOMPARE(find<QCheckBox>(features(), "contFreqCB")->text(), QString("Default GTF (1.3)"));
    click(find<QCheckBox>(features(), "contFreqCB"));
    QCOMPARE(images.working[24] & 1, 1);
}

QTEST_MAIN(TestDisplayParameters)
#include "tst_displayparameters.moc"
