#include "platform/ui/GlobalHotKey.h"
#include "platform/ui/NativeHotKey.h"

#include <QApplication>
#include <QShortcut>
#include <QWidget>
#include <array>

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
    if (!NativeHotKey::grab(m_window, combination, &m_native))
        return false;
    if (!m_filterInstalled) {
        QCoreApplication::instance()->installNativeEventFilter(this);
        m_filterInstalled = true;
    }
    return true;
}

void GlobalHotKey::releaseSystemWide()
{
    NativeHotKey::release(m_window, m_native);
    m_native = {};
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
    if (!NativeHotKey::matches(eventType, message, m_native))
        return false;
    fireUnlessModal();
    return true;
}
