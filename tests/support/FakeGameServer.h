#pragma once
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

class QTcpServer;
class QTcpSocket;

// A game server on 127.0.0.1 speaking real HTTP over a socket: the menu, the security code
// check, the login, the logout and the five data requests, with the cookies and content types
// the program expects. It can be told to misbehave. Each answer closes its connection.
class FakeGameServer : public QObject {
    Q_OBJECT
public:
    struct Request {
        QByteArray method;
        QByteArray target;  // path and query (an absolute address sent to a proxy is cut to them)
        QByteArray proxiedHost; // the host named by an absolute address: the request came as to a proxy
        QString step;       // menu, security, login, logout, teamDetails, players, training, matches, matchOrders
        QHash<QByteArray, QByteArray> headers; // names in lower case
        QByteArray query(const QByteArray &name) const; // the raw (still encoded) value
    };

    explicit FakeGameServer(QObject *parent = nullptr);
    bool listen(quint16 port = 0);
    quint16 port() const;
    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(port()); }
    QString baseUrl() const { return QStringLiteral("http://") + host(); }

    // The bodies of the data answers: teamDetails, players, training, matches, matchOrders.
    QHash<QString, QByteArray> bodies;
    // Reads the sample team's files of a data folder into bodies (the matches get an invented list).
    void serveFolder(const QString &folder);

    // The account: the login succeeds for exactly this name and code.
    QString user = QStringLiteral("manager");
    QString code = QStringLiteral("s3cret");
    bool hasSecurityCode = true;

    // Misbehaviour. A count of -1 means every time.
    int wrongTypeTimes = 0;        // team details sent as text/plain
    int malformedMatchesTimes = 0; // matches answer that is not XML
    int logoutFailures = 0;        // logouts answered ActionSuccessful False
    bool menuWithoutUrl = false;   // a menu answer that names no session server
    QString failStep;              // answered 500
    QString dropStep;              // connection closed mid-body
    QString slowStep;              // never answered
    QString redirectStep;          // answered by redirections first
    QByteArray proxyCredentials;   // as a proxy: "user:password" its Basic authentication wants
    int redirects = 0;             // how many (-1: an endless loop)

    QList<Request> requests;
    QStringList steps() const;
    QByteArray sessionCookie() const { return m_sessionCookie; }

    static QByteArray matchList(const QList<QPair<QByteArray, QByteArray>> &idAndStatus);

private:
    void onReadyRead(QTcpSocket *socket);
    void answer(QTcpSocket *socket, const Request &request);
    static void dropMidBody(QTcpSocket *socket, const QByteArray &body);
    static void send(QTcpSocket *socket, int status, const QByteArray &type, const QByteArray &body,
                     const QList<QByteArray> &extraHeaders = {});

    QTcpServer *m_server;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    QByteArray m_menuCookie;
    QByteArray m_sessionCookie;
    int m_sessions = 0;
};
