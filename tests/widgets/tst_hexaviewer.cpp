// The annotated hex viewer: cells, colours, tool tips, sections and the
// conversion panel.

#include "hexaviewer.h"

#include <QTableWidget>
#include <QtTest>

class TestHexaViewer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void toolTips_data();
    void toolTips();
    void clickShowsSection_data();
    void clickShowsSection();
    void conversion_data();
    void conversion();
    void changeMarksFollowTheSavedImage();
    void refreshAlsoCoversChecksum();
    void descriptionSetterShowsItsSection();
    void headerDescriptionIsBuiltIn();
    void highlightMovesWithTheSection();

private:
    QTableWidget* grid() const;
    QTableWidgetItem* cell(int index) const;
    void click(int index);

    Byte m_saved[256];
    Byte m_working[256];
};

QTableWidget* TestHexaViewer::grid() const
{
    return HexaViewer::instance()->findChild<QTableWidget*>("displayByteArray");
}

QTableWidgetItem* TestHexaViewer::cell(int index) const
{
    return grid()->item(index / 16, index % 16);
}

void TestHexaViewer::click(int index)
{
    QTableWidget* table = grid();
    HexaViewer::instance()->resize(1100, 600);
    const QRect rect = table->visualItemRect(cell(index));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, rect.center());
}

void TestHexaViewer::init()
{
    for (int i = 0; i < 256; ++i)
        m_saved[i] = m_working[i] = Byte(i);
    m_working[65] = 'A';
    m_working[66] = '\n';
    m_saved[65] = 'A';
    m_saved[66] = '\n';
    HexaViewer::instance()->setExtensionLayout(false);
    HexaViewer::instance()->setData(m_working);
}

void TestHexaViewer::toolTips_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("tip");
    const QList<QPair<int, QString>> cases = {
        {0, "Header"}, {7, "Header"}, {8, "ID Manufacturer Name"}, {11, "ID Product Code"},
        {12, "ID Serial Number"}, {16, "Week of Manufacture"}, {17, "Year of Manufacture"},
        {18, "EDID Version Number"}, {19, "EDID Revision Number"}, {20, "Video Input Definition"},
        {21, "H. Screen Size"}, {22, "V. Screen Size"}, {23, "Gamma"}, {24, "Feature Support"},
        {34, "Color Characteristics"}, {36, "Established Timings"}, {37, "Manufacturer Timing"},
        {38, "Standard Timings"}, {71, "Preferred Timing Block"}, {72, "Descriptor Block 2"},
        {107, "Descriptor Block 3"}, {125, "Descriptor Block 4"}, {126, "Extension count"},
        {127, "Checksum"}, {128, "Extension Data"}, {255, "Extension Data"}};
    for (const auto& c : cases)
        QTest::newRow(qPrintable(QString::number(c.first))) << c.first << c.second;
}

void TestHexaViewer::toolTips()
{
    QFETCH(int, index);
    QFETCH(QString, tip);
    QCOMPARE(cell(index)->toolTip(), tip);
}

void TestHexaViewer::clickShowsSection_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("extension");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("size");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");

    QTest::newRow("header") << 3 << false << "Header" << "Size: 8 Bytes" << 0 << 7;
    QTest::newRow("vendor") << 17 << false << "Vendor & Product ID" << "Size: 10 Bytes" << 8 << 17;
    QTest::newRow("version") << 18 << false << "Version / Revision" << "Size: 2 Bytes" << 18 << 19;
    QTest::newRow("display") << 24 << false << "Display Parameters" << "Size: 5 Bytes" << 20 << 24;
    QTest::newRow("color") << 25 << false << "Color Characteristics" << "Size: 10 Bytes" << 25 << 34;
    QTest::newRow("byte 37") << 37 << false << "Established Timings" << "Size: 3 Bytes" << 35 << 37;
    QTest::newRow("standard") << 53 << false << "Standard Timings" << "Size: 16 Bytes" << 38 << 53;
    QTest::newRow("block 1") << 54 << false << "Detailed Timings Block" << "Size: 18 Bytes" << 54 << 71;
    QTest::newRow("block 2") << 80 << false << "Monitor Descriptor Block 2" << "Size: 18 Bytes" << 72 << 89;
    QTest::newRow("block 3") << 107 << false << "Monitor Descriptor Block 3" << "Size: 18 Bytes" << 90 << 107;
    QTest::newRow("block 4") << 108 << false << "Monitor Descriptor Block 4" << "Size: 18 Bytes" << 108 << 125;
    QTest::newRow("count") << 126 << false << "Extension Block Count" << "Size: 1 Byte" << 126 << 126;
    QTest::newRow("checksum") << 127 << false << "Checksum" << "Size: 1 Byte" << 127 << 127;
    QTest::newRow("131 without extension") << 131 << false << "Extention Block" << "Size: 128 Byte" << 128 << 255;
    QTest::newRow("131 with extension") << 131 << true << "Monitor Support (CEA)" << "Size: 1 Byte" << 131 << 131;
    QTest::newRow("flag") << 129 << true << "CEA Flag & Version" << "Size: 2 Bytes" << 128 << 130;
    QTest::newRow("cea blocks") << 200 << true << "Descriptor Blocks (CEA)" << "Size: 122 Bytes" << 132 << 253;
    QTest::newRow("padding end") << 254 << true << "End of zero padding" << "Size: 1 Bytes" << 254 << 254;
    QTest::newRow("255 with extension") << 255 << true << "Checksum" << "Size: 1 Byte" << 127 << 127;
    QTest::newRow("255 without extension") << 255 << false << "Checksum" << "Size: 1 Byte" << 127 << 127;
}

void TestHexaViewer::clickShowsSection()
{
    QFETCH(int, index);
    QFETCH(bool, extension);
    QFETCH(QString, name);
    QFETCH(QString, size);
    QFETCH(int, first);
    QFETCH(int, last);
    HexaViewer* viewer = HexaViewer::instance();
    viewer->setExtensionLayout(extension);
    click(index);
    QCOMPARE(viewer->blockName(), name);
    QCOMPARE(viewer->sizeText(), size);
    QCOMPARE(viewer->highlightedRange(), qMakePair(first, last));
    QCOMPARE(cell(first)->background().color(), QColor(Qt::white));
    QCOMPARE(cell(last)->background().color(), QColor(Qt::white));
    if (first > 0)
        QCOMPARE(cell(first - 1)->background().color(), QColor("#ADADAE"));
}

void TestHexaViewer::conversion_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("ascii");
    QTest::newRow("41") << 65 << "41" << "65" << "A";
    QTest::newRow("0A") << 66 << "0A" << "10" << "\n";
    QTest::newRow("FF") << 255 << "FF" << "255" << QString(QChar(255));
}

void TestHexaViewer::conversion()
{
    QFETCH(int, index);
    QFETCH(QString, hex);
    QFETCH(QString, decimal);
    QFETCH(QString, ascii);
    click(index);
    HexaViewer* viewer = HexaViewer::instance();
    QCOMPARE(viewer->conversionText(0), hex);
    QCOMPARE(viewer->conversionText(1), decimal);
    QCOMPARE(viewer->conversionText(2), ascii);
}

void TestHexaViewer::changeMarksFollowTheSavedImage()
{
    HexaViewer* viewer = HexaViewer::instance();
    m_working[80] = 0x99;
    viewer->refreshBytes(m_saved, m_working, 72, 125);
    QCOMPARE(cell(80)->text(), QString("99"));
    QCOMPARE(cell(80)->foreground().color(), QColor(255, 0, 0));
    QCOMPARE(cell(81)->foreground().color(), QColor(Qt::black));
    m_working[80] = m_saved[80];
    viewer->refreshBytes(m_saved, m_working, 72, 125);
    QCOMPARE(cell(80)->foreground().color(), QColor(Qt::black));

    m_working[90] = 0;
    viewer->refreshBytes(m_saved, m_working, 90, 90);
    QCOMPARE(cell(90)->foreground().color(), QColor(255, 0, 0));
    viewer->clearChangeMarks();
    QCOMPARE(cell(90)->foreground().color(), QColor(Qt::black));
}

void TestHexaViewer::refreshAlsoCoversChecksum()
{
    m_working[127] = 0x12;
    HexaViewer::instance()->refreshBytes(m_saved, m_working, 8, 18);
    QCOMPARE(cell(127)->text(), QString("12"));
    QCOMPARE(cell(127)->foreground().color(), QColor(255, 0, 0));
}

void TestHexaViewer::descriptionSetterShowsItsSection()
{
    HexaViewer* viewer = HexaViewer::instance();
    viewer->setDescriptorDescription(2, {{"Monitor Data Type Tag", "Display Product Name"},
                                         {"Name", "ZOZEZI"}});
    QCOMPARE(viewer->blockName(), QString("Monitor Descriptor Block 3"));
    QCOMPARE(viewer->shownLabels(), QStringList({"Monitor Data Type Tag", "Name"}));
    QCOMPARE(viewer->shownValues(), QStringList({"Display Product Name", "ZOZEZI"}));
    QCOMPARE(viewer->highlightedRange(), qMakePair(90, 107));

    viewer->setExtensionCountDescription({{"Extension Block(s)", "1"}, {"CEA Extension Block", "YES"}});
    click(80);
    QCOMPARE(viewer->blockName(), QString("Monitor Descriptor Block 2"));
    click(100);
    QCOMPARE(viewer->shownValues(), QStringList({"Display Product Name", "ZOZEZI"}));
    click(126);
    QCOMPARE(viewer->shownValues(), QStringList({"1", "YES"}));
    click(127);
    QCOMPARE(viewer->shownLabels(), QStringList({"Checksum"}));
    QCOMPARE(viewer->shownValues(), QStringList({"Checksum"}));
}

void TestHexaViewer::headerDescriptionIsBuiltIn()
{
    click(0);
    HexaViewer* viewer = HexaViewer::instance();
    QCOMPARE(viewer->shownLabels().first(), QString("Byte 0"));
    QCOMPARE(viewer->shownLabels().last(), QString("Byte 7"));
    QCOMPARE(viewer->shownValues(),
             QStringList({"00", "FF", "FF", "FF", "FF", "FF", "FF", "00"}));
}

void TestHexaViewer::highlightMovesWithTheSection()
{
    HexaViewer* viewer = HexaViewer::instance();
    viewer->highlightBytes(20, 24);
    viewer->highlightBytes(126, 126);
    QCOMPARE(cell(22)->background().color(), QColor("#ADADAE"));
    QCOMPARE(cell(126)->background().color(), QColor(Qt::white));
    QCOMPARE(grid()->horizontalHeaderItem(15)->text(), QString("0F"));
    QCOMPARE(grid()->verticalHeaderItem(15)->text(), QString("F0"));
}

QTEST_MAIN(TestHexaViewer)
#include "tst_hexaviewer.moc"
