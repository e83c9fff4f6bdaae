#pragma once
#include "common/AppError.h"

// A step of an online run failed: names the step in plain words and the reason.
class OnlineError : public AppError {
public:
    OnlineError(const QString &step, const QString &reason)
        : AppError(QStringLiteral("%1: %2").arg(step, reason)), m_step(step), m_reason(reason) {}
    const QString &step() const { return m_step; }
    const QString &reason() const { return m_reason; }

private:
    QString m_step;
    QString m_reason;
};
