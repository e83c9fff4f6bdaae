// Where resources are read and settings and data kept: the program folder layout (build or
// unzipped folder) and the installed one, with the machine's answers injected.
#include "platform/ProgramPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// The read-only content as the build lays it out: default settings, marker and sample team.
void writeContent(const QString &folder, bool withMarker)
{
    writeFile(folder + "/SQW.ini", "[defaut]\nlangue=English\n");
    writeFile(folder + "/xml/players.xml", "<players/>");
    writeFile(folder + "/xml/Team.xml", "<team/>");
    writeFile(folder + "/lng/English.lng", "<lng/>");
    if (withMarker)
        writeFile(folder + "/Infos.ctr", "");
}

void makeReadOnly(const QString &folder)
{
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        QFile::setPermissions(it.next(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
}
} // namespace

class TestProgramPaths : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString root() const { return m_dir->path(); }
    ProgramPaths::Environment env(const QString &exe, bool writable) const
    {
        return {exe, root() + "/home/.config/squadwright", root() + "/home/.local/share/squadwright-data",
                [writable](const QString &) { return writable; }, root() + "/home/.cache/squadwright",
                root() + "/home/.local/share/squadwright/user"};
    }

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }
    void writableProgramFolderKeepsEverything()
    {
        const QString exe = root() + "/build/bin";
        writeContent(exe, false);
        const ProgramPaths p = ProgramPaths::locate(env(exe, true));
        QCOMPARE(p.layout(), ProgramPaths::Layout::ProgramFolder);
        QVERIFY(!p.inUserFolders());
        QCOMPARE(p.resourceFolder(), exe + "/");
        QCOMPARE(p.settingsFilePath(), exe + "/SQW.ini");
        QCOMPARE(p.markerFilePath(), exe + "/Infos.ctr");
        QCOMPARE(p.versionFilePath(), exe + "/version.ver");
        QCOMPARE(p.dataFolder(), exe + "/xml/");
        QVERIFY(p.prepare().isEmpty());
        QVERIFY(!QFileInfo::exists(root() + "/home"));
    }

    void readOnlyProgramFolderMovesToTheUsersFolders()
    {
        const QString exe = root() + "/unzipped";
        writeContent(exe, true);
        const ProgramPaths p = ProgramPaths::locate(env(exe, false));
        QCOMPARE(p.layout(), ProgramPaths::Layout::ProgramFolder);
        QCOMPARE(p.resourceFolder(), exe + "/");
        QCOMPARE(p.languageFolder(), exe + "/lng/");
        QCOMPARE(p.settingsFilePath(), root() + "/home/.config/squadwright/SQW.ini");
        QCOMPARE(p.markerFilePath(), root() + "/home/.config/squadwright/Infos.ctr");
        QCOMPARE(p.versionFilePath(), root() + "/home/.cache/squadwright/version.ver");
        QCOMPARE(p.dataFolder(), root() + "/home/.local/share/squadwright-data/xml/");

        QVERIFY(p.prepare().isEmpty());
        QCOMPARE(readFile(p.settingsFilePath()), QByteArray("[defaut]\nlangue=English\n"));
        QVERIFY(QFile::exists(p.markerFilePath()));
        QCOMPARE(readFile(p.dataFolder() + "players.xml"), QByteArray("<players/>"));

        // The user's changes and removals survive the next starts: the wizard ran (marker gone),
        // a file was downloaded, a sample file removed.
        writeFile(p.settingsFilePath(), "[options]\ncartons=YES\n");
        QFile::remove(p.markerFilePath());
        writeFile(p.dataFolder() + "players.xml", "<downloaded/>");
        QFile::remove(p.dataFolder() + "Team.xml");
        QVERIFY(p.prepare().isEmpty());
        QCOMPARE(readFile(p.settingsFilePath()), QByteArray("[options]\ncartons=YES\n"));
        QVERIFY(!QFile::exists(p.markerFilePath()));
        QCOMPARE(readFile(p.dataFolder() + "players.xml"), QByteArray("<downloaded/>"));
        QVERIFY(!QFile::exists(p.dataFolder() + "Team.xml"));
    }

    void installedLayoutReadsTheShareFolder_data()
    {
        QTest::addColumn<bool>("prefixWritable");
        QTest::newRow("system prefix") << false;
        QTest::newRow("prefix in the home") << true;
    }
    void installedLayoutReadsTheShareFolder()
    {
        QFETCH(bool, prefixWritable);
        const QString prefix = root() + (prefixWritable ? "/home/.local" : "/usr");
        writeFile(prefix + "/bin/squadwright-cli", "");
        writeContent(prefix + "/share/squadwright", true);
        makeReadOnly(prefix + "/share/squadwright");
        const ProgramPaths p = ProgramPaths::locate(env(prefix + "/bin", prefixWritable));
        QCOMPARE(p.layout(), ProgramPaths::Layout::Installed);
        QVERIFY(p.inUserFolders());
        QCOMPARE(p.resourceFolder(), prefix + "/share/squadwright/");
        QCOMPARE(p.pictureFolder(), prefix + "/share/squadwright/img/");
        QCOMPARE(p.settingsFilePath(), root() + "/home/.config/squadwright/SQW.ini");
        QCOMPARE(p.dataFolder(), root() + "/home/.local/share/squadwright-data/xml/");

        QVERIFY(p.prepare().isEmpty());
        // The copies belong to the user even though the originals are read-only.
        QVERIFY(QFileInfo(p.settingsFilePath()).permissions() & QFile::WriteOwner);
#ifdef Q_OS_UNIX
        // The settings come to hold the security code: nobody else reads the copy.
        QCOMPARE(QFile::permissions(p.settingsFilePath()) & QFileDevice::Permissions(0x0077), QFileDevice::Permissions());
#endif
        QVERIFY(QFileInfo(p.dataFolder() + "Team.xml").permissions() & QFile::WriteOwner);
        QVERIFY(QFile::exists(p.markerFilePath()));
        // Installed in the home, the share folder is <XDG data>/squadwright: the user's team
        // stays apart from the installed sample.
        QCOMPARE(readFile(p.resourcePath("xml/Team.xml")), QByteArray("<team/>"));
        QVERIFY(QFileInfo(p.cacheFolder()).isDir());
    }

    // Earlier versions kept the team inside <XDG data>/squadwright, the share folder of an
    // installation to ~/.local: it moves out whole, and no sample file is put over it.
    void formerDataFolderMovesOutOfTheShareFolder()
    {
        const QString prefix = root() + "/home/.local";
        writeFile(prefix + "/bin/squadwright-cli", "");
        writeContent(prefix + "/share/squadwright", true);
        const QString former = prefix + "/share/squadwright/user/xml/";
        writeFile(former + "players.xml", "<mine/>");
        const ProgramPaths p = ProgramPaths::locate(env(prefix + "/bin", true));
        QVERIFY(p.prepare().isEmpty());
        QCOMPARE(readFile(p.dataFolder() + "players.xml"), QByteArray("<mine/>"));
        QVERIFY(!QFile::exists(p.dataFolder() + "Team.xml"));
        QVERIFY(!QFileInfo::exists(former));
        QVERIFY(p.prepare().isEmpty());
        QCOMPARE(readFile(p.dataFolder() + "players.xml"), QByteArray("<mine/>"));
    }

    void binFolderWithoutShareIsAProgramFolder()
    {
        const QString exe = root() + "/tools/bin";
        writeContent(exe, false);
        const ProgramPaths p = ProgramPaths::locate(env(exe, true));
        QCOMPARE(p.layout(), ProgramPaths::Layout::ProgramFolder);
        QCOMPARE(p.settingsFilePath(), exe + "/SQW.ini");
    }

    void unusableUserFolderIsReported()
    {
        const QString exe = root() + "/blocked";
        writeContent(exe, false);
        ProgramPaths::Environment e = env(exe, false);
        e.userConfigFolder = root() + "/a-file/squadwright";
        writeFile(root() + "/a-file", "in the way");
        const QStringList problems = ProgramPaths::locate(e).prepare();
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems.first().contains("a-file"), qPrintable(problems.first()));
        QCOMPARE(readFile(root() + "/a-file"), QByteArray("in the way"));
    }

    void oneFolderMovesNothing()
    {
        const ProgramPaths p = ProgramPaths::inOneFolder(root() + "/given");
        QVERIFY(!p.inUserFolders());
        QCOMPARE(p.settingsFilePath(), root() + "/given/SQW.ini");
        QCOMPARE(p.dataFolder(), root() + "/given/xml/");
        QCOMPARE(p.resourceFolder(), root() + "/given/");
    }

    void thisProcessUsesTheUsersFolders()
    {
        QTemporaryDir xdg;
        qputenv("XDG_CONFIG_HOME", (xdg.path() + "/config").toLocal8Bit());
        qputenv("XDG_DATA_HOME", (xdg.path() + "/data").toLocal8Bit());
        const ProgramPaths::Environment e = ProgramPaths::Environment::ofThisProcess();
#ifdef Q_OS_LINUX
        QCOMPARE(e.userConfigFolder, xdg.path() + "/config/squadwright");
        QCOMPARE(e.userDataFolder, xdg.path() + "/data/squadwright-data");
        QCOMPARE(e.formerUserDataFolder, xdg.path() + "/data/squadwright/user");
#elif defined(Q_OS_WIN)
        // The folders the README names: %LOCALAPPDATA%\squadwright, ...\squadwright-data and
        // ...\cache\squadwright.
        const QString local = QDir::fromNativeSeparators(qEnvironmentVariable("LOCALAPPDATA"));
        QVERIFY(!local.isEmpty());
        QCOMPARE(e.userConfigFolder.toLower(), (local + "/squadwright").toLower());
        QCOMPARE(e.userDataFolder.toLower(), (local + "/squadwright-data").toLower());
        QCOMPARE(e.userCacheFolder.toLower(), (local + "/cache/squadwright").toLower());
#endif
        QVERIFY(e.isWritable(xdg.path()));
        QVERIFY(!e.isWritable(xdg.path() + "/no-such-folder"));
    }
};

QTEST_GUILESS_MAIN(TestProgramPaths)
#include "tst_programpaths.moc"
