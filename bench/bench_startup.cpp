// Start-up from the application's construction to the first paint on the
// offscreen platform, one process per start: an empty Qt window with one
// 16x16 table (the reference), the editor with no file and the editor
// opening a 256-byte EDID with a CEA extension, each the median of five
// with the part spent in each stage. Then, in this process, opening another
// file into the running window, one field edit through the real widgets
// and the problems list judging an edit. Prints figures; never fails on
// timing.

#include "decodeddocument.h"
#include "edid.h"
#include "mainwindow.h"
#include "stageclock.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMap>
#include <QProcess>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

const int kRuns = 5;

// Stops the clock at the widget's first paint.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget* widget) { widget->installEventFilter(this); }
    bool painted = false;

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

void waitForPaint(QWidget* window)
{
    FirstPaint paint(window);
    window->show();
    while (!paint.painted)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

struct Run {
    double totalMs = 0;
    QMap<QString, double> stagesMs;
};

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// Runs `once` kRuns times and prints the median total and stages.
void report(const char* what, const std::function<Run()>& once, double reference)
{
    QVector<double> totals;
    QMap<QString, QVector<double>> stages;
    QStringList order;
    for (int i = 0; i < kRuns; ++i) {
        const Run run = once();
        totals << run.totalMs;
        for (auto it = run.stagesMs.cbegin(); it != run.stagesMs.cend(); ++it) {
            if (!order.contains(it.key()))
                order << it.key();
            stages[it.key()] << it.value();
        }
    }
    const double total = median(totals);
    std::printf("%-44s %8.2f ms", what, total);
    if (reference > 0)
        std::printf("  (%.1fx the empty window)", total / reference);
    std::printf("\n");
    for (const QString& stage : order)
        std::printf("    %-40s %8.2f ms\n", qPrintable(stage), median(stages.value(stage)));
}

Run timed(const std::function<void(Run&)>& body)
{
    Run run;
    StageClock::setEnabled(true);
    QElapsedTimer timer;
    timer.start();
    body(run);
    run.totalMs = timer.nsecsElapsed() / 1e6;
    for (const auto& stage : StageClock::takeTotals())
        run.stagesMs[stage.first] += stage.second / 1e6;
    StageClock::setEnabled(false);
    return run;
}

void addStage(Run& run, const char* stage, QElapsedTimer& timer)
{
    run.stagesMs[stage] += timer.nsecsElapsed() / 1e6;
    timer.restart();
}

// One start in this process, from the application's construction to the
// first paint: "empty", "nofile" or "file".
Run startOnce(int& argc, char** argv, const QString& mode, const QByteArray& file)
{
    return timed([&](Run& run) {
        QElapsedTimer step;
        step.start();
        QApplication app(argc, argv);
        addStage(run, "application construction", step);
        if (mode == "empty") {
            QWidget window;
            auto* table = new QTableWidget(16, 16, &window);
            table->resize(600, 400);
            addStage(run, "window construction", step);
            waitForPaint(&window);
            addStage(run, "first layout and paint", step);
            return;
        }
        auto* window = new MainWindow;
        addStage(run, "main window construction", step);
        if (mode == "file") {
            window->openFile(file.constData());
            addStage(run, "opening the file", step);
        }
        waitForPaint(window);
        addStage(run, "first layout and paint", step);
        delete window;
    });
}

void printRun(const Run& run)
{
    std::printf("total=%f\n", run.totalMs);
    for (auto it = run.stagesMs.cbegin(); it != run.stagesMs.cend(); ++it)
        std::printf("%s=%f\n", qPrintable(it.key()), it.value());
}

// Starts this program once per run in `mode` and reads its figures back.
Run startProcess(const QString& program, const QString& mode)
{
    QProcess process;
    process.start(program, {"--once", mode});
    process.waitForFinished(60000);
    Run run;
    const QList<QByteArray> lines = process.readAllStandardOutput().split('\n');
    for (const QByteArray& line : lines) {
        const int equals = line.indexOf('=');
        if (equals < 0)
            continue;
        const QString key = QString::fromUtf8(line.left(equals));
        const double value = line.mid(equals + 1).toDouble();
        if (key == "total")
            run.totalMs = value;
        else
            run.stagesMs[key] = value;
    }
    return run;
}

void benchFieldEdit(const QByteArray& file)
{
    MainWindow window;
    window.openFile(file.constData());
    waitForPaint(&window);
    auto* field = window.findChild<QLineEdit*>("serialNumberField");
    QVector<double> times;
    for (int i = 0; i < 50; ++i) {
        field->setText(QString::number(1000 + i));
        QElapsedTimer timer;
        timer.start();
        emit field->editingFinished();
        times << timer.nsecsElapsed() / 1e6;
    }
    std::printf("%-44s %8.3f ms (median of 50: bytes, checksum, hex refresh, description)\n",
                "one field edit", median(times));
}

// What the Problems list costs after each edit: the full decode of the
// document and the list filled again, run once per action.
void benchProblems(const QByteArray& file)
{
    MainWindow window;
    window.openFile(file.constData());
    waitForPaint(&window);
    DecodedDocument* decoded = window.decodedDocument();
    QVector<double> times;
    for (int i = 0; i < 50; ++i) {
        decoded->invalidate();
        QElapsedTimer timer;
        timer.start();
        decoded->findings();
        times << timer.nsecsElapsed() / 1e6;
    }
    std::printf("%-44s %8.3f ms (median of 50: full decode, problems list filled)\n",
                "problems after an edit", median(times));
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QByteArray sample = QByteArray(SAMPLE_EDID);
    if (argc == 3 && QByteArray(argv[1]) == "--once") {
        printRun(startOnce(argc, argv, QString::fromLatin1(argv[2]), sample));
        return 0;
    }
    QApplication app(argc, argv);
    // The automatic update check goes to a closed local port.
    QSettings("Velquin", "VQZAVOZozezi")
        .setValue("UpdateUrl", "http://127.0.0.1:9/~ftp-xml/product_update_1001.xml");
    QSettings("Velquin", "VQZAVOZozezi").sync();
    const QString self = QCoreApplication::applicationFilePath();

    std::printf("Start-up to first paint, one process per start, median of %d:\n", kRuns);
    QVector<double> references;
    report("empty Qt window, one 16x16 table", [&] {
        const Run run = startProcess(self, "empty");
        references << run.totalMs;
        return run;
    }, 0);
    const double reference = median(references);
    report("editor, no file", [&] { return startProcess(self, "nofile"); }, reference);
    report("editor, 256-byte EDID with CEA extension", [&] { return startProcess(self, "file"); },
           reference);

    MainWindow running;
    running.openFile(sample.constData());
    waitForPaint(&running);
    auto openAgain = [&] {
        return timed([&](Run& run) {
            QElapsedTimer step;
            step.start();
            running.openFile(sample.constData());
            QCoreApplication::processEvents();
            addStage(run, "open and repaint", step);
        });
    };
    report("opening another file into the running window", openAgain, 0);
    // Opening a file goes back to the first tab; the slots' editors stay made.
    running.findChild<QTabWidget*>("dataTabs")->setCurrentIndex(1);
    QCoreApplication::processEvents();
    report("  the same after the Detailed Data tab was shown", openAgain, 0);
    benchFieldEdit(sample);
    benchProblems(sample);
    return 0;
}
