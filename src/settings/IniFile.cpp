#include "settings/IniFile.h"
#include "settings/IniText.h"
#include "common/NumberText.h"
#include "platform/SafeFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>

#include <chrono>
#include <memory>
#include <optional>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

// Several handles (main window, settings dialog, wizard) read the same file, and the formula
// loader alone reads 136 keys at every roster load. Parsing the file on every read would be
// wasteful, so the parsed content of each file is kept once for the whole process and checked
// against the file (size, times, identity) on every read. Writes replace the kept content at
// once, so every handle sees them.

namespace {

constexpr qint64 kMaxFileSize = 16 * 1024 * 1024; // larger is no settings file: left alone
// A file changed shortly before we read it may change again without its time stamp moving,
// because file-system clocks tick coarsely: while it is that young its content is compared.
// Time stamps with a sub-second part come from a clock that ticks every few milliseconds at
// most; whole seconds suggest a file system that keeps seconds (or FAT's two seconds).
constexpr qint64 kFineTickNs = 20'000'000;
constexpr qint64 kCoarseTickNs = 2'000'000'000;

qint64 clockTickOf(qint64 mtimeNs)
{
    return mtimeNs % 1'000'000'000 == 0 ? kCoarseTickNs : kFineTickNs;
}

qint64 wallClockNs()
{
    using namespace std::chrono;
    return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
}

// ---------------------------------------------------------------------------------------
// Identity of the file's current version, as cheap to get as one stat call.
struct FileStamp {
    bool exists = false;
    bool regular = false;
    qint64 size = -1;
    qint64 mtimeNs = 0;
    qint64 ctimeNs = 0;
    quint64 inode = 0;
    quint64 device = 0;
    bool operator==(const FileStamp &) const = default;
};

FileStamp stampOf(const QString &path, const QByteArray &localPath)
{
    FileStamp s;
#ifdef Q_OS_UNIX
    Q_UNUSED(path);
    struct stat st;
    if (::stat(localPath.constData(), &st) != 0)
        return s;
    s.exists = true;
    s.regular = S_ISREG(st.st_mode);
    s.size = st.st_size;
#if defined(Q_OS_DARWIN)
    s.mtimeNs = qint64(st.st_mtimespec.tv_sec) * 1'000'000'000 + st.st_mtimespec.tv_nsec;
    s.ctimeNs = qint64(st.st_ctimespec.tv_sec) * 1'000'000'000 + st.st_ctimespec.tv_nsec;
#else
    s.mtimeNs = qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    s.ctimeNs = qint64(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec;
#endif
    s.inode = quint64(st.st_ino);
    s.device = quint64(st.st_dev);
#else
    Q_UNUSED(localPath);
    const QFileInfo fi(path);
    if (!fi.exists())
        return s;
    s.exists = true;
    s.regular = fi.isFile();
    s.size = fi.size();
    s.mtimeNs = fi.lastModified().toMSecsSinceEpoch() * 1'000'000;
    s.ctimeNs = fi.metadataChangeTime().toMSecsSinceEpoch() * 1'000'000;
#endif
    return s;
}

// ---------------------------------------------------------------------------------------
// Parsed content, with the file version it was read from

struct Snapshot {
    FileStamp stamp;
    qint64 verifiedAtNs = 0;  // wall clock before the content was last known to match
    bool readable = true;     // false: the file exists but could not be read
    IniText::Document doc;
};

std::shared_ptr<Snapshot> snapshotOf(const QByteArray &raw, const FileStamp &stamp, qint64 verifiedAt)
{
    auto snap = std::make_shared<Snapshot>();
    snap->stamp = stamp;
    snap->verifiedAtNs = verifiedAt;
    snap->doc = IniText::parse(raw);
    return snap;
}

// Reads the file; nullopt when it exists but cannot be read (or is far too large).
std::optional<QByteArray> readRaw(const QString &path, const QByteArray &localPath, const FileStamp &stamp)
{
    if (!stamp.regular || stamp.size > kMaxFileSize)
        return std::nullopt;
#ifdef Q_OS_UNIX
    // Plain system calls: young files are read again on every lookup, so this must be cheap.
    Q_UNUSED(path);
    const int fd = ::open(localPath.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    QByteArray bytes(stamp.size + 1, Qt::Uninitialized); // one more to notice growth
    qsizetype got = 0;
    bool ok = true;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ok = false;
            break;
        }
        if (n == 0)
            break;
        got += n;
        if (got == bytes.size() && got <= kMaxFileSize)
            bytes.resize(qMin<qsizetype>(bytes.size() * 2, kMaxFileSize + 1));
    }
    ::close(fd);
    if (!ok || got > kMaxFileSize)
        return std::nullopt;
    bytes.resize(got);
    return bytes;
#else
    Q_UNUSED(localPath);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = f.read(kMaxFileSize + 1);
    if (f.error() != QFileDevice::NoError || bytes.size() > kMaxFileSize)
        return std::nullopt;
    return bytes;
#endif
}

std::shared_ptr<Snapshot> load(const QString &path, const QByteArray &localPath, const FileStamp &stamp)
{
    const qint64 before = wallClockNs();
    if (!stamp.exists)
        return snapshotOf(QByteArray(), stamp, before);
    const auto raw = readRaw(path, localPath, stamp);
    if (!raw) {
        auto snap = std::make_shared<Snapshot>();
        snap->stamp = stamp;
        snap->verifiedAtNs = before;
        snap->readable = false;
        return snap;
    }
    return snapshotOf(*raw, stamp, before);
}

// ---------------------------------------------------------------------------------------
// The process-wide store of parsed files

struct Store {
    QMutex mutex;
    QHash<QString, std::shared_ptr<Snapshot>> files;
};

Store &store()
{
    static Store s;
    return s;
}

// The current content of the file; the store's mutex must be held.
const std::shared_ptr<Snapshot> &current(const QString &cacheKey, const QString &path,
                                         const QByteArray &localPath)
{
    std::shared_ptr<Snapshot> &slot = store().files[cacheKey];
    const FileStamp now = stampOf(path, localPath);
    if (!slot || slot->stamp != now) {
        slot = load(path, localPath, now);
    } else if (now.exists && now.mtimeNs + clockTickOf(now.mtimeNs) > slot->verifiedAtNs) {
        // Young file: its stamp alone does not prove that it is unchanged.
        const qint64 before = wallClockNs();
        const auto raw = readRaw(path, localPath, now);
        if (raw.has_value() != slot->readable || (raw && *raw != slot->doc.raw))
            slot = load(path, localPath, now);
        else
            slot->verifiedAtNs = before;
    }
    return slot;
}

// ---------------------------------------------------------------------------------------
// Writing

// Sets (value given) or deletes (nullopt) one key, writing the file at once.
bool change(const QString &cacheKey, const QString &path, const QByteArray &localPath,
            const QString &section, const QString &key, const std::optional<QString> &value)
{
    if (!IniText::acceptable(section, key, value))
        return false;

    QMutexLocker lock(&store().mutex);
    const std::shared_ptr<Snapshot> snap = current(cacheKey, path, localPath);
    if (!snap->readable)
        return false; // rewriting a file we cannot read would lose it
    if (snap->stamp.exists && !QFileInfo(path).isWritable())
        return false; // a write-protected file stays as its owner wants it (a rename would not care)

    const std::optional<QByteArray> bytes = IniText::changed(snap->doc, section, key, value);
    if (!bytes)
        return true; // already so: the file stays untouched
    const qint64 before = wallClockNs();
    // The file holds the account's security code: whole or not at all, for its owner only.
    if (!SafeFile::write(path, *bytes))
        return false;
    store().files[cacheKey] = snapshotOf(*bytes, stampOf(path, localPath), before);
    return true;
}

QString cutToMaximum(const QString &value)
{
    if (value.size() <= IniFile::kMaxValueLength)
        return value;
    qsizetype n = IniFile::kMaxValueLength;
    if (value.at(n - 1).isHighSurrogate())
        --n; // never leave half a character
    return value.left(n);
}

} // namespace

IniFile::IniFile(const QString &path)
    : m_path(path),
      m_cacheKey(QDir::cleanPath(QFileInfo(path).absoluteFilePath())),
      m_localPath(QFile::encodeName(m_cacheKey))
{
}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const
{
    const QString fSection = IniText::folded(section);
    const QString fKey = IniText::folded(key);
    QMutexLocker lock(&store().mutex);
    const IniText::KeyRef *ref = current(m_cacheKey, m_cacheKey, m_localPath)->doc.find(fSection, fKey);
    return ref ? cutToMaximum(ref->value) : def;
}


int IniFile::readInteger(const QString &section, const QString &key, int def) const
{
    int v = def;
    return NumberText::settingsInteger(readString(section, key, QString()), &v) ? v : def;
}

bool IniFile::readBool(const QString &section, const QString &key, bool def) const
{
    int v = 0;
    return NumberText::settingsInteger(readString(section, key, QString()), &v) ? v != 0 : def;
}

bool IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    return change(m_cacheKey, m_cacheKey, m_localPath, section, key, value);
}

bool IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    return writeString(section, key, QString::number(value));
}

bool IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniFile::keyExists(const QString &section, const QString &key) const
{
    const QString fSection = IniText::folded(section);
    const QString fKey = IniText::folded(key);
    QMutexLocker lock(&store().mutex);
    return current(m_cacheKey, m_cacheKey, m_localPath)->doc.find(fSection, fKey) != nullptr;
}

bool IniFile::deleteKey(const QString &section, const QString &key)
{
    return change(m_cacheKey, m_cacheKey, m_localPath, section, key, std::nullopt);
}
