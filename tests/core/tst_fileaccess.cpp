// The file reader and writer shared by the editor and the command-line tool,
// on every kind of path a user can name: FIFOs with no writer, device
// nodes, directories, sockets, symbolic links, files past the size limit.
// Every node is made in a private folder; the system's own /dev is never
// touched. A call that blocks fails the test after a deadline instead of
// hanging it.
#include "fileaccess.h"

#include <QtTest>

#include <chrono>
#include <cstring>
#include <functional>
#include <future>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

enum class Node { Regular, Missing, Empty, Directory, Fifo, ZeroDevice, FullDevice, Socket,
                  LinkToRegular, LinkChain, DanglingLink, LinkToFifo, LimitSize, PastLimit, Sparse100M, ReadOnly };

// Runs `call` on a thread and waits at most two seconds for it. A call that
// blocks past the deadline ends the test program at once: the fault under
// test would otherwise hang it.
template <typename T>
T withDeadline(std::function<T()> call)
{
    std::packaged_task<T()> task(call);
    std::future<T> result = task.get_future();
    std::thread(std::move(task)).detach();
    if (result.wait_for(std::chrono::seconds(2)) != std::future_status::ready)
        qFatal("blocked for more than 2 s on a FIFO or a device");
    return result.get();
}

bool isRoot()
{
    return ::geteuid() == 0;
}

QByteArray sample()
{
    QByteArray bytes(256, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 7);
    return bytes;
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool makeSocket(const QString& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (fd < 0 || size_t(name.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

mode_t typeOf(const QString& path)
{
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

} // namespace

Q_DECLARE_METATYPE(Node)
Q_DECLARE_METATYPE(ReadFailure)

class TestFileAccess : public QObject
{
    Q_OBJECT

private slots:
    void readRefusesWhatIsNotAnImageFile_data();
    void readRefusesWhatIsNotAnImageFile();
    void writeReplacesOnlyRegularFiles_data();
    void writeReplacesOnlyRegularFiles();

private:
    // Makes a node of the kind in the private folder; false (after a skip)
    // when this user cannot make it.
    QString make(Node node);

    QTemporaryDir m_dir;
};

QString TestFileAccess::make(Node node)
{
    const QString path = m_dir.filePath(QStringLiteral("node%1").arg(int(node)));
    QFile::remove(path);
    const QByteArray name = QFile::encodeName(path);
    auto link = [&](const QString& target) { return QFile::link(target, path) ? path : QString(); };
    switch (node) {
    case Node::Regular: return writeBytes(path, sample()) ? path : QString();
    case Node::Missing: return path;
    case Node::Empty: return writeBytes(path, QByteArray()) ? path : QString();
    case Node::Directory: return QDir(m_dir.path()).mkpath(path) ? path : QString();
    case Node::Fifo: return ::mkfifo(name.constData(), 0644) == 0 ? path : QString();
    case Node::ZeroDevice:
    case Node::FullDevice:
        // Private nodes of /dev/zero (1, 5) and /dev/full (1, 7).
        if (!isRoot())
            return QString();
        return ::mknod(name.constData(), S_IFCHR | 0666, makedev(1, node == Node::ZeroDevice ? 5 : 7)) == 0
            ? path : QString();
    case Node::Socket: return makeSocket(path) ? path : QString();
    case Node::LinkToRegular: return link(make(Node::Regular));
    case Node::LinkChain: return link(make(Node::LinkToRegular));
    case Node::DanglingLink: return link(m_dir.filePath("absent-target"));
    case Node::LinkToFifo: return link(make(Node::Fifo));
    case Node::LimitSize: return writeBytes(path, QByteArray(MAX_INPUT_FILE_SIZE, '\x11')) ? path : QString();
    case Node::PastLimit: return writeBytes(path, QByteArray(MAX_INPUT_FILE_SIZE + 1, '\x11')) ? path : QString();
    case Node::ReadOnly:
        // Root may write any file: the refusal shows for other users only.
        if (isRoot() || !writeBytes(path, sample()))
            return QString();
        return QFile::setPermissions(path, QFileDevice::ReadOwner) ? path : QString();
    case Node::Sparse100M: {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.resize(100 << 20) ? path : QString();
    }
    }
    return QString();
}

void TestFileAccess::readRefusesWhatIsNotAnImageFile_data()
{
    QTest::addColumn<Node>("node");
    QTest::addColumn<ReadFailure>("failure");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("size");
    QTest::newRow("regular") << Node::Regular << ReadFailure::None << "" << 256;
    QTest::newRow("empty") << Node::Empty << ReadFailure::None << "" << 0;
    QTest::newRow("1 MiB") << Node::LimitSize << ReadFailure::None << "" << MAX_INPUT_FILE_SIZE;
    QTest::newRow("link chain") << Node::LinkChain << ReadFailure::None << "" << 256;
    QTest::newRow("missing") << Node::Missing << ReadFailure::Missing << "no such file" << 0;
    QTest::newRow("dangling link") << Node::DanglingLink << ReadFailure::Missing << "no such file" << 0;
    QTest::newRow("directory") << Node::Directory << ReadFailure::NotRegular
                               << "not a regular file but a directory" << 0;
    QTest::newRow("FIFO without writer") << Node::Fifo << ReadFailure::NotRegular
                                         << "not a regular file but a FIFO (named pipe)" << 0;
    QTest::newRow("link to a FIFO") << Node::LinkToFifo << ReadFailure::NotRegular
                                    << "not a regular file but a FIFO (named pipe)" << 0;
    QTest::newRow("zero device") << Node::ZeroDevice << ReadFailure::NotRegular
                                 << "not a regular file but a character device" << 0;
    QTest::newRow("socket") << Node::Socket << ReadFailure::NotRegular << "not a regular file but a socket" << 0;
    QTest::newRow("1 MiB + 1") << Node::PastLimit << ReadFailure::TooLarge
                               << "too large: 1048577 bytes, at most 1048576 are read" << 0;
    QTest::newRow("sparse 100 MB") << Node::Sparse100M << ReadFailure::TooLarge
                                   << "too large: 104857600 bytes, at most 1048576 are read" << 0;
}

void TestFileAccess::readRefusesWhatIsNotAnImageFile()
{
    QFETCH(Node, node);
    QFETCH(ReadFailure, failure);
    QFETCH(QString, error);
    QFETCH(int, size);
    const QString path = make(node);
    if (path.isEmpty())
        QSKIP("this user cannot make the node");
    const FileRead read = withDeadline<FileRead>([path] { return readInputFile(path); });
    QCOMPARE(read.failure, failure);
    QCOMPARE(read.error, error);
    QCOMPARE(read.bytes.size(), size);
    if (node == Node::Regular || node == Node::LinkChain)
        QCOMPARE(read.bytes, sample());
}

void TestFileAccess::writeReplacesOnlyRegularFiles_data()
{
    QTest::addColumn<Node>("node");
    QTest::addColumn<QString>("error");   // empty: written
    QTest::addColumn<int>("writtenType"); // of the file that receives the bytes
    QTest::newRow("new file") << Node::Missing << "" << int(S_IFREG);
    QTest::newRow("regular file") << Node::Regular << "" << int(S_IFREG);
    QTest::newRow("link") << Node::LinkToRegular << "" << int(S_IFREG);
    QTest::newRow("link to a link") << Node::LinkChain << "" << int(S_IFREG);
    QTest::newRow("dangling link") << Node::DanglingLink << "" << int(S_IFREG);
    QTest::newRow("FIFO") << Node::Fifo << "not a regular file but a FIFO (named pipe); nothing was written"
                          << int(S_IFIFO);
    QTest::newRow("link to a FIFO") << Node::LinkToFifo
                                    << "not a regular file but a FIFO (named pipe); nothing was written"
                                    << int(S_IFIFO);
    QTest::newRow("directory") << Node::Directory << "not a regular file but a directory; nothing was written"
                               << int(S_IFDIR);
    QTest::newRow("full device") << Node::FullDevice
                                 << "not a regular file but a character device; nothing was written" << int(S_IFCHR);
    QTest::newRow("socket") << Node::Socket << "not a regular file but a socket; nothing was written"
                            << int(S_IFSOCK);
    QTest::newRow("read-only file") << Node::ReadOnly << "cannot be written: Permission denied; nothing was written"
                                    << int(S_IFREG);
}

void TestFileAccess::writeReplacesOnlyRegularFiles()
{
    QFETCH(Node, node);
    QFETCH(QString, error);
    QFETCH(int, writtenType);
    const QString path = make(node);
    if (path.isEmpty())
        QSKIP("this user cannot make the node");
    const mode_t before = typeOf(path);
    QString target = path;
    while (typeOf(target) == S_IFLNK)
        target = QFile::symLinkTarget(target);
    const QByteArray bytes = QByteArray("written") + sample();
    QCOMPARE(withDeadline<QString>([path, bytes] { return writeOutputFile(path, bytes); }), error);
    // A link stays a link; what it leads to receives the bytes.
    QCOMPARE(typeOf(path), node == Node::Missing ? mode_t(S_IFREG) : before);
    QCOMPARE(int(typeOf(target)), writtenType);
    if (writtenType == S_IFREG)   // never open a FIFO here: that would block
        QCOMPARE(contentOf(target) == bytes, error.isEmpty());
    // No temporary file is left beside the target.
    QCOMPARE(QDir(QFileInfo(target).path()).entryList(QDir::Files | QDir::Hidden | QDir::System)
                 .filter(QRegularExpression("^node\\d+\\.")).size(), 0);
}

QTEST_GUILESS_MAIN(TestFileAccess)
#include "tst_fileaccess.moc"
