// The settings dialog without widgets: the sum rule of the formula sliders, the saving and
// abandoning of changes through a real settings file, and out-of-range values in the file.
#include "settings/ParamDialogModel.h"
#include "settings/Settings.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Row = ParamDialogModel::Row;
Q_DECLARE_METATYPE(Row)

namespace {
QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestParamDialog : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    // A program folder with the sample settings and the two language files.
    QString programFolder()
    {
        QDir().mkpath(m_dir.filePath(QStringLiteral("lng")));
        const QString sample = QStringLiteral(SQW_SAMPLE_DATA_DIR);
        for (const QString &file : {QStringLiteral("SQW.ini"), QStringLiteral("lng/English.lng"), QStringLiteral("lng/Francais.lng")}) {
            QFile::remove(m_dir.filePath(file));
            if (!QFile::copy(sample + QLatin1Char('/') + file, m_dir.filePath(file)))
                qFatal("cannot copy the sample program folder");
            QFile::setPermissions(m_dir.filePath(file), QFile::ReadOwner | QFile::WriteOwner);
        }
        return m_dir.path() + QLatin1Char('/');
    }
    QString iniPath() const { return m_dir.filePath(QStringLiteral("SQW.ini")); }

private slots:
    // Each case starts from one row that sums to 100 and moves one slider once.
    void sumRuleKeepsTheTotal_data()
    {
        QTest::addColumn<Row>("start");
        QTest::addColumn<int>("moved");
        QTest::addColumn<int>("value");
        QTest::addColumn<Row>("result");
        // Endurance, Construction, Passe, Ailier, Defense, Buteur, Gardien
        QTest::newRow("passe up") << Row{50, 30, 20, 0, 0, 0, 0} << 2 << 30 << Row{40, 30, 30, 0, 0, 0, 0};
        QTest::newRow("construction down") << Row{50, 30, 20, 0, 0, 0, 0} << 1 << 10 << Row{70, 10, 20, 0, 0, 0, 0};
        QTest::newRow("endurance comes back") << Row{50, 30, 20, 0, 0, 0, 0} << 0 << 60 << Row{50, 30, 20, 0, 0, 0, 0};
        // The nested changes share the surplus between the two largest sliders.
        QTest::newRow("buteur up") << Row{0, 0, 10, 30, 0, 60, 0} << 5 << 70 << Row{0, 0, 10, 25, 0, 65, 0};
        QTest::newRow("gardien from nothing") << Row{100, 0, 0, 0, 0, 0, 0} << 6 << 10 << Row{90, 0, 0, 0, 0, 0, 10};
        QTest::newRow("all zero") << Row{0, 0, 0, 0, 0, 0, 0} << 1 << 10 << Row{45, 55, 0, 0, 0, 0, 0};
        QTest::newRow("five equal") << Row{20, 20, 20, 20, 20, 0, 0} << 5 << 10 << Row{18, 18, 18, 18, 18, 10, 0};
    }
    void sumRuleKeepsTheTotal()
    {
        QFETCH(Row, start);
        QFETCH(int, moved);
        QFETCH(int, value);
        QFETCH(Row, result);
        Settings settings(m_dir.filePath(QStringLiteral("none.ini")));
        ParamDialogModel model(settings, m_dir.path());
        model.setRow(0, start);
        model.ChargePoste(0);
        model.sliderChange(moved, value);
        for (int s = 0; s < ParamDialogModel::kSkills; ++s)
            QCOMPARE(model.slider(s), result[s]);
        // The table holds the sliders only once they are stored.
        QCOMPARE(model.row(0), start);
        model.SetPoste(0);
        QCOMPARE(model.row(0), result);
    }

    // From any row that sums to 100, any single move of any slider ends at 100, every slider
    // in 0..100, and the general sliders untouched.
    void anyMoveEndsAtOneHundred()
    {
        Settings settings(m_dir.filePath(QStringLiteral("none.ini")));
        ParamDialogModel model(settings, m_dir.path());
        model.generalChange(0, 33);
        model.generalChange(1, 7);
        model.generalChange(2, 90);
        QRandomGenerator random(20261210);
        for (int trial = 0; trial < 4000; ++trial) {
            // A random split of 100 into seven parts.
            std::array<int, 8> cuts{0, 0, 0, 0, 0, 0, 0, 100};
            for (int i = 1; i < 7; ++i)
                cuts[i] = random.bounded(101);
            std::sort(cuts.begin() + 1, cuts.end() - 1);
            Row row;
            for (int s = 0; s < ParamDialogModel::kSkills; ++s)
                row[s] = cuts[s + 1] - cuts[s];
            const int row_ = random.bounded(ParamDialogModel::kRows);
            model.setRow(row_, row);
            model.cbPosteChange(row_);
            model.ChargePoste(row_);
            const int moved = random.bounded(ParamDialogModel::kSkills);
            const int value = random.bounded(101);
            model.sliderChange(moved, value);
            QCOMPARE(model.sliderTotal(), 100);
            for (int s = 0; s < ParamDialogModel::kSkills; ++s)
                QVERIFY(model.slider(s) >= 0 && model.slider(s) <= 100);
            QCOMPARE(model.general(0), 33);
            QCOMPARE(model.general(1), 7);
            QCOMPARE(model.general(2), 90);
        }
    }

    // Ok and Apply write through the file; edits left with Cancel are gone at the next opening.
    void savingAndAbandoning()
    {
        const QString folder = programFolder();
        Settings settings(iniPath());
        ParamDialogModel model(settings, folder);
        QSignalSpy saved(&model, &ParamDialogModel::saved);
        model.FormCreate();
        model.FormActivate(QStringLiteral("Ctrl+C"));
        QCOMPARE(model.languages(), QStringList({QStringLiteral("English"), QStringLiteral("Francais")}));
        QCOMPARE(model.languageIndex(), 1); // the stored "Francais"
        const Row dl = model.row(1);

        // Cancel: edits on two positions, then the dialog opens again.
        const QByteArray before = readAll(iniPath());
        model.cbPosteChange(1);
        model.sliderChange(0, 40);
        const Row edited = {model.slider(0), model.slider(1), model.slider(2), model.slider(3),
                            model.slider(4), model.slider(5), model.slider(6)};
        QVERIFY(edited != dl);
        model.cbPosteChange(2); // the first position's edits stay in the table
        QCOMPARE(model.row(1), edited);
        model.boxes().hUser = QStringLiteral("nobody");
        model.FormActivate(QStringLiteral("Ctrl+C"));
        QCOMPARE(model.row(1), dl);
        QCOMPARE(model.boxes().hUser, QString());
        QCOMPARE(readAll(iniPath()), before);

        // Ok: every page's values reach the file.
        model.cbPosteChange(1);
        model.sliderChange(0, 40);
        model.TabFormulesExit();
        model.generalChange(0, 55);
        model.setLanguageIndex(0);
        model.boxes().hUser = QStringLiteral("coach");
        model.boxes().hPassword = QStringLiteral("s3cret é");
        model.boxes().useProxy = true;
        model.boxes().proxy = QStringLiteral("proxy.example");
        model.boxes().hotKey = QStringLiteral("Ctrl+Shift+F9");
        QVERIFY(model.BOKClick());
        QCOMPARE(saved.count(), 1);
        int total = 0;
        for (int s = 0; s < ParamDialogModel::kSkills; ++s)
            total += settings.playerWeight(ParamDialogModel::formulaKey(1, s));
        QCOMPARE(settings.playerWeight(QStringLiteral("DLEndurance")), edited[0]);
        QCOMPARE(total, 100);
        QCOMPARE(settings.playerWeight(QStringLiteral("forme")), 55);
        QCOMPARE(settings.langue(), QStringLiteral("English"));
        QCOMPARE(settings.userName(), QStringLiteral("coach"));
        QCOMPARE(settings.securityPassword(), QStringLiteral("s3cret é"));
        QVERIFY(settings.useProxy());
        QCOMPARE(settings.proxy(), QStringLiteral("proxy.example"));
        QCOMPARE(settings.proxyPort(), QStringLiteral("80"));
        QCOMPARE(settings.hotKey(), QStringLiteral("Ctrl+Shift+F9"));
        QCOMPARE(model.row(1), edited); // the table was read back

        // Apply: saved, and the sliders show the first position again.
        model.cbPosteChange(18);
        model.sliderChange(5, 80);
        const int buteur = model.slider(5);
        QVERIFY(buteur != 60);
        model.TabFormulesExit();
        QVERIFY(model.BApplyClick());
        QCOMPARE(settings.playerWeight(QStringLiteral("ATAButeur")), buteur);
        QCOMPARE(model.currentRow(), 0);
        for (int s = 0; s < ParamDialogModel::kSkills; ++s)
            QCOMPARE(model.slider(s), model.row(0)[s]);
    }

    // The two servers in the forms the program reads; an address it could not use saves
    // nothing at all, and an untouched box writes no key.
    void serverBoxes()
    {
        const QString folder = programFolder();
        Settings settings(iniPath());
        ParamDialogModel model(settings, folder);
        QSignalSpy refused(&model, &ParamDialogModel::hostRefused);
        model.FormCreate();
        model.FormActivate(QString());
        QCOMPARE(model.boxes().gameHost, Settings::kDefaultGameHost);
        QCOMPARE(model.boxes().updateHost, Settings::kDefaultUpdateHost);
        QVERIFY(model.BOKClick());
        QVERIFY(!settings.file().keyExists(QStringLiteral("online"), QStringLiteral("GameHost")));

        const QByteArray before = readAll(iniPath());
        model.boxes().hUser = QStringLiteral("coach");
        for (const QString bad : {"ftp://game.example", "http://", "game example:80", "game.example:99999"}) {
            model.boxes().updateHost = bad;
            QVERIFY2(!model.BOKClick(), qPrintable(bad));
            QCOMPARE(refused.last(), QVariantList({QStringLiteral("EUpdateHost"), bad}));
        }
        QCOMPARE(readAll(iniPath()), before);

        model.boxes().gameHost = QStringLiteral(" 127.0.0.1:8080 ");
        model.boxes().updateHost = QStringLiteral("https://updates.example/");
        QVERIFY(model.BOKClick());
        QCOMPARE(settings.gameHost(), QStringLiteral("127.0.0.1:8080"));
        QCOMPARE(settings.updateHost(), QStringLiteral("https://updates.example/"));
        QCOMPARE(settings.userName(), QStringLiteral("coach"));
        // Emptied: the program's own server again.
        model.boxes().gameHost.clear();
        QVERIFY(model.BOKClick());
        QCOMPARE(settings.gameHost(), Settings::kDefaultGameHost);
    }

    // Values the sliders cannot show are brought into 0..100 and named; a row that does not
    // sum to 100 is shown as it is until the first move; no language file leaves the stored name.
    void fileValuesOutOfRange()
    {
        const QString folder = programFolder();
        QDir(folder + QStringLiteral("lng")).removeRecursively();
        IniFile file(iniPath());
        QVERIFY(file.writeInteger(QStringLiteral("Player"), QStringLiteral("DLPasse"), 300));
        QVERIFY(file.writeInteger(QStringLiteral("Player"), QStringLiteral("GardienGardien"), -20));
        QVERIFY(file.writeInteger(QStringLiteral("Player"), QStringLiteral("Forme"), 150));
        QVERIFY(file.writeInteger(QStringLiteral("Player"), QStringLiteral("DCEndurance"), 0));
        Settings settings(iniPath());
        ParamDialogModel model(settings, folder);
        QSignalSpy clamped(&model, &ParamDialogModel::valuesClamped);
        model.FormCreate();
        model.FormActivate(QString());
        QCOMPARE(clamped.count(), 1);
        QCOMPARE(model.clampedKeys(), QStringList({QStringLiteral("GardienGardien -20 → 0"),
                                                   QStringLiteral("DLPasse 300 → 100"),
                                                   QStringLiteral("Forme 150 → 100")}));
        QCOMPARE(model.row(1)[2], 100);
        QCOMPARE(model.row(0)[6], 0);
        QCOMPARE(model.general(0), 100);

        const Row dc = model.row(5);
        int total = 0;
        for (int v : dc)
            total += v;
        QVERIFY(total != 100);
        model.cbPosteChange(5);
        for (int s = 0; s < ParamDialogModel::kSkills; ++s)
            QCOMPARE(model.slider(s), dc[s]);
        model.sliderChange(6, dc[6]);
        QCOMPARE(model.sliderTotal(), 100);

        QVERIFY(model.languages().isEmpty());
        QVERIFY(model.BOKClick());
        QCOMPARE(settings.langue(), QStringLiteral("Francais"));
        QCOMPARE(settings.playerWeight(QStringLiteral("DLPasse")), 100);
        QVERIFY(model.clampedKeys().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestParamDialog)
#include "tst_paramdialog.moc"
