// The about window and the documentation command on the offscreen platform.
#include "about/AboutModel.h"
#include "about/ui/TFApropos.h"
#include "shell/ui/TForm1.h"
#include "support/ProgramFolder.h"

#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

class TestAboutWindow : public QObject {
    Q_OBJECT
private slots:
    void showsVersionLinksAndReadMe()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("doc");
        QDir(dir.path()).mkpath("img");
        QVERIFY(QFile::copy(QStringLiteral(SQW_TEST_DATA_DIR "/rtf/sample.rtf"), dir.filePath("doc/readme.rtf")));
        QVERIFY(QFile::copy(QStringLiteral(SQW_SAMPLE_DATA_DIR "/img/Logo_SQW1.gif"), dir.filePath("img/Logo_SQW1.gif")));
        QVERIFY(QFile::copy(QStringLiteral(SQW_SAMPLE_DATA_DIR "/img/vldx_logo.gif"), dir.filePath("img/vldx_logo.gif")));
        QStringList reported;
        QList<QUrl> opened;
        TFApropos about(dir.path(), [&](const QUrl &url) { opened << url; return true; },
                        [&](const QString &m) { reported << m; });
        QCOMPARE(reported, QStringList());

        // LDate follows Lversion directly, whatever the length of the version.
        for (const QString version : {"1", "12.345.6789.10-long-build-name"}) {
            about.setProgramInfo(version, "10/12/2026");
            QCOMPARE(about.Lversion()->text(), version);
            QCOMPARE(about.LDate()->text(), QStringLiteral(" ( 10/12/2026 )"));
            QCOMPARE(about.LDate()->x(), about.Lversion()->x() + about.Lversion()->width());
            QCOMPARE(about.LDate()->y(), about.Lversion()->y());
        }

        about.Label1Click();
        about.JvHotLink1Click();
        QCOMPARE(opened, QList<QUrl>({QUrl(AboutModel::mailUrl("12.345.6789.10-long-build-name")),
                                      QUrl(AboutModel::webAddress())}));

        const QTextDocument *readme = about.RichEdit1()->document();
        QVERIFY(readme->toPlainText().startsWith("Squadwright\n"));
        QVERIFY(readme->toPlainText().contains(QString::fromUtf16(u"Café €")));
        QVERIFY(!readme->toPlainText().contains("frobnicate"));
        QCOMPARE(readme->begin().begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
        QCOMPARE(readme->begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    }

    // The read-me is read from its first line, at every opening.
    void readMeOpensAtItsTop()
    {
        TFApropos about(QStringLiteral(SQW_SAMPLE_DATA_DIR), {}, {});
        QScrollBar *bar = about.RichEdit1()->verticalScrollBar();
        for (int opening = 0; opening < 2; ++opening) {
            about.show();
            QVERIFY(QTest::qWaitForWindowExposed(&about));
            QVERIFY(bar->maximum() > 0);
            QCOMPARE(bar->value(), 0);
            bar->setValue(bar->maximum());
            about.accept();
        }
    }

    void missingFilesAreToldAndTheWindowStillOpens()
    {
        QTemporaryDir dir;
        QStringList reported;
        TFApropos about(dir.path(), {}, [&](const QString &m) { reported << m; });
        QCOMPARE(reported.size(), 1);
        for (const char *name : {"Logo_SQW1.gif", "readme.rtf", "vldx_logo.gif"})
            QVERIFY2(reported[0].contains(name), qPrintable(reported[0]));
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        about.Label1Click(); // nothing can open it: said too
        QCOMPARE(reported.size(), 2);
        about.accept();
    }

    void documentationCommandOpensTheGuideOfTheLanguage()
    {
        TestSupport::ProgramFolderCopy folder;
        QDir(folder.path()).mkpath("doc");
        QFile guide(folder.path() + "/doc/Velmorra.rtf");
        QVERIFY(guide.open(QIODevice::WriteOnly));
        guide.close();
        TForm1 form(folder.path());
        QList<QUrl> opened;
        form.setDesktopOpener([&](const QUrl &url) { opened << url; return true; });
        QAction *doc = form.findChild<QAction *>("DocVelmorra");
        QVERIFY(doc->isEnabled() && form.findChild<QAction *>("Apropos")->isEnabled()
                && form.findChild<QAction *>("Check_Updates")->isEnabled());

        form.model().settings().setLangue("English");
        doc->trigger();
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(folder.path() + "/doc/Velmorra.rtf")});

        QFile::remove(folder.path() + "/doc/Velmorrafr.rtf");
        form.model().settings().setLangue("Francais"); // the French guide is not there
        doc->trigger();
        QCOMPARE(opened.size(), 1);
        QVERIFY(form.statusMessage().contains("Velmorrafr.rtf"));

        // The update check reads its server from the settings and tells an unusable one.
        QVERIFY(form.model().settings().file().writeString("online", "UpdateHost", "ftp://updates.test"));
        form.findChild<QAction *>("Check_Updates")->trigger();
        QVERIFY(form.statusMessage().contains("ftp://updates.test"));
        QVERIFY(form.findChild<QAction *>("Check_Updates")->isEnabled());
        QCOMPARE(opened.size(), 1);
    }
};

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
