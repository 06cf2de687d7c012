#include "recentfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace {
const char kSettingsKey[] = "RecentFiles";
}

RecentFiles::RecentFiles(QSettings* settings, QMenu* menu, QObject* parent)
    : QObject(parent), m_settings(settings), m_menu(menu)
{
    m_paths = m_settings->value(kSettingsKey).toStringList().mid(0, kMaxFiles);
    rebuildMenu();
}

void RecentFiles::add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_paths.removeAll(absolute);
    m_paths.prepend(absolute);
    m_paths = m_paths.mid(0, kMaxFiles);
    store();
}

void RecentFiles::remove(const QString& path)
{
    m_paths.removeAll(QFileInfo(path).absoluteFilePath());
    store();
}

void RecentFiles::store()
{
    m_settings->setValue(kSettingsKey, m_paths);
    rebuildMenu();
}

void RecentFiles::rebuildMenu()
{
    m_menu->clear();
    for (int i = 0; i < m_paths.size(); ++i) {
        const QString path = m_paths.at(i);
        QAction* action = m_menu->addAction(
            QString("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        action->setToolTip(QDir::toNativeSeparators(path));
        action->setStatusTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] { emit openRequested(path); });
    }
    if (!m_paths.isEmpty()) {
        m_menu->addSeparator();
        connect(m_menu->addAction("Clear List"), &QAction::triggered, this, [this] {
            m_paths.clear();
            store();
        });
    }
    m_menu->setEnabled(!m_paths.isEmpty());
}
