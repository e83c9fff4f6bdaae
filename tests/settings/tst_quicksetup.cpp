// The quick setup wizard without widgets: its pages and what Finish writes.
#include "settings/FirstUse.h"
#include "settings/QuickSetupModel.h"
#include "settings/Settings.h"
#include "support/Files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestQuickSetup : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_folder;

    QString iniWith(const QByteArray &content)
    {
        return TestSupport::writeFile(m_dir.filePath(QStringLiteral("SQW.ini")), content);
    }

private slots:
    void initTestCase()
    {
        QDir().mkpath(m_dir.filePath(QStringLiteral("lng")));
        for (const char *name : {"English.lng", "Francais.lng", "Zulu.lng", "notes.txt"}) {
            QFile f(m_dir.filePath(QStringLiteral("lng/") + QLatin1String(name)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        m_folder = m_dir.path() + QLatin1Char('/');
    }

    // Next waits for the user name and the code; Back and the start page always work.
    void pages()
    {
        Settings settings(iniWith("[user]\r\nTeamName=Les Invités\r\n"));
        QuickSetupModel model(settings, m_folder);
        model.FormShow();
        QCOMPARE(model.page(), int(QuickSetupModel::Welcome));
        QCOMPARE(model.boxes().nomEquipe, QStringLiteral("Les Invités"));
        QVERIFY(model.next());
        QVERIFY(model.next());
        QCOMPARE(model.page(), int(QuickSetupModel::Team));
        QVERIFY(!model.next());
        model.boxes().hUser = QStringLiteral("coach");
        QVERIFY(!model.next());
        QCOMPARE(model.page(), int(QuickSetupModel::Team));
        // Jumping to the end stops where the page is incomplete.
        model.toStartPage();
        model.toLastPage();
        QCOMPARE(model.page(), int(QuickSetupModel::Team));
        QVERIFY(model.back());
        QCOMPARE(model.page(), int(QuickSetupModel::Language));
        model.boxes().hPassword = QStringLiteral("1234");
        model.toLastPage();
        QCOMPARE(model.page(), int(QuickSetupModel::Finish));
        QVERIFY(!model.next());
    }

    void languagePreselection_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("index");
        QTest::newRow("stored language") << QByteArray("[defaut]\nlangue=English\n") << 0;
        QTest::newRow("none stored: the system's") << QByteArray() << 1;
        QTest::newRow("unknown: the last entry") << QByteArray("[defaut]\nlangue=Klingon\n") << 2;
    }
    void languagePreselection()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, index);
        Settings settings(iniWith(content));
        QuickSetupModel model(settings, m_folder);
        QLocale::setDefault(QLocale(QLocale::French, QLocale::Canada)); // the system's, as Qt tells it
        model.FormShow();
        QLocale::setDefault(QLocale::c());
        QCOMPARE(model.languages(), QStringList({QStringLiteral("English"), QStringLiteral("Francais"), QStringLiteral("Zulu")}));
        QCOMPARE(model.languageIndex(), index);
    }

    // Finish writes the language, the team and account, the "ATA" formula (stored values, else
    // the defaults) and ShowConfig, and drops the old password key.
    void finishWrites_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<int>>("ata");
        QTest::newRow("no ATA keys") << QByteArray("[user]\r\nPassword=old\r\nUserName=x\r\n")
                                     << QList<int>{0, 0, 10, 30, 0, 60, 0};
        QTest::newRow("ATA keys kept") << QByteArray("[Player]\nATAEndurance=5\nATAConstruction=5\nATAPasse=20\n"
                                                     "ATAAilier=20\nATADefense=0\nATAButeur=50\nATAGardien=0\n")
                                       << QList<int>{5, 5, 20, 20, 0, 50, 0};
    }
    void finishWrites()
    {
        QFETCH(QByteArray, content);
        QFETCH(QList<int>, ata);
        Settings settings(iniWith(content));
        QuickSetupModel model(settings, m_folder);
        model.FormShow();
        model.setLanguageIndex(0);
        model.boxes().hUser = QStringLiteral("coach");
        model.boxes().hPassword = QStringLiteral("1234");
        model.boxes().idEquipe = QStringLiteral("4711");
        QVERIFY(model.finish());
        QCOMPARE(settings.langue(), QStringLiteral("English"));
        QCOMPARE(settings.file().readString(QStringLiteral("defaut"), QStringLiteral("ShowConfig"), QString()),
                 QStringLiteral("0"));
        QCOMPARE(settings.userName(), QStringLiteral("coach"));
        QCOMPARE(settings.securityPassword(), QStringLiteral("1234"));
        QCOMPARE(settings.teamId(), QStringLiteral("4711"));
        QVERIFY(settings.file().keyExists(QStringLiteral("user"), QStringLiteral("TeamName")));
        QVERIFY(!settings.hasOldPassword());
        for (int s = 0; s < QuickSetupModel::kAtaSkills; ++s)
            QCOMPARE(settings.playerWeight(QuickSetupModel::ataKey(s), -1), ata[s]);
    }

    // Without any language file there is nothing to choose: the stored name stays.
    void finishWithoutLanguages()
    {
        QTemporaryDir empty;
        Settings settings(iniWith("[defaut]\nlangue=English\n"));
        QuickSetupModel model(settings, empty.path());
        model.FormShow();
        QCOMPARE(model.languageIndex(), -1);
        QVERIFY(model.finish());
        QCOMPARE(settings.langue(), QStringLiteral("English"));
    }

    // The shipped settings say French; a new user on a German system reads English from the
    // first start on, and the language he chooses later is never taken back.
    void newUserGetsTheSystemsLanguage()
    {
        QTemporaryDir root;
        const QString exe = root.filePath("unzipped");
        QDir().mkpath(exe + "/lng");
        TestSupport::writeFile(exe + "/SQW.ini", "[defaut]\r\nlangue=Francais\r\n");
        TestSupport::writeFile(exe + "/lng/Francais.lng", "<lng/>");
        TestSupport::writeFile(exe + "/lng/English.lng", "<lng/>");
        const ProgramPaths paths = ProgramPaths::locate(
            {exe, root.filePath("config"), root.filePath("data"), [](const QString &) { return false; },
             root.filePath("cache"), QString()});
        const QLocale german(QLocale::German, QLocale::Germany);
        QVERIFY(FirstUse::prepare(paths, german).isEmpty());
        QCOMPARE(Settings(paths.settingsFilePath()).langue(), QStringLiteral("English"));
        QVERIFY(Settings(paths.settingsFilePath()).setLangue(QStringLiteral("Francais")));
        QVERIFY(FirstUse::prepare(paths, german).isEmpty());
        QCOMPARE(Settings(paths.settingsFilePath()).langue(), QStringLiteral("Francais"));
    }
};

QTEST_GUILESS_MAIN(TestQuickSetup)
#include "tst_quicksetup.moc"
