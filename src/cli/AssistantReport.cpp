#include "cli/AssistantReport.h"

#include "cli/BoardReport.h"
#include "cli/JsonFormat.h"
#include "common/JsonWriter.h"
#include "common/NumberText.h"
#include "common/Vocabulary.h"
#include "lineup/LineupSlots.h"
#include "shell/MainModel.h"

using namespace LineupSlots;
using LineupOptimizer::Result;

namespace {

int recordOfId(const MainModel &model, const QString &text)
{
    bool ok = false;
    const int id = text.trimmed().toInt(&ok);
    if (!ok || id < 0)
        return -1;
    const LineupState &state = model.board().state();
    for (int r = 0; r < state.rosterCount(); ++r) {
        if (state.recordId(r) == id)
            return r;
    }
    return -1;
}

QString placeList()
{
    QStringList names;
    for (int place = Keeper; place <= kLastSlot; ++place)
        names << QLatin1String(placeName(place));
    return names.join(QStringLiteral(", "));
}

// The board's state with the lineup of an optimum in its boxes (and its behaviours, when it chose them).
LineupState holding(const LineupState &board, const Result &r)
{
    LineupState state = board;
    for (int place = Keeper; place <= kLastSlot; ++place) {
        const int record = r.record[place];
        state.setSlotEntry(place, record < 0 ? 0 : state.roster()->players[record].ListPosition);
        if (r.freeBehaviours && hasBehaviour(place))
            state.setBehaviourEntry(place, r.behaviour[place]);
    }
    return state;
}

QString name(const MainModel &model, int record)
{
    return record < 0 ? vocab(QStringLiteral("MSG_CLI_DEPTH_EMPTY")) : model.roster().players[record].PlayerName;
}

QString proof(const Result &r)
{
    return r.proven ? vocab(QStringLiteral("MSG_ASSIST_PROVEN")) : vocab(QStringLiteral("MSG_ASSIST_NOT_PROVEN")).arg(r.bound);
}

// A place as the main window captions it, else by its name in the JSON.
QString placeWords(const BoardReport::Caption &caption, int place)
{
    const QString given = caption ? caption(QLatin1String(placeLabelName(place))).trimmed() : QString();
    return given.isEmpty() ? QLatin1String(placeName(place)) : given;
}

QString lineupLine(const MainModel &model, const Result &r, const BoardReport::Caption &caption)
{
    QStringList parts;
    for (int place = Keeper; place <= kLastSlot; ++place)
        parts << QStringLiteral("%1 %2").arg(placeWords(caption, place), name(model, r.record[place]));
    return QStringLiteral("    ") + parts.join(QStringLiteral(", ")) + QLatin1Char('\n');
}

QString cancelledLine(bool cancelled)
{
    return cancelled ? vocab(QStringLiteral("MSG_ASSIST_CANCELLED")) + QLatin1Char('\n') : QString();
}

// The optimum's figures in the order of the contract: evaluation, [what the caller adds between],
// proven, bound, slots; the time taken comes with the additions at the end.
void writeProof(JsonWriter &json, const LineupState &board, const Result &r)
{
    json.key("proven").value(r.proven);
    json.key("bound").value(r.bound);
    BoardReport::writeSlots(json, holding(board, r));
}

void writeLocks(JsonWriter &json, const LineupState &state, const LineupOptimizer::Options &options)
{
    json.key("locks").beginArray();
    for (int place = Keeper; place <= kLastSlot; ++place) {
        if (options.locks[place] < 0)
            continue;
        json.beginObject();
        json.key("place").value(placeName(place));
        json.key("player_id").value(int(state.recordId(options.locks[place])));
        json.endObject();
    }
    json.endArray();
    json.key("excluded").beginArray();
    for (int record : options.excluded)
        json.value(int(state.recordId(record)));
    json.endArray();
}

} // namespace

QString AssistantReport::readLocks(const MainModel &model, const QStringList &locks, const QStringList &excluded,
                                   LineupOptimizer::Options &options)
{
    for (const QString &lock : locks) {
        const qsizetype equals = lock.indexOf(QLatin1Char('='));
        if (equals <= 0)
            return vocab(QStringLiteral("MSG_LOCK_SYNTAX")).arg(lock);
        const QString placeText = lock.left(equals).trimmed();
        int place = 0;
        for (int p = Keeper; p <= kLastSlot; ++p) {
            if (placeText == QLatin1String(placeName(p)))
                place = p;
        }
        if (place == 0)
            return vocab(QStringLiteral("MSG_LOCK_UNKNOWN_PLACE")).arg(placeText, placeList());
        if (options.locks[place] >= 0)
            return vocab(QStringLiteral("MSG_LOCK_PLACE_TWICE")).arg(placeText);
        const int record = recordOfId(model, lock.mid(equals + 1));
        if (record < 0)
            return vocab(QStringLiteral("MSG_LOCK_UNKNOWN_PLAYER")).arg(lock.mid(equals + 1).trimmed());
        options.locks[place] = record;
    }
    for (const QString &id : excluded) {
        const int record = recordOfId(model, id);
        if (record < 0)
            return vocab(QStringLiteral("MSG_LOCK_UNKNOWN_PLAYER")).arg(id.trimmed());
        if (!options.excluded.contains(record))
            options.excluded.append(record);
    }
    return LineupOptimizer::lockProblem(model.board().state(), options);
}

QString AssistantReport::tacticsText(const MainModel &model, const LineupAssistant::Tactics &tactics,
                                     const BoardReport::Caption &caption)
{
    const QStringList names = model.board().items(QStringLiteral("cbTactique"));
    QString out = vocab(QStringLiteral("MSG_CLI_TACTICS_TITLE")) + QLatin1Char('\n');
    for (const LineupAssistant::TacticRow &row : tactics.rows) {
        const QString tactic = row.tactic < names.size() ? names[row.tactic] : QString::number(row.tactic);
        out += vocab(QStringLiteral("MSG_CLI_TACTIC_ROW"))
                   .arg(row.onBoard ? QStringLiteral("*") : QStringLiteral(" "), tactic)
                   .arg(int(row.optimum.evaluation))
                   .arg(NumberText::decimal(row.tacticStrength, vocab(QStringLiteral("DECIMAL_SEPARATOR"))))
                   .arg(row.tacticLevel, proof(row.optimum))
               + QLatin1Char('\n');
        if (row.optimum.found)
            out += lineupLine(model, row.optimum, caption);
    }
    return out + cancelledLine(tactics.cancelled);
}

QString AssistantReport::tacticsJson(const MainModel &model, const LineupAssistant::Tactics &tactics,
                                     const LineupOptimizer::Options &options)
{
    const LineupState &board = model.board().state();
    JsonWriter json;
    json.beginObject();
    json.key("format").value(cli::kJsonFormat);
    json.key("tactics").beginArray();
    for (const LineupAssistant::TacticRow &row : tactics.rows) {
        json.beginObject();
        json.key("tactic").value(row.tactic);
        json.key("evaluation").value(int(row.optimum.evaluation));
        json.key("tactic_strength").value(row.tacticStrength);
        LineupState withTactic = board;
        withTactic.setCondition(LineupState::Tactique, row.tactic);
        writeProof(json, withTactic, row.optimum);
        json.key("on_board").value(row.onBoard);
        json.key("tactic_level").value(row.tacticLevel);
        json.key("seconds").value(row.optimum.seconds);
        json.endObject();
    }
    json.endArray();
    json.key("cancelled").value(tactics.cancelled);
    writeLocks(json, board, options);
    json.endObject();
    return QString::fromUtf8(json.toUtf8());
}

QString AssistantReport::depthText(const MainModel &model, const LineupAssistant::Depth &depth,
                                   const BoardReport::Caption &caption)
{
    QString out = vocab(QStringLiteral("MSG_CLI_DEPTH_TITLE")).arg(int(depth.optimum.evaluation)).arg(proof(depth.optimum))
                  + QLatin1Char('\n');
    for (const LineupAssistant::DepthRow &row : depth.rows) {
        out += vocab(QStringLiteral("MSG_CLI_DEPTH_ROW"))
                   .arg(placeWords(caption, row.place), name(model, row.record))
                   .arg(int(row.optimum.evaluation))
                   .arg(int(row.loss))
                   .arg(proof(row.optimum))
               + QLatin1Char('\n');
        // Who comes in where: every place whose player differs from the lineup with him.
        QStringList changes;
        for (int place = Keeper; place <= kLastSlot; ++place) {
            if (row.optimum.record[place] != depth.optimum.record[place])
                changes << QStringLiteral("%1 %2").arg(placeWords(caption, place), name(model, row.optimum.record[place]));
        }
        if (!changes.isEmpty())
            out += QStringLiteral("    ") + vocab(QStringLiteral("MSG_CLI_DEPTH_CHANGES")).arg(changes.join(QStringLiteral(", ")))
                   + QLatin1Char('\n');
    }
    return out + cancelledLine(depth.cancelled);
}

QString AssistantReport::depthJson(const MainModel &model, const LineupAssistant::Depth &depth,
                                   const LineupOptimizer::Options &options)
{
    const LineupState &board = model.board().state();
    JsonWriter json;
    json.beginObject();
    json.key("format").value(cli::kJsonFormat);
    json.key("evaluation").value(int(depth.optimum.evaluation));
    json.key("rows").beginArray();
    for (const LineupAssistant::DepthRow &row : depth.rows) {
        json.beginObject();
        json.key("player_id").value(int(board.recordId(row.record)));
        json.key("place").value(placeName(row.place));
        json.key("evaluation").value(int(row.optimum.evaluation));
        json.key("loss").value(int(row.loss));
        writeProof(json, board, row.optimum);
        json.key("seconds").value(row.optimum.seconds);
        json.endObject();
    }
    json.endArray();
    writeProof(json, board, depth.optimum);
    json.key("seconds").value(depth.optimum.seconds);
    json.key("cancelled").value(depth.cancelled);
    writeLocks(json, board, options);
    json.endObject();
    return QString::fromUtf8(json.toUtf8());
}
