#pragma once
#include "platform/ui/NativeHotKey.h"

#include <QAbstractNativeEventFilter>
#include <QKeySequence>
#include <QObject>
#include <QPointer>

class QShortcut;
class QWidget;

// The program's hot key for the best lineup command.
//
// A combination is grabbed from the whole desktop where the platform allows it (an X11 key
// grab on the root window, RegisterHotKey on Windows), so the manager can ask for a lineup
// while the game's web page has the focus. Elsewhere (Wayland, offscreen), when another
// program already owns the combination, and for any combination other programs need for
// ordinary editing or typing (Ctrl+C, Ctrl+V, a bare letter...), it is an application-wide
// shortcut instead: it then works in every window of this program and nowhere else.
// Either way the key is silent while one of this program's modal windows is open.
class GlobalHotKey : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // The window the application-wide shortcut belongs to; it also owns this object.
    explicit GlobalHotKey(QWidget *window);
    ~GlobalHotKey() override;

    // Registers the combination written as text ("Ctrl+C", "Ctrl+Shift+F9"), replacing the
    // one registered before. Returns false, with nothing registered, when the text is not one
    // key combination.
    bool setShortcut(const QString &text);
    // Unregisters whatever is registered.
    void clear();

    // The registered combination; empty when nothing is registered.
    QKeySequence shortcut() const { return m_sequence; }
    // True when the combination works while other programs have the focus.
    bool isSystemWide() const { return m_systemWide; }

    // The single combination a text names, or an empty sequence when it names none
    // (unparsable, empty, several chords, or a modifier without a key).
    static QKeySequence parse(const QString &text);
    // True for combinations that must never be taken from other programs: the standard
    // editing shortcuts of every platform's key scheme, and keys that type or move the
    // cursor when pressed without Ctrl, Alt or Meta.
    static bool staysInsideApplication(QKeyCombination combination);

signals:
    // The combination was pressed. Always delivered through the event loop.
    void activated();

protected:
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    bool grabSystemWide(QKeyCombination combination);
    void releaseSystemWide();
    void fireLater();
    void fireUnlessModal();

    QPointer<QWidget> m_window;
    QShortcut *m_shortcut = nullptr;
    QKeySequence m_sequence;
    bool m_systemWide = false;
    bool m_filterInstalled = false;

    // What the platform registered for the desktop-wide grab.
    NativeHotKey::Registration m_native;
};
