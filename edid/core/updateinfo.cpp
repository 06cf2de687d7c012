#include "updateinfo.h"

#include <QUrl>
#include <QXmlStreamReader>

const char PROGRAM_VERSION[] = "02.00.12";
const char UPDATE_PRODUCT_ID[] = "1001";

namespace {

// Returns the member of `info` that an element of that name fills, or null.
QString* field(UpdateInfo& info, const QStringRef& name)
{
    if (name == QLatin1String("Id"))
        return &info.id;
    if (name == QLatin1String("Name"))
        return &info.name;
    if (name == QLatin1String("Version"))
        return &info.version;
    if (name == QLatin1String("Url"))
        return &info.url;
    return nullptr;
}

bool isWebLink(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty()
        && (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

} // namespace

UpdateInfo readUpdateInfo(const QByteArray& document)
{
    UpdateInfo info;
    QXmlStreamReader xml(document);
    // readNextStartElement() descends into unknown elements and returns false
    // at the first end tag, the end of the document or an error.
    while (xml.readNextStartElement()) {
        QString* value = field(info, xml.name());
        if (!value)
            continue;
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::Characters)
            *value = xml.text().toString();
        else if (token == QXmlStreamReader::StartElement)
            xml.skipCurrentElement();  // a child element instead of text
        if (token != QXmlStreamReader::EndElement)
            xml.skipCurrentElement();
    }
    return info;
}

bool isNewerVersion(const QString& candidate, const QString& reference)
{
    return QString::compare(candidate, reference, Qt::CaseInsensitive) > 0;
}

UpdateDecision decideUpdate(const UpdateInfo& info, const QString& lastAnnounced, bool userAsked)
{
    UpdateDecision decision;
    if (info.id != QLatin1String(UPDATE_PRODUCT_ID))
        return decision;
    if (!isNewerVersion(info.version, QString::fromLatin1(PROGRAM_VERSION))) {
        if (userAsked)
            decision.message = UpdateMessage::UpToDate;
        return decision;
    }
    if (userAsked || isNewerVersion(info.version, lastAnnounced))
        decision.message = UpdateMessage::NewRelease;
    decision.rememberVersion = true;
    return decision;
}

QString newReleaseText(const QString& version, const QString& url)
{
    QString text = QStringLiteral("VQ ZAVO Zozezi v") + version.toHtmlEscaped()
        + QStringLiteral(" is available on Velquin website.");
    const QUrl link(url, QUrl::TolerantMode);
    if (!isWebLink(link))
        return text;
    // The encoded form carries no space, double quote or angle bracket; the
    // single quote that closes the attribute is encoded too, and escaping
    // keeps '&' in query strings valid inside the attribute.
    const QString href = link.toString(QUrl::FullyEncoded)
                             .replace(QLatin1Char('\''), QLatin1String("%27"))
                             .toHtmlEscaped();
    return text + QStringLiteral(" Please click <a href='") + href
        + QStringLiteral("'>here</a> for more information.");
}

QString upToDateText()
{
    return QStringLiteral("  Your software is up to date.   ");
}
