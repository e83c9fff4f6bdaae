#include "datafiles/XmlFile.h"

#include "common/AppError.h"
#include "common/Vocabulary.h"

#include <QFile>
#include <QFileInfo>

QDomDocument loadXmlFile(const QString &path)
{
    const QString shown = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.exists())
        throw DataFileError(shown, vocab(QStringLiteral("MSG_FILE_MISSING")));
    if (!file.open(QIODevice::ReadOnly))
        throw DataFileError(shown, vocab(QStringLiteral("MSG_FILE_UNREADABLE")).arg(file.errorString()));
    QDomDocument doc;
    QString error;
    int line = 0;
    int column = 0;
    if (!doc.setContent(&file, &error, &line, &column))
        throw DataFileError(shown, vocab(QStringLiteral("MSG_XML_MALFORMED"))
                                       .arg(line).arg(column).arg(error));
    return doc;
}

QDomElement firstChild(const QDomNode &parent, const QString &tag)
{
    return parent.firstChildElement(tag);
}
