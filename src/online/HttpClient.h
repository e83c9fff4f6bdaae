#pragma once
#include <QByteArray>
#include <QList>
#include <QNetworkProxy>
#include <QPair>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;

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
class HttpClient {
public:
    static constexpr int kDefaultTimeoutMs = 30000;
    static constexpr int kMaxRedirects = 5;

    explicit HttpClient(int timeoutMs = kDefaultTimeoutMs);

    // The server of a host setting ("host", "host:port" or a URL with scheme http:// or
    // https://): scheme, host and port, without path. Invalid when the setting is unusable.
    static QUrl serverUrl(const QString &hostSetting);
    ~HttpClient();
    HttpClient(const HttpClient &) = delete;
    HttpClient &operator=(const HttpClient &) = delete;

    void setCookie(const QByteArray &cookie) { m_cookie = cookie; }
    const QByteArray &cookie() const { return m_cookie; }
    void setAgent(const QByteArray &agent) { m_agent = agent; }
    const QByteArray &agent() const { return m_agent; }
    // An empty host means a direct connection.
    void setProxy(const QString &host, const QString &port, const QString &user, const QString &password);
    QNetworkProxy proxy() const;

    // Throws OnlineError(step, reason) on failure.
    HttpAnswer get(const QUrl &url, const QString &step);
    HttpAnswer post(const QUrl &url, const QString &step);

private:
    HttpAnswer request(const QUrl &url, bool post, const QString &step);

    QNetworkAccessManager *m_manager;
    int m_timeoutMs;
    QByteArray m_cookie;
    QByteArray m_agent;
};
