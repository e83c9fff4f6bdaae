#include "platform/ProgramInfo.h"

#include <QCoreApplication>
#include <QtTest>

// The version the programs report is the project's; on Windows it is read back from the version
// resource of the program file, which the build makes from that same project version.
class TestProgramInfo : public QObject {
    Q_OBJECT
private slots:
    void versionComesFromTheProject()
    {
        QCOMPARE(ProgramInfo::version(), QStringLiteral(SQW_PROJECT_VERSION));
#ifdef Q_OS_WIN
        QCOMPARE(ProgramInfo::fileVersion(QCoreApplication::applicationFilePath()), QStringLiteral(SQW_PROJECT_VERSION));
        // A file without a version resource has no file version, and a missing file neither.
        QVERIFY(ProgramInfo::fileVersion(QStringLiteral(SQW_SAMPLE_DATA_DIR "/SQW.ini")).isEmpty());
        QVERIFY(ProgramInfo::fileVersion(QStringLiteral(SQW_SAMPLE_DATA_DIR "/no-such-file.exe")).isEmpty());
#else
        QVERIFY(ProgramInfo::fileVersion(QCoreApplication::applicationFilePath()).isEmpty());
#endif
    }
};

QTEST_GUILESS_MAIN(TestProgramInfo)
#include "tst_programinfo.moc"
