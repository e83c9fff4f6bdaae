#include "settings/Settings.h"
#include "support/Files.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestSettings : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString fileWith(const QByteArray &content)
    {
        return TestSupport::writeFile(m_dir.filePath(QStringLiteral("SQW.ini")), content);
    }

private slots:
    void eachKeyHasItsOwnReadRule_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("onTop");
        QTest::addColumn<bool>("cartons");
        QTest::addColumn<int>("methode");
        QTest::addColumn<int>("repositionnement");
        QTest::addColumn<QString>("hotKey");
        QTest::newRow("no file content: the defaults") << QByteArray() << false << false << 0 << 0 << "Ctrl+C";
        // Keep-on-top ignores letter case; an option wants "YES" exactly.
        QTest::newRow("lower case") << QByteArray("[defaut]\r\nontop=YeS\r\n[options]\r\ncartons=yes\r\n")
                                    << true << false << 0 << 0 << "Ctrl+C";
        QTest::newRow("upper case and integers")
            << QByteArray("[DEFAUT]\r\nontop=no\r\nrepositionnement=$2\r\nhotkey=Alt+Q\r\n[Options]\r\nCARTONS=YES\r\nmethode=0x3\r\n")
            << false << true << 3 << 2 << "Alt+Q";
        QTest::newRow("integers that are none") << QByteArray("[defaut]\nrepositionnement= 2x\n[options]\nmethode=+1\n")
                                                << false << false << 0 << 0 << "Ctrl+C";
    }
    void eachKeyHasItsOwnReadRule()
    {
        QFETCH(QByteArray, content);
        const Settings s(fileWith(content));
        QTEST(s.onTop(), "onTop");
        QTEST(s.cartons(), "cartons");
        QTEST(s.methode(), "methode");
        QTEST(s.repositionnement(), "repositionnement");
        QTEST(s.hotKey(), "hotKey");
    }

    // A proxy switched off is not used, though its host, account and port stay stored.
    void proxyOnlyWhenSwitchedOn()
    {
        Settings s(fileWith(QByteArray()));
        QVERIFY(s.setProxy(QStringLiteral("proxy.example")) && s.setUserProxy(QStringLiteral("me"))
                && s.setProxyPassword(QStringLiteral("pw")));
        QVERIFY(s.proxySettings().host.isEmpty() && s.proxySettings().user.isEmpty());
        QVERIFY(s.setUseProxy(true));
        const ProxySettings on = s.proxySettings();
        QCOMPARE(QStringList({on.host, on.port, on.user, on.password}),
                 QStringList({"proxy.example", "80", "me", "pw"}));
    }

    void settersWriteThroughAndReportOnlyWhatWasWritten()
    {
        Settings s(fileWith(QByteArray()));
        const Settings other(s.path());
        QSignalSpy changed(&s, &Settings::changed);

        QVERIFY(s.setOnTop(true));
        QVERIFY(s.setCalculAll(true));
        QVERIFY(s.setMethode(2));
        QVERIFY(s.setPlayersXml(QStringLiteral(" C:\\Velmorra\\Players.xml ")));
        QVERIFY(other.onTop());
        QVERIFY(other.calculAll());
        QVERIFY(!other.blesse());
        QCOMPARE(other.methode(), 2);
        QCOMPARE(other.playersXml(), QStringLiteral(" C:\\Velmorra\\Players.xml "));
        QCOMPARE(s.file().readString(QStringLiteral("options"), QStringLiteral("CalculAll"), QString()),
                 QStringLiteral("YES"));
        QCOMPARE(s.file().readString(QStringLiteral("defaut"), QStringLiteral("ontop"), QString()), QStringLiteral("yes"));

        // A value the file cannot hold is refused and changes nothing.
        QVERIFY(!s.setHotKey(QStringLiteral("Ctrl\nC")));
        QCOMPARE(other.hotKey(), QStringLiteral("Ctrl+C"));

        QCOMPARE(changed.size(), 4);
        QCOMPARE(changed.at(0).at(0).toString(), Settings::kOnTop);
        QCOMPARE(changed.at(1).at(0).toString(), Settings::kCalculAll);
        QCOMPARE(changed.at(3).at(0).toString(), Settings::kPlayersXml);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
