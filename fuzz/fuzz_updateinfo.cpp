// The update server's answer: any document is read without a crash, the
// decision follows from what was read, and the texts shown from it escape
// the server's values. The first input byte chooses whether the user asked
// and how long the remembered version is; the rest is the document.
#include "updateinfo.h"

#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const bool userAsked = data[0] & 1;
    const int rememberedLength = int(data[0] >> 1) % 16;
    const QByteArray rest(reinterpret_cast<const char*>(data + 1), int(size - 1));
    const QString lastAnnounced = QString::fromLatin1(rest.left(rememberedLength));
    const UpdateInfo info = readUpdateInfo(rest.mid(rememberedLength));
    const UpdateDecision decision = decideUpdate(info, lastAnnounced, userAsked);
    if (info.id != QLatin1String(UPDATE_PRODUCT_ID)) {
        require(decision.message == UpdateMessage::None && !decision.rememberVersion);
        return 0;
    }
    const bool newer = isNewerVersion(info.version, QString::fromLatin1(PROGRAM_VERSION));
    require(decision.rememberVersion == newer);
    require(newer || decision.message == (userAsked ? UpdateMessage::UpToDate : UpdateMessage::None));
    // The server's text never opens an element of its own.
    const QString text = newReleaseText(info.version, info.url);
    require(text.count(QLatin1Char('<')) == 0 || text.count(QLatin1String("<a href='")) == 1);
    require(text.count(QLatin1Char('<')) == text.count(QLatin1Char('>')));
    return 0;
}
