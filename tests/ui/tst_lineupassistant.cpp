// The padlocks on the board and the two tables of the lineup assistant on the real main window
// (offscreen): the optimum around padlocked players, a lock that cannot hold, a tactic row and a
// squad depth row put on the board.
#include "evaluation/Tplayer.h"
#include "lineup/LineupSlots.h"
#include "lineup/ui/LineupBoardView.h"
#include "lineup/ui/PlacePadlocks.h"
#include "optimum/LineupOptimizer.h"
#include "shell/ui/AssistantCommands.h"
#include "shell/ui/AssistantDialog.h"
#include "shell/ui/TForm1.h"
#include "support/ProgramFolder.h"

#include <QAction>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace LineupSlots;

namespace {

struct Started {
    QTemporaryDir dir;
    std::unique_ptr<TForm1> form;
    Started()
    {
        TestSupport::copyTree(TestSupport::sampleDataDir(), dir.path());
        form = std::make_unique<TForm1>(dir.path() + QLatin1Char('/'));
        QSignalSpy done(form.get(), &TForm1::startUpFinished);
        form->show();
        if (!done.wait(10000))
            qWarning("start-up did not finish");
    }
    Board &board() { return form->model().board(); }
    QToolButton *padlock(int place) { return form->boardView()->padlocks()->button(place); }
    std::array<int, kLastSlot + 1> lineup()
    {
        std::array<int, kLastSlot + 1> records{};
        for (int p = Keeper; p <= kLastSlot; ++p)
            records[p] = board().state().recordOfBox(p);
        return records;
    }
    // A ticked player the optimum leaves out, put in the place by the user.
    int placeBenchPlayer(int place)
    {
        const auto fielded = lineup();
        for (int r : LineupOptimizer::eligibleRecords(board().state())) {
            if (std::find(fielded.begin(), fielded.end(), r) == fielded.end()) {
                board().slotPicked(place, form->model().roster().players[r].ListPosition);
                return r;
            }
        }
        return -1;
    }
    AssistantDialog *ran(AssistantDialog *dialog)
    {
        QSignalSpy done(dialog, &AssistantDialog::runFinished);
        dialog->start();
        if (!done.wait(60000))
            qWarning("the run did not finish");
        return dialog;
    }
};

} // namespace

class TestLineupAssistant : public QObject {
    Q_OBJECT
private slots:
    void optimumKeepsThePadlockedPlayers()
    {
        Started s;
        action(s)->trigger();
        const double free = s.board().figures().E;
        QVERIFY(free > 0);
        QVERIFY(!s.padlock(RightBack)->isChecked());

        // Two bench players locked with the padlocks' clicks: the optimum fills the rest around them.
        const int back = s.placeBenchPlayer(RightBack);
        const int forward = s.placeBenchPlayer(Forward2);
        QVERIFY(back >= 0 && forward >= 0);
        s.padlock(RightBack)->click();
        s.padlock(Forward2)->click();
        QVERIFY(s.board().state().locked(RightBack) && s.padlock(Forward2)->isChecked());
        action(s)->trigger();
        QCOMPARE(s.board().state().recordOfBox(RightBack), back);
        QCOMPARE(s.board().state().recordOfBox(Forward2), forward);
        QVERIFY(s.padlock(RightBack)->isChecked() && s.padlock(Forward2)->isChecked());
        QVERIFY(s.board().figures().E <= free);
        QVERIFY2(s.form->statusMessage().contains(QStringLiteral("prouvée")), qPrintable(s.form->statusMessage()));

        // Calcule recomputing everything keeps them too.
        s.board().optionToggled(Board::RecalculTous, true);
        s.board().calcule();
        QCOMPARE(s.board().state().recordOfBox(RightBack), back);

        // A place given to somebody else opens; Clear opens every padlock with the places.
        s.board().slotPicked(Forward2, 0);
        QVERIFY(!s.padlock(Forward2)->isChecked() && !s.padlock(Forward2)->isEnabled());
        s.padlock(Forward2)->click();
        QVERIFY(!s.board().state().locked(Forward2));
        s.form->boardView()->clearButton()->click();
        QVERIFY(!s.board().state().locked(RightBack) && !s.padlock(RightBack)->isChecked());
    }

    void aLockThatCannotHoldChangesNothing()
    {
        Started s;
        const Roster &roster = s.form->model().roster();
        int trainer = -1;
        for (int r = 0; r < roster.count && trainer < 0; ++r)
            if (roster.players[r].TrainerType != 0)
                trainer = r;
        QVERIFY(trainer >= 0);
        s.board().slotPicked(CentralDefender1, roster.players[trainer].ListPosition);
        QCOMPARE(s.board().state().recordOfBox(CentralDefender1), trainer);
        s.padlock(CentralDefender1)->click();
        QVERIFY(s.board().state().locked(CentralDefender1));
        const auto before = s.lineup();
        const double e = s.board().figures().E;

        action(s)->trigger();
        QVERIFY(s.lineup() == before);
        QCOMPARE(s.board().figures().E, e);
        const QString expected = LineupOptimizer::lockProblem(s.board().state(), s.form->model().boardOptions());
        QVERIFY(!expected.isEmpty());
        QCOMPARE(s.form->statusMessage(), expected);
        // The tables say so too, and run nothing.
        AssistantDialog *tactics = s.form->assistant()->tacticsDialog();
        tactics->start();
        QVERIFY(!tactics->running());
        QCOMPARE(tactics->table()->rowCount(), 0);
    }

    void aTacticRowGoesOnTheBoard()
    {
        Started s;
        const int kept = s.placeBenchPlayer(LeftWinger);
        s.padlock(LeftWinger)->click();
        const int boardTactic = s.board().state().condition(Board::Tactique);
        AssistantDialog *dialog = s.ran(s.form->assistant()->tacticsDialog());
        const LineupAssistant::Tactics &tactics = dialog->tacticRows();
        QCOMPARE(tactics.rows.size(), 5);
        QCOMPARE(dialog->table()->rowCount(), 5);
        for (const LineupAssistant::TacticRow &row : tactics.rows)
            QCOMPARE(row.optimum.record[LeftWinger], kept);
        QVERIFY(dialog->table()->item(boardTactic, 0)->text().contains(QStringLiteral("sur le terrain")));

        const int chosen = boardTactic == 2 ? 3 : 2;
        const LineupAssistant::TacticRow row = tactics.rows.at(chosen);
        emit dialog->table()->cellDoubleClicked(chosen, 0);
        QCOMPARE(s.board().state().condition(Board::Tactique), chosen);
        for (int p = Keeper; p <= kLastSlot; ++p)
            if (row.optimum.record[p] >= 0)
                QCOMPARE(s.board().state().recordOfBox(p), row.optimum.record[p]);
        QCOMPARE(s.board().figures().E, row.optimum.evaluation);
        QVERIFY(s.padlock(LeftWinger)->isChecked());
        QVERIFY(dialog->table()->item(chosen, 0)->text().contains(QStringLiteral("sur le terrain")));
        QVERIFY(!dialog->table()->item(boardTactic, 0)->text().contains(QStringLiteral("sur le terrain")));
    }

    void depthRowsComeGreatestLossFirst()
    {
        Started s;
        action(s)->trigger();
        const auto fielded = s.lineup();
        AssistantDialog *dialog = s.ran(s.form->assistant()->depthDialog());
        const LineupAssistant::Depth depth = dialog->depthRows();
        QCOMPARE(depth.rows.size(), 11);
        QCOMPARE(dialog->table()->rowCount(), 11);
        for (int i = 1; i < depth.rows.size(); ++i)
            QVERIFY(depth.rows.at(i - 1).loss >= depth.rows.at(i).loss);
        for (int i = 0; i < depth.rows.size(); ++i)
            QCOMPARE(dialog->table()->item(i, 0)->text(),
                     s.form->model().roster().players[depth.rows.at(i).record].PlayerName);

        // The first row on the board: the lineup without him.
        dialog->table()->selectRow(0);
        dialog->findChild<QPushButton *>(QStringLiteral("BPut"))->click();
        const auto without = s.lineup();
        QVERIFY(std::find(without.begin(), without.end(), depth.rows.at(0).record) == without.end());
        QVERIFY(without != fielded);
        QCOMPARE(s.board().figures().E, depth.rows.at(0).optimum.evaluation);
    }

private:
    static QAction *action(Started &s) { return s.form->findChild<QAction *>(QStringLiteral("Optimum")); }
};

QTEST_MAIN(TestLineupAssistant)
#include "tst_lineupassistant.moc"
