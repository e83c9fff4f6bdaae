#pragma once
#include "about/UpdatePrompt.h"

class QWidget;

// The update check's questions as message boxes over a window.
class MessageBoxPrompt : public UpdatePrompt {
public:
    explicit MessageBoxPrompt(QWidget *parent) : m_parent(parent) {}
    void warn(const QString &text) override;
    bool confirm(const QString &question) override;

private:
    QWidget *m_parent;
};
