#include "about/ui/MessageBoxPrompt.h"

#include <QMessageBox>

void MessageBoxPrompt::warn(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Squadwright"), text, QMessageBox::Ok, m_parent);
    box.setObjectName(QStringLiteral("UpdateWarning"));
    box.exec();
}

bool MessageBoxPrompt::confirm(const QString &question)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Squadwright"), question, QMessageBox::Yes | QMessageBox::No,
                    m_parent);
    box.setObjectName(QStringLiteral("UpdateQuestion"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}
