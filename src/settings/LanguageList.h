#pragma once
#include <QLocale>
#include <QString>
#include <QStringList>

// The languages a user can choose: the files lng/*.lng of the program folder, each named by its
// file name without ".lng", as the settings key [defaut] langue stores it. Sorted without regard
// to letter case, so that every platform lists them in the same order. Empty when the folder is
// missing or holds no language file.
namespace LanguageList {
QStringList names(const QString &programFolder);
// The language for a user who has never chosen one: French for a French locale, English
// otherwise; empty when the program folder lacks that language.
QString ofLocale(const QString &programFolder, const QLocale &locale);
}
