#include "datafiles/XmlFile.h"

#include "common/AppError.h"
#include "common/Vocabulary.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

namespace {

QString tooLarge()
{
    return QStringLiteral("the file is larger than %1 MiB").arg(XmlBounds::kMaxBytes / (1024 * 1024));
}

} // namespace

QString XmlBounds::problem(const QByteArray &data)
{
    if (data.size() > kMaxBytes)
        return tooLarge();
    // A streaming pass counts the nesting; it stops at the first level too many, or at the
    // first fault, which the parser reports in its own words.
    QXmlStreamReader reader(data);
    reader.setNamespaceProcessing(false);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (++depth > kMaxDepth)
                return QStringLiteral("elements are nested more than %1 levels deep (line %2)")
                    .arg(kMaxDepth).arg(reader.lineNumber());
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
    }
    return QString();
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
