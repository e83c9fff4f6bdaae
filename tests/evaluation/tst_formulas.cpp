#include "evaluation/PositionFormulas.h"
#include "evaluation/PositionKinds.h"
#include "settings/IniFile.h"
#include "support/Files.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The kinds' key prefixes and the skills' suffixes, typed here from the formula table.
const char *const kPrefixes[19] = {"Gardien", "DL", "DLD", "DLO", "DLM", "DC", "DCO", "DCA", "A", "AD",
                                   "AO", "AM", "M", "MD", "MO", "MA", "AT", "ATD", "ATA"};
const char *const kSuffixes[7] = {"Endurance", "Construction", "Passe", "Ailier", "Defense", "Buteur", "Gardien"};

void expectAllZero(const FormulaWeights &w)
{
    for (int k = 1; k <= 19; ++k)
        for (int s = 1; s <= 7; ++s)
            QCOMPARE(w.weight(k, s), 0);
    QCOMPARE(w.forme, 0);
    QCOMPARE(w.experience, 0);
    QCOMPARE(w.endurance, 0);
}

} // namespace

class TestFormulas : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_fileNo = 0;

    QString settingsWith(const QByteArray &content)
    {
        return TestSupport::writeFile(m_dir.filePath(QStringLiteral("SQW%1.ini").arg(++m_fileNo)), content);
    }

private slots:
    void withoutPlayerSectionEverythingIsZero()
    {
        expectAllZero(loadFormulaWeights(IniFile(settingsWith("[defaut]\r\nForme=40\r\nGardienGardien=100\r\n"))));
        expectAllZero(loadFormulaWeights(IniFile(m_dir.filePath("absent.ini"))));
    }

    void keysInNumberOrder()
    {
        // Key number n holds the value n; the three general weights 201..203.
        QByteArray content = "[Player]\r\n";
        for (int k = 0; k < 19; ++k)
            for (int s = 0; s < 7; ++s)
                content += QByteArray(kPrefixes[k]) + kSuffixes[s] + '=' + QByteArray::number(k * 7 + s + 1) + "\r\n";
        content += "Forme=201\r\nExperience=202\r\nEndurance=203\r\n";
        const FormulaWeights w = loadFormulaWeights(IniFile(settingsWith(content)));
        for (int k = 1; k <= 19; ++k)
            for (int s = 1; s <= 7; ++s)
                QCOMPARE(w.weight(k, s), (k - 1) * 7 + s);
        QCOMPARE(w.weight(1, 1), 1);    // GardienEndurance
        QCOMPARE(w.weight(19, 7), 133); // ATAGardien
        QCOMPARE(w.forme, 201);
        QCOMPARE(w.experience, 202);
        QCOMPARE(w.endurance, 203); // the general stamina weight, not GardienEndurance
        QCOMPARE(QByteArray(PositionKinds::keyPrefix(19)) + PositionKinds::skillSuffix(7), QByteArray("ATAGardien"));
    }

    void sectionAndKeyNamesWithoutCase()
    {
        const FormulaWeights w = loadFormulaWeights(IniFile(settingsWith(
            "[player]\r\nataButeur=60\r\nGARDIENGARDIEN=100\r\n")));
        QCOMPARE(w.weight(19, 6), 60);
        QCOMPARE(w.weight(1, 7), 100);
        const FormulaWeights w2 = loadFormulaWeights(IniFile(settingsWith("[Player]\r\nforme=40\r\n")));
        QCOMPARE(w2.forme, 40);
    }

    void badValuesReadAsZeroAndOthersStay()
    {
        const FormulaWeights w = loadFormulaWeights(IniFile(settingsWith(
            "[Player]\r\nMPasse=abc\r\nMConstruction=70\r\nMDefense=\r\nMAilier=12abc\r\n")));
        QCOMPARE(w.weight(13, 3), 0);
        QCOMPARE(w.weight(13, 2), 70);
        QCOMPARE(w.weight(13, 5), 0);
        QCOMPARE(w.weight(13, 4), 0);
    }

    void outOfRangeWeightsAreKept()
    {
        const FormulaWeights w = loadFormulaWeights(IniFile(settingsWith(
            "[Player]\r\nDCDefense=150\r\nDCPasse=-20\r\nExperience=-1\r\n")));
        QCOMPARE(w.weight(6, 5), 150);
        QCOMPARE(w.weight(6, 3), -20);
        QCOMPARE(w.experience, -1);
    }

    void unrelatedKeysAreIgnored()
    {
        expectAllZero(loadFormulaWeights(IniFile(settingsWith(
            "[Player]\r\nGardienVitesse=50\r\nDLX=5\r\nVitesse=9\r\nGardien=7\r\nATTButeur=80\r\n"
            "[user]\r\nForme=40\r\nATAButeur=60\r\n"))));
    }

    void kindTable_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("abbreviation");
        QTest::newRow("trainer") << 0 << "" << "ENT";
        QTest::newRow("keeper") << 1 << "G" << "G";
        QTest::newRow("defensive wing back") << 3 << "DLD" << "DLD";
        QTest::newRow("offensive wing back") << 4 << "DLO" << "DLO";
        QTest::newRow("winger") << 9 << "AL" << "AL";
        QTest::newRow("inner midfielder") << 13 << "MI" << "MI";
        QTest::newRow("forward") << 17 << "ATT" << "AT";
        QTest::newRow("defensive forward") << 18 << "ATD" << "ATD";
        QTest::newRow("forward towards the wing") << 19 << "ATA" << "ATA";
    }
    void kindTable()
    {
        QFETCH(int, kind);
        QFETCH(QString, column);
        QFETCH(QString, abbreviation);
        QCOMPARE(QString::fromLatin1(PositionKinds::columnCaption(kind)), column);
        QCOMPARE(PositionKinds::abbreviation(kind), abbreviation);
        if (kind >= 1)
            QCOMPARE(QString::fromLatin1(PositionKinds::keyPrefix(kind)), QString::fromLatin1(kPrefixes[kind - 1]));
    }

    void skillTable()
    {
        const char *const elements[7] = {"StaminaSkill", "PlaymakerSkill", "PassingSkill", "WingerSkill",
                                         "DefenderSkill", "ScorerSkill", "KeeperSkill"};
        for (int s = 1; s <= 7; ++s)
            QCOMPARE(QByteArray(PositionKinds::skillElement(s)), QByteArray(elements[s - 1]));
        QCOMPARE(QByteArray(PositionKinds::skillSuffix(0)), QByteArray()); // out of range: empty
    }
};

QTEST_GUILESS_MAIN(TestFormulas)
#include "tst_formulas.moc"
