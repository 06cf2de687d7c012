#include <QtTest>

#include "mainwindow.h"
#include "newfiledialog.h"
#include "sectiontesthelpers.h"
#include "testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace SectionTest;

// The New File dialog, new images and switching an image between E-EDID 1.3
// and 1.4, through the main window.
class TestNewFileDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dialogStartsWithRevision4AndNoChoice();
    void dialogAnswers_data();
    void dialogAnswers();

    void newImageHasTheTemplateBytes_data();
    void newImageHasTheTemplateBytes();
    void newImageEditorsShowTheirDefaults();

    void switchToRevision3AndBack();
    void answeringNoKeepsTheRevision();
    void currentRevisionButtonAsksNothing();

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
    QByteArray working(int first, int count)
    {
        return QByteArray(reinterpret_cast<const char*>(window->workingImage() + first), count).toHex();
    }

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

void TestNewFileDialog::dialogStartsWithRevision4AndNoChoice()
{
    NewFileDialog dialog;
    QCOMPARE(dialog.windowTitle(), QString("New File"));
    QCOMPARE(dialog.size(), QSize(262, 140));
    QVERIFY(!dialog.windowIcon().isNull());
    QCOMPARE(dialog.findChild<QLabel*>("messageLabel")->text(), QString("Choose E-EDID Version:"));
    QCOMPARE(dialog.findChild<QRadioButton*>("rev3RB")->text(), QString("E-EDID V1.3"));
    QCOMPARE(dialog.findChild<QRadioButton*>("rev4RB")->text(), QString("E-EDID V1.4"));
    QVERIFY(dialog.findChild<QRadioButton*>("rev4RB")->isChecked());
    QCOMPARE(dialog.revision(), 0);
}

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
    QFETCH(int, revision);
    QFETCH(int, result);
    NewFileDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    if (chooseRevision3)
        click(dialog.findChild<QRadioButton*>("rev3RB"));
    dialog.findChild<QDialogButtonBox*>("buttonBox")
        ->button(QDialogButtonBox::StandardButton(button))->click();
    QCOMPARE(dialog.result(), result);
    QCOMPARE(dialog.revision(), revision);
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
    QCOMPARE(working(0, 8), QByteArray("00ffffffffffff00"));
    QCOMPARE(working(8, 10), QByteArray("04210000000000000100"));
    QCOMPARE(working(18, 2), QByteArray(revision3 ? "0103" : "0104"));
    QCOMPARE(working(20, 18), QByteArray(36, '0'));
    QCOMPARE(working(38, 16), QByteArray("01010101010101010101010101010101"));
    QCOMPARE(int(window->workingImage()[126]), 0);
    QVERIFY(blockChecksumValid(window->workingImage()));
    QVERIFY(!window->isModified());
    QVERIFY(radio(revision3 ? "rev3RB" : "rev4RB")->isChecked());
    // The new image decodes back to the editors' defaults.
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
    QCOMPARE(doc.vendorProductID().findChild<QLineEdit*>("manufIDField")->text(), QString("AAA"));
    QCOMPARE(doc.vendorProductID().findChild<QLineEdit*>("productIDField")->text(), QString("0000"));
    QCOMPARE(doc.vendorProductID().findChild<QLineEdit*>("serialNumberField")->text(), QString("0"));
    QCOMPARE(doc.vendorProductID().findChild<QLineEdit*>("weekField")->text(), QString("1"));
    QCOMPARE(doc.vendorProductID().findChild<QLineEdit*>("yearField")->text(), QString("1990"));
    QVERIFY(!doc.vendorProductID().findChild<QCheckBox*>("modelYearCB")->isEnabled());
    QVERIFY(doc.videoInput().findChild<QRadioButton*>("analogRB")->isChecked());
    QCOMPARE(doc.transferCharacteristics().findChild<QLineEdit*>("gammaField")->text(), QString("1.00"));
    QCOMPARE(doc.screenSize().findChild<QLineEdit*>("hSizeField")->text(), QString("0"));
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

void TestNewFileDialog::switchToRevision3AndBack()
{
    openImage(digital14());
    NonModalBoxes questions;
    click(radio("rev3RB"));
    QCOMPARE(questions.boxes.size(), 1);
    QCOMPARE(questions.boxes[0]->windowTitle(), QString("Switch version"));
    QCOMPARE(questions.boxes[0]->text(), QString("Switch to EDID Version 1 Revision 3?"));
    QCOMPARE(working(18, 2), QByteArray("0104"));
    questions.answer(0, "Yes");
    QCOMPARE(working(18, 2), QByteArray("0103"));
    QVERIFY(blockChecksumValid(window->workingImage()));
    QVERIFY(radio("rev3RB")->isChecked());
    // The editors show the 1.3 controls; bytes 20-24 are not rewritten.
    Edid& doc = window->document();
    QVERIFY(!doc.vendorProductID().findChild<QCheckBox*>("modelYearCB")->isEnabled());
    QVERIFY(doc.videoInput().findChild<QCheckBox*>("dfpSupportCB")->isVisibleTo(&doc.videoInput()));
    QVERIFY(!doc.screenSize().findChild<QRadioButton*>("aspectRatioRB")->isEnabled());
    QCOMPARE(working(20, 5), QByteArray(reinterpret_cast<const char*>(window->savedImage() + 20), 5).toHex());

    click(radio("rev4RB"));
    QCOMPARE(questions.boxes.size(), 2);
    QCOMPARE(questions.boxes[1]->text(), QString("Switch to EDID Version 1 Revision 4?"));
    questions.answer(1, "Yes");
    QCOMPARE(working(18, 2), QByteArray("0104"));
    QVERIFY(doc.vendorProductID().findChild<QCheckBox*>("modelYearCB")->isEnabled());
    QVERIFY(doc.screenSize().findChild<QRadioButton*>("aspectRatioRB")->isEnabled());
}

void TestNewFileDialog::answeringNoKeepsTheRevision()
{
    openImage(digital14());
    NonModalBoxes questions;
    click(radio("rev3RB"));
    QCOMPARE(questions.boxes.size(), 1);
    questions.answer(0, "No");
    QCOMPARE(working(18, 2), QByteArray("0104"));
    QVERIFY(radio("rev4RB")->isChecked());
    QVERIFY(window->document().vendorProductID().findChild<QCheckBox*>("modelYearCB")->isEnabled());
}

void TestNewFileDialog::currentRevisionButtonAsksNothing()
{
    openImage(digital14());
    NonModalBoxes questions;
    click(radio("rev4RB"));
    QCOMPARE(questions.boxes.size(), 0);
    QVERIFY(!window->isModified());
}

QTEST_MAIN(TestNewFileDialog)
#include "tst_newfiledialog.moc"
