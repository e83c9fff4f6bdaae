#include "evaluation/PositionValues.h"
#include "common/AppError.h"
#include "support/VocabularyInspector.h"
#include "support/OwnTexts.h"

#include <QtTest>
#include <climits>
#include <cmath>

namespace {

// The worked player: passing 5, winger 4, scoring 7, stamina 6, form 6, experience 5.
Tplayer workedPlayer()
{
    Tplayer p;
    p.PassingSkill = 5;
    p.WingerSkill = 4;
    p.ScorerSkill = 7;
    p.StaminaSkill = 6;
    p.PlayerForm = 6;
    p.Experience = 5;
    return p;
}

// Passe 10, Ailier 30, Buteur 60 for one kind; stamina 10, form 20, experience 10.
FormulaWeights workedWeights(int kind)
{
    FormulaWeights w;
    w.skill[kind - 1][3 - 1] = 10;
    w.skill[kind - 1][4 - 1] = 30;
    w.skill[kind - 1][6 - 1] = 60;
    w.endurance = 10;
    w.forme = 20;
    w.experience = 10;
    return w;
}

FormulaWeights sameFormulaForAll(const std::array<int32_t, 7> &skillWeights)
{
    FormulaWeights w;
    for (auto &row : w.skill)
        row = skillWeights;
    return w;
}

} // namespace

class TestPositionValues : public QObject {
    Q_OBJECT
private slots:

    void workedExample()
    {
        const Tplayer p = workedPlayer();
        const FormulaWeights w = workedWeights(2);
        const PositionValues::Stages st = PositionValues::stages(p, w, 2);

        // The stages written out, each one a double before the next uses it.
        const int32_t S = 10 * 5 + 30 * 4 + 60 * 7;
        const double B = S / 100.0;
        const double T = B - ((10 / 100.0) * (6 / 20.0)) * B;
        const double F = T - ((20 / 100.0) * ((8 - 6) / 8.0)) * T;
        const double R = ((std::log10(5.0) * (10 / 100.0)) * F) + F;
        QCOMPARE(st.skillSum, 590);
        QCOMPARE(st.base, B);
        QCOMPARE(st.stamina, T);
        QCOMPARE(st.form, F);
        QCOMPARE(st.result, R);
        // And against the figures worked by hand.
        QVERIFY(std::fabs(st.base - 5.9) < 1e-12);
        QVERIFY(std::fabs(st.stamina - 5.723) < 1e-12);
        QVERIFY(std::fabs(st.form - 5.43685) < 1e-12);
        QVERIFY(std::fabs(st.result - 5.81687) < 1e-5);

        Tplayer q = p;
        PositionValues::compute(q, w);
        QCOMPARE(q.value(2), R);
        QCOMPARE(q.BestKind, 2); // every other kind is 0
        QCOMPARE(q.BestValue, R);
        QCOMPARE(q.BestAbbreviation, QStringLiteral("DL"));
        QCOMPARE(q.BestPositionName, QStringLiteral("Défenseur latéral"));
        QVERIFY(!q.ValuesUndefined);

        const double c1 = 5.0 - ((10 / 100.0) * (6 / 20.0)) * 5.0;
        const double c2 = c1 - ((20 / 100.0) * ((8 - 6) / 8.0)) * c1;
        const double c3 = ((std::log10(5.0) * (10 / 100.0)) * c2) + c2;
        QCOMPARE(q.CaptainValue, c3);
        QVERIFY(std::fabs(q.CaptainValue - 4.92955) < 1e-5);
    }

    void allWeightsZero_data()
    {
        QTest::addColumn<int>("experience");
        QTest::newRow("experience 1") << 1;
        QTest::newRow("experience 5") << 5;
        QTest::newRow("experience 20") << 20;
    }
    void allWeightsZero()
    {
        QFETCH(int, experience);
        Tplayer p = workedPlayer();
        p.Experience = experience;
        PositionValues::compute(p, FormulaWeights{});
        for (int k = 1; k <= 19; ++k)
            QCOMPARE(p.value(k), 0.0);
        QCOMPARE(p.BestKind, 19);
        QCOMPARE(p.BestValue, 0.0);
        QCOMPARE(p.BestAbbreviation, QStringLiteral("ATA"));
        QCOMPARE(p.BestPositionName, QStringLiteral("Attaquant vers l'aile"));
        QCOMPARE(p.CaptainValue, double(experience));
    }

    void bestKind_data()
    {
        QTest::addColumn<QList<int>>("strongKinds"); // kinds given the higher formula
        QTest::addColumn<int>("expected");
        QTest::newRow("DLD over DL") << QList<int>{2, 3} << 3;
        QTest::newRow("first and last") << QList<int>{1, 19} << 19;
        QTest::newRow("one kind") << QList<int>{7} << 7;
        QTest::newRow("three tie, later wins") << QList<int>{4, 9, 12} << 12;
    }
    void bestKind()
    {
        QFETCH(QList<int>, strongKinds);
        QFETCH(int, expected);
        FormulaWeights w = sameFormulaForAll({0, 0, 50, 0, 0, 50, 0}); // passing and scoring
        for (int k : strongKinds)
            w.skill[k - 1] = {0, 0, 0, 100, 0, 0, 0}; // winger only
        Tplayer p;
        p.PassingSkill = 3;
        p.ScorerSkill = 3;
        p.WingerSkill = 9;
        p.Experience = 1;
        PositionValues::compute(p, w);
        QCOMPARE(p.BestKind, expected);
        QCOMPARE(p.BestValue, 9.0);
    }

    void negativeWeights()
    {
        // Every value negative and equal: the tie rule still gives the last kind.
        FormulaWeights w = sameFormulaForAll({0, -20, 0, 0, -80, 0, 0});
        Tplayer p = workedPlayer();
        p.PlaymakerSkill = 5;
        p.DefenderSkill = 10;
        PositionValues::compute(p, w);
        QVERIFY(p.value(1) < 0.0);
        QCOMPARE(p.BestKind, 19);
        // One kind less negative than the others is the best.
        w.skill[5 - 1] = {0, -10, 0, 0, -10, 0, 0};
        PositionValues::compute(p, w);
        QCOMPARE(p.BestKind, 5);
        QCOMPARE(PositionValues::stages(p, w, 5).skillSum, -10 * 5 + -10 * 10);
    }

    void formStage_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<int>("formWeight");
        QTest::addColumn<double>("factor"); // F / T
        QTest::newRow("form 8, weight 100") << 8 << 100 << 1.0;
        QTest::newRow("form 8, weight 20") << 8 << 20 << 1.0;
        QTest::newRow("form 10, weight 40") << 10 << 40 << 1.1;   // 1 - 0.4 * (-2/8)
        QTest::newRow("form 4, weight 40") << 4 << 40 << 0.8;     // 1 - 0.4 * (4/8)
        QTest::newRow("form 0, weight 100") << 0 << 100 << 0.0;
    }
    void formStage()
    {
        QFETCH(int, form);
        QFETCH(int, formWeight);
        QFETCH(double, factor);
        FormulaWeights w = workedWeights(6);
        w.forme = formWeight;
        Tplayer p = workedPlayer();
        p.PlayerForm = form;
        const auto st = PositionValues::stages(p, w, 6);
        QVERIFY(std::fabs(st.form - factor * st.stamina) < 1e-12);
        if (form == 8)
            QCOMPARE(st.form, st.stamina);
        if (form > 8)
            QVERIFY(st.form > st.stamina);
    }

    void staminaStage()
    {
        // With a stamina weight of 20, stamina 8 loses 8 % and stamina 2 loses 2 %.
        FormulaWeights w = workedWeights(6);
        w.endurance = 20;
        Tplayer p = workedPlayer();
        p.StaminaSkill = 8;
        auto st = PositionValues::stages(p, w, 6);
        QVERIFY(std::fabs(st.stamina - 0.92 * st.base) < 1e-12);
        p.StaminaSkill = 2;
        st = PositionValues::stages(p, w, 6);
        QVERIFY(std::fabs(st.stamina - 0.98 * st.base) < 1e-12);
    }

    void experienceOneChangesNothing()
    {
        FormulaWeights w = workedWeights(6);
        w.experience = 100;
        Tplayer p = workedPlayer();
        p.Experience = 1;
        const auto st = PositionValues::stages(p, w, 6);
        QCOMPARE(st.result, st.form);
        // Experience 10 raises by the whole weight.
        p.Experience = 10;
        const auto ten = PositionValues::stages(p, w, 6);
        QVERIFY(std::fabs(ten.result - 2.0 * ten.form) < 1e-12);
    }

    void unknownExperience_data()
    {
        QTest::addColumn<int>("experience");
        QTest::newRow("0") << 0;
        QTest::newRow("-2") << -2;
        QTest::newRow("lowest") << INT_MIN;
    }
    void unknownExperience()
    {
        QFETCH(int, experience);
        const FormulaWeights w = workedWeights(4);
        Tplayer p = workedPlayer();
        p.Experience = experience;
        PositionValues::compute(p, w);
        QVERIFY(p.ValuesUndefined);
        for (int k = 1; k <= 19; ++k)
            QVERIFY(std::isfinite(p.value(k)));
        // As for experience 1: the experience stage leaves the form stage as it is.
        Tplayer one = workedPlayer();
        one.Experience = 1;
        PositionValues::compute(one, w);
        QVERIFY(!one.ValuesUndefined);
        QCOMPARE(p.PositionValue, one.PositionValue);
        QCOMPARE(p.BestKind, 4);
        // The captain stages start from the level itself.
        const double c1 = double(experience) - ((10 / 100.0) * (6 / 20.0)) * double(experience);
        const double c2 = c1 - ((20 / 100.0) * ((8 - 6) / 8.0)) * c1;
        QVERIFY(std::isfinite(p.CaptainValue));
        QCOMPARE(p.CaptainValue, c2);
    }

    void trainerOverride()
    {
        const FormulaWeights w = workedWeights(2);
        Tplayer plain = workedPlayer();
        PositionValues::compute(plain, w);

        Tplayer trainer = workedPlayer();
        trainer.TrainerType = 0;
        trainer.TrainerSkill = 5;
        PositionValues::compute(trainer, w);
        QCOMPARE(trainer.BestKind, 0);
        QCOMPARE(trainer.BestValue, 5.0);
        QCOMPARE(trainer.BestAbbreviation, vocab(QStringLiteral("ABVENTRAINEUR")));
        QCOMPARE(trainer.BestPositionName, vocab(QStringLiteral("ENTRAINEUR")));
        QCOMPARE(trainer.BestAbbreviation, QStringLiteral("ENT"));
        QCOMPARE(trainer.PositionValue, plain.PositionValue);
        QCOMPARE(trainer.CaptainValue, plain.CaptainValue); // type 0 is computed

        Tplayer noLevel = workedPlayer();
        noLevel.TrainerType = 2;
        noLevel.TrainerSkill = 0;
        PositionValues::compute(noLevel, w);
        QCOMPARE(noLevel.BestKind, 2);
        QCOMPARE(noLevel.BestValue, plain.BestValue);
    }

    void otherTrainerTypeKeepsCaptainValue()
    {
        Tplayer p = workedPlayer();
        p.TrainerType = 1;
        p.TrainerSkill = 4;
        p.CaptainValue = 3.25;
        PositionValues::compute(p, workedWeights(2));
        QCOMPARE(p.CaptainValue, 3.25);
        p.TrainerType = 0;
        PositionValues::compute(p, workedWeights(2));
        QVERIFY(std::fabs(p.CaptainValue - 4.92955) < 1e-5);
    }

    void bestTextsFollowTheVocabulary()
    {
        TestSupport::OwnTexts texts;
        QVERIFY(texts.vocabulary.setText(QStringLiteral("ABVDEFLATERAL"), QStringLiteral("WB")));
        QVERIFY(texts.vocabulary.setText(QStringLiteral("DEFLATERAL"), QStringLiteral("Wing back")));
        Tplayer p = workedPlayer();
        PositionValues::compute(p, workedWeights(2));
        QCOMPARE(p.BestAbbreviation, QStringLiteral("WB"));
        QCOMPARE(p.BestPositionName, QStringLiteral("Wing back"));
    }

    void skillSumRange_data()
    {
        QTest::addColumn<int>("weight");
        QTest::addColumn<int>("stamina");
        QTest::addColumn<int>("keeper");
        QTest::addColumn<bool>("overflows");
        QTest::newRow("product too large") << 100 << INT_MAX / 50 << 0 << true;
        QTest::newRow("product too small") << 100 << INT_MIN / 50 << 0 << true;
        QTest::newRow("sum too large") << 1 << INT_MAX << 1 << true;
        QTest::newRow("sum too small") << 1 << INT_MIN << -1 << true;
        QTest::newRow("largest sum") << 1 << INT_MAX - 1 << 1 << false;
        QTest::newRow("smallest sum") << 1 << INT_MIN + 1 << -1 << false;
    }
    void skillSumRange()
    {
        QFETCH(int, weight);
        QFETCH(int, stamina);
        QFETCH(int, keeper);
        QFETCH(bool, overflows);
        FormulaWeights w;
        w.skill[10 - 1][1 - 1] = weight; // stamina
        w.skill[10 - 1][7 - 1] = weight; // keeper
        Tplayer p;
        p.StaminaSkill = stamina;
        p.KeeperSkill = keeper;
        p.Experience = 1;
        p.PlayerForm = 8;
        bool thrown = false;
        try {
            PositionValues::compute(p, w);
        } catch (const AppError &e) {
            thrown = true;
            QVERIFY2(e.message().contains(QStringLiteral("32 bits")), qPrintable(e.message()));
        }
        QCOMPARE(thrown, overflows);
        if (overflows) {
            QCOMPARE(p.value(9), 0.0); // the kinds before the failing one were computed
        } else {
            QCOMPARE(PositionValues::stages(p, w, 10).skillSum,
                     int32_t(int64_t(weight) * stamina + int64_t(weight) * keeper));
        }
    }
};

QTEST_GUILESS_MAIN(TestPositionValues)
#include "tst_positionvalues.moc"
