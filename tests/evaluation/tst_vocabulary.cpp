#include "evaluation/PositionKinds.h"
#include "support/OwnTexts.h"
#include "support/VocabularyInspector.h"

#include <QSet>
#include <QtTest>

class TestVocabulary : public QObject {
    Q_OBJECT

private slots:
    void frenchDefaults_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("keeper") << "GARDIEN" << QStringLiteral("Gardien de but");
        QTest::newRow("upper sub-level") << "SUPERIEUR" << QStringLiteral("(supérieur)");
        QTest::newRow("lowest sub-level") << "INFERIEUR" << QStringLiteral("(inférieur)");
        QTest::newRow("central defender towards the wing") << "DEFCENTRALAILE"
                                                           << QStringLiteral("Défenseur central vers l'aile");
        QTest::newRow("forward abbreviation") << "ABVATTAQUANT" << QStringLiteral("AT");
        QTest::newRow("trainer abbreviation") << "ABVENTRAINEUR" << QStringLiteral("ENT");
        QTest::newRow("team strength") << "FORCE_EQUIPE" << QStringLiteral("Force équipe");
        QTest::newRow("version warning") << "ERRORXMLFILES"
            << QStringLiteral("La version d'un des fichier XML à changé. Quelques erreurs de traitements sont possibles.");
    }
    void frenchDefaults()
    {
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QCOMPARE(vocab(key), expected);
        QCOMPARE(VocabularyInspector::defaultText(key), expected);
    }

    void tacticLabelKeepsItsTrailingBlank()
    {
        QCOMPARE(vocab("TACTIQUE") + QStringLiteral("Contre-attaque"), QStringLiteral("Tactique : Contre-attaque"));
    }

    void registeredKeys()
    {
        const QStringList keys = VocabularyInspector::keys();
        // The fixed opening of the table (the language files' order); messages follow and grow.
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
        QCOMPARE(keys.first(), QStringLiteral("ABVGARDIEN"));
        QCOMPARE(keys.at(19), QStringLiteral("GARDIEN"));
        QCOMPARE(keys.at(38), QStringLiteral("FORME"));
        QCOMPARE(keys.at(60), QStringLiteral("ERRORXMLFILES"));
        for (const QString &key : keys)
            QVERIFY2(!vocab(key).isEmpty(), qPrintable(key));
    }

    // A language's texts hold while their holder lives, whatever order holders end in (a
    // dialog's catalog may end before the main window's, or after it).
    void textsInForceEndWithTheirHolder()
    {
        auto english = std::make_unique<TestSupport::OwnTexts>();
        QVERIFY(english->vocabulary.setText("GARDIEN", "Keeper"));
        QCOMPARE(PositionKinds::name(1), QStringLiteral("Keeper"));
        auto other = std::make_unique<TestSupport::OwnTexts>();
        QVERIFY(other->vocabulary.setText("GARDIEN", "Portiere"));
        QCOMPARE(vocab("GARDIEN"), QStringLiteral("Portiere"));
        english.reset();
        QCOMPARE(vocab("GARDIEN"), QStringLiteral("Portiere"));
        other.reset();
        QCOMPARE(vocab("GARDIEN"), QStringLiteral("Gardien de but"));
        QCOMPARE(VocabularyInspector::defaultText("GARDIEN"), QStringLiteral("Gardien de but"));
    }

    void unknownKeysAreIgnored()
    {
        TestSupport::OwnTexts texts;
        Vocabulary &v = texts.vocabulary;
        QVERIFY(!v.setText("VITESSE", "Speed"));
        QVERIFY(!VocabularyInspector::isRegistered("VITESSE"));
        QCOMPARE(vocab("VITESSE"), QString());
        QVERIFY(!v.setText("gardien", "Keeper")); // keys are matched exactly
        QCOMPARE(vocab("GARDIEN"), QStringLiteral("Gardien de but"));
        const QStringList keys = VocabularyInspector::keys();
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
        QVERIFY(!keys.contains(QStringLiteral("VITESSE")));
    }

    // The forward towards the wing speaks the user's language like every other kind.
    void forwardTowardsWingFollowsTheLanguage()
    {
        QCOMPARE(PositionKinds::abbreviation(19), QStringLiteral("ATA"));
        QCOMPARE(PositionKinds::name(19), QStringLiteral("Attaquant vers l'aile"));
        TestSupport::OwnTexts texts;
        Vocabulary &v = texts.vocabulary;
        for (const QString &key : VocabularyInspector::keys())
            QVERIFY(v.setText(key, "X"));
        QCOMPARE(PositionKinds::abbreviation(19), QStringLiteral("X"));
        QCOMPARE(PositionKinds::name(19), QStringLiteral("X"));
    }

    void everyKindTextIsAVocabularyKey()
    {
        for (int kind = 0; kind <= 19; ++kind) {
            QVERIFY(VocabularyInspector::isRegistered(PositionKinds::abbreviationKey(kind)));
            QVERIFY(VocabularyInspector::isRegistered(PositionKinds::nameKey(kind)));
        }
        QCOMPARE(PositionKinds::abbreviation(0), QStringLiteral("ENT"));
        QCOMPARE(PositionKinds::name(0), QStringLiteral("Entraineur"));
        QCOMPARE(PositionKinds::name(20), QString());
        QCOMPARE(PositionKinds::abbreviation(-1), QString());
    }
};

QTEST_GUILESS_MAIN(TestVocabulary)
#include "tst_vocabulary.moc"
