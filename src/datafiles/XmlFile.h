#pragma once
#include <QDomDocument>
#include <QString>

// Loads an XML file into a document; a missing, unreadable or malformed file raises a
// DataFileError naming the file and the reason (with line and column for a parse error).
QDomDocument loadXmlFile(const QString &path);

// The first child element of `parent` with that tag name (null when there is none).
QDomElement firstChild(const QDomNode &parent, const QString &tag);
