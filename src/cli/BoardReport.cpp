#include "cli/BoardReport.h"

#include "evaluation/RosterListing.h"
#include "lineup/BoardControls.h"
#include "lineup/LineupSlots.h"
#include "cli/JsonFormat.h"
#include "common/JsonWriter.h"
#include "shell/MainModel.h"

using namespace LineupSlots;

namespace {

const char *const kSectorKeys[SectorRatings::kSectorCount] = {
    "central_defence", "right_defence", "left_defence", "midfield", "central_attack", "right_attack", "left_attack"};
const char *const kLabelNames[] = {"LForce1", "LVelstats", "LabelTactique", "LForceTactique"};

QString playerName(const MainModel &model, int place)
{
    const int record = model.board().state().recordOfBox(place);
    return record < 0 ? QString() : model.roster().players[record].PlayerName;
}

QString boxText(const Board &board, const char *boxName)
{
    return boxName ? board.text(QLatin1String(boxName)) : QString();
}

QString cell(const MainModel &model, int place, int width)
{
    const Board &board = model.board();
    QStringList lines;
    QString name = playerName(model, place);
    lines << (name.isEmpty() ? QStringLiteral("(empty)") : name);
    if (hasBehaviour(place))
        lines << boxText(board, behaviourBoxName(place));
    else
        lines << QString();
    lines << board.presenter().valueLabel(place);
    QString out;
    for (QString &l : lines) {
        if (l.size() > width - 1)
            l = l.left(width - 2) + QChar(0x2026);
        out += l.leftJustified(width) + QLatin1Char('\n');
    }
    return out;
}

// Lays out cells side by side, each of `width` characters, the row centred on the pitch.
QString row(const MainModel &model, const QList<int> &places, int width, int pitch)
{
    QList<QStringList> cells;
    for (int place : places)
        cells << cell(model, place, width).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const int indent = qMax(0, (pitch - width * int(places.size())) / 2);
    QString out;
    for (int line = 0; line < 3; ++line) {
        QString text(indent, QLatin1Char(' '));
        for (const QStringList &c : cells)
            text += line < c.size() ? c[line] : QString(width, QLatin1Char(' '));
        while (text.endsWith(QLatin1Char(' ')))
            text.chop(1);
        out += text + QLatin1Char('\n');
    }
    return out + QLatin1Char('\n');
}

} // namespace

void BoardReport::writeIdOrNull(JsonWriter &json, int32_t id)
{
    if (id < 0)
        json.null();
    else
        json.value(int(id));
}

QString BoardReport::text(const MainModel &model, const Board::CalculeResult *best, const Caption &caption)
{
    const auto captionOr = [&caption](const char *control, const QString &own) {
        const QString given = caption ? caption(QLatin1String(control)) : QString();
        return given.isEmpty() ? own : given;
    };
    const Board &board = model.board();
    const int width = 22;
    const int pitch = width * 4;
    QString out;
    out += QStringLiteral("Tactic: %1 | Attitude: %2 | Venue: %3\nConfidence: %4 | Team spirit: %5 | Trainer: %6\n\n")
               .arg(boxText(board, "cbTactique"), boxText(board, "cbAttitude"), boxText(board, "cbLieu"),
                    boxText(board, "cbConfiance"), boxText(board, "cbTeamSpirit"), boxText(board, "LEntraineur"));
    const QString line(pitch, QLatin1Char('-'));
    out += line + QLatin1Char('\n');
    out += row(model, {Forward1, Forward2}, width, pitch);
    out += row(model, {RightWinger, InnerMidfielder1, InnerMidfielder2, LeftWinger}, width, pitch);
    out += row(model, {RightBack, CentralDefender1, CentralDefender2, LeftBack}, width, pitch);
    out += row(model, {Keeper}, width, pitch);
    out += line + QLatin1Char('\n');

    static const char *const kSubTitles[] = {"keeper", "defender", "midfielder", "winger", "forward"};
    QStringList subs;
    for (int place = SubstituteKeeper; place <= SubstituteForward; ++place) {
        const QString name = playerName(model, place);
        subs << QStringLiteral("%1 %2").arg(QLatin1String(kSubTitles[place - SubstituteKeeper]),
                                            name.isEmpty() ? QStringLiteral("(empty)") : name);
    }
    out += QStringLiteral("Substitutes: %1\n").arg(subs.join(QStringLiteral(", ")));
    const QString captain = board.text(QStringLiteral("cbCapitaine"));
    const QString setPieces = board.text(QStringLiteral("cbCPA"));
    out += QStringLiteral("Captain: %1 | Set pieces: %2\n\n")
               .arg(captain.isEmpty() ? QStringLiteral("(none)") : captain,
                    setPieces.isEmpty() ? QStringLiteral("(none)") : setPieces);

    for (int s = 0; s < SectorRatings::kSectorCount; ++s) {
        const auto sector = SectorRatings::Sector(s);
        QString words = board.presenter().sectorWords(sector);
        // The midfield words have always stood trimmed behind their title.
        if (sector == SectorRatings::Midfield)
            words = words.trimmed();
        const QString title = captionOr(BoardControls::sectorTitleName(sector), QString::fromUtf8(BoardControls::sectorTitleText(sector)));
        out += QStringLiteral("%1 %2\n").arg(title, -26).arg(words);
    }
    out += QStringLiteral("%1 (%2)\n").arg(board.text(QStringLiteral("LabelTactique")),
                                            board.text(QStringLiteral("LForceTactique")));
    out += QLatin1Char('\n');
    // The team figures as a column of figures; a line without a figure is a plain caption.
    for (const FigureLine &figureLine : board.presenter().figureLines()) {
        if (!figureLine.hasValue)
            out += figureLine.title + QLatin1Char('\n');
        else
            out += QStringLiteral("%1 %2\n").arg(figureLine.title.trimmed(), -26).arg(figureLine.value.trimmed(), 8);
    }
    out += QStringLiteral("%1 %2\n").arg(captionOr("LabelVelStats", QStringLiteral("Velstats (evaluation) :")), -26)
               .arg(board.text(QStringLiteral("LVelstats")), 8);

    if (best) {
        static const char *const kOrders[] = {"DEF-MID-ATT", "DEF-ATT-MID", "ATT-MID-DEF",
                                              "ATT-DEF-MID", "MID-ATT-DEF", "MID-DEF-ATT"};
        QStringList results;
        for (int i = 0; i < Board::kSectorOrderCount; ++i)
            results << QStringLiteral("%1 %2").arg(QLatin1String(kOrders[i])).arg(best->orderResults[i]);
        out += QStringLiteral("\nSearch: %1; kept %2.\n").arg(results.join(QStringLiteral(", ")),
                                                              QLatin1String(kOrders[best->chosenOrder]));
        out += unfilledLine(best->unfilled);
    }
    return out;
}

QString BoardReport::unfilledLine(const QList<int> &unfilled)
{
    if (unfilled.isEmpty())
        return QString();
    QStringList names;
    for (int place : unfilled)
        names << QLatin1String(unfilledName(place));
    return QStringLiteral("No eligible player was left for: %1.\n").arg(names.join(QStringLiteral(", ")));
}

namespace {

void writeUnfilled(JsonWriter &json, const QList<int> &unfilled)
{
    json.key("unfilled").beginArray();
    for (int place : unfilled)
        json.value(unfilledName(place));
    json.endArray();
}

} // namespace

void BoardReport::writeSlots(JsonWriter &json, const LineupState &state)
{
    json.key("slots").beginArray();
    for (int place = Keeper; place <= kLastSlot; ++place) {
        json.beginObject();
        json.key("place").value(placeName(place));
        const int32_t id = state.playerIdOfBox(place);
        json.key("player_id");
        writeIdOrNull(json, id);
        json.key("behaviour");
        if (hasBehaviour(place))
            json.value(state.behaviourEntry(place));
        else
            json.null();
        json.key("kind").value(state.slotKind(place));
        json.key("value");
        if (state.recordOfBox(place) >= 0)
            json.value(state.slotValue(place));
        else
            json.null();
        json.endObject();
    }
    json.endArray();
}

QString BoardReport::json(const MainModel &model, const Board::CalculeResult *best, const OptimumSummary *optimum)
{
    const Board &board = model.board();
    JsonWriter json;
    json.beginObject();
    json.key("format").value(cli::kJsonFormat);
    json.key("conditions").beginObject();
    json.key("tactic").value(board.state().condition(Board::Tactique));
    json.key("attitude").value(board.state().condition(Board::Attitude));
    json.key("venue").value(board.state().condition(Board::Lieu));
    json.key("confidence").value(board.state().condition(Board::Confiance));
    json.key("team_spirit").value(board.state().condition(Board::TeamSpirit));
    json.key("trainer_type").value(board.state().condition(Board::Entraineur));
    json.endObject();

    BoardReport::writeSlots(json, board.state());

    json.key("substitutes").beginArray();
    for (int place = SubstituteKeeper; place <= SubstituteForward; ++place) {
        json.beginObject();
        json.key("place").value(placeName(place));
        json.key("player_id");
        writeIdOrNull(json, board.state().playerIdOfBox(place));
        json.endObject();
    }
    json.endArray();

    json.key("captain");
    writeIdOrNull(json, board.state().captainPlayerId());
    json.key("set_pieces");
    writeIdOrNull(json, board.state().setPiecesPlayerId());

    json.key("placement").beginArray();
    for (int i = 1; i <= kLastPlace; ++i)
        json.value(int(board.state().placement(i)));
    json.endArray();

    json.key("sectors").beginObject();
    for (int s = 0; s < SectorRatings::kSectorCount; ++s)
        json.key(kSectorKeys[s]).value(board.teamFigures().sector[s]);
    json.endObject();

    const Board::Figures &f = board.figures();
    json.key("points").beginObject();
    json.key("CD").value(int(f.CD));
    json.key("RD").value(int(f.RD));
    json.key("LD").value(int(f.LD));
    json.key("MID3").value(int(f.MID3));
    json.key("CA").value(int(f.CA));
    json.key("RA").value(int(f.RA));
    json.key("LA").value(int(f.LA));
    json.key("DEF").value(int(f.DEF));
    json.key("ATT").value(int(f.ATT));
    json.endObject();
    json.key("evaluation").value(int(f.E));
    json.key("velstats").value(int(board.teamFigures().velstats));
    json.key("tactic_strength").value(board.teamFigures().tacticStrength);

    json.key("labels").beginObject();
    for (const char *name : kLabelNames)
        json.key(name).value(board.text(QLatin1String(name)));
    for (int s = 0; s < SectorRatings::kSectorCount; ++s) {
        const char *name = BoardControls::sectorLabelName(SectorRatings::Sector(s));
        json.key(name).value(board.text(QLatin1String(name)));
    }
    json.endObject();

    if (best) {
        json.key("order_results").beginArray();
        for (double r : best->orderResults)
            json.value(int(r));
        json.endArray();
        json.key("chosen_order").value(best->chosenOrder);
        writeUnfilled(json, best->unfilled);
    }
    if (optimum) {
        writeUnfilled(json, optimum->unfilled);
        json.key("optimum").beginObject();
        json.key("proven").value(optimum->proven);
        json.key("evaluation").value(int(optimum->evaluation));
        json.key("bound").value(optimum->bound);
        json.key("greedy_evaluation").value(int(optimum->greedyEvaluation));
        json.key("start_evaluation").value(int(optimum->startEvaluation));
        json.key("behaviours").value(optimum->freeBehaviours ? "free" : "board");
        json.key("seconds").value(optimum->seconds);
        json.key("locks").beginArray();
        for (const auto &[place, id] : optimum->locks) {
            json.beginObject();
            json.key("place").value(placeName(place));
            json.key("player_id").value(int(id));
            json.endObject();
        }
        json.endArray();
        json.key("excluded").beginArray();
        for (int32_t id : optimum->excluded)
            json.value(int(id));
        json.endArray();
        json.endObject();
    }
    json.endObject();
    return QString::fromUtf8(json.toUtf8());
}
