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

class TestSwitchVersion : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void questionLeavesWindowUsable();
    void openingAnotherFileDismissesQuestion();

private:
    QList<QMessageBox*> openQuestions() const;
    void answer(const QString& buttonText);
    void openSample();

    QTemporaryDir* m_dir = nullptr;
    MainWindow* m_window = nullptr;
};

void TestSwitchVersion::init()
{
    m_dir = new QTemporaryDir;
    m_window = new MainWindow;
    m_window->show();
}

void TestSwitchVersion::cleanup()
{
    qDeleteAll(openQuestions());
    delete m_window;
    delete m_dir;
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
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(openQuestions().isEmpty());
}

void TestSwitchVersion::openSample()
{
    const QString path = m_dir->filePath("sample.bin");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(sampleImage());
    file.close();
    QVERIFY(m_window->openFile(path.toLocal8Bit().constData()));
    QCOMPARE(m_window->workingImage()[19], Byte(4));
}

void TestSwitchVersion::questionLeavesWindowUsable()
{
    openSample();
    auto* rev3 = m_window->findChild<QRadioButton*>("rev3RB");
    auto* rev4 = m_window->findChild<QRadioButton*>("rev4RB");
    auto* product = m_window->findChild<QLineEdit*>("productIDField");

    SectionTest::click(rev3);
    QCOMPARE(openQuestions().size(), 1);
    QCOMPARE(openQuestions().first()->text(), QString("Switch to EDID Version 1 Revision 3?"));
    QCOMPARE(openQuestions().first()->windowModality(), Qt::NonModal);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(rev3->isChecked());
    QCOMPARE(m_window->workingImage()[19], Byte(4));

    SectionTest::typeInto(product, "1234");
    QCOMPARE(SectionTest::hexOf(m_window->workingImage(), 10, 2), QByteArray("3412"));
    SectionTest::click(rev4);
    SectionTest::click(rev3);
    QCOMPARE(openQuestions().size(), 1);

    answer("No");
    QVERIFY(rev4->isChecked());
    QCOMPARE(m_window->workingImage()[19], Byte(4));
    QCOMPARE(SectionTest::hexOf(m_window->workingImage(), 10, 2), QByteArray("3412"));
    QVERIFY(blockChecksumValid(m_window->workingImage()));

    SectionTest::click(rev3);
    SectionTest::typeInto(product, "ABCD");
    answer("Yes");
    QVERIFY(rev3->isChecked());
    QCOMPARE(m_window->workingImage()[19], Byte(3));
    QCOMPARE(SectionTest::hexOf(m_window->workingImage(), 10, 2), QByteArray("cdab"));
    QVERIFY(blockChecksumValid(m_window->workingImage()));
    SectionTest::typeInto(product, "1027"); // back to the saved bytes
    SectionTest::click(rev4);
    answer("Yes");
    QVERIFY(!m_window->isModified());
}

void TestSwitchVersion::openingAnotherFileDismissesQuestion()
{
    openSample();
    SectionTest::click(m_window->findChild<QRadioButton*>("rev3RB"));
    QCOMPARE(openQuestions().size(), 1);
    openSample();
    QVERIFY(openQuestions().isEmpty());
    QVERIFY(m_window->findChild<QRadioButton*>("rev4RB")->isChecked());
    QCOMPARE(m_window->workingImage()[19], Byte(4));
}

QTEST_MAIN(TestSwitchVersion)
#include "tst_switchversion.moc"
