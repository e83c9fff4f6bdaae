#include "about/AboutModel.h"
#include "settings/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestAboutModel : public QObject {
    Q_OBJECT
private slots:
    void mailLinkCarriesTheVersion()
    {
        QCOMPARE(AboutModel::mailUrl("1.2.3"),
                 "mailto:" + AboutModel::mailAddress() + "?subject=Squadwright : 1.2.3&body=");
        QCOMPARE(AboutModel::dateText("10/12/2026"), QStringLiteral(" ( 10/12/2026 )"));
    }

    void documentationOfTheLanguage_data()
    {
        QTest::addColumn<QString>("langue"); // "-": no key
        QTest::addColumn<QString>("file");
        QTest::newRow("missing key") << "-" << "Velmorrafr.rtf";
        QTest::newRow("francais") << "francais" << "Velmorrafr.rtf";
        QTest::newRow("any case") << "FrAnCaIs" << "Velmorrafr.rtf";
        QTest::newRow("language file name") << "Francais.lng" << "Velmorra.rtf";
        QTest::newRow("English") << "English" << "Velmorra.rtf";
        QTest::newRow("empty") << "" << "Velmorra.rtf";
    }
    void documentationOfTheLanguage()
    {
        QFETCH(QString, langue);
        QFETCH(QString, file);
        QTemporaryDir dir;
        IniFile settings(dir.filePath("SQW.ini"));
        if (langue != "-")
            QVERIFY(settings.writeString("defaut", "langue", langue));
        QCOMPARE(AboutModel::documentationFile(dir.path(), settings), dir.path() + "/doc/" + file);
    }

    void documentationCommandTellsWhatWentWrong()
    {
        QTemporaryDir dir;
        const IniFile settings(dir.filePath("SQW.ini"));
        QList<QUrl> opened;
        bool viewer = true;
        const DesktopOpener open = [&](const QUrl &url) {
            opened << url;
            return viewer;
        };
        QVERIFY(AboutModel::openDocumentation(dir.path(), settings, open).contains("Velmorrafr.rtf"));
        QVERIFY(opened.isEmpty());

        QDir(dir.path()).mkpath("doc");
        QFile guide(dir.filePath("doc/Velmorrafr.rtf"));
        QVERIFY(guide.open(QIODevice::WriteOnly));
        guide.close();
        QCOMPARE(AboutModel::openDocumentation(dir.path(), settings, open), QString());
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(dir.filePath("doc/Velmorrafr.rtf"))});

        viewer = false;
        QVERIFY(!AboutModel::openDocumentation(dir.path(), settings, open).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestAboutModel)
#include "tst_aboutmodel.moc"
