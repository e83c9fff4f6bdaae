#include "datafiles/XmlFile.h"

#include "common/AppError.h"
#include "common/Vocabulary.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>

namespace {

QString tooLarge()
{
    return vocab(QStringLiteral("MSG_FILE_TOO_LARGE")).arg(XmlBounds::kMaxBytes / (1024 * 1024));
}

// Index just past `end` at or after `from`, or the size when the text never closes.
qsizetype skipPast(const QByteArray &data, qsizetype from, const char *end)
{
    const qsizetype at = data.indexOf(end, from);
    return at < 0 ? data.size() : at + qsizetype(qstrlen(end));
}

// Index of the '>' that ends a tag or declaration begun before `from` (the size when none does):
// the first one outside quoted values and, in a document type, outside its bracketed subset.
qsizetype closingBracket(const char *bytes, qsizetype from, qsizetype size, bool subset)
{
    int brackets = 0;
    char quote = 0;
    for (qsizetype i = from; i < size; ++i) {
        const char c = bytes[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (subset && c == '[') {
            ++brackets;
        } else if (subset && c == ']') {
            --brackets;
        } else if (c == '>' && brackets <= 0) {
            return i;
        }
    }
    return size;
}

} // namespace

XmlBounds::Nesting XmlBounds::nesting(const QByteArray &data, int limit)
{
    // A streaming parser costs more than the parse of the document it guards; this scan only
    // looks for tag openings and what may hide them.
    Nesting result;
    int depth = 0;
    const char *bytes = data.constData();
    const qsizetype size = data.size();
    qsizetype i = 0;
    while (i < size) {
        const char *lt = static_cast<const char *>(memchr(bytes + i, '<', size_t(size - i)));
        if (!lt)
            break;
        const qsizetype tag = lt - bytes;
        i = tag + 1;
        if (i >= size)
            break;
        const char next = bytes[i];
        if (next == '?') {
            i = skipPast(data, i, "?>");
        } else if (next == '!') {
            if (data.mid(i, 3) == "!--") {
                i = skipPast(data, i + 3, "-->");
            } else if (data.mid(i, 8) == "![CDATA[") {
                i = skipPast(data, i + 8, "]]>");
            } else {
                // Document type: its internal subset may hold '>' inside brackets and quotes.
                i = closingBracket(bytes, i, size, true) + 1;
            }
        } else if (next == '/') {
            --depth;
            i = skipPast(data, i, ">");
        } else {
            // A start tag: its end is the first '>' outside quoted attribute values.
            const qsizetype start = i;
            i = closingBracket(bytes, i, size, false);
            const char last = i > start ? bytes[i - 1] : 0;
            ++i;
            // An empty element is a level of its own too, only one that closes at once.
            const int level = depth + 1;
            if (level > result.depth)
                result.depth = level;
            if (level > limit) {
                result.offset = tag;
                return result;
            }
            if (last != '/')
                depth = level;
        }
    }
    return result;
}

QString XmlBounds::problem(const QByteArray &data)
{
    if (data.size() > kMaxBytes)
        return tooLarge();
    const Nesting n = nesting(data, kMaxDepth);
    if (n.offset < 0)
        return QString();
    const qsizetype line = 1 + QByteArrayView(data.constData(), n.offset).count('\n');
    return vocab(QStringLiteral("MSG_XML_TOO_DEEP")).arg(kMaxDepth).arg(line);
}

QDomDocument loadXmlFile(const QString &path)
{
    const QString shown = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.exists())
        throw DataFileError(shown, vocab(QStringLiteral("MSG_FILE_MISSING")));
    if (!file.open(QIODevice::ReadOnly))
        throw DataFileError(shown, vocab(QStringLiteral("MSG_FILE_UNREADABLE")).arg(file.errorString()));
    // An oversized file is not read at all (the bound is checked again on what was read).
    if (file.size() > XmlBounds::kMaxBytes)
        throw DataFileError(shown, tooLarge());
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw DataFileError(shown, vocab(QStringLiteral("MSG_FILE_UNREADABLE")).arg(file.errorString()));
    const QString bounds = XmlBounds::problem(data);
    if (!bounds.isEmpty())
        throw DataFileError(shown, bounds);
    QDomDocument doc;
    QString error;
    int line = 0;
    int column = 0;
    if (!doc.setContent(data, &error, &line, &column))
        throw DataFileError(shown, vocab(QStringLiteral("MSG_XML_MALFORMED"))
                                       .arg(line).arg(column).arg(error));
    return doc;
}

QDomElement firstChild(const QDomNode &parent, const QString &tag)
{
    return parent.firstChildElement(tag);
}
