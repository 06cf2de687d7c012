// CVT 1.2 timings computed from the VESA CVT 1.2 formulas (standard blanking,
// reduced blanking v1 and v2): one row per branch and boundary.
#include "cvt.h"

#include <QtTest>

class TestCvt : public QObject {
    Q_OBJECT
private slots:
    void table_data();
    void table();
    void aspectSearch();
    void refusedInputs_data();
    void refusedInputs();
    void clockFromTotals();
};

namespace {
// Expected: hBlank, hFront, hSync, vBlank, vFront, vSync, clock in 10 kHz.
void row(const char* name, CvtBlanking blanking, int h, int v, int rate, const QList<int>& expected)
{
    QTest::newRow(name) << int(blanking) << h << v << rate << expected;
}
} // namespace

void TestCvt::table_data()
{
    for (const char* column : {"blanking", "h", "v", "rate"})
        QTest::addColumn<int>(column);
    QTest::addColumn<QList<int>>("expected");
    const CvtBlanking std = CvtBlanking::Standard, rb1 = CvtBlanking::ReducedV1, rb2 = CvtBlanking::ReducedV2;
    // Standard blanking: the duty cycle is held at 20% below 33.3 us lines.
    row("std 640x480@50 duty held at 20%", std, 640, 480, 50, {160, 16, 64, 17, 3, 4, 1975});
    row("std 640x480@60 duty just below 20%", std, 640, 480, 60, {160, 16, 64, 20, 3, 4, 2375});
    row("std 1024x768@60 4:3", std, 1024, 768, 60, {304, 48, 104, 30, 3, 4, 6350});
    row("std 1366x768@60 cut to 1360", std, 1366, 768, 60, {416, 72, 136, 30, 3, 5, 8475});
    row("std 1920x1080@60 16:9", std, 1920, 1080, 60, {656, 128, 200, 40, 3, 5, 17300});
    row("std 1920x1200@120 16:10", std, 1920, 1200, 120, {736, 160, 208, 89, 3, 6, 41050});
    // Reduced blanking: fixed horizontal blanking, a minimum vertical blanking.
    row("rb1 720x400@60 minimum blanking", rb1, 720, 400, 60, {160, 48, 32, 14, 3, 5, 2175});
    row("rb1 1920x1080@60", rb1, 1920, 1080, 60, {160, 48, 32, 31, 3, 5, 13850});
    row("rb2 640x480@60 minimum blanking", rb2, 640, 480, 60, {80, 8, 32, 15, 1, 8, 2125});
    row("rb2 1920x1080@60", rb2, 1920, 1080, 60, {80, 8, 32, 31, 17, 8, 13325});
    row("rb2 3840x2160@144", rb2, 3840, 2160, 144, {80, 8, 32, 154, 140, 8, 130600});
}

void TestCvt::table()
{
    QFETCH(int, blanking);
    QFETCH(int, h);
    QFETCH(int, v);
    QFETCH(int, rate);
    const FormatDefinition f = computeCvtFormat(unsigned(h), unsigned(v), float(rate), CvtBlanking(blanking));
    QCOMPARE(f.hActive, h / 8 * 8);
    QCOMPARE(f.vActive, v);
    const QList<int> timing = {f.hBlanking, f.hFrontPorch, f.hSyncWidth, f.vBlanking, f.vFrontPorch, f.vSyncWidth,
                               int(cvtPixelClock(f))};
    QTEST(timing, "expected");
}

// The vertical sync width names the aspect ratio (5 also for 1366 used as
// 1360, 10 when no ratio lies within 0.1); reduced blanking v2 always uses 8.
void TestCvt::aspectSearch()
{
    for (const QList<int>& c : QList<QList<int>>{{1600, 1200, 4}, {1280, 1024, 7}, {1366, 768, 5}, {2560, 1080, 10}}) {
        QCOMPARE(computeCvtFormat(unsigned(c[0]), unsigned(c[1]), 60.0f, CvtBlanking::Standard).vSyncWidth, c[2]);
        QCOMPARE(computeCvtFormat(unsigned(c[0]), unsigned(c[1]), 60.0f, CvtBlanking::ReducedV2).vSyncWidth, 8);
    }
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
