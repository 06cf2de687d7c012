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
    void firstInstanceHoldsSegment();
    void markerIsCreatedByName();
};

void TestStartup::firstInstanceHoldsSegment()
{
    auto* app = qobject_cast<QSingleApplication*>(qApp);
    QVERIFY(app);
    QCOMPARE(QString(QSingleApplication::sharedMemoryKey()).length(), 36);
    QVERIFY(app->isFirstInstance());

    // Another copy sees the segment and is told it is not the first.
    QSharedMemory other(QSingleApplication::sharedMemoryKey());
    QVERIFY(other.attach(QSharedMemory::ReadOnly));
    other.detach();
    QVERIFY(!app->isFirstInstance());
}

void TestStartup::markerIsCreatedByName()
{
    InstanceMarker::create();
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
