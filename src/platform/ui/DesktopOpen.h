#pragma once
#include "platform/DesktopOpener.h"

// The desktop's own "open" action (the default viewer, browser or mail program).
namespace DesktopOpen {
DesktopOpener opener();
}
