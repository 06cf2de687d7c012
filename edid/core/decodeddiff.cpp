#include "edidinfo.h"

#include <QHash>

namespace {

// "name" for the first of its name, "name #2" for the second, ...
template <typename T>
QList<QString> keysOf(const QList<T>& items)
{
    QHash<QString, int> seen;
    QList<QString> keys;
    for (const T& item : items) {
        const int n = ++seen[item.name];
        keys << (n == 1 ? item.name : QStringLiteral("%1 #%2").arg(item.name).arg(n));
    }
    return keys;
}

void diffFields(const DecodedNode& a, const DecodedNode& b, const QString& path, QList<DecodedDifference>& out)
{
    const QList<QString> keysA = keysOf(a.fields), keysB = keysOf(b.fields);
    for (int i = 0; i < keysA.size(); ++i) {
        const int j = keysB.indexOf(keysA[i]);
        const QString other = j < 0 ? QString() : b.fields[j].value;
        if (j < 0 || other != a.fields[i].value)
            out.append({path, keysA[i], a.fields[i].value, other});
    }
    for (int j = 0; j < keysB.size(); ++j) {
        if (!keysA.contains(keysB[j]))
            out.append({path, keysB[j], QString(), b.fields[j].value});
    }
}

void diffNodes(const DecodedNode& a, const DecodedNode& b, const QString& path, QList<DecodedDifference>& out);

// A section one side lacks: every field of it against nothing.
void oneSided(const DecodedNode& node, const QString& path, bool first, QList<DecodedDifference>& out)
{
    DecodedNode empty;
    empty.name = node.name;
    if (first)
        diffNodes(node, empty, path, out);
    else
        diffNodes(empty, node, path, out);
    if (node.fields.isEmpty() && node.children.isEmpty())
        out.append({path, QString(), first ? QStringLiteral("present") : QString(),
                    first ? QString() : QStringLiteral("present")});
}

void diffNodes(const DecodedNode& a, const DecodedNode& b, const QString& path, QList<DecodedDifference>& out)
{
    diffFields(a, b, path, out);
    const QList<QString> keysA = keysOf(a.children), keysB = keysOf(b.children);
    const QString prefix = path.isEmpty() ? QString() : path + QStringLiteral(" / ");
    for (int i = 0; i < keysA.size(); ++i) {
        const int j = keysB.indexOf(keysA[i]);
        if (j < 0)
            oneSided(a.children[i], prefix + keysA[i], true, out);
        else
            diffNodes(a.children[i], b.children[j], prefix + keysA[i], out);
    }
    for (int j = 0; j < keysB.size(); ++j) {
        if (!keysA.contains(keysB[j]))
            oneSided(b.children[j], prefix + keysB[j], false, out);
    }
}

} // namespace

QList<DecodedDifference> diffDecoded(const DecodedNode& first, const DecodedNode& second)
{
    QList<DecodedDifference> out;
    diffNodes(first, second, QString(), out);
    return out;
}
