#include "common/NameTables.h"
#include "evaluation/PlayerDetailModel.h"
#include "evaluation/PlayerTrialModel.h"
#include "evaluation/RosterColumns.h"
#include "common/Vocabulary.h"
#include "support/ProgramFolder.h"
#include "support/OwnTexts.h"

#include <QtTest>
#include <memory>

using D = PlayerDetailModel;

namespace {

const QLocale kFrench(QLocale::French, QLocale::France);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

Tplayer player()
{
    Tplayer p;
    p.PlayerID = QStringLiteral("314159");
    p.PlayerName = QStringLiteral("Loïc Ménard");
    p.Age = 23;
    p.TSI = 12345;
    p.Experience = 3;
    p.PlayerForm = 6;
    p.StaminaSkill = 6;
    p.PlaymakerSkill = 4;
    p.WingerSkill = 7;
    p.ScorerSkill = 2;
    p.KeeperSkill = 1;
    p.PassingSkill = 5;
    p.DefenderSkill = 8;
    p.SetPiecesSkill = 3;
    p.BestKind = 3;
    p.BestAbbreviation = QStringLiteral("DLD");
    p.BestPositionName = QStringLiteral("Défenseur latéral défensif");
    p.BestValue = 12.34;
    p.Description = QStringLiteral("23 an, Passable forme\r\n\r\na sympa type");
    p.InjuryLevel = -1;
    p.Cards = 0;
    return p;
}

// A roster of just this player.
std::unique_ptr<Roster> rosterWith(const Tplayer &p)
{
    auto roster = std::make_unique<Roster>();
    roster->players[0] = p;
    roster->count = 1;
    return roster;
}

} // namespace

class TestPlayerWindows : public QObject {
    Q_OBJECT
private slots:
    // ---- detail window ----

    void detailTexts()
    {
        Tplayer p = player();
        const D m = D::forPlayer(p);
        QCOMPARE(m.name, QStringLiteral("Loïc Ménard ( 314159  )"));
        QCOMPARE(m.position, QStringLiteral("Défenseur latéral défensif"));
        QCOMPARE(m.tsi, QStringLiteral("TSI : 12345")); // no group separator
        QCOMPARE(m.description, p.Description);
        // Stamina, playmaking, winger, scoring | keeper, passing, defending, set pieces.
        QCOMPARE(m.values[D::Stamina], QStringLiteral("Passable"));
        QCOMPARE(m.values[D::Playmaking], QStringLiteral("Faible"));
        QCOMPARE(m.values[D::Winger], QStringLiteral("Honorable"));
        QCOMPARE(m.values[D::Scoring], QStringLiteral("Très mauvais"));
        QCOMPARE(m.values[D::Keeper], QStringLiteral("Catastrophique"));
        QCOMPARE(m.values[D::Passing], QStringLiteral("Inadéquat"));
        QCOMPARE(m.values[D::Defending], QStringLiteral("Très bon"));
        QCOMPARE(m.values[D::SetPiece], QStringLiteral("Médiocre"));
        QVERIFY(!m.specialityVisible);
        QVERIFY(m.speciality.isEmpty());

        p.SpecialtyText = QStringLiteral("Imprévisible");
        p.KeeperSkill = 21; // beyond the scale: no name, no failure
        const D n = D::forPlayer(p);
        QVERIFY(n.specialityVisible);
        QCOMPARE(n.speciality, QStringLiteral("Imprévisible"));
        QCOMPARE(n.values[D::Keeper], QString());
    }

    void detailNamesFollowTheLanguage()
    {
        TestSupport::OwnTexts texts;
        QVERIFY(texts.names.setItem(QStringLiteral("LDenomination"), 8, QStringLiteral("excellent")));
        QCOMPARE(D::forPlayer(player()).values[D::Defending], QStringLiteral("excellent"));
    }

    void detailPictures_data()
    {
        QTest::addColumn<int>("injury");
        QTest::addColumn<int>("cards");
        QTest::addColumn<QString>("injuryPicture");
        QTest::addColumn<QString>("injuryLabel");
        QTest::addColumn<QString>("cardPicture");
        QTest::newRow("fit, no card") << -1 << 0 << "" << "" << "";
        QTest::newRow("well below fit") << -7 << 0 << "" << "" << "";
        QTest::newRow("bruised, one yellow") << 0 << 1 << "pansement.bmp" << "" << "YCard1.gif";
        QTest::newRow("two weeks, two yellow") << 2 << 2 << "croixR.bmp" << "(+2)" << "YCard2.gif";
        QTest::newRow("one week, red") << 1 << 3 << "croixR.bmp" << "(+1)" << "RCard.gif";
        QTest::newRow("long, unknown card code") << 12 << 4 << "croixR.bmp" << "(+12)" << "";
        QTest::newRow("negative card code") << -1 << -2 << "" << "" << "";
    }
    void detailPictures()
    {
        QFETCH(int, injury);
        QFETCH(int, cards);
        QFETCH(QString, injuryPicture);
        QFETCH(QString, injuryLabel);
        QFETCH(QString, cardPicture);
        Tplayer p = player();
        p.InjuryLevel = injury;
        p.Cards = cards;
        const D m = D::forPlayer(p);
        QCOMPARE(m.injuryVisible, !injuryPicture.isEmpty());
        QCOMPARE(m.injuryPicture, injuryPicture);
        QCOMPARE(m.injuryLabelVisible, !injuryLabel.isEmpty());
        QCOMPARE(m.injuryLabel, injuryLabel);
        QCOMPARE(m.cardVisible, !cardPicture.isEmpty());
        QCOMPARE(m.cardPicture, cardPicture);
    }

    void highlights_data()
    {
        // Letters per skill in window order: stamina, playmaking, winger, scoring, keeper,
        // passing, defending, set pieces. k black, r red, b blue, g green.
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("colours");
        QTest::newRow("trainer") << 0 << "kkkkkkkk";
        QTest::newRow("keeper") << 1 << "kkkkrkkk";
        QTest::newRow("DLD") << 3 << "kkbkkkrk";
        QTest::newRow("DLM") << 5 << "bkbkkkrk";
        QTest::newRow("DCO") << 7 << "bbkkkkrk";
        QTest::newRow("winger") << 9 << "bbrkkgkk";
        QTest::newRow("defensive winger") << 10 << "ggrkkkbk";
        QTest::newRow("AM") << 12 << "rrbkkgkk";
        QTest::newRow("midfielder") << 13 << "rrkkkbbk";
        QTest::newRow("MO") << 15 << "rrkkkbgk";
        QTest::newRow("MA") << 16 << "rrbkkggk";
        QTest::newRow("forward") << 17 << "kkkrkbkk";
        QTest::newRow("ATD") << 18 << "bbkrkgkk";
        QTest::newRow("ATA") << 19 << "kkgrkbkk";
        QTest::newRow("beyond the kinds") << 20 << "kkkkkkkk";
        QTest::newRow("negative") << -1 << "kkkkkkkk";
    }
    void highlights()
    {
        QFETCH(int, kind);
        QFETCH(QString, colours);
        Tplayer p = player();
        p.BestKind = kind;
        const D m = D::forPlayer(p);
        QString got;
        for (D::Highlight h : m.colours)
            got += QLatin1Char("krbg"[h]);
        QCOMPARE(got, colours);
    }

    void setPiecesNeverColoured()
    {
        for (int kind = 0; kind <= 19; ++kind)
            QCOMPARE(D::highlight(kind, D::SetPiece), D::Black);
    }

    // ---- trial window ----

    void trialForBestKindDLD()
    {
        Tplayer p = player();
        for (int k = 1; k <= 19; ++k)
            p.PositionValue[k - 1] = k * 0.5; // 0.5 .. 9.5, all below DLD
        p.PositionValue[2] = 12.34;              // kind 3, DLD
        p.BestPositionName = vocab(QStringLiteral("DEFLATERALDEF"));
        auto roster = rosterWith(p);

        const PlayerTrialModel m = PlayerTrialModel::forRecord(*roster, 0, kFrench);
        QCOMPARE(m.bestPosition, QStringLiteral("Défenseur latéral défensif"));
        QCOMPARE(m.bestValue, QStringLiteral("12,34"));
        QCOMPARE(m.rows.size(), 19);
        QCOMPARE(m.rows[0].kind, 3);
        QCOMPARE(m.rows[0].position, QStringLiteral("Défenseur latéral défensif"));
        QCOMPARE(m.rows[0].valueText, QStringLiteral("12,34"));
        QCOMPARE(m.rows[0].starsText, QStringLiteral("6,00")); // 6,17 rounds down to 6
        // Then the others from the highest: ATA 9,50, ATD 9,00, ...
        QCOMPARE(m.rows[1].kind, 19);
        QCOMPARE(m.rows[1].valueText, QStringLiteral("9,50"));
        QCOMPARE(m.rows[1].starsText, QStringLiteral("5,00")); // 4,75: a fraction of 0,75 gives the next star
        QCOMPARE(m.rows[18].kind, 1);
        QCOMPARE(m.rows[18].valueText, QStringLiteral("0,50"));
        QCOMPARE(m.rows[18].starsText, QStringLiteral("0,00"));
        QCOMPARE(PlayerTrialModel::forRecord(*roster, 0, kEnglish).bestValue, QStringLiteral("12.34"));
    }

    void stars_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("stars");
        QTest::newRow("7,2: 3,6") << 7.2 << "3,50";
        QTest::newRow("7,6: 3,8") << 7.6 << "4,00";
        QTest::newRow("6,9: 3,45") << 6.9 << "3,00";
        QTest::newRow("7,0: 3,5 exactly") << 7.0 << "3,50";
        QTest::newRow("7,5: 3,75 exactly") << 7.5 << "4,00";
        QTest::newRow("1,4: 0,7") << 1.4 << "0,50";
        QTest::newRow("0,9: 0,45") << 0.9 << "0,00";
        QTest::newRow("zero") << 0.0 << "0,00";
        QTest::newRow("20: ten stars") << 20.0 << "10,00";
    }
    void stars()
    {
        QFETCH(double, value);
        QFETCH(QString, stars);
        Tplayer p = player();
        p.PositionValue.fill(-1.0);
        p.PositionValue[12] = value; // kind 13, highest
        auto roster = rosterWith(p);
        const PlayerTrialModel m = PlayerTrialModel::forRecord(*roster, 0, kFrench);
        QCOMPARE(m.rows[0].kind, 13);
        QCOMPARE(m.rows[0].starsText, stars);
    }

    void equalValuesKeepTheNameOrder()
    {
        Tplayer p = player();
        p.PositionValue.fill(4.0);
        auto roster = rosterWith(p);
        const PlayerTrialModel m = PlayerTrialModel::forRecord(*roster, 0, kFrench);
        QList<int> kinds;
        for (const auto &row : m.rows)
            kinds << row.kind;
        QCOMPARE(kinds, (QList<int>{1, 2, 4, 3, 5, 6, 7, 8, 9, 11, 10, 12, 13, 15, 14, 16, 17, 18, 19}));
        QCOMPARE(m.rows[18].position, QStringLiteral("Attaquant vers l'aile"));
    }

    void notANumberGoesLast()
    {
        Tplayer p = player();
        p.PositionValue.fill(1.0);
        p.PositionValue[0] = qQNaN();
        p.PositionValue[5] = 3.0;
        auto roster = rosterWith(p);
        const PlayerTrialModel m = PlayerTrialModel::forRecord(*roster, 0, kFrench);
        QCOMPARE(m.rows.first().kind, 6);
        QCOMPARE(m.rows.last().kind, 1);
    }

    void noPlayerEmptiesEverything_data()
    {
        QTest::addColumn<int>("record");
        QTest::newRow("no record") << -1;
        QTest::newRow("beyond the count") << 1;
        QTest::newRow("beyond the roster") << 101;
    }
    void noPlayerEmptiesEverything()
    {
        QFETCH(int, record);
        auto roster = rosterWith(player());
        const PlayerTrialModel m = PlayerTrialModel::forRecord(*roster, record, kFrench);
        QVERIFY(m.isEmpty());
        QVERIFY(m.bestPosition.isEmpty());
        QVERIFY(m.bestValue.isEmpty());
    }

    void entryToRecord()
    {
        auto roster = std::make_unique<Roster>();
        roster->count = 3;
        roster->players[0].ListPosition = 2;
        roster->players[1].ListPosition = 1;
        roster->players[2].ListPosition = 3;
        roster->players[3].ListPosition = 4; // beyond the count
        const QStringList entries{"", "Albert", "Bruno", "", "Denis"};
        QCOMPARE(PlayerTrialModel::recordOfEntry(*roster, entries, 0), -1);
        QCOMPARE(PlayerTrialModel::recordOfEntry(*roster, entries, 1), 1);
        QCOMPARE(PlayerTrialModel::recordOfEntry(*roster, entries, 2), 0);
        QCOMPARE(PlayerTrialModel::recordOfEntry(*roster, entries, 3), -1); // empty text
        QCOMPARE(PlayerTrialModel::recordOfEntry(*roster, entries, 4), -1); // no record in the squad
        QCOMPARE(PlayerTrialModel::recordOfEntry(*roster, entries, 5), -1);
        QCOMPARE(PlayerTrialModel::recordOfEntry(*roster, entries, -1), -1);
        roster->count = -4; // never trusted beyond the roster
        QCOMPARE(PlayerTrialModel::recordOfEntry(*roster, entries, 1), -1);
    }

    // ---- roster list columns ----

    void columns()
    {
        const QStringList captions = RosterColumns::captions();
        QCOMPARE(captions.size(), 35);
        QCOMPARE(captions.mid(0, 7), (QStringList{"Nom", "Age", "Id", "POS", "VAL", "TSI", "Expérience"}));
        QCOMPARE(captions[15], QStringLiteral("Coup de pieds"));
        QCOMPARE(captions.mid(16, 4), (QStringList{"G", "DL", "DLD", "DLO"}));
        QCOMPARE(captions.mid(24, 4), (QStringList{"AL", "ALD", "ALO", "ALM"}));
        QCOMPARE(captions.last(), QStringLiteral("ATA"));
        QCOMPARE(RosterColumns::caption(35), QString());

        // Values right-aligned, except the last column.
        QCOMPARE(RosterColumns::alignment(33), Qt::AlignRight);
        QCOMPARE(RosterColumns::alignment(34), Qt::AlignLeft);
        QCOMPARE(RosterColumns::width(-1), 0);
    }

    void rowTexts()
    {
        Tplayer p = player();
        for (int k = 1; k <= 19; ++k)
            p.PositionValue[k - 1] = k + 0.25;
        p.PositionValue[0] = 5.81687;
        p.PositionValue[17] = 1234.5; // no group separator
        const QStringList t = RosterColumns::rowTexts(p, kFrench);
        QCOMPARE(t.size(), 35);
        QCOMPARE(t.mid(0, 16), (QStringList{"Loïc Ménard", "23", "314159", "DLD", "12,34", "12345", "3", "6",
                                             "6", "4", "7", "2", "1", "5", "8", "3"}));
        QCOMPARE(t[16], QStringLiteral("5,82"));
        QCOMPARE(t[17], QStringLiteral("2,25"));
        QCOMPARE(t[32], QStringLiteral("17,25"));
        QCOMPARE(t[33], QStringLiteral("1234,50"));
        QCOMPARE(t[34], QStringLiteral("19,25"));
        QCOMPARE(RosterColumns::rowTexts(p, kEnglish)[16], QStringLiteral("5.82"));
    }
};

QTEST_GUILESS_MAIN(TestPlayerWindows)
#include "tst_playerwindows.moc"
