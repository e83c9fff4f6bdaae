#include "evaluation/RosterColumns.h"

#include "evaluation/PositionKinds.h"
#include "evaluation/RosterListing.h"

namespace {

struct Column {
    const char16_t *caption;
    Qt::Alignment alignment;
    int width;
};

const Column kFixed[RosterColumns::kFirstKind] = {
    {u"Nom", Qt::AlignLeft, 100},
    {u"Age", Qt::AlignHCenter, 35},
    {u"Id", Qt::AlignLeft, 40},
    {u"POS", Qt::AlignLeft, 40},
    {u"VAL", Qt::AlignRight, 50},
    {u"TSI", Qt::AlignRight, 50},
    {u"Expérience", Qt::AlignLeft, 50},
    {u"Forme", Qt::AlignLeft, 50},
    {u"Endurance", Qt::AlignLeft, 50},
    {u"Construction", Qt::AlignLeft, 50},
    {u"Ailier", Qt::AlignLeft, 50},
    {u"Buteur", Qt::AlignLeft, 50},
    {u"Gardien", Qt::AlignLeft, 50},
    {u"Passe", Qt::AlignLeft, 50},
    {u"Defense", Qt::AlignLeft, 50},
    {u"Coup de pieds", Qt::AlignLeft, 50},
};

bool valid(int column) { return column >= 0 && column < RosterColumns::kCount; }

} // namespace

QString RosterColumns::caption(int column)
{
    if (!valid(column))
        return QString();
    if (column < kFirstKind)
        return QString::fromUtf16(kFixed[column].caption);
    return QString::fromLatin1(PositionKinds::columnCaption(column - kFirstKind + 1));
}

QStringList RosterColumns::captions()
{
    QStringList list;
    for (int c = 0; c < kCount; ++c)
        list << caption(c);
    return list;
}

Qt::Alignment RosterColumns::alignment(int column)
{
    if (!valid(column))
        return Qt::AlignLeft;
    if (column < kFirstKind)
        return kFixed[column].alignment;
    return column == kCount - 1 ? Qt::AlignLeft : Qt::AlignRight;
}

int RosterColumns::width(int column)
{
    if (!valid(column))
        return 0;
    return column < kFirstKind ? kFixed[column].width : 50;
}

QStringList RosterColumns::rowTexts(const Tplayer &p, const QLocale &locale)
{
    QStringList t;
    t.reserve(kCount);
    t << p.PlayerName << QString::number(p.Age) << p.PlayerID << p.BestAbbreviation
      << RosterListing::formatValue(p.BestValue, locale) << QString::number(p.TSI)
      << QString::number(p.Experience) << QString::number(p.PlayerForm) << QString::number(p.StaminaSkill)
      << QString::number(p.PlaymakerSkill) << QString::number(p.WingerSkill) << QString::number(p.ScorerSkill)
      << QString::number(p.KeeperSkill) << QString::number(p.PassingSkill) << QString::number(p.DefenderSkill)
      << QString::number(p.SetPiecesSkill);
    for (int kind = 1; kind <= PositionKinds::kCount; ++kind)
        t << RosterListing::formatValue(p.value(kind), locale);
    return t;
}
