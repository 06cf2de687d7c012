#include "displaystore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

const char kConnectorPattern[] = "card*-*";
const char kEdidFileName[] = "edid";
const int kProductCodeEnd = 12;

// One letter of the packed manufacturer ID: 1 is 'A', 26 is 'Z'. Codes
// outside that range do not name a letter and are shown as '?'.
QChar manufacturerLetter(int code)
{
    return (code >= 1 && code <= 26) ? QChar('A' + code - 1) : QChar('?');
}

// Splits a name into runs of digits and of other characters.
QStringList nameRuns(const QString& name)
{
    QStringList runs;
    for (const QChar c : name) {
        if (runs.isEmpty() || runs.last().at(0).isDigit() != c.isDigit())
            runs.append(QString());
        runs.last().append(c);
    }
    return runs;
}

// Natural order: runs of digits compare by value, so that card0-DP-2 comes
// before card0-DP-10 and card2 before card10.
bool naturalLess(const QString& a, const QString& b)
{
    const QStringList left = nameRuns(a);
    const QStringList right = nameRuns(b);
    for (int i = 0; i < left.size() && i < right.size(); ++i) {
        if (left[i] == right[i])
            continue;
        if (left[i].at(0).isDigit() && right[i].at(0).isDigit()) {
            const QString l = left[i].rightJustified(right[i].size(), QLatin1Char('0'));
            const QString r = right[i].rightJustified(left[i].size(), QLatin1Char('0'));
            if (l != r)
                return l < r;
        }
        return left[i] < right[i];
    }
    return left.size() < right.size();
}

QStringList connectorFolders(const QDir& root)
{
    QStringList names = root.entryList(QStringList() << kConnectorPattern,
                                       QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(names.begin(), names.end(), naturalLess);
    return names;
}

} // namespace

QString defaultDisplayStoreRoot()
{
    return QStringLiteral("/sys/class/drm");
}

QByteArray readStoredEdid(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    // Files of sysfs report no size; read in chunks up to the limit instead.
    QByteArray bytes;
    while (bytes.size() < MAX_STORED_EDID_SIZE) {
        const QByteArray chunk = file.read(MAX_STORED_EDID_SIZE - bytes.size());
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    return bytes;
}

QString displayModelKey(const QByteArray& edid)
{
    if (edid.size() < kProductCodeEnd)
        return QString();
    const auto byte = [&edid](int i) { return static_cast<Byte>(edid.at(i)); };
    const int id = (byte(8) << 8) | byte(9);
    const int product = byte(10) | (byte(11) << 8);
    QString key;
    key += manufacturerLetter((id >> 10) & 0x1F);
    key += manufacturerLetter((id >> 5) & 0x1F);
    key += manufacturerLetter(id & 0x1F);
    key += QString::number(product, 16).toUpper().rightJustified(4, QLatin1Char('0'));
    return key;
}

QList<StoredDisplay> listStoredDisplays(const QString& root)
{
    QList<StoredDisplay> displays;
    const QDir rootDir(root);
    for (const QString& folder : connectorFolders(rootDir)) {
        const QString path = rootDir.filePath(folder + QLatin1Char('/') + kEdidFileName);
        if (!QFileInfo(path).isFile())
            continue;
        const QByteArray bytes = readStoredEdid(path);
        if (bytes.isEmpty())
            continue;
        // An EDID too short to carry a model key is still listed, under the
        // name of its connector, so that the user sees it is there.
        QString name = displayModelKey(bytes);
        if (name.isEmpty())
            name = folder;
        displays.append(StoredDisplay{name, path});
    }
    return displays;
}
