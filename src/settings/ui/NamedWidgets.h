#pragma once
#include <QLabel>
#include <QLineEdit>
#include <QString>

// Labels and edit boxes of the settings windows, named so that the language files can reach them.
namespace NamedWidgets {

inline QLabel *label(const QString &text, const QString &name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

// A secret box shows one mark per character (the account's code, the proxy's password).
inline QLineEdit *edit(const char *name, QWidget *parent, int minimumWidth, bool secret = false)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMinimumWidth(minimumWidth);
    if (secret)
        edit->setEchoMode(QLineEdit::Password);
    return edit;
}

} // namespace NamedWidgets
