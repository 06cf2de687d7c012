#ifndef RECENTFILES_H
#define RECENTFILES_H

#include <QObject>
#include <QStringList>

class QMenu;
class QSettings;

// The File > Recent menu: the last eight files opened or saved, most
// recent first, kept in the settings so that they survive a restart.
class RecentFiles : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxFiles = 8;

    RecentFiles(QSettings* settings, QMenu* menu, QObject* parent = nullptr);

    QStringList paths() const { return m_paths; }
    void add(const QString& path);
    void remove(const QString& path);

signals:
    void openRequested(const QString& path);

private:
    void store();
    void rebuildMenu();

    QSettings* m_settings;
    QMenu* m_menu;
    QStringList m_paths;
};

#endif
