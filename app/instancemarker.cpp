#include "instancemarker.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace InstanceMarker {

QString path()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return QDir(dir).filePath("VQZavoZozeziMutex");
}

bool create()
{
    // Kept until the process ends; the lock file is removed on a normal exit
    // and taken over when left behind by a crashed copy.
    static QLockFile lock(path());
    lock.setStaleLockTime(0);
    return lock.tryLock(0) || lock.error() == QLockFile::LockFailedError;
}

} // namespace InstanceMarker
