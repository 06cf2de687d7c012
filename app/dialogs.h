#ifndef DIALOGS_H
#define DIALOGS_H

#include <QString>
#include <QUrl>
#include <functional>

class QDialog;
class QMessageBox;
class QWidget;

// Every modal box, dialog and file chooser of the program is run through
// these functions. Tests replace the handlers so that they can answer the
// boxes themselves and never block on a modal event loop.
namespace Dialogs {

int execBox(QMessageBox& box);
int execDialog(QDialog& dialog);
void showNonModal(QMessageBox* box);
void warning(QWidget* parent, const QString& title, const QString& text);
QString getOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                        const QString& filter);
QString getSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                        const QString& filter);
void openUrl(const QUrl& url);

// The style sheet given to every box and dialog (the main window's).
void setStyleSheet(const QString& styleSheet);
QString styleSheet();

using BoxHandler = std::function<int(QMessageBox&)>;
using DialogHandler = std::function<int(QDialog&)>;
using NonModalHandler = std::function<void(QMessageBox*)>;
using FileHandler = std::function<QString(const QString& caption, const QString& dir,
                                          const QString& filter)>;
using UrlHandler = std::function<void(const QUrl&)>;

// Installs a replacement; an empty function restores the real behaviour.
void setBoxHandler(BoxHandler handler);
void setDialogHandler(DialogHandler handler);
void setNonModalHandler(NonModalHandler handler);
void setFileHandler(FileHandler handler);
void setUrlHandler(UrlHandler handler);

} // namespace Dialogs

#endif
