#include "evaluation/PlayersFastScanner.h"
#include "common/NumberText.h"

#include "datafiles/XmlFile.h"
#include "evaluation/Tplayer.h"
#include "evaluation/XmlBytes.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

using namespace XmlBytes;

// Deeper nesting is declined; a players file is five levels deep.
constexpr size_t kMaxDepth = XmlBounds::kMaxDepth;
// Longer names are declined: the full parser refuses names beyond a few thousand characters,
// and ours are a few dozen.
constexpr size_t kMaxName = 1024;
// A longer value is declined: no value of a player is more than a name, and the full parser
// is left to judge anything out of the ordinary.
constexpr size_t kMaxValueText = 64 * 1024;

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

int fieldByName(const char *name, size_t size, int first, int last)
{
    for (int f = first; f < last; ++f) {
        const QLatin1StringView field = PlayersDocument::kFieldNames[f];
        if (size_t(field.size()) == size && std::memcmp(field.data(), name, size) == 0)
            return f;
    }
    return -1;
}

// What an open element is to the roster.
enum class Role : uint8_t { Other, Root, Team, PlayerList, Player, TrainerData, Value, InsideValue };

struct OpenElement {
    const char *name;
    size_t size;
    Role role;
};

class Scanner {
public:
    Scanner(QByteArrayView data, bool collectPlayers, PlayersDocument &doc)
        : m_p(data.data()), m_end(data.data() + data.size()), m_doc(doc), m_collect(collectPlayers)
    {
    }

    bool document()
    {
        if (!validCharacters(reinterpret_cast<const uint8_t *>(m_p), reinterpret_cast<const uint8_t *>(m_end)))
            return false;
        if (startsWith("\xEF\xBB\xBF"))
            m_p += 3;
        if (startsWith("<?xml") && !declaration())
            return false;
        if (!misc() || m_p == m_end || *m_p != '<')
            return false;
        if (!rootElement() || !misc())
            return false;
        return m_p == m_end;
    }

private:
    bool startsWith(const char *s) const
    {
        const size_t n = std::strlen(s);
        return size_t(m_end - m_p) >= n && std::memcmp(m_p, s, n) == 0;
    }

    bool skipSpace()
    {
        const char *start = m_p;
        while (m_p < m_end && isSpace(*m_p))
            ++m_p;
        return m_p != start;
    }

    bool expect(char c)
    {
        if (m_p == m_end || *m_p != c)
            return false;
        ++m_p;
        return true;
    }

    bool equalSign()
    {
        skipSpace();
        if (!expect('='))
            return false;
        skipSpace();
        return true;
    }

    // A quoted value in the declaration, returned without its quotes.
    bool declarationValue(QByteArrayView *value)
    {
        if (m_p == m_end || (*m_p != '"' && *m_p != '\''))
            return false;
        const char quote = *m_p++;
        const char *start = m_p;
        while (m_p < m_end && *m_p != quote && *m_p != '<')
            ++m_p;
        if (m_p == m_end || *m_p != quote)
            return false;
        *value = QByteArrayView(start, m_p - start);
        ++m_p;
        return true;
    }

    // <?xml version="1.0" encoding="utf-8" standalone="yes"?>, encoding and standalone optional.
    bool declaration()
    {
        m_p += 5;
        if (!skipSpace() || !startsWith("version"))
            return false;
        m_p += 7;
        QByteArrayView value;
        if (!equalSign() || !declarationValue(&value) || value != QByteArrayView("1.0"))
            return false;
        bool space = skipSpace();
        if (space && startsWith("encoding")) {
            m_p += 8;
            if (!equalSign() || !declarationValue(&value))
                return false;
            if (QLatin1StringView(value.data(), value.size()).compare(QLatin1StringView("utf-8"), Qt::CaseInsensitive) != 0)
                return false;
            space = skipSpace();
        }
        if (space && startsWith("standalone")) {
            m_p += 10;
            if (!equalSign() || !declarationValue(&value))
                return false;
            if (value != QByteArrayView("yes") && value != QByteArrayView("no"))
                return false;
            skipSpace();
        }
        return expect('?') && expect('>');
    }

    // White space and comments before or after the document element.
    bool misc()
    {
        for (;;) {
            skipSpace();
            if (!startsWith("<!--"))
                return true;
            if (!comment())
                return false;
        }
    }

    bool comment()
    {
        m_p += 4;
        for (;;) {
            const char *dash = static_cast<const char *>(std::memchr(m_p, '-', m_end - m_p));
            if (!dash || m_end - dash < 2)
                return false;
            m_p = dash + 1;
            if (*m_p == '-') {
                // "--" only as the end of the comment
                if (m_end - m_p < 2 || m_p[1] != '>')
                    return false;
                m_p += 2;
                return true;
            }
        }
    }

    // The document element and everything in it.
    bool rootElement()
    {
        if (!startTag())
            return false;
        while (!m_open.empty()) {
            if (m_p == m_end)
                return false;
            if (*m_p == '<') {
                if (m_end - m_p < 2)
                    return false;
                const char next = m_p[1];
                if (next == '/') {
                    if (!endTag())
                        return false;
                } else if (next == '!') {
                    if (startsWith("<!--")) {
                        if (!comment())
                            return false;
                    } else if (startsWith("<![CDATA[")) {
                        if (!cdataSection())
                            return false;
                    } else {
                        return false;
                    }
                } else if (!startTag()) {
                    return false;
                }
            } else if (*m_p == '&') {
                if (!reference(textOut()))
                    return false;
            } else if (!characterData()) {
                return false;
            }
        }
        return true;
    }

    // Where character data goes: into the value being read, or nowhere.
    std::string *textOut() { return m_slot ? &m_text : nullptr; }

    // Plain text up to the next markup or reference; line ends read as LF.
    bool characterData()
    {
        std::string *out = textOut();
        const char *start = m_p;
        while (m_p < m_end) {
            if (!kTables.textStop[uint8_t(*m_p)]) {
                ++m_p;
                continue;
            }
            const char c = *m_p;
            if (c == '<' || c == '&')
                break;
            if (c == ']') {
                if (m_end - m_p >= 3 && m_p[1] == ']' && m_p[2] == '>')
                    return false;
                ++m_p;
                continue;
            }
            // CR or CR LF
            if (out) {
                out->append(start, m_p - start);
                out->push_back('\n');
            }
            ++m_p;
            if (m_p < m_end && *m_p == '\n')
                ++m_p;
            start = m_p;
        }
        if (out)
            out->append(start, m_p - start);
        return true;
    }

    bool cdataSection()
    {
        m_p += 9;
        std::string *out = textOut();
        const char *start = m_p;
        for (;;) {
            if (m_p == m_end)
                return false;
            const char c = *m_p;
            if (c == ']' && m_end - m_p >= 3 && m_p[1] == ']' && m_p[2] == '>')
                break;
            if (c == '\r') {
                if (out) {
                    out->append(start, m_p - start);
                    out->push_back('\n');
                }
                ++m_p;
                if (m_p < m_end && *m_p == '\n')
                    ++m_p;
                start = m_p;
                continue;
            }
            ++m_p;
        }
        if (out)
            out->append(start, m_p - start);
        m_p += 3;
        return true;
    }

    // &#n; &#xh; or one of the five predefined entities; the character goes to out if given.
    bool reference(std::string *out)
    {
        ++m_p;
        if (m_p < m_end && *m_p == '#') {
            ++m_p;
            uint32_t c = 0;
            const char *digits;
            if (m_p < m_end && *m_p == 'x') {
                digits = ++m_p;
                for (; m_p < m_end; ++m_p) {
                    const char d = *m_p;
                    uint32_t v;
                    if (d >= '0' && d <= '9')
                        v = d - '0';
                    else if (d >= 'a' && d <= 'f')
                        v = d - 'a' + 10;
                    else if (d >= 'A' && d <= 'F')
                        v = d - 'A' + 10;
                    else
                        break;
                    c = std::min<uint32_t>(c * 16 + v, 0x110000);
                }
            } else {
                digits = m_p;
                for (; m_p < m_end && *m_p >= '0' && *m_p <= '9'; ++m_p)
                    c = std::min<uint32_t>(c * 10 + uint32_t(*m_p - '0'), 0x110000);
            }
            if (m_p == digits || !expect(';') || !isXmlChar(c))
                return false;
            if (out)
                appendUtf8(*out, c);
            return true;
        }
        static constexpr struct {
            const char *text;
            char value;
        } kEntities[] = {{"lt;", '<'}, {"gt;", '>'}, {"amp;", '&'}, {"apos;", '\''}, {"quot;", '"'}};
        for (const auto &e : kEntities) {
            if (startsWith(e.text)) {
                m_p += std::strlen(e.text);
                if (out)
                    out->push_back(e.value);
                return true;
            }
        }
        return false;
    }

    bool name(const char **start, size_t *size)
    {
        if (m_p == m_end || !kTables.nameStart[uint8_t(*m_p)])
            return false;
        *start = m_p++;
        while (m_p < m_end && kTables.nameChar[uint8_t(*m_p)])
            ++m_p;
        *size = size_t(m_p - *start);
        return *size <= kMaxName;
    }

    // An attribute value after its opening quote, normalised as XML does: each tab, line
    // feed, carriage return or CR LF becomes one space; references are resolved.
    bool attributeValue(char quote, std::string *out)
    {
        const char *start = m_p;
        for (;;) {
            if (m_p == m_end)
                return false;
            const char c = *m_p;
            if (!kTables.attributeStop[uint8_t(c)] || (c != quote && (c == '"' || c == '\''))) {
                ++m_p;
                continue;
            }
            if (c == '<')
                return false;
            if (out)
                out->append(start, m_p - start);
            if (c == quote) {
                ++m_p;
                return true;
            }
            if (c == '&') {
                if (!reference(out))
                    return false;
            } else {
                if (out)
                    out->push_back(' ');
                ++m_p;
                if (c == '\r' && m_p < m_end && *m_p == '\n')
                    ++m_p;
            }
            start = m_p;
        }
    }

    // What a new element is, given the element it is in; notes it in the document.
    Role roleOf(const char *elementName, size_t size)
    {
        const QByteArrayView n(elementName, size);
        if (m_open.empty())
            return Role::Root;
        switch (m_open.back().role) {
        case Role::Root:
            if (!m_doc.hasTeam && n == QByteArrayView("Team")) {
                m_doc.hasTeam = true;
                return Role::Team;
            }
            return Role::Other;
        case Role::Team:
            if (!m_doc.hasPlayerList && n == QByteArrayView("PlayerList")) {
                m_doc.hasPlayerList = true;
                return Role::PlayerList;
            }
            return Role::Other;
        case Role::PlayerList:
            if (m_doc.elementCount++ < m_limit) {
                m_doc.players.emplace_back();
                return Role::Player;
            }
            return Role::Other;
        case Role::Player: {
            const int f = fieldByName(elementName, size, 0, PlayersDocument::FTrainerType);
            if (f < 0 || m_doc.players.back().values[f].present)
                return Role::Other;
            m_doc.players.back().values[f].present = true;
            if (f == PlayersDocument::FTrainerData)
                return Role::TrainerData;
            startValue(f);
            return Role::Value;
        }
        case Role::TrainerData: {
            const int f = fieldByName(elementName, size, PlayersDocument::FTrainerType, PlayersDocument::kFieldCount);
            if (f < 0 || m_doc.players.back().values[f].present)
                return Role::Other;
            m_doc.players.back().values[f].present = true;
            startValue(f);
            return Role::Value;
        }
        case Role::Value:
        case Role::InsideValue:
            m_slot->hasChildren = true;
            return Role::InsideValue;
        case Role::Other:
            break;
        }
        return Role::Other;
    }

    void startValue(int f)
    {
        m_slot = &m_doc.players.back().values[f];
        m_text.clear();
    }

    bool startTag()
    {
        ++m_p;
        const char *elementName;
        size_t size;
        if (!name(&elementName, &size) || m_open.size() >= kMaxDepth)
            return false;
        const Role role = roleOf(elementName, size);

        m_attributes.clear();
        bool empty = false;
        for (;;) {
            const bool space = skipSpace();
            if (m_p == m_end)
                return false;
            if (*m_p == '>') {
                ++m_p;
                break;
            }
            if (*m_p == '/') {
                if (m_end - m_p < 2 || m_p[1] != '>')
                    return false;
                m_p += 2;
                empty = true;
                break;
            }
            const char *attributeName;
            size_t attributeSize;
            if (!space || !name(&attributeName, &attributeSize))
                return false;
            const QByteArrayView a(attributeName, attributeSize);
            if (std::find(m_attributes.begin(), m_attributes.end(), a) != m_attributes.end())
                return false;
            m_attributes.push_back(a);
            if (!equalSign() || m_p == m_end || (*m_p != '"' && *m_p != '\''))
                return false;
            const char quote = *m_p++;
            const bool isCount = role == Role::PlayerList && a == QByteArrayView("Count");
            m_attribute.clear();
            if (!attributeValue(quote, isCount ? &m_attribute : nullptr))
                return false;
            if (isCount) {
                m_doc.hasCount = true;
                m_doc.countText = fromCheckedUtf8(m_attribute);
            }
        }

        if (role == Role::PlayerList && m_doc.hasCount) {
            m_doc.countIsInteger = NumberText::gameFileInteger(m_doc.countText, &m_doc.count);
            if (m_collect && m_doc.countIsInteger && m_doc.count > 0)
                m_limit = std::min<int32_t>(m_doc.count, Roster::kCapacity);
            m_doc.players.reserve(m_limit);
        }
        m_open.push_back({elementName, size, role});
        if (empty)
            closeElement();
        return true;
    }

    bool endTag()
    {
        m_p += 2;
        const OpenElement &open = m_open.back();
        if (size_t(m_end - m_p) < open.size || std::memcmp(m_p, open.name, open.size) != 0)
            return false;
        m_p += open.size;
        if (m_p < m_end && kTables.nameChar[uint8_t(*m_p)])
            return false; // a longer name
        skipSpace();
        if (!expect('>'))
            return false;
        if (open.role == Role::Value && m_text.size() > kMaxValueText)
            return false;
        closeElement();
        return true;
    }

    void closeElement()
    {
        if (m_open.back().role == Role::Value) {
            if (!m_text.empty())
                m_slot->text = fromCheckedUtf8(m_text);
            m_slot = nullptr;
        }
        m_open.pop_back();
    }

    const char *m_p;
    const char *m_end;
    PlayersDocument &m_doc;
    bool m_collect;
    int m_limit = 0;                        // players to gather from PlayerList
    std::vector<OpenElement> m_open;
    PlayersDocument::ValueSlot *m_slot = nullptr; // the value being read
    std::string m_text;                     // its character data so far, UTF-8
    std::vector<QByteArrayView> m_attributes; // names on the current start tag
    std::string m_attribute;                // the Count value being read
};

} // namespace

bool PlayersFastScanner::scan(QByteArrayView data, bool collectPlayers, PlayersDocument &doc)
{
    Scanner scanner(data, collectPlayers, doc);
    return scanner.document();
}
