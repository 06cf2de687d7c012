#ifndef UPDATEINFO_H
#define UPDATEINFO_H

#include <QByteArray>
#include <QString>

// The release check against the maker's update server: reading the update
// document and deciding what, if anything, to tell the user.

// The version of this program, compared with the server's newest release.
extern const char PROGRAM_VERSION[];
// The product identifier that the update document must carry.
extern const char UPDATE_PRODUCT_ID[];

struct UpdateInfo {
    QString id;
    QString name;
    QString version = QString::fromLatin1(PROGRAM_VERSION);
    QString url;
};

// Reads the "Id", "Name", "Version" and "Url" text elements that stand side
// by side in one enclosing element. Reading stops at the end of that element,
// at the end of the document or at the first XML error; what was read until
// then is kept. A missing "Version" leaves the program's own version, so it
// counts as no newer release.
UpdateInfo readUpdateInfo(const QByteArray& document);

// Versions are compared as text, ignoring case, the way the server writes
// them (two-digit groups separated by points).
bool isNewerVersion(const QString& candidate, const QString& reference);

enum class UpdateMessage { None, UpToDate, NewRelease };

struct UpdateDecision {
    UpdateMessage message = UpdateMessage::None;
    bool rememberVersion = false;  // store the version as announced
};

// What to do with a document from the server. `userAsked` is true for a check
// the user requested, and `lastAnnounced` is the newest version already
// announced (empty when none was). A document of another product asks for
// nothing.
UpdateDecision decideUpdate(const UpdateInfo& info, const QString& lastAnnounced, bool userAsked);

// Rich text of the new-release box. The server's values are escaped so that
// an answer cannot inject markup, and only an http or https address becomes a
// link; any other address is left out.
QString newReleaseText(const QString& version, const QString& url);

// Rich text of the up-to-date box.
QString upToDateText();

#endif
