#include "settings/IniFile.h"
#include "common/NumberText.h"
#include "platform/SafeFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QList>
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
// Encoding

bool isValidUtf8(const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const auto *end = p + bytes.size();
    while (p < end) {
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int more;
        unsigned lowest; // smallest code point allowed for this length (no overlong forms)
        unsigned cp;
        if ((c & 0xE0) == 0xC0) {
            more = 1; lowest = 0x80; cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            more = 2; lowest = 0x800; cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            more = 3; lowest = 0x10000; cp = c & 0x07;
        } else {
            return false;
        }
        if (end - p <= more)
            return false;
        for (int i = 1; i <= more; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        if (cp < lowest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        p += more + 1;
    }
    return true;
}

// Windows-1252 bytes 0x80..0x9F. The five bytes the code page leaves undefined map to the
// control characters of the same number, as Windows itself does, so no byte is lost.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString fromWindows1252(const QByteArray &bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        d[i] = (c >= 0x80 && c <= 0x9F) ? QChar(kCp1252High[c - 0x80]) : QChar(char16_t(c));
    }
    return out;
}

const QByteArray kUtf8Bom("\xEF\xBB\xBF", 3);

// ---------------------------------------------------------------------------------------
// Parsed content

inline bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

enum class LineKind { Blank, Comment, Section, Key, Other };

struct LineInfo {
    qsizetype begin = 0;      // offset in the UTF-8 text
    qsizetype length = 0;     // without the line break
    qsizetype breakLength = 0; // 0 (last line without break), 1 (LF) or 2 (CRLF)
    LineKind kind = LineKind::Blank;
    int section = -1;         // ordinal of the section header above, -1 before any
    QString foldedKey;        // Key lines
    qsizetype valueBegin = 0; // Key lines: offset of the value (after '=' and blanks)
};

struct KeyRef {
    int line = -1;
    QString value; // blanks and matching quotes removed
};

struct SectionInfo {
    QString foldedName;
    int lastContentLine = -1;     // last non-blank line of the section (the header at least)
    QHash<QString, KeyRef> keys;  // first line of each key
};

struct Snapshot {
    FileStamp stamp;
    qint64 verifiedAtNs = 0;  // wall clock before the content was last known to match
    bool readable = true;     // false: the file exists but could not be read
    QByteArray raw;           // the file's bytes as read
    bool hadBom = false;
    bool crlf = true;         // line break for lines we add
    QByteArray text;          // the content as UTF-8, without byte-order mark
    QList<LineInfo> lines;
    QList<SectionInfo> sections;      // every header, in file order
    QHash<QString, int> firstSection; // folded name -> ordinal of its first header

    const KeyRef *find(const QString &foldedSection, const QString &foldedKey) const
    {
        const auto s = firstSection.constFind(foldedSection);
        if (s == firstSection.constEnd())
            return nullptr;
        const SectionInfo &sec = sections[*s];
        const auto k = sec.keys.constFind(foldedKey);
        return k == sec.keys.constEnd() ? nullptr : &*k;
    }
};

QString folded(const QString &name)
{
    // Fast path for the plain ASCII names the program uses: no copy when already lower case.
    bool lower = true;
    for (QChar ch : name) {
        const char16_t u = ch.unicode();
        if (u >= 0x80)
            return name.toCaseFolded();
        if (u >= u'A' && u <= u'Z')
            lower = false;
    }
    if (lower)
        return name;
    QString out = name;
    for (QChar &ch : out) {
        if (ch.unicode() >= u'A' && ch.unicode() <= u'Z')
            ch = QChar(char16_t(ch.unicode() + 32));
    }
    return out;
}

QString trimmedUtf8(const char *b, const char *e)
{
    while (b < e && isBlank(*b))
        ++b;
    while (e > b && isBlank(e[-1]))
        --e;
    return QString::fromUtf8(b, e - b);
}

void parseText(Snapshot &snap)
{
    const QByteArray &t = snap.text;
    const char *base = t.constData();
    const qsizetype n = t.size();

    const qsizetype firstBreak = t.indexOf('\n');
    snap.crlf = firstBreak < 0 || (firstBreak > 0 && t[firstBreak - 1] == '\r');

    int currentSection = -1;
    qsizetype pos = 0;
    while (pos < n) {
        LineInfo line;
        line.begin = pos;
        qsizetype nl = t.indexOf('\n', pos);
        if (nl < 0) {
            line.length = n - pos;
            pos = n;
        } else {
            line.length = nl - pos;
            line.breakLength = 1;
            if (line.length > 0 && t[nl - 1] == '\r') {
                --line.length;
                line.breakLength = 2;
            }
            pos = nl + 1;
        }
        const char *b = base + line.begin;
        const char *e = b + line.length;
        while (b < e && isBlank(*b))
            ++b;
        while (e > b && isBlank(e[-1]))
            --e;
        const int index = int(snap.lines.size());

        if (b == e) {
            line.kind = LineKind::Blank;
        } else if (*b == ';') {
            line.kind = LineKind::Comment;
        } else {
            const char *close = nullptr;
            if (*b == '[') {
                for (const char *q = e; q > b + 1; --q) {
                    if (q[-1] == ']') {
                        close = q - 1;
                        break;
                    }
                }
            }
            if (close) {
                line.kind = LineKind::Section;
                SectionInfo sec;
                sec.foldedName = folded(trimmedUtf8(b + 1, close));
                sec.lastContentLine = index;
                currentSection = int(snap.sections.size());
                snap.sections.append(std::move(sec));
            } else {
                const char *eq = static_cast<const char *>(memchr(b, '=', size_t(e - b)));
                if (!eq) {
                    line.kind = LineKind::Other;
                } else {
                    line.kind = LineKind::Key;
                    line.foldedKey = folded(trimmedUtf8(b, eq));
                    const char *v = eq + 1;
                    while (v < e && isBlank(*v))
                        ++v;
                    line.valueBegin = v - base;
                    qsizetype vlen = e - v;
                    if (vlen >= 2 && (*v == '"' || *v == '\'') && v[vlen - 1] == *v) {
                        ++v;
                        vlen -= 2;
                    }
                    if (currentSection >= 0) {
                        SectionInfo &sec = snap.sections[currentSection];
                        if (!sec.keys.contains(line.foldedKey))
                            sec.keys.insert(line.foldedKey, KeyRef{index, QString::fromUtf8(v, vlen)});
                    }
                }
            }
        }
        line.section = currentSection;
        if (line.kind != LineKind::Blank && line.kind != LineKind::Section && currentSection >= 0)
            snap.sections[currentSection].lastContentLine = index;
        snap.lines.append(std::move(line));
    }
}

std::shared_ptr<Snapshot> snapshotOf(const QByteArray &raw, const FileStamp &stamp, qint64 verifiedAt)
{
    auto snap = std::make_shared<Snapshot>();
    snap->stamp = stamp;
    snap->verifiedAtNs = verifiedAt;
    snap->raw = raw;
    if (isValidUtf8(raw)) {
        snap->hadBom = raw.startsWith(kUtf8Bom);
        snap->text = snap->hadBom ? raw.mid(kUtf8Bom.size()) : raw;
    } else {
        snap->text = fromWindows1252(raw).toUtf8();
    }
    parseText(*snap);
    // The first header of a name is the one that counts.
    snap->firstSection.clear();
    for (int i = int(snap->sections.size()) - 1; i >= 0; --i)
        snap->firstSection.insert(snap->sections[i].foldedName, i);
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
        if (raw.has_value() != slot->readable || (raw && *raw != slot->raw))
            slot = load(path, localPath, now);
        else
            slot->verifiedAtNs = before;
    }
    return slot;
}

// ---------------------------------------------------------------------------------------
// Writing

bool validSection(const QString &s)
{
    if (s.isEmpty() || s.front().isSpace() || s.back().isSpace())
        return false;
    for (QChar c : s) {
        if (c == u'\n' || c == u'\r' || c == u'\0' || c == u']')
            return false;
    }
    return true;
}

bool validKey(const QString &k)
{
    if (k.isEmpty() || k.front().isSpace() || k.back().isSpace() || k.front() == u';' || k.front() == u'[')
        return false;
    for (QChar c : k) {
        if (c == u'\n' || c == u'\r' || c == u'\0' || c == u'=')
            return false;
    }
    return true;
}

bool validValue(const QString &v)
{
    for (QChar c : v) {
        if (c == u'\n' || c == u'\r' || c == u'\0')
            return false;
    }
    return true;
}

// The value as it goes into the file: quoted when reading would otherwise alter it.
QByteArray encodedValue(const QString &value)
{
    QByteArray bytes = value.toUtf8();
    if (bytes.isEmpty())
        return bytes;
    const char first = bytes.front();
    const char last = bytes.back();
    const bool needsQuotes = isBlank(first) || isBlank(last)
        || (bytes.size() >= 2 && (first == '"' || first == '\'') && last == first);
    if (needsQuotes)
        bytes = '"' + bytes + '"';
    return bytes;
}

// Sets (value given) or deletes (nullopt) one key, writing the file at once.
bool change(const QString &cacheKey, const QString &path, const QByteArray &localPath,
            const QString &section, const QString &key, const std::optional<QString> &value)
{
    if (!validSection(section) || !validKey(key) || (value && !validValue(*value)))
        return false;

    QMutexLocker lock(&store().mutex);
    const std::shared_ptr<Snapshot> snap = current(cacheKey, path, localPath);
    if (!snap->readable)
        return false; // rewriting a file we cannot read would lose it
    if (snap->stamp.exists && !QFileInfo(path).isWritable())
        return false; // a write-protected file stays as its owner wants it (a rename would not care)

    const QString fSection = folded(section);
    const QString fKey = folded(key);
    const QByteArray lineBreak = snap->crlf ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
    const QByteArray &text = snap->text;
    QByteArray out;

    const auto secIt = snap->firstSection.constFind(fSection);
    const SectionInfo *sec = secIt == snap->firstSection.constEnd() ? nullptr : &snap->sections[*secIt];

    if (!value) {
        if (!sec || !sec->keys.contains(fKey))
            return true; // nothing to delete
        out.reserve(text.size());
        qsizetype copied = 0;
        for (const LineInfo &line : snap->lines) {
            if (line.kind == LineKind::Key && line.section == *secIt && line.foldedKey == fKey) {
                out.append(text.constData() + copied, line.begin - copied);
                copied = line.begin + line.length + line.breakLength;
            }
        }
        out.append(text.constData() + copied, text.size() - copied);
    } else {
        const QByteArray encoded = encodedValue(*value);
        const auto keyIt = sec ? sec->keys.constFind(fKey) : QHash<QString, KeyRef>::const_iterator();
        if (sec && keyIt != sec->keys.constEnd()) {
            const LineInfo &line = snap->lines[keyIt->line];
            const qsizetype lineEnd = line.begin + line.length;
            if (text.mid(line.valueBegin, lineEnd - line.valueBegin) == encoded)
                return true; // already so: the file stays untouched
            out = text.left(line.valueBegin) + encoded + text.mid(lineEnd);
        } else if (sec) {
            const LineInfo &after = snap->lines[sec->lastContentLine];
            const qsizetype at = after.begin + after.length + after.breakLength;
            const QByteArray newLine = key.toUtf8() + '=' + encoded;
            out = text.left(at);
            if (after.breakLength == 0)
                out += lineBreak + newLine; // the file ended without a line break: keep it so
            else
                out += newLine + lineBreak;
            out += text.mid(at);
        } else {
            out = text;
            if (!out.isEmpty() && !out.endsWith('\n'))
                out += lineBreak;
            out += '[' + section.toUtf8() + ']' + lineBreak + key.toUtf8() + '=' + encoded + lineBreak;
        }
    }

    const QByteArray bytes = snap->hadBom ? kUtf8Bom + out : out;
    const qint64 before = wallClockNs();
    // The file holds the account's security code: whole or not at all, for its owner only.
    if (!SafeFile::write(path, bytes))
        return false;
    store().files[cacheKey] = snapshotOf(bytes, stampOf(path, localPath), before);
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
    const QString fSection = folded(section);
    const QString fKey = folded(key);
    QMutexLocker lock(&store().mutex);
    const KeyRef *ref = current(m_cacheKey, m_cacheKey, m_localPath)->find(fSection, fKey);
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
    const QString fSection = folded(section);
    const QString fKey = folded(key);
    QMutexLocker lock(&store().mutex);
    return current(m_cacheKey, m_cacheKey, m_localPath)->find(fSection, fKey) != nullptr;
}

bool IniFile::deleteKey(const QString &section, const QString &key)
{
    return change(m_cacheKey, m_cacheKey, m_localPath, section, key, std::nullopt);
}
