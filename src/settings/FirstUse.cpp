#include "settings/FirstUse.h"
#include "settings/LanguageList.h"
#include "settings/Settings.h"

#include <QDir>

QStringList FirstUse::prepare(const ProgramPaths &paths, const QLocale &locale)
{
    bool seeded = false;
    QStringList problems = paths.prepare(&seeded);
    if (!seeded)
        return problems;
    const QString language = LanguageList::ofLocale(paths.resourceFolder(), locale);
    Settings settings(paths.settingsFilePath());
    if (!language.isEmpty() && settings.langue() != language && !settings.setLangue(language))
        problems << QStringLiteral("cannot write the language in %1")
                        .arg(QDir::toNativeSeparators(paths.settingsFilePath()));
    return problems;
}
