#include "cli/CliCommands.h"
#include "settings/FirstUse.h"

#include "cli/AssistantReport.h"
#include "cli/BoardReport.h"
#include "datafiles/DataFolder.h"
#include "datafiles/VersionCheck.h"
#include "evaluation/PositionKinds.h"
#include "evaluation/RosterListing.h"
#include "common/AppError.h"
#include "common/JsonWriter.h"
#include "common/Vocabulary.h"
#include "settings/Settings.h"
#include "shell/FolderTidy.h"
#include "shell/LanguageCatalog.h"
#include "shell/LanguageFile.h"
#include "shell/MainModel.h"
#include "online/OnlineError.h"
#include "online/OnlineRun.h"
#include "online/Session.h"
#include "online/SessionView.h"
#include "optimum/SolverPlugin.h"
#include "platform/ProgramInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace cli {
namespace {

bool onTerminal(FILE *stream)
{
#if defined(_WIN32)
    return _isatty(_fileno(stream));
#else
    return isatty(fileno(stream));
#endif
}

void out(const QString &text) { std::fputs(text.toUtf8().constData(), stdout); }
void err(const QString &text) { std::fputs(text.toUtf8().constData(), stderr); }
QString warningLine(const QString &text) { return vocab(QStringLiteral("MSG_CLI_WARNING")).arg(text) + QLatin1Char('\n'); }

// A failure: its line on the error output and, for a caller that reads JSON, the error object on
// the standard output, so that a script never has to parse the message to know what went wrong.
int fail(const Options &options, const QString &step, const QString &message, int code)
{
    err(QStringLiteral("squadwright-cli: %1\n").arg(message));
    if (options.json)
        std::fputs(errorJson(step, message).constData(), stdout);
    return code;
}

int check(const DataFolder &folder)
{
    const VersionCheckResult result = checkDataFileVersions(folder, VersionRead::WholeFile);
    for (const VersionCheckEntry &e : result.visited) {
        const QString name = QString::fromLatin1(DataFolder::info(e.file).writeName);
        switch (e.status) {
        case VersionCheckEntry::Status::Missing:
            out(vocab(QStringLiteral("MSG_CLI_CHECK_MISSING")).arg(name, -16) + QLatin1Char('\n'));
            break;
        case VersionCheckEntry::Status::Matches:
            out(vocab(QStringLiteral("MSG_CLI_CHECK_MATCHES")).arg(name, -16).arg(e.found) + QLatin1Char('\n'));
            break;
        case VersionCheckEntry::Status::Differs:
            out(vocab(QStringLiteral("MSG_CLI_CHECK_DIFFERS")).arg(name, -16).arg(e.found, e.expected) + QLatin1Char('\n'));
            break;
        }
    }
    if (!result.passed) {
        out(vocab(QStringLiteral("MSG_CLI_CHECK_CHANGED")) + QLatin1Char('\n'));
        return kExitFailed;
    }
    // The check passes over a missing file, but a set with a file missing is no set that passes.
    const VersionCheckEntry &last = result.visited.last();
    if (last.status == VersionCheckEntry::Status::Missing) {
        out(vocab(QStringLiteral("MSG_CLI_CHECK_INCOMPLETE")).arg(QString::fromLatin1(DataFolder::info(last.file).writeName),
                                                                  QDir::toNativeSeparators(folder.dataFolder()))
            + QLatin1Char('\n'));
        return kExitFailed;
    }
    out(vocab(QStringLiteral("MSG_CLI_CHECK_PASSED")) + QLatin1Char('\n'));
    return kExitOk;
}

void writePlayerJson(JsonWriter &json, const Tplayer &p, int index)
{
    json.beginObject();
    json.key("index").value(index);
    json.key("id").value(p.PlayerID);
    json.key("name").value(p.PlayerName);
    json.key("age").value(p.Age);
    json.key("tsi").value(p.TSI);
    json.key("number").value(p.PlayerNumber);
    json.key("form").value(p.PlayerForm);
    json.key("experience").value(p.Experience);
    json.key("stamina").value(p.StaminaSkill);
    json.key("playmaking").value(p.PlaymakerSkill);
    json.key("passing").value(p.PassingSkill);
    json.key("winger").value(p.WingerSkill);
    json.key("defending").value(p.DefenderSkill);
    json.key("scoring").value(p.ScorerSkill);
    json.key("keeper").value(p.KeeperSkill);
    json.key("set_pieces").value(p.SetPiecesSkill);
    json.key("injury").value(p.InjuryLevel);
    json.key("cards").value(p.Cards);
    json.key("trainer_type").value(p.TrainerType);
    json.key("trainer_skill").value(p.TrainerSkill);
    json.key("selectable").value(p.Selectable);
    json.key("values").beginArray();
    for (double v : p.PositionValue)
        json.value(v);
    json.endArray();
    json.key("best_kind").value(p.BestKind);
    json.key("best_abbreviation").value(p.BestAbbreviation);
    json.key("best_name").value(p.BestPositionName);
    json.key("best_value").value(p.BestValue);
    json.key("captain_value").value(p.CaptainValue);
    json.key("description").value(p.Description);
    json.key("list_position").value(p.ListPosition);
    json.endObject();
}

QString rosterJson(const MainModel &model)
{
    const Roster &roster = model.roster();
    JsonWriter json;
    json.beginObject();
    json.key("format").value(kJsonFormat);
    json.key("count").value(int(roster.count));
    json.key("players").beginArray();
    for (int i = 0; i < roster.count; ++i)
        writePlayerJson(json, roster.players[i], i);
    json.endArray();
    const TEntraineur &t = roster.trainers[0];
    json.key("trainer").beginObject();
    json.key("id").value(t.PlayerID);
    json.key("name").value(t.PlayerName);
    json.key("age").value(t.Age);
    json.key("type").value(t.TrainerType);
    json.key("skill").value(t.TrainerSkill);
    json.key("caption").value(t.TrainerCaption);
    json.endObject();
    json.endObject();
    return QString::fromUtf8(json.toUtf8());
}

QString statusOf(const Tplayer &p)
{
    QStringList parts;
    if (p.TrainerSkill > 0 || p.BestKind == 0)
        parts << QStringLiteral("trainer");
    if (p.InjuryLevel == 0)
        parts << QStringLiteral("bruised");
    else if (p.InjuryLevel > 0)
        parts << QStringLiteral("injured +%1").arg(p.InjuryLevel);
    if (p.Cards == 1 || p.Cards == 2)
        parts << QStringLiteral("%1 yellow").arg(p.Cards);
    else if (p.Cards >= 3)
        parts << QStringLiteral("suspended");
    if (!p.Selectable && !parts.contains(QStringLiteral("trainer")))
        parts << QStringLiteral("not selectable");
    return parts.join(QStringLiteral(", "));
}

QString rosterTable(const MainModel &model)
{
    const Roster &roster = model.roster();
    int nameWidth = 4;
    for (int row : model.listRows())
        nameWidth = qMax(nameWidth, int(roster.players[row].PlayerName.size()));
    QString text;
    const QString header = QStringLiteral("%1  %2  %3  %4  %5  %6  %7  %8  %9  %10")
                               .arg(QStringLiteral("#"), 3).arg(QStringLiteral("Name"), -nameWidth)
                               .arg(QStringLiteral("Age"), 3).arg(QStringLiteral("Id"), -8)
                               .arg(QStringLiteral("POS"), -4).arg(QStringLiteral("VAL"), 6)
                               .arg(QStringLiteral("TSI"), 5)
                               .arg(QStringLiteral("Frm Exp Sta  PM Pas Win Def Sco Kee  SP"))
                               .arg(QStringLiteral("Captain"), 7).arg(QStringLiteral("Status"));
    text += header + QLatin1Char('\n') + QString(header.size(), QLatin1Char('-')) + QLatin1Char('\n');
    for (int row : model.listRows()) {
        const Tplayer &p = roster.players[row];
        const QString skills = QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10")
                                   .arg(p.PlayerForm, 3).arg(p.Experience, 3).arg(p.StaminaSkill, 3)
                                   .arg(p.PlaymakerSkill, 3).arg(p.PassingSkill, 3).arg(p.WingerSkill, 3)
                                   .arg(p.DefenderSkill, 3).arg(p.ScorerSkill, 3).arg(p.KeeperSkill, 3)
                                   .arg(p.SetPiecesSkill, 3);
        QString line = QStringLiteral("%1  %2  %3  %4  %5  %6  %7  %8  %9  %10")
                    .arg(p.ListPosition, 3).arg(p.PlayerName, -nameWidth).arg(p.Age, 3)
                    .arg(p.PlayerID, -8).arg(p.BestAbbreviation, -4)
                    .arg(RosterListing::formatValue(p.BestValue), 6).arg(p.TSI, 5).arg(skills)
                    .arg(RosterListing::formatValue(p.CaptainValue), 7).arg(statusOf(p));
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        text += line + QLatin1Char('\n');
    }
    const TEntraineur &t = roster.trainers[0];
    text += QStringLiteral("\n%1 players. ").arg(roster.count);
    if (!t.PlayerName.isEmpty())
        text += QStringLiteral("Trainer: %1 (%2), level %3 %4.").arg(t.PlayerName, t.TrainerCaption)
                    .arg(t.TrainerSkill).arg(t.TrainerSkillText);
    return text + QLatin1Char('\n');
}

int roster(MainModel &model, const Options &options)
{
    const QString path = model.folder().findGameFile(GameFile::Players);
    if (path.isEmpty())
        throw DataFileError(QStringLiteral("players.xml"),
                            vocab(QStringLiteral("MSG_FILE_MISSING_IN")).arg(model.folder().dataFolder()));
    model.chargePlayersXML(path);
    out(options.json ? rosterJson(model) : rosterTable(model));
    for (const QString &w : model.loadWarnings())
        err(warningLine(w));
    return kExitOk;
}

// A settings key that could not be written (a read-only program folder) is said, not lost silently.
void warnOfLostSettings(MainModel &model)
{
    QObject::connect(&model, &MainModel::settingsWriteFailed, &model, [&model](const QString &key) {
        err(warningLine(vocab(QStringLiteral("ERRORSETTINGSWRITE")).arg(key, QDir::toNativeSeparators(model.settings().path()))));
    });
}

// Without a players file there is no team to show: said with where to get one, rather than an
// empty board.
bool noTeamData(const MainModel &model, const Options &options)
{
    if (!model.folder().findGameFile(GameFile::Players).isEmpty())
        return false;
    fail(options, QStringLiteral("data"),
         vocab(QStringLiteral("MSG_CLI_NO_TEAM_DATA")).arg(QDir::toNativeSeparators(model.folder().dataFolder())),
         kExitFailed);
    return true;
}

void printVersionWarning(const MainModel &model)
{
    if (!model.versionCheck().passed) {
        QString text = vocab(QStringLiteral("ERRORXMLFILES"));
        text.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(QLatin1Char('\n'), QLatin1Char(' '));
        err(warningLine(text));
    }
}

// A report read by people names levels, tactics and behaviours in the words of the language
// the settings name, as the desktop program does, and titles its ratings with the main
// window's captions; the JSON keeps the board's own texts.
LanguageFile speakTheLanguage(MainModel &model, const Options &options)
{
    if (!options.json && model.loadLanguage())
        return model.language().file();
    return {};
}

BoardReport::Caption captionsOf(const LanguageFile &file)
{
    return [file](const QString &control) {
        const QDomElement window = file.windowElements(QLatin1String(LanguageFile::kMainWindow)).value(0);
        return LanguageFile::attribute(LanguageFile::childElement(window, control), QStringLiteral("Caption"));
    };
}

int evaluate(MainModel &model, const Options &options, bool best)
{
    if (noTeamData(model, options))
        return kExitFailed;
    const LanguageFile language = speakTheLanguage(model, options);
    model.startUp();
    printVersionWarning(model);
    for (const QString &w : model.loadWarnings())
        err(warningLine(w));
    if (!best) {
        out(options.json ? BoardReport::json(model, nullptr) : BoardReport::text(model, nullptr, captionsOf(language)));
        return kExitOk;
    }
    if (options.recomputeAll)
        model.board().edit()->setOption(Board::RecalculTous, true);
    if (options.ignoreInjuries)
        model.board().edit()->setOption(Board::Blesse, true);
    if (options.ignoreCards)
        model.board().edit()->setOption(Board::Cartons, true);
    if (!model.calculeEnabled())
        return fail(options, QStringLiteral("lineup"),
                    vocab(QStringLiteral("MSG_CLI_NO_PLAYER_AVAILABLE")),
                    kExitFailed);
    const Board::CalculeResult result = model.calcule();
    out(options.json ? BoardReport::json(model, &result) : BoardReport::text(model, &result, captionsOf(language)));
    return kExitOk;
}

// The board as an optimum starts from: the game files read, the options of this run, the locks
// and exclusions read against the squad. Returns -1 when ready, else the exit code.
int prepareOptimum(MainModel &model, const Options &options, LineupOptimizer::Options &optimum, LanguageFile &language)
{
    if (noTeamData(model, options))
        return kExitFailed;
    language = speakTheLanguage(model, options);
    model.startUp();
    printVersionWarning(model);
    for (const QString &w : model.loadWarnings())
        err(warningLine(w));
    if (options.ignoreInjuries)
        model.board().edit()->setOption(Board::Blesse, true);
    if (options.ignoreCards)
        model.board().edit()->setOption(Board::Cartons, true);
    optimum.timeLimitSeconds = options.timeLimit;
    optimum.freeBehaviours = options.freeBehaviours;
    const QString problem = AssistantReport::readLocks(model, options.locks, options.excluded, optimum);
    if (!problem.isEmpty())
        return fail(options, QStringLiteral("usage"), problem, kExitUsage);
    if (LineupOptimizer::eligibleRecords(model.board().state(), optimum).isEmpty())
        return fail(options, QStringLiteral("lineup"), vocab(QStringLiteral("MSG_CLI_NO_PLAYER_ELIGIBLE")), kExitFailed);
    return -1;
}

void warnOfLockedUnfit(const MainModel &model, const QList<int> &records)
{
    for (int record : records)
        err(warningLine(LineupOptimizer::lockedUnfitWarning(model.board().state(), record)));
}

int optimize(MainModel &model, const Options &options)
{
    LineupOptimizer::Options optimum;
    LanguageFile language;
    if (const int code = prepareOptimum(model, options, optimum, language); code >= 0)
        return code;
    const MainModel::OptimumOutcome outcome = model.optimalLineup(optimum);
    if (!outcome.found)
        return fail(options, QStringLiteral("lineup"), vocab(QStringLiteral("MSG_CLI_NO_PLAYER_ELIGIBLE")), kExitFailed);
    warnOfLockedUnfit(model, outcome.lockedUnfit);
    BoardReport::OptimumSummary summary;
    summary.proven = outcome.proven;
    summary.evaluation = outcome.evaluation;
    summary.bound = outcome.bound;
    summary.greedyEvaluation = outcome.greedyEvaluation;
    summary.startEvaluation = outcome.startEvaluation;
    summary.freeBehaviours = options.freeBehaviours;
    summary.seconds = outcome.seconds;
    summary.unfilled = outcome.unfilled;
    for (int place = LineupSlots::Keeper; place <= LineupSlots::kLastSlot; ++place) {
        if (optimum.locks[place] >= 0)
            summary.locks.append({place, model.board().state().recordId(optimum.locks[place])});
    }
    for (int record : optimum.excluded)
        summary.excluded.append(model.board().state().recordId(record));
    if (options.json) {
        out(BoardReport::json(model, nullptr, &summary));
        return kExitOk;
    }
    out(BoardReport::text(model, nullptr, captionsOf(language)));
    out(QStringLiteral("Optimum: E %1, %2 (bound %3); best lineup search %4, start %5; %6 s\n")
            .arg(outcome.evaluation)
            .arg(outcome.proven ? QStringLiteral("proven") : QStringLiteral("not proven"))
            .arg(outcome.bound)
            .arg(outcome.greedyEvaluation)
            .arg(outcome.startEvaluation)
            .arg(outcome.seconds, 0, 'f', 3));
    out(BoardReport::unfilledLine(outcome.unfilled));
    return kExitOk;
}

// The tactic comparison and the squad depth: several optima, their progress on a terminal.
int assistant(MainModel &model, const Options &options, bool tactics)
{
    LineupOptimizer::Options optimum;
    LanguageFile language;
    if (const int code = prepareOptimum(model, options, optimum, language); code >= 0)
        return code;
    const BoardReport::Caption caption = captionsOf(language);
    // The solver is loaded now: without it, say so before any work.
    SolverPlugin::entry(SolverPlugin::folders());
    LineupAssistant::Run run;
    if (onTerminal(stderr))
        run.progress = [](int done, int total) {
            std::fprintf(stderr, done < total ? "\r%d/%d" : "\r%d/%d\n", done, total);
        };
    const LineupState &state = model.board().state();
    if (tactics) {
        const LineupAssistant::Tactics result = LineupAssistant::tactics(state, optimum, run);
        if (!result.rows.isEmpty())
            warnOfLockedUnfit(model, result.rows.first().optimum.lockedUnfit);
        out(options.json ? AssistantReport::tacticsJson(model, result, optimum) : AssistantReport::tacticsText(model, result, caption));
        return kExitOk;
    }
    const LineupAssistant::Depth result = LineupAssistant::depth(state, optimum, run);
    warnOfLockedUnfit(model, result.optimum.lockedUnfit);
    out(options.json ? AssistantReport::depthJson(model, result, optimum) : AssistantReport::depthText(model, result, caption));
    return kExitOk;
}

// Fetches the five game files with the stored account, then reports like evaluate. The code read
// from standard input is used for this run only and never written anywhere.
int download(const ProgramPaths &paths, const Options &options)
{
    MainModel model(paths);
    const DataFolder &folder = model.folder();
    Settings &settings = model.settings();
    const QString user = options.user.isEmpty() ? settings.userName() : options.user;
    QString code;
    if (options.passwordStdin) {
        QFile in;
        if (in.open(stdin, QIODevice::ReadOnly))
            code = QString::fromUtf8(in.readLine()).remove(QLatin1Char('\n')).remove(QLatin1Char('\r'));
    } else {
        code = settings.securityPassword();
    }
    if (user.trimmed().isEmpty() || code.trimmed().isEmpty())
        return fail(options, QStringLiteral("account"),
                    vocab(QStringLiteral("MSG_CLI_NO_ACCOUNT")).arg(settings.path()),
                    kExitFailed);
    SessionView view; // nothing to show along the way: failures end the run with their message
    // A slow line may need longer than the default wait; a script may want to give up sooner.
    HttpClient http(options.timeout > 0 ? int(options.timeout * 1000) : HttpClient::kDefaultTimeoutMs);
    if (const ProxySettings proxy = settings.proxySettings(); !proxy.host.isEmpty())
        http.setProxy(proxy.host, proxy.port, proxy.user, proxy.password);
    Session session(http, view, folder.dataFolder(), settings.gameHost(), ProgramInfo::version());
    DownloadResult result;
    try {
        result = OnlineRun::run(session, folder.dataFolder(), user, code);
    } catch (const OnlineError &e) {
        // Said only where it is sure: every step before the files are replaced.
        const bool untouched = e.step() != TeamDownload::storeStep();
        return fail(options, e.step(),
                    vocab(untouched ? QStringLiteral("MSG_CLI_DOWNLOAD_FAILED_UNTOUCHED") : QStringLiteral("MSG_CLI_DOWNLOAD_FAILED"))
                        .arg(OnlineError::stepName(e.step()), e.reason()),
                    kExitFailed);
    }
    for (const QString &w : result.warnings)
        err(warningLine(w));
    MainModel reloaded(paths);
    return evaluate(reloaded, options, false);
}

} // namespace

QByteArray errorJson(const QString &step, const QString &message)
{
    JsonWriter json;
    json.beginObject();
    json.key("format").value(kJsonFormat);
    json.key("error").beginObject();
    json.key("step").value(step);
    json.key("message").value(message);
    json.endObject();
    json.endObject();
    return json.toUtf8();
}

int run(const QString &command, const Options &options, const std::function<int(const QString &)> &usage)
{
    if (!options.folder.isEmpty() && !QFileInfo(options.folder).isDir())
        return fail(options, QStringLiteral("usage"), vocab(QStringLiteral("MSG_CLI_NO_FOLDER")).arg(options.folder), kExitUsage);
    // A folder named on the command line holds everything; otherwise the program's own folders,
    // the user's being prepared on first use.
    const ProgramPaths paths = options.folder.isEmpty() ? ProgramPaths::ofThisProgram()
                                                        : ProgramPaths::inOneFolder(QDir(options.folder).absolutePath());
    const QStringList problems = FirstUse::prepare(paths);
    const DataFolder folder(paths.dataRoot());
    // The messages in the user's language, as the desktop program shows them: the language
    // file the settings name, its vocabulary only.
    const QString language = LanguageFile::languageFilePath(paths.resourceFolder(), Settings(paths.settingsFilePath()).langue());
    LanguageCatalog catalog;
    if (!language.isEmpty()) {
        catalog.loadVocabulary(language);
        LanguageFile::followQtTranslations(language);
    }
    if (!problems.isEmpty())
        err(warningLine(vocab(QStringLiteral("MSG_USER_FOLDERS")).arg(problems.join(QStringLiteral("; ")))));
    // Before anything reads the files: what a killed run left is mended, and said.
    for (const QString &notice : FolderTidy::run(paths).notices())
        err(warningLine(notice));
    try {
        if (command == QLatin1String("check"))
            return check(folder);
        if (command == QLatin1String("evaluate") || command == QLatin1String("best")) {
            MainModel model(paths);
            warnOfLostSettings(model);
            return evaluate(model, options, command == QLatin1String("best"));
        }
        if (command == QLatin1String("optimize")) {
            MainModel model(paths);
            warnOfLostSettings(model);
            return optimize(model, options);
        }
        if (command == QLatin1String("tactics") || command == QLatin1String("depth")) {
            MainModel model(paths);
            warnOfLostSettings(model);
            return assistant(model, options, command == QLatin1String("tactics"));
        }
        if (command == QLatin1String("download"))
            return download(paths, options);
        if (command == QLatin1String("roster")) {
            MainModel model(paths);
            warnOfLostSettings(model);
            return roster(model, options);
        }
        return usage(QStringLiteral("unknown command %1").arg(command));
    } catch (const DataFileError &e) {
        return fail(options, QStringLiteral("read"), vocab(QStringLiteral("MSG_CLI_CANNOT_READ")).arg(e.file(), e.reason()),
                    kExitDataFile);
    } catch (const AppError &e) {
        return fail(options, command, e.message(), kExitFailed);
    }
}

} // namespace cli
