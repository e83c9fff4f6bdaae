// The hot key as a key grab on the X server's root window. Only under the xcb platform: on
// Wayland or offscreen there is no display to grab from.
#include "platform/ui/NativeHotKey.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <xcb/xcb.h>

#include <array>

namespace {

// Key grabs must also match with Caps Lock or Num Lock on, which add their own modifier bits.
int g_grabErrors = 0;

int recordGrabError(Display *, XErrorEvent *)
{
    ++g_grabErrors;
    return 0;
}

unsigned numLockMask(Display *dpy)
{
    unsigned mask = 0;
    const KeyCode numLock = XKeysymToKeycode(dpy, XK_Num_Lock);
    if (XModifierKeymap *map = XGetModifierMapping(dpy)) {
        for (int mod = 0; mod < 8 && numLock != 0; ++mod)
            for (int k = 0; k < map->max_keypermod; ++k)
                if (map->modifiermap[mod * map->max_keypermod + k] == numLock)
                    mask = 1u << mod;
        XFreeModifiermap(map);
    }
    return mask != 0 ? mask : Mod2Mask;
}

std::array<unsigned, 4> lockVariants(Display *dpy)
{
    const unsigned num = numLockMask(dpy);
    return {0u, unsigned(LockMask), num, unsigned(LockMask) | num};
}

constexpr unsigned kX11CommandMask = ShiftMask | ControlMask | Mod1Mask | Mod4Mask;

KeySym x11KeySym(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return XK_a + (key - Qt::Key_A);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return XK_F1 + (key - Qt::Key_F1);
    if ((key >= 0x20 && key <= 0x7e) || (key >= 0xa0 && key <= 0xff))
        return KeySym(key); // Latin-1 key syms share the character codes
    switch (key) {
    case Qt::Key_Escape: return XK_Escape;
    case Qt::Key_Tab: return XK_Tab;
    case Qt::Key_Backtab: return XK_ISO_Left_Tab;
    case Qt::Key_Backspace: return XK_BackSpace;
    case Qt::Key_Return: return XK_Return;
    case Qt::Key_Enter: return XK_KP_Enter;
    case Qt::Key_Insert: return XK_Insert;
    case Qt::Key_Delete: return XK_Delete;
    case Qt::Key_Pause: return XK_Pause;
    case Qt::Key_Print: return XK_Print;
    case Qt::Key_Home: return XK_Home;
    case Qt::Key_End: return XK_End;
    case Qt::Key_Left: return XK_Left;
    case Qt::Key_Up: return XK_Up;
    case Qt::Key_Right: return XK_Right;
    case Qt::Key_Down: return XK_Down;
    case Qt::Key_PageUp: return XK_Prior;
    case Qt::Key_PageDown: return XK_Next;
    case Qt::Key_Menu: return XK_Menu;
    default: return NoSymbol;
    }
}

unsigned x11Modifiers(Qt::KeyboardModifiers mods)
{
    unsigned mask = 0;
    if (mods & Qt::ShiftModifier)
        mask |= ShiftMask;
    if (mods & Qt::ControlModifier)
        mask |= ControlMask;
    if (mods & Qt::AltModifier)
        mask |= Mod1Mask;
    if (mods & Qt::MetaModifier)
        mask |= Mod4Mask;
    return mask;
}

Display *x11Display()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

// Grabs or releases the key with every lock variant; true when the server raised no error.
bool x11Grab(Display *dpy, KeyCode code, unsigned mods, bool grab)
{
    const Window root = DefaultRootWindow(dpy);
    XSync(dpy, False); // errors of earlier requests are not ours to count
    g_grabErrors = 0;
    auto previous = XSetErrorHandler(recordGrabError);
    for (unsigned extra : lockVariants(dpy)) {
        if (grab)
            XGrabKey(dpy, code, mods | extra, root, True, GrabModeAsync, GrabModeAsync);
        else
            XUngrabKey(dpy, code, mods | extra, root);
    }
    XSync(dpy, False);
    XSetErrorHandler(previous);
    return g_grabErrors == 0;
}

} // namespace

bool NativeHotKey::grab(QWidget *, QKeyCombination combination, Registration *registration)
{
    Display *dpy = x11Display();
    if (!dpy)
        return false;
    const KeySym sym = x11KeySym(combination.key());
    const KeyCode code = sym != NoSymbol ? XKeysymToKeycode(dpy, sym) : 0;
    if (code == 0)
        return false;
    const unsigned mods = x11Modifiers(combination.keyboardModifiers());
    if (!x11Grab(dpy, code, mods, true)) {
        // Another program owns part of it: give back what we did get.
        x11Grab(dpy, code, mods, false);
        return false;
    }
    registration->key = code;
    registration->modifiers = mods;
    return true;
}

void NativeHotKey::release(QWidget *, const Registration &registration)
{
    if (registration.key == 0)
        return;
    if (Display *dpy = x11Display())
        x11Grab(dpy, KeyCode(registration.key), registration.modifiers, false);
}

bool NativeHotKey::matches(const QByteArray &eventType, void *message, const Registration &registration)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
        return false;
    const auto *press = static_cast<const xcb_key_press_event_t *>(message);
    return press->detail == registration.key && (press->state & kX11CommandMask) == registration.modifiers;
}
