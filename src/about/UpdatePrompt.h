#pragma once
#include <QString>

// The two questions of the update check, asked of the user: message boxes in the program,
// scripted answers in the tests.
class UpdatePrompt {
public:
    virtual ~UpdatePrompt() = default;
    // A warning with an OK button.
    virtual void warn(const QString &text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool confirm(const QString &question) = 0;
};
