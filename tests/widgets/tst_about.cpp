#include "about.h"
#include "hexaviewer.h"
#include "floatinghexaviewer.h"
#include "mainwindow.h"
#include "testsupport.h"

#include <QAction>
#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const char kLicenceFolder[] = ":/Licenses/resources/Licenses/";

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void linkOpens_data();
    void linkOpens();
    void plantedLinkFolderIsRefused();
    void mainWindowOpensNonModalAbout();

private:
    QTemporaryDir m_dir;
    About* m_about = nullptr;
    QList<QUrl> m_opened;
};

void TestAbout::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestAbout::init()
{
    m_opened.clear();
    QDir(m_dir.filePath("copies")).removeRecursively();
    Dialogs::setUrlHandler([this](const QUrl& url) { m_opened << url; });
    m_about = new About("VQ ZAVO Zozezi", "02.00.12", QPixmap(), "#0095ff", kLicenceFolder);
    m_about->setCopyFolder(m_dir.filePath("copies"));
}

void TestAbout::cleanup()
{
    delete m_about;
    Dialogs::setUrlHandler({});
}

// Web links go to the browser as they are; licence pages as a private copy
// of the program's own page.
void TestAbout::linkOpens_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("target"); // a licence page's file name, or the address
    QTest::addColumn<QString>("content");
    QTest::newRow("EULA") << "label_EULA" << "VQ_EULA.html" << "End-User License Agreement";
    QTest::newRow("LGPL") << "label_LGPL" << "lgpl.html" << "GNU LESSER GENERAL PUBLIC LICENSE";
    QTest::newRow("Qt") << "label_QT5" << "https://www.qt.io/" << "";
    QTest::newRow("Qt code") << "label_QT5Code" << "https://download.qt.io/archive/qt/5.5/" << "";
    QTest::newRow("support") << "label_VQ_techsupport" << "mailto:techsupport@velquin.com" << "";
}

void TestAbout::linkOpens()
{
    QFETCH(QString, name);
    QFETCH(QString, target);
    QFETCH(QString, content);
    // Keyboard activation of the label's link, as a user without a mouse would.
    m_about->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_about));
    auto* link = m_about->findChild<QLabel*>(name);
    link->setFocus();
    QTest::keyClick(link, Qt::Key_Tab);
    QTest::keyClick(link, Qt::Key_Return);
    if (content.isEmpty()) {
        QCOMPARE(m_opened, QList<QUrl>({QUrl(target)}));
        return;
    }
    const QString copy = m_dir.filePath("copies/" + target);
    QCOMPARE(m_opened, QList<QUrl>({QUrl::fromLocalFile(copy)}));
    const QByteArray page = readFileBytes(copy);
    QCOMPARE(page, readFileBytes(kLicenceFolder + target));
    QVERIFY(page.contains(content.toUtf8()));
    QCOMPARE(QFile::permissions(m_dir.filePath("copies")) & 0x0077, QFile::Permissions());

    // A stale, read-only copy from an earlier run is replaced.
    QFile::setPermissions(copy, QFile::WriteOwner | QFile::ReadOwner);
    QVERIFY(writeFileBytes(copy, "stale"));
    QFile::setPermissions(copy, QFile::ReadOwner);
    emit link->linkActivated("#browse_" + name.mid(6));
    QCOMPARE(m_opened.size(), 2);
    QCOMPARE(readFileBytes(copy), page);
}

void TestAbout::plantedLinkFolderIsRefused()
{
    const QString elsewhere = m_dir.filePath("elsewhere");
    QVERIFY(QDir().mkpath(elsewhere));
    QVERIFY(QFile::link(elsewhere, m_dir.filePath("planted")));
    m_about->setCopyFolder(m_dir.filePath("planted"));
    m_about->onLinkActivated("#browse_LGPL");
    QVERIFY(m_opened.isEmpty());
    QVERIFY(QDir(elsewhere).isEmpty());
}

void TestAbout::mainWindowOpensNonModalAbout()
{
    MainWindow window;
    BoxRecorder boxes;
    const QString sample = m_dir.filePath("sample.bin");
    QVERIFY(writeFileBytes(sample, sampleImage()));
    QVERIFY(window.openFile(sample.toLocal8Bit().constData()));
    window.findChild<QAction*>("actionHexa_Viewer")->trigger();
    FloatingHexaViewer* floating = HexaViewer::instance()->floatingViewer();
    QVERIFY(floating->isVisible());

    window.findChild<QAction*>("actionAbout_VQ_Edid_Editor")->trigger();
    window.findChild<QAction*>("actionAbout_VQ_Edid_Editor")->trigger();
    const QList<About*> abouts = window.findChildren<About*>();
    QCOMPARE(abouts.size(), 2);
    QVERIFY(abouts.first()->isVisible() && !abouts.first()->isModal());
    // Licence pages are copied to a folder of the user's own.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QVERIFY(abouts.first()->copyFolder().startsWith(data + "/"));
    QVERIFY(!floating->isVisible());
    window.findChild<QAction*>("actionHexa_Viewer")->trigger();  // closes the floating view
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
