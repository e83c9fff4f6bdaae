// No desktop-wide grab on this platform: the hot key is always the application-wide shortcut.
#include "platform/ui/NativeHotKey.h"

bool NativeHotKey::grab(QWidget *, QKeyCombination, Registration *)
{
    return false;
}

void NativeHotKey::release(QWidget *, const Registration &) {}

bool NativeHotKey::matches(const QByteArray &, void *, const Registration &)
{
    return false;
}
