#include "updateinfo.h"

#include <QtTest>

class TestUpdateInfo : public QObject
{
    Q_OBJECT

private slots:
    void readsDocument_data();
    void readsDocument();
    void comparesVersionsAsText_data();
    void comparesVersionsAsText();
    void decidesAgainstTheLastAnnouncement();
    void releaseText_data();
    void releaseText();
};

void TestUpdateInfo::readsDocument_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("read"); // id|version|url
    QTest::newRow("no version keeps ours") << QByteArray("<p><Id>1001</Id></p>") << "1001|02.00.12|";
    QTest::newRow("stops at end of enclosing element")
        << QByteArray("<a><b><Id>1001</Id></b><Version>09.00.00</Version></a>") << "1001|02.00.12|";
    QTest::newRow("empty element does not end reading")
        << QByteArray("<p><Name></Name><Id>1001</Id><Version/><Url>u</Url></p>") << "1001|02.00.12|u";
    QTest::newRow("child instead of text is skipped whole")
        << QByteArray("<p><Version><x>03</x><y/></Version><Id>1001</Id></p>") << "1001|02.00.12|";
    QTest::newRow("malformed keeps values read so far")
        << QByteArray("<p><Id>1001</Id><Version>02.00.20</Version><Url>x</Ur></p>") << "1001|02.00.20|x";
    QTest::newRow("names are case sensitive") << QByteArray("<p><id>1001</id><ID>1001</ID></p>") << "|02.00.12|";
    QTest::newRow("entities are text")
        << QByteArray("<p><Url>https://v.test/?a=1&amp;b=2</Url></p>") << "|02.00.12|https://v.test/?a=1&b=2";
}

void TestUpdateInfo::readsDocument()
{
    QFETCH(QByteArray, document);
    const UpdateInfo info = readUpdateInfo(document);
    QTEST(QStringList({info.id, info.version, info.url}).join('|'), "read");
}

void TestUpdateInfo::comparesVersionsAsText_data()
{
    QTest::addColumn<QString>("candidate");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<bool>("newer");
    QTest::newRow("next") << "02.00.13" << "02.00.12" << true;
    QTest::newRow("same") << "02.00.12" << "02.00.12" << false;
    QTest::newRow("older") << "02.00.11" << "02.00.12" << false;
    QTest::newRow("text not numbers") << "02.00.9" << "02.00.12" << true;
    QTest::newRow("ignores case") << "02.00.12b" << "02.00.12B" << false;
    QTest::newRow("anything beats empty") << "00" << "" << true;
}

void TestUpdateInfo::comparesVersionsAsText()
{
    QFETCH(QString, candidate);
    QFETCH(QString, reference);
    QTEST(isNewerVersion(candidate, reference), "newer");
}

// The other cases are proved by the update check of the main window.
void TestUpdateInfo::decidesAgainstTheLastAnnouncement()
{
    UpdateInfo info;
    info.id = "1001";
    info.version = "02.00.13";
    UpdateDecision decision = decideUpdate(info, "02.00.13", false);
    QCOMPARE(decision.message, UpdateMessage::None);
    QVERIFY(decision.rememberVersion);
    info.version = "02.00.14";
    decision = decideUpdate(info, "02.00.13", false);
    QCOMPARE(decision.message, UpdateMessage::NewRelease);
    QVERIFY(decision.rememberVersion);
    info.id = "1002";
    QCOMPARE(decideUpdate(info, "", true).message, UpdateMessage::None);
}

void TestUpdateInfo::releaseText_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("text");

    const QString plain = "VQ ZAVO Zozezi v%1 is available on Velquin website.";
    const QString linked = plain + " Please click <a href='%2'>here</a> for more information.";
    QTest::newRow("markup in version") << "<img src=x>&" << "mailto:x@y"
                                       << plain.arg("&lt;img src=x&gt;&amp;");
    QTest::newRow("script address") << "02.00.13" << "javascript:alert(1)" << plain.arg("02.00.13");
    QTest::newRow("local file") << "02.00.13" << "file:///etc/passwd" << plain.arg("02.00.13");
    QTest::newRow("quote breaks out")
        << "02.00.13" << "https://v.test/a'><b onclick=x>\""
        << linked.arg("02.00.13", "https://v.test/a%27%3E%3Cb%20onclick=x%3E%22");
}

void TestUpdateInfo::releaseText()
{
    QFETCH(QString, version);
    QFETCH(QString, url);
    QTEST(newReleaseText(version, url), "text");
}

QTEST_APPLESS_MAIN(TestUpdateInfo)
#include "tst_updateinfo.moc"
