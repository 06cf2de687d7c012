// The "Switch version" question leaves the main window usable while it is
// open, stays one box per switch, and its answer applies the revision.

#include "checksum.h"
#include "mainwindow.h"
#include "sectiontesthelpers.h"

#include <QApplication>
#include <QMessageBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace SectionTest;

class TestSwitchVersion : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void questionLeavesWindowUsable();

private:
    QList<QMessageBox*> openQuestions() const;
    void answer(const QString& buttonText);
    void openSample();
    QRadioButton* radio(const char* name) const { return m_window->findChild<QRadioButton*>(name); }
    QByteArray productBytes() const { return hexOf(m_window->workingImage(), 10, 2); }

    QTemporaryDir m_dir;
    MainWindow* m_window = nullptr;
};

void TestSwitchVersion::init()
{
    m_window = new MainWindow;
    m_window->show();
}

void TestSwitchVersion::cleanup()
{
    qDeleteAll(openQuestions());
    delete m_window;
}

QList<QMessageBox*> TestSwitchVersion::openQuestions() const
{
    QList<QMessageBox*> boxes;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box && box->isVisible() && box->windowTitle() == "Switch version")
            boxes << box;
    }
    return boxes;
}

void TestSwitchVersion::answer(const QString& buttonText)
{
    const QList<QMessageBox*> boxes = openQuestions();
    QCOMPARE(boxes.size(), 1);
    for (QAbstractButton* button : boxes.first()->buttons()) {
        if (button->text() == buttonText)
            QTest::mouseClick(button, Qt::LeftButton);
    }
    QVERIFY(openQuestions().isEmpty());
}

void TestSwitchVersion::openSample()
{
    const QString path = m_dir.filePath("sample.bin");
    QVERIFY(writeFileBytes(path, sampleImage()));
    QVERIFY(m_window->openFile(path.toLocal8Bit().constData()));
}

void TestSwitchVersion::questionLeavesWindowUsable()
{
    openSample();
    auto* product = m_window->findChild<QLineEdit*>("productIDField");
    click(radio("rev3RB"));
    QCOMPARE(openQuestions().size(), 1);
    QCOMPARE(openQuestions().first()->text(), QString("Switch to EDID Version 1 Revision 3?"));
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(m_window->workingImage()[19], Byte(4));
    // Meanwhile the window takes edits, and clicks raise the same question.
    typeInto(product, "1234");
    QCOMPARE(productBytes(), QByteArray("3412"));
    click(radio("rev4RB"));
    click(radio("rev3RB"));
    answer("No");
    QVERIFY(radio("rev4RB")->isChecked());
    QCOMPARE(m_window->workingImage()[19], Byte(4));

    click(radio("rev3RB"));
    typeInto(product, "ABCD");
    answer("Yes");
    QVERIFY(radio("rev3RB")->isChecked());
    QCOMPARE(m_window->workingImage()[19], Byte(3));
    QCOMPARE(productBytes(), QByteArray("cdab"));
    QVERIFY(blockChecksumValid(m_window->workingImage()));
    typeInto(product, "1027"); // back to the saved bytes
    click(radio("rev4RB"));
    answer("Yes");
    QVERIFY(!m_window->isModified());
    // Opening another file dismisses an open question.
    click(radio("rev3RB"));
    QCOMPARE(openQuestions().size(), 1);
    openSample();
    QVERIFY(openQuestions().isEmpty());
    QVERIFY(radio("rev4RB")->isChecked());
}

QTEST_MAIN(TestSwitchVersion)
#include "tst_switchversion.moc"
