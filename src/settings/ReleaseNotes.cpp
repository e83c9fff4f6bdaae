#include "settings/ReleaseNotes.h"

// Edit here, in both languages, when a version brings something new.
QString ReleaseNotes::html(const QString &languageName)
{
    if (languageName.compare(QLatin1String("Francais"), Qt::CaseInsensitive) == 0)
        return QStringLiteral(
            "<p><b>Ce que fait Squadwright</b></p>"
            "<ul>"
            "<li>Télécharge les fichiers de votre équipe depuis le serveur de Velmorra (équipe, joueurs, "
            "entraînement, matchs et consignes du prochain match).</li>"
            "<li>Évalue chaque joueur à 19 sortes de postes avec des formules de poids des compétences que "
            "vous pouvez régler dans <i>Options &gt; Paramètres</i>.</li>"
            "<li>Vous laisse composer une équipe sur le terrain, avec comportements, capitaine et tireur "
            "des coups de pied arrêtés, et montre les sept notes de secteur, l'évaluation de l'équipe et "
            "la force de la tactique.</li>"
            "<li>Propose de lui-même une composition, et sait prouver laquelle est la mieux notée.</li>"
            "</ul>"
            "<p><b>Dans cette version</b></p>"
            "<ul>"
            "<li>Une fenêtre de paramètres avec l'éditeur de formules : les sept poids d'un poste font "
            "toujours 100 quand vous en déplacez un.</li>"
            "<li>Cette configuration rapide, montrée au premier démarrage.</li>"
            "<li>Les textes en français et en anglais ; d'autres langues s'ajoutent par des fichiers du "
            "dossier <i>lng</i>.</li>"
            "<li>Un programme en ligne de commande, <i>squadwright-cli</i>, qui donne les mêmes "
            "chiffres.</li>"
            "</ul>"
            "<p>Le code de sécurité que vous tapez ici est gardé tel quel dans le fichier de paramètres "
            "SQW.ini, que seul votre compte d'utilisateur peut lire, pour que les téléchargements ne "
            "vous le demandent pas.</p>");
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
        "<p>The security code you type here is stored as typed in the settings file SQW.ini, which "
        "only your user account can read, so that downloads need no password prompt.</p>");
}
