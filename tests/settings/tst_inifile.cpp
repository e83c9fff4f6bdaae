#include "settings/IniFile.h"
#include "platform/SafeFile.h"
#include "support/Files.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

namespace {

using TestSupport::writeFile;

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return f.readAll();
}

// Owner, group and others bits (the "user" bits of Qt repeat the owner's for us).
QFileDevice::Permissions modeBits(const QString &path)
{
    return QFile::permissions(path) & QFileDevice::Permissions(0x7077);
}

bool runningAsRoot()
{
#ifdef Q_OS_UNIX
    return ::geteuid() == 0;
#else
    return false;
#endif
}

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_fileNo = 0;
    // A fresh file path per test: the parsed content of each path is kept process-wide.
    QString freshPath() { return m_dir.filePath(QStringLiteral("SQW%1.ini").arg(++m_fileNo)); }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void namesMatchWithoutCase()
    {
        const QString path = freshPath();
        writeFile(path, "[Player]\r\nforme=40\r\n");
        IniFile ini(path);
        QCOMPARE(ini.readInteger("player", "Forme", 0), 40);
        QCOMPARE(ini.readInteger("PLAYER", "FORME", 0), 40);
        QVERIFY(ini.keyExists("pLaYeR", "fOrMe"));
        // A write under another spelling changes the existing line, keeping its spelling.
        QVERIFY(ini.writeInteger("player", "Forme", 55));
        QCOMPARE(bytesOf(path), QByteArray("[Player]\r\nforme=55\r\n"));
    }

    void integerForms_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("expected"); // with the default 7
        QTest::newRow("decimal") << QByteArray("42") << 42;
        QTest::newRow("negative") << QByteArray("-5") << -5;
        QTest::newRow("leading zeros") << QByteArray("007") << 7;
        QTest::newRow("0x") << QByteArray("0x1F") << 31;
        QTest::newRow("0X lower digits") << QByteArray("0X1f") << 31;
        QTest::newRow("dollar") << QByteArray("$1F") << 31;
        QTest::newRow("blanks around") << QByteArray("  12  ") << 12;
        QTest::newRow("quoted") << QByteArray("\"12\"") << 12;
        QTest::newRow("largest") << QByteArray("2147483647") << 2147483647;
        QTest::newRow("smallest") << QByteArray("-2147483648") << int(-2147483648LL);
        QTest::newRow("largest hex") << QByteArray("0x7FFFFFFF") << 2147483647;
        QTest::newRow("letters") << QByteArray("abc") << 7;
        QTest::newRow("trailing letters") << QByteArray("12abc") << 7;
        QTest::newRow("empty") << QByteArray("") << 7;
        QTest::newRow("inner blank") << QByteArray("1 2") << 7;
        QTest::newRow("decimal point") << QByteArray("1.5") << 7;
        QTest::newRow("plus sign") << QByteArray("+5") << 7;
        QTest::newRow("minus only") << QByteArray("-") << 7;
        QTest::newRow("prefix only 0x") << QByteArray("0x") << 7;
        QTest::newRow("negative hex") << QByteArray("-0x10") << 7;
        QTest::newRow("hex letter in decimal") << QByteArray("1F") << 7;
        QTest::newRow("overflow") << QByteArray("2147483648") << 7;
        QTest::newRow("underflow") << QByteArray("-2147483649") << 7;
        QTest::newRow("huge") << QByteArray("99999999999999999999") << 7;
        QTest::newRow("hex overflow") << QByteArray("0x80000000") << 7;
    }
    void integerForms()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, expected);
        const QString path = freshPath();
        writeFile(path, "[options]\r\nmethode=" + text + "\r\n");
        QCOMPARE(IniFile(path).readInteger("options", "methode", 7), expected);
    }

    void booleans_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("withFalseDefault");
        QTest::addColumn<bool>("withTrueDefault");
        QTest::newRow("1") << QByteArray("1") << true << true;
        QTest::newRow("0") << QByteArray("0") << false << false;
        QTest::newRow("2") << QByteArray("2") << true << true;
        QTest::newRow("-1") << QByteArray("-1") << true << true;
        QTest::newRow("hex zero") << QByteArray("$0") << false << false;
        QTest::newRow("yes") << QByteArray("yes") << false << true;
        QTest::newRow("empty") << QByteArray("") << false << true;
    }
    void booleans()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, withFalseDefault);
        QFETCH(bool, withTrueDefault);
        const QString path = freshPath();
        writeFile(path, "[online]\nUseProxy=" + text + "\n");
        IniFile ini(path);
        QCOMPARE(ini.readBool("online", "UseProxy", false), withFalseDefault);
        QCOMPARE(ini.readBool("online", "UseProxy", true), withTrueDefault);
    }

    void booleansAreWrittenAsOneAndZero()
    {
        const QString path = freshPath();
        IniFile ini(path);
        QVERIFY(ini.writeBool("online", "UseProxy", true));
        QVERIFY(ini.writeBool("defaut", "ShowConfig", false));
        QCOMPARE(bytesOf(path), QByteArray("[online]\r\nUseProxy=1\r\n[defaut]\r\nShowConfig=0\r\n"));
    }

    void longValuesAreCutOnReading()
    {
        const QString path = freshPath();
        IniFile ini(path);
        const QString exact(2047, QLatin1Char('a'));
        const QString longer = QString(2047, QLatin1Char('b')) + QStringLiteral("cdef");
        QVERIFY(ini.writeString("user", "exact", exact));
        QVERIFY(ini.writeString("user", "longer", longer));
        QCOMPARE(ini.readString("user", "exact", QString()), exact);
        QCOMPARE(ini.readString("user", "longer", QString()), longer.left(2047));
        QVERIFY(bytesOf(path).contains(longer.toUtf8())); // the file keeps the whole value
    }

    void missingFileGivesDefaultsAndStaysMissing()
    {
        const QString path = freshPath();
        IniFile ini(path);
        QCOMPARE(ini.readString("defaut", "HotKey", "Ctrl+C"), QStringLiteral("Ctrl+C"));
        QCOMPARE(ini.readInteger("options", "methode", 3), 3);
        QCOMPARE(ini.readBool("online", "UseProxy", true), true);
        QVERIFY(!ini.keyExists("defaut", "HotKey"));
        QVERIFY(ini.deleteKey("user", "Password"));
        QVERIFY(!QFile::exists(path));

        IniFile noName{QString()};
        QCOMPARE(noName.readString("defaut", "HotKey", "Ctrl+C"), QStringLiteral("Ctrl+C"));
        QVERIFY(!noName.writeString("defaut", "HotKey", "Ctrl+K"));
    }

    void handlesSeeEachOthersWrites()
    {
        const QString path = freshPath();
        IniFile a(path);
        IniFile b(QDir(m_dir.path()).relativeFilePath(path).prepend(m_dir.path() + "/./"));
        QCOMPARE(b.readInteger("player", "Forme", -1), -1);
        // Same size, within the same second: only the content tells the versions apart.
        QVERIFY(a.writeInteger("player", "Forme", 40));
        QCOMPARE(b.readInteger("player", "Forme", -1), 40);
        QVERIFY(a.writeInteger("player", "Forme", 41));
        QCOMPARE(b.readInteger("player", "Forme", -1), 41);
        QVERIFY(b.writeInteger("Player", "forme", 42));
        QCOMPARE(a.readInteger("player", "Forme", -1), 42);
        QVERIFY(b.deleteKey("PLAYER", "FORME"));
        QVERIFY(!a.keyExists("player", "Forme"));
    }

    void changesByOtherProgramsAreSeen()
    {
        const QString path = freshPath();
        // Another program rewrites the file in place with the same size and a chosen time stamp.
        const auto rewrite = [&path](const QByteArray &bytes, const QDateTime &stamp) {
            writeFile(path, bytes);
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(stamp, QFileDevice::FileModificationTime));
        };
        writeFile(path, "[player]\nForme=40\n");
        IniFile ini(path);
        QCOMPARE(ini.readInteger("player", "Forme", 0), 40);
        // The same modification time: a coarse clock would not have moved.
        rewrite("[player]\nForme=41\n", QFileInfo(path).lastModified());
        QCOMPARE(ini.readInteger("player", "Forme", 0), 41);
        // A settled file, rewritten twice with an old time stamp.
        const QDateTime old = QDateTime::currentDateTime().addDays(-30);
        rewrite("[player]\nForme=50\n", old);
        QCOMPARE(ini.readInteger("player", "Forme", 0), 50);
        rewrite("[player]\nForme=51\n", old);
        QCOMPARE(ini.readInteger("player", "Forme", 0), 51);
    }

    void windows1252FileIsReadAndConvertedOnWriting()
    {
        const QString path = freshPath();
        // é is 0xE9, € is 0x80, 0x81 is a byte the code page leaves undefined.
        writeFile(path, "; Param\xE8tres\r\n[defaut]\r\nlangue=Fran\xE7" "ais\r\n"
                       "[user]\r\nTeamName=Caf\xE9 \x80 \x81\r\n\r\n[online]\r\nProxy=\r\n");
        IniFile ini(path);
        QCOMPARE(ini.readString("user", "TeamName", QString()),
                 QString::fromUtf8("Caf\xC3\xA9 \xE2\x82\xAC ") + QChar(0x81));
        QCOMPARE(ini.readString("defaut", "langue", QString()), QString::fromUtf8("Fran\xC3\xA7" "ais"));
        QVERIFY(ini.writeString("user", "UserName", QString::fromUtf8("Zo\xC3\xA9")));
        // Every character stays; the whole file is now UTF-8 with its CRLF line breaks.
        QCOMPARE(bytesOf(path),
                 QByteArray("; Param\xC3\xA8tres\r\n[defaut]\r\nlangue=Fran\xC3\xA7" "ais\r\n"
                            "[user]\r\nTeamName=Caf\xC3\xA9 \xE2\x82\xAC \xC2\x81\r\nUserName=Zo\xC3\xA9\r\n"
                            "\r\n[online]\r\nProxy=\r\n"));
        QCOMPARE(ini.readString("user", "TeamName", QString()),
                 QString::fromUtf8("Caf\xC3\xA9 \xE2\x82\xAC ") + QChar(0x81));
    }

    void utf8FileKeepsMarkAndLineBreaks()
    {
        const QString path = freshPath();
        writeFile(path, "\xEF\xBB\xBF[user]\nTeamName=Les \xC3\x89toiles\n");
        IniFile ini(path);
        QCOMPARE(ini.readString("user", "TeamName", QString()), QString::fromUtf8("Les \xC3\x89toiles"));
        QVERIFY(ini.writeString("online", "Proxy", "proxy.local"));
        QCOMPARE(bytesOf(path),
                 QByteArray("\xEF\xBB\xBF[user]\nTeamName=Les \xC3\x89toiles\n[online]\nProxy=proxy.local\n"));
    }

    void otherLinesSurviveWrites()
    {
        const QString path = freshPath();
        const QByteArray original =
            "orphan=1\r\n"
            "; a comment\r\n"
            "[defaut]\r\n"
            "  garbage without equals sign  \r\n"
            "  HotKey   =   Ctrl+B   \r\n"
            ";HotKey=Alt+X\r\n"
            "\r\n"
            "[user]\r\n"
            "TeamID=123\r\n"
            "\r\n"
            "[defaut]\r\n"
            "ontop=yes\r\n";
        writeFile(path, original);
        IniFile ini(path);
        QCOMPARE(ini.readString("defaut", "HotKey", QString()), QStringLiteral("Ctrl+B"));
        QVERIFY(!ini.keyExists("defaut", "orphan"));
        QVERIFY(!ini.keyExists("defaut", "garbage without equals sign"));
        QVERIFY(!ini.keyExists("defaut", ";HotKey"));
        // Only the first section of a name counts.
        QVERIFY(!ini.keyExists("defaut", "ontop"));

        QVERIFY(ini.writeString("defaut", "HotKey", "Ctrl+K"));
        QVERIFY(ini.writeString("defaut", "ontop", "no"));
        QVERIFY(ini.writeString("user", "TeamName", "Velmorra FC"));
        QVERIFY(ini.writeString("options", "cartons", "YES"));
        QCOMPARE(bytesOf(path), QByteArray(
            "orphan=1\r\n"
            "; a comment\r\n"
            "[defaut]\r\n"
            "  garbage without equals sign  \r\n"
            "  HotKey   =   Ctrl+K\r\n"
            ";HotKey=Alt+X\r\n"
            "ontop=no\r\n"
            "\r\n"
            "[user]\r\n"
            "TeamID=123\r\n"
            "TeamName=Velmorra FC\r\n"
            "\r\n"
            "[defaut]\r\n"
            "ontop=yes\r\n"
            "[options]\r\n"
            "cartons=YES\r\n"));
    }

    void fileWithoutFinalLineBreak()
    {
        const QString path = freshPath();
        writeFile(path, "[a]\r\nx=1");
        IniFile ini(path);
        QVERIFY(ini.writeString("A", "y", "2"));
        QCOMPARE(bytesOf(path), QByteArray("[a]\r\nx=1\r\ny=2"));
        QVERIFY(ini.writeString("b", "z", "3"));
        QCOMPARE(bytesOf(path), QByteArray("[a]\r\nx=1\r\ny=2\r\n[b]\r\nz=3\r\n"));
    }

    void blanksAndQuotes_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("expected");
        QTest::newRow("blanks and tabs") << QByteArray(" \tProxy \t=\t proxy host \t") << QStringLiteral("proxy host");
        QTest::newRow("double quotes") << QByteArray("Proxy=\" spaced \"") << QStringLiteral(" spaced ");
        QTest::newRow("single quotes") << QByteArray("Proxy='x'") << QStringLiteral("x");
        QTest::newRow("unmatched quotes") << QByteArray("Proxy=\"x'") << QStringLiteral("\"x'");
        QTest::newRow("lone quote") << QByteArray("Proxy=\"") << QStringLiteral("\"");
        QTest::newRow("equals in value") << QByteArray("Proxy=a=b") << QStringLiteral("a=b");
        QTest::newRow("empty value") << QByteArray("Proxy=") << QString();
    }
    void blanksAndQuotes()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, expected);
        const QString path = freshPath();
        writeFile(path, "[online]\r\n" + line + "\r\n");
        IniFile ini(path);
        QVERIFY(ini.keyExists("online", "Proxy"));
        QCOMPARE(ini.readString("online", "Proxy", "default"), expected);
    }

    void typedValuesReadBackUnchanged_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("blank at the end") << QStringLiteral("secret ");
        QTest::newRow("blanks at both ends") << QStringLiteral("  secret  ");
        QTest::newRow("quoted") << QStringLiteral("\"secret\"");
        QTest::newRow("single quoted") << QStringLiteral("'s'");
        QTest::newRow("non-ASCII") << QString::fromUtf8("\xE2\x82\xAC\xC3\xA9\xF0\x9F\x98\x80");
        QTest::newRow("empty") << QString();
    }
    void typedValuesReadBackUnchanged()
    {
        QFETCH(QString, value);
        const QString path = freshPath();
        QVERIFY(IniFile(path).writeString("user", "SecurityPassword", value));
        QCOMPARE(IniFile(path).readString("user", "SecurityPassword", "default"), value);
    }

    void unsafeNamesAndValuesAreRefused()
    {
        const QString path = freshPath();
        writeFile(path, "[user]\r\nTeamID=1\r\n");
        IniFile ini(path);
        QVERIFY(!ini.writeString("user", "TeamName", "a\r\n[player]\r\nForme=99"));
        QVERIFY(!ini.writeString("user", "Team=Name", "x"));
        QVERIFY(!ini.writeString("us]er", "TeamName", "x"));
        QVERIFY(!ini.writeString("user", "", "x"));
        QVERIFY(!ini.writeString("", "TeamName", "x"));
        QVERIFY(!ini.writeString("user", ";TeamName", "x"));
        QCOMPARE(bytesOf(path), QByteArray("[user]\r\nTeamID=1\r\n"));
    }

    void unreadableFileIsLeftAlone()
    {
        // A directory where the file should be: it cannot be read nor replaced.
        const QString path = freshPath();
        QVERIFY(QDir().mkpath(path));
        IniFile ini(path);
        QCOMPARE(ini.readString("defaut", "HotKey", "Ctrl+C"), QStringLiteral("Ctrl+C"));
        QVERIFY(!ini.keyExists("defaut", "HotKey"));
        QVERIFY(!ini.writeString("defaut", "HotKey", "Ctrl+K"));
        QVERIFY(QFileInfo(path).isDir());

        // A folder that does not exist.
        IniFile nowhere(m_dir.filePath("missing/SQW.ini"));
        QVERIFY(!nowhere.writeString("defaut", "HotKey", "Ctrl+K"));
        QVERIFY(!QFile::exists(m_dir.filePath("missing")));

        if (runningAsRoot())
            QSKIP("root reads and writes any file: permission cases do not apply");
#ifdef Q_OS_WIN
        QSKIP("permission bits cannot make a file unreadable on Windows");
#endif
        const QString locked = freshPath();
        writeFile(locked, "[user]\r\nSecurityPassword=abc\r\n");
        QVERIFY(QFile::setPermissions(locked, QFileDevice::Permissions()));
        IniFile lockedIni(locked);
        QCOMPARE(lockedIni.readString("user", "SecurityPassword", "none"), QStringLiteral("none"));
        QVERIFY(!lockedIni.writeString("user", "TeamID", "5"));
        QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QCOMPARE(bytesOf(locked), QByteArray("[user]\r\nSecurityPassword=abc\r\n"));
        QCOMPARE(lockedIni.readString("user", "SecurityPassword", "none"), QStringLiteral("abc"));

        // Write-protected: readable, but left as it is.
        QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner));
        QVERIFY(!lockedIni.writeString("user", "TeamID", "5"));
        QCOMPARE(bytesOf(locked), QByteArray("[user]\r\nSecurityPassword=abc\r\n"));
    }

    void permissions()
    {
#ifndef Q_OS_UNIX
        QSKIP("owner-only permissions are a POSIX matter");
#endif
        const QString created = freshPath();
        QVERIFY(IniFile(created).writeString("user", "SecurityPassword", "1234"));
        QCOMPARE(modeBits(created), QFileDevice::ReadOwner | QFileDevice::WriteOwner);

        // A file others could read becomes the owner's alone once the program rewrites it.
        const QString existing = freshPath();
        writeFile(existing, "[user]\r\n");
        const auto shared = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
            | QFileDevice::ReadOther;
        QVERIFY(QFile::setPermissions(existing, shared));
        QVERIFY(IniFile(existing).writeString("user", "TeamID", "5"));
        QCOMPARE(modeBits(existing), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    // A full disk: the write is refused and the earlier file stays whole, through the seam and
    // once for real on a small file system.
    void fullDiskKeepsTheFile()
    {
        const QString path = freshPath();
        const QByteArray before = "[user]\r\nSecurityPassword=abc\r\n[player]\r\nGARGardien=100\r\n";
        writeFile(path, before);
        IniFile ini(path);
        SafeFile::setWriteFailureForTesting([](const QString &) { return ENOSPC; });
        auto reset = qScopeGuard([] { SafeFile::setWriteFailureForTesting({}); });
        QVERIFY(!ini.writeString("defaut", "PlayersXML", QString(5000, u'p')));
        QCOMPARE(bytesOf(path), before);
        QCOMPARE(ini.readString("player", "GARGardien", "gone"), QStringLiteral("100"));
        QCOMPARE(QDir(m_dir.path()).entryList({QFileInfo(path).fileName() + "*"}, QDir::Files | QDir::Hidden),
                 QStringList{QFileInfo(path).fileName()});
        reset.dismiss();
        SafeFile::setWriteFailureForTesting({});

#ifdef Q_OS_LINUX
        if (!runningAsRoot())
            QSKIP("mounting a small file system needs root");
        QTemporaryDir mountPoint;
        const QByteArray where = QFile::encodeName(mountPoint.path());
        if (::mount("tmpfs", where.constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP("no tmpfs could be mounted here");
        auto unmount = qScopeGuard([&] { ::umount(where.constData()); });
        const QString small = mountPoint.filePath("SQW.ini");
        writeFile(small, before);
        {
            // Fill what is left.
            QFile fill(mountPoint.filePath("fill"));
            QVERIFY(fill.open(QIODevice::WriteOnly));
            const QByteArray block(4096, 'f');
            while (fill.write(block) == block.size() && fill.flush()) {
            }
        }
        IniFile full(small);
        QVERIFY(!full.writeString("defaut", "PlayersXML", QString(8000, u'p')));
        QCOMPARE(bytesOf(small), before);
        QCOMPARE(QDir(mountPoint.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"fill", "SQW.ini"}));
        QVERIFY(QFile::remove(mountPoint.filePath("fill")));
        QVERIFY(full.writeString("defaut", "PlayersXML", QString(8000, u'p')));
        QCOMPARE(full.readString("player", "GARGardien", "gone"), QStringLiteral("100"));
#endif
    }

    void deleteKeyAndKeyExists()
    {
        const QString path = freshPath();
        writeFile(path, "[user]\nPassword=old\nUserName=me\npassword=again\nEmpty=\n[other]\nPassword=x\n");
        IniFile ini(path);
        QVERIFY(ini.keyExists("user", "Empty"));
        QCOMPARE(ini.readString("user", "Empty", "default"), QString());
        QVERIFY(!ini.keyExists("user", "Missing"));
        QCOMPARE(ini.readString("user", "Password", QString()), QStringLiteral("old"));

        QVERIFY(ini.deleteKey("USER", "Password"));
        QVERIFY(!ini.keyExists("user", "Password"));
        QVERIFY(ini.keyExists("other", "Password"));
        QCOMPARE(bytesOf(path), QByteArray("[user]\nUserName=me\nEmpty=\n[other]\nPassword=x\n"));

        // Deleting what is not there leaves the file untouched.
        const QDateTime before = QFileInfo(path).lastModified();
        QVERIFY(ini.deleteKey("user", "Password"));
        QVERIFY(ini.deleteKey("nosection", "Password"));
        QCOMPARE(QFileInfo(path).lastModified(), before);
        QCOMPARE(bytesOf(path), QByteArray("[user]\nUserName=me\nEmpty=\n[other]\nPassword=x\n"));
    }

    void newFileUsesCrlf()
    {
        const QString path = freshPath();
        IniFile ini(path);
        QVERIFY(ini.writeString("defaut", "langue", "Francais"));
        QVERIFY(ini.writeInteger("defaut", "repositionnement", -3));
        QCOMPARE(bytesOf(path), QByteArray("[defaut]\r\nlangue=Francais\r\nrepositionnement=-3\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
