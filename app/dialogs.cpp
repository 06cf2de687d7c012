#include "dialogs.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {
QString g_styleSheet;
Dialogs::BoxHandler g_boxHandler;
Dialogs::DialogHandler g_dialogHandler;
Dialogs::NonModalHandler g_nonModalHandler;
Dialogs::FileHandler g_fileHandler;
Dialogs::UrlHandler g_urlHandler;
}

namespace Dialogs {

int execBox(QMessageBox& box)
{
    return g_boxHandler ? g_boxHandler(box) : box.exec();
}

int execDialog(QDialog& dialog)
{
    return g_dialogHandler ? g_dialogHandler(dialog) : dialog.exec();
}

void showNonModal(QMessageBox* box)
{
    if (g_nonModalHandler)
        g_nonModalHandler(box);
    else
        box->show();
}

void warning(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.setStyleSheet(g_styleSheet);
    execBox(box);
}

QString getOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                        const QString& filter)
{
    if (g_fileHandler)
        return g_fileHandler(caption, dir, filter);
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString getSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                        const QString& filter)
{
    if (g_fileHandler)
        return g_fileHandler(caption, dir, filter);
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

void openUrl(const QUrl& url)
{
    if (g_urlHandler)
        g_urlHandler(url);
    else
        QDesktopServices::openUrl(url);
}

void setStyleSheet(const QString& styleSheet) { g_styleSheet = styleSheet; }
QString styleSheet() { return g_styleSheet; }

void setBoxHandler(BoxHandler handler) { g_boxHandler = std::move(handler); }
void setDialogHandler(DialogHandler handler) { g_dialogHandler = std::move(handler); }
void setNonModalHandler(NonModalHandler handler) { g_nonModalHandler = std::move(handler); }
void setFileHandler(FileHandler handler) { g_fileHandler = std::move(handler); }
void setUrlHandler(UrlHandler handler) { g_urlHandler = std::move(handler); }

} // namespace Dialogs
