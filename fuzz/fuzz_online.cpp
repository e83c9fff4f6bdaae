// The game server's answers as the session and the download read them: the named element of a
// menu, security or login answer, the cookie of a Set-Cookie line, the upcoming match of a
// matches list. None may crash or hang, whatever the server sends.
#include "online/Session.h"
#include "online/TeamDownload.h"

#include <QByteArray>
#include <QString>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    (void)Session::elementText(bytes, QStringLiteral("RecommendedURL"));
    (void)Session::elementText(bytes, QStringLiteral("ActionSuccessful"));
    (void)Session::cookieOf(bytes);
    bool readable = false;
    (void)TeamDownload::upcomingMatch(bytes, &readable);
    return 0;
}
