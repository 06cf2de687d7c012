// The detailed timing descriptors that follow a CEA-861 data block
// collection. The InfoFrame codec is tested through its editor.
#include "ceadtdlist.h"
#include "detailedtiming.h"

#include <QtTest>

class TestCEADtdList : public QObject {
    Q_OBJECT
private slots:
    void descriptorCount_data();
    void descriptorCount();
};

void TestCEADtdList::descriptorCount_data()
{
    QTest::addColumn<int>("d");
    QTest::addColumn<int>("count");
    QTest::newRow("no collection") << 0 << 0;
    QTest::newRow("last ends at 126") << 19 << 6;
    QTest::newRow("last would reach the checksum") << 20 << 5;
}

void TestCEADtdList::descriptorCount()
{
    // Pixel clocks with a zero low byte still count; a zero clock ends the list.
    QFETCH(int, d);
    Byte ext[EDID_BLOCK_SIZE] = {0, 0, Byte(d)};
    for (int offset = d; offset + DTD_SIZE < EDID_BLOCK_SIZE; offset += DTD_SIZE)
        ext[offset + 1] = 0x3a;
    QTEST(ceaDetailedTimingCount(ext), "count");
    ext[d + DTD_SIZE + 1] = 0;
    QCOMPARE(ceaDetailedTimingCount(ext), d ? 1 : 0);
}

QTEST_MAIN(TestCEADtdList)
#include "tst_ceadtdlist.moc"
