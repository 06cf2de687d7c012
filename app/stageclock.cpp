#include "stageclock.h"

namespace {
bool g_enabled = false;
QVector<QPair<QString, qint64>> g_totals;
}

StageClock::StageClock(const char* stage) : m_stage(stage)
{
    if (g_enabled)
        m_timer.start();
}

StageClock::~StageClock()
{
    if (!g_enabled || !m_timer.isValid())
        return;
    const qint64 spent = m_timer.nsecsElapsed();
    for (auto& total : g_totals) {
        if (total.first == QLatin1String(m_stage)) {
            total.second += spent;
            return;
        }
    }
    g_totals.append({QString::fromLatin1(m_stage), spent});
}

void StageClock::setEnabled(bool on)
{
    g_enabled = on;
}

QVector<QPair<QString, qint64>> StageClock::takeTotals()
{
    QVector<QPair<QString, qint64>> totals;
    totals.swap(g_totals);
    return totals;
}
