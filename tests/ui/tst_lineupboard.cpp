// The lineup board on the sample team: what it shows after start-up, the user's picks through
// the boxes, drops of roster rows, Clear, and program-code changes that must never count as
// the user's.
#include "common/NameTables.h"
#include "lineup/Board.h"
#include "lineup/BoardControls.h"
#include "lineup/LineupSlots.h"
#include "lineup/ui/FiguresLabel.h"
#include "lineup/ui/LineupBoardView.h"
#include "shell/MainModel.h"
#include "common/Vocabulary.h"
#include "shell/ui/WidgetLanguageApplier.h"
#include "support/ProgramFolder.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QStyleOptionComboBox>
#include <QtTest>

#include <memory>

using namespace LineupSlots;

namespace {

QString sampleName(int place)
{
    // The stored order of the sample team's match orders file, by placement index.
    static const char *const names[17] = {
        "", "Kristian Jørvik", "Ciarán Mulvany", "Mathis Bérard", "Matej Lukšić", "Nuno Ferreirinha",
        "Mikkel Thorsager", "Íñigo Arrazola", "Yannick Rousselot", "Jörg Hollwede", "Aurelio Lanzetta",
        "Andrés Quiñonero", "Teodor Zielonka", "Gábor Halmi", "Lukas Schönwald", "Dario Pellucchi",
        "Henrik Wästberg"};
    return QString::fromUtf8(names[place]);
}

QMimeData *recordMime(const QByteArray &text)
{
    auto *mime = new QMimeData;
    mime->setData(QLatin1String(LineupBoardView::recordMimeType()), text);
    return mime;
}

// Sends a drag over the widget and, when it was accepted, the drop; returns the acceptance.
bool dropOn(QWidget *target, QMimeData *mime)
{
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    const bool accepted = enter.isAccepted();
    if (accepted) {
        QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
    }
    delete mime;
    return accepted;
}

} // namespace

class TestLineupBoard : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsStoredOrderAfterStartUp();
    void cardImagesOfThePlayersShown();
    void pickThroughTheBoxUpdatesTheSlotAndTheFigures();
    void pickingAPlacedPlayerMovesHim_data();
    void pickingAPlacedPlayerMovesHim();
    void behaviourPickChangesTheValue();
    void substitutePickLeavesTheFigures();
    void clearEmptiesTheBoard();
    void programCodeChangesRunNoEvent();
    void dropOfARosterRow_data();
    void dropOfARosterRow();
    void refusedDrops_data();
    void refusedDrops();
    void figuresPanelHiddenUntilFirstFigures();
    void buttonsAndFiguresFollowThePage();
    void nothingOverlapsOrIsClipped();
    void englishReadsWell();

private:
    QComboBox *box(const char *name) const { return m_page->findChild<QComboBox *>(QLatin1String(name)); }
    QLabel *label(const char *name) const { return m_page->findChild<QLabel *>(QLatin1String(name)); }
    int entryOfName(const QString &name) const { return m_model->board().state().candidateList().indexOf(name); }
    void pick(QComboBox *b, int entry)
    {
        b->setCurrentIndex(entry);
        emit b->activated(entry);
    }
    void saveShot(const QString &name);
    void checkLayout();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainModel> m_model;
    // The page the board stands on, as on the main window's "Equipe" page.
    std::unique_ptr<QWidget> m_page;
    LineupBoardView *m_view = nullptr;
};

void TestLineupBoard::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    const QString folder = m_dir->path();
    TestSupport::copyTree(TestSupport::sampleDataDir(), folder);
    m_model = std::make_unique<MainModel>(folder + QLatin1Char('/'));
    m_model->board().edit()->setNumberLocale(QLocale::c());
    m_model->startUp();
    m_page = std::make_unique<QWidget>();
    m_page->setFixedSize(835, 483);
    m_view = new LineupBoardView(m_model->board(), m_model->folder().programPath(QStringLiteral("img/")), m_page.get());
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
}

void TestLineupBoard::cleanup()
{
    m_page.reset();
    m_model.reset();
    m_dir.reset();
}

void TestLineupBoard::saveShot(const QString &name)
{
    const QString dir = qEnvironmentVariable("SQW_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        m_page->grab().save(dir + QLatin1Char('/') + name);
}

void TestLineupBoard::showsStoredOrderAfterStartUp()
{
    const QRegularExpression valueForm(QStringLiteral("^\\( \\d+\\.\\d\\d \\)$"));
    for (int p = kFirstPlace; p <= kLastPlace; ++p) {
        QComboBox *b = box(slotBoxName(p));
        QVERIFY2(b, slotBoxName(p));
        QCOMPARE(b->currentText(), sampleName(p));
        if (!isSlot(p))
            continue;
        const QString value = label(valueLabelName(p))->text();
        QVERIFY2(valueForm.match(value).hasMatch(), qPrintable(value));
        QCOMPARE(value, m_model->board().presenter().valueLabel(p));
        QLabel *strip = label(starStripName(p));
        const Ratings::StripGeometry g = m_model->board().presenter().starStrip(p);
        QCOMPARE(strip->x(), int(g.left));
        QCOMPARE(strip->width(), int(g.width));
        QVERIFY(strip->isVisible());
    }
    // Captain and set-piece taker of the orders file.
    QCOMPARE(box("cbCapitaine")->currentText(), QString::fromUtf8("Mathis Bérard"));
    QCOMPARE(box("cbCPA")->currentText(), QString::fromUtf8("Íñigo Arrazola"));
    // The keeper's 12.23: 12 by half steps, six stars of 14 pixels, centred on the keeper's
    // base left 233: left edge (10 - 6) × 7 + 233 = 261.
    QCOMPARE(label("LG")->text(), QStringLiteral("( 12.23 )"));
    QCOMPARE(label("EtoilesGardien")->geometry(), QRect(261, 43, 84, 14));

    QVERIFY(m_view->infoPanel()->isVisible());
    QCOMPARE(label("LVelstats")->text(), QString::number(m_model->board().teamFigures().velstats));
    QCOMPARE(label("LForce1")->text(), m_model->board().text(QStringLiteral("LForce1")));
    QVERIFY(label("LForce1")->text().startsWith(QString::fromUtf8("Force équipe : \t ")));
    // Titles stand in their own labels above the words, so each is said once.
    QCOMPARE(label("LTitreTactique")->text(), QStringLiteral("Tactique :"));
    QCOMPARE(label("LabelTactique")->text(), QStringLiteral("Attaque au centre"));
    QCOMPARE(m_model->board().text(QStringLiteral("LabelTactique")), QStringLiteral("Tactique : Attaque au centre"));
    for (int s = 0; s < SectorRatings::kSectorCount; ++s) {
        const auto sector = static_cast<SectorRatings::Sector>(s);
        QString words = m_model->board().presenter().sectorLabel(sector);
        if (sector == SectorRatings::Midfield) {
            QVERIFY(words.startsWith(QStringLiteral("Milieu : ")));
            words = words.mid(9);
        }
        QCOMPARE(label(BoardControls::sectorLabelName(sector))->text(), words);
        QVERIFY(!label(BoardControls::sectorLabelName(sector))->text().isEmpty());
    }
    saveShot(QStringLiteral("board-sample.png"));
}

void TestLineupBoard::cardImagesOfThePlayersShown()
{
    // Mulvany (right back in the orders) has one yellow card; nobody else on the field has one.
    QLabel *card = label("cardDLD");
    QVERIFY(card->isVisible());
    const QImage expected(m_model->folder().programPath(QStringLiteral("img/YCard1.gif")));
    QVERIFY(!expected.isNull());
    QCOMPARE(card->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
             expected.convertToFormat(QImage::Format_ARGB32));
    for (int p = CentralDefender1; p <= kLastSlot; ++p)
        QVERIFY2(!label(cardImageName(p))->isVisible(), cardImageName(p));

    // Valadares (red card) picked in cbMilieu1 shows the red card; the empty entry hides it.
    pick(box("cbMilieu1"), entryOfName(QString::fromUtf8("Vítor Valadares")));
    QVERIFY(label("CardM1")->isVisible());
    const QImage red(m_model->folder().programPath(QStringLiteral("img/RCard.gif")));
    QVERIFY(!red.isNull());
    QCOMPARE(label("CardM1")->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
             red.convertToFormat(QImage::Format_ARGB32));
    pick(box("cbMilieu1"), 0);
    QVERIFY(!label("CardM1")->isVisible());
}

void TestLineupBoard::pickThroughTheBoxUpdatesTheSlotAndTheFigures()
{
    const Board &board = m_model->board();
    const QString name = QString::fromUtf8("Oskar Nyqvist"); // not in the stored order
    const int entry = entryOfName(name);
    QVERIFY(entry > 0);
    const QString velstatsBefore = label("LVelstats")->text();
    const QString forceBefore = label("LForce1")->text();

    pick(box("cbAttaquant1"), entry);

    QCOMPARE(box("cbAttaquant1")->currentText(), name);
    QCOMPARE(board.state().slotEntry(Forward1), entry);
    QCOMPARE(label("LA1")->text(), QStringLiteral("( %1 )").arg(board.state().slotValue(Forward1), 0, 'f', 2));
    QCOMPARE(label("LVelstats")->text(), QString::number(board.teamFigures().velstats));
    QCOMPARE(label("LForce1")->text(), board.text(QStringLiteral("LForce1")));
    // Lanzetta left the field for a weaker forward: the attack figures moved.
    QVERIFY(label("LForce1")->text() != forceBefore || label("LVelstats")->text() != velstatsBefore);
}

void TestLineupBoard::pickingAPlacedPlayerMovesHim_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("midfield 1 to midfield 2") << int(InnerMidfielder1) << int(InnerMidfielder2);
    QTest::newRow("midfield 2 to midfield 1") << int(InnerMidfielder2) << int(InnerMidfielder1);
    QTest::newRow("forward 2 to midfield 1") << int(Forward2) << int(InnerMidfielder1);
    QTest::newRow("right back to keeper") << int(RightBack) << int(Keeper);
}

void TestLineupBoard::pickingAPlacedPlayerMovesHim()
{
    QFETCH(int, from);
    QFETCH(int, to);
    const QString name = sampleName(from);
    pick(box(slotBoxName(to)), entryOfName(name));

    QCOMPARE(box(slotBoxName(to))->currentText(), name);
    QCOMPARE(box(slotBoxName(from))->currentIndex(), 0);
    QCOMPARE(box(slotBoxName(from))->currentText(), QString());
    QCOMPARE(label(valueLabelName(from))->text(), QString());
    QVERIFY(!label(starStripName(from))->isVisible());
    QVERIFY(!label(valueLabelName(to))->text().isEmpty());
    QCOMPARE(m_model->board().state().placement(from), -1);
}

void TestLineupBoard::behaviourPickChangesTheValue()
{
    // Arrazola in cbMilieu1 as a normal inner midfielder, then as a forward (entry 4).
    const Board &board = m_model->board();
    const int record = board.state().recordOfBox(InnerMidfielder1);
    const double asMidfielder = m_model->roster().players[record].value(board.state().slotKind(InnerMidfielder1));
    QCOMPARE(label("LM1")->text(), QStringLiteral("( %1 )").arg(asMidfielder, 0, 'f', 2));

    pick(box("cbM1"), 4);
    QCOMPARE(box("cbM1")->currentText(), QStringLiteral("Attaquant"));
    QCOMPARE(board.state().behaviourEntry(InnerMidfielder1), 4);
    const double asForward = board.state().slotValue(InnerMidfielder1);
    QVERIFY(asForward != asMidfielder);
    QCOMPARE(label("LM1")->text(), QStringLiteral("( %1 )").arg(asForward, 0, 'f', 2));
}

void TestLineupBoard::substitutePickLeavesTheFigures()
{
    const QString force = label("LForce1")->text();
    const QString velstats = label("LVelstats")->text();
    // A player on the bench, moved to another bench place: the field does not change.
    pick(box("cbRemplacantAttaque"), entryOfName(sampleName(SubstituteKeeper)));
    QCOMPARE(box("cbRemplacantAttaque")->currentText(), sampleName(SubstituteKeeper));
    QCOMPARE(box("cbRemplacantGardien")->currentIndex(), 0);
    QCOMPARE(label("LForce1")->text(), force);
    QCOMPARE(label("LVelstats")->text(), velstats);

    // A field player picked as a substitute leaves his slot empty.
    pick(box("cbRemplacantMilieu"), entryOfName(sampleName(InnerMidfielder2)));
    QCOMPARE(box("cbMilieu2")->currentIndex(), 0);
    QCOMPARE(label("LM2")->text(), QString());
}

void TestLineupBoard::clearEmptiesTheBoard()
{
    QTest::mouseClick(m_view->clearButton(), Qt::LeftButton);

    for (int p = kFirstPlace; p <= kLastPlace; ++p) {
        QCOMPARE(box(slotBoxName(p))->currentIndex(), 0);
        if (!isSlot(p))
            continue;
        QCOMPARE(label(valueLabelName(p))->text(), QString());
        QVERIFY(!label(starStripName(p))->isVisible());
        QVERIFY(!label(cardImageName(p))->isVisible());
        if (hasBehaviour(p))
            QCOMPARE(box(behaviourBoxName(p))->currentText(), QStringLiteral("Normal"));
    }
    QCOMPARE(box("cbCapitaine")->currentIndex(), 0);
    QCOMPARE(box("cbCPA")->currentIndex(), 0);
    // An empty lineup: every rating is -3 points, 7 × -3 with midfield counted three times.
    QCOMPARE(label("LVelstats")->text(), QStringLiteral("-27"));
    const QString nothing = QString::fromUtf8("Inexistant (inférieur)");
    QCOMPARE(label("LForceDefenseCentrale")->text(), nothing);
    QCOMPARE(label("LForceMilieu")->text(), nothing);
    QCOMPARE(label("LTitreMilieu")->text(), QStringLiteral("Milieu :"));
    QVERIFY(m_view->infoPanel()->isVisible());
    saveShot(QStringLiteral("board-clear.png"));
}

void TestLineupBoard::programCodeChangesRunNoEvent()
{
    Board &board = m_model->board();
    QComboBox *m1 = box("cbMilieu1");
    QComboBox *dld = box("cbDLD");
    QSignalSpy m1Changed(m1, &QComboBox::currentIndexChanged);
    QSignalSpy dldChanged(dld, &QComboBox::currentIndexChanged);
    const QString lm1 = label("LM1")->text();
    const QString force = label("LForce1")->text();
    const int32_t placedBefore = board.state().placement(InnerMidfielder1);

    const int entry = entryOfName(QString::fromUtf8("Oskar Nyqvist"));
    board.edit()->setSlotEntry(InnerMidfielder1, entry);
    board.edit()->setBehaviourEntry(RightBack, 2);

    // The boxes show the new entries, but nothing ran: no evaluation, no slot assignment.
    QCOMPARE(m1->currentIndex(), entry);
    QCOMPARE(dld->currentText(), QStringLiteral("Offensif"));
    QCOMPARE(m1Changed.count(), 0);
    QCOMPARE(dldChanged.count(), 0);
    QCOMPARE(label("LM1")->text(), lm1);
    QCOMPARE(label("LForce1")->text(), force);
    QCOMPARE(board.state().placement(InnerMidfielder1), placedBefore);

    // A new candidate list leaves every box without a selection, again silently.
    board.edit()->setCandidateList(board.state().candidateList().mid(0, 5));
    QCOMPARE(m1->currentIndex(), -1);
    QCOMPARE(box("cbGardien")->count(), 5);
    QCOMPARE(m1Changed.count(), 0);
}

void TestLineupBoard::dropOfARosterRow_data()
{
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("player");
    QTest::newRow("free player on a slot") << "cbAttaquant2" << "Oskar Nyqvist";
    QTest::newRow("field player on another slot") << "cbMilieu2" << "Íñigo Arrazola";
    QTest::newRow("field player on the bench") << "cbRemplacantAilier" << "Jörg Hollwede";
    QTest::newRow("captain") << "cbCapitaine" << "Kristian Jørvik";
    QTest::newRow("set pieces") << "cbCPA" << "Yannick Rousselot";
}

void TestLineupBoard::dropOfARosterRow()
{
    QFETCH(QString, boxName);
    QFETCH(QString, player);
    const Roster &roster = m_model->roster();
    int record = -1;
    for (int r = 0; r < roster.count; ++r) {
        if (roster.players[r].PlayerName == player)
            record = r;
    }
    QVERIFY(record >= 0);

    // What picking him in that box does, on a second board state for comparison.
    Board &board = m_model->board();
    const int previousPlace = [&] {
        for (int p = kFirstPlace; p <= kLastPlace; ++p)
            if (board.state().recordOfBox(p) == record)
                return p;
        return 0;
    }();

    QComboBox *target = m_page->findChild<QComboBox *>(boxName);
    QVERIFY(target);
    QVERIFY(dropOn(target, recordMime(QByteArray::number(record))));

    QCOMPARE(target->currentText(), player);
    QCOMPARE(board.entry(boxName), roster.players[record].ListPosition);
    if (previousPlace && boxName != QLatin1String("cbCapitaine") && boxName != QLatin1String("cbCPA"))
        QCOMPARE(box(slotBoxName(previousPlace))->currentIndex(), 0);
    if (boxName == QLatin1String("cbAttaquant2"))
        QCOMPARE(label("LA2")->text(), QStringLiteral("( %1 )").arg(board.state().slotValue(Forward2), 0, 'f', 2));
}

void TestLineupBoard::refusedDrops_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QByteArray>("data");
    const QByteArray record = LineupBoardView::recordMimeType();
    QTest::newRow("not a number") << record << QByteArray("Nyqvist");
    QTest::newRow("negative") << record << QByteArray("-1");
    QTest::newRow("past the roster") << record << QByteArray("25");
    QTest::newRow("far past the roster") << record << QByteArray("99999999999");
    QTest::newRow("empty") << record << QByteArray();
    QTest::newRow("plain text") << QByteArray("text/plain") << QByteArray("3");
}

void TestLineupBoard::refusedDrops()
{
    QFETCH(QByteArray, format);
    QFETCH(QByteArray, data);
    const QString before = label("LForce1")->text();
    const int entry = box("cbMilieu1")->currentIndex();
    auto *mime = new QMimeData;
    mime->setData(QString::fromLatin1(format), data);
    QVERIFY(!dropOn(box("cbMilieu1"), mime));
    QCOMPARE(box("cbMilieu1")->currentIndex(), entry);
    QCOMPARE(m_model->board().state().slotEntry(InnerMidfielder1), entry);
    QCOMPARE(label("LForce1")->text(), before);
}

void TestLineupBoard::figuresPanelHiddenUntilFirstFigures()
{
    // Before anything was evaluated (the board as the main window creates it).
    QTemporaryDir empty;
    MainModel model(empty.path() + QLatin1Char('/'));
    model.board().edit()->reset();
    QWidget page;
    LineupBoardView view(model.board(), model.folder().programPath(QStringLiteral("img/")), &page);
    page.show();
    QVERIFY(!view.infoPanel()->isVisible());
    QCOMPARE(view.infoPanel()->parentWidget(), &page);
    QCOMPARE(view.substitutesPanel()->parentWidget(), &page);
    QCOMPARE(page.findChild<QComboBox *>(QStringLiteral("cbGardien"))->count(), 0);
    // Clear evaluates the keeper slot; without a roster there is nothing to value, so the
    // panel shows no figures (no -27, no "Inexistant").
    QTest::mouseClick(view.clearButton(), Qt::LeftButton);
    QVERIFY(view.infoPanel()->isVisible());
    QCOMPARE(page.findChild<QLabel *>(QStringLiteral("LVelstats"))->text(), QString());
    QCOMPARE(page.findChild<QLabel *>(QStringLiteral("LForceDefenseCentrale"))->text(), QString());
    QCOMPARE(page.findChild<FiguresLabel *>(QStringLiteral("LForce1"))->text(), QString());
}

void TestLineupBoard::buttonsAndFiguresFollowThePage()
{
    QSignalSpy calcule(m_view, &LineupBoardView::calculeRequested);
    QSignalSpy recharge(m_view, &LineupBoardView::rechargeRequested);
    QSignalSpy optimum(m_view, &LineupBoardView::optimumRequested);
    QTest::mouseClick(m_view->calculeButton(), Qt::LeftButton);
    QTest::mouseClick(m_view->rechargeButton(), Qt::LeftButton);
    QTest::mouseClick(m_view->optimumButton(), Qt::LeftButton);
    QCOMPARE(calcule.count(), 1);
    QCOMPARE(recharge.count(), 1);
    QCOMPARE(optimum.count(), 1);
    // Calcule, the optimal lineup and Recharge XML stand on Clear's left edge, one under the other.
    for (QPushButton *b : {m_view->calculeButton(), m_view->optimumButton(), m_view->rechargeButton()})
        QCOMPARE(b->x(), m_view->clearButton()->x());
    QVERIFY(m_view->calculeButton()->geometry().bottom() < m_view->optimumButton()->y());
    QVERIFY(m_view->optimumButton()->geometry().bottom() < m_view->rechargeButton()->y());

    // The main window moves the figures and the buttons to its other page: they keep
    // working there, and the figures panel still follows the board.
    auto *otherPage = new QWidget;
    otherPage->resize(841, 500);
    otherPage->show();
    QPointer<QWidget> info = m_view->infoPanel();
    QPointer<QPushButton> clear = m_view->clearButton();
    info->setParent(otherPage);
    clear->setParent(otherPage);
    clear->show();
    QTest::mouseClick(clear, Qt::LeftButton);
    QCOMPARE(box("cbGardien")->currentIndex(), 0);
    QCOMPARE(otherPage->findChild<QLabel *>(QStringLiteral("LVelstats"))->text(), QStringLiteral("-27"));
    QVERIFY(info->isVisible());

    // They belong to the board: they go when it goes, whichever page they stand on.
    m_page.reset();
    QVERIFY(info.isNull());
    QVERIFY(clear.isNull());
    delete otherPage;
}

void TestLineupBoard::checkLayout()
{
    // Every control of the pitch, the bench and the figures panel lies inside its panel, no
    // two overlap (the background picture excepted), and every text fits its label.
    const QList<QWidget *> panels = {m_view, m_view->substitutesPanel(), m_view->infoPanel()};
    for (QWidget *panel : panels) {
        QList<QWidget *> controls;
        for (QObject *o : panel->children()) {
            auto *w = qobject_cast<QWidget *>(o);
            if (w && w->objectName() != QLatin1String("IFond") && !w->isHidden() && !w->geometry().isEmpty())
                controls << w;
        }
        for (QWidget *w : controls) {
            QVERIFY2(panel->rect().contains(w->geometry()), qPrintable(w->objectName()));
            // The behaviour boxes show each entry whole.
            if (auto *c = qobject_cast<QComboBox *>(w); c && !c->property("boardRole").isValid()) {
                QStyleOptionComboBox option;
                option.initFrom(c);
                option.frame = c->hasFrame();
                const QRect field = c->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                               QStyle::SC_ComboBoxEditField, c);
                for (int i = 0; i < c->count(); ++i)
                    QVERIFY2(c->fontMetrics().horizontalAdvance(c->itemText(i)) <= field.width() - 2,
                             qPrintable(c->objectName() + QStringLiteral(": ") + c->itemText(i)));
            }
            auto *l = qobject_cast<QLabel *>(w);
            if (!l || l->text().isEmpty())
                continue;
            const QFontMetrics fm(l->font());
            if (l->wordWrap()) {
                QVERIFY2(l->heightForWidth(l->width()) <= l->height(), qPrintable(l->objectName() + l->text()));
                continue;
            }
            if (auto *figures = qobject_cast<FiguresLabel *>(l)) {
                QVERIFY2(FiguresLabel::rowsWidth(fm, figures->rows()) <= l->width(), qPrintable(l->text()));
                QVERIFY2(figures->rows().size() * fm.lineSpacing() <= l->height(), qPrintable(l->text()));
                continue;
            }
            const QStringList lines = l->text().split(QRegularExpression(QStringLiteral("\r?\n")));
            for (const QString &line : lines) {
                // A tab moves on to the next stop; a label's stops are eight x widths apart.
                const int stop = 8 * fm.horizontalAdvance(QLatin1Char('x'));
                int width = 0;
                const QStringList parts = line.split(QLatin1Char('\t'));
                for (int k = 0; k < parts.size(); ++k) {
                    if (k > 0)
                        width = (width / stop + 1) * stop;
                    width += fm.horizontalAdvance(parts.at(k));
                }
                QVERIFY2(width <= l->width(), qPrintable(l->objectName() + QStringLiteral(": ") + line));
            }
            QVERIFY2((lines.size() - 1) * fm.lineSpacing() + fm.height() <= l->height() + fm.lineSpacing(),
                     qPrintable(l->objectName()));
        }
        for (int i = 0; i < controls.size(); ++i) {
            for (int j = i + 1; j < controls.size(); ++j) {
                QVERIFY2(!controls[i]->geometry().intersects(controls[j]->geometry()),
                         qPrintable(controls[i]->objectName() + QStringLiteral(" / ") + controls[j]->objectName()));
            }
        }
    }
}

void TestLineupBoard::nothingOverlapsOrIsClipped()
{
    checkLayout();
    if (QTest::currentTestFailed())
        return;
    // The longest rating words (an empty board).
    QTest::mouseClick(m_view->clearButton(), Qt::LeftButton);
    checkLayout();
    if (QTest::currentTestFailed())
        return;
    // Another lineup: the squad in list order, every card shown that the squad has.
    for (int p = Keeper; p <= kLastSlot; ++p)
        pick(box(slotBoxName(p)), p + 11);
    checkLayout();
    saveShot(QStringLiteral("board-other-lineup.png"));
    // Board, substitutes under it and figures beside it fit the main window's page, which
    // leaves about 483 pixels of the 563 to the tool bar, tabs and status bar.
    const QRect all = m_view->geometry() | m_view->substitutesPanel()->geometry() | m_view->infoPanel()->geometry();
    QVERIFY(QRect(0, 0, 841 - 6, 483).contains(all));
    QVERIFY(!m_view->geometry().intersects(m_view->substitutesPanel()->geometry()));
    QVERIFY(!m_view->geometry().intersects(m_view->infoPanel()->geometry()));
    QVERIFY(!m_view->infoPanel()->geometry().intersects(m_view->substitutesPanel()->geometry()));
}

void TestLineupBoard::englishReadsWell()
{
    // The English language file on the board's captions, lists and vocabulary; then the
    // board reset and evaluated again, as a language change does.
    m_page->setObjectName(QStringLiteral("Form1"));
    const QString english = m_model->folder().programPath(QStringLiteral("lng/English.lng"));
    WidgetLanguageApplier::attach(m_page.get(), m_model->language());
    QVERIFY(m_model->language().load(english));
    m_model->board().edit()->reset();
    m_model->rechargeCompoXML();
    QCOMPARE(label("LDFLD")->text(), QStringLiteral("Right wing back"));
    QCOMPARE(label("LTitreDefenseCentrale")->text(), QStringLiteral("Central defence:"));
    QCOMPARE(box("cbGardien")->currentText(), sampleName(Keeper));
    QVERIFY(box("cbDLD")->itemText(0) != QString());
    checkLayout();
    saveShot(QStringLiteral("board-english.png"));
    if (QTest::currentTestFailed())
        return;
    QTest::mouseClick(m_view->clearButton(), Qt::LeftButton);
    checkLayout();
    saveShot(QStringLiteral("board-english-clear.png"));
}

QTEST_MAIN(TestLineupBoard)
#include "tst_lineupboard.moc"
