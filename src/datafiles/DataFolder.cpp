#include "datafiles/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
const std::array<GameFileInfo, 5> kGameFiles{{
    {GameFile::TeamDetails, "team.xml", "1.6"},
    {GameFile::Players, "players.xml", "1.2.6"},
    {GameFile::Training, "Training.xml", "1.1"},
    {GameFile::Matches, "Matchs.xml", "2.2"},
    {GameFile::MatchOrders, "MatchOrders.xml", "1.2.1"},
}};

QString withSeparator(const QString &folder)
{
    QString f = QDir::fromNativeSeparators(folder);
    if (!f.endsWith(QLatin1Char('/')))
        f += QLatin1Char('/');
    return f;
}
} // namespace

DataFolder::DataFolder(const QString &programFolder) : m_programFolder(withSeparator(programFolder)) {}

QString DataFolder::executableFolder()
{
    return withSeparator(QCoreApplication::applicationDirPath());
}

const std::array<GameFileInfo, 5> &DataFolder::gameFiles() { return kGameFiles; }

const GameFileInfo &DataFolder::info(GameFile f) { return kGameFiles[static_cast<size_t>(f)]; }

QString DataFolder::findFile(const QString &name) const { return findFileNoCase(dataFolder(), name); }

QString DataFolder::gameFilePath(GameFile f) const
{
    const QString found = findGameFile(f);
    return found.isEmpty() ? dataFolder() + QString::fromLatin1(info(f).writeName) : found;
}

QString findFileNoCase(const QString &folder, const QString &name)
{
    const QString exact = folder + name;
    if (QFileInfo(exact).isFile())
        return exact;
    const QDir dir(folder);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + entry;
    }
    return {};
}
