#pragma once
#include <QByteArray>
#include <QList>
#include <QNetworkProxy>
#include <QPair>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

struct HttpAnswer {
    int status = 0;
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers; // in the order received
    QByteArray header(const QByteArray &name) const; // first header of that name, any case
};

// The session's HTTP client: one request at a time, waited for in a local event loop so the
// windows stay responsive. It carries exactly the cookie it is given (no cookie store of its
// own), follows at most five redirections, gives every request a time limit, and turns a
// status of 400 or more (except 401 and 407), a refused or dropped connection and a timeout
// into an error whose reason never contains the request's query (it may hold credentials).
// The reason of a failure to reach the server also says what to check.
class HttpClient {
public:
    static constexpr int kDefaultTimeoutMs = 30000;
    static constexpr int kMaxRedirects = 5;

    explicit HttpClient(int timeoutMs = kDefaultTimeoutMs);
    ~HttpClient();
    HttpClient(const HttpClient &) = delete;
    HttpClient &operator=(const HttpClient &) = delete;

    void setTimeout(int timeoutMs) { m_timeoutMs = timeoutMs; }
    void setCookie(const QByteArray &cookie) { m_cookie = cookie; }
    const QByteArray &cookie() const { return m_cookie; }
    void setAgent(const QByteArray &agent) { m_agent = agent; }
    const QByteArray &agent() const { return m_agent; }
    // An empty host means a direct connection.
    void setProxy(const QString &host, const QString &port, const QString &user, const QString &password);
    QNetworkProxy proxy() const;

    // The vocabulary key of what a user should check when the server cannot be reached (the
    // setting that names it, or the connection); the game server's by default.
    void setAddressHint(const QString &vocabularyKey) { m_addressHint = vocabularyKey; }
    // The same hint for a reason of an error of this client's server.
    QString withAddressHint(const QString &reason) const;

    // Stops the request under way at once, and every later one until clearStop(): each fails
    // with the reason that the user stopped it.
    void stop();
    void clearStop() { m_stopped = false; }

    // Throws OnlineError(step, reason) on failure.
    HttpAnswer get(const QUrl &url, const QString &step);
    HttpAnswer post(const QUrl &url, const QString &step);

private:
    HttpAnswer request(const QUrl &url, bool post, const QString &step);

    QNetworkAccessManager *m_manager;
    int m_timeoutMs;
    QByteArray m_cookie;
    QByteArray m_agent;
    QString m_addressHint = QStringLiteral("MSG_CHECK_GAME_SERVER");
    bool m_stopped = false;
    QNetworkReply *m_current = nullptr; // the request under way
};
