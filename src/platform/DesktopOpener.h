#pragma once
#include <QUrl>
#include <functional>

// The desktop's "open" action on a file or an address (a document, a web page, a new mail).
// True when something took it. The widgets pass the desktop's own; tests record the address.
using DesktopOpener = std::function<bool(const QUrl &)>;
