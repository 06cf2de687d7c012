#include "fileaccess.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Links followed before a target is given up, as the kernel does.
constexpr int kMaxLinkHops = 40;

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// What a file that is not a regular one is, for the messages.
QString fileKind(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("a directory");
    if (S_ISFIFO(mode))
        return QStringLiteral("a FIFO (named pipe)");
    if (S_ISCHR(mode))
        return QStringLiteral("a character device");
    if (S_ISBLK(mode))
        return QStringLiteral("a block device");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    return QStringLiteral("not a regular file");
}

QString notRegular(mode_t mode)
{
    return QStringLiteral("not a regular file but %1").arg(fileKind(mode));
}

FileRead refused(ReadFailure failure, const QString& error)
{
    FileRead result;
    result.failure = failure;
    result.error = error;
    return result;
}

// After a failed system call, with its reason.
FileRead unreadable()
{
    return refused(ReadFailure::Unreadable, QStringLiteral("cannot be read: ") + systemError(errno));
}

// Reads up to `limit` bytes; fewer only at the end of the file.
bool readAtMost(int fd, QByteArray& bytes, int limit)
{
    bytes.resize(limit);
    int total = 0;
    while (total < limit) {
        const ssize_t n = ::read(fd, bytes.data() + total, size_t(limit - total));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        total += int(n);
    }
    bytes.resize(total);
    return true;
}

// Follows symbolic links from `path` to the file that a write replaces.
// Empty `error` and the final path in `target`, or why nothing may be
// written there.
QString resolveWriteTarget(const QString& path, QString& target)
{
    target = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat info;
        if (::lstat(QFile::encodeName(target).constData(), &info) != 0)
            return errno == ENOENT ? QString() : QStringLiteral("cannot be written: ") + systemError(errno);
        if (S_ISREG(info.st_mode)) {
            if (::access(QFile::encodeName(target).constData(), W_OK) != 0)
                return QStringLiteral("cannot be written: ") + systemError(errno);
            return QString();
        }
        if (!S_ISLNK(info.st_mode))
            return notRegular(info.st_mode);
        const QString link = QFile::symLinkTarget(target);
        if (link.isEmpty())
            return QStringLiteral("cannot be written: unreadable symbolic link");
        target = link;
    }
    return QStringLiteral("cannot be written: too many levels of symbolic links");
}

} // namespace

FileRead readInputFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    // Anything but a regular file is refused before it is opened: opening a
    // FIFO blocks until a writer comes, reading /dev/zero never ends.
    if (::stat(name.constData(), &info) != 0)
        return errno == ENOENT ? refused(ReadFailure::Missing, QStringLiteral("no such file")) : unreadable();
    if (!S_ISREG(info.st_mode))
        return refused(ReadFailure::NotRegular, notRegular(info.st_mode));
    // Non-blocking and checked again once open: the path may have been
    // replaced by a FIFO or a device in between.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return unreadable();
    FileRead result;
    struct stat opened;
    if (::fstat(fd, &opened) != 0) {
        result = unreadable();
    } else if (!S_ISREG(opened.st_mode)) {
        result = refused(ReadFailure::NotRegular, notRegular(opened.st_mode));
    } else if (!readAtMost(fd, result.bytes, MAX_INPUT_FILE_SIZE + 1)) {
        result = unreadable();
    } else if (result.bytes.size() > MAX_INPUT_FILE_SIZE) {
        // The size reported may be 0 (files of /proc) or wrong: what was
        // read decides.
        const QString size = opened.st_size > MAX_INPUT_FILE_SIZE
                                 ? QStringLiteral("%1 bytes").arg(opened.st_size)
                                 : QStringLiteral("more than %1 bytes").arg(MAX_INPUT_FILE_SIZE);
        result = refused(ReadFailure::TooLarge,
                         QStringLiteral("too large: %1, at most %2 are read").arg(size).arg(MAX_INPUT_FILE_SIZE));
    }
    ::close(fd);
    return result;
}

QString writeOutputFile(const QString& path, const QByteArray& bytes)
{
    QString target;
    const QString error = resolveWriteTarget(path, target);
    if (!error.isEmpty())
        return error + QStringLiteral("; nothing was written");
    QSaveFile file(target);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return QString();
    return QStringLiteral("cannot be written: ") + file.errorString();
}
