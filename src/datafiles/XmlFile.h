#pragma once
#include <QByteArray>
#include <QDomDocument>
#include <QString>

// What an XML file may be before it is parsed. The game's files are a few hundred kilobytes
// and a handful of levels deep; a file far beyond that is damaged or hostile, and the document
// parser slows down more than linearly with nesting, so such a file is refused up front rather
// than left to freeze the program.
namespace XmlBounds {
// Sixteen times the largest file a full squad with its history gives, room for any future
// growth, and still read in well under a second.
constexpr qint64 kMaxBytes = 16 * 1024 * 1024;
// Far beyond any file of ours (the deepest is about six levels) and cheap to parse.
constexpr int kMaxDepth = 256;

// Why the bytes are refused (empty when they are within bounds). Only the size and the nesting
// are looked at: malformed text is left to the parser, which words its own error.
QString problem(const QByteArray &data);

// The deepest element nesting of the bytes, counted by a plain byte scan that knows comments,
// CDATA sections, processing instructions, the document type and quoted attribute values; it
// stops as soon as `limit` is passed and then gives the offset of the opening tag that passed
// it. On a well-formed document it agrees with an XML parser; on a malformed one it is only a
// guess, which is all the size guard needs.
struct Nesting {
    int depth = 0;
    qsizetype offset = -1;
};
Nesting nesting(const QByteArray &data, int limit);
}

// Loads an XML file into a document; a missing, unreadable, oversized, too deeply nested or
// malformed file raises a DataFileError naming the file and the reason (with line and column
// for a parse error).
QDomDocument loadXmlFile(const QString &path);

// The first child element of `parent` with that tag name (null when there is none).
QDomElement firstChild(const QDomNode &parent, const QString &tag);
