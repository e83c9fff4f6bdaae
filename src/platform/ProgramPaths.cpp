#include "platform/ProgramPaths.h"

#include "BuildInfo.h"
#include "platform/SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {
QString withSeparator(const QString &folder)
{
    QString f = QDir::fromNativeSeparators(folder);
    if (!f.endsWith(QLatin1Char('/')))
        f += QLatin1Char('/');
    return f;
}

// Only a file that can really be created counts: permission bits say nothing of a read-only
// mount or of Windows' protected program folders.
bool canWriteIn(const QString &folder)
{
    QTemporaryFile probe(withSeparator(folder) + QStringLiteral("write-test-XXXXXX"));
    if (!probe.open())
        return false;
    const QFileInfo settings(withSeparator(folder) + QStringLiteral("SQW.ini"));
    return !settings.exists() || settings.isWritable();
}

// A copy the user owns and may change (the installed originals are read-only), for the user alone
// (the settings come to hold the account's security code), and whole or not at all: a cut copy
// would never be seeded again.
bool copyForTheUser(const QString &from, const QString &to)
{
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = in.readAll();
    return in.error() == QFileDevice::NoError && SafeFile::write(to, bytes);
}
} // namespace

ProgramPaths::Environment ProgramPaths::Environment::ofThisProcess()
{
    const QString name = QStringLiteral("/squadwright");
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    // Installed with the prefix ~/.local, the read-only content itself is <XDG data>/squadwright:
    // the user's team lives beside it, never inside the installed tree an uninstall removes.
    return {QCoreApplication::applicationDirPath(),
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + name,
            data + name + QStringLiteral("-data"),
            canWriteIn,
            QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + name,
            data + name + QStringLiteral("/user")};
}

ProgramPaths ProgramPaths::locate(const Environment &env)
{
    ProgramPaths p;
    const QString exe = withSeparator(env.executableFolder);
    const QString share = withSeparator(QDir::cleanPath(exe + QLatin1String(buildinfo::kShareFromBin)));
    if (QDir(exe).dirName() == QLatin1String("bin") && QFileInfo(share).isDir()) {
        // An installation prefix is no program folder: whatever its permissions (a root run, a
        // prefix in the user's home), the user's settings go to the user's folders.
        p.m_layout = Layout::Installed;
        p.m_resources = share;
        p.m_inUserFolders = true;
    } else {
        p.m_resources = exe;
        p.m_inUserFolders = !(env.isWritable ? env.isWritable(exe) : canWriteIn(exe));
    }
    if (p.m_inUserFolders) {
        p.m_writable = withSeparator(env.userConfigFolder);
        p.m_dataRoot = withSeparator(env.userDataFolder);
        p.m_cache = env.userCacheFolder.isEmpty() ? p.m_writable : withSeparator(env.userCacheFolder);
        if (!env.formerUserDataFolder.isEmpty())
            p.m_formerDataRoot = withSeparator(env.formerUserDataFolder);
    } else {
        p.m_writable = p.m_dataRoot = p.m_cache = p.m_resources;
    }
    return p;
}

ProgramPaths ProgramPaths::ofThisProgram() { return locate(Environment::ofThisProcess()); }

ProgramPaths ProgramPaths::inOneFolder(const QString &folder)
{
    ProgramPaths p;
    p.m_resources = p.m_writable = p.m_dataRoot = p.m_cache = withSeparator(folder);
    return p;
}

QStringList ProgramPaths::prepare(bool *settingsSeeded) const
{
    QStringList problems;
    if (settingsSeeded)
        *settingsSeeded = false;
    if (!m_inUserFolders)
        return problems;
    auto makeFolder = [&](const QString &folder) {
        if (!QDir().mkpath(folder)) {
            problems << QStringLiteral("cannot create the folder %1").arg(QDir::toNativeSeparators(folder));
            return false;
        }
        return true;
    };
    auto seed = [&](const QString &from, const QString &to) {
        if (QFileInfo(from).isFile() && !QFileInfo::exists(to) && !copyForTheUser(from, to))
            problems << QStringLiteral("cannot copy %1 to %2").arg(QDir::toNativeSeparators(from),
                                                                  QDir::toNativeSeparators(to));
    };

    if (makeFolder(m_writable) && !QFileInfo::exists(settingsFilePath())) {
        // A new user: the marker comes with the settings, so the wizard greets him once.
        seed(resourcePath(QStringLiteral("Infos.ctr")), markerFilePath());
        seed(resourcePath(QStringLiteral("SQW.ini")), settingsFilePath());
        if (settingsSeeded)
            *settingsSeeded = QFileInfo::exists(settingsFilePath());
    }
    if (m_cache != m_writable)
        makeFolder(m_cache);
    // The team of an earlier version moves to where the data folder is now, whole (one rename,
    // on the same disk); should that fail it stays where it is, and nothing is seeded over it.
    if (!m_formerDataRoot.isEmpty() && !QFileInfo::exists(m_dataRoot) && QFileInfo::exists(m_formerDataRoot)) {
        const QString target = QDir::cleanPath(m_dataRoot);
        if (!makeFolder(QFileInfo(target).path()))
            return problems;
        if (!QDir().rename(QDir::cleanPath(m_formerDataRoot), target)) {
            problems << QStringLiteral("cannot move %1 to %2").arg(QDir::toNativeSeparators(m_formerDataRoot),
                                                                   QDir::toNativeSeparators(m_dataRoot));
            return problems;
        }
    }
    // The sample team goes only into a new data folder: files the user removed stay removed.
    const bool newDataFolder = !QFileInfo::exists(dataFolder());
    if (makeFolder(dataFolder()) && newDataFolder) {
        const QDir sample(resourcePath(QStringLiteral("xml")));
        for (const QString &name : sample.entryList(QDir::Files))
            seed(sample.filePath(name), dataFolder() + name);
    }
    return problems;
}
