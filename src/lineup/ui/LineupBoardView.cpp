#include "lineup/ui/LineupBoardView.h"


#include "lineup/Board.h"
#include "lineup/BoardControls.h"
#include "lineup/LineupSlots.h"
#include "lineup/ui/FiguresLabel.h"
#include "lineup/ui/PlacePadlocks.h"
#include "evaluation/Tplayer.h"
#include "common/ui/ErrorHandler.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringListModel>

#include <vector>

using namespace LineupSlots;

namespace {

constexpr int kBoardWidth = 611;
constexpr int kBoardHeight = 401;
constexpr int kSubstitutesHeight = 78;
// The figures panel stands beside the board and the substitutes together.
constexpr int kInfoHeight = 401 + kSubstitutesHeight;
constexpr int kInfoWidth = 216;
constexpr int kGap = 4;

constexpr int kSlotBoxWidth = 130;
constexpr int kBehaviourBoxWidth = 126; // "Central defender", the longest entry of either language, whole
constexpr int kBoxHeight = 21;
constexpr int kStripHeight = 14;
constexpr int kCaptionHeight = 13;
constexpr int kValueHeight = 13;
// Four buttons fit between the second forward's value and the pitch's bottom edge, wide enough
// for "Composition optimale".
constexpr int kButtonWidth = 150;
constexpr int kButtonHeight = 25;
constexpr int kButtonStep = 28;

// The pitch is seen from behind the keeper: he stands at the top, the forwards at the bottom,
// so the right back is on the viewer's left.
struct SlotLayout {
    QPoint box;               // slot box
    QPoint behaviour;         // behaviour box (unused for the keeper)
    int stripTop;
    // Where the value label stands: under the star strip, or beside the slot box where the
    // row has room (keeper, forwards) and the logo would otherwise be covered.
    enum class Value { Below, Right, Left } value;
};

const SlotLayout kSlots[12] = {
    {},
    {{237, 21}, {}, 43, SlotLayout::Value::Right},
    {{8, 85}, {16, 109}, 132, SlotLayout::Value::Below},
    {{160, 85}, {168, 109}, 132, SlotLayout::Value::Below},
    {{312, 85}, {320, 109}, 132, SlotLayout::Value::Below},
    {{464, 85}, {472, 109}, 132, SlotLayout::Value::Below},
    {{8, 175}, {16, 199}, 222, SlotLayout::Value::Below},
    {{160, 175}, {168, 199}, 222, SlotLayout::Value::Below},
    {{312, 175}, {320, 199}, 222, SlotLayout::Value::Below},
    {{464, 175}, {472, 199}, 222, SlotLayout::Value::Below},
    {{160, 262}, {168, 289}, 311, SlotLayout::Value::Left},
    {{312, 262}, {320, 289}, 311, SlotLayout::Value::Right},
};

struct SubstituteLayout {
    int role;             // place 12..16, or the captain / set-piece box
    const char *box;
    const char *caption;      // caption label; nullptr for a place, which has its own
    const char *captionText;  // in LineupSlots, as it has its text
    QPoint at;
};

constexpr int kCaptainRole = 100;
constexpr int kSetPiecesRole = 101;

const SubstituteLayout kSubstitutes[7] = {
    {kSetPiecesRole, "cbCPA", "LCPA", "Coups-de-pieds arrêtés", {11, 17}},
    {SubstituteKeeper, "cbRemplacantGardien", nullptr, nullptr, {243, 17}},
    {kCaptainRole, "cbCapitaine", "LCapitaine", "Capitaine", {470, 17}},
    {SubstituteDefender, "cbRemplacantDefenseur", nullptr, nullptr, {11, 55}},
    {SubstituteMidfielder, "cbRemplacantMilieu", nullptr, nullptr, {161, 55}},
    {SubstituteForward, "cbRemplacantAttaque", nullptr, nullptr, {317, 55}},
    {SubstituteWinger, "cbRemplacantAilier", nullptr, nullptr, {467, 55}},
};

const QColor kPitchGreen(0, 128, 64);
const QColor kBenchGreen(0, 102, 51);

QFont sizedFont(const QFont &base, int points, bool bold)
{
    QFont f = base;
    f.setPointSize(points);
    f.setBold(bold);
    return f;
}

void setTextColour(QWidget *w, const QColor &colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, colour);
    w->setPalette(pal);
}

void fillBackground(QWidget *w, const QColor &colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

} // namespace

LineupBoardView::LineupBoardView(Board &board, const QString &pictureFolder, QWidget *parent)
    : QWidget(parent), m_board(board), m_pictureFolder(pictureFolder)
{
    setObjectName(QStringLiteral("Pequipe"));
    setFixedSize(boardSize());

    m_candidates = new QStringListModel(this);
    m_padlocks = new PlacePadlocks(m_board, this);
    buildBoard();
    buildSubstitutes();
    buildInfo();

    m_calcule = new QPushButton(QStringLiteral("Calcule"), this);
    m_calcule->setObjectName(QStringLiteral("BCalcule"));
    m_optimum = new QPushButton(QStringLiteral("Composition optimale"), this);
    m_optimum->setObjectName(QStringLiteral("BOptimum"));
    m_recharge = new QPushButton(QStringLiteral("&Recharge XML"), this);
    m_recharge->setObjectName(QStringLiteral("bRecharge"));
    m_clear = new QPushButton(QStringLiteral("C&lear"), this); // Alt+C opens the "Action" menu
    m_clear->setObjectName(QStringLiteral("bClear"));
    // Bottom right of the pitch beside the logo, the optimal lineup under Calcule, all on Clear's
    // left edge.
    const int left = kBoardWidth - kButtonWidth - 8;
    const int top = kBoardHeight - 8 - 3 * kButtonStep - kButtonHeight;
    int row = 0;
    for (QPushButton *b : {m_calcule.data(), m_optimum.data(), m_recharge.data(), m_clear.data()}) {
        b->setGeometry(left, top + kButtonStep * row++, kButtonWidth, kButtonHeight);
        b->setFocusPolicy(Qt::TabFocus);
    }
    connect(m_calcule, &QPushButton::clicked, this, [this] { emit calculeRequested(); });
    connect(m_optimum, &QPushButton::clicked, this, [this] { emit optimumRequested(); });
    connect(m_recharge, &QPushButton::clicked, this, [this] { emit rechargeRequested(); });
    connect(m_clear, &QPushButton::clicked, this,
            [this] { ErrorHandler::guarded([this] { m_board.clearPressed(); }); });

    connect(&m_board, &Board::changed, this, &LineupBoardView::refresh);
    refresh();
}

LineupBoardView::~LineupBoardView()
{
    // What stands on other widgets goes with the board.
    for (QWidget *w : {static_cast<QWidget *>(m_substitutes.data()), static_cast<QWidget *>(m_info.data()),
                       static_cast<QWidget *>(m_calcule.data()), static_cast<QWidget *>(m_optimum.data()),
                       static_cast<QWidget *>(m_recharge.data()),
                       static_cast<QWidget *>(m_clear.data())}) {
        if (w && w->parentWidget() != this)
            delete w;
    }
}

const char *LineupBoardView::recordMimeType() { return "application/x-squadwright-record"; }

QSize LineupBoardView::boardSize() { return {kBoardWidth, kBoardHeight}; }

QSize LineupBoardView::substitutesSize() { return {kBoardWidth, kSubstitutesHeight}; }

QSize LineupBoardView::infoSize() { return {kInfoWidth, kInfoHeight}; }

// ---- building ------------------------------------------------------------------------------

QLabel *LineupBoardView::makeCaption(QWidget *parent, const char *name, const QString &text, const QRect &rect,
                                     Qt::Alignment align)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(rect);
    label->setAlignment(align);
    return label;
}

QComboBox *LineupBoardView::makePlayerBox(QWidget *parent, int role, const char *name, const QPoint &at)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setModel(m_candidates);
    box->setGeometry(QRect(at, QSize(kSlotBoxWidth, kBoxHeight)));
    box->setMaxVisibleItems(30);
    box->setAcceptDrops(true);
    box->setProperty("boardRole", role);
    box->installEventFilter(this);
    connect(box, &QComboBox::activated, this, [this, role](int entry) { playerBoxPicked(role, entry); });
    return box;
}

void LineupBoardView::buildBoard()
{
    fillBackground(this, kPitchGreen);
    setFont(sizedFont(font(), 8, false));

    auto *fond = new QLabel(this);
    fond->setObjectName(QStringLiteral("IFond"));
    fond->setGeometry(0, 0, kBoardWidth, kBoardHeight);
    fond->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fond->setPixmap(picture(QStringLiteral("fond.gif")));

    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("ILogoVelmorra"));
    logo->setGeometry(200, 328, 250, 70);
    logo->setAlignment(Qt::AlignCenter);
    logo->setPixmap(picture(QStringLiteral("logo_velmorra3.bmp")));

    // Captions in the normal weight: the longest French one only just fits its column in bold.
    const QFont captionFont = sizedFont(font(), 8, false);
    const QFont valueFont = sizedFont(font(), 8, true);
    const QPixmap stars = picture(QStringLiteral("stars.gif"));

    for (int p = Keeper; p <= kLastSlot; ++p) {
        const SlotLayout &s = kSlots[p];
        const int boxCentre = s.box.x() + kSlotBoxWidth / 2;

        // Above the slot box; the keeper's left of it, clear of the goal and its area lines.
        const bool keeper = p == Keeper;
        QLabel *caption = makeCaption(
            this, placeLabelName(p), QString::fromUtf8(placeCaption(p)),
            keeper ? QRect(s.box.x() - 16 - 68, s.box.y(), 68, kBoxHeight)
                   : QRect(boxCentre - 73, s.box.y() - kCaptionHeight, 146, kCaptionHeight),
            keeper ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignHCenter | Qt::AlignBottom);
        caption->setFont(captionFont);
        setTextColour(caption, Qt::white);

        // Stars under everything else of the slot, then the boxes above them.
        auto *strip = new QLabel(this);
        strip->setObjectName(QLatin1String(starStripName(p)));
        strip->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        strip->setPixmap(stars);
        m_strips[p] = strip;
        m_stripTops[p] = s.stripTop;

        m_padlocks->add(p, QRect(s.box, QSize(kSlotBoxWidth, kBoxHeight)));
        m_playerBoxes[p] = makePlayerBox(this, p, slotBoxName(p), s.box);

        if (hasBehaviour(p)) {
            auto *behaviour = new QComboBox(this);
            behaviour->setObjectName(QLatin1String(behaviourBoxName(p)));
            behaviour->setGeometry(QRect(s.behaviour, QSize(kBehaviourBoxWidth, kBoxHeight)));
            connect(behaviour, &QComboBox::activated, this, [this, p](int entry) {
                ErrorHandler::guarded([this, p, entry] { m_board.behaviourPicked(p, entry); });
            });
            m_behaviourBoxes[p] = behaviour;
        }

        QRect valueRect;
        switch (s.value) {
        case SlotLayout::Value::Below:
            valueRect = QRect(int(baseLeft(p)), s.stripTop + kStripHeight, 140, kValueHeight);
            break;
        case SlotLayout::Value::Right: // beyond the card image
            valueRect = QRect(s.box.x() + kSlotBoxWidth + 16, s.box.y(), 64, kBoxHeight);
            break;
        case SlotLayout::Value::Left:
            valueRect = QRect(s.box.x() - 4 - 64, s.box.y(), 64, kBoxHeight);
            break;
        }
        const Qt::Alignment valueAlign = s.value == SlotLayout::Value::Below ? Qt::AlignHCenter | Qt::AlignVCenter
                                         : s.value == SlotLayout::Value::Right ? Qt::AlignLeft | Qt::AlignVCenter
                                                                               : Qt::AlignRight | Qt::AlignVCenter;
        QLabel *value = makeCaption(this, valueLabelName(p), QString(), valueRect, valueAlign);
        value->setFont(valueFont);
        setTextColour(value, QColor(255, 236, 140));
        m_valueLabels[p] = value;

        // The card stands right of the behaviour box, where the columns leave the widest gap
        // (the keeper's right of his slot box).
        auto *card = new QLabel(this);
        card->setObjectName(QLatin1String(cardImageName(p)));
        const QPoint cardAt = keeper ? QPoint(s.box.x() + kSlotBoxWidth + 3, s.box.y())
                                     : QPoint(s.behaviour.x() + kBehaviourBoxWidth + 4, s.behaviour.y());
        card->setGeometry(cardAt.x(), cardAt.y() + (kBoxHeight - 16) / 2, 10, 16);
        card->setAlignment(Qt::AlignCenter);
        card->hide();
        m_cards[p] = card;
    }
}

void LineupBoardView::buildSubstitutes()
{
    // On the board's parent, under the board (inside it only when the board has no parent).
    QWidget *host = parentWidget() ? parentWidget() : this;
    auto *panel = new QFrame(host);
    m_substitutes = panel;
    panel->setObjectName(QStringLiteral("Premplacant"));
    panel->setGeometry(QRect(host == this ? QPoint(0, 0) : pos() + QPoint(0, kBoardHeight), substitutesSize()));
    panel->setFrameShape(QFrame::NoFrame);
    fillBackground(panel, kBenchGreen);
    panel->setFont(sizedFont(font(), 8, false));
    const QFont captionFont = sizedFont(panel->font(), 8, false);

    for (const SubstituteLayout &s : kSubstitutes) {
        const char *captionName = s.caption ? s.caption : placeLabelName(s.role);
        const char *captionText = s.captionText ? s.captionText : placeCaption(s.role);
        QLabel *caption = makeCaption(panel, captionName, QString::fromUtf8(captionText),
                                      QRect(s.at.x(), s.at.y() - kCaptionHeight,
                                            qMin(146, kBoardWidth - 2 - s.at.x()), kCaptionHeight),
                                      Qt::AlignLeft | Qt::AlignBottom);
        caption->setFont(captionFont);
        setTextColour(caption, Qt::white);
        QComboBox *box = makePlayerBox(panel, s.role, s.box, s.at);
        if (s.role == kCaptainRole)
            m_captain = box;
        else if (s.role == kSetPiecesRole)
            m_setPieces = box;
        else
            m_playerBoxes[s.role] = box;
    }
}

void LineupBoardView::buildInfo()
{
    // On the board's parent, right of the board (inside it only when the board has no parent).
    QWidget *host = parentWidget() ? parentWidget() : this;
    auto *panel = new QFrame(host);
    m_info = panel;
    panel->setObjectName(QStringLiteral("Pinfos"));
    panel->setGeometry(QRect(host == this ? QPoint(0, 0) : pos() + QPoint(kBoardWidth + kGap, 0), infoSize()));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    fillBackground(panel, QColor(246, 248, 243));
    panel->setFont(sizedFont(font(), 8, false));

    const QFont titleFont = panel->font();
    const QFont wordsFont = sizedFont(panel->font(), 8, true);
    const QColor titleColour(70, 80, 70);
    const QColor wordsColour(0, 90, 45);
    const int left = 10;
    const int width = kInfoWidth - 2 * left;
    int y = 8;

    // Each sector: its title, and the rating words under it.
    for (int s = 0; s < SectorRatings::kSectorCount; ++s) {
        const auto sector = static_cast<SectorRatings::Sector>(s);
        QLabel *title = makeCaption(panel, BoardControls::sectorTitleName(sector),
                                    QString::fromUtf8(BoardControls::sectorTitleText(sector)), QRect(left, y, width, 13),
                                    Qt::AlignLeft | Qt::AlignVCenter);
        title->setFont(titleFont);
        setTextColour(title, titleColour);
        QLabel *words = makeCaption(panel, BoardControls::sectorLabelName(sector), QString(),
                                    QRect(left + 6, y + 13, width - 6, 15), Qt::AlignLeft | Qt::AlignTop);
        words->setFont(wordsFont);
        setTextColour(words, wordsColour);
        m_sectorLabels[s] = words;
        y += 30;
    }

    // The tactic: its title, the tactic chosen and its strength.
    y += 4;
    QLabel *tacticTitle = makeCaption(panel, "LTitreTactique", QString::fromUtf8("Tactique :"),
                                      QRect(left, y, width, 13), Qt::AlignLeft | Qt::AlignVCenter);
    setTextColour(tacticTitle, titleColour);
    m_labelTactique = makeCaption(panel, "LabelTactique", QString(), QRect(left + 6, y + 13, width - 6, 13),
                                  Qt::AlignLeft | Qt::AlignVCenter);
    setTextColour(m_labelTactique, titleColour);
    m_forceTactique = makeCaption(panel, "LForceTactique", QString(), QRect(left + 6, y + 26, width - 6, 15),
                                  Qt::AlignLeft | Qt::AlignVCenter);
    m_forceTactique->setFont(wordsFont);
    setTextColour(m_forceTactique, wordsColour);
    y += 41 + 6;

    auto *rule = new QFrame(panel);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(left, y, width, 2);
    y += 5;

    QLabel *velTitle = makeCaption(panel, "LabelVelStats", QStringLiteral("Velstats (evaluation) :"),
                                   QRect(left, y, 140, 24), Qt::AlignLeft | Qt::AlignVCenter);
    velTitle->setFont(sizedFont(panel->font(), 8, true));
    m_velstats = makeCaption(panel, "LVelstats", QString(), QRect(left + 140, y, width - 140, 24),
                             Qt::AlignRight | Qt::AlignVCenter);
    m_velstats->setFont(sizedFont(panel->font(), 13, true));
    setTextColour(m_velstats, wordsColour);
    y += 24 + 8;

    // Ten lines of team strength, the figures lined up on a tab stop.
    auto *force1 = new FiguresLabel(QString::fromUtf8("Force équipe :"), panel);
    force1->setObjectName(QStringLiteral("LForce1"));
    force1->setGeometry(left, y, width, panel->height() - y - 6);
    force1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_force1 = force1;
    m_force1->setTextFormat(Qt::PlainText);
    m_force1->setFont(sizedFont(panel->font(), 8, false));
    panel->hide();
}

// ---- events --------------------------------------------------------------------------------

void LineupBoardView::playerBoxPicked(int role, int entry)
{
    ErrorHandler::guarded([this, role, entry] {
        Board &board = m_board;
        if (role == kCaptainRole)
            board.captainPicked(entry);
        else if (role == kSetPiecesRole)
            board.setPiecesPicked(entry);
        else if (isSlot(role))
            board.slotPicked(role, entry);
        else
            board.substitutePicked(role, entry);
    });
}

int LineupBoardView::entryOfDroppedRecord(const QMimeData *mime) const
{
    const QString format = QLatin1String(recordMimeType());
    if (!mime || !mime->hasFormat(format))
        return -1;
    bool ok = false;
    const int record = QString::fromUtf8(mime->data(format)).trimmed().toInt(&ok);
    const Roster *roster = m_board.state().roster();
    if (!ok || !roster || !roster->hasRecord(record))
        return -1;
    // The row's own record, in the entry the boxes show him at.
    const int entry = roster->players[record].ListPosition;
    return m_board.state().recordOfEntry(entry) == record ? entry : -1;
}

bool LineupBoardView::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QWidget::eventFilter(watched, event);
    auto *box = qobject_cast<QComboBox *>(watched);
    const QVariant role = box ? box->property("boardRole") : QVariant();
    if (!role.isValid())
        return QWidget::eventFilter(watched, event);

    auto *drop = static_cast<QDropEvent *>(event);
    int entry = -1;
    ErrorHandler::guarded([&] { entry = entryOfDroppedRecord(drop->mimeData()); });
    if (entry < 0 || !box->isEnabled()) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop)
        playerBoxPicked(role.toInt(), entry);
    return true;
}

// ---- repainting ----------------------------------------------------------------------------

QPixmap LineupBoardView::picture(const QString &fileName)
{
    auto it = m_pictures.constFind(fileName);
    if (it != m_pictures.constEnd())
        return it.value();
    // A missing or unreadable picture shows nothing; the board stays usable.
    QPixmap pixmap(m_pictureFolder + fileName);
    m_pictures.insert(fileName, pixmap);
    return pixmap;
}

void LineupBoardView::setEntry(QComboBox *box, int entry)
{
    if (entry >= box->count())
        entry = -1;
    if (box->currentIndex() != entry) {
        const QSignalBlocker block(box);
        box->setCurrentIndex(entry);
    }
}

void LineupBoardView::setItems(QComboBox *box, const QStringList &items)
{
    bool same = box->count() == items.size();
    for (int i = 0; same && i < items.size(); ++i)
        same = box->itemText(i) == items.at(i);
    if (same)
        return;
    const QSignalBlocker block(box);
    box->clear();
    box->addItems(items);
}

void LineupBoardView::setTextIfChanged(QLabel *label, const QString &text)
{
    if (label->text() != text)
        label->setText(text);
}

void LineupBoardView::refresh()
{
    // A page that carried the bench or the figures is already gone: the window is closing.
    if (!m_substitutes || !m_info)
        return;
    const Board &board = m_board;

    if (board.state().candidateList() != m_candidateCache) {
        // A new list leaves every box without a selection until the Board says otherwise.
        std::vector<QSignalBlocker> blockers;
        blockers.reserve(18);
        for (int p = kFirstPlace; p <= kLastPlace; ++p)
            blockers.emplace_back(m_playerBoxes[p]);
        blockers.emplace_back(m_captain);
        blockers.emplace_back(m_setPieces);
        m_candidateCache = board.state().candidateList();
        m_candidates->setStringList(m_candidateCache);
    }
    for (int p = kFirstPlace; p <= kLastPlace; ++p)
        setEntry(m_playerBoxes[p], board.state().slotEntry(p));
    m_padlocks->refresh();
    setEntry(m_captain, board.state().captainEntry());
    setEntry(m_setPieces, board.state().setPiecesEntry());

    for (int p = Keeper; p <= kLastSlot; ++p) {
        if (QComboBox *behaviour = m_behaviourBoxes[p]) {
            setItems(behaviour, board.items(behaviour->objectName()));
            setEntry(behaviour, board.state().behaviourEntry(p));
        }
        setTextIfChanged(m_valueLabels[p], board.presenter().valueLabel(p));

        const Ratings::StripGeometry strip = board.presenter().starStrip(p);
        const QRect stripRect(int(strip.left), m_stripTops[p], qMax(0, int(strip.width)), kStripHeight);
        if (m_strips[p]->geometry() != stripRect)
            m_strips[p]->setGeometry(stripRect);
        m_strips[p]->setVisible(strip.width > 0);

        const Board::CardImage card = board.presenter().cardImage(p);
        if (card.picture != m_cardPictures[p]) {
            m_cardPictures[p] = card.picture;
            m_cards[p]->setPixmap(card.picture.isEmpty() ? QPixmap() : picture(card.picture));
        }
        m_cards[p]->setVisible(card.visible && !card.picture.isEmpty());
    }

    // The panel shows each title in its own label above the words, so the words come without
    // the title the board's own captions carry: the title is then said once, and in the
    // user's language.
    // Without a roster no lineup can be valued: the empty board's figures (-27, "Inexistant")
    // would read as a verdict, so the panel shows none.
    const bool figures = board.state().rosterCount() > 0;
    const BoardPresenter &shown = board.presenter();
    for (int s = 0; s < SectorRatings::kSectorCount; ++s)
        setTextIfChanged(m_sectorLabels[s],
                         figures ? shown.sectorWords(static_cast<SectorRatings::Sector>(s)) : QString());
    setTextIfChanged(m_labelTactique, figures ? shown.tacticCaption() : QString());
    setTextIfChanged(m_forceTactique, figures ? board.text(QStringLiteral("LForceTactique")) : QString());
    setTextIfChanged(m_velstats, figures ? board.text(QStringLiteral("LVelstats")) : QString());
    setTextIfChanged(m_force1, figures ? board.text(QStringLiteral("LForce1")) : QString());
    m_force1->setRows(figures ? shown.figureLines() : QList<FigureLine>());
    if (m_info->isHidden() == board.presenter().pinfosVisible())
        m_info->setVisible(board.presenter().pinfosVisible());
}
