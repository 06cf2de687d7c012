// The file reader and writer shared by the editor and the command-line tool,
// on paths a user can name: a FIFO with no writer, a device that never ends
// (a private node of /dev/full, made only as root), a directory, symbolic
// links, files past the size limit. A call that blocks ends the test program
// after two seconds instead of hanging it.
#include "fileaccess.h"
#include "coresupport.h"

#include <QtTest>

#include <chrono>
#include <functional>
#include <future>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

namespace {

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

mode_t typeOf(const QString& path)
{
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

} // namespace

class TestFileAccess : public QObject
{
    Q_OBJECT

private slots:
    void readRefusesWhatIsNotAnImageFile_data();
    void readRefusesWhatIsNotAnImageFile();
    void writeReplacesOnlyRegularFiles_data();
    void writeReplacesOnlyRegularFiles();

private:
    // Makes the node `kind` under `name`; empty when this user cannot.
    QString make(const QString& kind, const QString& name);

    QTemporaryDir m_dir;
};

QString TestFileAccess::make(const QString& kind, const QString& name)
{
    const QString path = m_dir.filePath(name);
    const QByteArray native = QFile::encodeName(path);
    bool made = true;
    if (kind == "file" || kind.endsWith(" bytes"))
        made = writeFileBytes(path, QByteArray(kind == "file" ? 256 : kind.section(' ', 0, 0).toInt(), '\x11'));
    else if (kind == "directory")
        made = QDir().mkpath(path);
    else if (kind == "FIFO")
        made = ::mkfifo(native.constData(), 0644) == 0;
    else if (kind == "device")
        made = ::geteuid() == 0 && ::mknod(native.constData(), S_IFCHR | 0666, makedev(1, 7)) == 0;
    else if (kind == "read-only file")   // root may write any file
        made = ::geteuid() != 0 && writeFileBytes(path, "old") && QFile::setPermissions(path, QFileDevice::ReadOwner);
    else if (kind.startsWith("link to "))
        made = QFile::link(kind == "link to nothing" ? m_dir.filePath("absent") : make(kind.mid(8), name + "-target"),
                           path);
    return made ? path : QString();
}

void TestFileAccess::readRefusesWhatIsNotAnImageFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("error");   // empty: read whole
    QTest::newRow("file") << "file" << "";
    QTest::newRow("link to a link to a file") << "link to link to file" << "";
    QTest::newRow("1 MiB") << "1048576 bytes" << "";
    QTest::newRow("1 MiB + 1") << "1048577 bytes" << "too large: 1048577 bytes, at most 1048576 are read";
    QTest::newRow("missing") << "missing" << "no such file";
    QTest::newRow("directory") << "directory" << "not a regular file but a directory";
    QTest::newRow("FIFO without writer") << "FIFO" << "not a regular file but a FIFO (named pipe)";
    QTest::newRow("link to a FIFO") << "link to FIFO" << "not a regular file but a FIFO (named pipe)";
    QTest::newRow("endless device") << "device" << "not a regular file but a character device";
}

void TestFileAccess::readRefusesWhatIsNotAnImageFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, error);
    const QString path = make(kind, QTest::currentDataTag());
    if (path.isEmpty())
        QSKIP("this user cannot make the node");
    const FileRead read = withDeadline<FileRead>([path] { return readInputFile(path); });
    QCOMPARE(read.error, error);
    QCOMPARE(read.ok(), error.isEmpty());
    QCOMPARE(read.bytes.size(), error.isEmpty() ? QFileInfo(path).size() : 0);
}

void TestFileAccess::writeReplacesOnlyRegularFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("error");   // empty: written
    const QString refused = "not a regular file but %1; nothing was written";
    QTest::newRow("new file") << "missing" << "";
    QTest::newRow("file") << "file" << "";
    QTest::newRow("link to a link to a file") << "link to link to file" << "";
    QTest::newRow("link to nothing") << "link to nothing" << "";
    QTest::newRow("read-only file") << "read-only file" << "cannot be written: Permission denied; nothing was written";
    QTest::newRow("FIFO") << "FIFO" << refused.arg("a FIFO (named pipe)");
    QTest::newRow("link to a FIFO") << "link to FIFO" << refused.arg("a FIFO (named pipe)");
    QTest::newRow("directory") << "directory" << refused.arg("a directory");
    QTest::newRow("device") << "device" << refused.arg("a character device");
}

void TestFileAccess::writeReplacesOnlyRegularFiles()
{
    QFETCH(QString, kind);
    QFETCH(QString, error);
    const QString path = make(kind, QString(QTest::currentDataTag()).replace(' ', '-'));
    if (path.isEmpty())
        QSKIP("this user cannot make the node");
    QString target = path;
    while (typeOf(target) == S_IFLNK)
        target = QFile::symLinkTarget(target);
    const mode_t linkType = typeOf(path);
    const mode_t targetType = typeOf(target);
    const QByteArray bytes(300, '\x42');
    QCOMPARE(withDeadline<QString>([path, bytes] { return writeOutputFile(path, bytes); }), error);
    // A link stays a link and a refused target what it was; no temporary
    // file is left beside it.
    QCOMPARE(typeOf(path), kind == "missing" ? mode_t(S_IFREG) : linkType);
    QCOMPARE(typeOf(target), error.isEmpty() ? mode_t(S_IFREG) : targetType);
    if (typeOf(target) == S_IFREG)   // never open a FIFO here: that would block
        QCOMPARE(readFileBytes(target) == bytes, error.isEmpty());
    QCOMPARE(QDir(m_dir.path()).entryList({QFileInfo(target).fileName() + ".*"}, QDir::Files | QDir::Hidden), {});
}

QTEST_GUILESS_MAIN(TestFileAccess)
#include "tst_fileaccess.moc"
