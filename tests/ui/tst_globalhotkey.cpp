// The best-lineup hot key: which combinations may be taken from the whole desktop, the
// application-wide shortcut that serves everywhere else, re-registration and bad texts.
// On an X server (QT_QPA_PLATFORM=xcb) the key grab itself is checked too; the offscreen
// run skips those cases.
#include "platform/ui/GlobalHotKey.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

#if defined(SQW_HAVE_X11)
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace {

// Another X client: a second connection to the same server, as another program would have.
struct OtherClient {
    Display *dpy = nullptr;
    unsigned long window = 0;
    static int s_errors;
    static int countError(Display *, XErrorEvent *) { ++s_errors; return 0; }

    OtherClient() { dpy = XOpenDisplay(nullptr); }
    ~OtherClient()
    {
        if (dpy != nullptr)
            XCloseDisplay(dpy);
    }
    // Grabs the combination on the root window; true when the server granted it.
    bool grab(unsigned long keysym, unsigned mods)
    {
        s_errors = 0;
        auto previous = XSetErrorHandler(countError);
        XGrabKey(dpy, XKeysymToKeycode(dpy, keysym), mods, DefaultRootWindow(dpy), True,
                 GrabModeAsync, GrabModeAsync);
        XSync(dpy, False);
        XSetErrorHandler(previous);
        return s_errors == 0;
    }
    void ungrab(unsigned long keysym, unsigned mods)
    {
        XUngrabKey(dpy, XKeysymToKeycode(dpy, keysym), mods, DefaultRootWindow(dpy));
        XSync(dpy, False);
    }
    // Maps a window of its own and gives it the keyboard focus.
    void showFocusedWindow()
    {
        window = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), 10, 10, 200, 100, 0, 0, 0);
        XSelectInput(dpy, window, KeyPressMask | ExposureMask);
        XMapWindow(dpy, window);
        XSync(dpy, False);
        focus();
    }
    void focus()
    {
        XSetInputFocus(dpy, window, RevertToParent, CurrentTime);
        XSync(dpy, False);
    }
    // True when this client's window holds the keyboard focus.
    bool hasFocus()
    {
        Window focus = 0;
        int revert = 0;
        XGetInputFocus(dpy, &focus, &revert);
        return focus == window;
    }
    // The key syms of the presses that reached this client's window since the last call.
    QList<unsigned long> pendingPresses()
    {
        XSync(dpy, False);
        QList<unsigned long> syms;
        XEvent event;
        while (XCheckWindowEvent(dpy, window, KeyPressMask, &event))
            syms << XLookupKeysym(&event.xkey, 0);
        return syms;
    }
};
int OtherClient::s_errors = 0;

constexpr unsigned kCtrlShift = ControlMask | ShiftMask;
constexpr unsigned long kF9 = XK_F9;
constexpr unsigned long kF10 = XK_F10;
constexpr unsigned long kF8 = XK_F8;

} // namespace

// Xlib's short macro names clash with Qt's enumerations below.
#undef Bool
#undef None
#undef Status
#undef KeyPress
#undef KeyRelease
#undef FocusIn
#undef FocusOut
#undef Expose
#undef CursorShape
#undef Unsorted
#endif // SQW_HAVE_X11

class TestGlobalHotKey : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QWidget> m_window;

    static bool onX11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

private slots:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        m_window->resize(200, 120);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void keptInsideTheApplication_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("local");
        // The default hot key and the other editing shortcuts every program needs.
        QTest::newRow("copy, the default") << "Ctrl+C" << true;
        QTest::newRow("copy in lower case") << "ctrl+c" << true;
        QTest::newRow("cut") << "Ctrl+X" << true;
        QTest::newRow("paste") << "Ctrl+V" << true;
        QTest::newRow("undo") << "Ctrl+Z" << true;
        QTest::newRow("redo, Windows") << "Ctrl+Y" << true;
        QTest::newRow("redo, X11") << "Ctrl+Shift+Z" << true;
        QTest::newRow("select all") << "Ctrl+A" << true;
        QTest::newRow("save") << "Ctrl+S" << true;
        QTest::newRow("find") << "Ctrl+F" << true;
        QTest::newRow("print") << "Ctrl+P" << true;
        QTest::newRow("new") << "Ctrl+N" << true;
        QTest::newRow("open") << "Ctrl+O" << true;
        QTest::newRow("close") << "Ctrl+W" << true;
        QTest::newRow("quit") << "Ctrl+Q" << true;
        QTest::newRow("old copy") << "Ctrl+Insert" << true;
        QTest::newRow("old paste") << "Shift+Insert" << true;
        QTest::newRow("old cut") << "Shift+Del" << true;
        QTest::newRow("close window") << "Alt+F4" << true;
        QTest::newRow("switch window") << "Alt+Tab" << true;
        // Keys that type or move the cursor.
        QTest::newRow("a letter") << "C" << true;
        QTest::newRow("a capital") << "Shift+C" << true;
        QTest::newRow("an accented letter") << QStringLiteral("É") << true;
        QTest::newRow("space") << "Space" << true;
        QTest::newRow("return") << "Return" << true;
        QTest::newRow("selecting with shift") << "Shift+Left" << true;
        // Combinations nobody else needs.
        QTest::newRow("ctrl shift F9") << "Ctrl+Shift+F9" << false;
        QTest::newRow("ctrl K") << "Ctrl+K" << false;
        QTest::newRow("ctrl alt C") << "Ctrl+Alt+C" << false;
        QTest::newRow("ctrl shift C") << "Ctrl+Shift+C" << false;
        QTest::newRow("a function key") << "F9" << false;
        QTest::newRow("shift F9") << "Shift+F9" << false;
        QTest::newRow("meta L") << "Meta+L" << false;
    }
    void keptInsideTheApplication()
    {
        QFETCH(QString, text);
        QFETCH(bool, local);
        const QKeySequence seq = GlobalHotKey::parse(text);
        QCOMPARE(seq.count(), 1);
        QCOMPARE(GlobalHotKey::staysInsideApplication(seq[0]), local);

        GlobalHotKey hotKey(m_window.get());
        QVERIFY(hotKey.setShortcut(text));
        QCOMPARE(hotKey.shortcut(), seq);
        if (local || !onX11())
            QVERIFY(!hotKey.isSystemWide());
    }

    void parsing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("portable"); // empty: not one combination
        QTest::newRow("plain") << "Ctrl+Shift+F9" << "Ctrl+Shift+F9";
        QTest::newRow("blanks around") << "  Ctrl+K " << "Ctrl+K";
        QTest::newRow("modifier order") << "Shift+Ctrl+F9" << "Ctrl+Shift+F9";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("blank") << "   " << "";
        QTest::newRow("modifier alone") << "Ctrl+" << "";
        QTest::newRow("unknown key") << "Ctrl+Foo" << "";
        QTest::newRow("two chords") << "Ctrl+K, Ctrl+J" << "";
        QTest::newRow("words") << "hello world" << "";
    }
    void parsing()
    {
        QFETCH(QString, text);
        QFETCH(QString, portable);
        QCOMPARE(GlobalHotKey::parse(text).toString(QKeySequence::PortableText), portable);
    }

    void activatedThroughTheWindow_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("default") << "Ctrl+C" << int(Qt::Key_C) << int(Qt::ControlModifier);
        QTest::newRow("function key")
            << "Ctrl+Shift+F9" << int(Qt::Key_F9) << int(Qt::ControlModifier | Qt::ShiftModifier);
        QTest::newRow("alt letter") << "Alt+K" << int(Qt::Key_K) << int(Qt::AltModifier);
    }
    void activatedThroughTheWindow()
    {
        QFETCH(QString, text);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        GlobalHotKey hotKey(m_window.get());
        QSignalSpy spy(&hotKey, &GlobalHotKey::activated);
        QVERIFY(hotKey.setShortcut(text));
        if (hotKey.isSystemWide())
            QSKIP("A grabbed combination comes from the X server, never as a window's key event");
        QTest::keyClick(m_window.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTRY_COMPARE(spy.count(), 1);
        // Another modifier set is another combination.
        QTest::keyClick(m_window.get(), Qt::Key(key),
                        Qt::KeyboardModifiers(modifiers) | Qt::MetaModifier);
        QTest::qWait(20);
        QCOMPARE(spy.count(), 1);
    }

    void activatedFromAnotherWindowOfTheProgram()
    {
        GlobalHotKey hotKey(m_window.get());
        QSignalSpy spy(&hotKey, &GlobalHotKey::activated);
        QVERIFY(hotKey.setShortcut("Ctrl+C"));
        QDialog dialog;
        dialog.resize(100, 60);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(&dialog, Qt::Key_C, Qt::ControlModifier);
        QTRY_COMPARE(spy.count(), 1);
    }

    void silentUnderAModalWindow()
    {
        GlobalHotKey hotKey(m_window.get());
        QSignalSpy spy(&hotKey, &GlobalHotKey::activated);
        QVERIFY(hotKey.setShortcut("Ctrl+C"));
        QDialog modal(m_window.get());
        modal.resize(100, 60);
        QTimer::singleShot(0, &modal, [&] {
            QTest::keyClick(&modal, Qt::Key_C, Qt::ControlModifier);
            QTimer::singleShot(20, &modal, &QDialog::accept);
        });
        modal.exec();
        QTest::qWait(20);
        QCOMPARE(spy.count(), 0);
        // Closed again: the key works.
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::keyClick(m_window.get(), Qt::Key_C, Qt::ControlModifier);
        QTRY_COMPARE(spy.count(), 1);
    }

    void textFieldKeepsItsCopy()
    {
        // Inside a text field the default combination still copies, and runs no search.
        auto *edit = new QLineEdit(QStringLiteral("Müller"), m_window.get());
        edit->show();
        edit->setFocus();
        edit->selectAll();
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        GlobalHotKey hotKey(m_window.get());
        QSignalSpy spy(&hotKey, &GlobalHotKey::activated);
        QVERIFY(hotKey.setShortcut("Ctrl+C"));
        QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
        QTest::qWait(20);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Müller"));
    }

    void reRegistrationReplacesTheOldCombination()
    {
        GlobalHotKey hotKey(m_window.get());
        QSignalSpy spy(&hotKey, &GlobalHotKey::activated);
        QVERIFY(hotKey.setShortcut("Ctrl+K"));
        QVERIFY(hotKey.setShortcut("Ctrl+J"));
        if (hotKey.isSystemWide())
            QSKIP("On an X server the key grab cases check the replacement");
        QCOMPARE(hotKey.shortcut(), QKeySequence(QStringLiteral("Ctrl+J")));
        QTest::keyClick(m_window.get(), Qt::Key_K, Qt::ControlModifier);
        QTest::qWait(20);
        QCOMPARE(spy.count(), 0);
        QTest::keyClick(m_window.get(), Qt::Key_J, Qt::ControlModifier);
        QTRY_COMPARE(spy.count(), 1);
        // The same combination again: still exactly one registration.
        QVERIFY(hotKey.setShortcut("Ctrl+J"));
        QTest::keyClick(m_window.get(), Qt::Key_J, Qt::ControlModifier);
        QTRY_COMPARE(spy.count(), 2);
        QTest::qWait(20);
        QCOMPARE(spy.count(), 2);
    }

    void badTextLeavesNothingRegistered_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("unknown key") << "Ctrl+Foo";
        QTest::newRow("empty") << "";
        QTest::newRow("two chords") << "Ctrl+K, Ctrl+J";
    }
    void badTextLeavesNothingRegistered()
    {
        QFETCH(QString, text);
        GlobalHotKey hotKey(m_window.get());
        QSignalSpy spy(&hotKey, &GlobalHotKey::activated);
        QVERIFY(hotKey.setShortcut("Ctrl+C"));
        QVERIFY(!hotKey.setShortcut(text));
        QVERIFY(hotKey.shortcut().isEmpty());
        QVERIFY(!hotKey.isSystemWide());
        QTest::keyClick(m_window.get(), Qt::Key_C, Qt::ControlModifier);
        QTest::qWait(20);
        QCOMPARE(spy.count(), 0);
    }

    void goneWithItsWindow()
    {
        QPointer<GlobalHotKey> hotKey = new GlobalHotKey(m_window.get());
        QVERIFY(hotKey->setShortcut("Ctrl+C"));
        m_window.reset();
        QVERIFY(hotKey.isNull());
    }

#if defined(SQW_HAVE_X11)
    // ---- on an X server only ----

    void x11GrabIsSystemWide()
    {
        if (!onX11())
            QSKIP("Needs an X server");
        GlobalHotKey hotKey(m_window.get());
        QVERIFY(hotKey.setShortcut("Ctrl+Shift+F9"));
        QVERIFY(hotKey.isSystemWide());
        // While we hold it, another program cannot have it...
        OtherClient other;
        QVERIFY(other.dpy != nullptr);
        QVERIFY(!other.grab(kF9, kCtrlShift));
        // ...and once we let it go (here: by taking another key), it can.
        QVERIFY(hotKey.setShortcut("Ctrl+Shift+F10"));
        QVERIFY(hotKey.isSystemWide());
        QVERIFY(other.grab(kF9, kCtrlShift));
        other.ungrab(kF9, kCtrlShift);
        // A standard editing combination is never grabbed.
        QVERIFY(hotKey.setShortcut("Ctrl+C"));
        QVERIFY(!hotKey.isSystemWide());
        QVERIFY(other.grab(kF10, kCtrlShift));
        other.ungrab(kF10, kCtrlShift);
        // Gone with its object.
        {
            GlobalHotKey scoped(m_window.get());
            QVERIFY(scoped.setShortcut("Ctrl+Shift+F9"));
            QVERIFY(scoped.isSystemWide());
            QVERIFY(!other.grab(kF9, kCtrlShift));
        }
        QVERIFY(other.grab(kF9, kCtrlShift));
        other.ungrab(kF9, kCtrlShift);
    }

    void x11BusyCombinationFallsBack()
    {
        if (!onX11())
            QSKIP("Needs an X server");
        OtherClient other;
        QVERIFY(other.dpy != nullptr);
        QVERIFY(other.grab(kF10, kCtrlShift));
        GlobalHotKey hotKey(m_window.get());
        QVERIFY(hotKey.setShortcut("Ctrl+Shift+F10"));
        QVERIFY(!hotKey.isSystemWide());
        QCOMPARE(hotKey.shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+F10")));
        other.ungrab(kF10, kCtrlShift);
    }

    void x11FiresWhileAnotherProgramHasTheFocus()
    {
        if (!onX11())
            QSKIP("Needs an X server");
        const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
        if (xdotool.isEmpty())
            QSKIP("Needs xdotool to press real keys");
        GlobalHotKey hotKey(m_window.get());
        QSignalSpy spy(&hotKey, &GlobalHotKey::activated);
        QVERIFY(hotKey.setShortcut("Ctrl+Shift+F9"));
        QVERIFY(hotKey.isSystemWide());
        OtherClient other;
        QVERIFY(other.dpy != nullptr);
        other.showFocusedWindow();
        QVERIFY(other.hasFocus());
        QCOMPARE(QProcess::execute(xdotool, {"key", "ctrl+shift+F9"}), 0);
        QTRY_COMPARE(spy.count(), 1);
        QVERIFY(other.hasFocus());
        // A key of no interest still reaches the focused program, the hot key does not.
        QCOMPARE(QProcess::execute(xdotool, {"key", "ctrl+shift+F8", "ctrl+shift+F9"}), 0);
        QTRY_COMPARE(spy.count(), 2);
        QTest::qWait(50);
        const QList<unsigned long> seen = other.pendingPresses();
        QCOMPARE(seen.count(kF8), 1);
        QCOMPARE(seen.count(kF9), 0);
        // With Num Lock on it still fires.
        QCOMPARE(QProcess::execute(xdotool, {"key", "Num_Lock", "ctrl+shift+F9", "Num_Lock"}), 0);
        QTRY_COMPARE(spy.count(), 3);
        // Under one of our modal windows it is silent, as the application-wide shortcut is.
        {
            QDialog modal(m_window.get());
            QTimer::singleShot(50, &modal, [&] {
                QProcess::execute(xdotool, {"key", "ctrl+shift+F9"});
                QTimer::singleShot(150, &modal, &QDialog::accept);
            });
            modal.exec();
        }
        QTest::qWait(50);
        QCOMPARE(spy.count(), 3);
        // Released: the focused program gets the keys again.
        other.focus();
        QVERIFY(other.hasFocus());
        hotKey.clear();
        other.pendingPresses();
        QCOMPARE(QProcess::execute(xdotool, {"key", "ctrl+shift+F9"}), 0);
        QTest::qWait(100);
        QCOMPARE(spy.count(), 3);
        QCOMPARE(other.pendingPresses().count(kF9), 1);
    }
#endif
};

QTEST_MAIN(TestGlobalHotKey)
#include "tst_globalhotkey.moc"
