#include "shell/ui/LineupCommands.h"

#include "common/NumberText.h"

#include "common/ui/ErrorHandler.h"
#include "lineup/LineupSlots.h"
#include "shell/MainModel.h"
#include "shell/ui/MainPages.h"
#include "shell/ui/MainStatusBar.h"
#include "shell/ui/SetupPageView.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

namespace {

QString plainText(QString text)
{
    text.remove(QLatin1Char('&'));
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

// A search shows the board and runs under the wait cursor and the busy lamp; a failure's
// report puts both out.
template <typename Search>
auto searching(MainPages &pages, MainStatusBar &status, Search search)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    pages.showEquipe();
    status.setBusy(true);
    const auto outcome = search();
    status.setBusy(false);
    QApplication::restoreOverrideCursor();
    return outcome;
}

} // namespace

LineupCommands::LineupCommands(const MainWindowParts &parts, MainPages &pages)
    : QObject(parts.window), m_parts(parts), m_pages(pages), m_setup(pages.setup())
{
}

void LineupCommands::CalculeExecute()
{
    ErrorHandler::guarded([this] {
        const Board::CalculeResult result =
            searching(m_pages, m_parts.status, [this] { return m_parts.model.calcule(); });
        if (!result.unfilled.isEmpty())
            m_parts.status.showStatusMessage(placesEmptyMessage(result.unfilled));
    });
}

void LineupCommands::OptimumExecute()
{
    ErrorHandler::guarded([this] {
        // The padlocks are read before the search moves anybody.
        const LineupOptimizer::Options options = m_parts.model.boardOptions();
        const QString problem = LineupOptimizer::lockProblem(m_parts.model.board().state(), options);
        if (!problem.isEmpty()) {
            m_pages.showEquipe();
            m_parts.status.showStatusMessage(problem);
            return;
        }
        const MainModel::OptimumOutcome outcome =
            searching(m_pages, m_parts.status, [this, &options] { return m_parts.model.optimalLineup(options); });
        if (!outcome.found)
            return;
        const QString point = vocab(QStringLiteral("DECIMAL_SEPARATOR"));
        auto gain = [&point](double d) { return (d >= 0 ? QStringLiteral("+") : QString()) + NumberText::decimal(d, point); };
        // The proven message has no place for the bound: give each text only what it shows.
        const QString reached = NumberText::decimal(outcome.evaluation, point);
        const QString overBoard = gain(outcome.gainOverBoard());
        const QString overCalcule = gain(outcome.gainOverCalcule());
        QString message = outcome.proven ? m_setup->messageText("LMsgOptimum").arg(reached, overBoard, overCalcule)
                                         : m_setup->messageText("LMsgOptimumOpen").arg(reached, overBoard, overCalcule,
                                                                        QString::number(outcome.bound));
        if (!outcome.unfilled.isEmpty())
            message += QStringLiteral(" — ") + placesEmptyMessage(outcome.unfilled);
        for (int record : outcome.lockedUnfit)
            message += QStringLiteral(" — ") + LineupOptimizer::lockedUnfitWarning(m_parts.model.board().state(), record);
        m_parts.status.showStatusMessage(message);
    });
}

QString LineupCommands::placesEmptyMessage(const QList<int> &unfilled) const
{
    QStringList places;
    for (int place : unfilled)
        places << placeCaption(place);
    return m_setup->messageText("LMsgPlacesVides").arg(places.join(QStringLiteral(", ")));
}

QString LineupCommands::placeCaption(int place) const
{
    if (!LineupSlots::isPlace(place))
        return QString::number(place);
    // The board's label, as the language file left it; its French text when there is none.
    const QLatin1String labelName(LineupSlots::placeLabelName(place));
    if (const auto *label = m_parts.window->findChild<QLabel *>(labelName); label && !label->text().isEmpty())
        return plainText(label->text());
    return QString::fromUtf8(LineupSlots::placeCaption(place));
}
