#include "settings/LanguageList.h"

#include <QDir>
#include <QFileInfo>

QStringList LanguageList::names(const QString &programFolder)
{
    const QDir folder(QDir(programFolder).filePath(QStringLiteral("lng")));
    QStringList names;
    // The file system decides the letter case of the extension on Windows only: match it
    // without regard to case everywhere.
    for (const QFileInfo &entry : folder.entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase)) {
        const QString file = entry.fileName();
        if (file.size() > 4 && file.endsWith(QLatin1String(".lng"), Qt::CaseInsensitive))
            names << file.left(file.size() - 4);
    }
    return names;
}

QString LanguageList::ofLocale(const QString &programFolder, const QLocale &locale)
{
    const QString wanted = locale.language() == QLocale::French ? QStringLiteral("Francais") : QStringLiteral("English");
    for (const QString &name : names(programFolder))
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return name;
    return QString();
}
