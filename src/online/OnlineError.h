#pragma once
#include "common/AppError.h"
#include "common/Vocabulary.h"

#include <QStringList>

// A step of an online run failed: names the step and the reason. The step is a fixed English
// word that scripts may read; the message says it in the user's language.
class OnlineError : public AppError {
public:
    OnlineError(const QString &step, const QString &reason)
        : AppError(vocab(QStringLiteral("MSG_STEP_REASON")).arg(stepName(step), reason)), m_step(step), m_reason(reason) {}
    const QString &step() const { return m_step; }
    const QString &reason() const { return m_reason; }

    // The step as the user reads it; a step without a text of its own is shown as it is.
    static QString stepName(const QString &step)
    {
        for (const StepText &n : kStepTexts)
            if (step == QLatin1String(n.step))
                return vocab(QLatin1String(n.key));
        return step;
    }
    // Every step's name as the user reads it, in the current language (what a panel must fit).
    static QStringList stepNames()
    {
        QStringList names;
        for (const StepText &n : kStepTexts)
            names << vocab(QLatin1String(n.key));
        return names;
    }

private:
    struct StepText {
        const char *step;
        const char *key;
    };
    static constexpr StepText kStepTexts[] = {
        {"menu", "MSG_STEPNAME_MENU"},          {"security code check", "MSG_STEPNAME_SECURITY"},
        {"login", "MSG_STEPNAME_LOGIN"},        {"logout", "MSG_STEPNAME_LOGOUT"},
        {"team details", "MSG_STEPNAME_TEAM"},  {"players", "MSG_STEPNAME_PLAYERS"},
        {"training", "MSG_STEPNAME_TRAINING"},  {"matches", "MSG_STEPNAME_MATCHES"},
        {"match orders", "MSG_STEPNAME_ORDERS"}, {"storing the files", "MSG_STEPNAME_STORE"},
        {"download", "MSG_STEPNAME_DOWNLOAD"},  {"version file", "MSG_STEPNAME_VERSION"},
    };

    QString m_step;
    QString m_reason;
};
