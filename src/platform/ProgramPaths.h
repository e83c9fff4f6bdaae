#pragma once
#include <QString>
#include <QStringList>
#include <functional>

// Where the program finds what it reads and where it keeps what it writes.
//
// Run from its build folder or from an unzipped folder, everything lives in the program folder
// (the executable's folder), as it always has. Installed (the executable in <prefix>/bin beside
// <prefix>/share/squadwright), the pictures, language files, documents and the sample team are
// read from that share folder, and the settings file, the first-run marker and the data folder
// live in the user's own folders, seeded from the share folder on first use; the answer of the
// update check, which can always be fetched again, goes to the user's cache folder. A program folder
// the user cannot write to (an unzipped copy under a protected folder) is treated the same way,
// so a change of settings is never lost for want of a writable folder.
class ProgramPaths {
public:
    // What the decision depends on, so that it can be made for any machine.
    struct Environment {
        QString executableFolder;
        QString userConfigFolder; // gets SQW.ini and Infos.ctr
        QString userDataFolder;   // gets the data folder xml/
        std::function<bool(const QString &folder)> isWritable;
        QString userCacheFolder;  // gets version.ver; empty: the config folder
        // Where earlier versions kept the data folder: moved to userDataFolder on first use.
        QString formerUserDataFolder;
        // This process: the executable's folder, <XDG config>/squadwright,
        // <XDG data>/squadwright-data (formerly <XDG data>/squadwright/user, inside the share
        // folder of an installation to ~/.local), a real write test and <XDG cache>/squadwright.
        static Environment ofThisProcess();
    };
    enum class Layout { ProgramFolder, Installed };

    static ProgramPaths locate(const Environment &env);
    // locate() on this process.
    static ProgramPaths ofThisProgram();
    // Everything in one folder, nothing moved: a folder named on the command line, the tests.
    static ProgramPaths inOneFolder(const QString &folder);

    Layout layout() const { return m_layout; }
    // True when the writable files live in the user's folders rather than beside the resources.
    bool inUserFolders() const { return m_inUserFolders; }

    // Read-only content (img/, lng/, doc/, the default SQW.ini and the sample team); with a
    // trailing separator, like every folder given here.
    const QString &resourceFolder() const { return m_resources; }
    QString resourcePath(const QString &relative) const { return m_resources + relative; }
    QString pictureFolder() const { return resourcePath(QStringLiteral("img/")); }
    QString languageFolder() const { return resourcePath(QStringLiteral("lng/")); }
    QString documentFolder() const { return resourcePath(QStringLiteral("doc/")); }

    // The folder of the writable files below.
    const QString &writableFolder() const { return m_writable; }
    QString settingsFilePath() const { return m_writable + QStringLiteral("SQW.ini"); }
    QString markerFilePath() const { return m_writable + QStringLiteral("Infos.ctr"); }
    // The update check's answer: the program folder, or the user's cache folder.
    const QString &cacheFolder() const { return m_cache; }
    QString versionFilePath() const { return m_cache + QStringLiteral("version.ver"); }
    // The folder that holds the data folder, and the data folder itself (team files, downloads).
    const QString &dataRoot() const { return m_dataRoot; }
    QString dataFolder() const { return m_dataRoot + QStringLiteral("xml/"); }

    // First use of the user's folders: creates them and copies the default settings file, the
    // marker (only together with a new settings file, so the wizard runs once) and the sample
    // team (only into a new data folder); a data folder where earlier versions kept it is moved
    // instead. What the user already has is never overwritten.
    // Returns what could not be done, one line each; empty when all went well or nothing was due.
    // settingsSeeded: set when the default settings file was copied just now (a new user).
    QStringList prepare(bool *settingsSeeded = nullptr) const;

private:
    Layout m_layout = Layout::ProgramFolder;
    bool m_inUserFolders = false;
    QString m_resources;
    QString m_writable;
    QString m_dataRoot;
    QString m_cache;
    QString m_formerDataRoot;
};
