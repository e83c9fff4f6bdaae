#pragma once
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

class LanguageCatalog;

// The windows that open over the main window: they keep on top with it, close with it, and
// speak the language it speaks, also when they are created after the language was loaded.
class SecondaryWindows {
public:
    SecondaryWindows(QWidget *mainWindow, const LanguageCatalog &language);

    // A window handed over by the start-up sequence: it takes the keep-on-top state now, and
    // speaks the main window's language from now on.
    void add(QWidget *window);
    // A window the main window creates on first use: it takes the language now and follows it.
    void addSpeaking(QWidget *window);

    bool isOnTop() const;
    void setOnTop(bool onTop);
    void closeAll();
    // The main window and the living secondary ones.
    QList<QWidget *> all() const;

private:
    QWidget *m_main;
    const LanguageCatalog &m_language;
    QList<QPointer<QWidget>> m_windows;
};
