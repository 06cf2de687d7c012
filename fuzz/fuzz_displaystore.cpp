// The store of the displays' EDIDs (the kernel's DRM folders) as any folder
// tree can make it: connector folders of any name, "edid" files of any
// length or missing, an "edid" that is a folder. Every listed display must
// have a file that reads to between 1 and MAX_STORED_EDID_SIZE bytes and be
// named after its model key, or after its folder when the EDID is too short
// for one.
//
// Input: per folder, one kind byte (bit 0: named "card...", bits 1-2: an
// edid file, none, or a folder named edid), a name length byte and the
// name, two length bytes and the file's content.
#include "displaystore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

class Reader
{
public:
    Reader(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    bool atEnd() const { return m_pos >= m_size; }
    int byte() { return atEnd() ? 0 : m_data[m_pos++]; }
    QByteArray bytes(int count)
    {
        const int available = int(qMin(size_t(count), m_size - qMin(m_pos, m_size)));
        const QByteArray out(reinterpret_cast<const char*>(m_data + m_pos), available);
        m_pos += size_t(available);
        return out;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// A name that stays one path component.
QString folderName(const QByteArray& raw, bool connector)
{
    QString name = QString::fromLatin1(raw);
    name.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QChar(0), QLatin1Char('_'));
    if (connector)
        name.prepend(QLatin1String("card"));
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        name = QLatin1String("x");
    return name;
}

void build(const QDir& root, Reader& in)
{
    for (int folder = 0; folder < 6 && !in.atEnd(); ++folder) {
        const int kind = in.byte();
        const QString name = folderName(in.bytes(in.byte() % 24), kind & 1);
        const int length = in.byte() << 8 | in.byte();
        const QByteArray content = in.bytes(length);
        if (!root.mkpath(name))
            continue;
        const QString edid = root.filePath(name + QLatin1String("/edid"));
        if ((kind >> 1 & 3) == 1)
            continue;
        if ((kind >> 1 & 3) == 2) {
            root.mkpath(name + QLatin1String("/edid"));
            continue;
        }
        QFile file(edid);
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir work;
    QDir root(work.filePath(QStringLiteral("drm")));
    root.removeRecursively();
    QDir().mkpath(root.path());
    Reader in(data, size);
    build(root, in);
    for (const StoredDisplay& display : listStoredDisplays(root.path())) {
        const QByteArray bytes = readStoredEdid(display.path);
        require(!bytes.isEmpty() && bytes.size() <= MAX_STORED_EDID_SIZE);
        const QString key = displayModelKey(bytes);
        const QString folder = QFileInfo(display.path).dir().dirName();
        require(display.name == (key.isEmpty() ? folder : key));
    }
    require(listStoredDisplays(work.filePath(QStringLiteral("absent"))).isEmpty());
    return 0;
}
