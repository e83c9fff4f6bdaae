// The connection dialog against the game server on 127.0.0.1.
#include "online/ui/TFrmConnect.h"
#include "support/FakeGameServer.h"
#include "support/ProgramFolder.h"
#include "support/ShippedVocabulary.h"
#include "support/OwnTexts.h"

#include "common/Vocabulary.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {
QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
// The darkest and the most common grey level of what a widget shows: its text and its ground.
struct Greys {
    int darkest = 255;
    int ground = 0;
};
Greys greys(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    QHash<int, int> counts;
    Greys g;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(image.pixel(x, y));
            g.darkest = qMin(g.darkest, grey);
            ++counts[grey];
        }
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            g.ground = it.key();
        }
    return g;
}

QStringList lines(const QListWidget *log)
{
    QStringList out;
    for (int i = 0; i < log->count(); ++i)
        out << log->item(i)->text();
    return out;
}
} // namespace

class TestConnectDialog : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        program = new TestSupport::ProgramFolderCopy;
        server = new FakeGameServer(this);
        QVERIFY(server->listen());
        dialog = new TFrmConnect(program->folder(), QStringLiteral("1.0"), nullptr, 500);
        dialog->configure(server->host(), {}, QStringLiteral("80"), {}, {});
        dialog->EUser()->setText(server->user);
    }
    void cleanup()
    {
        delete dialog;
        delete server;
        delete program;
    }

    void runsTheDownloadAndCloses()
    {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Connexion 127.0.0.1"));
        // The caption follows the language the next time the dialog is set up.
        {
            TestSupport::OwnTexts english;
            QVERIFY(TestSupport::useShippedVocabulary(english.vocabulary, QStringLiteral("English")));
            dialog->configure(server->host(), {}, QStringLiteral("80"), {}, {});
        }
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Connection 127.0.0.1"));
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QCOMPARE(QApplication::focusWidget(), dialog->EPassword());
        QTest::keyClicks(dialog->EPassword(), server->code);
        QCOMPARE(dialog->EPassword()->echoMode(), QLineEdit::Password);
        QTest::mouseClick(dialog->BConnect(), Qt::LeftButton);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(readAll(program->filePath("xml/team.xml")), server->bodies["teamDetails"]);
        QCOMPARE(dialog->ProgressBar1()->value(), 100);
        QCOMPARE(server->steps().last(), QStringLiteral("logout"));
        QVERIFY(!dialog->session().connected());
    }

    // An installed program downloads into the user's data folder, not beside the pictures.
    void downloadsIntoTheGivenDataFolder()
    {
        QTemporaryDir user;
        QVERIFY(QDir().mkpath(user.filePath("xml")));
        const QByteArray before = readAll(program->filePath("xml/players.xml"));
        dialog->setDataFolder(user.filePath("xml"));
        dialog->configure(server->host(), {}, QStringLiteral("80"), {}, {});
        dialog->EPassword()->setText(server->code);
        QVERIFY(dialog->runDownload());
        QCOMPARE(readAll(user.filePath("xml/players.xml")), server->bodies["players"]);
        QCOMPARE(readAll(program->filePath("xml/players.xml")), before);
    }

    // A failing step: the dialog stays open, names the step, keeps the files; one run at a time.
    void failureStaysOpen()
    {
        const QByteArray players = readAll(program->filePath("xml/players.xml"));
        server->slowStep = QStringLiteral("players");
        dialog->EPassword()->setText(server->code);
        dialog->show();
        bool disabledDuringRun = false;
        QTimer::singleShot(200, this, [&] { disabledDuringRun = !dialog->BConnect()->isEnabled(); });
        QTest::mouseClick(dialog->BConnect(), Qt::LeftButton);
        QVERIFY(disabledDuringRun);
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->BConnect()->isEnabled());
        const QStringList log = lines(dialog->EditConnexion());
        QVERIFY2(log.last().startsWith(QStringLiteral("Erreur : joueurs : ")), qPrintable(log.join('|')));
        QVERIFY(!log.join('|').contains(server->code));
        QCOMPARE(readAll(program->filePath("xml/players.xml")), players);
        QVERIFY(QFile::exists(program->filePath("xml/Team.xml")));
    }

    // Annuler stops a silent wait at once: a failure like any other, files as before, the
    // dialog open on it, the progress back at 0. Idle, it closes the dialog.
    void cancelStopsTheRun()
    {
        const QByteArray players = readAll(program->filePath("xml/players.xml"));
        server->slowStep = QStringLiteral("matches");
        dialog->EPassword()->setText(server->code);
        dialog->show();
        // A wait far longer than the test may last: only the stop can end it.
        dialog->http().setTimeout(600000);
        QTimer::singleShot(300, this, [&] { QTest::mouseClick(dialog->BCancel(), Qt::LeftButton); });
        QTest::mouseClick(dialog->BConnect(), Qt::LeftButton);
        QVERIFY(dialog->isVisible());
        QVERIFY2(dialog->lastFailure().contains(vocab("MSG_ONLINE_STOPPED")), qPrintable(dialog->lastFailure()));
        QCOMPARE(dialog->ProgressBar1()->value(), 0);
        QCOMPARE(readAll(program->filePath("xml/players.xml")), players);
        QVERIFY(!dialog->session().connected());
        QTest::mouseClick(dialog->BCancel(), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
    }

    // The refused login's box and the step log read dark on light, whatever the dialog's green.
    void messagesAreReadable()
    {
        dialog->EPassword()->setText(QStringLiteral("wrong"));
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QString text;
        Greys box;
        auto *closer = new QTimer(this);
        connect(closer, &QTimer::timeout, this, [&] {
            if (auto *shown = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                text = shown->text();
                box = greys(shown->findChild<QLabel *>(QStringLiteral("qt_msgbox_label")));
                shown->accept();
            }
        });
        closer->start(20);
        QTest::mouseClick(dialog->BConnect(), Qt::LeftButton);
        closer->stop();
        QVERIFY2(text.startsWith(QStringLiteral("Échec de la connexion !")), qPrintable(text));
        QVERIFY2(box.ground > 200 && box.darkest < 100, qPrintable(QStringLiteral("%1 %2").arg(box.ground).arg(box.darkest)));
        QVERIFY(dialog->EditConnexion()->count() > 0);
        QTest::qWait(50); // the list lays its lines out after a pause
        const Greys log = greys(dialog->EditConnexion());
        QVERIFY2(log.ground > 200 && log.darkest < 100, qPrintable(QStringLiteral("%1 %2").arg(log.ground).arg(log.darkest)));
    }

private:
    TestSupport::ProgramFolderCopy *program = nullptr;
    FakeGameServer *server = nullptr;
    TFrmConnect *dialog = nullptr;
};

QTEST_MAIN(TestConnectDialog)
#include "tst_connectdialog.moc"
