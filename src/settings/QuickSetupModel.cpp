#include "settings/QuickSetupModel.h"

#include "settings/LanguageList.h"
#include "settings/Settings.h"

namespace {
const char *const kAtaKeys[QuickSetupModel::kAtaSkills] = {"ATAEndurance", "ATAConstruction", "ATAPasse", "ATAAilier",
                                                           "ATADefense",   "ATAButeur",       "ATAGardien"};
} // namespace

QuickSetupModel::QuickSetupModel(Settings &settings, const QString &programFolder, QObject *parent)
    : QObject(parent), m_settings(settings), m_programFolder(programFolder)
{
}

const std::array<int, QuickSetupModel::kAtaSkills> &QuickSetupModel::ataDefaults()
{
    // A forward towards the wing scores and plays the wing; together 100 like every formula.
    static const std::array<int, kAtaSkills> defaults = {0, 0, 10, 30, 0, 60, 0};
    return defaults;
}

QString QuickSetupModel::ataKey(int skill) { return QLatin1String(kAtaKeys[skill]); }

void QuickSetupModel::FormShow()
{
    m_page = Welcome;
    m_languages = LanguageList::names(m_programFolder);
    // The stored language when it is listed, else the system's, else the last entry.
    m_languageIndex = m_languages.size() - 1;
    QString stored = m_settings.langue();
    if (stored.isEmpty())
        stored = LanguageList::ofLocale(m_programFolder, QLocale());
    for (int i = 0; i < m_languages.size(); ++i)
        if (m_languages[i] == stored)
            m_languageIndex = i;
    m_boxes.nomEquipe = m_settings.teamName();
    m_boxes.idEquipe = m_settings.teamId();
    m_boxes.hUser = m_settings.userName();
    m_boxes.hPassword = m_settings.securityPassword();
    for (int s = 0; s < kAtaSkills; ++s)
        m_ata[s] = m_settings.playerWeight(ataKey(s), ataDefaults()[s]);
    emit changed();
}

bool QuickSetupModel::canGoNext() const
{
    if (m_page == Team)
        return !m_boxes.hUser.isEmpty() && !m_boxes.hPassword.isEmpty();
    return m_page < Finish;
}

bool QuickSetupModel::next()
{
    if (!canGoNext())
        return false;
    ++m_page;
    emit changed();
    return true;
}

bool QuickSetupModel::back()
{
    if (m_page == Welcome)
        return false;
    --m_page;
    emit changed();
    return true;
}

void QuickSetupModel::toLastPage()
{
    while (next()) {
    }
}

void QuickSetupModel::setLanguageIndex(int index)
{
    m_languageIndex = (index >= 0 && index < m_languages.size()) ? index : -1;
}

QString QuickSetupModel::languageName() const
{
    return m_languageIndex >= 0 ? m_languages[m_languageIndex] : QString();
}

bool QuickSetupModel::finish()
{
    // Without any language file there is nothing to choose: the stored name stays.
    bool ok = m_languageIndex < 0 || m_settings.setLangue(languageName());
    ok = ok && m_settings.setShowConfig(false);
    ok = ok && m_settings.setTeamId(m_boxes.idEquipe) && m_settings.setTeamName(m_boxes.nomEquipe)
         && m_settings.setUserName(m_boxes.hUser) && m_settings.setSecurityPassword(m_boxes.hPassword);
    for (int s = 0; ok && s < kAtaSkills; ++s)
        ok = m_settings.setPlayerWeight(ataKey(s), m_ata[s]);
    if (ok && m_settings.hasOldPassword())
        ok = m_settings.removeOldPassword();
    return ok;
}
