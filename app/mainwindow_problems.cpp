// The main window's side of the full decode: the Problems dock and the
// comparison with a file.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "comparedialog.h"
#include "decodeddocument.h"
#include "dialogs.h"
#include "fileaccess.h"
#include "hexaviewer.h"
#include "imageload.h"
#include "problemslist.h"
#include "stageclock.h"

#include <QDir>
#include <QDockWidget>
#include <QMessageBox>

namespace {

const char kCompareTitle[] = "Compare with file";
const int kProblemsHeight = 110;

} // namespace

// With the first document: the decode follows the model from then on, and
// the list of its problems is docked under the editors.
void MainWindow::setupProblems()
{
    StageClock clock("problems dock");
    m_decoded = new DecodedDocument(&m_model, this);
    m_problems = new ProblemsList(m_decoded);
    m_problemsDock = new QDockWidget(m_problems->windowTitle(), this);
    m_problemsDock->setObjectName("problemsDock");
    connect(m_problems, &QWidget::windowTitleChanged, m_problemsDock, &QWidget::setWindowTitle);
    m_problemsDock->setWidget(m_problems);
    addDockWidget(Qt::BottomDockWidgetArea, m_problemsDock);
    resizeDocks({m_problemsDock}, {kProblemsHeight}, Qt::Vertical);
    m_problemsDock->show();
    connect(m_problemsDock->toggleViewAction(), &QAction::toggled, ui->actionProblems, &QAction::setChecked);
    connect(m_problems, &ProblemsList::chosen, this, &MainWindow::showProblemBytes);
    HexaViewer::instance()->setDecodedDocument(m_decoded);
    ui->actionProblems->setEnabled(true);
    ui->actionProblems->setChecked(true);
    ui->actionCompare_with_file->setEnabled(true);
}

void MainWindow::documentReplaced()
{
    if (m_decoded)
        m_decoded->invalidate();
}

void MainWindow::on_actionProblems_triggered(bool checked)
{
    if (m_problemsDock)
        m_problemsDock->setVisible(checked);
}

// The hex viewer, on the bytes of the problem; a problem without bytes of
// its own shows its whole block.
void MainWindow::showProblemBytes(const Finding& finding)
{
    int first = finding.offset;
    int last = first + qMax(finding.length, 1) - 1;
    if (first < 0) {
        first = finding.block * EDID_BLOCK_SIZE;
        last = first + EDID_BLOCK_SIZE - 1;
    }
    ui->dataTabs->setCurrentWidget(ui->hexaTab);
    HexaViewer::instance()->showBytes(first, last);
}

// Reads a file as Open reads it and gives the bytes the editor would hold
// for it; an empty answer, or why the file cannot be read as an EDID.
QString MainWindow::readComparedFile(const QString& path, QByteArray& bytes)
{
    const FileRead file = readInputFile(path);
    if (!file.ok())
        return file.error;
    LoadedImage image;
    const QString refused = loadImage(file.bytes, isTextDumpName(path), image);
    if (refused.isEmpty())
        bytes = image.savedFileBytes();
    return refused;
}

void MainWindow::on_actionCompare_with_file_triggered()
{
    if (m_noDocument)
        return;
    commitPendingEdit();
    const QString name = Dialogs::getOpenFileName(this, kCompareTitle, m_currentPath,
                                                  "EDID Files (*.bin *.dat *.edid);;All (*.*)");
    if (name.isEmpty())
        return;
    QByteArray theirs;
    const QString refused = readComparedFile(name, theirs);
    if (!refused.isEmpty()) {
        Dialogs::warning(this, kCompareTitle, QString("The file %1 cannot be compared: %2")
                                                  .arg(QDir::toNativeSeparators(name), refused));
        return;
    }
    Findings ignored;
    const QList<DecodedDifference> differences =
        diffDecoded(m_decoded->root(), decodeEdid(DecodedDocument::judgedBytes(theirs), ignored));
    if (differences.isEmpty()) {
        QMessageBox box(QMessageBox::Information, kCompareTitle,
                        "The decoded contents of the document and the file are equal.",
                        QMessageBox::Ok, this);
        box.setInformativeText(QDir::toNativeSeparators(name));
        box.setStyleSheet(m_styleSheet);
        Dialogs::execBox(box);
        return;
    }
    CompareDialog dialog(QDir::toNativeSeparators(name), differences, this);
    dialog.setStyleSheet(m_styleSheet);
    Dialogs::execDialog(dialog);
}
