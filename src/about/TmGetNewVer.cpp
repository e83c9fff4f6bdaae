#include "about/TmGetNewVer.h"

#include "about/AboutModel.h"
#include "about/UpdatePrompt.h"
#include "common/Vocabulary.h"
#include "online/HttpClient.h"
#include "online/OnlineError.h"
#include "platform/ProgramInfo.h"
#include "platform/SafeFile.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

const QString TmGetNewVer::kApplicationTitle = QStringLiteral("SQW");

TmGetNewVer::TmGetNewVer(UpdatePrompt &prompt, DesktopOpener open)
    : URLCurrVerFile(QStringLiteral("http://") + Settings::kDefaultUpdateHost + QStringLiteral("/ver/curr_ver.txt")),
      SiteName(AboutModel::webAddress()),
      TempFile(QDir::tempPath() + QStringLiteral("/curr_ver.tmp")),
      ownVersion(ProgramInfo::version()),
      m_prompt(prompt),
      m_open(std::move(open))
{
}

QString TmGetNewVer::Copyright() { return QStringLiteral("Update check of Squadwright, by its developers"); }

bool TmGetNewVer::configure(const QString &updateHost, const QString &versionFile)
{
    const QUrl server = Settings::serverUrl(updateHost);
    if (!server.isValid()) {
        m_outcome = Outcome::BadHost;
        m_badHost = updateHost;
        return false;
    }
    SiteName = server.toString(QUrl::StripTrailingSlash);
    URLCurrVerFile = SiteName + QStringLiteral("/version.ver");
    TempFile = versionFile;
    return true;
}

bool TmGetNewVer::download()
{
    try {
        HttpClient http(timeoutMs);
        http.setAddressHint(QStringLiteral("MSG_CHECK_UPDATE_SERVER"));
        http.setProxy(proxyHost, proxyPort, proxyUser, proxyPassword);
        const HttpAnswer answer = http.get(QUrl(URLCurrVerFile), QStringLiteral("version file"));
        if (answer.status != 200) {
            m_failure = http.withAddressHint(vocab(QStringLiteral("MSG_NET_STATUS")).arg(answer.status));
            return false;
        }
        QString why;
        if (!SafeFile::write(TempFile, answer.body, &why)) {
            m_failure = vocab(QStringLiteral("MSG_FILE_NOT_WRITTEN")).arg(QDir::toNativeSeparators(TempFile), why);
            return false;
        }
        return true;
    } catch (const OnlineError &e) {
        m_failure = e.reason();
        return false;
    }
}

bool TmGetNewVer::CheckForUpdate()
{
    m_currentVersion.clear();
    m_downloadUrl.clear();
    m_failure.clear();
    if (!download()) {
        m_outcome = Outcome::DownloadFailed;
        // The reason belongs in the box: the status bar line may be gone before it is read.
        if (FailureDlg)
            m_prompt.warn(vocab(QStringLiteral("MSG_UPDATE_FAILED_BOX")).arg(URLCurrVerFile) + QStringLiteral("\r\n") + m_failure);
        return false;
    }
    const IniFile versions(TempFile);
    m_currentVersion = versions.readString(QStringLiteral("CurrentVersions"), kApplicationTitle, QString()).trimmed();
    m_downloadUrl = versions.readString(QStringLiteral("DownloadURL"), kApplicationTitle, QString()).trimmed();
    if (OnGetURL)
        OnGetURL(*this, m_currentVersion, m_downloadUrl);

    if (m_currentVersion.isEmpty()) {
        m_outcome = Outcome::NoVersionInfo;
        return false;
    }
    // Without a version of our own there is nothing to compare with: said, not guessed.
    if (ownVersion.isEmpty()) {
        m_outcome = Outcome::NoOwnVersion;
        return false;
    }
    if (m_currentVersion == ownVersion) {
        m_outcome = Outcome::UpToDate;
        return false;
    }
    if (!DownloadDlg) {
        m_outcome = Outcome::NotOffered;
        return false;
    }
    if (!m_prompt.confirm(vocab(QStringLiteral("MSG_UPDATE_QUESTION")).arg(m_currentVersion, SiteName))) {
        m_outcome = Outcome::Declined;
        return false;
    }
    // Yes without a way to download is no success: the program stays as it was.
    const QUrl address(m_downloadUrl);
    if (m_downloadUrl.isEmpty() || !address.isValid() || !m_open || !m_open(address)) {
        m_outcome = Outcome::OpenFailed;
        return false;
    }
    m_outcome = Outcome::Accepted;
    return true;
}

QString TmGetNewVer::outcomeMessage() const
{
    switch (m_outcome) {
    case Outcome::NotRun:
    case Outcome::Accepted:
    case Outcome::Declined:
        return {};
    case Outcome::BadHost:
        return vocab(QStringLiteral("MSG_UPDATE_BAD_HOST")).arg(m_badHost);
    case Outcome::DownloadFailed:
        return vocab(QStringLiteral("MSG_UPDATE_FAILED")).arg(vocab(QStringLiteral("MSG_STEP_REASON")).arg(URLCurrVerFile, m_failure));
    case Outcome::NoOwnVersion:
        return vocab(QStringLiteral("MSG_UPDATE_NO_OWN_VERSION"));
    case Outcome::NoVersionInfo:
        return vocab(QStringLiteral("MSG_UPDATE_NO_INFO")).arg(SiteName);
    case Outcome::UpToDate:
        return vocab(QStringLiteral("MSG_UPDATE_UP_TO_DATE")).arg(ownVersion);
    case Outcome::NotOffered:
        return vocab(QStringLiteral("MSG_UPDATE_AVAILABLE")).arg(m_currentVersion, SiteName);
    case Outcome::OpenFailed:
        return vocab(QStringLiteral("MSG_OPEN_FAILED")).arg(m_downloadUrl.isEmpty() ? SiteName : m_downloadUrl);
    }
    return {};
}
