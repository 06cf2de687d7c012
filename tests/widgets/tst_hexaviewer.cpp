// The annotated hex viewer (cells, change marks, sections, conversion panel)
// and the floating copy of its grid.

#include "floatinghexaviewer.h"
#include "hexaviewer.h"

#include <QMouseEvent>
#include <QTableWidget>
#include <QtTest>

namespace {

QTableWidgetItem* cellOf(QTableWidget* grid, int index) { return grid->item(index / 16, index % 16); }

void sendMouse(QWidget* target, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, const QPoint& at)
{
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
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

class TestHexaViewer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void clickShowsSection_data();
    void clickShowsSection();
    void conversion();
    void changeMarks();
    void descriptionSetterShowsItsSection();
    void floatingGridMarks();
    void floatingDrags_data();
    void floatingDrags();
    void floatingDragEndsOnRelease();

private:
    QTableWidget* grid() const { return HexaViewer::instance()->grid(); }
    QTableWidgetItem* cell(int index) const { return cellOf(grid(), index); }
    void click(int index);
    FloatingHexaViewer* showFloating();

    Byte m_saved[256];
    Byte m_working[256];
    QScopedPointer<FloatingHexaViewer> m_floating;
};

void TestHexaViewer::click(int index)
{
    HexaViewer::instance()->resize(1100, 600);
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualItemRect(cell(index)).center());
}

void TestHexaViewer::init()
{
    for (int i = 0; i < 256; ++i)
        m_saved[i] = m_working[i] = Byte(i);
    m_saved[65] = m_working[65] = 'A';
    HexaViewer::instance()->setExtensionLayout(false);
    HexaViewer::instance()->setData(m_working);
    m_floating.reset();
}

FloatingHexaViewer* TestHexaViewer::showFloating()
{
    m_floating.reset(new FloatingHexaViewer);
    m_floating->setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    m_floating->setData(m_working);
    m_floating->move(100, 100);
    m_floating->show();
    [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(m_floating.data());
    return m_floating.data();
}

void TestHexaViewer::clickShowsSection_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("extension");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("size");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("vendor") << 17 << false << "Vendor & Product ID" << "Size: 10 Bytes" << 8 << 17;
    QTest::newRow("display") << 24 << false << "Display Parameters" << "Size: 5 Bytes" << 20 << 24;
    QTest::newRow("byte 37") << 37 << false << "Established Timings" << "Size: 3 Bytes" << 35 << 37;
    QTest::newRow("block 3") << 107 << false << "Monitor Descriptor Block 3" << "Size: 18 Bytes" << 90 << 107;
    QTest::newRow("count") << 126 << false << "Extension Block Count" << "Size: 1 Byte" << 126 << 126;
    QTest::newRow("131 without extension") << 131 << false << "Extention Block" << "Size: 128 Byte" << 128 << 255;
    QTest::newRow("131 with extension") << 131 << true << "Monitor Support (CEA)" << "Size: 1 Byte" << 131 << 131;
    QTest::newRow("cea blocks") << 200 << true << "Descriptor Blocks (CEA)" << "Size: 122 Bytes" << 132 << 253;
    QTest::newRow("255 is the checksum") << 255 << true << "Checksum" << "Size: 1 Byte" << 127 << 127;
}

void TestHexaViewer::clickShowsSection()
{
    QFETCH(int, index);
    QFETCH(bool, extension);
    QFETCH(int, first);
    QFETCH(int, last);
    HexaViewer* viewer = HexaViewer::instance();
    viewer->setExtensionLayout(extension);
    click(index);
    QTEST(viewer->blockName(), "name");
    QTEST(viewer->sizeText(), "size");
    QCOMPARE(viewer->highlightedRange(), qMakePair(first, last));
    QCOMPARE(cell(first)->background().color(), QColor(Qt::white));
    QCOMPARE(cell(last)->background().color(), QColor(Qt::white));
    QCOMPARE(cell(first - 1)->background().color(), QColor("#ADADAE"));
}

void TestHexaViewer::conversion()
{
    HexaViewer* viewer = HexaViewer::instance();
    click(65);
    QCOMPARE(QStringList({viewer->conversionText(0), viewer->conversionText(1), viewer->conversionText(2)}),
             QStringList({"41", "65", "A"}));
    click(255);
    QCOMPARE(viewer->conversionText(2), QString(QChar(255)));
}

void TestHexaViewer::changeMarks()
{
    HexaViewer* viewer = HexaViewer::instance();
    m_working[80] = 0x99;
    m_working[127] = 0x12;
    viewer->refreshBytes(m_saved, m_working, 72, 80);
    QCOMPARE(cell(80)->text(), QString("99"));
    QCOMPARE(cell(80)->foreground().color(), QColor(255, 0, 0));
    QCOMPARE(cell(81)->foreground().color(), QColor(Qt::black));
    QCOMPARE(cell(127)->text(), QString("12")); // the checksum is always refreshed
    QCOMPARE(cell(127)->foreground().color(), QColor(255, 0, 0));
    m_working[80] = m_saved[80];
    viewer->refreshBytes(m_saved, m_working, 72, 125);
    QCOMPARE(cell(80)->foreground().color(), QColor(Qt::black));
    viewer->clearChangeMarks();
    QCOMPARE(cell(127)->foreground().color(), QColor(Qt::black));
}

void TestHexaViewer::descriptionSetterShowsItsSection()
{
    HexaViewer* viewer = HexaViewer::instance();
    viewer->setDescriptorDescription(2, {{"Monitor Data Type Tag", "Display Product Name"}, {"Name", "ZOZEZI"}});
    QCOMPARE(viewer->blockName(), QString("Monitor Descriptor Block 3"));
    QCOMPARE(viewer->shownValues(), QStringList({"Display Product Name", "ZOZEZI"}));
    viewer->setExtensionCountDescription({{"Extension Block(s)", "1"}, {"CEA Extension Block", "YES"}});
    click(80);
    click(100);
    QCOMPARE(viewer->shownValues(), QStringList({"Display Product Name", "ZOZEZI"}));
    click(126);
    QCOMPARE(viewer->shownValues(), QStringList({"1", "YES"}));
    click(0);
    QCOMPARE(viewer->shownValues(), QStringList({"00", "FF", "FF", "FF", "FF", "FF", "FF", "00"}));
}

void TestHexaViewer::floatingGridMarks()
{
    FloatingHexaViewer* floating = showFloating();
    QTableWidget* g = floating->grid();
    QCOMPARE(cellOf(g, 255)->text(), QString("FF"));
    m_working[71] = 0x11;
    m_working[200] = 0xEE;
    m_working[127] = 0x01;
    floating->refreshBytes(m_saved, m_working, 72, 200);
    QCOMPARE(cellOf(g, 71)->text(), QString("47")); // outside the range
    QCOMPARE(cellOf(g, 200)->text(), QString("EE"));
    QCOMPARE(cellOf(g, 200)->foreground().color(), QColor(255, 0, 0));
    QCOMPARE(cellOf(g, 127)->foreground().color(), QColor(255, 0, 0));
    floating->clearChangeMarks();
    for (int i = 0; i < 256; ++i)
        QCOMPARE(cellOf(g, i)->foreground().color(), QColor(Qt::lightGray));
    // The grid takes no clicks.
    QSignalSpy clicks(g, &QTableWidget::cellClicked);
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualItemRect(cellOf(g, 34)).center());
    QCOMPARE(clicks.count(), 0);
}

// The window moves with a left-button drag, from its own area or from the
// grid that covers nearly all of it.
void TestHexaViewer::floatingDrags_data()
{
    QTest::addColumn<bool>("onGrid");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("moves");
    QTest::newRow("left") << false << int(Qt::LeftButton) << true;
    QTest::newRow("left on the grid") << true << int(Qt::LeftButton) << true;
    QTest::newRow("right") << false << int(Qt::RightButton) << false;
}

void TestHexaViewer::floatingDrags()
{
    QFETCH(bool, onGrid);
    QFETCH(int, button);
    QFETCH(bool, moves);
    FloatingHexaViewer* floating = showFloating();
    QWidget* target = onGrid ? floating->grid()->viewport() : floating;
    const QPoint from = onGrid ? target->rect().center() : QPoint(10, 10);
    drag(target, Qt::MouseButton(button), from, from + QPoint(30, 15));
    QCOMPARE(floating->pos(), QPoint(100, 100) + (moves ? QPoint(30, 15) : QPoint()));
}

void TestHexaViewer::floatingDragEndsOnRelease()
{
    FloatingHexaViewer* floating = showFloating();
    sendMouse(floating, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, QPoint(40, 25));
    QCOMPARE(floating->pos(), QPoint(100, 100));
    drag(floating, Qt::LeftButton, QPoint(10, 10), QPoint(20, 10));
    sendMouse(floating, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, QPoint(60, 60));
    QCOMPARE(floating->pos(), QPoint(110, 100));
}

QTEST_MAIN(TestHexaViewer)
#include "tst_hexaviewer.moc"
