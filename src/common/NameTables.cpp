#include "common/NameTables.h"

namespace {

const char *const kBoxNames[] = {"LDenomination", "Lagreability", "LAggressiveness",
                                 "LHonesty", "LSpecialty", "LEntraineur"};

QStringList defaultItems(NameTables::Table table)
{
    switch (table) {
    case NameTables::Levels:
        return {QStringLiteral("Inexistant"), QStringLiteral("Catastrophique"),
                QStringLiteral("Très mauvais"), QStringLiteral("Médiocre"),
                QStringLiteral("Faible"), QStringLiteral("Inadéquat"),
                QStringLiteral("Passable"), QStringLiteral("Honorable"),
                QStringLiteral("Très bon"), QStringLiteral("Formidable"),
                QStringLiteral("Impressionnant"), QStringLiteral("Exceptionnel"),
                QStringLiteral("Inoubliable"), QStringLiteral("Légendaire"),
                QStringLiteral("Surnaturel"), QStringLiteral("Titanesque"),
                QStringLiteral("Extra-Terrestre"), QStringLiteral("Mythique"),
                QStringLiteral("Magique"), QStringLiteral("Utopique"), QStringLiteral("Divin")};
    case NameTables::Agreeability:
        return {QStringLiteral("pas sympa"), QStringLiteral("controversé"),
                QStringLiteral("sympa"), QStringLiteral("très sympa"),
                QStringLiteral("populaire"), QStringLiteral("apprécié de ses coéquipiers")};
    case NameTables::Aggressiveness:
        return {QStringLiteral("s'emporte facilement"), QStringLiteral("caractériel"),
                QStringLiteral("équilibré"), QStringLiteral("paisible"),
                QStringLiteral("imperturbable")};
    case NameTables::Honesty:
        return {QStringLiteral("fouteur de merde"), QStringLiteral("pas toujours très sincère"),
                QStringLiteral("honnête"), QStringLiteral("sincère"),
                QStringLiteral("très sincère"), QStringLiteral("exemplaire")};
    case NameTables::Specialty:
        return {QString(), QStringLiteral("Technique"), QStringLiteral("Rapide"),
                QStringLiteral("Costaud"), QStringLiteral("Imprévisible"),
                QStringLiteral("Joueur de tête")};
    case NameTables::TrainerTypes:
        // The game's three trainer types, in its code order: defensive, offensive, balanced.
        return {QStringLiteral("Défensif"), QStringLiteral("Offensif"), QStringLiteral("Neutre")};
    }
    return {};
}

} // namespace

NameTables::NameTables()
{
    resetToDefaults();
}

void NameTables::resetToDefaults()
{
    for (int t = 0; t < kTableCount; ++t)
        m_lists[t] = defaultItems(static_cast<Table>(t));
}

QString NameTables::word(Table table, int code) const
{
    const QStringList &list = m_lists[table];
    if (code < 0 || code >= list.size())
        return QString();
    return list.at(code);
}

const QStringList &NameTables::items(Table table) const
{
    return m_lists[table];
}

bool NameTables::tableByName(const QString &boxName, Table *table)
{
    for (int t = 0; t < kTableCount; ++t) {
        if (boxName.compare(QLatin1String(kBoxNames[t]), Qt::CaseInsensitive) == 0) {
            if (table)
                *table = static_cast<Table>(t);
            return true;
        }
    }
    return false;
}

QString NameTables::boxName(Table table)
{
    return QString::fromLatin1(kBoxNames[table]);
}

bool NameTables::setItems(const QString &boxName, const QStringList &items)
{
    Table table;
    if (!tableByName(boxName, &table))
        return false;
    m_lists[table] = items;
    return true;
}

bool NameTables::setItem(const QString &boxName, int index, const QString &value)
{
    Table table;
    if (!tableByName(boxName, &table))
        return false;
    if (index < 0 || index >= m_lists[table].size())
        return false;
    m_lists[table][index] = value;
    return true;
}

QStringList NameTables::items(const QString &boxName) const
{
    Table table;
    if (!tableByName(boxName, &table))
        return {};
    return m_lists[table];
}
