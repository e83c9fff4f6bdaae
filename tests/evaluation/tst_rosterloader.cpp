#include "common/NameTables.h"
#include "common/NumberText.h"
#include "evaluation/RosterLoader.h"
#include "common/AppError.h"
#include "common/Vocabulary.h"
#include "support/ProgramFolder.h"
#include "support/OwnTexts.h"
#include "support/Files.h"

#include <QtTest>
#include <QCryptographicHash>
#include <QTemporaryDir>
#include <climits>
#include <cmath>
#include <memory>

namespace {

QString fixture(const QString &name)
{
    return QStringLiteral(SQW_TEST_DATA_DIR "/players/") + name;
}

// Passe 10, Ailier 30, Buteur 60 for the wing back (kind 2); stamina 10, form 20, experience 10.
FormulaWeights workedWeights()
{
    FormulaWeights w;
    w.skill[1][2] = 10;
    w.skill[1][3] = 30;
    w.skill[1][5] = 60;
    w.endurance = 10;
    w.forme = 20;
    w.experience = 10;
    return w;
}

// A players file of `elements` generated players whose PlayerList says `count`.
QByteArray generatedFile(int count, int elements, int trainerEvery = 0)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<VelmorraData><Team><PlayerList Count=\""
        + QByteArray::number(count) + "\">\n";
    for (int i = 1; i <= elements; ++i) {
        xml += "<Player>";
        if (trainerEvery > 0 && i % trainerEvery == 0)
            xml += "<TrainerData><TrainerType>" + QByteArray::number(i % 3)
                + "</TrainerType><TrainerSkill>" + QByteArray::number(i % 8 + 1) + "</TrainerSkill></TrainerData>";
        xml += "<PlayerID>" + QByteArray::number(5000 + i) + "</PlayerID><PlayerName>Joueur "
            + QByteArray::number(i) + "</PlayerName>";
        const char *names[] = {"Age", "TSI", "PlayerNumber", "PlayerForm", "Experience", "Leadership",
                               "StaminaSkill", "PlaymakerSkill", "PassingSkill", "WingerSkill",
                               "DefenderSkill", "ScorerSkill", "KeeperSkill", "SetPiecesSkill",
                               "InjuryLevel", "Cards", "Agreeability", "Aggressiveness", "Honesty",
                               "Specialty"};
        for (const char *n : names)
            xml += QByteArray("<") + n + ">" + QByteArray::number(i % 5 + 1) + "</" + n + ">";
        xml += "</Player>\n";
    }
    xml += "</PlayerList></Team></VelmorraData>\n";
    return xml;
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &content)
{
    return TestSupport::writeFile(dir.filePath(name), content);
}

QString failureReason(const QString &file, Roster &roster)
{
    try {
        RosterLoader::load(file, workedWeights(), roster);
    } catch (const DataFileError &e) {
        if (e.file() != file)
            return QStringLiteral("wrong file in error: ") + e.file();
        return e.reason();
    }
    return QString();
}

} // namespace

class TestRosterLoader : public QObject {
    Q_OBJECT
private slots:
    void loadsEveryField()
    {
        auto roster = std::make_unique<Roster>();
        roster->players[0].ListPosition = 42;
        roster->players[2].CaptainValue = 7.5;
        const RosterLoadResult result = RosterLoader::load(fixture("valid.xml"), workedWeights(), *roster);
        QCOMPARE(result.count, 4);
        QCOMPARE(result.listed, 4);
        QCOMPARE(roster->count, 4);
        QVERIFY2(result.warnings.isEmpty(), qPrintable(result.warnings.join('\n')));

        const Tplayer &jean = roster->players[0];
        QCOMPARE(jean.PlayerID, QStringLiteral("1001"));
        QCOMPARE(jean.PlayerName, QStringLiteral("Jean Dupont"));
        QCOMPARE(jean.ListPosition, 42); // the loader leaves it to the roster list
        QCOMPARE(jean.Age, 23);
        QCOMPARE(jean.TSI, 1500);
        QCOMPARE(jean.PlayerNumber, 7);
        QCOMPARE(jean.PlayerForm, 6);
        QCOMPARE(jean.Experience, 3);
        QCOMPARE(jean.Leadership, 4);
        QCOMPARE(jean.StaminaSkill, 6);
        QCOMPARE(jean.PlaymakerSkill, 5);
        QCOMPARE(jean.PassingSkill, 5);
        QCOMPARE(jean.WingerSkill, 4);
        QCOMPARE(jean.DefenderSkill, 3);
        QCOMPARE(jean.ScorerSkill, 7);
        QCOMPARE(jean.KeeperSkill, 1);
        QCOMPARE(jean.SetPiecesSkill, 2);
        QCOMPARE(jean.InjuryLevel, -1);
        QCOMPARE(jean.Cards, 0);
        QCOMPARE(jean.AgreeabilityText, QStringLiteral("sympa"));
        QCOMPARE(jean.AggressivenessText, QStringLiteral("équilibré"));
        QCOMPARE(jean.HonestyText, QStringLiteral("honnête"));
        QCOMPARE(jean.SpecialtyText, QStringLiteral("Technique"));
        QCOMPARE(jean.Description,
                 QStringLiteral("23 an, Passable forme\r\n\r\na sympa type, équilibré, honnête, \r\n\r\n"
                                "Médiocre expérience, Faible tempérament de chef"));
        QVERIFY(jean.Selectable);
        QCOMPARE(jean.TrainerType, 0);
        QCOMPARE(jean.TrainerSkill, 0);

        // Elements in reverse order, with unknown elements, a comment and a second Age.
        const Tplayer &emile = roster->players[1];
        QCOMPARE(emile.PlayerID, QStringLiteral("1002"));
        QCOMPARE(emile.PlayerName, QStringLiteral("Émile Martin"));
        QCOMPARE(emile.Age, 27);
        QCOMPARE(emile.TSI, 2210);
        QCOMPARE(emile.Experience, 5);
        QCOMPARE(emile.PlaymakerSkill, 2);
        QCOMPARE(emile.SetPiecesSkill, 8);
        QCOMPARE(emile.InjuryLevel, 0);
        QCOMPARE(emile.Cards, 1);
        QCOMPARE(emile.Agreeability, 4);
        QCOMPARE(emile.AgreeabilityText, QStringLiteral("populaire"));
        QCOMPARE(emile.AggressivenessText, QStringLiteral("s'emporte facilement"));
        QCOMPARE(emile.HonestyText, QStringLiteral("exemplaire"));
        QCOMPARE(emile.SpecialtyText, QString());
        // He is the worked example of the wing back formula.
        QVERIFY(std::fabs(emile.value(2) - 5.81687) < 1e-5);
        QVERIFY(std::fabs(emile.CaptainValue - 4.92955) < 1e-5);
        QCOMPARE(emile.BestKind, 2);
        QCOMPARE(emile.BestAbbreviation, QStringLiteral("DL"));

        // The trainer.
        const Tplayer &marc = roster->players[2];
        QVERIFY(!marc.Selectable);
        QCOMPARE(marc.TrainerType, 1);
        QCOMPARE(marc.TrainerSkill, 5);
        QCOMPARE(marc.BestKind, 0);
        QCOMPARE(marc.BestValue, 5.0);
        QCOMPARE(marc.BestAbbreviation, QStringLiteral("ENT"));
        QCOMPARE(marc.CaptainValue, 7.5); // trainer type 1 keeps it
        QVERIFY(marc.value(2) > 0.0);
        const TEntraineur &trainer = roster->trainers[0];
        QCOMPARE(trainer.PlayerID, QStringLiteral("1003"));
        QCOMPARE(trainer.PlayerName, QStringLiteral("Marc Lefèvre"));
        QCOMPARE(trainer.Age, 41);
        QCOMPARE(trainer.TrainerType, 1);
        QCOMPARE(trainer.TrainerSkill, 5);
        QCOMPARE(trainer.Unused, QString());
        QCOMPARE(trainer.TrainerSkillText, QStringLiteral("Inadéquat"));
        QCOMPARE(trainer.TrainerCaption, QStringLiteral("Entraineur Offensif"));
        QCOMPARE(roster->trainerTypeIndex(), 1);

        // Same name as the first player, under another element name.
        const Tplayer &second = roster->players[3];
        QCOMPARE(second.PlayerName, QStringLiteral("Jean Dupont"));
        QCOMPARE(second.PlayerID, QStringLiteral("1004"));
        QCOMPARE(second.SpecialtyText, QStringLiteral("Joueur de tête"));
        QVERIFY(second.Selectable);
    }

    void wordsComeFromTheCurrentTables()
    {
        TestSupport::OwnTexts texts;
        QVERIFY(texts.names.setItem(QStringLiteral("Lagreability"), 2, QStringLiteral("friendly")));
        QVERIFY(texts.vocabulary.setText(QStringLiteral("AN"), QStringLiteral("years")));
        auto roster = std::make_unique<Roster>();
        RosterLoader::load(fixture("valid.xml"), workedWeights(), *roster);
        QCOMPARE(roster->players[0].AgreeabilityText, QStringLiteral("friendly"));
        QVERIFY(roster->players[0].Description.startsWith(QStringLiteral("23 years, ")));
    }

    void failures_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<int>("countAfter");      // -1: unchanged
        QTest::addColumn<int>("firstUntouched");  // records from here on keep the earlier load

        QTest::newRow("no such file") << "absent.xml" << "le fichier n'existe pas" << -1 << 0;
        QTest::newRow("malformed") << "malformed.xml" << "XML mal formé à la ligne 11, colonne" << -1 << 0;
        QTest::newRow("no Team") << "no-team.xml" << "l'élément Team manque" << -1 << 0;
        QTest::newRow("no PlayerList") << "no-playerlist.xml" << "l'élément PlayerList manque dans Team" << -1 << 0;
        QTest::newRow("no Count") << "no-count.xml" << "l'attribut Count de PlayerList manque" << -1 << 0;
        QTest::newRow("Count not an integer") << "count-not-integer.xml"
                                              << "l'attribut Count de PlayerList n'est pas un entier : \"1a\"" << -1 << 0;
        QTest::newRow("Count negative") << "count-negative.xml"
                                        << "l'attribut Count de PlayerList est négatif : -1" << -1 << 0;
        QTest::newRow("Count beyond the elements") << "count-larger.xml"
            << "le joueur 3 manque : Count vaut 3 mais PlayerList ne contient que 2 joueurs" << 3 << 2;
        QTest::newRow("skill not an integer") << "bad-skill.xml"
            << "joueur 2 (Luc Girard): l'élément PassingSkill n'est pas un entier : \"abc\"" << 3 << 2;
        QTest::newRow("required element missing") << "missing-element.xml"
            << "joueur 2 (Luc Girard): l'élément Cards manque" << 3 << 2;
        QTest::newRow("value holding an element") << "value-with-child.xml"
            << "joueur 2 (Luc Girard): l'élément Age contient des éléments au lieu d'une valeur" << 3 << 2;
        QTest::newRow("name holding an element") << "name-with-child.xml"
            << "joueur 2: l'élément PlayerName contient des éléments au lieu d'une valeur" << 3 << 2;
    }
    void failures()
    {
        QFETCH(QString, file);
        QFETCH(QString, reason);
        QFETCH(int, countAfter);
        QFETCH(int, firstUntouched);

        auto roster = std::make_unique<Roster>();
        RosterLoader::load(fixture("valid.xml"), workedWeights(), *roster);
        const auto before = std::make_unique<Roster>(*roster);

        const QString got = failureReason(fixture(file), *roster);
        QVERIFY2(got.startsWith(reason), qPrintable(got));
        QCOMPARE(roster->count, countAfter < 0 ? before->count : countAfter);
        for (int i = firstUntouched; i < 4; ++i) {
            QCOMPARE(roster->players[i].PlayerID, before->players[i].PlayerID);
            QCOMPARE(roster->players[i].PositionValue, before->players[i].PositionValue);
        }
        if (firstUntouched >= 2) {
            // The records before the faulty player are complete, the faulty one partly written.
            QCOMPARE(roster->players[0].PlayerID, QStringLiteral("1001"));
            QCOMPARE(roster->players[1].PlayerID, QStringLiteral("1002"));
            if (file != "count-larger.xml" && file != "name-with-child.xml")
                QCOMPARE(roster->players[1].PlayerName, QStringLiteral("Luc Girard"));
        }
        // The trainer record of the earlier load stays.
        QCOMPARE(roster->trainers[0].PlayerID, QStringLiteral("1003"));
    }

    void readingLeavesTheFileAsItWas_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("valid") << "valid.xml";
        QTest::newRow("malformed") << "malformed.xml";
        QTest::newRow("faulty player") << "bad-skill.xml";
    }
    void readingLeavesTheFileAsItWas()
    {
        QFETCH(QString, file);
        QTemporaryDir dir;
        QFile source(fixture(file));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray content = source.readAll();
        const QString path = writeFile(dir, "players.xml", content);
        const QDateTime modified = QFileInfo(path).lastModified();
        auto roster = std::make_unique<Roster>();
        try {
            RosterLoader::load(path, workedWeights(), *roster);
        } catch (const DataFileError &) {
        }
        QFile after(path);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), content);
        QCOMPARE(QFileInfo(path).lastModified(), modified);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"players.xml"});
    }

    void countDecidesHowManyAreRead()
    {
        auto roster = std::make_unique<Roster>();
        RosterLoader::load(fixture("valid.xml"), workedWeights(), *roster);
        // Count 0: nothing is read, nothing is touched.
        RosterLoadResult r = RosterLoader::load(fixture("count-zero.xml"), workedWeights(), *roster);
        QCOMPARE(r.count, 0);
        QCOMPARE(roster->count, 0);
        QCOMPARE(roster->players[0].PlayerName, QStringLiteral("Jean Dupont"));
        QCOMPARE(roster->players[1].PlayerName, QStringLiteral("Émile Martin"));
        // Count 1 of two elements: the faulty second one is never read.
        roster->players[1].PlayerName = QStringLiteral("kept");
        r = RosterLoader::load(fixture("count-smaller.xml"), workedWeights(), *roster);
        QCOMPARE(r.count, 1);
        QCOMPARE(roster->players[1].PlayerName, QStringLiteral("kept"));
        // A file without a trainer leaves the trainer record of the earlier load.
        QCOMPARE(roster->trainers[0].PlayerName, QStringLiteral("Marc Lefèvre"));
        QCOMPARE(RosterLoader::readPlayerCount(fixture("valid.xml")), 4);
        QCOMPARE(RosterLoader::readPlayerCount(fixture("count-zero.xml")), 0);
    }

    void moreThanTheRosterHolds_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("elements");
        QTest::newRow("102 of 102") << 102 << 102;
        QTest::newRow("150 of 150") << 150 << 150;
        QTest::newRow("150 of 120") << 150 << 120;
        QTest::newRow("101 of 130") << 101 << 130;
    }
    void moreThanTheRosterHolds()
    {
        QFETCH(int, count);
        QFETCH(int, elements);
        QTemporaryDir dir;
        const QString path = writeFile(dir, "players.xml", generatedFile(count, elements));
        auto roster = std::make_unique<Roster>();
        const RosterLoadResult r = RosterLoader::load(path, workedWeights(), *roster);
        QCOMPARE(r.count, 101);
        QCOMPARE(r.listed, count);
        QCOMPARE(roster->count, 101);
        QCOMPARE(roster->players[100].PlayerName, QStringLiteral("Joueur 101"));
        if (count > 101) {
            QCOMPARE(r.warnings.size(), 1);
            QVERIFY(r.warnings[0].contains(QString::number(count)));
            QVERIFY(r.warnings[0].contains(QString::fromUtf8("%1 ont été laissés de côté").arg(count - 101)));
        } else {
            QVERIFY(r.warnings.isEmpty());
        }
        QCOMPARE(RosterLoader::readPlayerCount(path), 101);
    }

    void missingIdAndNameReadEmpty()
    {
        auto roster = std::make_unique<Roster>();
        roster->players[0].PlayerID = QStringLiteral("old");
        roster->players[0].PlayerName = QStringLiteral("old");
        RosterLoader::load(fixture("missing-id.xml"), workedWeights(), *roster);
        QCOMPARE(roster->count, 1);
        QCOMPARE(roster->players[0].PlayerID, QString());
        QCOMPARE(roster->players[0].PlayerName, QString());
        QCOMPARE(roster->players[0].Age, 23);
    }

    void codesOutsideTheTables()
    {
        auto roster = std::make_unique<Roster>();
        RosterLoader::load(fixture("codes-outside.xml"), workedWeights(), *roster);
        const Tplayer &p = roster->players[0];
        QCOMPARE(p.AgreeabilityText, QString());
        QCOMPARE(p.AggressivenessText, QString());
        QCOMPARE(p.HonestyText, QString());
        QCOMPARE(p.SpecialtyText, QString());
        // The blanks and commas around the empty words stay.
        QCOMPARE(p.Description,
                 QStringLiteral("23 an,  forme\r\n\r\na  type, , , \r\n\r\nMédiocre expérience,  tempérament de chef"));
    }

    void trainerTypeOutsideTheList()
    {
        auto roster = std::make_unique<Roster>();
        RosterLoader::load(fixture("trainer-type3.xml"), workedWeights(), *roster);
        QCOMPARE(roster->trainers[0].TrainerCaption, QStringLiteral("Entraineur "));
        QCOMPARE(roster->trainers[0].TrainerSkillText, QStringLiteral("Honorable"));
        QCOMPARE(roster->trainerTypeIndex(), 3);
        QCOMPARE(roster->players[0].BestKind, 0);
        QCOMPARE(roster->players[0].BestValue, 7.0);
    }

    void lastTrainerStays()
    {
        QTemporaryDir dir;
        const QString path = writeFile(dir, "players.xml", generatedFile(10, 10, 4)); // players 4 and 8
        auto roster = std::make_unique<Roster>();
        RosterLoader::load(path, workedWeights(), *roster);
        QCOMPARE(roster->trainers[0].PlayerName, QStringLiteral("Joueur 8"));
        QCOMPARE(roster->trainers[0].TrainerType, 8 % 3);
        QVERIFY(!roster->players[3].Selectable);
        QVERIFY(!roster->players[7].Selectable);
        QVERIFY(roster->players[8].Selectable);
    }

    void textsAsTheDocumentGivesThem()
    {
        // Character data, a CDATA section and an entity make one text; the identifier keeps
        // its blanks, since it is text and not a number.
        QTemporaryDir dir;
        QByteArray xml = generatedFile(1, 1);
        xml.replace("<PlayerName>Joueur 1</PlayerName>",
                    QStringLiteral("<PlayerName>Zoé <![CDATA[<Roux>]]> &amp; Léa</PlayerName>").toUtf8());
        xml.replace("<PlayerID>5001</PlayerID>", "<PlayerID> 5001 </PlayerID>");
        const QString path = writeFile(dir, "players.xml", xml);
        auto roster = std::make_unique<Roster>();
        RosterLoader::load(path, workedWeights(), *roster);
        QCOMPARE(roster->players[0].PlayerName, QStringLiteral("Zoé <Roux> & Léa"));
        QCOMPARE(roster->players[0].PlayerID, QStringLiteral(" 5001 "));
    }

    void unknownExperienceIsReported()
    {
        auto roster = std::make_unique<Roster>();
        const RosterLoadResult r = RosterLoader::load(fixture("experience-unknown.xml"), workedWeights(), *roster);
        QCOMPARE(roster->count, 3);
        QCOMPARE(r.warnings.size(), 2);
        QVERIFY(r.warnings[0].contains(QStringLiteral("Luc Girard")));
        QVERIFY(r.warnings[0].contains(QString::fromUtf8("expérience 0")));
        QVERIFY(r.warnings[1].contains(QStringLiteral("Noé Blanc")));
        QVERIFY(r.warnings[1].contains(QString::fromUtf8("expérience -2")));
        QVERIFY(!roster->players[0].ValuesUndefined);
        QVERIFY(roster->players[1].ValuesUndefined);
        QVERIFY(roster->players[2].ValuesUndefined);
        for (int i = 0; i < 3; ++i) {
            for (double v : roster->players[i].PositionValue)
                QVERIFY(std::isfinite(v));
        }
    }

    void integerText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");
        QTest::newRow("digits") << "17" << true << 17;
        QTest::newRow("leading zeros") << "007" << true << 7;
        QTest::newRow("minus") << "-3" << true << -3;
        QTest::newRow("minus zero") << "-0" << true << 0;
        QTest::newRow("largest") << "2147483647" << true << INT_MAX;
        QTest::newRow("smallest") << "-2147483648" << true << INT_MIN;
        QTest::newRow("too large") << "2147483648" << false << 0;
        QTest::newRow("too small") << "-2147483649" << false << 0;
        QTest::newRow("very long") << "99999999999999999999999" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("minus alone") << "-" << false << 0;
        QTest::newRow("plus") << "+5" << false << 0;
        QTest::newRow("leading blank") << " 5" << false << 0;
        QTest::newRow("trailing newline") << "5\n" << false << 0;
        QTest::newRow("decimal") << "1.0" << false << 0;
        QTest::newRow("hexadecimal") << "0x10" << false << 0;
        QTest::newRow("arabic-indic digit") << QString::fromUtf8("\u0665") << false << 0;
    }
    void integerText()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, value);
        int32_t got = 12345;
        QCOMPARE(NumberText::gameFileInteger(text, &got), valid);
        if (valid)
            QCOMPARE(got, value);
    }
};

QTEST_GUILESS_MAIN(TestRosterLoader)
#include "tst_rosterloader.moc"
