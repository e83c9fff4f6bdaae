#include "common/ui/ErrorHandler.h"

#include "common/AppError.h"

#include <QApplication>
#include <QDebug>
#include <exception>

namespace {
std::function<void(const QString &)> g_messageSink;
std::function<void(bool)> g_busySink;
} // namespace

void ErrorHandler::setMessageSink(std::function<void(const QString &)> sink) { g_messageSink = std::move(sink); }

void ErrorHandler::setBusySink(std::function<void(bool)> sink) { g_busySink = std::move(sink); }

void ErrorHandler::report(const QString &message)
{
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    if (g_busySink)
        g_busySink(false);
    if (g_messageSink)
        g_messageSink(message);
    else
        qWarning().noquote() << message;
}

bool ErrorHandler::guarded(const std::function<void()> &body)
{
    try {
        body();
        return true;
    } catch (const AppError &e) {
        report(e.message());
    } catch (const std::exception &e) {
        report(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        report(QStringLiteral("An unexpected error stopped the command."));
    }
    return false;
}
