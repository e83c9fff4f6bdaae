#pragma once
#include "evaluation/PlayersDocument.h"

#include <QXmlStreamReader>

class QIODevice;

// Reads a players file with the full XML parser: the authority on every document, and the
// one that words what is wrong with a document that is not well-formed.
//
// The document element may have any name; its first child Team, that one's first child
// PlayerList and its attribute Count; the first Count children of PlayerList (any name) are
// the players (none when collectPlayers is false), and in each the first child of each value
// name, in any order. A value's text is the character data of everything inside it.
class PlayersDocumentReader {
public:
    PlayersDocumentReader(QIODevice *input, bool collectPlayers);

    // Returns false when the document is not well-formed; reader() then tells where and why.
    bool read(PlayersDocument &doc);

    const QXmlStreamReader &reader() const { return m_reader; }

private:
    void readRoot();
    void readTeam();
    void readPlayerList();
    void readPlayer(PlayersDocument::PlayerElement &player);
    void readTrainerData(PlayersDocument::PlayerElement &player);
    void readValue(PlayersDocument::ValueSlot &slot);

    QXmlStreamReader m_reader;
    bool m_collect;
    PlayersDocument *m_doc = nullptr;
};
