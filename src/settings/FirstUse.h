#pragma once
#include "platform/ProgramPaths.h"

#include <QLocale>
#include <QStringList>

// The user's folders made ready before a program reads them (ProgramPaths::prepare). A new
// user's settings, copied just now from the shipped ones, speak his system's language: he has
// not chosen one yet, and the first-run wizard offers to change it.
namespace FirstUse {
QStringList prepare(const ProgramPaths &paths, const QLocale &locale = QLocale());
}
