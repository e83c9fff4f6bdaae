#pragma once
#include "online/HttpClient.h"

#include <QString>
#include <QStringList>

class SessionView;

// The login session with the game server's XML interface: a menu request to the game host names
// the server of the session (the base URL) and hands out the session cookie; a check that the
// account has a security code; the login; and, at the end, the logout. Each answer is kept in the
// data folder under its answer file name. Nothing that holds the security code is ever shown.
class Session {
public:
    // gameHost: "host", "host:port" or a URL with scheme http:// or https://.
    Session(HttpClient &http, SessionView &view, const QString &dataFolder, const QString &gameHost,
            const QString &programVersion);

    // The menu request's URL for a game host setting; invalid when the setting is unusable.
    static QUrl menuUrl(const QString &gameHost);
    // Every text the session may give the connection field, with the server's address.
    static QStringList connectionFieldTexts(const QString &address);
    // Credentials in a query: trimmed, UTF-8, every byte but the unreserved characters as %XX.
    static QByteArray encodeCredential(const QString &text);
    // The cookie of a Set-Cookie value: up to the first ";" (attributes dropped).
    static QByteArray cookieOf(const QByteArray &setCookieValue);
    // The text of a child of an answer's root element; empty when the answer is no readable XML.
    static QString elementText(const QByteArray &xml, const QString &element);
    // The names of the answer files kept in the data folder (owner-only: they may name the session).
    static QStringList answerFiles();

    // True when the server confirmed the login. A refused login has been logged out again.
    // Throws OnlineError when a request fails.
    bool login(const QString &user, const QString &code);
    // True when the server confirmed the logout. After three failed attempts in a row no request
    // is sent any more. With no base URL nothing is sent and the result is false.
    bool logout();

    // Gives up a session whose run failed: its state on the server is unknown, so the next run
    // logs in afresh instead of sending requests over it.
    void abandon();

    void setGameHost(const QString &gameHost) { m_gameHost = gameHost; }
    bool connected() const { return m_connected; }
    const QString &baseUrl() const { return m_baseUrl; }
    const QByteArray &cookie() const { return m_cookie; }
    int failedLogouts() const { return m_failedLogouts; }
    HttpClient &http() { return m_http; }
    SessionView &view() { return m_view; }

    // Why the last login returned false: the step and a reason a user can act on.
    const QString &failureStep() const { return m_failureStep; }
    const QString &failureReason() const { return m_failureReason; }

    // Takes the cookie of an answer that carries a Set-Cookie header; others keep the held one.
    void takeCookie(const HttpAnswer &answer);
    // A request to the base URL was answered: the connection is up.
    void noteAnswered();

private:
    QString answerText(const HttpAnswer &answer, const QString &fileName, const QString &element);
    bool failEnd();

    HttpClient &m_http;
    SessionView &m_view;
    QString m_dataFolder;
    QString m_gameHost;
    QString m_version;
    QString m_baseUrl;
    QByteArray m_cookie;
    bool m_connected = false;
    int m_failedLogouts = 0;
    QString m_failureStep;
    QString m_failureReason;
};
