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

private:
    QString writeSample(const QString& name);

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

// Also kept for the next window, with the window's place and size.
void TestRecentFiles::keepsEightMostRecentFirst()
{
    QStringList paths;
    QRect geometry;
    {
        MainWindow window;
        window.show();
        window.setGeometry(40, 50, 900, 600);
        for (int i = 0; i < 10; ++i) {
            paths << writeSample(QString("s%1.bin").arg(i));
            QVERIFY(window.openFile(paths.last().toLocal8Bit().constData()));
        }
        QVERIFY(window.openFile(paths.at(5).toLocal8Bit().constData()));
        QCOMPARE(window.recentFiles().paths(),
                 QStringList({paths[5], paths[9], paths[8], paths[7], paths[6], paths[4], paths[3], paths[2]}));
        // Eight entries, a separator and "Clear List".
        QMenu* menu = window.menuBar()->findChild<QMenu*>("menuRecent");
        QCOMPARE(menu->actions().size(), 10);
        QCOMPARE(menu->actions().first()->text(), QString("&1 s5.bin"));

        // An entry whose file is gone is reported and dropped; the next one opens.
        QFile::remove(paths[9]);
        BoxRecorder boxes;
        menu->actions().at(1)->trigger();
        QCOMPARE(boxes.lastTitle(), QString("Open error"));
        QCOMPARE(window.currentPath(), paths[5]);
        QCOMPARE(window.recentFiles().paths().mid(0, 2), QStringList({paths[5], paths[8]}));
        menu->actions().at(1)->trigger();
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(window.currentPath(), paths[8]);
        geometry = window.geometry();
        window.close();
    }
    MainWindow next;
    QCOMPARE(next.geometry(), geometry);
    QCOMPARE(next.recentFiles().paths().mid(0, 3), QStringList({paths[8], paths[5], paths[7]}));
}

QTEST_MAIN(TestRecentFiles)
#include "tst_recentfiles.moc"
