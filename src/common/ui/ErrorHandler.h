#pragma once
#include <QString>
#include <functional>

// The one application error handler. Every widget handler runs its body through guarded():
// no exception ever crosses a Qt event handler. A failure restores the normal cursor,
// switches the busy indicator off and shows the message in the main window's status bar,
// so that no failure is ever silent. What was stored before the failure stays.
namespace ErrorHandler {

// Where messages and the busy indicator go (the main window installs both).
void setMessageSink(std::function<void(const QString &)> sink);
void setBusySink(std::function<void(bool)> sink);

// Restores the cursor, switches the busy indicator off and shows the message.
void report(const QString &message);

// Runs body; returns false when it failed (after reporting).
bool guarded(const std::function<void()> &body);

} // namespace ErrorHandler
