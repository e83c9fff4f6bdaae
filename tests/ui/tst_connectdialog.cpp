// The connection dialog against the game server on 127.0.0.1.
#include "online/ui/TFrmConnect.h"
#include "support/FakeGameServer.h"
#include "support/ProgramFolder.h"

#include <QFile>
#include <QLineEdit>
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
        QVERIFY2(log.last().contains(QLatin1String("players")), qPrintable(log.join('|')));
        QVERIFY(!log.join('|').contains(server->code));
        QCOMPARE(readAll(program->filePath("xml/players.xml")), players);
        QVERIFY(QFile::exists(program->filePath("xml/Team.xml")));
    }

private:
    TestSupport::ProgramFolderCopy *program = nullptr;
    FakeGameServer *server = nullptr;
    TFrmConnect *dialog = nullptr;
};

QTEST_MAIN(TestConnectDialog)
#include "tst_connectdialog.moc"
