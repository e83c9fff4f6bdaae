#include "platform/ui/DesktopOpen.h"

#include <QDesktopServices>

DesktopOpener DesktopOpen::opener()
{
    return [](const QUrl &url) { return QDesktopServices::openUrl(url); };
}
