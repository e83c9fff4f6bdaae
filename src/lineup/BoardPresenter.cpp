#include "lineup/BoardPresenter.h"

#include "common/Vocabulary.h"
#include "common/LanguageTexts.h"
#include "evaluation/Tplayer.h"
#include "lineup/BoardControls.h"

#include <charconv>

using namespace LineupSlots;
using BoardControls::Kind;
using BoardControls::Ref;
using SectorRatings::Sector;

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

QStringList conditionItems(LineupState::Condition c)
{
    switch (c) {
    case LineupState::Tactique:
        return utf8List({"Normal", "Pressing", "Contre-attaques", "Attaque au centre", "Attaque sur les ailes"});
    case LineupState::Attitude: return utf8List({"Tranquille", "Normal", "Meilleur match de la saison"});
    case LineupState::Lieu: return utf8List({"Home/Derby", "Away"});
    case LineupState::Confiance:
        return utf8List({"Inexistante", "Catastrophique", "Mauvaise", "Faible", "Passable", "Satisfaisante",
                         "Très bonne", "Légèrement exagérée"});
    case LineupState::TeamSpirit:
        return utf8List({"La guerre froide", "Incontrôlables", "Furieux", "Irrités", "Passifs", "Calmes",
                         "Satisfaits", "Heureux", "Délirants de joie", "Sur un nuage", "Le paradis sur Terre!",
                         "Le paradis sur Terre! (+1)", "Le paradis sur Terre! (+2)"});
    case LineupState::Entraineur: break; // the trainer type words live in the name tables
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

} // namespace

BoardPresenter::BoardPresenter()
{
    for (int c = 0; c < LineupState::kConditionCount; ++c) {
        m_conditionItems[c] = conditionItems(static_cast<LineupState::Condition>(c));
        Q_ASSERT(c == LineupState::Entraineur
                 || m_conditionItems[c].size() == LineupState::conditionItemCount(LineupState::Condition(c)));
    }
    for (int p = RightBack; p <= Forward2; ++p) {
        m_behaviourItemsByPlace[p] = behaviourItems(behaviourList(p));
        Q_ASSERT(m_behaviourItemsByPlace[p].size() == LineupState::behaviourItemCount(p));
    }
    m_sectorOrderItems = utf8List({"DEF-MID-ATT", "DEF-ATT-MID", "ATT-MID-DEF", "ATT-DEF-MID", "MID-ATT-DEF",
                                   "MID-DEF-ATT"});
    m_force1 = QString::fromUtf8("Force équipe :");
    m_figureLines = {FigureLine{m_force1, QString(), false}};
    setNumberLocale(QLocale());
    // Before the first reset the strips show the full ten stars at their place.
    for (int p = Keeper; p <= kLastSlot; ++p) {
        m_baseLefts[p] = baseLeft(p);
        m_strips[p] = {140, baseLeft(p)};
    }
}

// ---- numbers ------------------------------------------------------------------------------

QString BoardPresenter::formatNumber(double value) const
{
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

void BoardPresenter::setNumberLocale(const QLocale &locale)
{
    const QString point = locale.decimalPoint();
    const QString minus = locale.negativeSign();
    m_decimalPoint = point.size() == 1 ? point.at(0) : QLatin1Char('.');
    m_minusSign = minus.size() == 1 ? minus.at(0) : QLatin1Char('-');
}

// ---- what changes it ----------------------------------------------------------------------

void BoardPresenter::setStrip(int place, double x)
{
    m_strips[place] = Ratings::starStrip(x, m_baseLefts[place]);
}

void BoardPresenter::initStarStrips()
{
    for (int p = Keeper; p <= kLastSlot; ++p)
        m_baseLefts[p] = baseLeft(p);
}

void BoardPresenter::zeroStarStrips()
{
    for (int p = Keeper; p <= kLastSlot; ++p)
        setStrip(p, 0);
}

void BoardPresenter::clearSlot(int place)
{
    if (!isSlot(place))
        return;
    m_valueLabels[place].clear();
    setStrip(place, 0);
}

void BoardPresenter::showSlotValue(int place, double value)
{
    if (!isSlot(place))
        return;
    m_valueLabels[place] = QStringLiteral("( ") + formatNumber(value) + QStringLiteral(" )");
    setStrip(place, Ratings::halfStep(value) / 2);
}

void BoardPresenter::refreshCardImage(int place, const LineupState &state)
{
    if (!isSlot(place))
        return;
    CardImage &card = m_cards[place];
    const int32_t id = state.playerIdOfBox(place);
    if (id == -1) {
        card.visible = false;
        return;
    }
    const int count = state.rosterCount();
    for (int r = 0; r < count; ++r) {
        if (state.recordId(r) != id)
            continue;
        const int32_t cards = state.roster()->players[r].Cards;
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

void BoardPresenter::reset()
{
    m_force1.clear();
    m_figureLines.clear();
    for (int p = Keeper; p <= kLastSlot; ++p) {
        m_cards[p].visible = false;
        setStrip(p, 0);
        m_valueLabels[p].clear();
    }
}

void BoardPresenter::showFigures(const TeamFigures &figures, const LineupState &state, bool afterSearch)
{
    using namespace SectorRatings;
    using Ratings::ratingWords;

    const auto &sector = figures.sector;
    m_sectorWords[CentralDefence] = ratingWords(sector[CentralDefence] / 5);
    m_sectorWords[RightDefence] = ratingWords(sector[RightDefence] / 4);
    m_sectorWords[LeftDefence] = ratingWords(sector[LeftDefence] / 4);
    m_sectorWords[Midfield] = ratingWords(sector[Midfield] / 8);
    m_sectorWords[CentralAttack] = ratingWords(sector[CentralAttack] / 6);
    m_sectorWords[RightAttack] = ratingWords(sector[RightAttack] / 6);
    m_sectorWords[LeftAttack] = ratingWords(sector[LeftAttack] / 6);
    for (int s = 0; s < kSectorCount; ++s)
        m_sectorLabel[s] = s == Midfield ? midfieldPrefix() + m_sectorWords[s] : m_sectorWords[s];

    // The tactic captions describe the lineup shown, after a search as after any other change.
    const int tactic = state.condition(LineupState::Tactique);
    m_tacticTitle = vocab(QStringLiteral("TACTIQUE"));
    m_tacticWords = text(QStringLiteral("cbTactique"), state);
    if (tactic == 0)
        m_forceTactique = QStringLiteral("---");
    else
        m_forceTactique = Ratings::levelName(Ratings::roundEven(Ratings::halfStep(figures.tacticStrength / 10)));

    const TeamPoints &f = figures.points;
    const QString tab = QStringLiteral("\t");
    const QString crlf = QStringLiteral("\r\n");
    m_figureLines.clear();
    m_figureLines.append({vocab(QStringLiteral("FORCE_EQUIPE")) + (afterSearch ? QStringLiteral(" :") : QStringLiteral(" : ")),
                          formatNumber(f.E), true});
    const struct {
        const char *key;
        double value;
    } lines[] = {{"FORCE_DEF", f.DEF}, {"FORCE_DEFG", f.LD}, {"FORCE_DEFD", f.RD},
                 {"FORCE_DEFC", f.CD}, {"FORCE_MIL", f.MID3}, {"FORCE_ATT", f.ATT},
                 {"FORCE_ATTG", f.LA}, {"FORCE_ATTD", f.RA}, {"FORCE_ATTC", f.CA}};
    for (const auto &line : lines)
        m_figureLines.append({vocab(QLatin1String(line.key)) + QStringLiteral(" :"), formatNumber(line.value), true});
    // The same lines as one text: "title<TAB> figure " each, CR LF after each.
    QString force;
    force.reserve(256);
    for (const FigureLine &line : std::as_const(m_figureLines))
        force += line.title + tab + QLatin1Char(' ') + line.value + QLatin1Char(' ') + crlf;
    m_force1 = force;

    m_velstatsText = QString::number(figures.velstats);
    m_pinfosVisible = true;
}

bool BoardPresenter::setItemText(const QString &boxName, int index, const QString &text)
{
    Ref ref;
    if (!BoardControls::lookup(boxName, &ref) || index < 0)
        return false;
    QStringList *list = nullptr;
    switch (ref.kind) {
    case Kind::Behaviour: list = &m_behaviourItemsByPlace[ref.index]; break;
    case Kind::ConditionBox:
        if (ref.index == LineupState::Entraineur)
            return false; // the trainer types are the language's word list, set with it
        list = &m_conditionItems[ref.index];
        break;
    case Kind::SectorOrder: list = &m_sectorOrderItems; break;
    default: return false;
    }
    if (index >= list->size())
        return false;
    (*list)[index] = text;
    return true;
}

// ---- what it shows ------------------------------------------------------------------------

QString BoardPresenter::valueLabel(int place) const
{
    return isSlot(place) ? m_valueLabels[place] : QString();
}

Ratings::StripGeometry BoardPresenter::starStrip(int place) const
{
    return isSlot(place) ? m_strips[place] : Ratings::StripGeometry();
}

BoardPresenter::CardImage BoardPresenter::cardImage(int place) const
{
    return isSlot(place) ? m_cards[place] : CardImage();
}

QString BoardPresenter::tacticCaption() const
{
    const QString caption = m_tacticTitle + m_tacticWords;
    const QString title = vocab(QStringLiteral("TACTIQUE"));
    return caption.startsWith(title) ? caption.mid(title.size()) : caption;
}

// ---- by control name ----------------------------------------------------------------------

int BoardPresenter::entry(const QString &boxName, const LineupState &state) const
{
    Ref ref;
    if (!BoardControls::lookup(boxName, &ref))
        return -1;
    switch (ref.kind) {
    case Kind::PlayerBox: return state.slotEntry(ref.index);
    case Kind::Captain: return state.captainEntry();
    case Kind::SetPieces: return state.setPiecesEntry();
    case Kind::Behaviour: return state.behaviourEntry(ref.index);
    case Kind::ConditionBox: return state.condition(LineupState::Condition(ref.index));
    case Kind::SectorOrder: return state.sectorOrder();
    case Kind::Tab: return state.tab();
    case Kind::Disposition: return state.disposition();
    default: return -1;
    }
}

QStringList BoardPresenter::items(const QString &boxName, const LineupState &state) const
{
    Ref ref;
    if (!BoardControls::lookup(boxName, &ref))
        return {};
    switch (ref.kind) {
    case Kind::PlayerBox:
    case Kind::Captain:
    case Kind::SetPieces: return state.candidateList();
    case Kind::Behaviour: return m_behaviourItemsByPlace[ref.index];
    case Kind::ConditionBox:
        if (ref.index == LineupState::Entraineur)
            return nameTables().items(NameTables::TrainerTypes);
        return m_conditionItems[ref.index];
    case Kind::SectorOrder: return m_sectorOrderItems;
    case Kind::Tab: return tabItems();
    case Kind::Disposition: return dispositionItems();
    default: return {};
    }
}

QString BoardPresenter::text(const QString &controlName, const LineupState &state) const
{
    Ref ref;
    if (!BoardControls::lookup(controlName, &ref))
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
        const QStringList list = items(controlName, state);
        const int e = entry(controlName, state);
        return (e >= 0 && e < list.size()) ? list.at(e) : QString();
    }
    case Kind::ValueLabel: return m_valueLabels[ref.index];
    case Kind::SectorLabel: return m_sectorLabel[ref.index];
    case Kind::LabelTactique: return m_tacticTitle + m_tacticWords;
    case Kind::LForceTactique: return m_forceTactique;
    case Kind::LForce1: return m_force1;
    case Kind::LVelstats: return m_velstatsText;
    default: return {};
    }
}

bool BoardPresenter::isVisible(const QString &controlName) const
{
    Ref ref;
    if (!BoardControls::lookup(controlName, &ref))
        return false;
    if (ref.kind == Kind::Pinfos)
        return m_pinfosVisible;
    if (ref.kind == Kind::Card)
        return m_cards[ref.index].visible;
    return true;
}

bool BoardPresenter::isChecked(const QString &checkBoxName, const LineupState &state) const
{
    Ref ref;
    return BoardControls::lookup(checkBoxName, &ref) && ref.kind == Kind::OptionBox
           && state.option(LineupState::Option(ref.index));
}

Ratings::StripGeometry BoardPresenter::starStrip(const QString &stripName) const
{
    Ref ref;
    if (!BoardControls::lookup(stripName, &ref) || ref.kind != Kind::Strip)
        return {};
    return m_strips[ref.index];
}

BoardPresenter::CardImage BoardPresenter::cardImage(const QString &imageName) const
{
    Ref ref;
    if (!BoardControls::lookup(imageName, &ref) || ref.kind != Kind::Card)
        return {};
    return m_cards[ref.index];
}
