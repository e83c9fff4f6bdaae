#include "lineup/Board.h"
#include "common/NumberText.h"

#include "evaluation/NameTables.h"
#include "evaluation/Tplayer.h"
#include "lineup/BestLineupSearch.h"
#include "common/Vocabulary.h"

#include <QHash>

#include <charconv>
#include <cmath>

using namespace LineupSlots;
using SectorRatings::Sector;

struct Board::Batch {
    explicit Batch(Board &b) : board(b) { ++board.m_batchDepth; }
    ~Batch()
    {
        if (--board.m_batchDepth == 0)
            emit board.changed();
    }
    Board &board;
};

namespace {

QStringList utf8List(std::initializer_list<const char *> texts)
{
    QStringList list;
    for (const char *t : texts)
        list << QString::fromUtf8(t);
    return list;
}

QStringList behaviourItems(BehaviourList list)
{
    switch (list) {
    case BehaviourList::Back:
        return utf8List({"Normal", "Défensif", "Offensif", "Vers le centre", "Attaquant", "Milieu de terrain"});
    case BehaviourList::CentralDefender:
        return utf8List({"Normal", "Offensif", "vers l'aile", "Milieu", "Attaquant"});
    case BehaviourList::Winger:
        return utf8List({"Normal", "Défensif", "Offensif", "Vers le centre", "Attaquant", "Milieu", "Défenseur"});
    case BehaviourList::InnerMidfielder:
        return utf8List({"Normal", "Défensif", "Offensif", "Sur l'aile", "Attaquant", "Défenseur"});
    case BehaviourList::Forward:
        return utf8List({"Normal", "Défensif", "Vers l'aile", "Milieu de terrain", "Défenseur"});
    case BehaviourList::None: break;
    }
    return {};
}

QStringList conditionItems(Board::Condition c)
{
    switch (c) {
    case Board::Tactique:
        return utf8List({"Normal", "Pressing", "Contre-attaques", "Attaque au centre", "Attaque sur les ailes"});
    case Board::Attitude: return utf8List({"Tranquille", "Normal", "Meilleur match de la saison"});
    case Board::Lieu: return utf8List({"Home/Derby", "Away"});
    case Board::Confiance:
        return utf8List({"Inexistante", "Catastrophique", "Mauvaise", "Faible", "Passable", "Satisfaisante",
                         "Très bonne", "Légèrement exagérée"});
    case Board::TeamSpirit:
        return utf8List({"La guerre froide", "Incontrôlables", "Furieux", "Irrités", "Passifs", "Calmes",
                         "Satisfaits", "Heureux", "Délirants de joie", "Sur un nuage", "Le paradis sur Terre!",
                         "Le paradis sur Terre! (+1)", "Le paradis sur Terre! (+2)"});
    case Board::Entraineur: break; // the trainer type words live in the name tables
    }
    return {};
}

const QStringList &dispositionItems()
{
    static const QStringList items = {QStringLiteral("4-4-2"), QStringLiteral("4-3-3"), QStringLiteral("5-3-2"),
                                      QStringLiteral("3-5-2"), QStringLiteral("4-5-1"), QStringLiteral("3-4-3"),
                                      QStringLiteral("5-4-1")};
    return items;
}

const QStringList &tabItems()
{
    static const QStringList items = {QStringLiteral("Normal"), QStringLiteral("Asym WB"),
                                      QStringLiteral("Asym W")};
    return items;
}

// Prepared formations: the behaviour boxes that leave "Normal", by (tab, disposition).
// A forward on entry 3 plays as an inner midfielder and on entry 4 as a central defender,
// so that each row gives the formation it names.
struct FormationSetting {
    int place;
    int behaviour;
};
struct FormationRow {
    bool exists;
    int count;
    FormationSetting settings[2];
};
const FormationRow kFormations[3][7] = {
    // "Normal"
    {{true, 0, {}},
     {true, 1, {{InnerMidfielder2, 4}}},
     {true, 1, {{InnerMidfielder2, 5}}},
     {true, 1, {{CentralDefender2, 3}}},
     {true, 1, {{Forward2, 3}}},
     {true, 2, {{CentralDefender2, 3}, {InnerMidfielder2, 4}}},
     {true, 1, {{Forward2, 4}}}},
    // "Asym WB"
    {{true, 2, {{LeftBack, 5}, {InnerMidfielder1, 5}}},
     {true, 2, {{LeftBack, 4}, {InnerMidfielder1, 5}}},
     {false, 0, {}},
     {true, 1, {{LeftBack, 5}}},
     {true, 2, {{LeftBack, 5}, {Forward1, 4}}},
     {true, 2, {{LeftBack, 5}, {InnerMidfielder2, 4}}},
     {false, 0, {}}},
    // "Asym W"
    {{true, 2, {{CentralDefender1, 3}, {LeftWinger, 6}}},
     {true, 1, {{LeftWinger, 4}}},
     {true, 1, {{LeftWinger, 6}}},
     {false, 0, {}},
     {false, 0, {}},
     {true, 2, {{CentralDefender1, 3}, {LeftWinger, 4}}},
     {true, 2, {{LeftWinger, 6}, {Forward1, 3}}}},
};

const char *const kSectorLabels[SectorRatings::kSectorCount] = {
    "LForceDefenseCentrale", "LforceDefenseDroite", "LForceDefenseGauche", "LForceMilieu",
    "LForceAttaqueCentrale", "LForceAttaqueDroite", "LForceAttaqueGauche"};
const char *const kSectorTitles[SectorRatings::kSectorCount][2] = {
    {"LTitreDefenseCentrale", "Défense centrale :"},
    {"LTitreDefenseDroite", "Défense latérale droite :"},
    {"LTitreDefenseGauche", "Défense latérale gauche :"},
    {"LTitreMilieu", "Milieu :"},
    {"LTitreAttaqueCentrale", "Attaque centrale :"},
    {"LTitreAttaqueDroite", "Attaque aile droite :"},
    {"LTitreAttaqueGauche", "Attaque aile gauche :"},
};
const char *const kConditionBoxes[Board::kConditionCount] = {"cbTactique", "cbAttitude", "cbLieu",
                                                             "cbConfiance", "cbTeamSpirit", "LEntraineur"};
const char *const kOptionNames[Board::kOptionCount] = {"chkRecalculTous", "chkBlesse", "chkCartons"};

// What a control name stands for.
enum class Kind {
    PlayerBox, Captain, SetPieces, Behaviour, ConditionBox, SectorOrder, OptionBox, Tab, Disposition,
    ValueLabel, Strip, Card, SectorLabel, LabelTactique, LForceTactique, LForce1, LVelstats, Pinfos
};
struct Ref {
    Kind kind;
    int index;
};

const QHash<QString, Ref> &controls()
{
    static const QHash<QString, Ref> map = [] {
        QHash<QString, Ref> m;
        for (int p = kFirstPlace; p <= kLastPlace; ++p) {
            m.insert(QLatin1String(slotBoxName(p)), {Kind::PlayerBox, p});
            if (behaviourBoxName(p))
                m.insert(QLatin1String(behaviourBoxName(p)), {Kind::Behaviour, p});
            if (valueLabelName(p)) {
                m.insert(QLatin1String(valueLabelName(p)), {Kind::ValueLabel, p});
                m.insert(QLatin1String(starStripName(p)), {Kind::Strip, p});
                m.insert(QLatin1String(cardImageName(p)), {Kind::Card, p});
            }
        }
        m.insert(QStringLiteral("cbCapitaine"), {Kind::Captain, 0});
        m.insert(QStringLiteral("cbCPA"), {Kind::SetPieces, 0});
        for (int c = 0; c < Board::kConditionCount; ++c)
            m.insert(QLatin1String(kConditionBoxes[c]), {Kind::ConditionBox, c});
        m.insert(QStringLiteral("cbOrdreCalc"), {Kind::SectorOrder, 0});
        for (int o = 0; o < Board::kOptionCount; ++o)
            m.insert(QLatin1String(kOptionNames[o]), {Kind::OptionBox, o});
        m.insert(QStringLiteral("TabDispo"), {Kind::Tab, 0});
        m.insert(QStringLiteral("rgdisposition"), {Kind::Disposition, 0});
        for (int s = 0; s < SectorRatings::kSectorCount; ++s)
            m.insert(QLatin1String(kSectorLabels[s]), {Kind::SectorLabel, s});
        m.insert(QStringLiteral("LabelTactique"), {Kind::LabelTactique, 0});
        m.insert(QStringLiteral("LForceTactique"), {Kind::LForceTactique, 0});
        m.insert(QStringLiteral("LForce1"), {Kind::LForce1, 0});
        m.insert(QStringLiteral("LVelstats"), {Kind::LVelstats, 0});
        m.insert(QStringLiteral("Pinfos"), {Kind::Pinfos, 0});
        return m;
    }();
    return map;
}

bool lookup(const QString &name, Ref *ref)
{
    const auto &m = controls();
    auto it = m.constFind(name);
    if (it == m.constEnd())
        return false;
    *ref = it.value();
    return true;
}

} // namespace


// ---------------------------------------------------------------------------------------

Board::Board(const Roster *roster, QObject *parent) : QObject(parent), m_roster(roster)
{
    m_entries.fill(-1);
    m_behaviours.fill(0);
    m_conditions = {-1, 1, 0, 5, -1, -1}; // attitude Normal, venue Home, confidence Satisfaisante
    m_options.fill(false);
    m_dispositionEnabled.fill(true);
    m_placement.fill(-1);
    m_marks.clear();
    for (int c = 0; c < kConditionCount; ++c)
        m_conditionItems[c] = conditionItems(static_cast<Condition>(c));
    for (int p = RightBack; p <= Forward2; ++p)
        m_behaviourItemsByPlace[p] = behaviourItems(behaviourList(p));
    m_sectorOrderItems = utf8List({"DEF-MID-ATT", "DEF-ATT-MID", "ATT-MID-DEF", "ATT-DEF-MID", "MID-ATT-DEF",
                                   "MID-DEF-ATT"});
    m_force1 = QString::fromUtf8("Force équipe :");
    m_storedSectorOrder = [] { return 0; };
    setNumberLocale(QLocale());
    // Before the first reset the strips show the full ten stars at their place.
    for (int p = Keeper; p <= kLastSlot; ++p) {
        m_baseLefts[p] = baseLeft(p);
        m_strips[p] = {140, baseLeft(p)};
    }
}

Board::~Board() = default;

// ---- roster and candidate list ----------------------------------------------------------

int Board::rosterCount() const
{
    return m_roster ? m_roster->storedCount() : 0;
}

void Board::setCandidateList(const QStringList &entries)
{
    Batch batch(*this);
    m_candidates = entries;
    for (int p = kFirstPlace; p <= kLastPlace; ++p)
        m_entries[p] = -1;
    m_captain = -1;
    m_setPieces = -1;
}

QStringList Board::candidateListFromRoster(const Roster &roster)
{
    const int count = roster.storedCount();
    int highest = 0;
    for (int r = 0; r < count; ++r)
        highest = std::max(highest, std::min<int>(roster.players[r].ListPosition, Roster::kCapacity));
    QStringList list;
    list.reserve(highest + 1);
    for (int i = 0; i <= highest; ++i)
        list << QString();
    for (int r = count - 1; r >= 0; --r) { // the first record of a position wins
        const int lp = roster.players[r].ListPosition;
        if (lp >= 1 && lp <= highest)
            list[lp] = roster.players[r].PlayerName;
    }
    return list;
}

// ---- player lookup ------------------------------------------------------------------------

int Board::recordOfEntry(int entry) const
{
    if (entry < 1 || entry >= m_candidates.size() || m_candidates.at(entry).isEmpty())
        return -1;
    return m_roster ? m_roster->recordAtListPosition(entry) : -1;
}

int Board::recordOfBox(int place) const
{
    return isPlace(place) ? recordOfEntry(m_entries[place]) : -1;
}

int32_t Board::recordId(int record) const
{
    return NumberText::playerId(m_roster->players[record].PlayerID);
}

int32_t Board::playerIdOfBox(int place) const
{
    const int r = recordOfBox(place);
    return r < 0 ? -1 : recordId(r);
}

int32_t Board::captainPlayerId() const
{
    const int r = recordOfEntry(m_captain);
    return r < 0 ? -1 : recordId(r);
}

int32_t Board::setPiecesPlayerId() const
{
    const int r = recordOfEntry(m_setPieces);
    return r < 0 ? -1 : recordId(r);
}

int Board::slotKind(int place) const
{
    return LineupSlots::slotKind(place, hasBehaviour(place) ? m_behaviours[place] : 0);
}

double Board::slotValue(int place) const
{
    if (!isSlot(place))
        return 0;
    const int r = recordOfBox(place);
    return r < 0 ? 0 : m_roster->players[r].value(slotKind(place));
}

// ---- small display operations ----------------------------------------------------------

QString Board::formatNumber(double value) const
{
    // Fixed notation, two decimals, the platform's decimal separator, no grouping.
    char buffer[400];
    const auto res = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    if (res.ec != std::errc())
        return QString();
    QString text = QString::fromLatin1(buffer, res.ptr - buffer);
    for (QChar &c : text) {
        if (c == QLatin1Char('.'))
            c = m_decimalPoint;
        else if (c == QLatin1Char('-'))
            c = m_minusSign;
    }
    return text;
}

void Board::setNumberLocale(const QLocale &locale)
{
    const QString point = locale.decimalPoint();
    const QString minus = locale.negativeSign();
    m_decimalPoint = point.size() == 1 ? point.at(0) : QLatin1Char('.');
    m_minusSign = minus.size() == 1 ? minus.at(0) : QLatin1Char('-');
}

void Board::setStrip(int place, double x)
{
    m_strips[place] = Ratings::starStrip(x, m_baseLefts[place]);
}

void Board::clearSlotDisplay(int place)
{
    if (!isSlot(place))
        return;
    Batch batch(*this);
    m_valueLabels[place].clear();
    setStrip(place, 0);
}

void Board::refreshCardImage(int place)
{
    if (!isSlot(place))
        return;
    Batch batch(*this);
    CardImage &card = m_cards[place];
    const int32_t id = playerIdOfBox(place);
    if (id == -1) {
        card.visible = false;
        return;
    }
    const int count = rosterCount();
    for (int r = 0; r < count; ++r) {
        if (recordId(r) != id)
            continue;
        const int32_t cards = m_roster->players[r].Cards;
        if (cards == 0)
            card.visible = false;
        else if (cards == 1)
            card.picture = QStringLiteral("YCard1.gif");
        else if (cards == 2)
            card.picture = QStringLiteral("YCard2.gif");
        else if (cards == 3)
            card.picture = QStringLiteral("RCard.gif");
        if (cards > 0)
            card.visible = true;
    }
}

void Board::initStarStrips()
{
    Batch batch(*this);
    for (int p = Keeper; p <= kLastSlot; ++p)
        m_baseLefts[p] = baseLeft(p);
}

void Board::zeroStarStrips()
{
    Batch batch(*this);
    for (int p = Keeper; p <= kLastSlot; ++p)
        setStrip(p, 0);
}

// ---- evaluation ------------------------------------------------------------------------

void Board::collectLineup(LineupInput &in) const
{
    for (int p = Keeper; p <= kLastSlot; ++p) {
        const int r = recordOfBox(p);
        in.player[p] = r < 0 ? nullptr : &m_roster->players[r];
        in.id[p] = r < 0 ? -1 : recordId(r);
        in.behaviour[p] = hasBehaviour(p) ? m_behaviours[p] : -1;
    }
    in.tactic = m_conditions[Tactique];
    in.attitude = m_conditions[Attitude];
    in.venue = m_conditions[Lieu];
    in.confidence = m_conditions[Confiance];
    in.teamSpirit = m_conditions[TeamSpirit];
    in.trainer = m_conditions[Entraineur];
}

void Board::slotEvaluation(int place)
{
    if (!isPlace(place))
        return;
    const int r = recordOfBox(place);
    if (r >= 0 && !m_roster->players[r].PlayerName.isEmpty()) {
        const int32_t id = recordId(r);
        if (id >= 0)
            m_placement[place] = id;
        if (isSlot(place)) {
            const double value = m_roster->players[r].value(slotKind(place));
            m_valueLabels[place] = QStringLiteral("( ") + formatNumber(value) + QStringLiteral(" )");
            setStrip(place, Ratings::halfStep(value) / 2);
        }
    }
    if (!m_searchFlag)
        teamFigures(false);
}

int32_t Board::computeVelstats(const LineupInput &in)
{
    using namespace SectorRatings;
    using Ratings::ratingPoints;
    using Ratings::toInt32;
    // Computed again, in the order of the overall figure, and summed as whole numbers.
    const double mid = midfield(in);
    const double rd = rightDefence(in, m_marks);
    const double cd = centralDefence(in, m_marks);
    const double ld = leftDefence(in, m_marks);
    const double ra = rightAttack(in);
    const double ca = centralAttack(in);
    const double la = leftAttack(in);
    int64_t sum = int64_t(3) * toInt32(ratingPoints(mid / 8)) + toInt32(ratingPoints(rd / 4))
                  + toInt32(ratingPoints(cd / 5)) + toInt32(ratingPoints(ld / 4)) + toInt32(ratingPoints(ra / 6))
                  + toInt32(ratingPoints(ca / 6)) + toInt32(ratingPoints(la / 6));
    sum = std::clamp<int64_t>(sum, INT32_MIN, INT32_MAX);
    m_pinfosVisible = true;
    return static_cast<int32_t>(sum);
}

void Board::teamFigures(bool afterSearch)
{
    using namespace SectorRatings;
    using Ratings::ratingPoints;
    using Ratings::ratingWords;

    m_marks.clear();
    m_figures = Figures();

    LineupInput in;
    collectLineup(in);

    Figures &f = m_figures;
    m_sector[CentralDefence] = centralDefence(in, m_marks);
    m_sectorLabel[CentralDefence] = ratingWords(m_sector[CentralDefence] / 5);
    f.CD = ratingPoints(m_sector[CentralDefence] / 5);
    m_sector[RightDefence] = rightDefence(in, m_marks);
    m_sectorLabel[RightDefence] = ratingWords(m_sector[RightDefence] / 4);
    f.RD = ratingPoints(m_sector[RightDefence] / 4);
    m_sector[LeftDefence] = leftDefence(in, m_marks);
    m_sectorLabel[LeftDefence] = ratingWords(m_sector[LeftDefence] / 4);
    f.LD = ratingPoints(m_sector[LeftDefence] / 4);
    f.DEF = f.RD + f.LD + f.CD;
    m_sector[Midfield] = midfield(in);
    m_sectorLabel[Midfield] = midfieldPrefix() + ratingWords(m_sector[Midfield] / 8);
    f.MID3 = 3 * ratingPoints(m_sector[Midfield] / 8);
    m_sector[CentralAttack] = centralAttack(in);
    m_sectorLabel[CentralAttack] = ratingWords(m_sector[CentralAttack] / 6);
    f.CA = ratingPoints(m_sector[CentralAttack] / 6);
    m_sector[RightAttack] = rightAttack(in);
    m_sectorLabel[RightAttack] = ratingWords(m_sector[RightAttack] / 6);
    f.RA = ratingPoints(m_sector[RightAttack] / 6);
    m_sector[LeftAttack] = leftAttack(in);
    m_sectorLabel[LeftAttack] = ratingWords(m_sector[LeftAttack] / 6);
    f.LA = ratingPoints(m_sector[LeftAttack] / 6);
    f.ATT = f.CA + f.RA + f.LA;
    f.E = f.DEF + f.ATT + f.MID3;

    const int count = rosterCount();
    for (int r = 0; r < count; ++r)
        m_idScratch[r] = recordId(r);
    m_tacticStrength = SectorRatings::tacticStrength(m_conditions[Tactique], m_roster ? m_roster->players.data() : nullptr,
                                                     m_idScratch.data(),
                                                     count, m_placement, m_marks);
    if (!afterSearch) {
        m_labelTactique = vocab(QStringLiteral("TACTIQUE")) + text(QStringLiteral("cbTactique"));
        if (m_conditions[Tactique] == 0)
            m_forceTactique = QStringLiteral("---");
        else
            m_forceTactique =
                Ratings::levelName(Ratings::roundEven(Ratings::halfStep(m_tacticStrength / 10)));
    }

    const QString tab = QStringLiteral("\t");
    const QString crlf = QStringLiteral("\r\n");
    QString force;
    force.reserve(256);
    force += vocab(QStringLiteral("FORCE_EQUIPE"));
    force += afterSearch ? QStringLiteral(" :") : QStringLiteral(" : ");
    force += tab + QLatin1Char(' ') + formatNumber(f.E) + QLatin1Char(' ') + crlf;
    const struct {
        const char *key;
        double value;
    } lines[] = {{"FORCE_DEF", f.DEF}, {"FORCE_DEFG", f.LD}, {"FORCE_DEFD", f.RD},
                 {"FORCE_DEFC", f.CD}, {"FORCE_MIL", f.MID3}, {"FORCE_ATT", f.ATT},
                 {"FORCE_ATTG", f.LA}, {"FORCE_ATTD", f.RA}, {"FORCE_ATTC", f.CA}};
    for (const auto &line : lines) {
        force += vocab(QLatin1String(line.key));
        force += QStringLiteral(" :") + tab + QLatin1Char(' ') + formatNumber(line.value) + QLatin1Char(' ') + crlf;
    }
    m_force1 = force;

    m_velstats = computeVelstats(in);
    m_velstatsText = QString::number(m_velstats);
}

// ---- slot assignment ---------------------------------------------------------------------

void Board::placeCaptainAndSetPieces()
{
    // The box shows the chosen record itself, by his list position.
    const int captain = captainQuery();
    if (captain >= 0 && recordOfEntry(m_roster->players[captain].ListPosition) == captain)
        m_captain = m_roster->players[captain].ListPosition;
    const int taker = setPiecesQuery();
    if (taker >= 0 && recordOfEntry(m_roster->players[taker].ListPosition) == taker)
        m_setPieces = m_roster->players[taker].ListPosition;
}

void Board::applySlotAssignmentRule(int place)
{
    if (!isPlace(place) || m_entries[place] == -1)
        return;
    Batch batch(*this);
    const int32_t id = playerIdOfBox(place);
    if (id != -1) {
        for (int p = kFirstPlace; p <= kLastPlace; ++p) {
            if (m_placement[p] != id)
                continue;
            m_placement[p] = -1;
            if (p == place) {
                m_placement[p] = id; // he stays where he is
            } else {
                // He moves: the place he leaves is emptied, its card image included.
                m_entries[p] = boxEntryClamped(m_candidates.size(), 0);
                clearSlotDisplay(p);
                refreshCardImage(p);
            }
            slotEvaluation(place);
            refreshCardImage(place);
            break;
        }
    }
    placeCaptainAndSetPieces();
}

// ---- program-code setters ----------------------------------------------------------------

int Board::boxEntryClamped(int count, int entry) const
{
    return (entry >= 0 && entry < count) ? entry : -1;
}

void Board::setSlotEntry(int place, int entry)
{
    if (!isPlace(place))
        return;
    Batch batch(*this);
    m_entries[place] = boxEntryClamped(m_candidates.size(), entry);
}

void Board::setBehaviourEntry(int place, int entry)
{
    if (!hasBehaviour(place))
        return;
    Batch batch(*this);
    m_behaviours[place] = boxEntryClamped(m_behaviourItemsByPlace[place].size(), entry);
}

void Board::setCaptainEntry(int entry)
{
    Batch batch(*this);
    m_captain = boxEntryClamped(m_candidates.size(), entry);
}

void Board::setSetPiecesEntry(int entry)
{
    Batch batch(*this);
    m_setPieces = boxEntryClamped(m_candidates.size(), entry);
}

void Board::setCondition(Condition condition, int entry)
{
    if (condition < 0 || condition >= kConditionCount)
        return;
    Batch batch(*this);
    m_conditions[condition] = boxEntryClamped(items(QLatin1String(kConditionBoxes[condition])).size(), entry);
}

void Board::setSectorOrder(int entry)
{
    Batch batch(*this);
    m_sectorOrder = boxEntryClamped(m_sectorOrderItems.size(), entry);
}

void Board::setOption(Option option, bool checked)
{
    if (option < 0 || option >= kOptionCount)
        return;
    Batch batch(*this);
    m_options[option] = checked;
}

void Board::setTab(int tab)
{
    if (tab < 0 || tab >= tabItems().size())
        return;
    Batch batch(*this);
    m_tab = tab;
}

void Board::setDisposition(int entry)
{
    if (entry < 0 || entry >= dispositionItems().size())
        return;
    Batch batch(*this);
    m_disposition = entry;
}

void Board::setPlacement(int index, int32_t playerId)
{
    if (!isPlace(index))
        return;
    Batch batch(*this);
    m_placement[index] = playerId;
}

void Board::clearPlacementAndFigures()
{
    Batch batch(*this);
    m_marks.clear();
    m_figures = Figures();
    m_sector.fill(0);
    m_placement.fill(-1);
}

void Board::setStoredSectorOrder(std::function<int()> source)
{
    m_storedSectorOrder = source ? std::move(source) : [] { return 0; };
}

bool Board::setItemText(const QString &boxName, int index, const QString &text)
{
    Ref ref;
    if (!lookup(boxName, &ref) || index < 0)
        return false;
    QStringList *list = nullptr;
    switch (ref.kind) {
    case Kind::Behaviour: list = &m_behaviourItemsByPlace[ref.index]; break;
    case Kind::ConditionBox:
        if (ref.index == Entraineur)
            return NameTables::instance().setItem(boxName, index, text);
        list = &m_conditionItems[ref.index];
        break;
    case Kind::SectorOrder: list = &m_sectorOrderItems; break;
    default: return false;
    }
    if (index >= list->size())
        return false;
    Batch batch(*this);
    (*list)[index] = text;
    return true;
}

// ---- board reset and the other operations ------------------------------------------------

void Board::reset()
{
    Batch batch(*this);
    m_placement.fill(-1);
    m_marks.clear();
    m_figures = Figures();
    m_force1.clear();
    for (int p = RightBack; p <= Forward2; ++p)
        m_behaviours[p] = boxEntryClamped(m_behaviourItemsByPlace[p].size(), 0);
    m_setPieces = boxEntryClamped(m_candidates.size(), 0);
    m_captain = boxEntryClamped(m_candidates.size(), 0);
    for (int p = kFirstPlace; p <= kLastPlace; ++p)
        m_entries[p] = boxEntryClamped(m_candidates.size(), 0);
    m_sectorOrder = boxEntryClamped(m_sectorOrderItems.size(), m_storedSectorOrder());
    for (int p = Keeper; p <= kLastSlot; ++p) {
        m_cards[p].visible = false;
        setStrip(p, 0);
        m_valueLabels[p].clear();
    }
}

void Board::evaluate(int place)
{
    Batch batch(*this);
    slotEvaluation(place);
}

void Board::refreshFigures()
{
    evaluate(Keeper);
}

void Board::refreshSlot(int place)
{
    Batch batch(*this);
    clearSlotDisplay(place);
    refreshCardImage(place);
    slotEvaluation(place);
}

// ---- board events --------------------------------------------------------------------------

void Board::slotPicked(int place, int entry)
{
    if (!isSlot(place))
        return;
    Batch batch(*this);
    m_entries[place] = boxEntryClamped(m_candidates.size(), entry);
    clearSlotDisplay(place);
    refreshCardImage(place);
    applySlotAssignmentRule(place);
    slotEvaluation(place);
}

void Board::behaviourPicked(int place, int entry)
{
    if (!hasBehaviour(place))
        return;
    Batch batch(*this);
    setBehaviourEntry(place, entry);
    refreshCardImage(place);
    slotEvaluation(place);
}

void Board::substitutePicked(int place, int entry)
{
    if (!isSubstitute(place))
        return;
    Batch batch(*this);
    m_entries[place] = boxEntryClamped(m_candidates.size(), entry);
    applySlotAssignmentRule(place);
}

void Board::captainPicked(int entry)
{
    setCaptainEntry(entry);
}

void Board::setPiecesPicked(int entry)
{
    setSetPiecesEntry(entry);
}

void Board::clearPressed()
{
    Batch batch(*this);
    reset();
    slotEvaluation(Keeper);
}

void Board::formationPressed()
{
    Batch batch(*this);
    if (m_tab >= 0 && m_tab < 3 && m_disposition >= 0 && m_disposition < 7) {
        const FormationRow &row = kFormations[m_tab][m_disposition];
        if (row.exists) {
            for (int p = RightBack; p <= Forward2; ++p)
                m_behaviours[p] = 0;
            for (int i = 0; i < row.count; ++i)
                m_behaviours[row.settings[i].place] = row.settings[i].behaviour;
        }
    }
    slotEvaluation(Keeper);
}

void Board::tabChanged(int tab)
{
    Batch batch(*this);
    setTab(tab);
    m_dispositionEnabled.fill(true);
    if (m_tab == 1) {
        m_dispositionEnabled[2] = false;
        m_dispositionEnabled[6] = false;
    } else if (m_tab == 2) {
        m_dispositionEnabled[3] = false;
        m_dispositionEnabled[4] = false;
    }
}

void Board::dispositionPicked(int entry)
{
    if (!dispositionEnabled(entry))
        return;
    setDisposition(entry);
}

void Board::conditionPicked(Condition condition, int entry)
{
    if (condition < 0 || condition >= kConditionCount)
        return;
    Batch batch(*this);
    setCondition(condition, entry);
    slotEvaluation(Keeper);
}

void Board::sectorOrderPicked(int entry)
{
    Batch batch(*this);
    setSectorOrder(entry);
    emit sectorOrderChosen(m_sectorOrder);
}

void Board::optionToggled(Option option, bool checked)
{
    setOption(option, checked);
}

bool Board::pick(const QString &controlName, int entry)
{
    Ref ref;
    if (!lookup(controlName, &ref))
        return false;
    switch (ref.kind) {
    case Kind::PlayerBox:
        if (isSlot(ref.index))
            slotPicked(ref.index, entry);
        else
            substitutePicked(ref.index, entry);
        return true;
    case Kind::Captain: captainPicked(entry); return true;
    case Kind::SetPieces: setPiecesPicked(entry); return true;
    case Kind::Behaviour: behaviourPicked(ref.index, entry); return true;
    case Kind::ConditionBox: conditionPicked(static_cast<Condition>(ref.index), entry); return true;
    case Kind::SectorOrder: sectorOrderPicked(entry); return true;
    case Kind::OptionBox: optionToggled(static_cast<Option>(ref.index), entry != 0); return true;
    case Kind::Tab: tabChanged(entry); return true;
    case Kind::Disposition: dispositionPicked(entry); return true;
    default: return false;
    }
}

// ---- commands ------------------------------------------------------------------------------

Board::CalculeResult Board::calcule()
{
    Batch batch(*this);
    return BestLineupSearch::calcule(*this);
}

double Board::runSearch(QList<int> *unfilled)
{
    Batch batch(*this);
    return BestLineupSearch::run(*this, unfilled);
}

bool Board::isEligible(int record) const
{
    BestLineupSearch::Context context;
    BestLineupSearch::prepare(*this, context);
    return record >= 0 && record < context.count && BestLineupSearch::eligible(*this, context, record);
}

int Board::bestPlayer(int kind) const
{
    BestLineupSearch::Context context;
    BestLineupSearch::prepare(*this, context);
    return BestLineupSearch::bestPlayer(*this, context, kind);
}

int Board::captainQuery() const
{
    BestLineupSearch::Context context;
    BestLineupSearch::prepare(*this, context);
    return BestLineupSearch::captain(*this, context);
}

int Board::setPiecesQuery() const
{
    BestLineupSearch::Context context;
    BestLineupSearch::prepare(*this, context);
    return BestLineupSearch::setPieces(*this, context);
}

// ---- state readers -----------------------------------------------------------------------

int Board::slotEntry(int place) const
{
    return isPlace(place) ? m_entries[place] : -1;
}

int Board::behaviourEntry(int place) const
{
    return hasBehaviour(place) ? m_behaviours[place] : -1;
}

bool Board::dispositionEnabled(int entry) const
{
    return entry >= 0 && entry < 7 && m_dispositionEnabled[entry];
}

int32_t Board::placement(int index) const
{
    return isPlace(index) ? m_placement[index] : -1;
}

int32_t Board::mark(int index) const
{
    return (index >= 1 && index <= 5) ? m_marks.id[index] : 0;
}

QString Board::valueLabel(int place) const
{
    return isSlot(place) ? m_valueLabels[place] : QString();
}

Ratings::StripGeometry Board::starStrip(int place) const
{
    return isSlot(place) ? m_strips[place] : Ratings::StripGeometry();
}

Board::CardImage Board::cardImage(int place) const
{
    return isSlot(place) ? m_cards[place] : CardImage();
}

const char *Board::sectorLabelName(Sector s)
{
    return (s >= 0 && s < SectorRatings::kSectorCount) ? kSectorLabels[s] : "";
}

const char *Board::sectorTitleName(Sector s)
{
    return (s >= 0 && s < SectorRatings::kSectorCount) ? kSectorTitles[s][0] : "";
}

const char *Board::sectorTitleText(Sector s)
{
    return (s >= 0 && s < SectorRatings::kSectorCount) ? kSectorTitles[s][1] : "";
}

const char *Board::conditionBoxName(Condition c)
{
    return (c >= 0 && c < kConditionCount) ? kConditionBoxes[c] : "";
}

const char *Board::optionName(Option o)
{
    return (o >= 0 && o < kOptionCount) ? kOptionNames[o] : "";
}

// ---- by control name -----------------------------------------------------------------------

int Board::entry(const QString &boxName) const
{
    Ref ref;
    if (!lookup(boxName, &ref))
        return -1;
    switch (ref.kind) {
    case Kind::PlayerBox: return m_entries[ref.index];
    case Kind::Captain: return m_captain;
    case Kind::SetPieces: return m_setPieces;
    case Kind::Behaviour: return m_behaviours[ref.index];
    case Kind::ConditionBox: return m_conditions[ref.index];
    case Kind::SectorOrder: return m_sectorOrder;
    case Kind::Tab: return m_tab;
    case Kind::Disposition: return m_disposition;
    default: return -1;
    }
}

QStringList Board::items(const QString &boxName) const
{
    Ref ref;
    if (!lookup(boxName, &ref))
        return {};
    switch (ref.kind) {
    case Kind::PlayerBox:
    case Kind::Captain:
    case Kind::SetPieces: return m_candidates;
    case Kind::Behaviour: return m_behaviourItemsByPlace[ref.index];
    case Kind::ConditionBox:
        if (ref.index == Entraineur)
            return NameTables::instance().items(NameTables::TrainerTypes);
        return m_conditionItems[ref.index];
    case Kind::SectorOrder: return m_sectorOrderItems;
    case Kind::Tab: return tabItems();
    case Kind::Disposition: return dispositionItems();
    default: return {};
    }
}

QString Board::text(const QString &controlName) const
{
    Ref ref;
    if (!lookup(controlName, &ref))
        return {};
    switch (ref.kind) {
    case Kind::PlayerBox:
    case Kind::Captain:
    case Kind::SetPieces:
    case Kind::Behaviour:
    case Kind::ConditionBox:
    case Kind::SectorOrder:
    case Kind::Tab:
    case Kind::Disposition: {
        const QStringList list = items(controlName);
        const int e = entry(controlName);
        return (e >= 0 && e < list.size()) ? list.at(e) : QString();
    }
    case Kind::ValueLabel: return m_valueLabels[ref.index];
    case Kind::SectorLabel: return m_sectorLabel[ref.index];
    case Kind::LabelTactique: return m_labelTactique;
    case Kind::LForceTactique: return m_forceTactique;
    case Kind::LForce1: return m_force1;
    case Kind::LVelstats: return m_velstatsText;
    default: return {};
    }
}

bool Board::isVisible(const QString &controlName) const
{
    Ref ref;
    if (!lookup(controlName, &ref))
        return false;
    if (ref.kind == Kind::Pinfos)
        return m_pinfosVisible;
    if (ref.kind == Kind::Card)
        return m_cards[ref.index].visible;
    return true;
}

bool Board::isChecked(const QString &checkBoxName) const
{
    Ref ref;
    return lookup(checkBoxName, &ref) && ref.kind == Kind::OptionBox && m_options[ref.index];
}

Ratings::StripGeometry Board::starStrip(const QString &stripName) const
{
    Ref ref;
    if (!lookup(stripName, &ref) || ref.kind != Kind::Strip)
        return {};
    return m_strips[ref.index];
}

Board::CardImage Board::cardImage(const QString &imageName) const
{
    Ref ref;
    if (!lookup(imageName, &ref) || ref.kind != Kind::Card)
        return {};
    return m_cards[ref.index];
}
