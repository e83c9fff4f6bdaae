#include "evaluation/PlayersDocumentReader.h"
#include "common/NumberText.h"

#include "evaluation/Tplayer.h"

#include <algorithm>

namespace {

// Finds a field among [first, last) by element name; -1 when the name is none of them.
int fieldByName(QStringView name, int first, int last)
{
    for (int f = first; f < last; ++f) {
        if (name.size() == PlayersDocument::kFieldNames[f].size() && name == PlayersDocument::kFieldNames[f])
            return f;
    }
    return -1;
}

} // namespace

PlayersDocumentReader::PlayersDocumentReader(QIODevice *input, bool collectPlayers)
    : m_reader(input), m_collect(collectPlayers)
{
    // Namespaces are not processed, so a prefix needs no declaration; the reader still
    // reports an element's name without its prefix.
    m_reader.setNamespaceProcessing(false);
}

bool PlayersDocumentReader::read(PlayersDocument &doc)
{
    m_doc = &doc;
    while (!m_reader.atEnd()) {
        if (m_reader.readNext() == QXmlStreamReader::StartElement)
            readRoot();
    }
    return !m_reader.hasError();
}

void PlayersDocumentReader::readRoot()
{
    while (m_reader.readNextStartElement()) {
        if (!m_doc->hasTeam && m_reader.name() == QLatin1StringView("Team")) {
            m_doc->hasTeam = true;
            readTeam();
        } else {
            m_reader.skipCurrentElement();
        }
    }
}

void PlayersDocumentReader::readTeam()
{
    while (m_reader.readNextStartElement()) {
        if (!m_doc->hasPlayerList && m_reader.name() == QLatin1StringView("PlayerList")) {
            m_doc->hasPlayerList = true;
            readPlayerList();
        } else {
            m_reader.skipCurrentElement();
        }
    }
}

void PlayersDocumentReader::readPlayerList()
{
    const QXmlStreamAttributes attributes = m_reader.attributes();
    int limit = 0;
    if (attributes.hasAttribute(QLatin1StringView("Count"))) {
        m_doc->hasCount = true;
        m_doc->countText = attributes.value(QLatin1StringView("Count")).toString();
        m_doc->countIsInteger = NumberText::gameFileInteger(m_doc->countText, &m_doc->count);
        if (m_collect && m_doc->countIsInteger && m_doc->count > 0)
            limit = std::min<int32_t>(m_doc->count, Roster::kCapacity);
    }
    m_doc->players.reserve(limit);
    while (m_reader.readNextStartElement()) {
        const int index = m_doc->elementCount++;
        if (index < limit) {
            m_doc->players.emplace_back();
            readPlayer(m_doc->players.back());
        } else {
            m_reader.skipCurrentElement();
        }
    }
}

void PlayersDocumentReader::readPlayer(PlayersDocument::PlayerElement &player)
{
    while (m_reader.readNextStartElement()) {
        const int f = fieldByName(m_reader.name(), 0, PlayersDocument::FTrainerType);
        if (f < 0 || player.values[f].present) {
            m_reader.skipCurrentElement();
        } else if (f == PlayersDocument::FTrainerData) {
            player.values[f].present = true;
            readTrainerData(player);
        } else {
            readValue(player.values[f]);
        }
    }
}

void PlayersDocumentReader::readTrainerData(PlayersDocument::PlayerElement &player)
{
    while (m_reader.readNextStartElement()) {
        const int f = fieldByName(m_reader.name(), PlayersDocument::FTrainerType, PlayersDocument::kFieldCount);
        if (f < 0 || player.values[f].present)
            m_reader.skipCurrentElement();
        else
            readValue(player.values[f]);
    }
}

// The text of a value element: all its character data; child elements are noted.
void PlayersDocumentReader::readValue(PlayersDocument::ValueSlot &slot)
{
    slot.present = true;
    int depth = 1;
    while (!m_reader.atEnd()) {
        switch (m_reader.readNext()) {
        case QXmlStreamReader::StartElement:
            slot.hasChildren = true;
            ++depth;
            break;
        case QXmlStreamReader::EndElement:
            if (--depth == 0)
                return;
            break;
        case QXmlStreamReader::Characters:
            slot.text += m_reader.text();
            break;
        default:
            break;
        }
    }
}
