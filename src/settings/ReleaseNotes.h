#pragma once
#include <QString>

// The release notes the setup wizard shows on its welcome page, as simple rich text: in French
// for the language "Francais", in English for any other.
namespace ReleaseNotes {
QString html(const QString &languageName);
}
