#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <memory>
#include <vector>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QTemporaryFile>
#endif

namespace {

std::function<int(const QString &)> &failureForTesting()
{
    static std::function<int(const QString &)> hook;
    return hook;
}

// The note of a replacement in progress: a first line, then one line per file, the temporary
// file's name and the file's name separated by a tab.
const QString kNoteName = QStringLiteral(".replace-in-progress");
const QByteArray kNoteHeader = "squadwright replace 1\n";
constexpr int kRandomLength = 6;
constexpr qint64 kMaxNoteSize = 64 * 1024;

QString withSeparator(const QString &folder)
{
    QString f = QDir::fromNativeSeparators(folder);
    if (!f.endsWith(QLatin1Char('/')))
        f += QLatin1Char('/');
    return f;
}

QString reasonOf(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

std::filesystem::path fsPath(const QString &path) { return std::filesystem::path(path.toStdU16String()); }

bool isRandomTail(QStringView tail)
{
    if (tail.size() != kRandomLength)
        return false;
    for (QChar c : tail)
        if (!(c.isDigit() || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')))
            return false;
    return true;
}

// Six letters and digits drawn at random rarely read as a word or a number; a user's own copy
// ("SQW.ini.backup", "SQW.ini.Before", "SQW.ini.202401") does.
bool looksChosen(QStringView tail)
{
    bool digits = true, lower = true, upper = true, capitalised = tail.front().isUpper();
    for (qsizetype i = 0; i < tail.size(); ++i) {
        const QChar c = tail[i];
        digits = digits && c.isDigit();
        lower = lower && c.isLower();
        upper = upper && c.isUpper();
        if (i > 0)
            capitalised = capitalised && c.isLower();
    }
    return digits || lower || upper || capitalised;
}

bool isPlainName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

bool renameOver(const QString &from, const QString &to, int *err)
{
#ifdef Q_OS_UNIX
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    *err = errno;
    return false;
#else
    std::error_code ec;
    std::filesystem::rename(fsPath(from), fsPath(to), ec);
    *err = ec.value();
    return !ec;
#endif
}

// Forces the folder's entries (a rename, a removal) to the disk; where that is not possible the
// rename still happened, so nothing is reported.
void syncFolder(const QString &folder)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(folder);
#endif
}

// A temporary file "<base>.XXXXXX" beside its file, owner-only and locked while it is ours;
// removed unless it was moved into place or kept.
class TempFile {
public:
    TempFile() = default;
    TempFile(const TempFile &) = delete;
    TempFile &operator=(const TempFile &) = delete;
    ~TempFile();

    bool create(const QString &base, QString *error);
    // Writes everything and forces it to the disk; `target` names the file for the test hook.
    bool put(const QByteArray &bytes, const QString &target, QString *error);
    bool moveTo(const QString &target, QString *error);
    void keep() { m_keep = true; }
    QString name() const { return QFileInfo(m_path).fileName(); }
    // Whether `path` still names this very file (after moveTo, another run may have replaced it).
    bool isAt(const QString &path) const;

private:
    QString m_path;
    bool m_keep = false;
#ifdef Q_OS_UNIX
    int m_fd = -1;
#else
    std::unique_ptr<QTemporaryFile> m_file;
#endif
};

#ifdef Q_OS_UNIX
TempFile::~TempFile()
{
    if (m_fd < 0)
        return;
    // Removed before the lock goes, so nobody sees it unlocked.
    if (!m_keep)
        ::unlink(QFile::encodeName(m_path).constData());
    ::close(m_fd);
}

bool TempFile::create(const QString &base, QString *error)
{
    QByteArray name = QFile::encodeName(base) + ".XXXXXX";
    const int fd = ::mkstemp(name.data()); // readable and writable by the owner only
    if (fd < 0)
        return fail(error, reasonOf(errno));
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    // Marks the file as being written; without locks only that hint to a later start is lost.
    ::flock(fd, LOCK_EX | LOCK_NB);
    m_fd = fd;
    m_path = QFile::decodeName(name);
    return true;
}

bool TempFile::isAt(const QString &path) const
{
    struct stat mine, there;
    return ::fstat(m_fd, &mine) == 0 && ::stat(QFile::encodeName(path).constData(), &there) == 0
        && mine.st_dev == there.st_dev && mine.st_ino == there.st_ino;
}

bool TempFile::put(const QByteArray &bytes, const QString &target, QString *error)
{
    const int injected = failureForTesting() ? failureForTesting()(target) : 0;
    const qsizetype end = injected ? bytes.size() / 2 : bytes.size();
    qsizetype done = 0;
    while (done < end) {
        const ssize_t n = ::write(m_fd, bytes.constData() + done, size_t(end - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return fail(error, reasonOf(n < 0 ? errno : EIO));
        done += n;
    }
    if (injected)
        return fail(error, reasonOf(injected));
    // A file system may accept the bytes and find out only now that it has no room for them.
    if (::fsync(m_fd) != 0)
        return fail(error, reasonOf(errno));
    return true;
}
#else
TempFile::~TempFile()
{
    if (m_file) {
        if (m_keep)
            m_file->setAutoRemove(false);
        return;
    }
    if (!m_keep && !m_path.isEmpty())
        QFile::remove(m_path);
}

bool TempFile::create(const QString &base, QString *error)
{
    m_file = std::make_unique<QTemporaryFile>(base + QStringLiteral(".XXXXXX"));
    if (!m_file->open())
        return fail(error, m_file->errorString());
    m_path = m_file->fileName();
    return true;
}

bool TempFile::isAt(const QString &path) const { return QFileInfo::exists(path); }

bool TempFile::put(const QByteArray &bytes, const QString &target, QString *error)
{
    const int injected = failureForTesting() ? failureForTesting()(target) : 0;
    const qsizetype end = injected ? bytes.size() / 2 : bytes.size();
    if (m_file->write(bytes.constData(), end) != end || !m_file->flush()
        || m_file->error() != QFileDevice::NoError)
        return fail(error, m_file->errorString());
    if (injected)
        return fail(error, reasonOf(injected));
    m_file->close();
    if (m_file->error() != QFileDevice::NoError)
        return fail(error, m_file->errorString());
    // A temporary file object holds on to its file after close(), and Windows refuses to rename
    // a file that is still held: the file is let go here and removed by this object if need be.
    m_file->setAutoRemove(false);
    m_file.reset();
    return true;
}
#endif

bool TempFile::moveTo(const QString &target, QString *error)
{
    int err = 0;
    if (!renameOver(m_path, target, &err))
        return fail(error, reasonOf(err));
    m_keep = true; // on Unix the lock stays with the file until the descriptor closes
#ifndef Q_OS_UNIX
    if (m_file)
        m_file->setAutoRemove(false);
#endif
    return true;
}

// A file of this user that no running process holds (a shared lock is refused while the writer
// holds its own). `exclusive`: also among several starts of the program.
class Claim {
public:
    Claim(const QString &path, bool exclusive)
    {
#ifdef Q_OS_UNIX
        m_fd = ::open(QFile::encodeName(path).constData(),
                      (exclusive ? O_RDWR : O_RDONLY) | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        struct stat st;
        m_ok = m_fd >= 0 && ::fstat(m_fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid()
            && ::flock(m_fd, (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) == 0
            // Still there once locked: its writer may have finished in between.
            && ::fstat(m_fd, &st) == 0 && st.st_nlink > 0;
#else
        // Windows refuses to remove a file another process still has open: a writer's temporary
        // file stays whatever this says.
        Q_UNUSED(exclusive);
        m_ok = QFileInfo(path).isFile();
#endif
    }
    Claim(const Claim &) = delete;
    Claim &operator=(const Claim &) = delete;
    ~Claim()
    {
#ifdef Q_OS_UNIX
        if (m_fd >= 0)
            ::close(m_fd);
#endif
    }
    bool ok() const { return m_ok; }

private:
    bool m_ok = false;
#ifdef Q_OS_UNIX
    int m_fd = -1;
#endif
};

// An earlier file of the same name in another letter case would hide or shadow the new one.
void removeCaseVariants(const QString &folder, const QStringList &names)
{
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        for (const QString &entry : entries) {
            std::error_code ec;
            if (entry != name && entry.compare(name, Qt::CaseInsensitive) == 0
                && !std::filesystem::equivalent(fsPath(folder + entry), fsPath(folder + name), ec))
                QFile::remove(folder + entry);
        }
    }
}

// Puts in place the files of a replacement whose note a kill left behind.
bool finishInterrupted(const QString &folder)
{
    const QString notePath = folder + kNoteName;
    if (!QFileInfo::exists(notePath))
        return false;
    const Claim claim(notePath, true);
    if (!claim.ok())
        return false; // a running program is at it
    QFile file(notePath);
    QByteArray note;
    if (file.open(QIODevice::ReadOnly))
        note = file.read(kMaxNoteSize);
    file.close();
    // Only our own temporary files move, and only onto the file they were written for.
    QList<QPair<QString, QString>> moves;
    bool valid = note.startsWith(kNoteHeader);
    const QList<QByteArray> lines = note.mid(kNoteHeader.size()).split('\n');
    for (const QByteArray &line : lines) {
        if (!valid || line.isEmpty())
            continue;
        const QList<QByteArray> parts = line.split('\t');
        const QString temp = QString::fromUtf8(parts.value(0));
        const QString name = QString::fromUtf8(parts.value(1));
        valid = parts.size() == 2 && isPlainName(name) && temp.startsWith(name + QLatin1Char('.'))
            && isRandomTail(QStringView(temp).mid(name.size() + 1));
        moves.append({temp, name});
    }
    if (!valid) {
        // Not written by us: nothing moves, and the temporary files go as leftovers.
        QFile::remove(notePath);
        return false;
    }
    QStringList names;
    for (const auto &[temp, name] : std::as_const(moves)) {
        names << name;
        int err = 0;
        if (QFileInfo(folder + temp).isFile() && !renameOver(folder + temp, folder + name, &err))
            return false; // the note stays for the next start
    }
    removeCaseVariants(folder, names);
    syncFolder(folder);
    QFile::remove(notePath);
    return true;
}

} // namespace

namespace SafeFile {

bool write(const QString &path, const QByteArray &bytes, QString *error)
{
    // Through a link the file it points to is replaced, not the link.
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.symLinkTarget() : path;
    // The folder is not forced to the disk after the rename: should the power fail before the
    // system writes it, the earlier file, whole, is what is found; one write costs one flush.
    TempFile temp;
    return temp.create(target, error) && temp.put(bytes, target, error) && temp.moveTo(target, error);
}

bool writeAll(const QString &folderPath, const QList<QPair<QString, QByteArray>> &files, QString *error)
{
    const QString folder = withSeparator(folderPath);
    std::vector<std::unique_ptr<TempFile>> temps;
    QString why;
    for (const auto &[name, bytes] : files) {
        const QString target = folder + name;
        if (!isPlainName(name) || QFileInfo(target).isDir())
            return fail(error, QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(target), reasonOf(EISDIR)));
        auto temp = std::make_unique<TempFile>();
        if (!temp->create(target, &why) || !temp->put(bytes, target, &why))
            return fail(error, QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(target), why));
        temps.push_back(std::move(temp));
    }

    // Every new file is on the disk. The note makes them the valid ones: from its rename on, the
    // replacement is finished, if not by this process then by the next start.
    QByteArray note = kNoteHeader;
    QStringList names;
    for (size_t i = 0; i < temps.size(); ++i) {
        names << files[qsizetype(i)].first;
        note += temps[i]->name().toUtf8() + '\t' + names.back().toUtf8() + '\n';
    }
    const QString notePath = folder + kNoteName;
    // A note left by a kill is finished first; one that stays belongs to a run still at work.
    if (QFileInfo::exists(notePath) && !finishInterrupted(folder) && QFileInfo::exists(notePath))
        return fail(error, QStringLiteral("%1: another run of the program is replacing these files")
                               .arg(QDir::toNativeSeparators(folder)));
    TempFile noteFile;
    if (!noteFile.create(notePath, &why) || !noteFile.put(note, notePath, &why) || !noteFile.moveTo(notePath, &why))
        return fail(error, QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(folder), why));
    syncFolder(folder);

    for (size_t i = 0; i < temps.size(); ++i) {
        if (!temps[i]->moveTo(folder + names[qsizetype(i)], &why)) {
            for (size_t j = i; j < temps.size(); ++j)
                temps[j]->keep();
            return fail(error, QStringLiteral("%1: %2; the new files are put in place at the next start")
                                   .arg(QDir::toNativeSeparators(folder + names[qsizetype(i)]), why));
        }
    }
    removeCaseVariants(folder, names);
    syncFolder(folder);
    if (noteFile.isAt(notePath))
        QFile::remove(notePath); // while its lock is still held
    return true;
}

bool tidy(const QString &folderPath, const QStringList &tempPrefixes)
{
    const QString folder = withSeparator(folderPath);
    if (!QFileInfo(folder).isDir())
        return false;
    const bool finished = finishInterrupted(folder);
    // A replacement still under way (or one that could not be finished) keeps its files.
    if (QFileInfo::exists(folder + kNoteName))
        return finished;
    QStringList prefixes = tempPrefixes;
    prefixes << kNoteName + QLatin1Char('.');
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries) {
        for (const QString &prefix : std::as_const(prefixes)) {
            const QStringView tail = QStringView(entry).mid(qMin(prefix.size(), entry.size()));
            if (!entry.startsWith(prefix) || !isRandomTail(tail) || looksChosen(tail))
                continue;
            const Claim claim(folder + entry, false);
            if (claim.ok())
                QFile::remove(folder + entry);
            break;
        }
    }
    return finished;
}

bool makePrivate(const QString &path)
{
#ifdef Q_OS_UNIX
    const QByteArray local = QFile::encodeName(path);
    struct stat st;
    if (::stat(local.constData(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()
        || (st.st_mode & 077) == 0)
        return false;
    return ::chmod(local.constData(), st.st_mode & 0700) == 0;
#else
    Q_UNUSED(path);
    return false;
#endif
}

void setWriteFailureForTesting(std::function<int(const QString &path)> errorFor)
{
    failureForTesting() = std::move(errorFor);
}

} // namespace SafeFile
