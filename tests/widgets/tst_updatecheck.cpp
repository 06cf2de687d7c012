// The main window's update check: the automatic one at start, then the
// user's own. The answers come from data: addresses instead of a web server.

#include "mainwindow.h"
#include "testsupport.h"

#include <QAction>
#include <QLabel>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const char kRelease[] = "https://velquin.test/r?v=13&l=en";

QUrl answerFrom(const QString& id, const QString& version, int padding = 0)
{
    const QString document = QString("<?xml version=\"1.0\"?><product><Id>%1</Id><Name>VQ ZAVO Zozezi</Name>"
                                     "<Version>%2</Version><Url>%3</Url>%4</product>")
                                 .arg(id, version, QString(kRelease).toHtmlEscaped(), QString(padding, ' '));
    return QUrl("data:text/xml;base64," + document.toUtf8().toBase64());
}

} // namespace

class TestUpdateCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void announces_data();
    void announces();

private:
    QTemporaryDir m_settingsDir;
};

void TestUpdateCheck::initTestCase()
{
    // The test's own settings, never the user's.
    QVERIFY(m_settingsDir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
}

void TestUpdateCheck::announces_data()
{
    QTest::addColumn<QUrl>("address");
    QTest::addColumn<QString>("lastShown"); // the release announced before the start
    QTest::addColumn<QStringList>("atStart"); // texts of the boxes after the automatic check
    QTest::addColumn<QStringList>("asked"); // and after the user's check
    QTest::addColumn<QString>("remembered");
    const QString same = "  Your software is up to date.   ";
    const QString news = "VQ ZAVO Zozezi v02.00.13 is available on Velquin website. Please click "
                         "<a href='https://velquin.test/r?v=13&amp;l=en'>here</a> for more information.";
    const QStringList none;
    QTest::newRow("same version") << answerFrom("1001", "02.00.12") << "" << none << QStringList{same} << "";
    QTest::newRow("new release") << answerFrom("1001", "02.00.13") << "" << QStringList{news}
                                 << QStringList{news, news} << "02.00.13";
    QTest::newRow("announced") << answerFrom("1001", "02.00.13") << "02.00.13" << none << QStringList{news}
                               << "02.00.13";
    QTest::newRow("another product") << answerFrom("1002", "02.00.13") << "" << none << none << "";
    QTest::newRow("oversized") << answerFrom("1001", "02.00.13", 100000) << "" << none << none << "";
}

void TestUpdateCheck::announces()
{
    QFETCH(QUrl, address);
    QFETCH(QString, lastShown);
    QSettings settings("Velquin", "VQZAVOZozezi");
    settings.clear();
    settings.setValue("UpdateUrl", address);
    if (!lastShown.isEmpty())
        settings.setValue("LastVersionDisplay", lastShown);
    settings.sync();
    // Every box is recorded, and the link in it clicked as the user would.
    QStringList titles;
    QStringList texts;
    QVector<QUrl> opened;
    Dialogs::setUrlHandler([&opened](const QUrl& url) { opened << url; });
    Dialogs::setBoxHandler([&titles, &texts](QMessageBox& box) {
        titles << box.windowTitle();
        texts << box.text();
        for (QLabel* label : box.findChildren<QLabel*>()) {
            if (label->text().contains("<a href"))
                emit label->linkActivated(kRelease);
        }
        return int(QMessageBox::Ok);
    });
    {
        MainWindow window;
        QSignalSpy answers(&window, &MainWindow::updateAnswerHandled);
        QTRY_COMPARE_WITH_TIMEOUT(answers.count(), 1, 10000);
        QTEST(texts, "atStart");
        window.findChild<QAction*>("actionCheck_for_updates")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(answers.count(), 2, 10000);
    }
    Dialogs::setBoxHandler({});
    Dialogs::setUrlHandler({});
    QTEST(texts, "asked");
    for (const QString& title : titles)
        QCOMPARE(title, QString("Velquin ZAVO Zozezi"));
    QCOMPARE(opened, QVector<QUrl>(texts.filter("<a href").size(), QUrl(kRelease)));
    settings.sync();
    QTEST(settings.value("LastVersionDisplay").toString(), "remembered");
}

QTEST_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
