#pragma once
#include "datafiles/DataFolder.h"
#include "online/HttpClient.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class Session;

struct DownloadResult {
    QString lastPath;     // the match orders file, or the matches file when no orders were fetched
    QString playersPath;
    QString matchId;      // empty when no match orders were fetched
    QStringList warnings; // things the user must know although the run succeeded
};

// Fetches the five game files of the team over an open session and stores them in the data
// folder all at once: the answers are held until every required request has succeeded, then
// written to temporary files beside the game files and renamed into place, so a failed run leaves
// the earlier files exactly as they were; a run killed while it renames is finished at the next
// start (SafeFile::writeAll). A team details answer that is not XML, or a matches
// file that cannot be read, makes the run start again once after a fresh login.
class TeamDownload {
public:
    TeamDownload(Session &session, const QString &dataFolder, const QString &user, const QString &code);

    // Throws OnlineError naming the failed step.
    DownloadResult run();
    // The step that replaces the game files with the new ones: the only one whose failure may
    // come after a file was changed.
    static QString storeStep();
    // Every text the run may put in the step field, in the current language.
    static QStringList stepFieldTexts();

    // The identifier of the first upcoming match of a matches file; `readable` tells whether the
    // file had the expected structure. Only the first Count entries are examined; `beyondCount`,
    // when given, receives the identifier of an upcoming match listed after them.
    static QString upcomingMatch(const QByteArray &matchesXml, bool *readable, QString *beyondCount = nullptr);

private:
    struct Fetched {
        QList<QPair<GameFile, QByteArray>> files;
        QString matchId;
        QStringList warnings;
    };
    Fetched fetch(bool mayRetry);
    HttpAnswer fetchOne(const QString &fileName, const QString &step, const QByteArray &path);
    void accept(Fetched &into, GameFile file, const QByteArray &body, int progress, int line);
    void freshLogin();
    void store(const Fetched &fetched);

    Session &m_session;
    DataFolder m_folder;
    QString m_user;
    QString m_code;
};
