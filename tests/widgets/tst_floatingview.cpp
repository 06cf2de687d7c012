#include "floatinghexaviewer.h"
#include "hexaviewer.h"
#include "mainwindow.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QRadioButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QColor colourIn(QTableWidget* grid, int i)
{
    return grid->item(i / 16, i % 16)->foreground().color();
}

QString textIn(QTableWidget* grid, int i)
{
    return grid->item(i / 16, i % 16)->text();
}

} // namespace

// The floating hex view as the main window drives it (toggling its two
// actions and closing it on deactivation are covered by tst_mainwindow).
class TestFloatingView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void menuActionOpensItUntilANewImage();
    void followsEditsInBothColours();
    void activationIsConsumed();

private:
    QAction* action(const char* name) { return m_window->findChild<QAction*>(name); }
    FloatingHexaViewer* floating() { return HexaViewer::instance()->floatingViewer(); }

    QTemporaryDir m_dir;
    MainWindow* m_window = nullptr;
    BoxRecorder* m_boxes = nullptr;
};

void TestFloatingView::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.filePath("settings"));
    QSettings settings("Velquin", "VQZAVOZozezi");
    settings.setValue("UpdateUrl", QUrl("http://127.0.0.1:9/"));
    QVERIFY(writeFileBytes(m_dir.filePath("sample.bin"), sampleImage()));
}

void TestFloatingView::init()
{
    m_boxes = new BoxRecorder;
    m_window = new MainWindow;
    qApp->installEventFilter(m_window);
    m_window->show();
    QVERIFY(m_window->openFile(m_dir.filePath("sample.bin").toLocal8Bit().constData()));
}

void TestFloatingView::cleanup()
{
    qApp->removeEventFilter(m_window);
    HexaViewer::instance()->closeFloating();
    delete m_window;
    delete m_boxes;
}

void TestFloatingView::menuActionOpensItUntilANewImage()
{
    action("actionHexa_Viewer")->trigger();
    QVERIFY(floating()->isVisible());
    QVERIFY(floating()->isWindow());
    QCOMPARE(floating()->styleSheet(), m_window->styleSheetText());
    // It mirrors the image that is shown.
    QCOMPARE(textIn(floating()->grid(), 8), QString("5A"));
    QCOMPARE(colourIn(floating()->grid(), 8), QColor(Qt::lightGray));

    // A new image, even when its dialog is cancelled, closes it.
    DialogAnswers answers;
    action("actionNew")->trigger();
    QCOMPARE(answers.count, 1);
    QVERIFY(!floating()->isOpen());
    QVERIFY(!floating()->isVisible());
    QVERIFY(!action("actionHexa_Viewer")->isChecked());
}

void TestFloatingView::followsEditsInBothColours()
{
    action("actionHexa_Viewer")->trigger();
    NonModalBoxes questions;
    m_window->findChild<QRadioButton*>("rev3RB")->click();
    QCOMPARE(questions.boxes.size(), 1);
    questions.answer(0, "Yes");
    QCOMPARE(m_window->workingImage()[19], Byte(3));

    QTableWidget* mainGrid = HexaViewer::instance()->findChild<QTableWidget*>("displayByteArray");
    for (QTableWidget* grid : {mainGrid, floating()->grid()}) {
        QCOMPARE(textIn(grid, 19), QString("03"));
        QCOMPARE(colourIn(grid, 19), QColor(255, 0, 0));
        QCOMPARE(colourIn(grid, 127), QColor(255, 0, 0));
    }
    QCOMPARE(colourIn(mainGrid, 18), QColor(Qt::black));
    QCOMPARE(colourIn(floating()->grid(), 18), QColor(Qt::lightGray));
}

void TestFloatingView::activationIsConsumed()
{
    QEvent activate(QEvent::ApplicationActivate);
    QVERIFY(m_window->eventFilter(qApp, &activate));
    QEvent other(QEvent::FontChange);
    QVERIFY(!m_window->eventFilter(qApp, &other));
}

QTEST_MAIN(TestFloatingView)
#include "tst_floatingview.moc"
