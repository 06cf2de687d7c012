#include "mainwindow.h"
#include "testsupport.h"

#include <QAction>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QSettings>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const char kPath[] = "/~ftp-xml/product_update_1001.xml";

QByteArray updateDocument(const QString& id, const QString& version,
                          const QString& url = "https://velquin.test/release")
{
    return QString("<?xml version=\"1.0\"?><product><Id>%1</Id><Name>VQ ZAVO Zozezi</Name>"
                   "<Version>%2</Version><Url>%3</Url></product>")
        .arg(id, version.toHtmlEscaped(), url.toHtmlEscaped())
        .toUtf8();
}

// Answers every GET on 127.0.0.1 with the current document and remembers
// the request lines it was sent.
class UpdateServer : public QObject
{
public:
    UpdateServer()
    {
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
        });
    }

    QUrl url() const
    {
        return QUrl(QString("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(kPath));
    }

    QByteArray document;
    QStringList requestLines;

private:
    void answer(QTcpSocket* socket)
    {
        QByteArray& buffer = m_buffers[socket];
        buffer += socket->readAll();
        if (!buffer.contains("\r\n\r\n"))
            return;
        requestLines << QString::fromLatin1(buffer.left(buffer.indexOf("\r\n")));
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nConnection: close\r\n"
                      "Content-Length: " + QByteArray::number(document.size()) + "\r\n\r\n" + document);
        socket->disconnectFromHost();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        m_buffers.remove(socket);
    }

    QTcpServer m_server;
    QHash<QTcpSocket*, QByteArray> m_buffers;
};

QSettings programSettings()
{
    return QSettings("Velquin", "VQZAVOZozezi");
}

} // namespace

class TestUpdateCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void sameVersionIsSilentUntilTheUserAsks();
    void automaticCheckAnnouncesNewReleaseOnce();
    void unusableAnswerIsSilent();
    void linkOpensInBrowser();

private:
    // Builds the window (which sends the automatic request) and waits for
    // the answer.
    void startWindow();
    void userCheck();
    void waitForAnswers(int count);

    QTemporaryDir m_settingsDir;
    UpdateServer* m_server = nullptr;
    MainWindow* m_window = nullptr;
    QSignalSpy* m_answers = nullptr;
    BoxRecorder* m_boxes = nullptr;
};

void TestUpdateCheck::initTestCase()
{
    // The test's own settings, never the user's.
    QVERIFY(m_settingsDir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    qRegisterMetaType<QNetworkReply*>();
}

void TestUpdateCheck::init()
{
    m_server = new UpdateServer;
    QSettings settings = programSettings();
    settings.clear();
    settings.setValue("UpdateUrl", m_server->url());
    settings.sync();
    m_boxes = new BoxRecorder;
}

void TestUpdateCheck::cleanup()
{
    delete m_answers;
    m_answers = nullptr;
    delete m_window;
    m_window = nullptr;
    delete m_boxes;
    delete m_server;
}

void TestUpdateCheck::startWindow()
{
    delete m_answers;
    delete m_window;
    m_window = new MainWindow;
    m_answers = new QSignalSpy(m_window->findChild<QNetworkAccessManager*>(),
                               &QNetworkAccessManager::finished);
    waitForAnswers(1);
}

void TestUpdateCheck::userCheck()
{
    const int before = m_answers->count();
    m_window->findChild<QAction*>("actionCheck_for_updates")->trigger();
    waitForAnswers(before + 1);
}

void TestUpdateCheck::waitForAnswers(int count)
{
    QTRY_COMPARE_WITH_TIMEOUT(m_answers->count(), count, 10000);
    QCoreApplication::processEvents();
}

void TestUpdateCheck::sameVersionIsSilentUntilTheUserAsks()
{
    m_server->document = updateDocument("1001", "02.00.12");
    startWindow();
    QCOMPARE(m_boxes->count(), 0);
    QCOMPARE(m_server->requestLines, QStringList(QString("GET %1 HTTP/1.1").arg(kPath)));
    userCheck();
    QCOMPARE(m_boxes->count(), 1);
    QCOMPARE(m_boxes->lastTitle(), QString("Velquin ZAVO Zozezi"));
    QCOMPARE(m_boxes->lastText(), QString("  Your software is up to date.   "));
    QVERIFY(!programSettings().contains("LastVersionDisplay"));
}

void TestUpdateCheck::automaticCheckAnnouncesNewReleaseOnce()
{
    m_server->document = updateDocument("1001", "02.00.13", "https://velquin.test/r?v=13&l=en");
    startWindow();
    QCOMPARE(m_boxes->count(), 1);
    QCOMPARE(m_boxes->boxes.first().icon, QMessageBox::Information);
    QCOMPARE(m_boxes->lastText(), QString("VQ ZAVO Zozezi v02.00.13 is available on Velquin website. Please click "
                               "<a href='https://velquin.test/r?v=13&amp;l=en'>here</a> for more information."));
    QCOMPARE(programSettings().value("LastVersionDisplay").toString(), QString("02.00.13"));

    // The next start sees the same answer and stays silent; the user's own
    // check announces it again.
    startWindow();
    QCOMPARE(m_boxes->count(), 1);
    userCheck();
    QCOMPARE(m_boxes->count(), 2);
    QCOMPARE(m_server->requestLines.size(), 3);
}

void TestUpdateCheck::unusableAnswerIsSilent()
{
    m_server->document = updateDocument("1002", "02.00.13"); // another product
    startWindow();
    userCheck();
    // An oversized answer is dropped instead of read.
    m_server->document = updateDocument("1001", "02.00.13").replace("</product>",
                                                                    QByteArray(100000, ' ') + "</product>");
    startWindow();
    userCheck();
    QSettings settings = programSettings();
    settings.setValue("UpdateUrl", QUrl(QString("http://127.0.0.1:9%1").arg(kPath))); // nothing listens
    settings.sync();
    startWindow();
    userCheck();
    QCOMPARE(m_boxes->count(), 0);
    QVERIFY(!programSettings().contains("LastVersionDisplay"));
}

void TestUpdateCheck::linkOpensInBrowser()
{
    QList<QUrl> opened;
    Dialogs::setUrlHandler([&opened](const QUrl& url) { opened << url; });
    // Click the link as the user would: the box's label reports it.
    Dialogs::setBoxHandler([](QMessageBox& box) {
        for (QLabel* label : box.findChildren<QLabel*>()) {
            if (label->text().contains("<a href"))
                emit label->linkActivated("https://velquin.test/release");
        }
        return int(QMessageBox::Ok);
    });
    m_server->document = updateDocument("1001", "02.00.13");
    startWindow();
    Dialogs::setUrlHandler({});
    QCOMPARE(opened, QList<QUrl>({QUrl("https://velquin.test/release")}));
}

QTEST_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
