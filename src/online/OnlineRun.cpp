#include "online/OnlineRun.h"
#include "online/OnlineError.h"
#include "online/Session.h"
#include "online/SessionView.h"

#include "common/Vocabulary.h"

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
    SessionView &view = session.view();
    RunGuard guard(view);
    session.http().clearStop();
    DownloadResult result;
    try {
        if (!session.connected() && !session.login(user, code))
            throw OnlineError(session.failureStep(), session.failureReason());
        result = TeamDownload(session, dataFolder, user, code).run();
    } catch (const OnlineError &e) {
        // What the status bar shows must be the state after the failure, not the last step.
        if (session.connected())
            session.abandon();
        view.setProgress(0);
        view.setStepText(vocab(QStringLiteral("MSG_ONLINE_FAILED_STEP")).arg(e.step()));
        throw;
    }
    // Every file is stored by now: an unconfirmed logout does not undo the download.
    try {
        if (!session.logout() && session.failedLogouts() > 0)
            result.warnings << QStringLiteral("The server did not confirm the logout.");
    } catch (const OnlineError &e) {
        result.warnings << QStringLiteral("The server did not confirm the logout (%1).").arg(e.reason());
    }
    return result;
}
