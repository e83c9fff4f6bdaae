#include "datafiles/XmlFile.h"

#include "common/AppError.h"

#include <QFile>
#include <QFileInfo>

QDomDocument loadXmlFile(const QString &path)
{
    const QString shown = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.exists())
        throw DataFileError(shown, QStringLiteral("the file does not exist"));
    if (!file.open(QIODevice::ReadOnly))
        throw DataFileError(shown, QStringLiteral("the file cannot be read (%1)").arg(file.errorString()));
    QDomDocument doc;
    QString error;
    int line = 0;
    int column = 0;
    if (!doc.setContent(&file, &error, &line, &column))
        throw DataFileError(shown, QStringLiteral("not well-formed XML at line %1, column %2: %3")
                                       .arg(line).arg(column).arg(error));
    return doc;
}

QDomElement firstChild(const QDomNode &parent, const QString &tag)
{
    return parent.firstChildElement(tag);
}
