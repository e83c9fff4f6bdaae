#include "shell/ui/SecondaryWindows.h"

#include "platform/ui/KeepOnTop.h"
#include "shell/ui/WidgetLanguageApplier.h"

SecondaryWindows::SecondaryWindows(QWidget *mainWindow, const LanguageCatalog &language)
    : m_main(mainWindow), m_language(language)
{
}

void SecondaryWindows::add(QWidget *window)
{
    if (!window)
        return;
    m_windows << window;
    KeepOnTop::apply(window, isOnTop());
    WidgetLanguageApplier::attach(window, m_language);
}

void SecondaryWindows::addSpeaking(QWidget *window)
{
    m_windows << window;
    WidgetLanguageApplier::attach(window, m_language);
}

bool SecondaryWindows::isOnTop() const { return KeepOnTop::isOnTop(m_main); }

void SecondaryWindows::setOnTop(bool onTop)
{
    KeepOnTop::apply(m_main, onTop);
    for (const QPointer<QWidget> &window : std::as_const(m_windows))
        KeepOnTop::apply(window, onTop);
}

void SecondaryWindows::closeAll()
{
    for (const QPointer<QWidget> &window : std::as_const(m_windows))
        if (window)
            window->close();
}

QList<QWidget *> SecondaryWindows::all() const
{
    QList<QWidget *> windows = {m_main};
    for (const QPointer<QWidget> &window : m_windows)
        if (window)
            windows << window;
    return windows;
}
