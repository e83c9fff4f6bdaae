#pragma once
#include "evaluation/PlayersDocument.h"

#include <QByteArrayView>

// A quick reading of a players file as the game writes it, for the common case.
//
// It takes only a plain subset of XML: UTF-8 (with or without a byte order mark), an
// optional declaration of version 1.0 in UTF-8, elements and attributes with ASCII names
// without a namespace prefix, comments, CDATA sections, character references and the five
// predefined entities. Whatever lies outside that subset, and every fault, it declines, and
// the full parser (PlayersDocumentReader) reads the file instead and words any error. What it
// accepts is well-formed, and it gathers exactly what PlayersDocumentReader gathers.
class PlayersFastScanner {
public:
    // Fills doc and returns true when the document lies in the subset. Returns false
    // otherwise; doc may then be partly filled and is to be thrown away.
    static bool scan(QByteArrayView data, bool collectPlayers, PlayersDocument &doc);
};
