#pragma once
#include <QString>

// Texts of the program and of language files break lines with CR LF; a widget shows a line
// feed, so a CR left in would show as a stray box or blank.
inline QString displayText(const QString &text)
{
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return result;
}
