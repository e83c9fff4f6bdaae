#include "settings/ParamDialogModel.h"

#include "settings/LanguageList.h"
#include "settings/Settings.h"

#include <QtGlobal>

namespace {
// The position list in formula order; each entry edits the keys of its prefix.
const char *const kPrefixes[ParamDialogModel::kRows] = {"Gardien", "DL", "DLD", "DLO", "DLM", "DC", "DCO",
                                                        "DCA",     "A",  "AD",  "AO",  "AM",  "M",  "MD",
                                                        "MO",      "MA", "AT",  "ATD", "ATA"};
const char *const kSkillSuffixes[ParamDialogModel::kSkills] = {"Endurance", "Construction", "Passe", "Ailier",
                                                               "Defense",   "Buteur",       "Gardien"};
const char *const kGeneralKeys[ParamDialogModel::kGeneral] = {"Forme", "Experience", "Endurance"};
constexpr int kMaxWeight = 100;
} // namespace

ParamDialogModel::ParamDialogModel(Settings &settings, const QString &programFolder, QObject *parent)
    : QObject(parent), m_settings(settings), m_programFolder(programFolder)
{
}

const QStringList &ParamDialogModel::posteEntries()
{
    static const QStringList entries = {
        QStringLiteral("Gardien"),
        QStringLiteral("défenseur latéral"),
        QStringLiteral("défenseur latéral défensif"),
        QStringLiteral("défenseur latéral offensif"),
        QStringLiteral("défenseur latéral vers le centre"),
        QStringLiteral("défenseur central"),
        QStringLiteral("défenseur central offensif"),
        QStringLiteral("défenseur central vers l'aile"),
        QStringLiteral("ailier"),
        QStringLiteral("ailier défensif"),
        QStringLiteral("ailier offensif"),
        QStringLiteral("ailier vers le milieu"),
        QStringLiteral("milieu"),
        QStringLiteral("milieu défensif"),
        QStringLiteral("milieu offensif"),
        QStringLiteral("milieu vers l'aile"),
        QStringLiteral("attaquant"),
        QStringLiteral("attaquant défensif"),
        QStringLiteral("attaquant vers l'aile"),
    };
    return entries;
}

QString ParamDialogModel::prefix(int row) { return QLatin1String(kPrefixes[row]); }
QString ParamDialogModel::skillSuffix(int skill) { return QLatin1String(kSkillSuffixes[skill]); }
QString ParamDialogModel::generalKey(int g) { return QLatin1String(kGeneralKeys[g]); }
QString ParamDialogModel::valueText(int value) { return QStringLiteral("[ %1 ]").arg(value); }

int ParamDialogModel::sliderTotal() const
{
    int total = 0;
    for (int v : m_sliders)
        total += v;
    return total;
}

void ParamDialogModel::setLanguageIndex(int index)
{
    m_languageIndex = (index >= 0 && index < m_languages.size()) ? index : -1;
}

// A weight as the sliders can show it. A value outside 0..100 would be cut by the slider and
// written back cut without a word; it is brought into range here and named to the user.
int ParamDialogModel::readWeight(const QString &key)
{
    const int value = m_settings.playerWeight(key, 0);
    const int held = qBound(0, value, kMaxWeight);
    if (held != value)
        m_clamped << QStringLiteral("%1 %2 → %3").arg(key).arg(value).arg(held);
    return held;
}

// ---- events -------------------------------------------------------------------------------------

void ParamDialogModel::FormCreate()
{
    m_languages = LanguageList::names(m_programFolder);
    m_languageIndex = -1;
    InicbPoste();
}

void ParamDialogModel::FormShow(bool mainOnTop)
{
    m_boxes.onTop = mainOnTop;
    emit changed();
}

void ParamDialogModel::FormActivate(const QString &currentHotKey)
{
    m_loading = false;
    m_languages = LanguageList::names(m_programFolder);
    InicbPoste();
    ChargePoste(0);
    for (int g = 0; g < kGeneral; ++g)
        m_general[g] = readWeight(generalKey(g));
    m_boxes.nomEquipe = m_settings.teamName();
    m_boxes.idEquipe = m_settings.teamId();
    m_boxes.hUser = m_settings.userName();
    m_boxes.hPassword = m_settings.securityPassword();
    m_boxes.useProxy = m_settings.useProxy();
    m_boxes.proxy = m_settings.proxy();
    m_boxes.port = m_settings.proxyPort();
    m_boxes.userProxy = m_settings.userProxy();
    m_boxes.proxyPassword = m_settings.proxyPassword();
    m_boxes.gameHost = m_settings.gameHost();
    m_boxes.updateHost = m_settings.updateHost();
    m_boxes.hotKey = currentHotKey;
    // The stored language is selected when it is in the list; otherwise the selection stays.
    const QString stored = m_settings.langue(QString());
    for (int i = 0; i < m_languages.size(); ++i)
        if (m_languages[i] == stored)
            m_languageIndex = i;
    if (m_languageIndex >= m_languages.size())
        m_languageIndex = -1;
    emit changed();
    if (!m_clamped.isEmpty())
        emit valuesClamped(m_clamped);
}

void ParamDialogModel::cbPosteChange(int index)
{
    if (index < 0 || index >= kRows)
        return;
    SetPoste(m_currentRow);
    ChargePoste(index);
    m_currentRow = index;
    emit changed();
}

void ParamDialogModel::TabFormulesExit() { SetPoste(m_currentRow); }

void ParamDialogModel::sliderChange(int skill, int value)
{
    if (skill < 0 || skill >= kSkills)
        return;
    setSlider(skill, qBound(0, value, kMaxWeight));
    emit changed();
}

void ParamDialogModel::sliderKeyUp(int skill)
{
    if (skill < 0 || skill >= kSkills)
        return;
    sumRule(skill);
    emit changed();
}

void ParamDialogModel::generalChange(int g, int value)
{
    if (g < 0 || g >= kGeneral)
        return;
    m_general[g] = qBound(0, value, kMaxWeight);
    emit changed();
}

void ParamDialogModel::cbxProxyClick(bool checked)
{
    m_boxes.useProxy = checked;
    emit changed();
}

bool ParamDialogModel::BOKClick() { return SaveParam(); }

bool ParamDialogModel::BApplyClick()
{
    const bool ok = SaveParam();
    m_currentRow = 0;
    ChargePoste(0);
    emit changed();
    return ok;
}

// ---- the sum rule -------------------------------------------------------------------------------

// Setting a slider is a change of that slider: its own rule runs to its end before the caller
// goes on.
void ParamDialogModel::setSlider(int skill, int value)
{
    m_sliders[skill] = value;
    sumRule(skill);
}

void ParamDialogModel::sumRule(int moved)
{
    if (m_loading)
        return;
    for (;;) {
        const int total = sliderTotal();
        if (total == 100)
            return;
        // Endurance first, then every later slider but the moved one that holds more.
        int choice = 0;
        for (int s = 1; s < kSkills; ++s)
            if (s != moved && m_sliders[s] > m_sliders[choice])
                choice = s;
        const int next = m_sliders[choice] + (total > 100 ? -1 : 1);
        // Cannot happen from values in 0..100; a guard so that the rule always ends.
        if (next < 0 || next > kMaxWeight)
            return;
        setSlider(choice, next);
    }
}

// ---- operations ---------------------------------------------------------------------------------

void ParamDialogModel::InicbPoste()
{
    m_clamped.clear();
    for (int i = 0; i < kRows; ++i)
        for (int s = 0; s < kSkills; ++s)
            m_table[i][s] = readWeight(formulaKey(i, s));
    m_currentRow = 0;
}

void ParamDialogModel::ChargePoste(int row)
{
    if (row < 0 || row >= kRows)
        return;
    m_loading = true;
    m_sliders = m_table[row];
    m_loading = false;
}

void ParamDialogModel::SetPoste(int row)
{
    if (row < 0 || row >= kRows)
        return;
    m_table[row] = m_sliders;
}

bool ParamDialogModel::SavePoste()
{
    // A failed write means a file that cannot be written: the others would fail the same way.
    for (int i = 0; i < kRows; ++i)
        for (int s = 0; s < kSkills; ++s)
            if (!m_settings.setPlayerWeight(formulaKey(i, s), m_table[i][s]))
                return false;
    return true;
}

QString ParamDialogModel::refusedHostBox() const
{
    // An empty box stands for the program's own server.
    if (!m_boxes.gameHost.trimmed().isEmpty() && !Settings::serverUrl(m_boxes.gameHost).isValid())
        return QStringLiteral("EGameHost");
    if (!m_boxes.updateHost.trimmed().isEmpty() && !Settings::serverUrl(m_boxes.updateHost).isValid())
        return QStringLiteral("EUpdateHost");
    return {};
}

bool ParamDialogModel::SaveParam()
{
    // A server address that cannot be used would only fail later, far from here: nothing is saved.
    if (const QString box = refusedHostBox(); !box.isEmpty()) {
        emit hostRefused(box, box == QLatin1String("EGameHost") ? m_boxes.gameHost : m_boxes.updateHost);
        return false;
    }
    bool ok = true;
    // No language selected (none in the list, or the stored one is missing): the stored
    // name stays rather than being replaced by nothing.
    if (m_languageIndex >= 0)
        ok = m_settings.setLangue(m_languages[m_languageIndex]);
    ok = ok && m_settings.setTeamId(m_boxes.idEquipe) && m_settings.setTeamName(m_boxes.nomEquipe)
         && m_settings.setUserName(m_boxes.hUser) && m_settings.setSecurityPassword(m_boxes.hPassword);
    ok = ok && m_settings.setProxy(m_boxes.proxy) && m_settings.setProxyPort(m_boxes.port)
         && m_settings.setUserProxy(m_boxes.userProxy) && m_settings.setProxyPassword(m_boxes.proxyPassword)
         && m_settings.setUseProxy(m_boxes.useProxy);
    // Written only when changed, so that a file without them keeps following the program's servers.
    if (ok && m_boxes.gameHost.trimmed() != m_settings.gameHost())
        ok = m_settings.setGameHost(m_boxes.gameHost);
    if (ok && m_boxes.updateHost.trimmed() != m_settings.updateHost())
        ok = m_settings.setUpdateHost(m_boxes.updateHost);
    ok = ok && SavePoste();
    for (int g = 0; ok && g < kGeneral; ++g)
        ok = m_settings.setPlayerWeight(generalKey(g), m_general[g]);
    ok = ok && m_settings.setHotKey(m_boxes.hotKey);
    InicbPoste();
    emit saved();
    return ok;
}
