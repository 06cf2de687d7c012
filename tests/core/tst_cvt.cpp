// CVT 1.2 timings computed from the VESA CVT 1.2 formulas (standard blanking,
// reduced blanking v1 and v2): one row per branch and boundary.
#include "cvt.h"

#include <QtTest>

class TestCvt : public QObject {
    Q_OBJECT
private slots:
    void table_data();
    void table();
    void aspectSearch_data();
    void aspectSearch();
    void refusedInputs_data();
    void refusedInputs();
    void clockFromTotals();
};

namespace {
void row(const char* name, CvtBlanking blanking, int h, int v, int rate, int hBlank, int hFront, int hSync,
         int vBlank, int vFront, int vSync, int clock)
{
    QTest::newRow(name) << int(blanking) << h << v << rate << hBlank << hFront << hSync << vBlank << vFront
                        << vSync << clock;
}
} // namespace

void TestCvt::table_data()
{
    for (const char* column : {"blanking", "h", "v", "rate", "hBlank", "hFront", "hSync", "vBlank", "vFront",
                               "vSync", "clock"}) // clock in 10 kHz
        QTest::addColumn<int>(column);
    const CvtBlanking std = CvtBlanking::Standard, rb1 = CvtBlanking::ReducedV1, rb2 = CvtBlanking::ReducedV2;
    // Standard blanking: the duty cycle is held at 20% below 33.3 us lines.
    row("std 640x480@50 duty held at 20%", std, 640, 480, 50, 160, 16, 64, 17, 3, 4, 1975);
    row("std 640x480@60 duty just below 20%", std, 640, 480, 60, 160, 16, 64, 20, 3, 4, 2375);
    row("std 1024x768@60 4:3", std, 1024, 768, 60, 304, 48, 104, 30, 3, 4, 6350);
    row("std 1366x768@60 cut to 1360", std, 1366, 768, 60, 416, 72, 136, 30, 3, 5, 8475);
    row("std 1920x1080@60 16:9", std, 1920, 1080, 60, 656, 128, 200, 40, 3, 5, 17300);
    row("std 1920x1200@120 16:10", std, 1920, 1200, 120, 736, 160, 208, 89, 3, 6, 41050);
    // Reduced blanking: fixed horizontal blanking, a minimum vertical blanking.
    row("rb1 720x400@60 minimum blanking", rb1, 720, 400, 60, 160, 48, 32, 14, 3, 5, 2175);
    row("rb1 1920x1080@60", rb1, 1920, 1080, 60, 160, 48, 32, 31, 3, 5, 13850);
    row("rb2 640x480@60 minimum blanking", rb2, 640, 480, 60, 80, 8, 32, 15, 1, 8, 2125);
    row("rb2 1920x1080@60", rb2, 1920, 1080, 60, 80, 8, 32, 31, 17, 8, 13325);
    row("rb2 3840x2160@144", rb2, 3840, 2160, 144, 80, 8, 32, 154, 140, 8, 130600);
}

void TestCvt::table()
{
    QFETCH(int, blanking);
    QFETCH(int, h);
    QFETCH(int, v);
    QFETCH(int, rate);
    QFETCH(int, hBlank);
    QFETCH(int, hFront);
    QFETCH(int, hSync);
    QFETCH(int, vBlank);
    QFETCH(int, vFront);
    QFETCH(int, vSync);
    QFETCH(int, clock);
    const FormatDefinition f = computeCvtFormat(unsigned(h), unsigned(v), float(rate), CvtBlanking(blanking));
    QCOMPARE(f.hActive, h / 8 * 8);
    QCOMPARE(f.vActive, v);
    QCOMPARE(f.hBlanking, hBlank);
    QCOMPARE(f.hFrontPorch, hFront);
    QCOMPARE(f.hSyncWidth, hSync);
    QCOMPARE(f.vBlanking, vBlank);
    QCOMPARE(f.vFrontPorch, vFront);
    QCOMPARE(f.vSyncWidth, vSync);
    QCOMPARE(int(cvtPixelClock(f)), clock);
}

void TestCvt::aspectSearch_data()
{
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("v");
    QTest::addColumn<int>("vSync");
    QTest::newRow("4:3") << 1600 << 1200 << 4;
    QTest::newRow("16:9") << 1920 << 1080 << 5;
    QTest::newRow("5:4") << 1280 << 1024 << 7;
    QTest::newRow("1366 is used as 1360 (16:9)") << 1366 << 768 << 5;
    QTest::newRow("no ratio within 0.1") << 2560 << 1080 << 10;
}

void TestCvt::aspectSearch()
{
    QFETCH(int, h);
    QFETCH(int, v);
    QFETCH(int, vSync);
    const FormatDefinition f = computeCvtFormat(unsigned(h), unsigned(v), 60.0f, CvtBlanking::Standard);
    QCOMPARE(f.vSyncWidth, vSync);
    QCOMPARE(f.hActive % 8, 0);
    QCOMPARE(computeCvtFormat(unsigned(h), unsigned(v), 60.0f, CvtBlanking::ReducedV2).vSyncWidth, 8);
}

void TestCvt::refusedInputs_data()
{
    QTest::addColumn<int>("v");
    QTest::addColumn<float>("rate");
    QTest::addColumn<int>("blanking");
    QTest::addColumn<QString>("message");
    const QString lines = "V util must be greater than 0 lines";
    const QString number = "Rate must be a number greater than 0 Hz";
    const QString high = "Rate is too high: the vertical blanking would last longer than a frame";
    QTest::newRow("zero lines") << 0 << 60.0f << int(CvtBlanking::Standard) << lines;
    QTest::newRow("zero rate") << 1080 << 0.0f << int(CvtBlanking::ReducedV1) << number;
    QTest::newRow("not a number") << 1080 << std::numeric_limits<float>::quiet_NaN() << int(CvtBlanking::Standard)
                                  << number;
    QTest::newRow("blanking longer than a frame") << 1080 << 2000.0f << int(CvtBlanking::Standard) << high;
}

void TestCvt::refusedInputs()
{
    QFETCH(int, v);
    QFETCH(float, rate);
    QFETCH(int, blanking);
    QFETCH(QString, message);
    QCOMPARE(cvtInputError(unsigned(v), rate, CvtBlanking(blanking)), message);
    QVERIFY(cvtInputError(1080, 60.0f, CvtBlanking(blanking)).isEmpty());
}

void TestCvt::clockFromTotals()
{
    FormatDefinition f;
    f.hTotal = 2000;
    f.vTotal = 1111;
    f.refreshRate = 60.0f;
    QCOMPARE(cvtPixelClock(f), quint32(13325)); // 133.32 MHz rounded down to 133.25
    f.pixelClock = 14850;
    QCOMPARE(cvtPixelClock(f), quint32(14850));
}

QTEST_APPLESS_MAIN(TestCvt)
#include "tst_cvt.moc"
