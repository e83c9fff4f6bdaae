#include "evaluation/RosterColumns.h"
#include "evaluation/ui/RosterListView.h"
#include "evaluation/ui/TFPlayerDetail.h"
#include "evaluation/ui/TFPlayerTest.h"
#include "shell/MainModel.h"
#include "common/Vocabulary.h"
#include "common/ui/ErrorHandler.h"
#include "shell/ui/WidgetLanguageApplier.h"
#include "common/NameTables.h"
#include "support/ProgramFolder.h"

#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QScrollBar>
#include <QMainWindow>
#include <QMimeData>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <memory>

namespace {

struct FilePlayer {
    QString id;
    QString name;
    int tsi;
    int injury;
    int cards;
    bool trainer;
};

// Records in file order. By name (accents and case folded): Adam, Bruno, émile, Émilie,
// Eric, Zoé. TSI texts order differently as text ("10000" < "80" < "900") than as numbers.
const QList<FilePlayer> kPlayers = {
    {"5001", "Zoé Roux", 900, -1, 0, false},
    {"5002", "émile Blanc", 10000, 0, 1, false},
    {"5003", "Eric Morel", 2500, -1, 0, false},
    {"5004", "Adam Perrin", 15000, -1, 0, true},
    {"5005", "Émilie Faure", 80, 2, 2, false},
    {"5006", "Bruno Caron", 1200, -1, 3, false},
};

QString playerXml(const FilePlayer &p, int i)
{
    QString trainer;
    if (p.trainer)
        trainer = QStringLiteral("<TrainerData><TrainerType>1</TrainerType><TrainerSkill>5</TrainerSkill></TrainerData>");
    // Skill levels vary with the file position so that the values differ from row to row.
    return QStringLiteral(
               "<Player>%1<PlayerID>%2</PlayerID><PlayerName>%3</PlayerName><Age>%4</Age><TSI>%5</TSI>"
               "<PlayerNumber>%6</PlayerNumber><PlayerForm>6</PlayerForm><Experience>3</Experience>"
               "<Leadership>4</Leadership><StaminaSkill>6</StaminaSkill><PlaymakerSkill>%7</PlaymakerSkill>"
               "<PassingSkill>5</PassingSkill><WingerSkill>%8</WingerSkill><DefenderSkill>%9</DefenderSkill>"
               "<ScorerSkill>%10</ScorerSkill><KeeperSkill>1</KeeperSkill><SetPiecesSkill>3</SetPiecesSkill>"
               "<InjuryLevel>%11</InjuryLevel><Cards>%12</Cards><Agreeability>2</Agreeability>"
               "<Aggressiveness>2</Aggressiveness><Honesty>2</Honesty><Specialty>%13</Specialty></Player>")
        .arg(trainer, p.id, p.name.toHtmlEscaped())
        .arg(20 + i)
        .arg(p.tsi)
        .arg(i + 1)
        .arg(3 + i)
        .arg(8 - i)
        .arg(4 + i % 3)
        .arg(2 + i)
        .arg(p.injury)
        .arg(p.cards)
        .arg(i % 5);
}

// A program folder of its own: the sample settings, a players file and the pictures.
struct ProgramFolder {
    QTemporaryDir dir;

    ProgramFolder()
    {
        QDir(dir.path()).mkpath(QStringLiteral("xml"));
        QDir(dir.path()).mkpath(QStringLiteral("img"));
        QFile::copy(QStringLiteral(SQW_SAMPLE_DATA_DIR "/SQW.ini"), path("SQW.ini"));
        QFile(path("SQW.ini")).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<VelmorraData><Team>"
                                     "<PlayerList Count=\"%1\">").arg(kPlayers.size());
        for (int i = 0; i < kPlayers.size(); ++i)
            xml += playerXml(kPlayers[i], i);
        xml += QStringLiteral("</PlayerList></Team></VelmorraData>\n");
        QFile f(path("xml/players.xml"));
        if (f.open(QIODevice::WriteOnly))
            f.write(xml.toUtf8());
        // The program's own pictures.
        for (const char *name : {"pansement.bmp", "croixR.bmp", "YCard1.gif", "YCard2.gif", "RCard.gif"})
            QFile::copy(QStringLiteral(SQW_SAMPLE_DATA_DIR "/img/") + QLatin1String(name),
                        path(QStringLiteral("img/") + QLatin1String(name)));
    }
    QString path(const QString &relative) const { return dir.path() + QLatin1Char('/') + relative; }
};

QStringList column(const QTreeWidget &view, int c)
{
    QStringList texts;
    for (int i = 0; i < view.topLevelItemCount(); ++i)
        texts << view.topLevelItem(i)->text(c);
    return texts;
}

int recordNamed(const MainModel &model, const QString &name)
{
    for (int r = 0; r < model.roster().count; ++r) {
        if (model.roster().players[r].PlayerName == name)
            return r;
    }
    return -1;
}

void clickHeader(QTreeWidget &view, int section)
{
    QHeaderView *h = view.header();
    view.scrollToItem(view.topLevelItem(0));
    view.horizontalScrollBar()->setValue(0);
    const int x = h->sectionViewportPosition(section) + h->sectionSize(section) / 2;
    QVERIFY(x > 0 && x < h->viewport()->width());
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(x, h->height() / 2));
}

// The centre of a row's check box, where a user clicks to change it.
QPoint checkBoxCentre(QTreeWidget &view, QTreeWidgetItem *item)
{
    QStyleOptionViewItem option;
    option.initFrom(view.viewport());
    option.rect = view.visualItemRect(item);
    option.rect.setWidth(view.columnWidth(0));
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = item->text(0);
    option.showDecorationSelected = true;
    return view.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &view).center();
}

QString shotFolder()
{
    const QString dir = qEnvironmentVariable("SQW_SHOT_DIR", QDir::tempPath());
    QDir().mkpath(dir);
    return dir;
}

} // namespace

class TestRosterList : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<MainModel> m_model;
    QString pictureFolder() const { return m_model->folder().programPath(QStringLiteral("img/")); }
    std::unique_ptr<QMainWindow> m_main;
    RosterListView *m_view = nullptr;
    QStringList m_messages; // what the error handler reported during the case

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void init()
    {
        m_messages.clear();
        ErrorHandler::setMessageSink([this](const QString &message) { m_messages << message; });
        m_folder = std::make_unique<ProgramFolder>();
        QVERIFY(m_folder->dir.isValid());
        m_model = std::make_unique<MainModel>(m_folder->dir.path());
        QVERIFY(m_model->chargePlayersXML(m_folder->path("xml/players.xml")));
        QCOMPARE(m_model->roster().count, kPlayers.size());
        m_main = std::make_unique<QMainWindow>();
        m_main->setObjectName(QStringLiteral("Form1"));
        m_main->setGeometry(100, 80, 1000, 600);
        m_view = new RosterListView(m_model->rosterModel(), m_main.get());
        m_main->setCentralWidget(m_view);
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
        m_view->fill();
    }
    void cleanup()
    {
        m_main.reset();
        m_model.reset();
        m_folder.reset();
        ErrorHandler::setMessageSink({});
    }

    void fillSortsByName()
    {
        QCOMPARE(m_view->objectName(), QStringLiteral("ListeJoueurs"));

        QCOMPARE(m_view->columnCount(), 35);
        QCOMPARE(m_view->headerItem()->text(6), QStringLiteral("Expérience"));
        QCOMPARE(column(*m_view, 0), (QStringList{"Adam Perrin", "Bruno Caron", "émile Blanc", "Émilie Faure",
                                                  "Eric Morel", "Zoé Roux"}));
        // The rows and the boxes' list agree: entry p is the p-th row.
        QCOMPARE(m_model->candidateList().mid(1), column(*m_view, 0));
        QCOMPARE(m_view->header()->sortIndicatorSection(), 0);
        QCOMPARE(m_view->header()->sortIndicatorOrder(), Qt::AscendingOrder);
        // The trainer starts unticked, everyone else ticked.
        for (int i = 0; i < m_view->topLevelItemCount(); ++i) {
            QTreeWidgetItem *item = m_view->topLevelItem(i);
            QCOMPARE(item->checkState(0), item->text(0) == QLatin1String("Adam Perrin") ? Qt::Unchecked : Qt::Checked);
        }
        // A row shows its record's texts, numbers with the locale's comma.
        const int zoe = recordNamed(*m_model, QStringLiteral("Zoé Roux"));
        QTreeWidgetItem *row = m_view->rowOf(zoe);
        QVERIFY(row);
        QCOMPARE(RosterListView::recordOf(row), zoe);
        QCOMPARE(row->text(2), QStringLiteral("5001"));
        QCOMPARE(row->text(5), QStringLiteral("900"));
        QVERIFY(row->text(4).contains(QLatin1Char(',')));
        QCOMPARE(row->textAlignment(4) & Qt::AlignHorizontal_Mask, int(Qt::AlignRight));
        QCOMPARE(row->textAlignment(1) & Qt::AlignHorizontal_Mask, int(Qt::AlignHCenter));
        QCOMPARE(row->textAlignment(34) & Qt::AlignHorizontal_Mask, int(Qt::AlignLeft));
        // No column narrower than the table's width.
        for (int c = 0; c < 35; ++c)
            QVERIFY(m_view->columnWidth(c) >= RosterColumns::width(c));
    }

    void listFilledUnseenIsFittedWhenShown()
    {
        // At start-up the list is filled on a page not shown: shown later, it must look as one
        // filled in view, no value or caption cut.
        QMainWindow other;
        other.setGeometry(m_main->geometry());
        auto *unseen = new RosterListView(m_model->rosterModel(), &other);
        other.setCentralWidget(unseen);
        unseen->fill();
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        bool widened = false;
        for (int c = 0; c < RosterColumns::kCount; ++c) {
            QCOMPARE(unseen->columnWidth(c), m_view->columnWidth(c));
            widened = widened || m_view->columnWidth(c) > RosterColumns::width(c);
        }
        QVERIFY(widened); // some caption or value is wider than its column's width in the table
    }

    void selectedRowReads()
    {
        // White text needs a dark highlight: the most common colour of the selected row (its
        // background) has at least a 4.5:1 contrast to white, with and without focus.
        QTreeWidgetItem *row = m_view->rowOf(recordNamed(*m_model, QStringLiteral("Zoé Roux")));
        m_view->setCurrentItem(row);
        for (const bool focused : {true, false}) {
            if (focused)
                m_view->setFocus();
            else
                m_view->clearFocus();
            const QImage shot = m_view->viewport()->grab().toImage();
            const QRect rect = m_view->visualItemRect(row).intersected(shot.rect());
            QHash<QRgb, int> counts;
            for (int y = rect.top() + 2; y < rect.bottom() - 2; ++y)
                for (int x = rect.left(); x <= rect.right(); ++x)
                    ++counts[shot.pixel(x, y)];
            QRgb background = 0;
            for (auto it = counts.cbegin(); it != counts.cend(); ++it)
                if (it.value() > counts.value(background))
                    background = it.key();
            auto linear = [](int c) {
                const double v = c / 255.0;
                return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            const double luminance = 0.2126 * linear(qRed(background)) + 0.7152 * linear(qGreen(background))
                                     + 0.0722 * linear(qBlue(background));
            QVERIFY2(1.05 / (luminance + 0.05) >= 4.5, qPrintable(QColor(background).name()));
        }
    }

    void headerClicksCycle()
    {
        m_main->resize(1400, 600);
        // After filling, the name column counts as clicked once: the next click turns it round.
        clickHeader(*m_view, 0);
        QCOMPARE(column(*m_view, 0).first(), QStringLiteral("Zoé Roux"));
        QCOMPARE(column(*m_view, 0).last(), QStringLiteral("Adam Perrin"));

        const QStringList ascending{"80", "900", "1200", "2500", "10000", "15000"};
        QStringList descending = ascending;
        std::reverse(descending.begin(), descending.end());
        clickHeader(*m_view, 5); // TSI
        QCOMPARE(column(*m_view, 5), ascending);
        QCOMPARE(m_view->header()->sortIndicatorOrder(), Qt::AscendingOrder);
        clickHeader(*m_view, 5);
        QCOMPARE(column(*m_view, 5), descending);
        QCOMPARE(m_view->header()->sortIndicatorOrder(), Qt::DescendingOrder);
        clickHeader(*m_view, 5);
        QCOMPARE(column(*m_view, 5), ascending);

        // Values with a decimal comma compare as numbers too ("10,50" after "9,75").
        clickHeader(*m_view, 4);
        QList<double> values;
        for (const QString &t : column(*m_view, 4))
            values << QLocale().toDouble(t);
        QVERIFY(std::is_sorted(values.begin(), values.end()));
        QVERIFY(values.first() < values.last());
    }

    void checkMarkChangesThatRowsPlayer()
    {
        const int eric = recordNamed(*m_model, QStringLiteral("Eric Morel"));
        const int zoe = recordNamed(*m_model, QStringLiteral("Zoé Roux"));
        QTreeWidgetItem *ericRow = m_view->rowOf(eric);
        // Another row is selected: the change still goes to Eric.
        m_view->setCurrentItem(m_view->rowOf(zoe));
        QSignalSpy changed(m_model.get(), &MainModel::selectableChanged);
        ericRow->setCheckState(0, Qt::Unchecked);
        QVERIFY(!m_model->roster().players[eric].Selectable);
        QVERIFY(m_model->roster().players[zoe].Selectable);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().toInt(), eric);

        // No row selected at all: the same.
        m_view->clearSelection();
        m_view->setCurrentItem(nullptr);
        ericRow->setCheckState(0, Qt::Checked);
        QVERIFY(m_model->roster().players[eric].Selectable);
    }

    void clickOnTheCheckBox()
    {
        const int bruno = recordNamed(*m_model, QStringLiteral("Bruno Caron"));
        QTreeWidgetItem *row = m_view->rowOf(bruno);
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, checkBoxCentre(*m_view, row));
        QCOMPARE(row->checkState(0), Qt::Unchecked);
        QVERIFY(!m_model->roster().players[bruno].Selectable);
    }

    void calculeFollowsTheTicks()
    {
        QVERIFY(m_model->calculeEnabled());
        for (int i = 0; i < m_view->topLevelItemCount(); ++i)
            m_view->topLevelItem(i)->setCheckState(0, Qt::Unchecked);
        QVERIFY(!m_model->calculeEnabled());
        m_view->rowOf(recordNamed(*m_model, QStringLiteral("Adam Perrin")))->setCheckState(0, Qt::Checked);
        QVERIFY(m_model->calculeEnabled());
        // Even the trainer, once ticked by the user, counts.
        QVERIFY(m_model->roster().players[recordNamed(*m_model, QStringLiteral("Adam Perrin"))].Selectable);
    }

    void fillingIsNotTheUsersChange()
    {
        // Flags changed behind the list's back: if filling counted as the user's ticks, the
        // command would be re-evaluated and switched off.
        for (int r = 0; r < m_model->roster().count; ++r)
            m_model->roster().players[r].Selectable = false;
        QVERIFY(m_model->calculeEnabled());
        QSignalSpy commands(m_model.get(), &MainModel::commandStateChanged);
        QSignalSpy selectable(m_model.get(), &MainModel::selectableChanged);
        m_view->fill();
        m_view->refill();
        QCOMPARE(commands.count(), 0);
        QCOMPARE(selectable.count(), 0);
        QVERIFY(m_model->calculeEnabled());
        QCOMPARE(m_view->topLevelItem(0)->checkState(0), Qt::Unchecked);
    }

    void reloadRefreshesTheTicks()
    {
        const int eric = recordNamed(*m_model, QStringLiteral("Eric Morel"));
        m_view->rowOf(eric)->setCheckState(0, Qt::Unchecked);
        // A reload sets every flag from the file again; the rows follow at once.
        m_model->loadRoster();
        QVERIFY(m_model->roster().players[eric].Selectable);
        QCOMPARE(m_view->rowOf(eric)->checkState(0), Qt::Checked);
    }

    void refillKeepsRosterOrder()
    {
        m_main->resize(1400, 600);
        clickHeader(*m_view, 5);
        QList<int32_t> positions;
        for (int r = 0; r < m_model->roster().count; ++r)
            positions << m_model->roster().players[r].ListPosition;
        const QStringList candidates = m_model->board().state().candidateList();

        m_view->refill();
        QStringList fileOrder;
        for (const FilePlayer &p : kPlayers)
            fileOrder << p.name;
        QCOMPARE(column(*m_view, 0), fileOrder);
        for (int r = 0; r < m_model->roster().count; ++r)
            QCOMPARE(m_model->roster().players[r].ListPosition, positions[r]);
        QCOMPARE(m_model->board().state().candidateList(), candidates);
        // The header keeps its state: the next click on TSI sorts descending.
        QCOMPARE(m_view->sortedColumn(), 5);
        clickHeader(*m_view, 5);
        QCOMPARE(column(*m_view, 5).first(), QStringLiteral("15000"));
    }

    void emptyListAfterAFailedLoad()
    {
        QVERIFY(!m_model->chargePlayersXML(m_folder->path("xml/none.xml")));
        m_view->fill();
        QCOMPARE(m_view->topLevelItemCount(), 0);
    }

    void doubleClickAsksForTheDetail()
    {
        QSignalSpy spy(m_view, &RosterListView::detailRequested);
        const int emilie = recordNamed(*m_model, QStringLiteral("Émilie Faure"));
        const QRect rect = m_view->visualItemRect(m_view->rowOf(emilie));
        const QPoint inName(rect.left() + m_view->columnWidth(0) - 10, rect.center().y());
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, inName);
        QTest::mouseDClick(m_view->viewport(), Qt::LeftButton, {}, inName);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first().first().toInt(), emilie);
    }

    void rowsCarryTheirRecordWhenDragged()
    {
        const int eric = recordNamed(*m_model, QStringLiteral("Eric Morel"));
        const QModelIndex index = m_view->model()->index(m_view->indexOfTopLevelItem(m_view->rowOf(eric)), 3);
        std::unique_ptr<QMimeData> data(m_view->model()->mimeData({index}));
        QVERIFY(data);
        QCOMPARE(data->data(RosterListView::kRecordMimeType), QByteArray::number(eric));
        QCOMPARE(data->text(), QStringLiteral("Eric Morel"));
        QVERIFY(m_view->model()->flags(index) & Qt::ItemIsDragEnabled);
    }

    // ---- player detail window ----

    void detailWindow()
    {
        m_main->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        m_main->show();
        TFPlayerDetail detail(m_model->rosterModel(), pictureFolder(), m_main.get());
        const int emilie = recordNamed(*m_model, QStringLiteral("Émilie Faure"));
        const Tplayer &p = m_model->roster().players[emilie];
        detail.setDetailPlayer(emilie);
        detail.show();
        QVERIFY(QTest::qWaitForWindowExposed(&detail));
        QCOMPARE(detail.objectName(), QStringLiteral("FPlayerDetail"));
        QVERIFY(detail.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(detail.findChild<QLabel *>("LName")->text(), QStringLiteral("Émilie Faure ( 5005  )"));
        QCOMPARE(detail.findChild<QLabel *>("LTSI")->text(), QStringLiteral("TSI : 80"));
        QCOMPARE(detail.findChild<QLabel *>("LPosition")->text(), p.BestPositionName);
        QVERIFY(detail.findChild<QLabel *>("LDescription")->text().startsWith(QStringLiteral("24 an")));
        QVERIFY(!detail.findChild<QLabel *>("LDescription")->text().contains(QLatin1Char('\r')));
        QCOMPARE(detail.findChild<QLabel *>("LDefendingValue")->text(), QStringLiteral("Inadéquat")); // level 5
        QCOMPARE(detail.findChild<QPushButton *>("BOK")->text(), QStringLiteral("&OK"));
        // Injured two weeks, two yellow cards.
        QLabel *injury = detail.findChild<QLabel *>("Iblessure");
        QLabel *weeks = detail.findChild<QLabel *>("LBlessure");
        QLabel *card = detail.findChild<QLabel *>("ICard");
        QVERIFY(injury->isVisible());
        const QImage cross(m_folder->path("img/croixR.bmp"));
        QVERIFY(!cross.isNull());
        // The cross itself, not the plaster.
        QCOMPARE(injury->pixmap().size(), cross.size());
        const QPoint middle(cross.width() / 2, cross.height() / 2);
        QCOMPARE(injury->pixmap().toImage().pixelColor(middle).rgb(), cross.pixelColor(middle).rgb());
        QVERIFY(QImage(m_folder->path("img/pansement.bmp")).pixelColor(middle).rgb() != cross.pixelColor(middle).rgb());
        QVERIFY(weeks->isVisible());
        QCOMPARE(weeks->text(), QStringLiteral("(+2)"));
        QCOMPARE(weeks->x(), injury->x() + injury->width() + 5);
        QVERIFY(card->isVisible());
        QCOMPARE(card->pixmap().size(), QImage(m_folder->path("img/YCard2.gif")).size());
        QVERIFY(!card->pixmap().isNull());
        // Colours follow the best position; set pieces are never coloured.
        for (int s = 0; s < PlayerDetailModel::kSkillCount; ++s) {
            const auto skill = PlayerDetailModel::Skill(s);
            const auto rgb = PlayerDetailModel::rgb(PlayerDetailModel::highlight(p.BestKind, skill));
            QCOMPARE(detail.findChild<QLabel *>(PlayerDetailModel::valueLabelName(skill))->palette().color(QPalette::WindowText),
                     QColor(rgb.red, rgb.green, rgb.blue));
        }
        // Centred on the main window.
        QVERIFY((detail.frameGeometry().center() - m_main->frameGeometry().center()).manhattanLength() <= 2);
        QVERIFY(detail.layout()->sizeConstraint() == QLayout::SetFixedSize);
        QVERIFY(m_messages.isEmpty() || !m_messages.last().contains("img"));
        detail.hide();

        // Then a fit player without cards: nothing of the earlier one stays.
        m_main->setWindowFlag(Qt::WindowStaysOnTopHint, false);
        detail.setDetailPlayer(recordNamed(*m_model, QStringLiteral("Eric Morel")));
        detail.show();
        QVERIFY(QTest::qWaitForWindowExposed(&detail));
        QVERIFY(!injury->isVisible());
        QVERIFY(!weeks->isVisible());
        QVERIFY(!card->isVisible());
        QVERIFY(!detail.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        detail.hide();

        // The main window's state can come from elsewhere (its stored option).
        detail.setOnTopSource([] { return true; });
        detail.show();
        QVERIFY(detail.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        detail.hide();
    }

    void detailWithAMissingPicture()
    {
        QVERIFY(QFile::remove(m_folder->path("img/YCard2.gif")));
        TFPlayerDetail detail(m_model->rosterModel(), pictureFolder(), m_main.get());
        detail.setDetailPlayer(recordNamed(*m_model, QStringLiteral("Émilie Faure")));
        detail.show();
        QVERIFY(QTest::qWaitForWindowExposed(&detail));
        QVERIFY(!m_messages.isEmpty() && m_messages.last().contains(QStringLiteral("YCard2.gif")));
        QVERIFY(!detail.findChild<QLabel *>("ICard")->isVisible());
        // Everything after the picture is filled all the same.
        QCOMPARE(detail.findChild<QLabel *>("LName")->text(), QStringLiteral("Émilie Faure ( 5005  )"));
        QCOMPARE(detail.findChild<QLabel *>("LTSI")->text(), QStringLiteral("TSI : 80"));
        QVERIFY(detail.findChild<QLabel *>("Iblessure")->isVisible());
    }

    void detailClosesWithOk()
    {
        TFPlayerDetail detail(m_model->rosterModel(), pictureFolder(), m_main.get());
        QTimer::singleShot(0, &detail, [&] { detail.findChild<QPushButton *>("BOK")->click(); });
        QCOMPARE(detail.showPlayer(recordNamed(*m_model, QStringLiteral("Zoé Roux"))), int(QDialog::Accepted));
        QCOMPARE(detail.detailPlayer(), recordNamed(*m_model, QStringLiteral("Zoé Roux")));
    }

    void doubleClickOpensTheDetail()
    {
        // As the main window wires them.
        TFPlayerDetail detail(m_model->rosterModel(), pictureFolder(), m_main.get());
        connect(m_view, &RosterListView::detailRequested, &detail, [&](int record) {
            detail.setDetailPlayer(record);
            detail.show();
        });
        const int zoe = recordNamed(*m_model, QStringLiteral("Zoé Roux"));
        const QRect rect = m_view->visualItemRect(m_view->rowOf(zoe));
        const QPoint inName(rect.left() + m_view->columnWidth(0) - 10, rect.center().y());
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, inName);
        QTest::mouseDClick(m_view->viewport(), Qt::LeftButton, {}, inName);
        QVERIFY(detail.isVisible());
        QCOMPARE(detail.findChild<QLabel *>("LName")->text(), QStringLiteral("Zoé Roux ( 5001  )"));
    }

    // ---- player trial window ----

    void trialWindow()
    {
        // Émilie's values set by hand: DLD (kind 3) the best at 12,34, the others below.
        const int emilie = recordNamed(*m_model, QStringLiteral("Émilie Faure"));
        Tplayer &p = m_model->roster().players[emilie];
        for (int k = 1; k <= 19; ++k)
            p.PositionValue[k - 1] = k * 0.5;
        p.PositionValue[2] = 12.34;
        p.BestKind = 3;
        p.BestValue = 12.34;
        p.BestPositionName = vocab(QStringLiteral("DEFLATERALDEF"));

        TFPlayerTest trial(m_model->rosterModel(), m_main.get());
        trial.show();
        QVERIFY(QTest::qWaitForWindowExposed(&trial));
        QCOMPARE(trial.windowTitle(), QStringLiteral("Essais"));
        QCOMPARE(trial.findChild<QLabel *>("LBestPosLabel")->text(), QStringLiteral("Meilleure posistion :"));
        QComboBox *box = trial.findChild<QComboBox *>("cbJoueur");
        QCOMPARE(box->count(), m_model->board().state().candidateList().size());
        QCOMPARE(box->itemText(0), QString());
        auto *list = trial.findChild<QTreeWidget *>("LvSkill");
        QCOMPARE(list->topLevelItemCount(), 0);
        QCOMPARE(list->columnWidth(0), 250);
        QCOMPARE(list->headerItem()->text(2), QStringLiteral("Etoiles"));

        // The user steps down the box to Émilie (her list position).
        box->setFocus();
        for (int i = 0; i < p.ListPosition; ++i)
            QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(box->currentText(), QStringLiteral("Émilie Faure"));
        QCOMPARE(trial.findChild<QLabel *>("LBestPos")->text(), QStringLiteral("Défenseur latéral défensif"));
        QCOMPARE(trial.findChild<QLabel *>("LBestValue")->text(), QStringLiteral("12,34"));
        QCOMPARE(list->topLevelItemCount(), 19);
        QTreeWidgetItem *first = list->topLevelItem(0);
        QCOMPARE(first->text(0), QStringLiteral("Défenseur latéral défensif"));
        QCOMPARE(first->text(1), QStringLiteral("12,34"));
        QCOMPARE(first->text(2), QStringLiteral("6,00"));
        QCOMPARE(first->textAlignment(1) & Qt::AlignHorizontal_Mask, int(Qt::AlignRight));
        QCOMPARE(list->topLevelItem(1)->text(1), QStringLiteral("9,50"));
        QCOMPARE(list->topLevelItem(18)->text(1), QStringLiteral("0,50"));
        QCOMPARE(list->header()->sortIndicatorSection(), 1);
        QCOMPARE(list->header()->sortIndicatorOrder(), Qt::DescendingOrder);

        // The next click on "Value" sorts ascending, as numbers ("0,50" before "12,34").
        clickHeader(*list, 1);
        QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("0,50"));
        QCOMPARE(list->topLevelItem(18)->text(1), QStringLiteral("12,34"));
        clickHeader(*list, 0);
        QVERIFY(list->topLevelItem(0)->text(0).startsWith(QStringLiteral("Ailier")));

        // The empty first entry empties the window.
        for (int i = 0; i < p.ListPosition; ++i)
            QTest::keyClick(box, Qt::Key_Up);
        QCOMPARE(box->currentIndex(), 0);
        QVERIFY(trial.findChild<QLabel *>("LBestPos")->text().isEmpty());
        QVERIFY(trial.findChild<QLabel *>("LBestValue")->text().isEmpty());
        QCOMPARE(list->topLevelItemCount(), 0);
        trial.hide();
    }

    void trialWindowShownAgain()
    {
        TFPlayerTest trial(m_model->rosterModel(), m_main.get());
        trial.show();
        QComboBox *box = trial.findChild<QComboBox *>("cbJoueur");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(trial.findChild<QTreeWidget *>("LvSkill")->topLevelItemCount(), 19);
        const QString best = trial.findChild<QLabel *>("LBestPos")->text();
        trial.hide();
        trial.show();
        // The list starts empty again; the best position labels keep their texts.
        QCOMPARE(trial.findChild<QTreeWidget *>("LvSkill")->topLevelItemCount(), 0);
        QCOMPARE(box->currentIndex(), 0);
        QCOMPARE(trial.findChild<QLabel *>("LBestPos")->text(), best);
    }

    // ---- pictures to look at ----

    void screenshots_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("French") << "Francais";
        QTest::newRow("English") << "English";
    }
    void screenshots()
    {
        QFETCH(QString, language);
        TFPlayerDetail detail(m_model->rosterModel(), pictureFolder(), m_main.get());
        TFPlayerTest trial(m_model->rosterModel(), m_main.get());
        for (QWidget *window : {static_cast<QWidget *>(m_main.get()), static_cast<QWidget *>(&detail),
                                static_cast<QWidget *>(&trial)})
            WidgetLanguageApplier::attach(window, m_model->language());
        QVERIFY(m_model->language().load(QStringLiteral(SQW_SAMPLE_DATA_DIR "/lng/") + language + QStringLiteral(".lng")));
        // Position names come with the roster load that follows a language change.
        m_model->loadRoster();
        m_view->refill();
        const QString prefix = shotFolder() + QLatin1Char('/') + language + QLatin1Char('-');

        // Wide enough for all 35 columns.
        m_main->resize(m_view->header()->length() + 40, 260);
        QVERIFY(m_view->grab().save(prefix + "rosterlist.png"));

        detail.setDetailPlayer(recordNamed(*m_model, QStringLiteral("Émilie Faure")));
        detail.show();
        QVERIFY(QTest::qWaitForWindowExposed(&detail));
        QVERIFY(detail.grab().save(prefix + "playerdetail.png"));
        detail.hide();
        detail.setDetailPlayer(recordNamed(*m_model, QStringLiteral("Bruno Caron")));
        detail.show();
        QVERIFY(detail.grab().save(prefix + "playerdetail-red.png"));
        detail.hide();

        trial.show();
        QVERIFY(QTest::qWaitForWindowExposed(&trial));
        QComboBox *box = trial.findChild<QComboBox *>("cbJoueur");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Down);
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(trial.findChild<QTreeWidget *>("LvSkill")->topLevelItemCount(), 19);
        QVERIFY(trial.grab().save(prefix + "playertrial.png"));
    }
};

QTEST_MAIN(TestRosterList)
#include "tst_rosterlist.moc"
