#include "shell/FolderTidy.h"

#include "common/Vocabulary.h"
#include "datafiles/DataFolder.h"
#include "online/Session.h"
#include "platform/SafeFile.h"

#include <QDir>
#include <QFileInfo>

namespace {
QStringList tempPrefixes(const QStringList &names)
{
    QStringList prefixes;
    for (const QString &name : names)
        prefixes << name + QLatin1Char('.');
    return prefixes;
}
} // namespace

FolderTidy FolderTidy::run(const ProgramPaths &paths)
{
    FolderTidy tidy;
    const QString settings = paths.settingsFilePath();
    // "write-test-": the probe of whether the program folder can be written to.
    const QString versionFile = QFileInfo(paths.versionFilePath()).fileName();
    SafeFile::tidy(paths.writableFolder(),
                   tempPrefixes({QFileInfo(settings).fileName(), versionFile}) << QStringLiteral("write-test-"));
    if (paths.cacheFolder() != paths.writableFolder())
        SafeFile::tidy(paths.cacheFolder(), tempPrefixes({versionFile}));

    const QString data = paths.dataFolder();
    QStringList dataFiles = Session::answerFiles();
    for (const GameFileInfo &info : DataFolder::gameFiles())
        dataFiles << QString::fromLatin1(info.writeName);
    // ".download-": where earlier versions wrote the answers before moving them into place.
    tidy.downloadFinished = SafeFile::tidy(data, tempPrefixes(dataFiles) << QStringLiteral(".download-"));

    QStringList secrets{settings};
    for (const QString &answer : Session::answerFiles())
        secrets << data + answer;
    for (const QString &path : std::as_const(secrets))
        if (SafeFile::makePrivate(path))
            tidy.madePrivate << QDir::toNativeSeparators(path);
    return tidy;
}

QStringList FolderTidy::notices() const
{
    QStringList out;
    if (downloadFinished)
        out << vocab(QStringLiteral("MSG_DOWNLOAD_FINISHED"));
    if (!madePrivate.isEmpty())
        out << vocab(QStringLiteral("MSG_FILES_MADE_PRIVATE")).arg(madePrivate.join(QStringLiteral(", ")));
    return out;
}
