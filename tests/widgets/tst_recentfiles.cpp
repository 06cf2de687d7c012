// File > Recent: the last eight files opened or saved, most recent first,
// kept across windows; an entry whose file is gone is reported and dropped.

#include "mainwindow.h"
#include "recentfiles.h"
#include "testsupport.h"

#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestRecentFiles : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void keepsEightMostRecentFirst();
    void entryOpensItsFileAndMissingOneIsDropped();
    void geometryAndListSurviveTheWindow();

private:
    QString writeSample(const QString& name);
    QMenu* recentMenu(MainWindow& window);

    QTemporaryDir m_dir;
};

void TestRecentFiles::init()
{
    QSettings("Velquin", "VQZAVOZozezi").remove("RecentFiles");
    QSettings("Velquin", "VQZAVOZozezi").remove("WindowGeometry");
}

QString TestRecentFiles::writeSample(const QString& name)
{
    const QString path = m_dir.filePath(name);
    writeFileBytes(path, sampleImage());
    return QFileInfo(path).absoluteFilePath();
}

QMenu* TestRecentFiles::recentMenu(MainWindow& window)
{
    return window.menuBar()->findChild<QMenu*>("menuRecent");
}

void TestRecentFiles::keepsEightMostRecentFirst()
{
    MainWindow window;
    QStringList paths;
    for (int i = 0; i < 10; ++i) {
        paths << writeSample(QString("s%1.bin").arg(i));
        QVERIFY(window.openFile(paths.last().toLocal8Bit().constData()));
    }
    QVERIFY(window.openFile(paths.at(5).toLocal8Bit().constData()));
    const QStringList expected{paths[5], paths[9], paths[8], paths[7],
                               paths[6], paths[4], paths[3], paths[2]};
    QCOMPARE(window.recentFiles().paths(), expected);
    // Eight entries, a separator and "Clear List".
    QCOMPARE(recentMenu(window)->actions().size(), 10);
    QCOMPARE(recentMenu(window)->actions().first()->text(), QString("&1 s5.bin"));
}

void TestRecentFiles::entryOpensItsFileAndMissingOneIsDropped()
{
    const QString kept = writeSample("kept.bin");
    const QString gone = writeSample("gone.bin");
    MainWindow window;
    window.recentFiles().add(kept);
    window.recentFiles().add(gone);
    QFile::remove(gone);
    BoxRecorder boxes;
    recentMenu(window)->actions().at(1)->trigger();
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(window.currentPath(), kept);
    QCOMPARE(window.recentFiles().paths(), (QStringList{kept, gone}));

    recentMenu(window)->actions().at(1)->trigger();
    QCOMPARE(boxes.lastTitle(), QString("Open error"));
    QCOMPARE(window.currentPath(), kept);
    QCOMPARE(window.recentFiles().paths(), QStringList{kept});
}

void TestRecentFiles::geometryAndListSurviveTheWindow()
{
    const QString path = writeSample("a.bin");
    QSize size;
    {
        MainWindow window;
        window.show();
        window.setGeometry(40, 50, 900, 600);
        QVERIFY(window.openFile(path.toLocal8Bit().constData()));
        size = window.size();
        window.close();
    }
    MainWindow next;
    QCOMPARE(next.size(), size);
    QCOMPARE(next.pos(), QPoint(40, 50));
    QCOMPARE(next.recentFiles().paths(), QStringList{path});
}

QTEST_MAIN(TestRecentFiles)
#include "tst_recentfiles.moc"
