#include "common/Vocabulary.h"

namespace {

struct Default {
    const char *key;
    const char16_t *text;
};

// The built-in French texts, in the order they are registered with the language files.
constexpr Default kDefaults[] = {
    // Position abbreviations
    {"ABVGARDIEN", u"G"},
    {"ABVDEFLATERAL", u"DL"},
    {"ABVDEFLATERALOFF", u"DLO"},
    {"ABVDEFLATERALDEF", u"DLD"},
    {"ABVDEFLATERALMIL", u"DLM"},
    {"ABVDEFCENTRAL", u"DC"},
    {"ABVDEFCENTRALOFF", u"DCO"},
    {"ABVDEFCENTRALAILE", u"DCA"},
    {"ABVAILIER", u"AL"},
    {"ABVAILIERDEF", u"ALD"},
    {"ABVAILIEROFF", u"ALO"},
    {"ABVAILIERMIL", u"ALM"},
    {"ABVMILIEU", u"MI"},
    {"ABVMILIEUDEF", u"MID"},
    {"ABVMILIEUOFF", u"MIO"},
    {"ABVMILIEUAILE", u"MIA"},
    {"ABVATTAQUANT", u"AT"},
    {"ABVATTAQUANTDEF", u"ATD"},
    {"ABVENTRAINEUR", u"ENT"},
    // Position names
    {"GARDIEN", u"Gardien de but"},
    {"DEFLATERAL", u"Défenseur latéral"},
    {"DEFLATERALOFF", u"Défenseur latéral offensif"},
    {"DEFLATERALDEF", u"Défenseur latéral défensif"},
    {"DEFLATERALMIL", u"Défenseur latéral vers le centre"},
    {"DEFCENTRAL", u"Défenseur central"},
    {"DEFCENTRALOFF", u"Défenseur central offensif"},
    {"DEFCENTRALAILE", u"Défenseur central vers l'aile"},
    {"AILIER", u"Ailier"},
    {"AILIERDEF", u"Ailier défensif"},
    {"AILIEROFF", u"Ailier offensif"},
    {"AILIERMIL", u"Ailier vers le centre"},
    {"MILIEU", u"Milieu de terrain"},
    {"MILIEUDEF", u"Milieu défensif"},
    {"MILIEUOFF", u"Milieu offensif"},
    {"MILIEUAILE", u"Milieu vers l'aile"},
    {"ATTAQUANT", u"Attaquant"},
    {"ATTAQUANTDEF", u"Attaquant défensif"},
    {"ENTRAINEUR", u"Entraineur"},
    // Player description words
    {"FORME", u"forme"},
    {"AN", u"an"},
    {"EXPERIENCE", u"expérience"},
    {"TEMPCHEF", u"tempérament de chef"},
    // Rating sub-level words
    {"SUPERIEUR", u"(supérieur)"},
    {"HAUT", u"(haut)"},
    {"BAS", u"(bas)"},
    {"INFERIEUR", u"(inférieur)"},
    // Strength labels
    {"FORCE_GARDIEN", u"Force Gardien"},
    {"FORCE_EQUIPE", u"Force équipe"},
    {"FORCE_DEF", u"Force Def."},
    {"FORCE_DEFG", u"Force Def. g."},
    {"FORCE_DEFD", u"Force Def. d."},
    {"FORCE_DEFC", u"Force Def. c."},
    {"FORCE_MIL", u"Force Milieu"},
    {"FORCE_ATT", u"Force Att."},
    {"FORCE_ATTG", u"Force Att. g."},
    {"FORCE_ATTD", u"Force Att. d."},
    {"FORCE_ATTC", u"Force Att. c."},
    {"TACTIQUE", u"Tactique : "}, // the tactic name follows after the blank
    // Messages
    {"SAISIR_INFO_USER", u"Veuillez saisir un nom d'utilisateur et un mot de passe!"},
    {"NO_AIDE", u"Désolé, aide non disponible dans cette version!"},
    {"ERRORXMLFILES",
     u"La version d'un des fichier XML à changé. Quelques erreurs de traitements sont possibles."},
    // Reasons and notices of the data readers and the settings file (%n: their details)
    {"MSG_FILE_MISSING", u"le fichier n'existe pas"},
    {"MSG_FILE_MISSING_IN", u"le fichier n'existe pas dans %1"},
    {"MSG_FILE_UNREADABLE", u"le fichier ne peut pas être lu (%1)"},
    {"MSG_FILE_CANNOT_OPEN", u"le fichier ne peut pas être ouvert : %1"},
    {"MSG_XML_MALFORMED", u"XML mal formé à la ligne %1, colonne %2 : %3"},
    {"MSG_FILE_TOO_LARGE", u"le fichier dépasse %1 Mio"},
    {"MSG_XML_TOO_DEEP", u"les éléments sont imbriqués sur plus de %1 niveaux (ligne %2)"},
    {"MSG_ELEMENT_MISSING", u"l'élément %1 manque"},
    {"MSG_ELEMENT_MISSING_IN", u"l'élément %1 manque dans %2"},
    {"MSG_ATTRIBUTE_MISSING", u"l'attribut %1 de %2 manque"},
    {"MSG_ATTRIBUTE_NOT_INTEGER", u"l'attribut %1 de %2 n'est pas un entier : \"%3\""},
    {"MSG_ATTRIBUTE_NEGATIVE", u"l'attribut %1 de %2 est négatif : %3"},
    {"MSG_PLAYER_MISSING", u"le joueur %1 manque : Count vaut %2 mais PlayerList ne contient que %3 joueurs"},
    {"MSG_ELEMENT_EMPTY", u"l'élément %1 est vide"},
    {"MSG_ELEMENT_HAS_CHILDREN", u"l'élément %1 contient des éléments au lieu d'une valeur"},
    {"MSG_ELEMENT_NOT_INTEGER", u"l'élément %1 n'est pas un entier : \"%2\""},
    {"MSG_PLAYER", u"joueur %1"},
    {"MSG_PLAYER_NAMED", u"joueur %1 (%2)"},
    {"MSG_TOO_MANY_PLAYERS", u"Le fichier des joueurs en compte %1 ; seuls les %2 premiers ont été chargés, %3 ont été laissés de côté."},
    {"MSG_EXPERIENCE_UNKNOWN", u"%1 : l'expérience %2 n'est pas un niveau valable ; ses valeurs sont calculées comme pour l'expérience 1."},
    {"MSG_SKILL_SUM_RANGE", u"la somme des compétences du poste %1 (%2) sort de l'intervalle des entiers de 32 bits"},
    {"MSG_NO_FORMULAS", u"Le fichier de réglages %1 ne contient aucune formule de poste (section [Player]) : toutes les valeurs de poste valent 0."},
    {"MSG_PICTURE_MISSING", u"Image absente ou illisible : %1"},
    {"ERRORSETTINGSWRITE", u"Réglage « %1 » non enregistré : le fichier %2 ne peut pas être écrit."},
    // About window, documentation and update check
    {"MSG_README_MISSING", u"Fichier « lisez-moi » absent ou illisible : %1"},
    {"MSG_DOC_MISSING", u"Documentation absente : %1"},
    {"MSG_OPEN_FAILED", u"Aucun programme n'a pu ouvrir %1"},
    {"MSG_UPDATE_FAILED_BOX", u"Impossible de télécharger le fichier des versions depuis :\r\n%1 !"},
    {"MSG_UPDATE_QUESTION", u"Il existe une nouvelle version %1 de ce programme\r\nsur : %2\r\nVoulez-vous la télécharger maintenant ?"},
    {"MSG_UPDATE_FAILED", u"Recherche de mise à jour impossible : %1"},
    {"MSG_UPDATE_UP_TO_DATE", u"Squadwright %1 est la version la plus récente."},
    {"MSG_UPDATE_NO_INFO", u"Le fichier des versions de %1 ne nomme aucune version de Squadwright."},
    {"MSG_UPDATE_NO_OWN_VERSION", u"Ce programme ne connaît pas son numéro de version : la comparaison est impossible."},
    {"MSG_UPDATE_AVAILABLE", u"La version %1 est disponible : %2"},
    {"MSG_UPDATE_BAD_HOST", u"Le réglage UpdateHost « %1 » n'est ni un hôte, ni hôte:port, ni une adresse http(s)."},
    {"MSG_USER_FOLDERS", u"Impossible de préparer vos dossiers personnels (%1) : les réglages et les données n'y seront pas enregistrés."},
    // The online run: what to check when a server cannot be reached, a stop, the failed step
    {"MSG_CHECK_GAME_SERVER", u"vérifiez l'adresse du serveur de jeu dans Options > Paramètres > Online (clé GameHost de SQW.ini), ou votre connexion"},
    {"MSG_CHECK_UPDATE_SERVER", u"vérifiez l'adresse du serveur des mises à jour dans Options > Paramètres > Online (clé UpdateHost de SQW.ini), ou votre connexion"},
    {"MSG_CHECK_PROXY", u"vérifiez les réglages du proxy dans Options > Paramètres > Online"},
    {"MSG_ONLINE_STOPPED", u"arrêté à votre demande"},
    {"MSG_ONLINE_FAILED_STEP", u"Échec : %1"},
    {"MSG_DOWNLOAD_FINISHED", u"Un téléchargement interrompu pendant le remplacement des fichiers du jeu a été achevé : les fichiers du jeu sont tous ceux de ce téléchargement."},
    {"MSG_SOLVER_MISSING", u"L'optimum ne peut pas être calculé : son module de calcul %1 n'est pas dans %2. Réinstallez Squadwright."},
    {"MSG_SOLVER_UNUSABLE", u"L'optimum ne peut pas être calculé : son module de calcul %1 ne peut pas être chargé (%2). Réinstallez Squadwright."},
    {"MSG_FILES_MADE_PRIVATE", u"Les autres utilisateurs de cet ordinateur pouvaient lire %1 : désormais, vous seul y avez accès."},
    // Position kind forward towards the wing
    {"ABVATTAQUANTAILE", u"ATA"},
    {"ATTAQUANTAILE", u"Attaquant vers l'aile"},
    // The online run: step log, status texts, messages
    {"MSG_STEP_CONNECTING", u"Connexion à Velmorra"},
    {"MSG_STEP_DOWNLOAD", u"Téléchargement de %1"},
    {"MSG_TRYING_TO_CONNECT", u"Tentative de connexion à %1"},
    {"MSG_CONNECTED_TO", u"Connecté à %1"},
    {"MSG_DISCONNECTED", u"déconnecté"},
    {"MSG_NOT_CONNECTED", u"Non connecté !"},
    {"MSG_NO_SECURITY_CODE", u"Erreur : aucun code de sécurité !"},
    {"MSG_LOGIN_FAILED", u"Échec de la connexion !\r\nVérifiez le nom d'utilisateur Velmorra ou le code de sécurité.\r\nAssurez-vous d'utiliser le code de sécurité et NON le mot de passe Velmorra !"},
    {"MSG_CONNECT_CAPTION", u"Connexion %1"},
    {"MSG_ONLINE_ERROR_LINE", u"Erreur : %1"},
    {"MSG_STEP_REASON", u"%1 : %2"},
    {"MSG_REASON_HINT", u"%1 ; %2"},
    {"MSG_STEPNAME_MENU", u"menu"},
    {"MSG_STEPNAME_SECURITY", u"vérification du code de sécurité"},
    {"MSG_STEPNAME_LOGIN", u"connexion"},
    {"MSG_STEPNAME_LOGOUT", u"déconnexion"},
    {"MSG_STEPNAME_TEAM", u"détails de l'équipe"},
    {"MSG_STEPNAME_PLAYERS", u"joueurs"},
    {"MSG_STEPNAME_TRAINING", u"entraînement"},
    {"MSG_STEPNAME_MATCHES", u"matchs"},
    {"MSG_STEPNAME_ORDERS", u"ordres de match"},
    {"MSG_STEPNAME_STORE", u"enregistrement des fichiers"},
    {"MSG_STEPNAME_DOWNLOAD", u"téléchargement"},
    {"MSG_STEPNAME_VERSION", u"fichier des versions"},
    {"MSG_BAD_GAME_HOST", u"le réglage du serveur de jeu « %1 » n'est ni un hôte, ni hôte:port, ni une adresse http(s)"},
    {"MSG_NO_SESSION_SERVER", u"le serveur n'a indiqué aucun serveur de session"},
    {"MSG_NO_SECURITY_CODE_WHY", u"le compte n'a pas de code de sécurité ; créez-en un sur le site du jeu et enregistrez-le dans les paramètres"},
    {"MSG_LOGIN_REFUSED", u"le serveur a refusé la connexion au compte ; vérifiez le nom d'utilisateur et le code de sécurité"},
    {"MSG_WRONG_CONTENT_TYPE", u"le serveur a envoyé « %1 » au lieu du XML de l'équipe, même après une nouvelle connexion"},
    {"MSG_MATCHES_UNREADABLE", u"Le fichier des matchs est illisible, même après une nouvelle connexion : aucun ordre de match n'a été téléchargé et les ordres de match précédents restent."},
    {"MSG_MATCH_BEYOND_COUNT", u"Le fichier des matchs donne le match à venir %1 après les entrées qu'annonce son Count : aucun ordre de match n'a été téléchargé et les ordres de match précédents restent."},
    {"MSG_NO_UPCOMING_MATCH", u"Le fichier des matchs ne contient aucun match à venir : aucun ordre de match n'a été téléchargé et les ordres de match précédents restent."},
    {"MSG_FOLDER_NOT_CREATED", u"le dossier des données %1 ne peut pas être créé"},
    {"MSG_CANNOT_WRITE", u"impossible d'écrire %1"},
    {"MSG_FILE_NOT_WRITTEN", u"%1 ne peut pas être écrit (%2)"},
    {"MSG_DOWNLOAD_UNDER_WAY", u"un téléchargement est déjà en cours"},
    {"MSG_NO_ACCOUNT", u"aucun nom d'utilisateur ou code de sécurité : indiquez-les dans les paramètres ([user] UserName et SecurityPassword)"},
    {"MSG_LOGOUT_UNCONFIRMED", u"Le serveur n'a pas confirmé la déconnexion."},
    {"MSG_LOGOUT_UNCONFIRMED_WHY", u"Le serveur n'a pas confirmé la déconnexion (%1)."},
    // Why a server could not be reached
    {"MSG_NET_REFUSED", u"le serveur a refusé la connexion"},
    {"MSG_NET_CLOSED", u"le serveur a fermé la connexion avant la fin de la réponse"},
    {"MSG_NET_HOST_NOT_FOUND", u"le nom d'hôte du serveur est introuvable"},
    {"MSG_NET_PROXY", u"le proxy n'a pas pu être utilisé"},
    {"MSG_NET_SECURE", u"la connexion sécurisée n'a pas pu être établie"},
    {"MSG_NET_REDIRECTS", u"trop de redirections"},
    {"MSG_NET_MORE_REDIRECTS", u"plus de %1 redirections"},
    {"MSG_NET_FAILED", u"la connexion a échoué (erreur réseau %1)"},
    {"MSG_NET_NO_ADDRESS", u"aucune adresse de serveur n'est connue"},
    {"MSG_NET_TIMEOUT", u"aucune réponse en %1 secondes"},
    {"MSG_NET_TOO_LARGE", u"la réponse dépasse %1 Mio"},
    {"MSG_NET_STATUS", u"le serveur a répondu %1"},
    // Main window
    {"MSG_NOT_CONNECTED_PANEL", u"Non connecté"},
    // Command-line program's messages
    {"MSG_CLI_WARNING", u"avertissement : %1"},
    {"MSG_CLI_CANNOT_READ", u"impossible de lire %1 : %2"},
    {"MSG_CLI_NO_FOLDER", u"%1 : ce dossier n'existe pas"},
    {"MSG_CLI_NO_TEAM_DATA", u"aucune donnée d'équipe dans %1 (pas de fichier des joueurs) : « squadwright-cli download » télécharge les fichiers de votre équipe"},
    {"MSG_CLI_NO_PLAYER_AVAILABLE", u"aucun joueur n'est disponible pour une composition (aucun effectif chargé, ou tous les joueurs décochés)"},
    {"MSG_CLI_NO_PLAYER_ELIGIBLE", u"aucun joueur ne peut être aligné"},
    {"MSG_CLI_NO_ACCOUNT", u"le téléchargement demande un nom d'utilisateur et un code de sécurité : indiquez [user] UserName et SecurityPassword dans %1 (ou donnez --user NOM et --password-stdin)"},
    {"MSG_CLI_DOWNLOAD_FAILED", u"le téléchargement a échoué à l'étape « %1 » : %2"},
    {"MSG_CLI_DOWNLOAD_FAILED_UNTOUCHED", u"le téléchargement a échoué à l'étape « %1 » : %2 ; les fichiers du jeu précédents sont inchangés"},
    // Command-line program: the version check
    {"MSG_CLI_CHECK_MISSING", u"%1 : absent ; les fichiers suivants ne sont pas vérifiés"},
    {"MSG_CLI_CHECK_MATCHES", u"%1 : version %2, comme attendu"},
    {"MSG_CLI_CHECK_DIFFERS", u"%1 : version « %2 », « %3 » attendue"},
    {"MSG_CLI_CHECK_CHANGED", u"La version d'un des fichiers du jeu a changé ; certains chiffres peuvent être faux."},
    {"MSG_CLI_CHECK_INCOMPLETE", u"Les fichiers du jeu sont incomplets : %1 manque dans %2 ; « squadwright-cli download » télécharge les fichiers de votre équipe."},
    {"MSG_CLI_CHECK_PASSED", u"Les fichiers du jeu passent la vérification des versions."},
    {"DECIMAL_SEPARATOR", u","},
    // Locks, exclusions, the tactic comparison and the squad depth
    {"MSG_LOCK_NOT_FIELDABLE", u"le joueur %1 ne peut pas être verrouillé : il n'est pas dans la liste des joueurs alignables (entraîneur, ou sans identifiant utilisable)"},
    {"MSG_LOCK_PLAYER_TWICE", u"le joueur %1 est verrouillé à deux places (%2 et %3)"},
    {"MSG_LOCK_EXCLUDED", u"le joueur %1 est à la fois verrouillé et exclu"},
    {"MSG_LOCK_PLACE_TWICE", u"la place %1 est verrouillée deux fois"},
    {"MSG_LOCK_UNKNOWN_PLACE", u"« %1 » n'est pas une place de la composition (%2)"},
    {"MSG_LOCK_UNKNOWN_PLAYER", u"aucun joueur de l'effectif n'a l'identifiant %1"},
    {"MSG_LOCK_SYNTAX", u"--lock attend PLACE=IDENTIFIANT (par exemple right_back=123456), pas « %1 »"},
    {"MSG_LOCKED_UNFIT", u"%1 joue à sa place verrouillée bien qu'il soit %2"},
    {"MSG_UNFIT_INJURED", u"blessé"},
    {"MSG_UNFIT_SUSPENDED", u"suspendu"},
    {"MSG_UNFIT_UNTICKED", u"décoché"},
    {"MSG_ASSIST_PROVEN", u"prouvé"},
    {"MSG_ASSIST_NOT_PROVEN", u"non prouvé (borne %1)"},
    {"MSG_ASSIST_CANCELLED", u"interrompu : seules les lignes calculées sont données"},
    {"MSG_CLI_TACTICS_TITLE", u"Optimum prouvé de chaque tactique (autres conditions comme au tableau) :"},
    {"MSG_CLI_TACTIC_ROW", u"%1 %2 : E %3, force de la tactique %4 (%5), %6"},
    {"MSG_CLI_DEPTH_TITLE", u"Profondeur de l'effectif : E %1 avec tous les joueurs, %2. Sans chacun d'eux, la plus grande perte d'abord :"},
    {"MSG_CLI_DEPTH_ROW", u"%1 %2 : sans lui E %3, perte %4, %5"},
    {"MSG_CLI_DEPTH_CHANGES", u"changements : %1"},
    {"MSG_CLI_DEPTH_EMPTY", u"personne"},
};

} // namespace

Vocabulary::Vocabulary()
{
    m_entries.reserve(std::size(kDefaults));
    for (const Default &d : kDefaults) {
        const QString text = QString::fromUtf16(d.text);
        m_index.insert(QString::fromLatin1(d.key), m_entries.size());
        m_entries.append(Entry{QString::fromLatin1(d.key), text, text});
    }
}

const Vocabulary::Entry *Vocabulary::find(const QString &key) const
{
    const auto it = m_index.constFind(key);
    return it == m_index.constEnd() ? nullptr : &m_entries[*it];
}

QString Vocabulary::text(const QString &key) const
{
    const Entry *e = find(key);
    return e ? e->text : QString();
}

bool Vocabulary::setText(const QString &key, const QString &value)
{
    const auto it = m_index.constFind(key);
    if (it == m_index.constEnd())
        return false;
    m_entries[*it].text = value;
    return true;
}

bool Vocabulary::isRegistered(const QString &key) const
{
    return m_index.contains(key);
}

QStringList Vocabulary::keys() const
{
    QStringList out;
    out.reserve(m_entries.size());
    for (const Entry &e : m_entries)
        out.append(e.key);
    return out;
}

QString Vocabulary::defaultText(const QString &key) const
{
    const Entry *e = find(key);
    return e ? e->defaultText : QString();
}

void Vocabulary::resetToDefaults()
{
    for (Entry &e : m_entries)
        e.text = e.defaultText;
}
