// The application object's shared segment and the named instance marker.

#include "instancemarker.h"
#include "qsingleapplication.h"

#include <QFileInfo>
#include <QSharedMemory>
#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void firstInstanceHoldsSegmentAndMarker();
};

void TestStartup::firstInstanceHoldsSegmentAndMarker()
{
    auto* app = static_cast<QSingleApplication*>(qApp);
    // Another copy holds the segment: this one is not the first.
    QSharedMemory other(QSingleApplication::sharedMemoryKey());
    QVERIFY(other.create(1));
    QVERIFY(!app->isFirstInstance());
    other.detach();
    // Once that copy is gone this one is first, and holds the segment for the next.
    QVERIFY(app->isFirstInstance());
    QSharedMemory next(QSingleApplication::sharedMemoryKey());
    QVERIFY(next.attach(QSharedMemory::ReadOnly));
    QVERIFY(InstanceMarker::create());
    QCOMPARE(QFileInfo(InstanceMarker::path()).fileName(), QString("VQZavoZozeziMutex"));
    QVERIFY(QFileInfo::exists(InstanceMarker::path()));
}

int main(int argc, char** argv)
{
    QSingleApplication app(argc, argv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
