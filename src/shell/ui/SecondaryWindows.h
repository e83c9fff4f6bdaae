#pragma once
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

// The windows that open over the main window: they keep on top with it, close with it, and
// speak the language it speaks, also when they are created after the language was loaded.
class SecondaryWindows {
public:
    // resourceFolder: where the language files are.
    SecondaryWindows(QWidget *mainWindow, QString resourceFolder);

    // A window handed over by the start-up sequence: it takes the keep-on-top state now.
    void add(QWidget *window);
    // A window the main window creates on first use: it takes the language now.
    void addSpeaking(QWidget *window, const QString &language);
    // The language file's texts on the window; nothing when the name has no file.
    void speak(QWidget *window, const QString &language) const;

    bool isOnTop() const;
    void setOnTop(bool onTop);
    void closeAll();
    // The main window and the living secondary ones.
    QList<QWidget *> all() const;

private:
    QWidget *m_main;
    QString m_resourceFolder;
    QList<QPointer<QWidget>> m_windows;
};
