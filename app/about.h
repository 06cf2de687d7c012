#ifndef ABOUT_H
#define ABOUT_H

#include <QDialog>
#include <QPixmap>
#include <QString>

namespace Ui { class About; }

// The About dialog: the program's icon, name and version, the notices of the
// open-source components and links to the licence pages, which are opened in
// the user's web browser.
class About : public QDialog
{
    Q_OBJECT

public:
    About(const QString& name, const QString& version, const QPixmap& icon,
          const QString& linkColour, const QString& licenceFolder, QWidget* parent = nullptr);
    ~About() override;

    // The private per-user folder into which licence pages are copied before
    // the browser opens them. Tests point it elsewhere.
    static QString defaultCopyFolder();
    QString copyFolder() const { return m_copyFolder; }
    void setCopyFolder(const QString& folder) { m_copyFolder = folder; }

public slots:
    void onLinkActivated(const QString& link);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void writeLinks(const QString& linkColour);
    void openWebLink(const QString& link);

    Ui::About* ui;
    QPixmap m_icon;
    QString m_licenceFolder;
    QString m_copyFolder;
};

#endif
