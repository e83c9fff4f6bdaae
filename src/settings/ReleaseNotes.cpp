#include "settings/ReleaseNotes.h"

// Edit here when a version brings something new.
QString ReleaseNotes::html()
{
    return QStringLiteral(
        "<p><b>What Squadwright does</b></p>"
        "<ul>"
        "<li>Downloads your team's data files from the Velmorra server (team, players, training, "
        "matches and the orders of the next match).</li>"
        "<li>Rates every player for 19 position kinds from skill-weight formulas that you can tune "
        "in <i>Options &gt; Settings</i>.</li>"
        "<li>Lets you compose a lineup on the pitch board, with behaviours, captain and set-piece "
        "taker, and shows the seven sector ratings, the team evaluation and the tactic strength.</li>"
        "<li>Proposes a best lineup by itself, and can prove which lineup rates highest.</li>"
        "</ul>"
        "<p><b>In this version</b></p>"
        "<ul>"
        "<li>A settings window with the formula editor: the seven weights of a position always add "
        "up to 100 while you move any of them.</li>"
        "<li>This quick setup, shown on the first start.</li>"
        "<li>French and English texts; more languages can be added as files in the <i>lng</i> "
        "folder.</li>"
        "<li>A command-line program, <i>squadwright-cli</i>, that prints the same figures.</li>"
        "</ul>"
        "<p>The security code you type here is stored as typed in the settings file SQW.ini, "
        "so that downloads need no password prompt.</p>");
}
