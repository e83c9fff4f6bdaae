#pragma once
#include "platform/DesktopOpener.h"

#include <QString>
#include <functional>

class UpdatePrompt;

// The update check: downloads the update server's version file, reads from it the current
// version and the download address of this program (INI sections CurrentVersions and
// DownloadURL, key "SQW"), and when the current version differs from ours (any difference,
// older or newer) offers to open the download address.
//
// The version file is written whole or not at all: the download goes to a temporary file that
// replaces TempFile only when complete. Every run leaves its outcome, with a line for the status
// bar, so that no check ends without a word.
class TmGetNewVer {
public:
    // The key of both sections of the version file.
    static const QString kApplicationTitle;
    static constexpr int kDefaultTimeoutMs = 15000;

    enum class Outcome {
        NotRun,
        BadHost,          // the update server setting is unusable
        DownloadFailed,   // no version file (warning shown when FailureDlg)
        NoOwnVersion,     // this program has no version to compare with
        NoVersionInfo,    // the file names no current version for us
        UpToDate,         // same version
        NotOffered,       // a different version, but DownloadDlg was off
        Declined,         // the user answered No
        OpenFailed,       // Yes, but nothing could open the download address
        Accepted,         // Yes, and the address went to the desktop
    };

    TmGetNewVer(UpdatePrompt &prompt, DesktopOpener open);

    // ---- properties ----
    QString URLCurrVerFile;  // address of the version file
    QString SiteName;        // where the new version is, as the question names it
    bool FailureDlg = true;  // warn when the download fails
    bool DownloadDlg = true; // offer the download when the versions differ
    QString TempFile;        // the local version file
    // Called after the version file has been read, with its current version and download address.
    std::function<void(TmGetNewVer &sender, const QString &currentVersion, const QString &downloadUrl)> OnGetURL;
    static QString Copyright();

    // Our own version (the program's by default) and the download's time limit.
    QString ownVersion;
    int timeoutMs = kDefaultTimeoutMs;
    // The proxy of the settings, if any (an empty host: direct connection).
    QString proxyHost, proxyPort, proxyUser, proxyPassword;

    // The command's set-up: SiteName "http://host" (or the URL of the setting), URLCurrVerFile
    // that + "/version.ver", TempFile versionFile. False (outcome BadHost) when the host setting
    // is unusable.
    bool configure(const QString &updateHost, const QString &versionFile);

    // Runs the check; true when the user chose to download (and the address was opened).
    bool CheckForUpdate();

    Outcome outcome() const { return m_outcome; }
    const QString &currentVersion() const { return m_currentVersion; }
    const QString &downloadUrl() const { return m_downloadUrl; }
    // Why the download failed.
    const QString &failure() const { return m_failure; }
    // The status bar's line for the outcome (empty when the user saw everything already).
    QString outcomeMessage() const;

private:
    // Fetches URLCurrVerFile into TempFile; false with m_failure set otherwise.
    bool download();

    UpdatePrompt &m_prompt;
    DesktopOpener m_open;
    Outcome m_outcome = Outcome::NotRun;
    QString m_currentVersion;
    QString m_downloadUrl;
    QString m_failure;
    QString m_badHost;
};
