#include "evaluation/PlayersDocument.h"
#include "evaluation/PlayersDocumentReader.h"
#include "evaluation/PlayersFastScanner.h"

#include <QtTest>
#include <QBuffer>
#include <QDir>
#include <QRandomGenerator>

namespace {

using PD = PlayersDocument;

struct FullRead {
    bool wellFormed = false;
    QString error;
    PlayersDocument doc;
};

// The full parser's view of a document, read the way the loader reads it.
FullRead fullRead(const QByteArray &xml, bool collect)
{
    QByteArray copy = xml;
    QBuffer input(&copy);
    input.open(QIODevice::ReadOnly);
    PlayersDocumentReader reader(&input, collect);
    FullRead out;
    out.wellFormed = reader.read(out.doc);
    out.error = reader.reader().errorString();
    return out;
}

QString show(const QString &s)
{
    return s.isNull() ? QStringLiteral("(null)") : QLatin1Char('"') + s + QLatin1Char('"');
}

// The first difference between two gathered documents; empty when they agree in everything.
QString difference(const PD &quick, const PD &full)
{
    auto differs = [](const char *what, auto a, auto b) {
        return QStringLiteral("%1: quick %2, full %3").arg(QLatin1StringView(what)).arg(a).arg(b);
    };
    if (quick.hasTeam != full.hasTeam)
        return differs("hasTeam", quick.hasTeam, full.hasTeam);
    if (quick.hasPlayerList != full.hasPlayerList)
        return differs("hasPlayerList", quick.hasPlayerList, full.hasPlayerList);
    if (quick.hasCount != full.hasCount)
        return differs("hasCount", quick.hasCount, full.hasCount);
    if (quick.countText != full.countText)
        return differs("countText", show(quick.countText), show(full.countText));
    if (quick.countIsInteger != full.countIsInteger)
        return differs("countIsInteger", quick.countIsInteger, full.countIsInteger);
    if (quick.count != full.count)
        return differs("count", quick.count, full.count);
    if (quick.elementCount != full.elementCount)
        return differs("elementCount", quick.elementCount, full.elementCount);
    if (quick.players.size() != full.players.size())
        return differs("players", quick.players.size(), full.players.size());
    for (size_t i = 0; i < quick.players.size(); ++i) {
        for (int f = 0; f < PD::kFieldCount; ++f) {
            const PD::ValueSlot &a = quick.players[i].values[f];
            const PD::ValueSlot &b = full.players[i].values[f];
            const QString where = QStringLiteral("player %1 %2").arg(i + 1).arg(PD::kFieldNames[f]);
            if (a.present != b.present || a.hasChildren != b.hasChildren || a.text != b.text
                || a.text.isNull() != b.text.isNull()) {
                return where + QStringLiteral(": quick %1/%2/%3, full %4/%5/%6")
                    .arg(a.present).arg(a.hasChildren).arg(show(a.text))
                    .arg(b.present).arg(b.hasChildren).arg(show(b.text));
            }
        }
    }
    return QString();
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A full squad as the game writes it, with the odd things a real file holds: CR LF line
// ends, CDATA, entities and character references in names, accented names, comments,
// empty elements, single-quoted attributes and a trainer.
QByteArray squadFile()
{
    QRandomGenerator rng(7);
    const char *names[] = {"Jean Dupont", "&#201;mile Girard", "No\xC3\xA9 Faure", "Luc &amp; Marc",
                           "Hugo L&apos;H\xC3\xB4te", "Th\xC3\xA9o\r\nBlanc", "  Louis  ", "&#x1F600; Roux"};
    const char *values[] = {"Age", "TSI", "PlayerNumber", "PlayerForm", "Experience", "Leadership",
                            "StaminaSkill", "PlaymakerSkill", "PassingSkill", "WingerSkill",
                            "DefenderSkill", "ScorerSkill", "KeeperSkill", "SetPiecesSkill",
                            "InjuryLevel", "Cards", "Agreeability", "Aggressiveness", "Honesty",
                            "Specialty"};
    QByteArray xml = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\" standalone='yes'?>\r\n"
                     "<!-- fetched for the squad -->\r\n<VelmorraData>\r\n"
                     "  <InventedSource>players.asp</InventedSource>\r\n  <Team>\r\n    <InventedTeamKey>4711</InventedTeamKey>\r\n"
                     "    <PlayerList Count='101' Sorted=\"no\">\r\n";
    for (int i = 0; i < 101; ++i) {
        xml += "      <Player Index=\"" + QByteArray::number(i) + "\">\r\n";
        if (i == 40)
            xml += "        <TrainerData>\r\n          <TrainerType>1</TrainerType>\r\n"
                   "          <TrainerSkill>5</TrainerSkill>\r\n        </TrainerData>\r\n";
        xml += "        <PlayerID>" + QByteArray::number(200000 + i * 31) + "</PlayerID>\r\n"
               "        <PlayerName>" + QByteArray(names[rng.bounded(8)]) + "</PlayerName>\r\n"
               "        <InventedNote><![CDATA[Rien \xC3\xA0 d\xC3\xA9" "clarer <ici> & l\xC3\xA0.]]></InventedNote>\r\n"
               "        <InventedFlag/>\r\n";
        for (const char *v : values) {
            xml += QByteArray("        <") + v + ">" + QByteArray::number(rng.bounded(-1, 18)) + "</" + v + ">";
            xml += (i % 17 == 3) ? "<!-- checked -->\r\n" : "\r\n";
        }
        xml += "      </Player>\r\n";
    }
    xml += "    </PlayerList>\r\n  </Team>\r\n</VelmorraData>\r\n<!-- end -->\r\n";
    return xml;
}

// One random change to a document: bytes and byte sequences from the characters that
// matter to XML, entities, markup and bad UTF-8; ranges cut or doubled; tags swapped;
// attributes added to a start tag; the Count changed.
class Mutator {
public:
    explicit Mutator(quint32 seed) : m_rng(seed) {}

    void mutate(QByteArray &doc)
    {
        const int size = int(doc.size());
        switch (m_rng.bounded(12)) {
        case 0:
            if (size > 0)
                doc.remove(position(size), 1);
            break;
        case 1:
            doc.insert(position(size + 1), pick(kPieces));
            break;
        case 2:
            if (size > 0)
                doc.replace(position(size), 1, pick(kPieces));
            break;
        case 3: {
            const int from = position(size + 1);
            const int length = std::min(size - from, 1 + int(m_rng.bounded(80)));
            doc.insert(position(size + 1), doc.mid(from, length));
            break;
        }
        case 4: {
            const int from = position(size + 1);
            doc.remove(from, 1 + m_rng.bounded(80));
            break;
        }
        case 5:
            swapTags(doc);
            break;
        case 6:
        case 7:
            doc.insert(position(size + 1), pick(kMarkup));
            break;
        case 8:
            addAttribute(doc);
            break;
        case 9:
            changeCount(doc);
            break;
        case 10:
            insertAfterTag(doc);
            break;
        case 11:
            replaceText(doc);
            break;
        }
    }

private:
    int position(int limit) { return limit > 0 ? int(m_rng.bounded(limit)) : 0; }

    QByteArray pick(const std::vector<QByteArray> &from) { return from[m_rng.bounded(int(from.size()))]; }

    // A random start or end tag: from a '<' to the next '>'.
    bool randomTag(const QByteArray &doc, qsizetype *start, qsizetype *length)
    {
        const qsizetype open = doc.indexOf('<', position(int(doc.size())));
        const qsizetype close = open < 0 ? -1 : doc.indexOf('>', open);
        if (close < 0)
            return false;
        *start = open;
        *length = close - open + 1;
        return true;
    }

    void swapTags(QByteArray &doc)
    {
        qsizetype a, aLength, b, bLength;
        if (!randomTag(doc, &a, &aLength) || !randomTag(doc, &b, &bLength))
            return;
        if (a > b) {
            std::swap(a, b);
            std::swap(aLength, bLength);
        }
        if (a + aLength > b)
            return;
        const QByteArray first = doc.mid(a, aLength);
        const QByteArray second = doc.mid(b, bLength);
        doc.replace(b, bLength, first);
        doc.replace(a, aLength, second);
    }

    void addAttribute(QByteArray &doc)
    {
        qsizetype at, length;
        if (!randomTag(doc, &at, &length) || length < 3 || !std::isalpha(uchar(doc[at + 1])))
            return;
        qsizetype end = at + 1;
        while (end < doc.size() && (std::isalnum(uchar(doc[end])) || doc[end] == '_'))
            ++end;
        doc.insert(end, pick(kAttributes));
    }

    // Markup between two tags, where a balanced piece keeps the document well-formed.
    void insertAfterTag(QByteArray &doc)
    {
        const qsizetype at = doc.indexOf('>', position(int(doc.size())));
        if (at >= 0)
            doc.insert(at + 1, pick(kMarkup));
    }

    // The text between a random '>' and the next '<' rewritten from text pieces.
    void replaceText(QByteArray &doc)
    {
        const qsizetype at = doc.indexOf('>', position(int(doc.size())));
        const qsizetype next = at < 0 ? -1 : doc.indexOf('<', at);
        if (next < 0)
            return;
        QByteArray text;
        for (int n = int(m_rng.bounded(5)); n > 0; --n)
            text += pick(m_rng.bounded(3) == 0 ? kMarkup : kPieces);
        doc.replace(at + 1, next - at - 1, text);
    }

    void changeCount(QByteArray &doc)
    {
        const qsizetype at = doc.indexOf("Count=");
        if (at < 0 || at + 7 >= doc.size())
            return;
        const char quote = doc[at + 6];
        const qsizetype close = doc.indexOf(quote, at + 7);
        if (close < 0)
            return;
        doc.replace(at + 7, close - at - 7, pick(kCounts));
    }

    QRandomGenerator m_rng;

    const std::vector<QByteArray> kPieces = {
        "<", ">", "/", "&", ";", "#", "x", "\"", "'", "=", "!", "-", "?", "[", "]", "\r", "\n",
        "\r\n", " ", "\t", ":", "a", "Z", "_", ".", "0", "7", "\xC3\xA9", "\xE2\x82\xAC",
        "\xF0\x9F\x98\x80", "\xEF\xBB\xBF", "\xEF\xBF\xBE", "\xEF\xBF\xBF", "\xC2\x85", "\x7F",
        "\xEF\xB7\x90", "\xC3", "\x80", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80",
        "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", "\x01", "\x0B", QByteArray(1, '\0')};
    const std::vector<QByteArray> kMarkup = {
        "&lt;", "&gt;", "&amp;", "&apos;", "&quot;", "&#65;", "&#x41;", "&#x4a;", "&#0065;",
        "&#x1F600;", "&#13;", "&#10;", "&#9;", "&#32;", "&#0;", "&#31;", "&#xD800;", "&#xFFFE;",
        "&#x110000;", "&#99999999999;", "&#X41;", "&#;", "&#x;", "&foo;", "&lt", "&", "]]>", "]]",
        "<!-- c -->", "<!---->", "<!-- - -->", "<!-- -- -->", "<!-- --->", "<![CDATA[ z ]]>",
        "<![CDATA[\r\n]]>", "<![CDATA[]]]>", "<![CDATA[", "<x/>", "<x></x>", "<Age>9</Age>",
        "<Age> 4 </Age>", "<PlayerName>N &amp; M</PlayerName>", "<PlayerName>  </PlayerName>",
        "<TrainerData><TrainerType>1</TrainerType><TrainerSkill>2</TrainerSkill></TrainerData>",
        "<Player><Age>1</Age></Player>", "<Player/>", "<Team/>", "<PlayerList Count=\"1\"/>",
        "<?pi x?>", "<?xml version=\"1.0\"?>", "<!DOCTYPE a>", "<p:Age>1</p:Age>", "\r\n  ",
        "</Player>", "<Player>", "</Team>", "<a b='1'>", "</a>", "\xEF\xBB\xBF"};
    const std::vector<QByteArray> kAttributes = {
        " Count=\"2\"", " Count='-1'", " Count=\" 4\"", " Count='3' Count='3'", " a='x'",
        " a=\"&lt;&#62;\"", " a='1' a='2'", " c=\"\t\r\n\r.\"", " d='\"'", " e=\"'\"", " f='<'",
        " g=\"&#9;&#10;&#13;\"", " h=x", " i", " p:j='1'", " k = 'v' ", " l='&bad;'", "m='1'"};
    const std::vector<QByteArray> kCounts = {
        "0", "1", "2", "3", "5", "25", "100", "101", "102", "150", "-3", "abc", "", " 2", "2 ",
        "&#50;", "1&#x30;", "\t3", "\r\n4", "+1", "2147483648", "-2147483648"};
};

} // namespace

class TestPlayersFastScanner : public QObject {
    Q_OBJECT

private slots:
    void gameFilesTakeTheQuickScan();
    void agreesWithTheFullParserOnMutatedFiles();
    void agreesOnOutsizedAndFuzzCorpusInputs_data();
    void agreesOnOutsizedAndFuzzCorpusInputs();
    void declines_data();
    void declines();
    void readsValues_data();
    void readsValues();
    void readsTheDocument_data();
    void readsTheDocument();
    void gathersOnlyTheRosterCapacity();
};

// The files the loader meets in practice take the quick scan, and agree with the full parser.
void TestPlayersFastScanner::gameFilesTakeTheQuickScan()
{
    QStringList files = {QStringLiteral(SQW_SAMPLE_DATA_DIR "/xml/players.xml")};
    const QDir fixtures(QStringLiteral(SQW_TEST_DATA_DIR "/players"));
    for (const QString &name : fixtures.entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name)) {
        if (name != QLatin1StringView("malformed.xml"))
            files << fixtures.filePath(name);
    }
    QVERIFY(files.size() > 10);
    std::vector<QByteArray> documents;
    for (const QString &file : files)
        documents.push_back(readAll(file));
    documents.push_back(squadFile());

    for (size_t i = 0; i < documents.size(); ++i) {
        const QString label = i < size_t(files.size()) ? files[int(i)] : QStringLiteral("generated squad");
        for (bool collect : {true, false}) {
            PD quick;
            QVERIFY2(PlayersFastScanner::scan(documents[i], collect, quick), qPrintable(label));
            const FullRead full = fullRead(documents[i], collect);
            QVERIFY2(full.wellFormed, qPrintable(label));
            QVERIFY2(difference(quick, full.doc).isEmpty(), qPrintable(label + QStringLiteral(": ")
                                                                       + difference(quick, full.doc)));
        }
    }

    // The generated squad as read, checked against what was written.
    PD squad;
    QVERIFY(PlayersFastScanner::scan(squadFile(), true, squad));
    QCOMPARE(squad.elementCount, 101);
    QCOMPARE(int(squad.players.size()), 101);
    QCOMPARE(squad.players[40].values[PD::FTrainerType].text, QStringLiteral("1"));
    QCOMPARE(squad.players[0].values[PD::FPlayerID].text, QStringLiteral("200000"));
    QCOMPARE(squad.players[100].values[PD::FPlayerID].text, QStringLiteral("203100"));

    PD malformed;
    QVERIFY(!PlayersFastScanner::scan(readAll(fixtures.filePath(QStringLiteral("malformed.xml"))), true, malformed));
}

// Whenever the quick scan takes a document, the full parser finds it well-formed and
// gathers the same. Thousands of seeded random changes to real and generated files.
void TestPlayersFastScanner::agreesWithTheFullParserOnMutatedFiles()
{
    struct Source {
        QString label;
        QByteArray xml;
        int cases;
    };
    std::vector<Source> sources;
    sources.push_back({QStringLiteral("sample"), readAll(QStringLiteral(SQW_SAMPLE_DATA_DIR "/xml/players.xml")), 5000});
    sources.push_back({QStringLiteral("generated squad"), squadFile(), 1500});
    const QDir fixtures(QStringLiteral(SQW_TEST_DATA_DIR "/players"));
    for (const QString &name : fixtures.entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name))
        sources.push_back({name, readAll(fixtures.filePath(name)), 600});

    int accepted = 0;
    int declined = 0;
    int declinedWellFormed = 0;
    quint32 seed = 1;
    for (const Source &source : sources) {
        QVERIFY2(!source.xml.isEmpty(), qPrintable(source.label));
        for (int c = 0; c < source.cases; ++c, ++seed) {
            Mutator mutator(seed);
            QByteArray doc = source.xml;
            const int changes = 1 + (seed % 4 == 0) + (seed % 8 == 0); // mostly one, at times two or three
            for (int m = 0; m < changes; ++m)
                mutator.mutate(doc);
            const bool collect = seed % 4 != 0;

            PD quick;
            const bool taken = PlayersFastScanner::scan(doc, collect, quick);
            const FullRead full = fullRead(doc, collect);
            if (!taken) {
                ++declined;
                declinedWellFormed += full.wellFormed;
                continue;
            }
            ++accepted;
            const QString diff = full.wellFormed ? difference(quick, full.doc)
                                                 : QStringLiteral("not well-formed: ") + full.error;
            if (!diff.isEmpty()) {
                const QString keep = QDir::temp().filePath(QStringLiteral("fastscanner-case-%1.xml").arg(seed));
                QFile out(keep);
                if (out.open(QIODevice::WriteOnly))
                    out.write(doc);
                QFAIL(qPrintable(QStringLiteral("%1, seed %2 (kept in %3): %4").arg(source.label).arg(seed).arg(keep, diff)));
            }
        }
    }
    qInfo("%d cases: %d taken by the quick scan and agreeing, %d declined (%d of them well-formed)",
          accepted + declined, accepted, declined, declinedWellFormed);
    // Both outcomes must be common, or the comparison proves little.
    QVERIFY(accepted > (accepted + declined) / 5);
    QVERIFY(declined > (accepted + declined) / 5);
}

namespace {

// A players file with one player whose element holds `inside`.
QByteArray withPlayer(const QByteArray &inside)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<VelmorraData>\n<Team>\n<PlayerList Count=\"1\">\n"
           "<Player>" + inside + "</Player>\n</PlayerList>\n</Team>\n</VelmorraData>\n";
}

} // namespace

// Near the full parser's own limits and on the fuzzing seeds: what the quick scan takes, the
// full parser takes too and reads alike.
void TestPlayersFastScanner::agreesOnOutsizedAndFuzzCorpusInputs_data()
{
    QTest::addColumn<QByteArray>("xml");
    for (int n : {1024, 1025, 4096, 4097}) {
        const QByteArray name(n, 'n');
        QTest::addRow("element name of %d", n) << withPlayer("<" + name + ">1</" + name + "><Age>2</Age>");
        QTest::addRow("attribute name of %d", n) << withPlayer("<Age " + name + "=\"1\">2</Age>");
    }
    for (int n : {64 * 1024, 64 * 1024 + 1, 4 * 1024 * 1024})
        QTest::addRow("value of %d characters", n) << withPlayer("<PlayerName>" + QByteArray(n, 'v') + "</PlayerName>");
    QTest::addRow("text of 4 MiB outside the values") << withPlayer(QByteArray(4 * 1024 * 1024, 't') + "<Age>2</Age>");
    for (int levels : {256, 257, 20000}) {
        // The player element is the fourth level.
        QTest::addRow("%d levels", levels) << withPlayer(QByteArray("<b>").repeated(levels - 4)
                                                         + QByteArray("</b>").repeated(levels - 4) + "<Age>2</Age>");
    }
    const QDir corpus(QStringLiteral(SQW_SAMPLE_DATA_DIR "/../fuzz/corpus/players"));
    const QStringList seeds = corpus.entryList(QDir::Files, QDir::Name);
    QVERIFY(!seeds.isEmpty());
    for (const QString &name : seeds)
        QTest::addRow("seed %s", qPrintable(name)) << readAll(corpus.filePath(name));
}

void TestPlayersFastScanner::agreesOnOutsizedAndFuzzCorpusInputs()
{
    QFETCH(QByteArray, xml);
    for (bool collect : {true, false}) {
        PD quick;
        if (!PlayersFastScanner::scan(xml, collect, quick))
            continue;
        const FullRead full = fullRead(xml, collect);
        QVERIFY2(full.wellFormed, qPrintable(full.error));
        QCOMPARE(difference(quick, full.doc), QString());
    }
}

void TestPlayersFastScanner::declines_data()
{
    QTest::addColumn<QByteArray>("xml");
    const QByteArray fine = withPlayer("<Age>1</Age>");
    QTest::newRow("document type") << QByteArray("<!DOCTYPE VelmorraData>\n" + fine.mid(fine.indexOf('\n') + 1));
    QTest::newRow("unterminated CDATA") << withPlayer("<PlayerName><![CDATA[Jean</PlayerName>");
    QTest::newRow("unknown entity") << withPlayer("<PlayerName>Jean&nbsp;Dupont</PlayerName>");
    QTest::newRow("entity without semicolon") << withPlayer("<PlayerName>Jean &amp Dupont</PlayerName>");
    QTest::newRow("bare ampersand") << withPlayer("<PlayerName>Jean & Dupont</PlayerName>");
    QTest::newRow("duplicate attribute") << withPlayer("<Age a=\"1\" a='2'>1</Age>");
    QTest::newRow("no space between attributes") << withPlayer("<Age a=\"1\"b=\"2\">1</Age>");
    QTest::newRow("unquoted attribute") << withPlayer("<Age a=1>1</Age>");
    QTest::newRow("less-than in attribute") << withPlayer("<Age a=\"<\">1</Age>");
    QTest::newRow("mismatched end tag") << withPlayer("<Age>1</Ag>");
    QTest::newRow("longer end tag") << withPlayer("<Age>1</Agex>");
    QTest::newRow("end tags crossed") << withPlayer("<Age><b>1</Age></b>");
    QTest::newRow("lone lead byte") << withPlayer("<PlayerName>No\xC3</PlayerName>");
    QTest::newRow("lone continuation byte") << withPlayer("<PlayerName>No\x80</PlayerName>");
    QTest::newRow("overlong slash") << withPlayer("<PlayerName>\xC0\xAF</PlayerName>");
    QTest::newRow("overlong three bytes") << withPlayer("<PlayerName>\xE0\x80\xAF</PlayerName>");
    QTest::newRow("encoded surrogate") << withPlayer("<PlayerName>\xED\xA0\x80</PlayerName>");
    QTest::newRow("beyond U+10FFFF") << withPlayer("<PlayerName>\xF4\x90\x80\x80</PlayerName>");
    QTest::newRow("U+FFFE") << withPlayer("<PlayerName>\xEF\xBF\xBE</PlayerName>");
    QTest::newRow("control character") << withPlayer("<PlayerName>a\x01</PlayerName>");
    QTest::newRow("NUL") << withPlayer(QByteArray("<PlayerName>a") + '\0' + "</PlayerName>");
    QTest::newRow("reference to NUL") << withPlayer("<PlayerName>&#0;</PlayerName>");
    QTest::newRow("reference to a control") << withPlayer("<PlayerName>&#x1F;</PlayerName>");
    QTest::newRow("reference to a surrogate") << withPlayer("<PlayerName>&#xD800;</PlayerName>");
    QTest::newRow("reference beyond Unicode") << withPlayer("<PlayerName>&#x110000;</PlayerName>");
    QTest::newRow("reference overflowing") << withPlayer("<PlayerName>&#4294967361;</PlayerName>");
    QTest::newRow("reference with capital X") << withPlayer("<PlayerName>&#X41;</PlayerName>");
    QTest::newRow("reference without digits") << withPlayer("<PlayerName>&#;</PlayerName>");
    QTest::newRow("reference to U+FFFF") << withPlayer("<PlayerName>&#xFFFF;</PlayerName>");
    QTest::newRow("CDATA end in text") << withPlayer("<PlayerName>a]]>b</PlayerName>");
    QTest::newRow("text after the root") << QByteArray(fine + "trailing");
    QTest::newRow("second root") << QByteArray(fine + "<Other/>");
    QTest::newRow("processing instruction") << withPlayer("<?render fast?><Age>1</Age>");
    QTest::newRow("prefixed name") << withPlayer("<v:Age>1</v:Age>");
    QTest::newRow("prefixed attribute") << withPlayer("<Age v:a=\"1\">1</Age>");
    QTest::newRow("non-ASCII name") << withPlayer("<\xC3\x82ge>1</\xC3\x82ge>");
    QTest::newRow("other encoding") << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>"
                                                  + fine.mid(fine.indexOf('\n')));
    QTest::newRow("version 1.1") << QByteArray("<?xml version=\"1.1\"?>" + fine.mid(fine.indexOf('\n')));
    QTest::newRow("declaration not first") << QByteArray(" " + fine);
    QTest::newRow("standalone maybe") << QByteArray("<?xml version=\"1.0\" standalone=\"maybe\"?>"
                                                    + fine.mid(fine.indexOf('\n')));
    QTest::newRow("double hyphen in comment") << withPlayer("<!-- a -- b --><Age>1</Age>");
    QTest::newRow("comment ending in hyphen") << withPlayer("<!-- a ---><Age>1</Age>");
    QTest::newRow("truncated") << fine.left(fine.size() - 10);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("declaration only") << QByteArray("<?xml version=\"1.0\"?>\n");
    QTest::newRow("UTF-16") << QByteArray("\xFF\xFE<\0a\0/\0>\0", 10);
}

// Anything outside the plain subset, and every fault, is left to the full parser.
void TestPlayersFastScanner::declines()
{
    QFETCH(QByteArray, xml);
    PD quick;
    QVERIFY(!PlayersFastScanner::scan(xml, true, quick));
}

void TestPlayersFastScanner::readsValues_data()
{
    QTest::addColumn<QByteArray>("inside");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("hasChildren");

    QTest::newRow("predefined entities") << QByteArray("<PlayerName>Luc &amp; Marc &lt;3&gt; &apos;x&apos; &quot;y&quot;</PlayerName>")
                                         << int(PD::FPlayerName) << QStringLiteral("Luc & Marc <3> 'x' \"y\"") << false;
    QTest::newRow("character references") << QByteArray("<PlayerName>&#74;&#x6f;&#xE9;&#0065;&#x1F600;</PlayerName>")
                                          << int(PD::FPlayerName) << QStringLiteral("Jo\u00E9A\U0001F600") << false;
    QTest::newRow("references to line ends stay") << QByteArray("<PlayerName>a&#13;&#10;b&#9;</PlayerName>")
                                                  << int(PD::FPlayerName) << QStringLiteral("a\r\nb\t") << false;
    QTest::newRow("UTF-8 name") << QByteArray("<PlayerName>\xC3\x8D\xC3\xB1igo \xE2\x82\xAC\xF0\x9F\x98\x80</PlayerName>")
                                << int(PD::FPlayerName) << QStringLiteral("\u00CD\u00F1igo \u20AC\U0001F600") << false;
    QTest::newRow("CR LF in a name") << QByteArray("<PlayerName>Jean\r\nDupont</PlayerName>")
                                     << int(PD::FPlayerName) << QStringLiteral("Jean\nDupont") << false;
    QTest::newRow("lone CR and CR CR LF") << QByteArray("<PlayerName>a\rb\r\r\nc\r</PlayerName>")
                                          << int(PD::FPlayerName) << QStringLiteral("a\nb\n\nc\n") << false;
    QTest::newRow("blanks around a value") << QByteArray("<Age> 5 </Age>") << int(PD::FAge) << QStringLiteral(" 5 ") << false;
    QTest::newRow("blank-only name") << QByteArray("<PlayerName>  </PlayerName>")
                                     << int(PD::FPlayerName) << QStringLiteral("  ") << false;
    QTest::newRow("tab and line end only") << QByteArray("<PlayerName>\t\r\n</PlayerName>")
                                           << int(PD::FPlayerName) << QStringLiteral("\t\n") << false;
    QTest::newRow("empty element") << QByteArray("<Age/>") << int(PD::FAge) << QString() << false;
    QTest::newRow("start and end tag only") << QByteArray("<Age></Age >") << int(PD::FAge) << QString() << false;
    QTest::newRow("comment inside a value") << QByteArray("<Age>2<!-- was 3 -->3</Age>") << int(PD::FAge) << QStringLiteral("23") << false;
    QTest::newRow("CDATA") << QByteArray("<PlayerName><![CDATA[<Jean & \"Luc\">]]]></PlayerName>")
                           << int(PD::FPlayerName) << QStringLiteral("<Jean & \"Luc\">]") << false;
    QTest::newRow("CR LF in CDATA") << QByteArray("<PlayerName>a<![CDATA[b\r\nc\rd]]></PlayerName>")
                                    << int(PD::FPlayerName) << QStringLiteral("ab\nc\nd") << false;
    QTest::newRow("greater-than and brackets") << QByteArray("<PlayerName>a > b ]] ] c]]&gt;</PlayerName>")
                                               << int(PD::FPlayerName) << QStringLiteral("a > b ]] ] c]]>") << false;
    QTest::newRow("child element") << QByteArray("<PlayerName>Jean <b>Du<i>p</i></b>ont</PlayerName>")
                                   << int(PD::FPlayerName) << QStringLiteral("Jean Dupont") << true;
    QTest::newRow("first of two") << QByteArray("<Age>21</Age><Age>22</Age>") << int(PD::FAge) << QStringLiteral("21") << false;
    QTest::newRow("attributes on a value") << QByteArray("<Age unit='years' note=\"a > b\" >30</Age>")
                                           << int(PD::FAge) << QStringLiteral("30") << false;
    QTest::newRow("trainer values") << QByteArray("<TrainerData kind='x'><TrainerType>2</TrainerType><TrainerType>3</TrainerType>"
                                                  "<TrainerSkill>7</TrainerSkill></TrainerData>")
                                    << int(PD::FTrainerType) << QStringLiteral("2") << false;
    QTest::newRow("trainer value outside TrainerData") << QByteArray("<TrainerType>2</TrainerType>")
                                                       << int(PD::FTrainerType) << QString() << false;
    QTest::newRow("value in an unknown element") << QByteArray("<Extra><Age>40</Age></Extra><Age>19</Age>")
                                                 << int(PD::FAge) << QStringLiteral("19") << false;
}

// Values as the loader sees them, worked out by hand; the full parser must agree.
void TestPlayersFastScanner::readsValues()
{
    QFETCH(QByteArray, inside);
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(bool, hasChildren);

    const QByteArray xml = withPlayer(inside);
    PD quick;
    QVERIFY(PlayersFastScanner::scan(xml, true, quick));
    QCOMPARE(int(quick.players.size()), 1);
    const PD::ValueSlot &slot = quick.players[0].values[field];
    QCOMPARE(slot.text, text);
    QCOMPARE(slot.text.isNull(), text.isNull());
    QCOMPARE(slot.hasChildren, hasChildren);
    QCOMPARE(slot.present, field != PD::FTrainerType || inside.contains("<TrainerData"));

    const FullRead full = fullRead(xml, true);
    QVERIFY(full.wellFormed);
    QCOMPARE(difference(quick, full.doc), QString());
}

void TestPlayersFastScanner::readsTheDocument_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("countText");
    QTest::addColumn<int>("elements");

    const QByteArray players = "<Player/><Player><Age>1</Age></Player>";
    QTest::newRow("no declaration") << QByteArray("<D><Team><PlayerList Count=\"2\">" + players + "</PlayerList></Team></D>")
                                    << QStringLiteral("2") << 2;
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF<?xml version='1.0'?><D><Team><PlayerList Count='2'>"
                                                   + players + "</PlayerList></Team></D>")
                                     << QStringLiteral("2") << 2;
    QTest::newRow("declaration in full") << QByteArray("<?xml version = \"1.0\" encoding = 'uTf-8' standalone = \"no\" ?>\r\n"
                                                       "<D><Team><PlayerList Count=\"2\">" + players + "</PlayerList></Team></D>")
                                         << QStringLiteral("2") << 2;
    QTest::newRow("comments everywhere") << QByteArray("<?xml version=\"1.0\"?><!-- a --><!----><D><!-- b -->"
                                                       "<Team><!-- c --><PlayerList Count=\"2\"><!-- d -->" + players
                                                       + "<!-- e --></PlayerList></Team></D><!-- f -\xC3\xA9- -->\n")
                                         << QStringLiteral("2") << 2;
    QTest::newRow("Count normalised") << QByteArray("<D><Team><PlayerList Count=\"\t2\r\n\r\"/></Team></D>")
                                      << QStringLiteral(" 2  ") << 0;
    QTest::newRow("Count from references") << QByteArray("<D><Team><PlayerList Count=\"&#50;&#x31;&#9;\"/></Team></D>")
                                           << QStringLiteral("21\t") << 0;
    QTest::newRow("Count among attributes") << QByteArray("<D><Team><PlayerList\r\n a=\"'\" Count='\"3' b=''>"
                                                          + players + "</PlayerList></Team></D>")
                                            << QStringLiteral("\"3") << 2;
    QTest::newRow("first Team and PlayerList") << QByteArray("<D><x><Team><PlayerList Count='9'/></Team></x><Team>"
                                                             "<PlayerList Count='1'>" + players + "</PlayerList>"
                                                             "<PlayerList Count='5'/></Team><Team><PlayerList Count='7'/></Team></D>")
                                               << QStringLiteral("1") << 2;
}

// The document's frame: the first Team and PlayerList, the Count as written after XML's
// normalisation of attribute values, and every child of PlayerList counted.
void TestPlayersFastScanner::readsTheDocument()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, countText);
    QFETCH(int, elements);

    PD quick;
    QVERIFY(PlayersFastScanner::scan(xml, true, quick));
    QVERIFY(quick.hasTeam && quick.hasPlayerList && quick.hasCount);
    QCOMPARE(quick.countText, countText);
    QCOMPARE(quick.elementCount, elements);

    const FullRead full = fullRead(xml, true);
    QVERIFY(full.wellFormed);
    QCOMPARE(difference(quick, full.doc), QString());
}

// Players beyond the roster's capacity, and all of them when only counting, are counted
// but not gathered.
void TestPlayersFastScanner::gathersOnlyTheRosterCapacity()
{
    QByteArray xml = "<D><Team><PlayerList Count=\"150\">";
    for (int i = 1; i <= 105; ++i)
        xml += "<P><PlayerID>" + QByteArray::number(i) + "</PlayerID></P>";
    xml += "</PlayerList></Team></D>";

    PD quick;
    QVERIFY(PlayersFastScanner::scan(xml, true, quick));
    QCOMPARE(quick.count, 150);
    QCOMPARE(quick.elementCount, 105);
    QCOMPARE(int(quick.players.size()), 101);
    QCOMPARE(quick.players[100].values[PD::FPlayerID].text, QStringLiteral("101"));
    QCOMPARE(difference(quick, fullRead(xml, true).doc), QString());

    PD counting;
    QVERIFY(PlayersFastScanner::scan(xml, false, counting));
    QCOMPARE(counting.elementCount, 105);
    QVERIFY(counting.players.empty());
    QCOMPARE(difference(counting, fullRead(xml, false).doc), QString());
}

QTEST_GUILESS_MAIN(TestPlayersFastScanner)
#include "tst_playersfastscanner.moc"
