#ifndef STAGECLOCK_H
#define STAGECLOCK_H

#include <QElapsedTimer>
#include <QPair>
#include <QString>
#include <QVector>

// Adds the time spent in a named stage of start-up or of opening a file to
// that stage's total, for the start-up benchmark. Costs one branch unless
// a benchmark switches the clock on.
class StageClock
{
public:
    explicit StageClock(const char* stage);
    ~StageClock();
    StageClock(const StageClock&) = delete;
    StageClock& operator=(const StageClock&) = delete;

    static void setEnabled(bool on);
    // Totals in nanoseconds, in the order the stages were first seen; clears them.
    static QVector<QPair<QString, qint64>> takeTotals();

private:
    const char* m_stage;
    QElapsedTimer m_timer;
};

#endif
