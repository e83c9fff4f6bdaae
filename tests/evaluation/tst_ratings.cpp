// Rating helpers: half steps, rating points at the quarter boundaries, rating words, the
// even rounding and the star strip geometry.
#include "evaluation/Ratings.h"
#include "common/NameTables.h"
#include "common/Vocabulary.h"
#include "support/ProgramFolder.h"
#include "support/OwnTexts.h"

#include <QtTest>

class TestRatings : public QObject {
    Q_OBJECT
private slots:
    void halfStep_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("expected");
        QTest::newRow("6.49 drops") << 6.49 << 6.0;
        QTest::newRow("6.5 half") << 6.5 << 6.5;
        QTest::newRow("6.74 half") << 6.74 << 6.5;
        QTest::newRow("6.75 next") << 6.75 << 7.0;
        QTest::newRow("0.3 drops, not a half") << 0.3 << 0.0;
        QTest::newRow("7.3 for a value label") << 7.3 << 7.0;
        QTest::newRow("zero") << 0.0 << 0.0;
        QTest::newRow("negative truncates toward zero") << -3.7 << -3.0;
    }
    void halfStep()
    {
        QFETCH(double, x);
        QFETCH(double, expected);
        QCOMPARE(Ratings::halfStep(x), expected);
    }

    void ratingPoints_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("expected");
        QTest::newRow("exactly 5") << 5.0 << 17.0;
        QTest::newRow("5.3") << 5.3 << 18.0;
        QTest::newRow("zero") << 0.0 << -3.0;
        QTest::newRow("3.25 is not above a quarter") << 3.25 << 9.0;
        QTest::newRow("just above a quarter") << 3.2500001 << 10.0;
        QTest::newRow("3.75 is not above three quarters") << 3.75 << 11.0;
        QTest::newRow("3.76") << 3.76 << 12.0;
        QTest::newRow("1.4") << 1.4 << 2.0;
        QTest::newRow("1.75") << 1.75 << 3.0;
        QTest::newRow("NaN counts as nothing") << std::nan("") << -3.0;
    }
    void ratingPoints()
    {
        QFETCH(double, x);
        QFETCH(double, expected);
        QCOMPARE(Ratings::ratingPoints(x), expected);
    }

    void roundEven_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("expected");
        QTest::newRow("5.5 up") << 5.5 << 6;
        QTest::newRow("4.5 down") << 4.5 << 4;
        QTest::newRow("8.5 down") << 8.5 << 8;
        QTest::newRow("9.5 up") << 9.5 << 10;
        QTest::newRow("278.5 down") << 278.5 << 278;
        QTest::newRow("huge saturates") << 1e300 << 2147483647;
        QTest::newRow("NaN") << std::nan("") << 0;
    }
    void roundEven()
    {
        QFETCH(double, x);
        QFETCH(int, expected);
        QCOMPARE(Ratings::roundEven(x), expected);
    }

    void ratingWords_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty sector") << 0.0 << QString::fromUtf8("Inexistant (inférieur)");
        QTest::newRow("1.4 low") << 1.4 << QStringLiteral("Catastrophique (bas)");
        QTest::newRow("1.75 high") << 1.75 << QStringLiteral("Catastrophique (haut)");
        QTest::newRow("8.8 superior") << 8.8 << QString::fromUtf8("Très bon (supérieur)");
        QTest::newRow("20.9") << 20.9 << QString::fromUtf8("Divin (supérieur)");
        QTest::newRow("21 has no name") << 21.0 << QString::fromUtf8(" (inférieur)");
        QTest::newRow("below zero has no name") << -1.5 << QString::fromUtf8(" (inférieur)");
    }
    void ratingWords()
    {
        QFETCH(double, x);
        QFETCH(QString, expected);
        QCOMPARE(Ratings::ratingWords(x), expected);
    }

    void ratingWordsFollowTheVocabulary()
    {
        TestSupport::OwnTexts texts;
        texts.vocabulary.setText(QStringLiteral("BAS"), QStringLiteral("(low)"));
        QCOMPARE(Ratings::ratingWords(1.4), QStringLiteral("Catastrophique (low)"));
    }

    void starStrip_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("baseLeft");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("left");
        // width = round(s * 140 / 10), left = round((10 - s) * 14 / 2 + base)
        QTest::newRow("empty keeper") << 0.0 << 233 << 0 << 303;
        QTest::newRow("ten stars") << 10.0 << 5 << 140 << 5;
        QTest::newRow("3.5 keeper: 278.5 to even") << 3.5 << 233 << 49 << 278;
        QTest::newRow("3.5 forward 2: 357.5 to even") << 3.5 << 312 << 49 << 358;
        QTest::newRow("3.6 is shown as 3.5") << 3.6 << 157 << 49 << 202;
        QTest::newRow("3.8 is shown as 4") << 3.8 << 157 << 56 << 199;
    }
    void starStrip()
    {
        QFETCH(double, x);
        QFETCH(int, baseLeft);
        QFETCH(int, width);
        QFETCH(int, left);
        const Ratings::StripGeometry g = Ratings::starStrip(x, baseLeft);
        QCOMPARE(g.width, width);
        QCOMPARE(g.left, left);
    }
};

QTEST_GUILESS_MAIN(TestRatings)
#include "tst_ratings.moc"
