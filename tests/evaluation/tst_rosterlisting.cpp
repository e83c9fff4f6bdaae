#include "evaluation/RosterListing.h"

#include <QtTest>
#include <algorithm>
#include <memory>

namespace {

std::unique_ptr<Roster> rosterOf(const QStringList &names)
{
    auto roster = std::make_unique<Roster>();
    for (int i = 0; i < names.size(); ++i) {
        roster->players[i].PlayerName = names[i];
        roster->players[i].PlayerID = QString::number(100 + i);
    }
    roster->count = int32_t(names.size());
    return roster;
}

QStringList namesInOrder(const Roster &roster, const QList<int> &order)
{
    QStringList names;
    for (int i : order)
        names << roster.players[i].PlayerName;
    return names;
}

} // namespace

class TestRosterListing : public QObject {
    Q_OBJECT
private slots:
    void namesSortByCollation_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("C (falls back to English)") << QLocale::c();
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedKingdom);
        QTest::newRow("French") << QLocale(QLocale::French, QLocale::France);
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
    }
    void namesSortByCollation()
    {
        QFETCH(QLocale, locale);
        auto roster = rosterOf({"Zoé Roux", "Émile Blanc", "adam Petit", "Eric Morel", "emile Blanc",
                                "Emilie Faure", "Adam Perrin"});
        const QList<int> order =
            RosterListing::displayOrder(*roster, roster->count, RosterListing::nameCollator(locale));
        const QStringList names = namesInOrder(*roster, order);
        QCOMPARE(names.size(), 7);
        // Accents and case do not separate a name from its plain spelling.
        QCOMPARE(QSet<QString>(names.begin(), names.begin() + 2),
                 (QSet<QString>{"Adam Perrin", "adam Petit"}));
        QCOMPARE(names[0], QStringLiteral("Adam Perrin")); // Perrin before Petit, whatever the case
        QCOMPARE(QSet<QString>(names.begin() + 2, names.begin() + 4),
                 (QSet<QString>{"Émile Blanc", "emile Blanc"}));
        QCOMPARE(names.mid(4), (QStringList{"Emilie Faure", "Eric Morel", "Zoé Roux"}));
    }

    void eachRowNumbersItsOwnRecord()
    {
        auto roster = rosterOf({"Jean Dupont", "Albert Noël", "Jean Dupont", "Bruno Caron"});
        roster->players[3].ListPosition = 77; // beyond the rows filled: untouched
        const QStringList candidates =
            RosterListing::fill(*roster, 3, QLocale(QLocale::French, QLocale::France));
        QCOMPARE(candidates, (QStringList{"", "Albert Noël", "Jean Dupont", "Jean Dupont"}));
        QCOMPARE(roster->players[1].ListPosition, 1);
        // Two players of one name: each his own entry, in roster order.
        QCOMPARE(roster->players[0].ListPosition, 2);
        QCOMPARE(roster->players[2].ListPosition, 3);
        QCOMPARE(roster->players[3].ListPosition, 77);
    }

    void positionsPointAtTheirNames_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::newRow("all the same") << QStringList{"Léo", "Léo", "Léo", "Léo"};
        QTest::newRow("mixed") << QStringList{"b", "A", "a", "B", "", "É", "e", "A"};
        QTest::newRow("one") << QStringList{"Seul"};
        QTest::newRow("none") << QStringList{};
    }
    void positionsPointAtTheirNames()
    {
        QFETCH(QStringList, names);
        auto roster = rosterOf(names);
        const QStringList candidates = RosterListing::fill(*roster, roster->count, QLocale::c());
        QCOMPARE(candidates.size(), names.size() + 1);
        QCOMPARE(candidates.first(), QString());
        QList<int> positions;
        for (int i = 0; i < names.size(); ++i) {
            const int p = roster->players[i].ListPosition;
            positions << p;
            QVERIFY(p >= 1 && p <= names.size());
            QCOMPARE(candidates[p], names[i]);
        }
        std::sort(positions.begin(), positions.end());
        for (int i = 0; i < positions.size(); ++i)
            QCOMPARE(positions[i], i + 1); // every position given once
    }

    void formatValue_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("french");
        QTest::addColumn<QString>("english");
        QTest::newRow("worked value") << 5.816869 << "5,82" << "5.82";
        QTest::newRow("two decimals") << 12.34 << "12,34" << "12.34";
        QTest::newRow("whole") << 5.0 << "5,00" << "5.00";
        QTest::newRow("zero") << 0.0 << "0,00" << "0.00";
        QTest::newRow("negative zero") << -0.0 << "0,00" << "0.00";
        QTest::newRow("negative") << -3.456 << "-3,46" << "-3.46";
        QTest::newRow("no group separator") << 1234.5 << "1234,50" << "1234.50";
    }
    void formatValue()
    {
        QFETCH(double, value);
        QFETCH(QString, french);
        QFETCH(QString, english);
        QCOMPARE(RosterListing::formatValue(value, QLocale(QLocale::French, QLocale::France)), french);
        QCOMPARE(RosterListing::formatValue(value, QLocale(QLocale::English, QLocale::UnitedStates)), english);
    }

    void compareTexts_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("sign");
        const QLocale fr(QLocale::French, QLocale::France);
        const QLocale en(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("fr values") << fr << "5,82" << "12,34" << -1;
        QTest::newRow("en values") << en << "5.82" << "12.34" << -1;
        QTest::newRow("integers") << en << "10" << "9" << 1;
        QTest::newRow("negative") << fr << "-1,50" << "0,00" << -1;
        QTest::newRow("equal numbers") << fr << "5" << "5,00" << 0;
        QTest::newRow("number before text") << en << "99" << "abc" << -1;
        QTest::newRow("text after number") << en << "DL" << "3" << 1;
        QTest::newRow("texts by collation") << fr << "Émile" << "Zoé" << -1;
        QTest::newRow("infinity is text") << en << "inf" << "5" << 1;
    }
    void compareTexts()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, sign);
        const QCollator collator = RosterListing::nameCollator(locale);
        const int got = RosterListing::compareTexts(a, b, locale, collator);
        QCOMPARE((got > 0) - (got < 0), sign);
        const int back = RosterListing::compareTexts(b, a, locale, collator);
        QCOMPARE((back > 0) - (back < 0), -sign);
    }

    void compareTextsSortsAColumn()
    {
        // Numbers and texts mixed: numbers first in numeric order, then texts, so that no
        // three texts compare in a circle ("2" < "10", "10" < "1a" and "1a" < "2" as texts).
        const QLocale en(QLocale::English, QLocale::UnitedStates);
        const QCollator collator = RosterListing::nameCollator(en);
        QStringList column{"1a", "10", "2", "ATT", "-4.5", "G", "2.25", "", "0"};
        std::sort(column.begin(), column.end(), [&](const QString &x, const QString &y) {
            return RosterListing::compareTexts(x, y, en, collator) < 0;
        });
        QCOMPARE(column, (QStringList{"-4.5", "0", "2", "2.25", "10", "", "1a", "ATT", "G"}));
    }
};

QTEST_GUILESS_MAIN(TestRosterListing)
#include "tst_rosterlisting.moc"
