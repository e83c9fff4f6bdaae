// Files replaced whole or not at all: a write that fails half way, several files replaced at
// once, and the next start after a kill.
#include "platform/SafeFile.h"
#include "support/Files.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace {
using TestSupport::writeFile;

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// Group and others bits only.
int othersBits(const QString &path) { return int(QFile::permissions(path) & QFileDevice::Permissions(0x0077)); }

const QStringList kGameFiles{"team.xml", "players.xml", "Training.xml", "Matchs.xml", "MatchOrders.xml"};
} // namespace

class TestSafeFile : public QObject {
    Q_OBJECT

private slots:
    void failedWriteLeavesTheEarlierFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("SQW.ini");
        writeFile(path, "[user]\r\nSecurityPassword=abc\r\n");
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ReadGroup | QFile::ReadOther);

        // The disk fills up half way; the temporary file is the user's alone meanwhile.
        int tempOthersBits = -1;
        SafeFile::setWriteFailureForTesting([&](const QString &target) {
            for (const QString &e : entriesOf(dir.path()))
                if (e.startsWith("SQW.ini."))
                    tempOthersBits = othersBits(dir.filePath(e));
            return target == path ? ENOSPC : 0;
        });
        auto reset = qScopeGuard([] { SafeFile::setWriteFailureForTesting({}); });
        QString why;
        QVERIFY(!SafeFile::write(path, QByteArray(10000, 'x'), &why));
        QCOMPARE(why, QString::fromLocal8Bit(std::strerror(ENOSPC)));
        QCOMPARE(tempOthersBits, 0);
        QCOMPARE(bytesOf(path), QByteArray("[user]\r\nSecurityPassword=abc\r\n"));
        QCOMPARE(entriesOf(dir.path()), QStringList{"SQW.ini"});

        reset.dismiss();
        SafeFile::setWriteFailureForTesting({});
        QVERIFY(SafeFile::write(path, "[user]\r\n", &why));
        QCOMPARE(bytesOf(path), QByteArray("[user]\r\n"));
#ifdef Q_OS_UNIX
        QCOMPARE(othersBits(path), 0); // rewritten, it is the user's alone
#endif
        QCOMPARE(entriesOf(dir.path()), QStringList{"SQW.ini"});
    }

    void severalFilesAllOrNothing()
    {
        QTemporaryDir dir;
        for (const QString &name : kGameFiles)
            writeFile(dir.filePath(name == "team.xml" ? "Team.xml" : name), "old " + name.toLatin1());
        QList<QPair<QString, QByteArray>> files;
        for (const QString &name : kGameFiles)
            files.append({name, "new " + name.toLatin1()});

        // The fourth answer finds the disk full, then the note: nothing changes either time.
        for (const QString &failing : {QStringLiteral("Matchs.xml"), QStringLiteral(".replace-in-progress")}) {
            SafeFile::setWriteFailureForTesting(
                [&](const QString &target) { return target.endsWith("/" + failing) ? ENOSPC : 0; });
            QString why;
            QVERIFY(!SafeFile::writeAll(dir.path(), files, &why));
            SafeFile::setWriteFailureForTesting({});
            QVERIFY2(why.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))), qPrintable(why));
            QCOMPARE(entriesOf(dir.path()),
                     QStringList({"MatchOrders.xml", "Matchs.xml", "Team.xml", "Training.xml", "players.xml"}));
            QCOMPARE(bytesOf(dir.filePath("Team.xml")), QByteArray("old team.xml"));
        }

        QVERIFY(SafeFile::writeAll(dir.path(), files));
        // The team file in its other letter case is gone: a lookup without case finds the new one.
        QCOMPARE(entriesOf(dir.path()),
                 QStringList({"MatchOrders.xml", "Matchs.xml", "Training.xml", "players.xml", "team.xml"}));
        for (const QString &name : kGameFiles)
            QCOMPARE(bytesOf(dir.filePath(name)), "new " + name.toLatin1());
    }

    // The folder as a SIGKILL leaves it, at each moment of a replacement, and what the next
    // start makes of it.
    void nextStartAfterAKill_data()
    {
        QTest::addColumn<int>("renamed"); // -1: killed before the note was in place
        QTest::newRow("before the note") << -1;
        QTest::newRow("note written, nothing renamed") << 0;
        QTest::newRow("two of five renamed") << 2;
        QTest::newRow("all renamed, note left") << 5;
    }
    void nextStartAfterAKill()
    {
        QFETCH(int, renamed);
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        QByteArray note = "squadwright replace 1\n";
        for (int i = 0; i < kGameFiles.size(); ++i) {
            const QString &name = kGameFiles[i];
            const QString temp = name + ".k1Ll" + QString::number(i) + "d";
            writeFile(folder + name, "old " + name.toLatin1());
            writeFile(folder + (i < renamed ? name : temp), "new " + name.toLatin1());
            note += temp.toUtf8() + '\t' + name.toUtf8() + '\n';
        }
        writeFile(folder + (renamed < 0 ? ".replace-in-progress.Xq3zP0" : ".replace-in-progress"), note);
        // Leftovers of earlier killed writes, and what is not ours.
        writeFile(folder + ".download-Ab12Cd", "half an answer");
        writeFile(folder + "Connection.xml.9fGh2k", "<cut");
        writeFile(folder + "players.xml.backup", "the user's own copy");

        const bool finished = SafeFile::tidy(folder, {"team.xml.", "players.xml.", "Training.xml.", "Matchs.xml.",
                                                      "MatchOrders.xml.", "Connection.xml.", ".download-"});
        QCOMPARE(finished, renamed >= 0);
        QStringList expected = kGameFiles;
        expected << "players.xml.backup";
        expected.sort();
        QCOMPARE(entriesOf(folder), expected);
        for (const QString &name : kGameFiles)
            QCOMPARE(bytesOf(folder + name), (renamed < 0 ? "old " : "new ") + name.toLatin1());
    }

    void whatARunningProgramWritesIsLeftAlone()
    {
#ifndef Q_OS_UNIX
        QSKIP("a running writer is told by its lock");
#else
        QTemporaryDir dir;
        const QString temp = dir.filePath("SQW.ini.Rn8aQ2");
        writeFile(temp, "being written");
        const int fd = ::open(QFile::encodeName(temp).constData(), O_RDWR);
        QVERIFY(fd >= 0);
        QCOMPARE(::flock(fd, LOCK_EX | LOCK_NB), 0);
        SafeFile::tidy(dir.path(), {"SQW.ini."});
        QVERIFY(QFile::exists(temp));
        ::close(fd);
        SafeFile::tidy(dir.path(), {"SQW.ini."});
        QVERIFY(!QFile::exists(temp));

        // Another run replacing files in the same folder: a second replacement waits its turn.
        const QString note = dir.filePath(".replace-in-progress");
        writeFile(note, "squadwright replace 1\n");
        const int noteFd = ::open(QFile::encodeName(note).constData(), O_RDWR);
        QCOMPARE(::flock(noteFd, LOCK_EX | LOCK_NB), 0);
        QString why;
        QVERIFY(!SafeFile::writeAll(dir.path(), {{"team.xml", "new"}}, &why));
        QVERIFY2(why.contains("another run"), qPrintable(why));
        QCOMPARE(entriesOf(dir.path()), QStringList{".replace-in-progress"});
        ::close(noteFd);
        QVERIFY(SafeFile::writeAll(dir.path(), {{"team.xml", "new"}}));
        QCOMPARE(entriesOf(dir.path()), QStringList{"team.xml"});
#endif
    }

    void noteNotOursMovesNothing()
    {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        writeFile(folder + "SQW.ini", "settings");
        // A note naming a file that is no temporary file of its target, or a path outside.
        for (const QByteArray &line : {QByteArray("team.xml.Ab12Cd\tSQW.ini\n"), QByteArray("team.xml.Ab12Cd\t../team.xml\n")}) {
            writeFile(folder + "team.xml.Ab12Cd", "x");
            writeFile(folder + ".replace-in-progress", "squadwright replace 1\n" + line);
            QVERIFY(!SafeFile::tidy(folder, {"team.xml."}));
            QCOMPARE(bytesOf(folder + "SQW.ini"), QByteArray("settings"));
            QVERIFY(!QFile::exists(folder + ".replace-in-progress"));
            QVERIFY(!QFile::exists(dir.path() + "/../team.xml"));
        }
    }
};

QTEST_GUILESS_MAIN(TestSafeFile)
#include "tst_safefile.moc"
