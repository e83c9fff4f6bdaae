#include "settings/IniText.h"

#include <cstring>

namespace IniText {
namespace {

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
// Lines

inline bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

QString trimmedUtf8(const char *b, const char *e)
{
    while (b < e && isBlank(*b))
        ++b;
    while (e > b && isBlank(e[-1]))
        --e;
    return QString::fromUtf8(b, e - b);
}

void parseLines(Document &doc)
{
    const QByteArray &t = doc.text;
    const char *base = t.constData();
    const qsizetype n = t.size();

    const qsizetype firstBreak = t.indexOf('\n');
    doc.crlf = firstBreak < 0 || (firstBreak > 0 && t[firstBreak - 1] == '\r');

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
        const int index = int(doc.lines.size());

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
                currentSection = int(doc.sections.size());
                doc.sections.append(std::move(sec));
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
                        SectionInfo &sec = doc.sections[currentSection];
                        if (!sec.keys.contains(line.foldedKey))
                            sec.keys.insert(line.foldedKey, KeyRef{index, QString::fromUtf8(v, vlen)});
                    }
                }
            }
        }
        line.section = currentSection;
        if (line.kind != LineKind::Blank && line.kind != LineKind::Section && currentSection >= 0)
            doc.sections[currentSection].lastContentLine = index;
        doc.lines.append(std::move(line));
    }
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

} // namespace

const KeyRef *Document::find(const QString &foldedSection, const QString &foldedKey) const
{
    const auto s = firstSection.constFind(foldedSection);
    if (s == firstSection.constEnd())
        return nullptr;
    const SectionInfo &sec = sections[*s];
    const auto k = sec.keys.constFind(foldedKey);
    return k == sec.keys.constEnd() ? nullptr : &*k;
}

Document parse(const QByteArray &raw)
{
    Document doc;
    doc.raw = raw;
    if (isValidUtf8(raw)) {
        doc.hadBom = raw.startsWith(kUtf8Bom);
        doc.text = doc.hadBom ? raw.mid(kUtf8Bom.size()) : raw;
    } else {
        doc.text = fromWindows1252(raw).toUtf8();
    }
    parseLines(doc);
    // The first header of a name is the one that counts.
    for (int i = int(doc.sections.size()) - 1; i >= 0; --i)
        doc.firstSection.insert(doc.sections[i].foldedName, i);
    return doc;
}

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

bool acceptable(const QString &section, const QString &key, const std::optional<QString> &value)
{
    return validSection(section) && validKey(key) && (!value || validValue(*value));
}

std::optional<QByteArray> changed(const Document &doc, const QString &section, const QString &key,
                                  const std::optional<QString> &value)
{
    const QString fSection = folded(section);
    const QString fKey = folded(key);
    const QByteArray lineBreak = doc.crlf ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
    const QByteArray &text = doc.text;
    QByteArray out;

    const auto secIt = doc.firstSection.constFind(fSection);
    const SectionInfo *sec = secIt == doc.firstSection.constEnd() ? nullptr : &doc.sections[*secIt];

    if (!value) {
        if (!sec || !sec->keys.contains(fKey))
            return std::nullopt; // nothing to delete
        out.reserve(text.size());
        qsizetype copied = 0;
        for (const LineInfo &line : doc.lines) {
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
            const LineInfo &line = doc.lines[keyIt->line];
            const qsizetype lineEnd = line.begin + line.length;
            if (text.mid(line.valueBegin, lineEnd - line.valueBegin) == encoded)
                return std::nullopt; // already so: the file stays untouched
            out = text.left(line.valueBegin) + encoded + text.mid(lineEnd);
        } else if (sec) {
            const LineInfo &after = doc.lines[sec->lastContentLine];
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

    return doc.hadBom ? kUtf8Bom + out : out;
}

} // namespace IniText
