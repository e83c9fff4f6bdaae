#pragma once
#include <QString>
#include <array>

// The five game files of the data folder, in the order the version check visits them.
enum class GameFile { TeamDetails, Players, Training, Matches, MatchOrders };

struct GameFileInfo {
    GameFile file;
    const char *writeName;        // the name the download writes
    const char *expectedVersion;  // compared with the file's Version text exactly
};

// The program folder (the executable's folder) and its data folder "xml". File names inside the
// data folder are matched without regard to case: the game's files arrive as "team.xml" and are
// looked for as "Team.xml", and a case-sensitive file system must not make them invisible.
class DataFolder {
public:
    // programFolder: the folder that holds xml/: the program folder, or for an installed program
    // the user's data folder (ProgramPaths::dataRoot()); a trailing separator is added.
    explicit DataFolder(const QString &programFolder);

    // The folder of the running executable, with a trailing separator.
    static QString executableFolder();

    static const std::array<GameFileInfo, 5> &gameFiles();
    static const GameFileInfo &info(GameFile f);

    const QString &programFolder() const { return m_programFolder; }
    QString dataFolder() const { return m_programFolder + QStringLiteral("xml/"); }
    QString programPath(const QString &relative) const { return m_programFolder + relative; }

    // Full path of an existing entry of the data folder whose name matches `name` without regard
    // to case; empty when there is none.
    QString findFile(const QString &name) const;
    QString findGameFile(GameFile f) const { return findFile(QString::fromLatin1(info(f).writeName)); }
    // Where a game file is (or would be written): the existing entry, else the name the download uses.
    QString gameFilePath(GameFile f) const;

private:
    QString m_programFolder;
};

// Finds `name` in `folder` (with trailing separator) without regard to case.
QString findFileNoCase(const QString &folder, const QString &name);
