#pragma once
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>

// Files the program writes are replaced whole or not at all, and belong to their owner alone:
// the settings hold the account's security code, the kept server answers its session.
//
// New content goes to a temporary file beside the file, named "<name>.XXXXXX" and readable by
// its owner only from its creation; it is forced to the disk and only then takes the file's
// place by a rename. A write that cannot complete (a full disk, a quota, an I/O error) leaves the
// earlier file untouched and says why. While this process holds a temporary file it keeps it
// locked, so that another start of the program tells a leftover of a killed run from a file that
// is being written.
namespace SafeFile {

// Replaces `path` (a symbolic link: its target) with `bytes`. False, with the file and the reason
// in *error, when that could not be done: the earlier file is then as it was and no temporary
// file stays.
bool write(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// Replaces several files of `folder` (names without a folder) at once: all of them take their new
// content or none does, also when the process is killed half way. A note written before the
// first rename lets tidy() finish the job at the next start. An entry of the folder whose name
// differs from a new file's only in letter case is removed, so that a lookup without regard to
// case finds the new file.
bool writeAll(const QString &folder, const QList<QPair<QString, QByteArray>> &files, QString *error = nullptr);

// For the start of the program. Finishes a writeAll() in `folder` that a kill interrupted after
// its note was written (true: it did), and removes the temporary files that no running process
// holds: each prefix of `tempPrefixes` followed by six random letters and digits, the prefix of
// write() being the file's name and a dot. A name that reads as a word or a number after the dot
// ("SQW.ini.backup", "SQW.ini.202401") is the user's own copy and stays.
bool tidy(const QString &folder, const QStringList &tempPrefixes);

// Takes away the rights of group and others from an existing file of this user; true when there
// were some and they are gone.
bool makePrivate(const QString &path);

// For the tests: a write to a file for which `errorFor` returns an errno value other than 0
// stops half way with that error, as on a disk that fills up. An empty function ends this.
void setWriteFailureForTesting(std::function<int(const QString &path)> errorFor);

} // namespace SafeFile
