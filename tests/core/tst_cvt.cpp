// CVT 1.2 timings: the wizard's examples and a table computed from the
// VESA CVT 1.2 formulas (standard blanking, reduced blanking v1 and v2).
#include "cvt.h"

#include <QtTest>

class TestCvt : public QObject {
    Q_OBJECT
private slots:
    void examples();
    void table_data();
    void table();
    void aspectSearch_data();
    void aspectSearch();
    void refusedInputs_data();
    void refusedInputs();
    void clockFromTotals();
};

void TestCvt::examples()
{
    const FormatDefinition std = computeCvtFormat(1920, 1080, 60.0f, CvtBlanking::Standard);
    QCOMPARE(std.hBlanking, 656);
    QCOMPARE(std.hSyncWidth, 200);
    QCOMPARE(std.hFrontPorch, 128);
    QCOMPARE(std.hTotal, 2576);
    QCOMPARE(std.vSyncWidth, 5);
    QCOMPARE(std.vFrontPorch, 3);
    QCOMPARE(std.vBlanking, 40);
    QCOMPARE(std.vTotal, 1120);
    QCOMPARE(cvtPixelClock(std), quint32(17300));
    QVERIFY(!std.interlaced);
    QCOMPARE(std.hBorder, 0);

    const FormatDefinition rb1 = computeCvtFormat(1920, 1080, 60.0f, CvtBlanking::ReducedV1);
    QCOMPARE(rb1.hTotal, 2080);
    QCOMPARE(rb1.hFrontPorch, 48);
    QCOMPARE(rb1.hSyncWidth, 32);
    QCOMPARE(rb1.vBlanking, 31);
    QCOMPARE(rb1.vTotal, 1111);
    QCOMPARE(cvtPixelClock(rb1), quint32(13850));

    const FormatDefinition rb2 = computeCvtFormat(1920, 1080, 60.0f, CvtBlanking::ReducedV2);
    QCOMPARE(rb2.hTotal, 2000);
    QCOMPARE(rb2.vSyncWidth, 8);
    QCOMPARE(rb2.vBlanking, 31);
    QCOMPARE(rb2.vFrontPorch, 17);
    QCOMPARE(rb2.vTotal, 1111);
    QCOMPARE(cvtPixelClock(rb2), quint32(13325));

    const FormatDefinition xga = computeCvtFormat(1024, 768, 60.0f, CvtBlanking::Standard);
    QCOMPARE(xga.hTotal, 1328);
    QCOMPARE(xga.hSyncWidth, 104);
    QCOMPARE(xga.hFrontPorch, 48);
    QCOMPARE(xga.vSyncWidth, 4);
    QCOMPARE(xga.vTotal, 798);
    QCOMPARE(cvtPixelClock(xga), quint32(6350));

    const FormatDefinition sxga = computeCvtFormat(1280, 1024, 60.0f, CvtBlanking::Standard);
    QCOMPARE(sxga.vSyncWidth, 7);
    QCOMPARE(sxga.hTotal, 1712);
    QCOMPARE(sxga.vTotal, 1063);
}

void TestCvt::table_data()
{
    QTest::addColumn<int>("blanking");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("v");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("hBlank");
    QTest::addColumn<int>("hFront");
    QTest::addColumn<int>("hSync");
    QTest::addColumn<int>("vBlank");
    QTest::addColumn<int>("vFront");
    QTest::addColumn<int>("vSync");
    QTest::addColumn<int>("clock"); // 10 kHz
    // DMT modes that VESA defines by CVT
    QTest::newRow("DMT 1400x1050@60") << int(CvtBlanking::Standard) << 1400 << 1050 << 60 << 464 << 88 << 144 << 39 << 3 << 4 << 12175;
    QTest::newRow("DMT 1680x1050@60") << int(CvtBlanking::Standard) << 1680 << 1050 << 60 << 560 << 104 << 176 << 39 << 3 << 6 << 14625;
    QTest::newRow("DMT 1920x1200@60 RB") << int(CvtBlanking::ReducedV1) << 1920 << 1200 << 60 << 160 << 48 << 32 << 35 << 3 << 6 << 15400;
    QTest::newRow("std 640x480@50") << int(CvtBlanking::Standard) << 640 << 480 << 50 << 160 << 16 << 64 << 17 << 3 << 4 << 1975;
    QTest::newRow("std 640x480@60") << int(CvtBlanking::Standard) << 640 << 480 << 60 << 160 << 16 << 64 << 20 << 3 << 4 << 2375;
    QTest::newRow("std 640x480@75") << int(CvtBlanking::Standard) << 640 << 480 << 75 << 176 << 24 << 64 << 24 << 3 << 4 << 3075;
    QTest::newRow("std 640x480@85") << int(CvtBlanking::Standard) << 640 << 480 << 85 << 176 << 24 << 64 << 27 << 3 << 4 << 3500;
    QTest::newRow("std 640x480@120") << int(CvtBlanking::Standard) << 640 << 480 << 120 << 208 << 40 << 64 << 38 << 3 << 4 << 5250;
    QTest::newRow("std 800x600@50") << int(CvtBlanking::Standard) << 800 << 600 << 50 << 192 << 24 << 72 << 21 << 3 << 4 << 3075;
    QTest::newRow("std 800x600@60") << int(CvtBlanking::Standard) << 800 << 600 << 60 << 224 << 32 << 80 << 24 << 3 << 4 << 3825;
    QTest::newRow("std 800x600@75") << int(CvtBlanking::Standard) << 800 << 600 << 75 << 240 << 40 << 80 << 29 << 3 << 4 << 4900;
    QTest::newRow("std 800x600@85") << int(CvtBlanking::Standard) << 800 << 600 << 85 << 256 << 48 << 80 << 33 << 3 << 4 << 5675;
    QTest::newRow("std 800x600@120") << int(CvtBlanking::Standard) << 800 << 600 << 120 << 272 << 56 << 80 << 46 << 3 << 4 << 8300;
    QTest::newRow("std 1024x768@50") << int(CvtBlanking::Standard) << 1024 << 768 << 50 << 288 << 40 << 104 << 25 << 3 << 4 << 5200;
    QTest::newRow("std 1024x768@60") << int(CvtBlanking::Standard) << 1024 << 768 << 60 << 304 << 48 << 104 << 30 << 3 << 4 << 6350;
    QTest::newRow("std 1024x768@75") << int(CvtBlanking::Standard) << 1024 << 768 << 75 << 336 << 64 << 104 << 37 << 3 << 4 << 8200;
    QTest::newRow("std 1024x768@85") << int(CvtBlanking::Standard) << 1024 << 768 << 85 << 352 << 72 << 104 << 41 << 3 << 4 << 9450;
    QTest::newRow("std 1024x768@120") << int(CvtBlanking::Standard) << 1024 << 768 << 120 << 368 << 80 << 104 << 58 << 3 << 4 << 13775;
    QTest::newRow("std 1280x720@50") << int(CvtBlanking::Standard) << 1280 << 720 << 50 << 352 << 48 << 128 << 24 << 3 << 5 << 6050;
    QTest::newRow("std 1280x720@60") << int(CvtBlanking::Standard) << 1280 << 720 << 60 << 384 << 64 << 128 << 28 << 3 << 5 << 7450;
    QTest::newRow("std 1280x720@75") << int(CvtBlanking::Standard) << 1280 << 720 << 75 << 416 << 80 << 128 << 35 << 3 << 5 << 9575;
    QTest::newRow("std 1280x720@85") << int(CvtBlanking::Standard) << 1280 << 720 << 85 << 432 << 80 << 136 << 39 << 3 << 5 << 11025;
    QTest::newRow("std 1280x720@120") << int(CvtBlanking::Standard) << 1280 << 720 << 120 << 464 << 96 << 136 << 55 << 3 << 5 << 16200;
    QTest::newRow("std 1280x800@50") << int(CvtBlanking::Standard) << 1280 << 800 << 50 << 368 << 56 << 128 << 26 << 3 << 6 << 6800;
    QTest::newRow("std 1280x800@60") << int(CvtBlanking::Standard) << 1280 << 800 << 60 << 400 << 72 << 128 << 31 << 3 << 6 << 8350;
    QTest::newRow("std 1280x800@75") << int(CvtBlanking::Standard) << 1280 << 800 << 75 << 416 << 80 << 128 << 38 << 3 << 6 << 10650;
    QTest::newRow("std 1280x800@85") << int(CvtBlanking::Standard) << 1280 << 800 << 85 << 432 << 80 << 136 << 43 << 3 << 6 << 12250;
    QTest::newRow("std 1280x800@120") << int(CvtBlanking::Standard) << 1280 << 800 << 120 << 464 << 96 << 136 << 60 << 3 << 6 << 17975;
    QTest::newRow("std 1280x1024@50") << int(CvtBlanking::Standard) << 1280 << 1024 << 50 << 400 << 72 << 128 << 33 << 3 << 7 << 8850;
    QTest::newRow("std 1280x1024@60") << int(CvtBlanking::Standard) << 1280 << 1024 << 60 << 432 << 80 << 136 << 39 << 3 << 7 << 10900;
    QTest::newRow("std 1280x1024@75") << int(CvtBlanking::Standard) << 1280 << 1024 << 75 << 448 << 88 << 136 << 48 << 3 << 7 << 13875;
    QTest::newRow("std 1280x1024@85") << int(CvtBlanking::Standard) << 1280 << 1024 << 85 << 464 << 96 << 136 << 54 << 3 << 7 << 15950;
    QTest::newRow("std 1280x1024@120") << int(CvtBlanking::Standard) << 1280 << 1024 << 120 << 480 << 104 << 136 << 76 << 3 << 7 << 23200;
    QTest::newRow("std 1366x768@50") << int(CvtBlanking::Standard) << 1366 << 768 << 50 << 384 << 56 << 136 << 25 << 3 << 5 << 6900;
    QTest::newRow("std 1366x768@60") << int(CvtBlanking::Standard) << 1366 << 768 << 60 << 416 << 72 << 136 << 30 << 3 << 5 << 8475;
    QTest::newRow("std 1366x768@75") << int(CvtBlanking::Standard) << 1366 << 768 << 75 << 448 << 80 << 144 << 37 << 3 << 5 << 10900;
    QTest::newRow("std 1366x768@85") << int(CvtBlanking::Standard) << 1366 << 768 << 85 << 464 << 88 << 144 << 41 << 3 << 5 << 12525;
    QTest::newRow("std 1366x768@120") << int(CvtBlanking::Standard) << 1366 << 768 << 120 << 496 << 104 << 144 << 58 << 3 << 5 << 18375;
    QTest::newRow("std 1440x900@50") << int(CvtBlanking::Standard) << 1440 << 900 << 50 << 432 << 72 << 144 << 29 << 3 << 6 << 8675;
    QTest::newRow("std 1440x900@60") << int(CvtBlanking::Standard) << 1440 << 900 << 60 << 464 << 80 << 152 << 34 << 3 << 6 << 10650;
    QTest::newRow("std 1440x900@75") << int(CvtBlanking::Standard) << 1440 << 900 << 75 << 496 << 96 << 152 << 42 << 3 << 6 << 13675;
    QTest::newRow("std 1440x900@85") << int(CvtBlanking::Standard) << 1440 << 900 << 85 << 512 << 104 << 152 << 48 << 3 << 6 << 15700;
    QTest::newRow("std 1440x900@120") << int(CvtBlanking::Standard) << 1440 << 900 << 120 << 528 << 112 << 152 << 67 << 3 << 6 << 22825;
    QTest::newRow("std 1600x900@50") << int(CvtBlanking::Standard) << 1600 << 900 << 50 << 480 << 80 << 160 << 29 << 3 << 5 << 9650;
    QTest::newRow("std 1600x900@60") << int(CvtBlanking::Standard) << 1600 << 900 << 60 << 512 << 88 << 168 << 34 << 3 << 5 << 11825;
    QTest::newRow("std 1600x900@75") << int(CvtBlanking::Standard) << 1600 << 900 << 75 << 544 << 104 << 168 << 42 << 3 << 5 << 15125;
    QTest::newRow("std 1600x900@85") << int(CvtBlanking::Standard) << 1600 << 900 << 85 << 560 << 112 << 168 << 48 << 3 << 5 << 17375;
    QTest::newRow("std 1600x900@120") << int(CvtBlanking::Standard) << 1600 << 900 << 120 << 592 << 128 << 168 << 67 << 3 << 5 << 25425;
    QTest::newRow("std 1600x1200@50") << int(CvtBlanking::Standard) << 1600 << 1200 << 50 << 528 << 96 << 168 << 38 << 3 << 4 << 13150;
    QTest::newRow("std 1600x1200@60") << int(CvtBlanking::Standard) << 1600 << 1200 << 60 << 560 << 112 << 168 << 45 << 3 << 4 << 16100;
    QTest::newRow("std 1600x1200@75") << int(CvtBlanking::Standard) << 1600 << 1200 << 75 << 576 << 120 << 168 << 55 << 3 << 4 << 20475;
    QTest::newRow("std 1600x1200@85") << int(CvtBlanking::Standard) << 1600 << 1200 << 85 << 592 << 128 << 168 << 62 << 3 << 4 << 23500;
    QTest::newRow("std 1600x1200@120") << int(CvtBlanking::Standard) << 1600 << 1200 << 120 << 624 << 136 << 176 << 89 << 3 << 4 << 34350;
    QTest::newRow("std 1680x1050@50") << int(CvtBlanking::Standard) << 1680 << 1050 << 50 << 528 << 88 << 176 << 33 << 3 << 6 << 11950;
    QTest::newRow("std 1680x1050@60") << int(CvtBlanking::Standard) << 1680 << 1050 << 60 << 560 << 104 << 176 << 39 << 3 << 6 << 14625;
    QTest::newRow("std 1680x1050@75") << int(CvtBlanking::Standard) << 1680 << 1050 << 75 << 592 << 120 << 176 << 49 << 3 << 6 << 18700;
    QTest::newRow("std 1680x1050@85") << int(CvtBlanking::Standard) << 1680 << 1050 << 85 << 608 << 128 << 176 << 55 << 3 << 6 << 21475;
    QTest::newRow("std 1680x1050@120") << int(CvtBlanking::Standard) << 1680 << 1050 << 120 << 640 << 136 << 184 << 78 << 3 << 6 << 31375;
    QTest::newRow("std 1920x1080@50") << int(CvtBlanking::Standard) << 1920 << 1080 << 50 << 624 << 112 << 200 << 34 << 3 << 5 << 14150;
    QTest::newRow("std 1920x1080@60") << int(CvtBlanking::Standard) << 1920 << 1080 << 60 << 656 << 128 << 200 << 40 << 3 << 5 << 17300;
    QTest::newRow("std 1920x1080@75") << int(CvtBlanking::Standard) << 1920 << 1080 << 75 << 688 << 136 << 208 << 50 << 3 << 5 << 22075;
    QTest::newRow("std 1920x1080@85") << int(CvtBlanking::Standard) << 1920 << 1080 << 85 << 704 << 144 << 208 << 57 << 3 << 5 << 25325;
    QTest::newRow("std 1920x1080@120") << int(CvtBlanking::Standard) << 1920 << 1080 << 120 << 736 << 160 << 208 << 80 << 3 << 5 << 36950;
    QTest::newRow("std 1920x1200@50") << int(CvtBlanking::Standard) << 1920 << 1200 << 50 << 640 << 120 << 200 << 38 << 3 << 6 << 15825;
    QTest::newRow("std 1920x1200@60") << int(CvtBlanking::Standard) << 1920 << 1200 << 60 << 672 << 136 << 200 << 45 << 3 << 6 << 19325;
    QTest::newRow("std 1920x1200@75") << int(CvtBlanking::Standard) << 1920 << 1200 << 75 << 688 << 136 << 208 << 55 << 3 << 6 << 24525;
    QTest::newRow("std 1920x1200@85") << int(CvtBlanking::Standard) << 1920 << 1200 << 85 << 704 << 144 << 208 << 62 << 3 << 6 << 28125;
    QTest::newRow("std 1920x1200@120") << int(CvtBlanking::Standard) << 1920 << 1200 << 120 << 736 << 160 << 208 << 89 << 3 << 6 << 41050;
    QTest::newRow("std 2560x1440@50") << int(CvtBlanking::Standard) << 2560 << 1440 << 50 << 896 << 176 << 272 << 44 << 3 << 5 << 25625;
    QTest::newRow("std 2560x1440@60") << int(CvtBlanking::Standard) << 2560 << 1440 << 60 << 928 << 192 << 272 << 53 << 3 << 5 << 31225;
    QTest::newRow("std 2560x1440@75") << int(CvtBlanking::Standard) << 2560 << 1440 << 75 << 960 << 200 << 280 << 66 << 3 << 5 << 39725;
    QTest::newRow("std 2560x1440@85") << int(CvtBlanking::Standard) << 2560 << 1440 << 85 << 976 << 208 << 280 << 74 << 3 << 5 << 45475;
    QTest::newRow("std 2560x1440@120") << int(CvtBlanking::Standard) << 2560 << 1440 << 120 << 1008 << 224 << 280 << 105 << 3 << 5 << 66125;
    QTest::newRow("std 2560x1600@50") << int(CvtBlanking::Standard) << 2560 << 1600 << 50 << 912 << 184 << 272 << 49 << 3 << 6 << 28600;
    QTest::newRow("std 2560x1600@60") << int(CvtBlanking::Standard) << 2560 << 1600 << 60 << 944 << 192 << 280 << 58 << 3 << 6 << 34850;
    QTest::newRow("std 2560x1600@75") << int(CvtBlanking::Standard) << 2560 << 1600 << 75 << 976 << 208 << 280 << 72 << 3 << 6 << 44325;
    QTest::newRow("std 2560x1600@85") << int(CvtBlanking::Standard) << 2560 << 1600 << 85 << 976 << 208 << 280 << 82 << 3 << 6 << 50525;
    QTest::newRow("std 2560x1600@120") << int(CvtBlanking::Standard) << 2560 << 1600 << 120 << 1008 << 224 << 280 << 117 << 3 << 6 << 73475;
    QTest::newRow("std 3840x2160@50") << int(CvtBlanking::Standard) << 3840 << 2160 << 50 << 1440 << 304 << 416 << 65 << 3 << 5 << 58700;
    QTest::newRow("std 3840x2160@60") << int(CvtBlanking::Standard) << 3840 << 2160 << 60 << 1472 << 312 << 424 << 77 << 3 << 5 << 71275;
    QTest::newRow("std 3840x2160@75") << int(CvtBlanking::Standard) << 3840 << 2160 << 75 << 1504 << 328 << 424 << 97 << 3 << 5 << 90400;
    QTest::newRow("std 3840x2160@85") << int(CvtBlanking::Standard) << 3840 << 2160 << 85 << 1520 << 336 << 424 << 110 << 3 << 5 << 103375;
    QTest::newRow("std 3840x2160@120") << int(CvtBlanking::Standard) << 3840 << 2160 << 120 << 1552 << 352 << 424 << 156 << 3 << 5 << 149825;
    QTest::newRow("std 1152x864@50") << int(CvtBlanking::Standard) << 1152 << 864 << 50 << 336 << 56 << 112 << 28 << 3 << 4 << 6625;
    QTest::newRow("std 1152x864@60") << int(CvtBlanking::Standard) << 1152 << 864 << 60 << 368 << 64 << 120 << 33 << 3 << 4 << 8175;
    QTest::newRow("std 1152x864@75") << int(CvtBlanking::Standard) << 1152 << 864 << 75 << 384 << 72 << 120 << 41 << 3 << 4 << 10400;
    QTest::newRow("std 1152x864@85") << int(CvtBlanking::Standard) << 1152 << 864 << 85 << 400 << 80 << 120 << 46 << 3 << 4 << 11975;
    QTest::newRow("std 1152x864@120") << int(CvtBlanking::Standard) << 1152 << 864 << 120 << 432 << 96 << 120 << 65 << 3 << 4 << 17625;
    QTest::newRow("std 720x400@50") << int(CvtBlanking::Standard) << 720 << 400 << 50 << 176 << 24 << 64 << 15 << 3 << 5 << 1850;
    QTest::newRow("std 720x400@60") << int(CvtBlanking::Standard) << 720 << 400 << 60 << 176 << 24 << 64 << 17 << 3 << 5 << 2225;
    QTest::newRow("std 720x400@75") << int(CvtBlanking::Standard) << 720 << 400 << 75 << 176 << 24 << 64 << 21 << 3 << 5 << 2800;
    QTest::newRow("std 720x400@85") << int(CvtBlanking::Standard) << 720 << 400 << 85 << 192 << 24 << 72 << 23 << 3 << 5 << 3275;
    QTest::newRow("std 720x400@120") << int(CvtBlanking::Standard) << 720 << 400 << 120 << 224 << 40 << 72 << 32 << 3 << 5 << 4875;
    QTest::newRow("rb1 640x480@60") << int(CvtBlanking::ReducedV1) << 640 << 480 << 60 << 160 << 48 << 32 << 14 << 3 << 4 << 2350;
    QTest::newRow("rb1 640x480@120") << int(CvtBlanking::ReducedV1) << 640 << 480 << 120 << 160 << 48 << 32 << 29 << 3 << 4 << 4875;
    QTest::newRow("rb1 800x600@60") << int(CvtBlanking::ReducedV1) << 800 << 600 << 60 << 160 << 48 << 32 << 18 << 3 << 4 << 3550;
    QTest::newRow("rb1 800x600@120") << int(CvtBlanking::ReducedV1) << 800 << 600 << 120 << 160 << 48 << 32 << 36 << 3 << 4 << 7325;
    QTest::newRow("rb1 1024x768@60") << int(CvtBlanking::ReducedV1) << 1024 << 768 << 60 << 160 << 48 << 32 << 22 << 3 << 4 << 5600;
    QTest::newRow("rb1 1024x768@120") << int(CvtBlanking::ReducedV1) << 1024 << 768 << 120 << 160 << 48 << 32 << 45 << 3 << 4 << 11550;
    QTest::newRow("rb1 1280x720@60") << int(CvtBlanking::ReducedV1) << 1280 << 720 << 60 << 160 << 48 << 32 << 21 << 3 << 5 << 6400;
    QTest::newRow("rb1 1280x720@120") << int(CvtBlanking::ReducedV1) << 1280 << 720 << 120 << 160 << 48 << 32 << 43 << 3 << 5 << 13175;
    QTest::newRow("rb1 1280x800@60") << int(CvtBlanking::ReducedV1) << 1280 << 800 << 60 << 160 << 48 << 32 << 23 << 3 << 6 << 7100;
    QTest::newRow("rb1 1280x800@120") << int(CvtBlanking::ReducedV1) << 1280 << 800 << 120 << 160 << 48 << 32 << 47 << 3 << 6 << 14625;
    QTest::newRow("rb1 1280x1024@60") << int(CvtBlanking::ReducedV1) << 1280 << 1024 << 60 << 160 << 48 << 32 << 30 << 3 << 7 << 9100;
    QTest::newRow("rb1 1280x1024@120") << int(CvtBlanking::ReducedV1) << 1280 << 1024 << 120 << 160 << 48 << 32 << 60 << 3 << 7 << 18725;
    QTest::newRow("rb1 1366x768@60") << int(CvtBlanking::ReducedV1) << 1366 << 768 << 60 << 160 << 48 << 32 << 22 << 3 << 5 << 7200;
    QTest::newRow("rb1 1366x768@120") << int(CvtBlanking::ReducedV1) << 1366 << 768 << 120 << 160 << 48 << 32 << 45 << 3 << 5 << 14825;
    QTest::newRow("rb1 1440x900@60") << int(CvtBlanking::ReducedV1) << 1440 << 900 << 60 << 160 << 48 << 32 << 26 << 3 << 6 << 8875;
    QTest::newRow("rb1 1440x900@120") << int(CvtBlanking::ReducedV1) << 1440 << 900 << 120 << 160 << 48 << 32 << 53 << 3 << 6 << 18275;
    QTest::newRow("rb1 1600x900@60") << int(CvtBlanking::ReducedV1) << 1600 << 900 << 60 << 160 << 48 << 32 << 26 << 3 << 5 << 9775;
    QTest::newRow("rb1 1600x900@120") << int(CvtBlanking::ReducedV1) << 1600 << 900 << 120 << 160 << 48 << 32 << 53 << 3 << 5 << 20125;
    QTest::newRow("rb1 1600x1200@60") << int(CvtBlanking::ReducedV1) << 1600 << 1200 << 60 << 160 << 48 << 32 << 35 << 3 << 4 << 13025;
    QTest::newRow("rb1 1600x1200@120") << int(CvtBlanking::ReducedV1) << 1600 << 1200 << 120 << 160 << 48 << 32 << 71 << 3 << 4 << 26825;
    QTest::newRow("rb1 1680x1050@60") << int(CvtBlanking::ReducedV1) << 1680 << 1050 << 60 << 160 << 48 << 32 << 30 << 3 << 6 << 11900;
    QTest::newRow("rb1 1680x1050@120") << int(CvtBlanking::ReducedV1) << 1680 << 1050 << 120 << 160 << 48 << 32 << 62 << 3 << 6 << 24550;
    QTest::newRow("rb1 1920x1080@60") << int(CvtBlanking::ReducedV1) << 1920 << 1080 << 60 << 160 << 48 << 32 << 31 << 3 << 5 << 13850;
    QTest::newRow("rb1 1920x1080@120") << int(CvtBlanking::ReducedV1) << 1920 << 1080 << 120 << 160 << 48 << 32 << 64 << 3 << 5 << 28550;
    QTest::newRow("rb1 1920x1200@60") << int(CvtBlanking::ReducedV1) << 1920 << 1200 << 60 << 160 << 48 << 32 << 35 << 3 << 6 << 15400;
    QTest::newRow("rb1 1920x1200@120") << int(CvtBlanking::ReducedV1) << 1920 << 1200 << 120 << 160 << 48 << 32 << 71 << 3 << 6 << 31700;
    QTest::newRow("rb1 2560x1440@60") << int(CvtBlanking::ReducedV1) << 2560 << 1440 << 60 << 160 << 48 << 32 << 41 << 3 << 5 << 24150;
    QTest::newRow("rb1 2560x1440@120") << int(CvtBlanking::ReducedV1) << 2560 << 1440 << 120 << 160 << 48 << 32 << 85 << 3 << 5 << 49775;
    QTest::newRow("rb1 2560x1600@60") << int(CvtBlanking::ReducedV1) << 2560 << 1600 << 60 << 160 << 48 << 32 << 46 << 3 << 6 << 26850;
    QTest::newRow("rb1 2560x1600@120") << int(CvtBlanking::ReducedV1) << 2560 << 1600 << 120 << 160 << 48 << 32 << 94 << 3 << 6 << 55275;
    QTest::newRow("rb1 3840x2160@60") << int(CvtBlanking::ReducedV1) << 3840 << 2160 << 60 << 160 << 48 << 32 << 62 << 3 << 5 << 53325;
    QTest::newRow("rb1 3840x2160@120") << int(CvtBlanking::ReducedV1) << 3840 << 2160 << 120 << 160 << 48 << 32 << 127 << 3 << 5 << 109775;
    QTest::newRow("rb1 1152x864@60") << int(CvtBlanking::ReducedV1) << 1152 << 864 << 60 << 160 << 48 << 32 << 25 << 3 << 4 << 6975;
    QTest::newRow("rb1 1152x864@120") << int(CvtBlanking::ReducedV1) << 1152 << 864 << 120 << 160 << 48 << 32 << 51 << 3 << 4 << 14400;
    QTest::newRow("rb1 720x400@60") << int(CvtBlanking::ReducedV1) << 720 << 400 << 60 << 160 << 48 << 32 << 14 << 3 << 5 << 2175;
    QTest::newRow("rb1 720x400@120") << int(CvtBlanking::ReducedV1) << 720 << 400 << 120 << 160 << 48 << 32 << 24 << 3 << 5 << 4475;
    QTest::newRow("rb2 640x480@60") << int(CvtBlanking::ReducedV2) << 640 << 480 << 60 << 80 << 8 << 32 << 15 << 1 << 8 << 2125;
    QTest::newRow("rb2 640x480@120") << int(CvtBlanking::ReducedV2) << 640 << 480 << 120 << 80 << 8 << 32 << 29 << 15 << 8 << 4375;
    QTest::newRow("rb2 640x480@144") << int(CvtBlanking::ReducedV2) << 640 << 480 << 144 << 80 << 8 << 32 << 35 << 21 << 8 << 5325;
    QTest::newRow("rb2 800x600@60") << int(CvtBlanking::ReducedV2) << 800 << 600 << 60 << 80 << 8 << 32 << 18 << 4 << 8 << 3250;
    QTest::newRow("rb2 800x600@120") << int(CvtBlanking::ReducedV2) << 800 << 600 << 120 << 80 << 8 << 32 << 36 << 22 << 8 << 6700;
    QTest::newRow("rb2 800x600@144") << int(CvtBlanking::ReducedV2) << 800 << 600 << 144 << 80 << 8 << 32 << 43 << 29 << 8 << 8125;
    QTest::newRow("rb2 1024x768@60") << int(CvtBlanking::ReducedV2) << 1024 << 768 << 60 << 80 << 8 << 32 << 22 << 8 << 8 << 5225;
    QTest::newRow("rb2 1024x768@120") << int(CvtBlanking::ReducedV2) << 1024 << 768 << 120 << 80 << 8 << 32 << 45 << 31 << 8 << 10750;
    QTest::newRow("rb2 1024x768@144") << int(CvtBlanking::ReducedV2) << 1024 << 768 << 144 << 80 << 8 << 32 << 55 << 41 << 8 << 13075;
    QTest::newRow("rb2 1280x720@60") << int(CvtBlanking::ReducedV2) << 1280 << 720 << 60 << 80 << 8 << 32 << 21 << 7 << 8 << 6025;
    QTest::newRow("rb2 1280x720@120") << int(CvtBlanking::ReducedV2) << 1280 << 720 << 120 << 80 << 8 << 32 << 43 << 29 << 8 << 12450;
    QTest::newRow("rb2 1280x720@144") << int(CvtBlanking::ReducedV2) << 1280 << 720 << 144 << 80 << 8 << 32 << 52 << 38 << 8 << 15100;
    QTest::newRow("rb2 1280x800@60") << int(CvtBlanking::ReducedV2) << 1280 << 800 << 60 << 80 << 8 << 32 << 23 << 9 << 8 << 6700;
    QTest::newRow("rb2 1280x800@120") << int(CvtBlanking::ReducedV2) << 1280 << 800 << 120 << 80 << 8 << 32 << 47 << 33 << 8 << 13800;
    QTest::newRow("rb2 1280x800@144") << int(CvtBlanking::ReducedV2) << 1280 << 800 << 144 << 80 << 8 << 32 << 57 << 43 << 8 << 16775;
    QTest::newRow("rb2 1280x1024@60") << int(CvtBlanking::ReducedV2) << 1280 << 1024 << 60 << 80 << 8 << 32 << 30 << 16 << 8 << 8600;
    QTest::newRow("rb2 1280x1024@120") << int(CvtBlanking::ReducedV2) << 1280 << 1024 << 120 << 80 << 8 << 32 << 60 << 46 << 8 << 17675;
    QTest::newRow("rb2 1280x1024@144") << int(CvtBlanking::ReducedV2) << 1280 << 1024 << 144 << 80 << 8 << 32 << 73 << 59 << 8 << 21475;
    QTest::newRow("rb2 1366x768@60") << int(CvtBlanking::ReducedV2) << 1366 << 768 << 60 << 80 << 8 << 32 << 22 << 8 << 8 << 6825;
    QTest::newRow("rb2 1366x768@120") << int(CvtBlanking::ReducedV2) << 1366 << 768 << 120 << 80 << 8 << 32 << 45 << 31 << 8 << 14025;
    QTest::newRow("rb2 1366x768@144") << int(CvtBlanking::ReducedV2) << 1366 << 768 << 144 << 80 << 8 << 32 << 55 << 41 << 8 << 17050;
    QTest::newRow("rb2 1440x900@60") << int(CvtBlanking::ReducedV2) << 1440 << 900 << 60 << 80 << 8 << 32 << 26 << 12 << 8 << 8425;
    QTest::newRow("rb2 1440x900@120") << int(CvtBlanking::ReducedV2) << 1440 << 900 << 120 << 80 << 8 << 32 << 53 << 39 << 8 << 17375;
    QTest::newRow("rb2 1440x900@144") << int(CvtBlanking::ReducedV2) << 1440 << 900 << 144 << 80 << 8 << 32 << 64 << 50 << 8 << 21100;
    QTest::newRow("rb2 1600x900@60") << int(CvtBlanking::ReducedV2) << 1600 << 900 << 60 << 80 << 8 << 32 << 26 << 12 << 8 << 9325;
    QTest::newRow("rb2 1600x900@120") << int(CvtBlanking::ReducedV2) << 1600 << 900 << 120 << 80 << 8 << 32 << 53 << 39 << 8 << 19200;
    QTest::newRow("rb2 1600x900@144") << int(CvtBlanking::ReducedV2) << 1600 << 900 << 144 << 80 << 8 << 32 << 64 << 50 << 8 << 23300;
    QTest::newRow("rb2 1600x1200@60") << int(CvtBlanking::ReducedV2) << 1600 << 1200 << 60 << 80 << 8 << 32 << 35 << 21 << 8 << 12425;
    QTest::newRow("rb2 1600x1200@120") << int(CvtBlanking::ReducedV2) << 1600 << 1200 << 120 << 80 << 8 << 32 << 71 << 57 << 8 << 25600;
    QTest::newRow("rb2 1600x1200@144") << int(CvtBlanking::ReducedV2) << 1600 << 1200 << 144 << 80 << 8 << 32 << 86 << 72 << 8 << 31100;
    QTest::newRow("rb2 1680x1050@60") << int(CvtBlanking::ReducedV2) << 1680 << 1050 << 60 << 80 << 8 << 32 << 30 << 16 << 8 << 11400;
    QTest::newRow("rb2 1680x1050@120") << int(CvtBlanking::ReducedV2) << 1680 << 1050 << 120 << 80 << 8 << 32 << 62 << 48 << 8 << 23475;
    QTest::newRow("rb2 1680x1050@144") << int(CvtBlanking::ReducedV2) << 1680 << 1050 << 144 << 80 << 8 << 32 << 75 << 61 << 8 << 28500;
    QTest::newRow("rb2 1920x1080@60") << int(CvtBlanking::ReducedV2) << 1920 << 1080 << 60 << 80 << 8 << 32 << 31 << 17 << 8 << 13325;
    QTest::newRow("rb2 1920x1080@120") << int(CvtBlanking::ReducedV2) << 1920 << 1080 << 120 << 80 << 8 << 32 << 64 << 50 << 8 << 27450;
    QTest::newRow("rb2 1920x1080@144") << int(CvtBlanking::ReducedV2) << 1920 << 1080 << 144 << 80 << 8 << 32 << 77 << 63 << 8 << 33300;
    QTest::newRow("rb2 1920x1200@60") << int(CvtBlanking::ReducedV2) << 1920 << 1200 << 60 << 80 << 8 << 32 << 35 << 21 << 8 << 14800;
    QTest::newRow("rb2 1920x1200@120") << int(CvtBlanking::ReducedV2) << 1920 << 1200 << 120 << 80 << 8 << 32 << 71 << 57 << 8 << 30500;
    QTest::newRow("rb2 1920x1200@144") << int(CvtBlanking::ReducedV2) << 1920 << 1200 << 144 << 80 << 8 << 32 << 86 << 72 << 8 << 37025;
    QTest::newRow("rb2 2560x1440@60") << int(CvtBlanking::ReducedV2) << 2560 << 1440 << 60 << 80 << 8 << 32 << 41 << 27 << 8 << 23450;
    QTest::newRow("rb2 2560x1440@120") << int(CvtBlanking::ReducedV2) << 2560 << 1440 << 120 << 80 << 8 << 32 << 85 << 71 << 8 << 48300;
    QTest::newRow("rb2 2560x1440@144") << int(CvtBlanking::ReducedV2) << 2560 << 1440 << 144 << 80 << 8 << 32 << 103 << 89 << 8 << 58650;
    QTest::newRow("rb2 2560x1600@60") << int(CvtBlanking::ReducedV2) << 2560 << 1600 << 60 << 80 << 8 << 32 << 46 << 32 << 8 << 26050;
    QTest::newRow("rb2 2560x1600@120") << int(CvtBlanking::ReducedV2) << 2560 << 1600 << 120 << 80 << 8 << 32 << 94 << 80 << 8 << 53650;
    QTest::newRow("rb2 2560x1600@144") << int(CvtBlanking::ReducedV2) << 2560 << 1600 << 144 << 80 << 8 << 32 << 114 << 100 << 8 << 65150;
    QTest::newRow("rb2 3840x2160@60") << int(CvtBlanking::ReducedV2) << 3840 << 2160 << 60 << 80 << 8 << 32 << 62 << 48 << 8 << 52250;
    QTest::newRow("rb2 3840x2160@120") << int(CvtBlanking::ReducedV2) << 3840 << 2160 << 120 << 80 << 8 << 32 << 127 << 113 << 8 << 107575;
    QTest::newRow("rb2 3840x2160@144") << int(CvtBlanking::ReducedV2) << 3840 << 2160 << 144 << 80 << 8 << 32 << 154 << 140 << 8 << 130600;
    QTest::newRow("rb2 1152x864@60") << int(CvtBlanking::ReducedV2) << 1152 << 864 << 60 << 80 << 8 << 32 << 25 << 11 << 8 << 6550;
    QTest::newRow("rb2 1152x864@120") << int(CvtBlanking::ReducedV2) << 1152 << 864 << 120 << 80 << 8 << 32 << 51 << 37 << 8 << 13525;
    QTest::newRow("rb2 1152x864@144") << int(CvtBlanking::ReducedV2) << 1152 << 864 << 144 << 80 << 8 << 32 << 62 << 48 << 8 << 16425;
    QTest::newRow("rb2 720x400@60") << int(CvtBlanking::ReducedV2) << 720 << 400 << 60 << 80 << 8 << 32 << 15 << 1 << 8 << 1975;
    QTest::newRow("rb2 720x400@120") << int(CvtBlanking::ReducedV2) << 720 << 400 << 120 << 80 << 8 << 32 << 24 << 10 << 8 << 4050;
    QTest::newRow("rb2 720x400@144") << int(CvtBlanking::ReducedV2) << 720 << 400 << 144 << 80 << 8 << 32 << 29 << 15 << 8 << 4925;
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
    QCOMPARE(f.hTotal, f.hActive + hBlank);
    QCOMPARE(f.vBlanking, vBlank);
    QCOMPARE(f.vFrontPorch, vFront);
    QCOMPARE(f.vSyncWidth, vSync);
    QCOMPARE(f.vTotal, v + vBlank);
    QCOMPARE(int(cvtPixelClock(f)), clock);
}

void TestCvt::aspectSearch_data()
{
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("v");
    QTest::addColumn<int>("vSync");
    QTest::newRow("4:3") << 1600 << 1200 << 4;
    QTest::newRow("16:9") << 1920 << 1080 << 5;
    QTest::newRow("16:10") << 1920 << 1200 << 6;
    QTest::newRow("5:4") << 1280 << 1024 << 7;
    QTest::newRow("15:9") << 1280 << 768 << 7;
    QTest::newRow("1366 is used as 1360 (16:9)") << 1366 << 768 << 5;
    QTest::newRow("no ratio within 0.1") << 2560 << 1080 << 10;
    QTest::newRow("square") << 1024 << 1024 << 10;
}

void TestCvt::aspectSearch()
{
    QFETCH(int, h);
    QFETCH(int, v);
    QFETCH(int, vSync);
    const FormatDefinition f = computeCvtFormat(unsigned(h), unsigned(v), 60.0f, CvtBlanking::Standard);
    QCOMPARE(f.vSyncWidth, vSync);
    QCOMPARE(f.hActive % 8, 0);
    const FormatDefinition rb2 = computeCvtFormat(unsigned(h), unsigned(v), 60.0f, CvtBlanking::ReducedV2);
    QCOMPARE(rb2.vSyncWidth, 8);
}

void TestCvt::refusedInputs_data()
{
    QTest::addColumn<int>("v");
    QTest::addColumn<float>("rate");
    QTest::addColumn<int>("blanking");
    QTest::newRow("zero lines") << 0 << 60.0f << int(CvtBlanking::Standard);
    QTest::newRow("zero rate") << 1080 << 0.0f << int(CvtBlanking::ReducedV1);
    QTest::newRow("negative rate") << 1080 << -60.0f << int(CvtBlanking::Standard);
    QTest::newRow("not a number") << 1080 << std::numeric_limits<float>::quiet_NaN() << int(CvtBlanking::Standard);
    QTest::newRow("blanking longer than a frame") << 1080 << 2000.0f << int(CvtBlanking::Standard);
    QTest::newRow("reduced blanking too") << 1080 << 2200.0f << int(CvtBlanking::ReducedV2);
}

void TestCvt::refusedInputs()
{
    QFETCH(int, v);
    QFETCH(float, rate);
    QFETCH(int, blanking);
    QVERIFY(!cvtInputError(unsigned(v), rate, CvtBlanking(blanking)).isEmpty());
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
