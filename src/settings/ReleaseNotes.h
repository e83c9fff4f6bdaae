#pragma once
#include <QString>

// The release notes the setup wizard shows on its welcome page, as simple rich text (English).
namespace ReleaseNotes {
QString html();
}
