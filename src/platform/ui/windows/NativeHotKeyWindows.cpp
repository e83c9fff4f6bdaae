// The hot key as a Windows hot key (RegisterHotKey) on the main window: WM_HOTKEY then
// arrives in that window's message queue whichever program has the focus.
#include "platform/ui/NativeHotKey.h"

#include <QGuiApplication>
#include <QWidget>

#include <windows.h>

namespace {

UINT windowsVirtualKey(int key)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return UINT(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return VK_F1 + UINT(key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Tab: return VK_TAB;
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_Pause: return VK_PAUSE;
    case Qt::Key_Print: return VK_SNAPSHOT;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    default: break;
    }
    if (key >= 0x20 && key <= 0xff) {
        const SHORT scan = VkKeyScanW(WCHAR(key));
        if (scan != -1)
            return UINT(LOBYTE(scan));
    }
    return 0;
}

UINT windowsModifiers(Qt::KeyboardModifiers mods)
{
    UINT mask = MOD_NOREPEAT;
    if (mods & Qt::ShiftModifier)
        mask |= MOD_SHIFT;
    if (mods & Qt::ControlModifier)
        mask |= MOD_CONTROL;
    if (mods & Qt::AltModifier)
        mask |= MOD_ALT;
    if (mods & Qt::MetaModifier)
        mask |= MOD_WIN;
    return mask;
}

} // namespace

bool NativeHotKey::grab(QWidget *window, QKeyCombination combination, Registration *registration)
{
    if (!window || QGuiApplication::platformName() != QLatin1String("windows"))
        return false;
    const UINT vk = windowsVirtualKey(combination.key());
    if (vk == 0)
        return false;
    // Ids are never reused within the process, so a late WM_HOTKEY of an earlier
    // registration is never taken for the current one.
    static int nextId = 1;
    const int id = nextId++;
    const HWND hwnd = reinterpret_cast<HWND>(window->winId());
    if (!RegisterHotKey(hwnd, id, windowsModifiers(combination.keyboardModifiers()), vk))
        return false;
    registration->id = id;
    return true;
}

void NativeHotKey::release(QWidget *window, const Registration &registration)
{
    if (registration.id != 0 && window)
        UnregisterHotKey(reinterpret_cast<HWND>(window->winId()), registration.id);
}

bool NativeHotKey::matches(const QByteArray &eventType, void *message, const Registration &registration)
{
    if (eventType != "windows_generic_MSG" && eventType != "windows_dispatcher_MSG")
        return false;
    const MSG *msg = static_cast<const MSG *>(message);
    return msg->message == WM_HOTKEY && int(msg->wParam) == registration.id;
}
