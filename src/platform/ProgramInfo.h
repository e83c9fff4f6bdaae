#pragma once
#include <QLocale>
#include <QString>

// The program's own version and date, for the splash window, the status bar and the about window.
namespace ProgramInfo {
// The version of this build: on Windows the version resource of the running program file, as
// Explorer shows it; elsewhere, or for a program file without one, the project version.
QString version();
// The file version ("1.2.3") in a Windows program file's version resource; empty where there is
// none, and always empty on other systems.
QString fileVersion(const QString &path);
// The last-modification date of a file as a short date of the given locale; empty when missing.
QString fileDate(const QString &path, const QLocale &locale = QLocale());
}
