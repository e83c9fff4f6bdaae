#include "about/RtfReader.h"

#include <QFile>
#include <QStringDecoder>

#include <memory>

#include <vector>

QString RtfParagraph::text() const
{
    QString out;
    for (const RtfRun &run : runs)
        out += run.text;
    return out;
}

QString RtfDocument::plainText() const
{
    QStringList lines;
    for (const RtfParagraph &p : paragraphs)
        lines << p.text();
    return lines.join(QLatin1Char('\n'));
}

namespace {

// Windows-1252 bytes 0x80..0x9F; the rest of the code page is Latin-1. Undefined bytes give
// the replacement character.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0xFFFD,
};

// Numbers beyond this are cut: no RTF parameter we use comes near it.
constexpr int kMaxParameter = 1'000'000;
constexpr int kMaxHalfPoints = 288; // 144 points: larger would not fit the window
constexpr int kMaxWordLength = 32;

enum class Destination { Text, Skip, ColourTable };

struct State {
    RtfFormat format;
    int colourIndex = -1;
    int ucSkip = 1;
    RtfParagraph::Alignment alignment = RtfParagraph::Left;
    Destination destination = Destination::Text;
};

class Parser {
public:
    explicit Parser(const QByteArray &in) : m_in(in) { m_states.push_back(State{}); }

    RtfDocument run()
    {
        const qsizetype n = m_in.size();
        while (m_pos < n) {
            const char c = m_in[m_pos++];
            switch (c) {
            case '{':
                openGroup();
                break;
            case '}':
                closeGroup();
                break;
            case '\\':
                controlSequence();
                break;
            case '\r':
            case '\n':
                break;
            default:
                if (consumeSkip())
                    break;
                if (state().destination == Destination::ColourTable) {
                    if (c == ';')
                        endColour();
                } else if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') {
                    appendByte(static_cast<unsigned char>(c));
                }
                break;
            }
        }
        endParagraph(false);
        return std::move(m_doc);
    }

private:
    State &state() { return m_states.back(); }

    void openGroup()
    {
        m_pendingSkip = 0;
        if (int(m_states.size()) >= RtfReader::kMaxDepth) {
            ++m_overflow;
            return;
        }
        m_states.push_back(m_states.back());
    }

    void closeGroup()
    {
        m_pendingSkip = 0;
        if (m_overflow > 0) {
            --m_overflow;
            return;
        }
        if (m_states.size() > 1) // a stray closing brace at the top is ignored
            m_states.pop_back();
    }

    // Skipping the characters that stand in for a \uN: true when this one is skipped.
    bool consumeSkip()
    {
        if (m_pendingSkip <= 0)
            return false;
        --m_pendingSkip;
        return true;
    }

    void controlSequence()
    {
        const qsizetype n = m_in.size();
        if (m_pos >= n)
            return;
        const char c = m_in[m_pos];
        if (!isLetter(c)) {
            ++m_pos;
            controlSymbol(c);
            return;
        }
        const qsizetype start = m_pos;
        while (m_pos < n && isLetter(m_in[m_pos]))
            ++m_pos;
        QByteArray word = m_in.mid(start, qMin<qsizetype>(m_pos - start, kMaxWordLength));
        bool hasParam = false;
        int param = 0;
        bool negative = false;
        if (m_pos < n && m_in[m_pos] == '-' && m_pos + 1 < n && isDigit(m_in[m_pos + 1])) {
            negative = true;
            ++m_pos;
        }
        if (m_pos < n && isDigit(m_in[m_pos])) {
            hasParam = true;
            long long value = 0;
            while (m_pos < n && isDigit(m_in[m_pos])) {
                if (value <= kMaxParameter)
                    value = value * 10 + (m_in[m_pos] - '0');
                ++m_pos;
            }
            param = int(qMin<long long>(value, kMaxParameter));
            if (negative)
                param = -param;
        }
        if (m_pos < n && m_in[m_pos] == ' ')
            ++m_pos;
        controlWord(word, hasParam, param);
    }

    void controlSymbol(char c)
    {
        switch (c) {
        case '\\':
        case '{':
        case '}':
            if (!consumeSkip() && state().destination == Destination::Text)
                appendChar(QChar::fromLatin1(c));
            break;
        case '\'': {
            // Two hex digits; a cut-off escape drops the digit it has.
            int value = 0, digits = 0;
            while (digits < 2 && m_pos < m_in.size() && isHex(m_in[m_pos]))
                value = value * 16 + hexValue(m_in[m_pos++]), ++digits;
            if (consumeSkip() || digits < 2)
                break;
            if (state().destination == Destination::Text)
                appendByte(static_cast<unsigned char>(value));
            break;
        }
        case '*':
            // "{\*\word ...}": a destination a reader may ignore; we show none of them.
            state().destination = Destination::Skip;
            break;
        case '~':
            if (!consumeSkip() && state().destination == Destination::Text)
                appendChar(QChar(0x00A0));
            break;
        case '_':
            if (!consumeSkip() && state().destination == Destination::Text)
                appendChar(QChar(0x2011));
            break;
        case '\r':
        case '\n':
            if (!consumeSkip() && state().destination == Destination::Text)
                endParagraph(true);
            break;
        default: // \- (optional hyphen), \| and the like show nothing
            consumeSkip();
            break;
        }
    }

    void controlWord(const QByteArray &w, bool hasParam, int param)
    {
        State &s = state();
        if (w == "bin") {
            // Raw bytes follow (in a picture, say); they are never text and may hold braces.
            m_pos = qMin<qsizetype>(m_in.size(), m_pos + qMax(0, param));
            return;
        }
        if (s.destination == Destination::Skip)
            return;
        if (s.destination == Destination::ColourTable) {
            const int v = qBound(0, param, 255);
            if (w == "red")
                m_colour.red = v, m_colourSet = true;
            else if (w == "green")
                m_colour.green = v, m_colourSet = true;
            else if (w == "blue")
                m_colour.blue = v, m_colourSet = true;
            return;
        }
        if (isSkippedDestination(w)) {
            s.destination = Destination::Skip;
            return;
        }
        if (w == "colortbl") {
            s.destination = Destination::ColourTable;
            m_colour = {};
            m_colourSet = false;
            return;
        }

        // Words that stand for a character count as one character for a pending \uN skip.
        if (const char16_t ch = specialCharacter(w)) {
            if (!consumeSkip())
                appendChar(QChar(ch));
            return;
        }
        if (w == "par") {
            if (!consumeSkip())
                endParagraph(true);
            return;
        }
        if (w == "line") {
            if (!consumeSkip())
                appendChar(QChar(0x2028));
            return;
        }
        if (w == "u") {
            if (consumeSkip())
                return;
            int code = param;
            if (code < 0)
                code += 65536;
            if (code > 0 && code < 65536)
                appendChar(QChar(char16_t(code)));
            m_pendingSkip = s.ucSkip;
            return;
        }
        consumeSkip();
        const bool on = !hasParam || param != 0;
        if (w == "b") {
            s.format.bold = on;
        } else if (w == "i") {
            s.format.italic = on;
        } else if (w == "ul") {
            s.format.underline = on;
        } else if (w == "ulnone") {
            s.format.underline = false;
        } else if (w == "plain") {
            s.format = RtfFormat{};
            s.colourIndex = -1;
        } else if (w == "fs") {
            s.format.halfPoints = hasParam && param > 0 ? qMin(param, kMaxHalfPoints) : 24;
        } else if (w == "cf") {
            s.colourIndex = hasParam ? param : -1;
        } else if (w == "uc") {
            s.ucSkip = qBound(0, param, 16);
        } else if (w == "ansicpg") {
            setCodePage(param);
        } else if (w == "pard") {
            s.alignment = RtfParagraph::Left;
        } else if (w == "ql") {
            s.alignment = RtfParagraph::Left;
        } else if (w == "qc") {
            s.alignment = RtfParagraph::Centre;
        } else if (w == "qr") {
            s.alignment = RtfParagraph::Right;
        } else if (w == "qj") {
            s.alignment = RtfParagraph::Justify;
        }
        // Any other word (fonts, spacing, page layout, ...) changes nothing we show.
    }

    static bool isSkippedDestination(const QByteArray &w)
    {
        static const char *const kWords[] = {
            "fonttbl", "stylesheet", "info", "pict", "object", "header", "headerl", "headerr", "headerf",
            "footer", "footerl", "footerr", "footerf", "footnote", "listtable", "listoverridetable", "revtbl",
            "rsidtbl", "filetbl", "fldinst", "themedata", "colorschememapping", "datastore", "latentstyles",
            "xmlnstbl", "generator", "author", "operator", "title", "subject", "keywords", "comment",
            "doccomm", "company", "pntxta", "pntxtb", "mmathPr",
        };
        for (const char *k : kWords)
            if (w == k)
                return true;
        return false;
    }

    static char16_t specialCharacter(const QByteArray &w)
    {
        if (w == "tab") return u'\t';
        if (w == "emdash") return 0x2014;
        if (w == "endash") return 0x2013;
        if (w == "bullet") return 0x2022;
        if (w == "lquote") return 0x2018;
        if (w == "rquote") return 0x2019;
        if (w == "ldblquote") return 0x201C;
        if (w == "rdblquote") return 0x201D;
        if (w == "emspace" || w == "enspace" || w == "qmspace") return u' ';
        return 0;
    }

    void setCodePage(int page)
    {
        m_decoder.reset();
        if (page == 1252 || page <= 0)
            return;
        auto decoder = std::make_unique<QStringDecoder>(QStringLiteral("windows-%1").arg(page).toLatin1().constData());
        if (decoder->isValid())
            m_decoder = std::move(decoder);
    }

    void endColour()
    {
        m_colours.push_back(m_colourSet ? std::optional<RtfColour>(m_colour) : std::nullopt);
        m_colour = {};
        m_colourSet = false;
    }

    void appendByte(unsigned char b)
    {
        if (b < 0x80) {
            appendChar(QChar::fromLatin1(char(b)));
        } else if (!m_decoder) {
            appendChar(b < 0xA0 ? QChar(kCp1252High[b - 0x80]) : QChar::fromLatin1(char(b)));
        } else {
            const char byte = char(b);
            const QString s = m_decoder->decode(QByteArrayView(&byte, 1));
            for (QChar c : s)
                appendChar(c);
        }
    }

    void appendChar(QChar c)
    {
        if (state().destination != Destination::Text)
            return;
        RtfFormat f = state().format;
        const int index = state().colourIndex;
        if (index >= 0 && index < int(m_colours.size()))
            f.colour = m_colours[size_t(index)];
        if (m_paragraph.runs.isEmpty() || !(m_paragraph.runs.last().format == f))
            m_paragraph.runs.append(RtfRun{QString(), f});
        m_paragraph.runs.last().text.append(c);
    }

    // A paragraph ends at \par; at the end of the file only when it holds text.
    void endParagraph(bool always)
    {
        if (!always && m_paragraph.runs.isEmpty())
            return;
        m_paragraph.alignment = state().alignment;
        m_doc.paragraphs.append(std::move(m_paragraph));
        m_paragraph = RtfParagraph{};
    }

    static bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }
    static bool isHex(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
    static int hexValue(char c) { return isDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10; }

    const QByteArray &m_in;
    qsizetype m_pos = 0;
    std::vector<State> m_states;
    int m_overflow = 0;
    int m_pendingSkip = 0;
    std::vector<std::optional<RtfColour>> m_colours;
    RtfColour m_colour;
    bool m_colourSet = false;
    std::unique_ptr<QStringDecoder> m_decoder;
    RtfParagraph m_paragraph;
    RtfDocument m_doc;
};

} // namespace

RtfDocument RtfReader::read(const QByteArray &rtf) { return Parser(rtf).run(); }

std::optional<RtfDocument> RtfReader::readFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    return read(file.read(kMaxFileSize));
}
