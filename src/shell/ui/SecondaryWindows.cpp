#include "shell/ui/SecondaryWindows.h"

#include "platform/ui/KeepOnTop.h"
#include "shell/LanguageFile.h"
#include "shell/ui/WidgetLanguageApplier.h"

SecondaryWindows::SecondaryWindows(QWidget *mainWindow, QString resourceFolder)
    : m_main(mainWindow), m_resourceFolder(std::move(resourceFolder))
{
}

void SecondaryWindows::add(QWidget *window)
{
    if (!window)
        return;
    m_windows << window;
    KeepOnTop::apply(window, isOnTop());
}

void SecondaryWindows::addSpeaking(QWidget *window, const QString &language)
{
    m_windows << window;
    speak(window, language);
}

void SecondaryWindows::speak(QWidget *window, const QString &language) const
{
    const QString path = LanguageFile::languageFilePath(m_resourceFolder, language);
    if (!path.isEmpty())
        WidgetLanguageApplier::apply(LanguageFile(path), {window});
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
