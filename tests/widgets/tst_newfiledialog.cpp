#include <QtTest>

#include "mainwindow.h"
#include "newfiledialog.h"
#include "sectiontesthelpers.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace SectionTest;

// The New File dialog, new images and what the editors show after switching
// an image between E-EDID 1.3 and 1.4, through the main window.
class TestNewFileDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dialogAnswers_data();
    void dialogAnswers();
    void newImageHasTheTemplateBytes_data();
    void newImageHasTheTemplateBytes();
    void newImageEditorsShowTheirDefaults();
    void revisionSwitchChangesTheControlsOnly();

private:
    QRadioButton* radio(const char* name) { return window->findChild<QRadioButton*>(name); }
    void newImage(bool revision3)
    {
        DialogAnswers dialogs;
        dialogs.prepare = [revision3](QDialog& dialog) {
            if (revision3)
                click(dialog.findChild<QRadioButton*>("rev3RB"));
            dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
        };
        dialogs.results << QDialog::Accepted;
        window->findChild<QAction*>("actionNew")->trigger();
        QCOMPARE(dialogs.count, 1);
    }
    void openImage(const QByteArray& bytes)
    {
        const QString path = dir->filePath("image.bin");
        QVERIFY(writeFileBytes(path, bytes));
        QVERIFY(window->openFile(path.toLocal8Bit().constData()));
    }
    QByteArray working(int first, int count) { return hexOf(window->workingImage(), first, count); }

    MainWindow* window = nullptr;
    QTemporaryDir* dir = nullptr;
    BoxRecorder* boxes = nullptr;
};

void TestNewFileDialog::init()
{
    dir = new QTemporaryDir;
    window = new MainWindow;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    boxes = new BoxRecorder;
}

void TestNewFileDialog::cleanup()
{
    delete boxes;
    BoxRecorder discard(QMessageBox::No);
    delete window;
    delete dir;
}

// The dialog starts on 1.4 and reports no revision until accepted.
void TestNewFileDialog::dialogAnswers_data()
{
    QTest::addColumn<bool>("chooseRevision3");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("revision");
    QTest::addColumn<int>("result");
    QTest::newRow("OK") << false << int(QDialogButtonBox::Ok) << 4 << int(QDialog::Accepted);
    QTest::newRow("1.3 then OK") << true << int(QDialogButtonBox::Ok) << 3 << int(QDialog::Accepted);
    QTest::newRow("Cancel") << false << int(QDialogButtonBox::Cancel) << 0 << int(QDialog::Rejected);
    QTest::newRow("1.3 then Cancel") << true << int(QDialogButtonBox::Cancel) << 0 << int(QDialog::Rejected);
}

void TestNewFileDialog::dialogAnswers()
{
    QFETCH(bool, chooseRevision3);
    QFETCH(int, button);
    NewFileDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(dialog.findChild<QRadioButton*>("rev4RB")->isChecked());
    QCOMPARE(dialog.revision(), 0);
    if (chooseRevision3)
        click(dialog.findChild<QRadioButton*>("rev3RB"));
    dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::StandardButton(button))->click();
    QTEST(dialog.result(), "result");
    QTEST(dialog.revision(), "revision");
}

void TestNewFileDialog::newImageHasTheTemplateBytes_data()
{
    QTest::addColumn<bool>("revision3");
    QTest::newRow("1.4") << false;
    QTest::newRow("1.3") << true;
}

void TestNewFileDialog::newImageHasTheTemplateBytes()
{
    QFETCH(bool, revision3);
    openImage(digital14());
    newImage(revision3);
    QCOMPARE(working(8, 46), QByteArray("04210000000000000100") + (revision3 ? "0103" : "0104")
                                 + QByteArray(36, '0') + QByteArray("01").repeated(16));
    QVERIFY(blockChecksumValid(window->workingImage()));
    QVERIFY(radio(revision3 ? "rev3RB" : "rev4RB")->isChecked());
    T_EDID_DEF def;
    QVERIFY(decodeBaseBlock(window->workingImage(), def));
    QCOMPARE(QByteArray(def.vendorProduct.manufacturerID), QByteArray("AAA"));
    QVERIFY(!def.standardTimings[0].enabled);
}

void TestNewFileDialog::newImageEditorsShowTheirDefaults()
{
    openImage(digital14());
    newImage(true);
    Edid& doc = window->document();
    // Every editor shows the new image, at revision 3.
    QCOMPARE(doc.vendorProductID().findChild<QLineEdit*>("manufIDField")->text(), QString("AAA"));
    QCOMPARE(doc.vendorProductID().findChild<QLineEdit*>("weekField")->text(), QString("1"));
    QVERIFY(!doc.vendorProductID().findChild<QCheckBox*>("modelYearCB")->isEnabled());
    QVERIFY(doc.videoInput().findChild<QRadioButton*>("analogRB")->isChecked());
    QCOMPARE(doc.transferCharacteristics().findChild<QLineEdit*>("gammaField")->text(), QString("1.00"));
    QVERIFY(doc.screenSize().findChild<QRadioButton*>("dimensionsRB")->isChecked());
    QCOMPARE(doc.featureSupport().findChild<QComboBox*>("colorTypeMulti")->currentIndex(), 1);
    QCOMPARE(doc.colorCharacteristics().findChild<QLineEdit*>("whiteYField")->text(), QString("0.000"));
    for (QCheckBox* box : doc.establishedTimings().findChildren<QCheckBox*>())
        QVERIFY(!box->isChecked());
    for (QCheckBox* box : doc.standardTimings().findChildren<QCheckBox*>("enableCB"))
        QVERIFY(!box->isChecked());
    // Bytes 20-24 were not written but their editors encode them as they are.
    doc.featureSupport().findChild<QCheckBox*>("standbyModeCB")->click();
    QCOMPARE(working(20, 5), QByteArray("0000000080"));
}

// The questions themselves are the main window's; here: what the editors
// show after each answer, and that bytes 20-24 are not rewritten.
void TestNewFileDialog::revisionSwitchChangesTheControlsOnly()
{
    openImage(digital14());
    Edid& doc = window->document();
    auto* modelYear = doc.vendorProductID().findChild<QCheckBox*>("modelYearCB");
    auto* aspectRatio = doc.screenSize().findChild<QRadioButton*>("aspectRatioRB");
    NonModalBoxes questions;
    click(radio("rev3RB"));
    questions.answer(0, "No");
    QVERIFY(modelYear->isEnabled());

    click(radio("rev3RB"));
    questions.answer(1, "Yes");
    QCOMPARE(working(18, 2), QByteArray("0103"));
    QVERIFY(!modelYear->isEnabled());
    QVERIFY(doc.videoInput().findChild<QCheckBox*>("dfpSupportCB")->isVisibleTo(&doc.videoInput()));
    QVERIFY(!aspectRatio->isEnabled());
    QCOMPARE(working(20, 5), hexOf(window->savedImage(), 20, 5));

    click(radio("rev4RB"));
    questions.answer(2, "Yes");
    QCOMPARE(working(18, 2), QByteArray("0104"));
    QVERIFY(modelYear->isEnabled());
    QVERIFY(aspectRatio->isEnabled());
    questions.boxes.clear();   // answered boxes delete themselves
}

QTEST_MAIN(TestNewFileDialog)
#include "tst_newfiledialog.moc"
