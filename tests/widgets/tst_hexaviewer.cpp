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
    void changeMarks_data();
    void changeMarks();
    void descriptionSetterShowsItsSection();
    void floatingDrags_data();
    void floatingDrags();

private:
    QTableWidget* grid() const { return HexaViewer::instance()->grid(); }
    QTableWidgetItem* cell(int index) const { return cellOf(grid(), index); }
    void click(int index);

    Byte m_saved[256];
    Byte m_working[256];
};

void TestHexaViewer::click(int index)
{
    HexaViewer::instance()->resize(1100, 600);
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualItemRect(cell(index)).center());
}

// Every byte holds its own index.
void TestHexaViewer::init()
{
    for (int i = 0; i < 256; ++i)
        m_saved[i] = m_working[i] = Byte(i);
    HexaViewer::instance()->setExtensionLayout(false);
    HexaViewer::instance()->setData(m_working);
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
    QCOMPARE(cell(first - 1)->background().color(), QColor("#ADADAE"));
    // The conversion panel: hexadecimal, decimal, character.
    QCOMPARE(viewer->conversionText(0), QString("%1").arg(index, 2, 16, QChar('0')).toUpper());
    QCOMPARE(viewer->conversionText(1), QString::number(index));
    QCOMPARE(viewer->conversionText(2), QString(QChar(index)));
}

// Bytes 71, 80, 81 and 127 are changed, then 72 to 80 refreshed, in the
// viewer and in its floating grid.
void TestHexaViewer::changeMarks_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("marked");
    QTest::newRow("changed") << 80 << "99" << true;
    QTest::newRow("unchanged") << 79 << "4F" << false;
    QTest::newRow("checksum, always refreshed") << 127 << "12" << true;
    QTest::newRow("before the range") << 71 << "47" << false;
    QTest::newRow("after the range") << 81 << "51" << false;
}

void TestHexaViewer::changeMarks()
{
    QFETCH(int, index);
    QFETCH(bool, marked);
    HexaViewer* viewer = HexaViewer::instance();
    QTableWidget* floating = viewer->floatingViewer()->grid();
    m_working[71] = 0x11;
    m_working[80] = 0x99;
    m_working[81] = 0x5A;
    m_working[127] = 0x12;
    viewer->refreshBytes(m_saved, m_working, 72, 80);
    QTEST(cell(index)->text(), "text");
    QCOMPARE(cell(index)->foreground().color(), marked ? QColor(255, 0, 0) : QColor(Qt::black));
    QCOMPARE(cellOf(floating, index)->foreground().color(), marked ? QColor(255, 0, 0) : QColor(Qt::lightGray));
    viewer->clearChangeMarks();
    QCOMPARE(cell(index)->foreground().color(), QColor(Qt::black));
    QCOMPARE(cellOf(floating, index)->foreground().color(), QColor(Qt::lightGray));
    // Put back, a byte loses its mark.
    viewer->refreshBytes(m_saved, m_working, 0, 255);
    m_working[index] = m_saved[index];
    viewer->refreshBytes(m_saved, m_working, index, index);
    QCOMPARE(cell(index)->foreground().color(), QColor(Qt::black));
}

void TestHexaViewer::descriptionSetterShowsItsSection()
{
    HexaViewer* viewer = HexaViewer::instance();
    viewer->setDescriptorDescription(2, {{"Monitor Data Type Tag", "Display Product Name"}, {"Name", "ZOZEZI"}});
    QCOMPARE(viewer->blockName(), QString("Monitor Descriptor Block 3"));
    QCOMPARE(viewer->shownValues(), QStringList({"Display Product Name", "ZOZEZI"}));
    viewer->setExtensionCountDescription({{"Extension Block(s)", "1"}, {"CEA Extension Block", "YES"}});
    click(100);
    QCOMPARE(viewer->shownValues(), QStringList({"Display Product Name", "ZOZEZI"}));
    click(126);
    QCOMPARE(viewer->shownValues(), QStringList({"1", "YES"}));
    click(0);
    QCOMPARE(viewer->shownValues(), QStringList({"00", "FF", "FF", "FF", "FF", "FF", "FF", "00"}));
}

// The floating window moves with a left-button drag, from its own area or
// from the grid that covers nearly all of it, and only until the release.
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
    FloatingHexaViewer floating;
    floating.setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    floating.move(100, 100);
    floating.show();
    QVERIFY(QTest::qWaitForWindowExposed(&floating));
    QWidget* target = onGrid ? floating.grid()->viewport() : &floating;
    const QPoint from = onGrid ? target->rect().center() : QPoint(10, 10);
    drag(target, Qt::MouseButton(button), from, from + QPoint(30, 15));
    const QPoint moved = QPoint(100, 100) + (moves ? QPoint(30, 15) : QPoint());
    QCOMPARE(floating.pos(), moved);
    // Moves with the left button held but no press of it in the window.
    sendMouse(target, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, from + QPoint(60, 60));
    QCOMPARE(floating.pos(), moved);
}

QTEST_MAIN(TestHexaViewer)
#include "tst_hexaviewer.moc"
