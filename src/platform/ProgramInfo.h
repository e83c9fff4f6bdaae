#pragma once
#include <QLocale>
#include <QString>

// The program's own version and date, for the splash window, the status bar and the about window.
namespace ProgramInfo {
// The version of this build (from the project version).
QString version();
// The last-modification date of a file as a short date of the given locale; empty when missing.
QString fileDate(const QString &path, const QLocale &locale = QLocale());
}
