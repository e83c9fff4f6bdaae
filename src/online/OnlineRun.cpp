#include "online/OnlineRun.h"
#include "online/OnlineError.h"
#include "online/Session.h"
#include "online/SessionView.h"

namespace {
bool g_underWay = false;

// Keeps the flag up while the run lasts, and always restores the view's cursor.
struct RunGuard {
    SessionView &view;
    explicit RunGuard(SessionView &v) : view(v) { g_underWay = true; }
    ~RunGuard()
    {
        g_underWay = false;
        view.setBusy(false);
    }
};
} // namespace

bool OnlineRun::underWay() { return g_underWay; }

DownloadResult OnlineRun::run(Session &session, const QString &dataFolder, const QString &user, const QString &code)
{
    if (g_underWay)
        throw OnlineError(QStringLiteral("download"), QStringLiteral("a download is already under way"));
    if (user.trimmed().isEmpty() || code.trimmed().isEmpty())
        throw OnlineError(QStringLiteral("login"),
                          QStringLiteral("no user name or security code: set them in the settings ([user] UserName and SecurityPassword)"));
    RunGuard guard(session.view());
    if (!session.connected() && !session.login(user, code))
        throw OnlineError(session.failureStep(), session.failureReason());
    DownloadResult result = TeamDownload(session, dataFolder, user, code).run();
    if (!session.logout() && session.failedLogouts() > 0)
        result.warnings << QStringLiteral("The server did not confirm the logout.");
    return result;
}
