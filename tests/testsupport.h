#ifndef TESTSUPPORT_H
#define TESTSUPPORT_H

// Helpers shared by the widget tests: answers to modal boxes and dialogs,
// the sample image, and the file helpers of every test.

#include "dialogs.h"
#include "coresupport.h"

#include <QAbstractButton>
#include <QByteArray>
#include <QDialog>
#include <QMessageBox>
#include <QQueue>
#include <functional>

// Records every modal box that the program opens and answers it: with the
// queued standard buttons first, then with `defaultAnswer` (OK by default).
// While it lives no box blocks.
class BoxRecorder
{
public:
    struct Box {
        QString title;
        QString text;
        QString informativeText;
        QMessageBox::Icon icon;
    };

    explicit BoxRecorder(int defaultAnswer = QMessageBox::Ok) : m_default(defaultAnswer)
    {
        Dialogs::setBoxHandler([this](QMessageBox& box) {
            boxes.append({box.windowTitle(), box.text(), box.informativeText(), box.icon()});
            return answers.isEmpty() ? m_default : answers.dequeue();
        });
    }
    ~BoxRecorder() { Dialogs::setBoxHandler({}); }

    int count() const { return boxes.size(); }
    QString lastTitle() const { return boxes.isEmpty() ? QString() : boxes.last().title; }
    QString lastText() const { return boxes.isEmpty() ? QString() : boxes.last().text; }
    void clear() { boxes.clear(); }

    QList<Box> boxes;
    QQueue<int> answers;

private:
    int m_default;
};

// Answers file dialogs with queued names (an empty name means Cancel) and
// remembers what the program proposed.
class FileAnswers
{
public:
    struct Request {
        QString caption;
        QString dir;
        QString filter;
    };

    FileAnswers()
    {
        Dialogs::setFileHandler([this](const QString& caption, const QString& dir,
                                       const QString& filter) {
            requests.append({caption, dir, filter});
            return answers.isEmpty() ? QString() : answers.dequeue();
        });
    }
    ~FileAnswers() { Dialogs::setFileHandler({}); }

    QQueue<QString> answers;
    QList<Request> requests;
};

// Answers QDialog::exec: runs `prepare` on the dialog (to click inside it)
// and returns the queued result (Rejected when none is queued).
class DialogAnswers
{
public:
    DialogAnswers()
    {
        Dialogs::setDialogHandler([this](QDialog& dialog) {
            ++count;
            if (prepare)
                prepare(dialog);
            const int result = results.isEmpty() ? int(QDialog::Rejected) : results.dequeue();
            dialog.done(result);
            return result;
        });
    }
    ~DialogAnswers() { Dialogs::setDialogHandler({}); }

    std::function<void(QDialog&)> prepare;
    QQueue<int> results;
    int count = 0;
};

// The sample image shipped with the program (1.4, digital, CEA extension).
inline QByteArray sampleImage()
{
    return readFileBytes(QStringLiteral(TEST_SOURCE_DIR "/../resources/samples/zozezi-sample.bin"));
}

#endif
