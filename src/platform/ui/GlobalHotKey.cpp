#include "platform/ui/GlobalHotKey.h"

#include <QApplication>
#include <QShortcut>
#include <QWidget>
#include <array>

#if defined(SQW_HAVE_X11)
#include <QtGui/qguiapplication_platform.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <xcb/xcb.h>
#endif

#if defined(Q_OS_WIN)
#include <windows.h>
#endif

namespace {

// Combinations other programs rely on for editing and window handling, whatever the key
// scheme of the platform we happen to run on: the settings file travels between machines.
constexpr std::array kAlwaysLocal = {
    "Ctrl+C", "Ctrl+X", "Ctrl+V", "Ctrl+Z", "Ctrl+Y", "Ctrl+A", "Ctrl+S", "Ctrl+F", "Ctrl+P",
    "Ctrl+N", "Ctrl+O", "Ctrl+W", "Ctrl+Q", "Ctrl+Shift+Z", "Ctrl+Insert", "Shift+Insert",
    "Shift+Del", "Ctrl+F4", "Alt+F4", "Alt+Tab", "Alt+Shift+Tab",
};

constexpr std::array kEditingKeys = {
    QKeySequence::Copy, QKeySequence::Cut,  QKeySequence::Paste, QKeySequence::Undo,
    QKeySequence::Redo, QKeySequence::SelectAll, QKeySequence::Save, QKeySequence::Find,
    QKeySequence::Print, QKeySequence::New, QKeySequence::Open, QKeySequence::Close,
    QKeySequence::Quit,
};

constexpr Qt::KeyboardModifiers kCommandModifiers =
    Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

bool sameCombination(QKeyCombination a, QKeyCombination b)
{
    return a.key() == b.key()
           && (a.keyboardModifiers() & ~Qt::KeypadModifier) == (b.keyboardModifiers() & ~Qt::KeypadModifier);
}

#if defined(SQW_HAVE_X11)

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

#endif // SQW_HAVE_X11

#if defined(Q_OS_WIN)

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

#endif // Q_OS_WIN

} // namespace

GlobalHotKey::GlobalHotKey(QWidget *window) : QObject(window), m_window(window) {}

GlobalHotKey::~GlobalHotKey()
{
    clear();
}

QKeySequence GlobalHotKey::parse(const QString &text)
{
    const QKeySequence seq(text.trimmed(), QKeySequence::PortableText);
    if (seq.count() != 1)
        return {};
    const int key = seq[0].key();
    // "Ctrl+" alone, or a text Qt could not read at all.
    if (key == 0 || key == Qt::Key_unknown || key == Qt::Key_Control || key == Qt::Key_Shift
        || key == Qt::Key_Alt || key == Qt::Key_Meta)
        return {};
    return seq;
}

bool GlobalHotKey::staysInsideApplication(QKeyCombination combination)
{
    const int key = combination.key();
    if (!(combination.keyboardModifiers() & kCommandModifiers)) {
        // Without Ctrl, Alt or Meta a character key types, and these keys edit or move.
        if (key < Qt::Key_Escape)
            return true;
        switch (key) {
        case Qt::Key_Escape: case Qt::Key_Tab: case Qt::Key_Backtab: case Qt::Key_Backspace:
        case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_Insert: case Qt::Key_Delete:
        case Qt::Key_Home: case Qt::Key_End: case Qt::Key_Left: case Qt::Key_Up:
        case Qt::Key_Right: case Qt::Key_Down: case Qt::Key_PageUp: case Qt::Key_PageDown:
            return true;
        default:
            break;
        }
    }
    for (const char *text : kAlwaysLocal)
        if (sameCombination(combination, QKeySequence(QLatin1String(text), QKeySequence::PortableText)[0]))
            return true;
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        for (QKeySequence::StandardKey standard : kEditingKeys)
            for (const QKeySequence &binding : QKeySequence::keyBindings(standard))
                if (binding.count() == 1 && sameCombination(combination, binding[0]))
                    return true;
    }
    return false;
}

bool GlobalHotKey::setShortcut(const QString &text)
{
    clear();
    const QKeySequence seq = parse(text);
    if (seq.isEmpty())
        return false;
    const QKeyCombination combination = seq[0];
    if (!staysInsideApplication(combination) && grabSystemWide(combination)) {
        m_sequence = seq;
        m_systemWide = true;
        return true;
    }
    if (!m_window)
        return false;
    m_shortcut = new QShortcut(seq, m_window);
    m_shortcut->setContext(Qt::ApplicationShortcut);
    m_shortcut->setAutoRepeat(false);
    connect(m_shortcut, &QShortcut::activated, this, &GlobalHotKey::fireLater);
    m_sequence = seq;
    return true;
}

void GlobalHotKey::clear()
{
    if (m_systemWide)
        releaseSystemWide();
    delete m_shortcut;
    m_shortcut = nullptr;
    m_sequence = QKeySequence();
    m_systemWide = false;
}

void GlobalHotKey::fireLater()
{
    // A search or a modal window started from the key must not run inside a native event
    // filter or a shortcut dispatch.
    QMetaObject::invokeMethod(this, [this] { emit activated(); }, Qt::QueuedConnection);
}

void GlobalHotKey::fireUnlessModal()
{
    // While one of our modal windows is open the application-wide shortcut stays silent;
    // the system-wide key does the same, so that no search starts under a dialog.
    if (QApplication::activeModalWidget() == nullptr)
        fireLater();
}

bool GlobalHotKey::grabSystemWide(QKeyCombination combination)
{
#if defined(SQW_HAVE_X11)
    if (Display *dpy = x11Display()) {
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
        m_nativeKey = code;
        m_nativeModifiers = mods;
        if (!m_filterInstalled) {
            QCoreApplication::instance()->installNativeEventFilter(this);
            m_filterInstalled = true;
        }
        return true;
    }
#endif
#if defined(Q_OS_WIN)
    if (m_window && QGuiApplication::platformName() == QLatin1String("windows")) {
        const UINT vk = windowsVirtualKey(combination.key());
        if (vk == 0)
            return false;
        static int nextId = 1;
        const int id = nextId++;
        const HWND hwnd = reinterpret_cast<HWND>(m_window->winId());
        if (!RegisterHotKey(hwnd, id, windowsModifiers(combination.keyboardModifiers()), vk))
            return false;
        m_windowsId = id;
        if (!m_filterInstalled) {
            QCoreApplication::instance()->installNativeEventFilter(this);
            m_filterInstalled = true;
        }
        return true;
    }
#endif
    Q_UNUSED(combination);
    return false;
}

void GlobalHotKey::releaseSystemWide()
{
#if defined(SQW_HAVE_X11)
    if (m_nativeKey != 0) {
        if (Display *dpy = x11Display())
            x11Grab(dpy, KeyCode(m_nativeKey), m_nativeModifiers, false);
    }
#endif
#if defined(Q_OS_WIN)
    if (m_windowsId != 0 && m_window)
        UnregisterHotKey(reinterpret_cast<HWND>(m_window->winId()), m_windowsId);
#endif
    m_nativeKey = 0;
    m_nativeModifiers = 0;
    m_windowsId = 0;
    if (m_filterInstalled && QCoreApplication::instance()) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
        m_filterInstalled = false;
    }
}

bool GlobalHotKey::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result)
{
    Q_UNUSED(result);
    if (!m_systemWide || message == nullptr)
        return false;
#if defined(SQW_HAVE_X11)
    if (eventType == "xcb_generic_event_t") {
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
            return false;
        const auto *press = static_cast<const xcb_key_press_event_t *>(message);
        if (press->detail == m_nativeKey && (press->state & kX11CommandMask) == m_nativeModifiers) {
            fireUnlessModal();
            return true;
        }
        return false;
    }
#endif
#if defined(Q_OS_WIN)
    if (eventType == "windows_generic_MSG" || eventType == "windows_dispatcher_MSG") {
        const MSG *msg = static_cast<const MSG *>(message);
        if (msg->message == WM_HOTKEY && int(msg->wParam) == m_windowsId) {
            fireUnlessModal();
            return true;
        }
        return false;
    }
#endif
    Q_UNUSED(eventType);
    return false;
}
