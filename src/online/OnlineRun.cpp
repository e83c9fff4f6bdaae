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
        throw OnlineError(QStringLiteral("download"), vocab(QStringLiteral("MSG_DOWNLOAD_UNDER_WAY")));
    if (user.trimmed().isEmpty() || code.trimmed().isEmpty())
        throw OnlineError(QStringLiteral("login"),
                          vocab(QStringLiteral("MSG_NO_ACCOUNT")));
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
        view.setStepText(vocab(QStringLiteral("MSG_ONLINE_FAILED_STEP")).arg(OnlineError::stepName(e.step())));
        throw;
    }
    // Every file is stored by now: an unconfirmed logout does not undo the download.
    try {
        if (!session.logout() && session.failedLogouts() > 0)
            result.warnings << vocab(QStringLiteral("MSG_LOGOUT_UNCONFIRMED"));
    } catch (const OnlineError &e) {
        result.warnings << vocab(QStringLiteral("MSG_LOGOUT_UNCONFIRMED_WHY")).arg(e.reason());
    }
    return result;
}
