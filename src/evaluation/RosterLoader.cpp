#include "evaluation/RosterLoader.h"
#include "common/NumberText.h"

#include "common/LanguageTexts.h"
#include "evaluation/PlayersDocument.h"
#include "evaluation/PlayersDocumentReader.h"
#include "evaluation/PlayersFastScanner.h"
#include "evaluation/PositionValues.h"
#include "common/AppError.h"
#include "common/Vocabulary.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QStringBuilder>

#include <algorithm>
#include <vector>

namespace {

// ---- every text the loader reports, in one place ----
namespace Msg {
QString fileMissing() { return vocab(QStringLiteral("MSG_FILE_MISSING")); }
QString cannotOpen(const QString &why) { return vocab(QStringLiteral("MSG_FILE_CANNOT_OPEN")).arg(why); }
QString notWellFormed(qint64 line, qint64 column, const QString &why)
{
    return vocab(QStringLiteral("MSG_XML_MALFORMED")).arg(line).arg(column).arg(why);
}
QString teamMissing() { return vocab(QStringLiteral("MSG_ELEMENT_MISSING")).arg(QStringLiteral("Team")); }
QString playerListMissing()
{
    return vocab(QStringLiteral("MSG_ELEMENT_MISSING_IN")).arg(QStringLiteral("PlayerList"), QStringLiteral("Team"));
}
QString countMissing()
{
    return vocab(QStringLiteral("MSG_ATTRIBUTE_MISSING")).arg(QStringLiteral("Count"), QStringLiteral("PlayerList"));
}
QString countNotInteger(const QString &text)
{
    return vocab(QStringLiteral("MSG_ATTRIBUTE_NOT_INTEGER")).arg(QStringLiteral("Count"), QStringLiteral("PlayerList"), text);
}
QString countNegative(int32_t count)
{
    return vocab(QStringLiteral("MSG_ATTRIBUTE_NEGATIVE"))
        .arg(QStringLiteral("Count"), QStringLiteral("PlayerList"), QString::number(count));
}
QString playerMissing(int number, int32_t count, int elements)
{
    return vocab(QStringLiteral("MSG_PLAYER_MISSING")).arg(number).arg(count).arg(elements);
}
QString elementMissing(const QString &element) { return vocab(QStringLiteral("MSG_ELEMENT_MISSING")).arg(element); }
QString elementEmpty(const QString &element) { return vocab(QStringLiteral("MSG_ELEMENT_EMPTY")).arg(element); }
QString elementHasChildren(const QString &element)
{
    return vocab(QStringLiteral("MSG_ELEMENT_HAS_CHILDREN")).arg(element);
}
QString elementNotInteger(const QString &element, const QString &text)
{
    return vocab(QStringLiteral("MSG_ELEMENT_NOT_INTEGER")).arg(element, text);
}
QString playerLabel(int number, const QString &name)
{
    return name.isEmpty() ? vocab(QStringLiteral("MSG_PLAYER")).arg(number)
                          : vocab(QStringLiteral("MSG_PLAYER_NAMED")).arg(QString::number(number), name);
}
QString inPlayer(const QString &label, const QString &reason) { return label + QStringLiteral(": ") + reason; }
QString tooManyPlayers(int32_t listed, int32_t loaded)
{
    return vocab(QStringLiteral("MSG_TOO_MANY_PLAYERS")).arg(listed).arg(loaded).arg(listed - loaded);
}
QString experienceUnknown(const QString &label, int32_t experience)
{
    return vocab(QStringLiteral("MSG_EXPERIENCE_UNKNOWN")).arg(label, QString::number(experience));
}
} // namespace Msg

using Field = PlayersDocument::Field;
using enum PlayersDocument::Field;
using ValueSlot = PlayersDocument::ValueSlot;
using PlayerElement = PlayersDocument::PlayerElement;
constexpr const auto &kFieldNames = PlayersDocument::kFieldNames;

// Reads and checks the document: well-formed, Team, PlayerList, an integer Count of 0 or more.
PlayersDocument readDocument(const QString &file, bool collectPlayers)
{
    QFile f(file);
    if (!f.exists())
        throw DataFileError(file, Msg::fileMissing());
    if (!f.open(QIODevice::ReadOnly))
        throw DataFileError(file, Msg::cannotOpen(f.errorString()));
    QByteArray data = f.readAll();
    f.close();

    // A file as the game writes it takes the quick scan; anything the scan does not vouch for
    // is read again by the full parser, which also words what is wrong with it.
    PlayersDocument doc;
    if (!PlayersFastScanner::scan(data, collectPlayers, doc)) {
        doc = PlayersDocument();
        // Read through a buffer device: the parser then decodes the text piece by piece
        // instead of all at once, which is measurably faster for a full squad.
        QBuffer input(&data);
        input.open(QIODevice::ReadOnly);
        PlayersDocumentReader reader(&input, collectPlayers);
        if (!reader.read(doc)) {
            const QXmlStreamReader &r = reader.reader();
            throw DataFileError(file, Msg::notWellFormed(r.lineNumber(), r.columnNumber(), r.errorString()));
        }
    }
    if (!doc.hasTeam)
        throw DataFileError(file, Msg::teamMissing());
    if (!doc.hasPlayerList)
        throw DataFileError(file, Msg::playerListMissing());
    if (!doc.hasCount)
        throw DataFileError(file, Msg::countMissing());
    if (!doc.countIsInteger)
        throw DataFileError(file, Msg::countNotInteger(doc.countText));
    if (doc.count < 0)
        throw DataFileError(file, Msg::countNegative(doc.count));
    return doc;
}

// Stores the values of one player element, in the order of the fields, failing at the
// first faulty one.
class PlayerReader {
public:
    PlayerReader(const QString &file, const PlayerElement &element, int number)
        : m_file(file), m_element(element)
    {
        const ValueSlot &name = element.values[FPlayerName];
        m_label = Msg::playerLabel(number, name.hasChildren ? QString() : name.text);
    }

    const QString &label() const { return m_label; }

    [[noreturn]] void fail(const QString &reason) const
    {
        throw DataFileError(m_file, Msg::inPlayer(m_label, reason));
    }

    QString text(Field f) const
    {
        const ValueSlot &slot = m_element.values[f];
        if (slot.hasChildren)
            fail(Msg::elementHasChildren(elementPath(f)));
        return slot.text; // a missing element reads as an empty text
    }

    int32_t integer(Field f) const
    {
        const ValueSlot &slot = m_element.values[f];
        if (!slot.present)
            fail(Msg::elementMissing(elementPath(f)));
        if (slot.hasChildren)
            fail(Msg::elementHasChildren(elementPath(f)));
        if (slot.text.isEmpty())
            fail(Msg::elementEmpty(elementPath(f)));
        int32_t value;
        if (!NumberText::gameFileInteger(slot.text, &value))
            fail(Msg::elementNotInteger(elementPath(f), slot.text));
        return value;
    }

    bool has(Field f) const { return m_element.values[f].present; }

private:
    static QString elementPath(Field f)
    {
        if (f == FTrainerType || f == FTrainerSkill)
            return QStringLiteral("TrainerData/") + kFieldNames[f];
        return kFieldNames[f];
    }

    const QString &m_file;
    const PlayerElement &m_element;
    QString m_label;
};

void storePlayer(const PlayerReader &in, Tplayer &p, TEntraineur &trainer)
{
    if (in.has(FTrainerData)) {
        p.TrainerType = in.integer(FTrainerType);
        p.TrainerSkill = in.integer(FTrainerSkill);
        p.Selectable = false;
        trainer.PlayerID = in.text(FPlayerID);
        trainer.PlayerName = in.text(FPlayerName);
        trainer.Age = in.integer(FAge);
        trainer.TrainerType = p.TrainerType;
        trainer.Unused.clear();
        trainer.TrainerSkill = p.TrainerSkill;
        const NameTables &names = nameTables();
        trainer.TrainerSkillText = names.levelName(p.TrainerSkill);
        trainer.TrainerCaption = vocab(QStringLiteral("ENTRAINEUR")) + QLatin1Char(' ')
            + names.trainerTypeWord(p.TrainerType);
    } else {
        p.TrainerType = 0;
        p.TrainerSkill = 0;
        p.Selectable = true;
    }

    p.PlayerID = in.text(FPlayerID);
    p.PlayerName = in.text(FPlayerName);
    p.Age = in.integer(FAge);
    p.TSI = in.integer(FTSI);
    p.PlayerNumber = in.integer(FPlayerNumber);
    p.PlayerForm = in.integer(FPlayerForm);
    p.Experience = in.integer(FExperience);
    p.Leadership = in.integer(FLeadership);
    p.StaminaSkill = in.integer(FStaminaSkill);
    p.PlaymakerSkill = in.integer(FPlaymakerSkill);
    p.PassingSkill = in.integer(FPassingSkill);
    p.WingerSkill = in.integer(FWingerSkill);
    p.DefenderSkill = in.integer(FDefenderSkill);
    p.ScorerSkill = in.integer(FScorerSkill);
    p.KeeperSkill = in.integer(FKeeperSkill);
    p.SetPiecesSkill = in.integer(FSetPiecesSkill);
    p.InjuryLevel = in.integer(FInjuryLevel);
    p.Cards = in.integer(FCards);
    p.Agreeability = in.integer(FAgreeability);
    p.Aggressiveness = in.integer(FAggressiveness);
    p.Honesty = in.integer(FHonesty);
    p.Specialty = in.integer(FSpecialty);

    const NameTables &names = nameTables();
    p.AgreeabilityText = names.agreeabilityWord(p.Agreeability);
    p.AggressivenessText = names.aggressivenessWord(p.Aggressiveness);
    p.HonestyText = names.honestyWord(p.Honesty);
    p.SpecialtyText = names.specialtyWord(p.Specialty);
    p.Description = RosterLoader::description(p);
}

} // namespace


QString RosterLoader::description(const Tplayer &p)
{
    const NameTables &names = nameTables();
    const QLatin1StringView lineBreaks("\r\n\r\n");
    const QLatin1StringView comma(", ");
    const QLatin1Char blank(' ');
    // Built in one allocation: a full squad's descriptions are a noticeable part of a load.
    return QString::number(p.Age) % blank % vocab(QStringLiteral("AN")) % comma
        % names.levelName(p.PlayerForm) % blank % vocab(QStringLiteral("FORME")) % lineBreaks
        % QLatin1StringView("a ") % p.AgreeabilityText % QLatin1StringView(" type, ")
        % p.AggressivenessText % comma % p.HonestyText % comma % lineBreaks
        % names.levelName(p.Experience) % blank % vocab(QStringLiteral("EXPERIENCE")) % comma
        % names.levelName(p.Leadership) % blank % vocab(QStringLiteral("TEMPCHEF"));
}

int32_t RosterLoader::readPlayerCount(const QString &playersFile)
{
    const PlayersDocument doc = readDocument(playersFile, false);
    return std::min<int32_t>(doc.count, Roster::kCapacity);
}

RosterLoadResult RosterLoader::load(const QString &playersFile, const FormulaWeights &weights,
                                    Roster &roster)
{
    const PlayersDocument doc = readDocument(playersFile, true);

    RosterLoadResult result;
    result.listed = doc.count;
    // The roster holds at most its capacity; the players beyond it are left out, never stored.
    result.count = std::min<int32_t>(doc.count, Roster::kCapacity);
    if (doc.count > result.count)
        result.warnings << Msg::tooManyPlayers(doc.count, result.count);
    roster.count = result.count;

    for (int i = 0; i < result.count; ++i) {
        if (i >= static_cast<int>(doc.players.size()))
            throw DataFileError(playersFile, Msg::playerMissing(i + 1, doc.count, doc.elementCount));
        const PlayerReader in(playersFile, doc.players[i], i + 1);
        Tplayer &p = roster.players[i];
        storePlayer(in, p, roster.trainers[0]);
        try {
            PositionValues::compute(p, weights);
        } catch (const DataFileError &) {
            throw;
        } catch (const AppError &e) {
            in.fail(e.message());
        }
        if (p.ValuesUndefined)
            result.warnings << Msg::experienceUnknown(in.label(), p.Experience);
    }
    return result;
}
