#pragma once
// Shared by the tests and the benchmarks: throw-away copies of a program folder.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

namespace TestSupport {

// Copies every file below `from` to the same place below `to`, each copy writable, since the
// program writes its settings file and the tests rewrite game files. The settings file is the
// owner's alone, as the program keeps it (else every start would say it made it so).
inline void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(source, target);
        QFile::setPermissions(target, QFileInfo(target).fileName() == QLatin1String("SQW.ini")
                                          ? QFile::ReadOwner | QFile::WriteOwner
                                          : QFile::permissions(target) | QFile::WriteOwner);
    }
}

#ifdef SQW_SAMPLE_DATA_DIR
inline QString sampleDataDir() { return QStringLiteral(SQW_SAMPLE_DATA_DIR); }
#endif

// A temporary program folder holding a copy of `from` (the sample team and its settings, or a
// fixture folder), removed with the object.
class ProgramFolderCopy {
public:
    explicit ProgramFolderCopy(const QString &from) { copyTree(from, m_dir.path()); }
#ifdef SQW_SAMPLE_DATA_DIR
    ProgramFolderCopy() : ProgramFolderCopy(sampleDataDir()) {}
#endif

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    // With a trailing slash, as the program's models take their folder.
    QString folder() const { return m_dir.path() + QLatin1Char('/'); }
    QString filePath(const QString &relative) const { return m_dir.filePath(relative); }

private:
    QTemporaryDir m_dir;
};

} // namespace TestSupport
