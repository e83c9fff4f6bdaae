#include "common/NameTables.h"

#include <QtTest>

class TestNameTables : public QObject {
    Q_OBJECT
private slots:
    void words_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("word");
        QTest::newRow("level 0") << int(NameTables::Levels) << 0 << "Inexistant";
        QTest::newRow("level 20") << int(NameTables::Levels) << 20 << "Divin";
        QTest::newRow("level 21") << int(NameTables::Levels) << 21 << "";
        QTest::newRow("level -1") << int(NameTables::Levels) << -1 << "";
        QTest::newRow("agreeability 5") << int(NameTables::Agreeability) << 5 << "apprécié de ses coéquipiers";
        QTest::newRow("aggressiveness 4") << int(NameTables::Aggressiveness) << 4 << "imperturbable";
        QTest::newRow("aggressiveness 5") << int(NameTables::Aggressiveness) << 5 << "";
        QTest::newRow("honesty 0") << int(NameTables::Honesty) << 0 << "fouteur de merde";
        QTest::newRow("specialty 0") << int(NameTables::Specialty) << 0 << "";
        QTest::newRow("specialty 4") << int(NameTables::Specialty) << 4 << "Imprévisible";
        QTest::newRow("trainer 0") << int(NameTables::TrainerTypes) << 0 << "Défensif";
        QTest::newRow("trainer 2") << int(NameTables::TrainerTypes) << 2 << "Neutre";
        QTest::newRow("trainer 3") << int(NameTables::TrainerTypes) << 3 << "";
    }
    void words()
    {
        QFETCH(int, table);
        QFETCH(int, code);
        QFETCH(QString, word);
        QCOMPARE(NameTables().word(NameTables::Table(table), code), word);
    }

    void languageFileReplacesByBoxName()
    {
        NameTables t;
        QVERIFY(t.setItem(QStringLiteral("ldenomination"), 6, QStringLiteral("passable")));
        QCOMPARE(t.levelName(6), QStringLiteral("passable"));
        // A line beyond the list's length is ignored, as is an unknown box.
        QVERIFY(!t.setItem(QStringLiteral("LEntraineur"), 3, QStringLiteral("Extra")));
        QCOMPARE(t.items(NameTables::TrainerTypes).size(), 3);
        QVERIFY(!t.setItem(QStringLiteral("LNothing"), 0, QStringLiteral("x")));
        QVERIFY(t.setItems(QStringLiteral("LEntraineur"),
                           {QStringLiteral("Defensive"), QStringLiteral("Offensive"), QStringLiteral("Balanced")}));
        QCOMPARE(t.trainerTypeWord(1), QStringLiteral("Offensive"));
        QVERIFY(!t.setItems(QStringLiteral("LNothing"), {}));
        t.resetToDefaults();
        QCOMPARE(t.trainerTypeWord(1), QStringLiteral("Offensif"));
    }
};

QTEST_GUILESS_MAIN(TestNameTables)
#include "tst_nametables.moc"
