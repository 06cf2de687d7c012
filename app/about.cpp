#include "about.h"
#include "ui_about.h"

#include "dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QStandardPaths>
#include <QUrl>

namespace {

// The links of the dialog: label, link text and target. The two "#browse"
// targets are licence pages of the program's resources.
struct LinkDef {
    QLabel* Ui::About::*label;
    const char* text;
    const char* target;
};

const LinkDef kLinks[] = {
    {&Ui::About::label_QT5, "Qt5 Library", "https://www.qt.io/"},
    {&Ui::About::label_LGPL, "(LPGL v3)", "#browse_LGPL"},
    {&Ui::About::label_QT5Code, "https://download.qt.io/archive/qt/5.5/",
     "https://download.qt.io/archive/qt/5.5/"},
    {&Ui::About::label_VQ_techsupport, "Velquin", "mailto:techsupport@velquin.com"},
    {&Ui::About::label_EULA, "View End-User License Agreement", "#browse_EULA"},
};

struct LicencePage {
    const char* link;
    const char* fileName;
};

const LicencePage kLicencePages[] = {
    {"#browse_EULA", "VQ_EULA.html"},
    {"#browse_LGPL", "lgpl.html"},
};

QString linkHtml(const QString& target, const QString& text, const QString& colour)
{
    return QStringLiteral("<a href=\"%1\"><span style=\" text-decoration: underline; color:%2;\">%3</span></a>")
        .arg(target.toHtmlEscaped(), colour.toHtmlEscaped(), text.toHtmlEscaped());
}

// Creates the folder readable by its owner only. A folder that is a symbolic
// link is refused: another user could have planted it.
bool makePrivateFolder(const QString& folder)
{
    const QFileInfo info(folder);
    if (info.isSymLink())
        return false;
    if (!QDir().mkpath(folder))
        return false;
    return QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Copies a resource page into the folder, replacing a copy left by an earlier
// run (resource copies are read-only, so the old one is made writable first).
bool copyPage(const QString& source, const QString& target)
{
    if (QFileInfo(target).isSymLink() || QFileInfo::exists(target)) {
        QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
        if (!QFile::remove(target))
            return false;
    }
    return QFile::copy(source, target);
}

} // namespace

// Outside any namespace: the macro declares the resource's global init function.
static void initAboutResources()
{
    Q_INIT_RESOURCE(about);
}

About::About(const QString& name, const QString& version, const QPixmap& icon,
             const QString& linkColour, const QString& licenceFolder, QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::About)
    , m_icon(icon)
    , m_licenceFolder(licenceFolder)
    , m_copyFolder(defaultCopyFolder())
{
    initAboutResources();
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    writeLinks(linkColour);
    connect(ui->label_EULA, &QLabel::linkActivated, this, &About::onLinkActivated);
    connect(ui->label_LGPL, &QLabel::linkActivated, this, &About::onLinkActivated);
    for (QLabel* label : {ui->label_QT5, ui->label_QT5Code, ui->label_VQ_techsupport})
        connect(label, &QLabel::linkActivated, this, &About::openWebLink);
    ui->label_Version->setText(version);
    ui->label_Name->setText(name);
}

About::~About()
{
    delete ui;
}

QString About::defaultCopyFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/Velquin/VQZAVOZozezi/Licenses");
}

void About::writeLinks(const QString& linkColour)
{
    for (const LinkDef& link : kLinks) {
        QLabel* label = ui->*(link.label);
        label->setTextFormat(Qt::RichText);
        label->setOpenExternalLinks(false);
        label->setText(linkHtml(QString::fromLatin1(link.target), QString::fromLatin1(link.text), linkColour));
    }
}

void About::onLinkActivated(const QString& link)
{
    for (const LicencePage& page : kLicencePages) {
        if (link != QLatin1String(page.link))
            continue;
        // The browser cannot read the program's resources: open a copy kept
        // in a folder of the user's own, not under a guessable name in the
        // shared temporary folder.
        const QString fileName = QString::fromLatin1(page.fileName);
        const QString target = QDir(m_copyFolder).filePath(fileName);
        if (makePrivateFolder(m_copyFolder) && copyPage(m_licenceFolder + fileName, target))
            Dialogs::openUrl(QUrl::fromLocalFile(target));
        return;
    }
}

void About::openWebLink(const QString& link)
{
    Dialogs::openUrl(QUrl(link));
}

void About::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (!m_icon.isNull())
        ui->label->setPixmap(m_icon.scaled(ui->label->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
