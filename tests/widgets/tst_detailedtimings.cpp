// The detailed timing editor in a descriptor slot and embedded, and the
// CVT 1.2 wizard that fills it.
#include "cvtwizard.h"
#include "testsupport.h"
#include "widgets/descriptorfixture.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

const char* const kMaxMessage = "Pixel Clock Value must be in range of 0.01 to 655.35 MHz";

// Fills the wizard that the editor opens, then clicks a button in it.
void answerWizard(DialogAnswers& dialogs, const QString& h, const QString& v, const QString& rate,
                  bool reduced, bool version2, const char* button = "checkButton")
{
    dialogs.prepare = [=](QDialog& dialog) {
        auto set = [&](const char* name, const QString& text) {
            dialog.findChild<QLineEdit*>(name)->setText(text);
        };
        set("hActiveField", h);
        set("vActiveField", v);
        set("rateField", rate);
        if (reduced)
            dialog.findChild<QCheckBox*>("reducedBlankingCheckbox")->click();
        if (version2)
            dialog.findChild<QRadioButton*>("RED_V_2")->setChecked(true);
        dialog.findChild<QPushButton*>(button)->click();
    };
}

} // namespace

class TestDetailedTimings : public QObject {
    Q_OBJECT
private slots:
    void loadShowsFields();
    void fieldEdits_data();
    void fieldEdits();
    void stereoCode1KeptUntilClicked();
    void digitalSeparateRelabelsOnly();
    void embeddedEmitsInsteadOfWriting();
    void wizardExamples_data();
    void wizardExamples();
    void wizardCancelAndBadInput();
};

void TestDetailedTimings::loadShowsFields()
{
    SlotFixture f;
    QVERIFY(f.load(baseImage(4, {kFullHdTiming})));
    QCOMPARE(f.field(0, "pixelClockField")->text(), QString("148.50"));
    QCOMPARE(f.field(0, "hBlankField")->text(), QString("280"));
    QCOMPARE(f.field(0, "hClockField")->text(), QString("67.50"));
    QCOMPARE(f.field(0, "vClockField")->text(), QString("60.00"));
    QCOMPARE(HexaViewer::instance()->description(DescriptorSection0).at(16),
             FieldDescription("Vertical Polarity", "YES"));
}

void TestDetailedTimings::fieldEdits_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes"); // Block 1 bytes from offset on
    QTest::addColumn<QString>("message");  // empty: accepted
    QTest::addColumn<QString>("fallback");
    auto row = [](const char* name, const char* field, const char* text, int offset, const char* bytes,
                  const char* message = "", const char* fallback = "") {
        QTest::newRow(name) << QString(field) << QString(text) << offset << hexBytes(bytes) << QString(message)
                            << QString(fallback);
    };
    row("clock 148.5", "pixelClockField", "148.5", 0, "02 3A");
    row("clock 655.35 is the maximum", "pixelClockField", "655.35", 0, "FF FF");
    row("clock 148.51 is not cut to 148.50", "pixelClockField", "148.51", 0, "03 3A");
    for (const char* text : {"0", "655.36", ""})
        row(qPrintable(QString("clock '%1'").arg(text)), "pixelClockField", text, 0, "64 00", kMaxMessage, "1.00");
    // A refused value is written as 0.
    row("v front 64", "vFrontField", "64", 10, "05 00", "Vertical Front Porch must be in range of 0 to 63", "0");
    row("h blank 281", "hBlankField", "281", 3, "19 71");
    row("h active 4096", "hActiveField", "4096", 2, "00 18 01",
        "Horizontal Active Pixels must be in range of 0 to 4095", "0");
    row("v active empty", "vActiveField", "", 5, "00 2D 00", "Vertical Active Pixels must be in range of 0 to 4095",
        "0");
    row("h border 256", "hBorderField", "256", 15, "00", "Horizontal Border must be in range of 0 to 255", "0");
}

void TestDetailedTimings::fieldEdits()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, text);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(QString, fallback);
    BoxRecorder boxes;
    SlotFixture f;
    QVERIFY(f.load(baseImage(4, {kFullHdTiming})));
    QLineEdit* edit = f.field(0, fieldName.toLatin1());
    typeInto(edit, text);
    QCOMPARE(f.slotBytes(0).mid(offset, bytes.size()), bytes);
    QVERIFY(f.checksumValid());
    QCOMPARE(boxes.count(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(boxes.lastTitle(), QString("Format Error"));
        QCOMPARE(boxes.lastText(), message);
        QCOMPARE(edit->text(), fallback);
    }
}

void TestDetailedTimings::stereoCode1KeptUntilClicked()
{
    SlotFixture f;
    QByteArray timing = kFullHdTiming;
    timing[17] = char(0x1F); // stereo code 1, digital separate
    QVERIFY(f.load(baseImage(4, {timing})));
    typeInto(f.field(0, "hBorderField"), "0");
    QCOMPARE(f.slotBytes(0).at(17), char(0x1F));
    f.blocks[0]->findChild<QRadioButton*>("fourWayRB")->click();
    QCOMPARE(f.slotBytes(0).at(17), char(0x7E));
    f.blocks[0]->findChild<QRadioButton*>("noStereoRB")->click();
    QCOMPARE(f.slotBytes(0).at(17), char(0x1E));
}

void TestDetailedTimings::digitalSeparateRelabelsOnly()
{
    SlotFixture f;
    QByteArray timing = kFullHdTiming;
    timing[17] = char(0x06); // analog composite, bits 2 and 1 set
    QVERIFY(f.load(baseImage(4, {timing})));
    auto* cb2 = f.blocks[0]->findChild<QCheckBox*>("syncSignalCB2");
    f.blocks[0]->findChild<QRadioButton*>("digitalCompositeRB")->click();
    f.blocks[0]->findChild<QRadioButton*>("digitalSepRB")->click();
    QCOMPARE(f.slotBytes(0).at(17), char(0x1E));
    cb2->click();
    QCOMPARE(f.slotBytes(0).at(17), char(0x1C));
}

void TestDetailedTimings::embeddedEmitsInsteadOfWriting()
{
    SectionTest::Images images;
    Byte* data = images.saved;
    Byte* newData = images.working;
    DetailedTimings editor;
    QSignalSpy changed(&editor, &DetailedTimings::valueChanged);
    editor.initFields(reinterpret_cast<const Byte*>(kFullHdTiming.constData()), data, newData, 0, true);
    changed.clear();
    typeInto(editor.findChild<QLineEdit*>("hActiveField"), "1280");
    QCOMPARE(changed.count(), 1);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(newData), 256), QByteArray(256, '\0'));
    Byte out[18];
    editor.descriptorBytes(out);
    QCOMPARE(int(out[2]), 0x00);
    QCOMPARE(int(out[4]) >> 4, 5);
    // Blanking smaller than front porch + sync: the back porch wraps and
    // the blanking is written back unchanged.
    const QByteArray odd = hexBytes("02 3A 80 10 70 38 2D 40 58 2C 45 00 10 09 00 00 00 1E");
    DetailedTimings other;
    other.initFields(reinterpret_cast<const Byte*>(odd.constData()), data, newData, 2, true);
    other.descriptorBytes(out);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(out), 18), odd);
}

void TestDetailedTimings::wizardExamples_data()
{
    QTest::addColumn<QString>("h");
    QTest::addColumn<QString>("v");
    QTest::addColumn<bool>("reduced");
    QTest::addColumn<bool>("version2");
    QTest::addColumn<QString>("clock"); // as the wizard writes it ("%g")
    QTest::addColumn<QString>("fields"); // hBlank vFront vSync hImSize vImSize
    QTest::newRow("1920x1080 standard") << "1920" << "1080" << false << false << "173" << "656 3 5 576 324";
    QTest::newRow("1920x1080 RB v1") << "1920" << "1080" << true << false << "138.5" << "160 3 5 576 324";
    QTest::newRow("1920x1080 RB v2") << "1920" << "1080" << true << true << "133.25" << "80 17 8 576 324";
    QTest::newRow("1024x768 standard") << "1024" << "768" << false << false << "63.5" << "304 3 4 307 230";
}

void TestDetailedTimings::wizardExamples()
{
    QFETCH(QString, h);
    QFETCH(QString, v);
    QFETCH(bool, reduced);
    QFETCH(bool, version2);
    QFETCH(QString, clock);
    QFETCH(QString, fields);
    BoxRecorder boxes;
    DialogAnswers dialogs;
    SlotFixture f;
    QVERIFY(f.load(baseImage(4, {kFullHdTiming})));
    answerWizard(dialogs, h, v, "60", reduced, version2);
    f.blocks[0]->findChild<QPushButton*>("CVTButton")->click();
    QCOMPARE(dialogs.count, 1);
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(f.field(0, "pixelClockField")->text(), clock);
    T_EDID_DISPLAY_DESCRIPTOR_DEF decoded;
    decodeDisplayDescriptor(f.newData + 54, decoded);
    const T_EDID_DETAILED_TIMING_DEF& t = decoded.detailedTiming;
    QCOMPARE(QString::number(t.pixelClock / 100.0, 'g', 6), clock);
    QCOMPARE(int(t.hActive), h.toInt() / 8 * 8);
    QCOMPARE(QString("%1 %2 %3 %4 %5").arg(t.hBlanking()).arg(t.vFrontPorch).arg(t.vSyncWidth).arg(t.hImageSize)
                 .arg(t.vImageSize), fields);
    QCOMPARE(t.syncType, 3);
    // CVT sync polarities: standard -H +V, reduced blanking +H -V.
    QCOMPARE(int(f.newData[54 + 17] & 0x1E), reduced ? 0x1A : 0x1C);
    QVERIFY(f.checksumValid());
}

void TestDetailedTimings::wizardCancelAndBadInput()
{
    DialogAnswers dialogs;
    SlotFixture f;
    const QByteArray image = baseImage(4, {kFullHdTiming});
    QVERIFY(f.load(image));
    answerWizard(dialogs, "1024", "768", "75", false, false, "cancelButton");
    f.blocks[0]->findChild<QPushButton*>("CVTButton")->click();
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(f.newData), 256), image);
    QCOMPARE(f.field(0, "hActiveField")->text(), QString("1920"));
    // A rate that is not a number is refused with a box.
    BoxRecorder boxes;
    CvtWizard wizard(1920, 1080, 60.0f);
    QSignalSpy emitted(&wizard, &CvtWizard::formatCalculated);
    wizard.findChild<QLineEdit*>("rateField")->setText("6.0.1");
    wizard.findChild<QPushButton*>("checkButton")->click();
    QCOMPARE(emitted.count(), 0);
    QCOMPARE(boxes.lastTitle(), QString("Format Error"));
}

QTEST_MAIN(TestDetailedTimings)
#include "tst_detailedtimings.moc"
