#pragma once
#include <QByteArray>
#include <QKeyCombination>

class QWidget;

// The desktop-wide key registration behind GlobalHotKey. The build compiles exactly one
// implementation: x11/ where there is an X server library, windows/ on Windows, fallback/
// elsewhere (no desktop-wide grab: GlobalHotKey then uses its application-wide shortcut).
namespace NativeHotKey {

// What a successful grab registered: the X11 key code and modifier mask, or the Windows hot
// key id. All zero when nothing is registered.
struct Registration {
    unsigned key = 0;
    unsigned modifiers = 0;
    int id = 0;
};

// Registers the combination for the whole desktop. False, with nothing registered, when the
// running session offers no such grab, the key has no native code or another program owns it.
bool grab(QWidget *window, QKeyCombination combination, Registration *registration);

// Gives back what grab() registered; nothing happens for an empty registration.
void release(QWidget *window, const Registration &registration);

// True when a native event (as a native event filter receives it) is the press of the
// registered combination.
bool matches(const QByteArray &eventType, void *message, const Registration &registration);

} // namespace NativeHotKey
