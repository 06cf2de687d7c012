#include "floatinghexaviewer.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTableWidget>
#include <QtTest>

namespace {

QString cellText(const FloatingHexaViewer& viewer, int i)
{
    return viewer.grid()->item(i / 16, i % 16)->text();
}

QColor cellColour(const FloatingHexaViewer& viewer, int i)
{
    return viewer.grid()->item(i / 16, i % 16)->foreground().color();
}

void sendMouse(QWidget* target, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
               const QPoint& position)
{
    QMouseEvent event(type, position, target->mapToGlobal(position), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Press at `from`, move to `to` with the button held, release there.
void drag(QWidget* target, Qt::MouseButton button, const QPoint& from, const QPoint& to)
{
    sendMouse(target, QEvent::MouseButtonPress, button, button, from);
    sendMouse(target, QEvent::MouseMove, Qt::NoButton, button, to);
    sendMouse(target, QEvent::MouseButtonRelease, button, Qt::NoButton, to);
}

} // namespace

class TestFloatingHexaViewer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void gridMirrorsImage();
    void refreshMarksChangedBytesRed_data();
    void refreshMarksChangedBytesRed();
    void refreshLeavesOtherBytesButCoversChecksum();
    void clearingMarksTurnsAllGrey();
    void gridTakesNoClicks();
    void drags_data();
    void drags();
    void moveWithoutPressDoesNotDrag();

private:
    bool allGrey() const
    {
        for (int i = 0; i < EDID_IMAGE_SIZE; ++i) {
            if (cellColour(*m_viewer, i) != QColor(Qt::lightGray))
                return false;
        }
        return true;
    }

    FloatingHexaViewer* m_viewer = nullptr;
    Byte m_saved[EDID_IMAGE_SIZE] = {};
    Byte m_working[EDID_IMAGE_SIZE] = {};
};

void TestFloatingHexaViewer::init()
{
    for (int i = 0; i < EDID_IMAGE_SIZE; ++i)
        m_saved[i] = m_working[i] = Byte(i);
    m_viewer = new FloatingHexaViewer;
    m_viewer->setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    m_viewer->setData(m_working);
    m_viewer->move(100, 100);
    m_viewer->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_viewer));
}

void TestFloatingHexaViewer::cleanup()
{
    delete m_viewer;
    m_viewer = nullptr;
}

void TestFloatingHexaViewer::gridMirrorsImage()
{
    QCOMPARE(cellText(*m_viewer, 0), QString("00"));
    QCOMPARE(cellText(*m_viewer, 10), QString("0A"));
    QCOMPARE(cellText(*m_viewer, 255), QString("FF"));
    QVERIFY(allGrey());
}

void TestFloatingHexaViewer::refreshMarksChangedBytesRed_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("first") << 0;
    QTest::newRow("extension") << 200;
}

void TestFloatingHexaViewer::refreshMarksChangedBytesRed()
{
    QFETCH(int, index);
    m_working[index] = 0xEE;
    m_viewer->refreshBytes(m_saved, m_working, index, index);
    QCOMPARE(cellText(*m_viewer, index), QString("EE"));
    QCOMPARE(cellColour(*m_viewer, index), QColor(255, 0, 0));
    // Changing it back turns it grey again.
    m_working[index] = m_saved[index];
    m_viewer->refreshBytes(m_saved, m_working, index, index);
    QCOMPARE(cellColour(*m_viewer, index), QColor(Qt::lightGray));
}

void TestFloatingHexaViewer::refreshLeavesOtherBytesButCoversChecksum()
{
    m_working[71] = 0x11;
    m_working[72] = 0x22;
    m_working[125] = 0x33;
    m_working[126] = 0x44;
    m_working[127] = 0x01;
    m_viewer->refreshBytes(m_saved, m_working, 72, 125);
    QCOMPARE(cellText(*m_viewer, 71), QString("47"));
    QCOMPARE(cellColour(*m_viewer, 71), QColor(Qt::lightGray));
    QCOMPARE(cellText(*m_viewer, 72), QString("22"));
    QCOMPARE(cellText(*m_viewer, 125), QString("33"));
    QCOMPARE(cellText(*m_viewer, 126), QString("7E"));
    QCOMPARE(cellText(*m_viewer, 127), QString("01"));
    QCOMPARE(cellColour(*m_viewer, 127), QColor(255, 0, 0));
}

void TestFloatingHexaViewer::clearingMarksTurnsAllGrey()
{
    m_working[30] = 0;
    m_working[127] = 0;
    m_viewer->refreshBytes(m_saved, m_working, 30, 30);
    m_viewer->clearChangeMarks();
    QCOMPARE(cellText(*m_viewer, 30), QString("00"));
    QVERIFY(allGrey());
}

void TestFloatingHexaViewer::gridTakesNoClicks()
{
    QTableWidget* grid = m_viewer->grid();
    QSignalSpy clicks(grid, &QTableWidget::cellClicked);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(2, 2)).center());
    QCOMPARE(clicks.count(), 0);
    QVERIFY(grid->selectedItems().isEmpty());
}

// The window moves with a left-button drag, from its own area or from the
// grid that covers nearly all of it.
void TestFloatingHexaViewer::drags_data()
{
    QTest::addColumn<bool>("onGrid");
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<bool>("moves");
    QTest::newRow("left") << false << int(Qt::LeftButton) << QPoint(30, 15) << true;
    QTest::newRow("left on the grid") << true << int(Qt::LeftButton) << QPoint(-20, 35) << true;
    QTest::newRow("right") << false << int(Qt::RightButton) << QPoint(30, 15) << false;
    QTest::newRow("middle") << false << int(Qt::MiddleButton) << QPoint(30, 15) << false;
}

void TestFloatingHexaViewer::drags()
{
    QFETCH(bool, onGrid);
    QFETCH(int, button);
    QFETCH(QPoint, offset);
    QFETCH(bool, moves);
    QWidget* target = onGrid ? m_viewer->grid()->viewport() : m_viewer;
    const QPoint from = onGrid ? target->rect().center() : QPoint(10, 10);
    drag(target, Qt::MouseButton(button), from, from + offset);
    QCOMPARE(m_viewer->pos(), QPoint(100, 100) + (moves ? offset : QPoint()));
}

void TestFloatingHexaViewer::moveWithoutPressDoesNotDrag()
{
    sendMouse(m_viewer, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, QPoint(40, 25));
    QCOMPARE(m_viewer->pos(), QPoint(100, 100));
    // Nor after a drag has ended (button pressed elsewhere).
    drag(m_viewer, Qt::LeftButton, QPoint(10, 10), QPoint(20, 10));
    QCOMPARE(m_viewer->pos(), QPoint(110, 100));
    sendMouse(m_viewer, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, QPoint(60, 60));
    QCOMPARE(m_viewer->pos(), QPoint(110, 100));
}

QTEST_MAIN(TestFloatingHexaViewer)
#include "tst_floatinghexaviewer.moc"
