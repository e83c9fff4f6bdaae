#include "online/TeamDownload.h"

#include "datafiles/XmlFile.h"
#include "online/OnlineError.h"
#include "online/Session.h"
#include "online/SessionView.h"
#include "common/Vocabulary.h"
#include "platform/SafeFile.h"

#include <QDir>
#include <QDomDocument>

namespace {
const QString kStepStore = QStringLiteral("storing the files");
} // namespace

TeamDownload::TeamDownload(Session &session, const QString &dataFolder, const QString &user, const QString &code)
    : m_session(session), m_folder(QString()), m_user(user), m_code(code)
{
    // DataFolder is built on the program folder; the data folder is its "xml" child.
    QString folder = QDir::fromNativeSeparators(dataFolder);
    if (folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    const int cut = folder.lastIndexOf(QLatin1Char('/'));
    m_folder = DataFolder(folder.left(cut + 1));
}

QString TeamDownload::storeStep() { return kStepStore; }

QString TeamDownload::upcomingMatch(const QByteArray &matchesXml, bool *readable, QString *beyondCount)
{
    *readable = false;
    if (beyondCount)
        beyondCount->clear();
    QDomDocument doc;
    if (!XmlBounds::problem(matchesXml).isEmpty() || !doc.setContent(matchesXml))
        return {};
    const QDomElement list = doc.documentElement().firstChildElement(QStringLiteral("Team")).firstChildElement(QStringLiteral("MatchList"));
    if (list.isNull())
        return {};
    bool ok = false;
    const int count = list.attribute(QStringLiteral("Count")).toInt(&ok);
    const QDomNodeList children = list.childNodes();
    if (!ok || count < 0 || count > children.size())
        return {};
    *readable = true;
    for (int i = 0; i < children.size(); ++i) {
        const QDomElement match = children.at(i).toElement();
        if (match.firstChildElement(QStringLiteral("Status")).text() != QLatin1String("UPCOMING"))
            continue;
        const QString id = match.firstChildElement(QStringLiteral("MatchID")).text();
        if (i < count)
            return id;
        if (beyondCount)
            *beyondCount = id;
        break;
    }
    return {};
}

QStringList TeamDownload::stepFieldTexts()
{
    // The files fetchOne is given below, then the failure of any step.
    static const char *const kFiles[] = {"teamDetails.xml", "Players.xml", "Training.xml", "Matchs.xml",
                                         "MatchOrders.xml"};
    QStringList texts;
    for (const char *file : kFiles)
        texts << vocab(QStringLiteral("MSG_STEP_DOWNLOAD")).arg(QLatin1String(file));
    for (const QString &step : OnlineError::stepNames())
        texts << vocab(QStringLiteral("MSG_ONLINE_FAILED_STEP")).arg(step);
    return texts;
}

void TeamDownload::freshLogin()
{
    m_session.logout();
    if (!m_session.login(m_user, m_code))
        throw OnlineError(m_session.failureStep(), m_session.failureReason());
}

HttpAnswer TeamDownload::fetchOne(const QString &fileName, const QString &step, const QByteArray &path)
{
    SessionView &view = m_session.view();
    const QString logText = vocab(QStringLiteral("MSG_STEP_DOWNLOAD")).arg(fileName);
    view.addStep(logText);
    view.setStepText(logText);
    const HttpAnswer answer = m_session.http().get(QUrl::fromEncoded(m_session.baseUrl().toUtf8() + path), step);
    m_session.noteAnswered();
    m_session.takeCookie(answer);
    return answer;
}

void TeamDownload::accept(Fetched &into, GameFile file, const QByteArray &body, int progress, int line)
{
    into.files.append({file, body});
    m_session.view().setProgress(progress);
    m_session.view().markStep(line, SessionView::GreenFlag, true);
}

TeamDownload::Fetched TeamDownload::fetch(bool mayRetry)
{
    SessionView &view = m_session.view();
    view.setBusy(true);
    view.setProgress(10);
    Fetched fetched;
    const HttpAnswer team = fetchOne(QStringLiteral("teamDetails.xml"), QStringLiteral("team details"),
                                     "/Common/teamDetails.asp?outputType=XML&actionType=view");
    const QByteArray type = team.header("Content-Type");
    if (type != "text/xml; charset=utf-8" && type != "text/html; charset=utf-8") {
        // An error page in place of the team: the session went wrong; one fresh login may mend it.
        if (!mayRetry)
            throw OnlineError(QStringLiteral("team details"),
                              vocab(QStringLiteral("MSG_WRONG_CONTENT_TYPE")).arg(QString::fromUtf8(type)));
        freshLogin();
        return fetch(false);
    }
    accept(fetched, GameFile::TeamDetails, team.body, 20, 1);
    accept(fetched, GameFile::Players,
           fetchOne(QStringLiteral("Players.xml"), QStringLiteral("players"),
                    "/Common/players.asp?outputType=XML&actionType=view&orderBy=Lastname").body, 40, 2);
    accept(fetched, GameFile::Training,
           fetchOne(QStringLiteral("Training.xml"), QStringLiteral("training"),
                    "/Common/training.asp?outputType=XML&actionType=view").body, 50, 3);
    const QByteArray matches = fetchOne(QStringLiteral("Matchs.xml"), QStringLiteral("matches"),
                                        "/Common/matches.asp?outputType=XML&actionType=view").body;
    accept(fetched, GameFile::Matches, matches, 60, 4);

    bool readable = false;
    QString beyondCount;
    fetched.matchId = upcomingMatch(matches, &readable, &beyondCount);
    if (!readable) {
        if (mayRetry) {
            freshLogin();
            return fetch(false);
        }
        fetched.warnings << vocab(QStringLiteral("MSG_MATCHES_UNREADABLE"));
    } else if (!beyondCount.isEmpty()) {
        // The file's own count is what the game means: a match past it is not taken on a guess.
        fetched.warnings << vocab(QStringLiteral("MSG_MATCH_BEYOND_COUNT")).arg(beyondCount);
    } else if (fetched.matchId.isEmpty()) {
        fetched.warnings << vocab(QStringLiteral("MSG_NO_UPCOMING_MATCH"));
    }
    view.setProgress(80);
    if (!fetched.matchId.isEmpty()) {
        const HttpAnswer orders = fetchOne(QStringLiteral("MatchOrders.xml"), QStringLiteral("match orders"),
                                           "/Common/matchOrders.asp?outputType=XML&matchID="
                                               + fetched.matchId.toUtf8().toPercentEncoding());
        accept(fetched, GameFile::MatchOrders, orders.body, 80, 5);
    }
    return fetched;
}

void TeamDownload::store(const Fetched &fetched)
{
    const QString folder = m_folder.dataFolder();
    if (!QDir().mkpath(folder))
        throw OnlineError(kStepStore, vocab(QStringLiteral("MSG_FOLDER_NOT_CREATED")).arg(folder));
    // All the answers take the place of the earlier files at once, even across a kill.
    QList<QPair<QString, QByteArray>> files;
    for (const auto &f : fetched.files)
        files.append({QString::fromLatin1(DataFolder::info(f.first).writeName), f.second});
    QString why;
    if (!SafeFile::writeAll(folder, files, &why))
        throw OnlineError(kStepStore, vocab(QStringLiteral("MSG_CANNOT_WRITE")).arg(why));
}

DownloadResult TeamDownload::run()
{
    SessionView &view = m_session.view();
    const Fetched fetched = fetch(true);
    store(fetched);
    view.setBusy(false);
    view.setProgress(100);
    view.setStepText(QString());

    DownloadResult result;
    const QString folder = m_folder.dataFolder();
    result.playersPath = folder + QString::fromLatin1(DataFolder::info(GameFile::Players).writeName);
    result.matchId = fetched.matchId;
    result.lastPath = folder + QString::fromLatin1(DataFolder::info(fetched.matchId.isEmpty() ? GameFile::Matches : GameFile::MatchOrders).writeName);
    result.warnings = fetched.warnings;
    return result;
}
