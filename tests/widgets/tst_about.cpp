#include "about.h"
#include "hexaviewer.h"
#include "floatinghexaviewer.h"
#include "mainwindow.h"
#include "testsupport.h"

#include <QAction>
#include <QLabel>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const char kLicenceFolder[] = ":/Licenses/resources/Licenses/";
const char kColour[] = "#0095ff";

QPixmap squareIcon()
{
    QPixmap icon(64, 32);
    icon.fill(Qt::red);
    return icon;
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void licencePageOpensFromPrivateCopy_data();
    void licencePageOpensFromPrivateCopy();
    void webLinksOpenInBrowser();
    void plantedLinkFolderIsRefused();
    void defaultCopyFolderIsTheUsers();
    void mainWindowOpensNonModalAbout();

private:
    QLabel* label(const char* name) const { return m_about->findChild<QLabel*>(name); }

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
    m_about = new About("VQ ZAVO Zozezi", "02.00.12", squareIcon(), kColour, kLicenceFolder);
    m_about->setCopyFolder(m_dir.filePath("copies"));
}

void TestAbout::cleanup()
{
    delete m_about;
    Dialogs::setUrlHandler({});
}


void TestAbout::licencePageOpensFromPrivateCopy_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("content");
    QTest::newRow("EULA") << "label_EULA" << "VQ_EULA.html" << "End-User License Agreement";
    QTest::newRow("LGPL") << "label_LGPL" << "lgpl.html" << "GNU LESSER GENERAL PUBLIC LICENSE";
}

void TestAbout::licencePageOpensFromPrivateCopy()
{
    QFETCH(QString, name);
    QFETCH(QString, fileName);
    QFETCH(QString, content);
    // Keyboard activation of the label's link, as a user without a mouse would.
    m_about->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_about));
    QLabel* link = label(qPrintable(name));
    link->setFocus();
    QTest::keyClick(link, Qt::Key_Tab);
    QTest::keyClick(link, Qt::Key_Return);
    const QString copy = m_dir.filePath("copies/" + fileName);
    QCOMPARE(m_opened, QList<QUrl>({QUrl::fromLocalFile(copy)}));
    const QByteArray page = readFileBytes(copy);
    QCOMPARE(page, readFileBytes(kLicenceFolder + fileName));
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

void TestAbout::webLinksOpenInBrowser()
{
    // The slot opens licence pages only; web links go to the browser as they are.
    m_about->onLinkActivated("#browse_other");
    m_about->onLinkActivated("https://www.qt.io/");
    QVERIFY(m_opened.isEmpty());
    QVERIFY(!QFileInfo::exists(m_dir.filePath("copies")));
    emit label("label_QT5")->linkActivated("https://www.qt.io/");
    emit label("label_VQ_techsupport")->linkActivated("mailto:techsupport@velquin.com");
    QCOMPARE(m_opened, QList<QUrl>({QUrl("https://www.qt.io/"), QUrl("mailto:techsupport@velquin.com")}));
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

void TestAbout::defaultCopyFolderIsTheUsers()
{
    const QString folder = About::defaultCopyFolder();
    QVERIFY(folder.startsWith(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)));
    QVERIFY(!folder.startsWith(QDir::tempPath()));
    About about("VQ ZAVO Zozezi", "02.00.12", squareIcon(), kColour, kLicenceFolder);
    QCOMPARE(about.copyFolder(), folder);
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
    About* about = abouts.first();
    QVERIFY(about->isVisible());
    QVERIFY(!about->isModal());
    QVERIFY(!floating->isVisible());
    QCOMPARE(boxes.count(), 0);
    window.findChild<QAction*>("actionHexa_Viewer")->trigger();  // closes the floating view
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
