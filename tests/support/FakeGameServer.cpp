#include "FakeGameServer.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrlQuery>

namespace {
const QByteArray kXml = "text/xml; charset=utf-8";

QByteArray stepOf(const QByteArray &path, const QByteArray &action)
{
    if (path == "/Common/menu.asp")
        return "menu";
    if (path == "/Common/default.asp") {
        if (action == "checkSecurityCode")
            return "security";
        return action; // login, logout
    }
    for (const char *s : {"teamDetails", "players", "training", "matches", "matchOrders"}) {
        if (path == "/Common/" + QByteArray(s) + ".asp")
            return s;
    }
    return "unknown";
}

bool countDown(int &times)
{
    if (times == 0)
        return false;
    if (times > 0)
        --times;
    return true;
}

QByteArray fileBody(const QString &folder, const QString &name)
{
    const QStringList entries = QDir(folder).entryList(QDir::Files);
    for (const QString &e : entries) {
        if (e.compare(name, Qt::CaseInsensitive) == 0) {
            QFile f(QDir(folder).filePath(e));
            if (f.open(QIODevice::ReadOnly))
                return f.readAll();
        }
    }
    return {};
}
} // namespace

QByteArray FakeGameServer::Request::query(const QByteArray &name) const
{
    const int q = target.indexOf('?');
    if (q < 0)
        return {};
    for (const QByteArray &pair : target.mid(q + 1).split('&')) {
        const int eq = pair.indexOf('=');
        if (eq >= 0 && pair.left(eq) == name)
            return pair.mid(eq + 1);
    }
    return {};
}

FakeGameServer::FakeGameServer(QObject *parent) : QObject(parent), m_server(new QTcpServer(this))
{
    bodies.insert(QStringLiteral("teamDetails"), "<VelmorraData><Version>1.6</Version><Served>team</Served></VelmorraData>");
    bodies.insert(QStringLiteral("players"), "<VelmorraData><Version>1.2.6</Version><Served>players</Served></VelmorraData>");
    bodies.insert(QStringLiteral("training"), "<VelmorraData><Version>1.1</Version><Served>training</Served></VelmorraData>");
    bodies.insert(QStringLiteral("matches"), matchList({{"100", "PLAYED"}, {"4711", "UPCOMING"}}));
    bodies.insert(QStringLiteral("matchOrders"), "<VelmorraData><Version>1.2.1</Version><Served>orders</Served></VelmorraData>");
    connect(m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                m_buffers.remove(socket);
                socket->deleteLater();
            });
        }
    });
}

QByteArray FakeGameServer::matchList(const QList<QPair<QByteArray, QByteArray>> &idAndStatus)
{
    QByteArray xml = "<VelmorraData><Version>2.2</Version><Team><MatchList Count=\"" + QByteArray::number(idAndStatus.size()) + "\">";
    for (const auto &m : idAndStatus)
        xml += "<Match><MatchID>" + m.first + "</MatchID><Status>" + m.second + "</Status></Match>";
    return xml + "</MatchList></Team></VelmorraData>";
}

void FakeGameServer::serveFolder(const QString &folder)
{
    bodies[QStringLiteral("teamDetails")] = fileBody(folder, QStringLiteral("team.xml"));
    bodies[QStringLiteral("players")] = fileBody(folder, QStringLiteral("players.xml"));
    bodies[QStringLiteral("training")] = fileBody(folder, QStringLiteral("Training.xml"));
    bodies[QStringLiteral("matchOrders")] = fileBody(folder, QStringLiteral("MatchOrders.xml"));
}

bool FakeGameServer::listen(quint16 port) { return m_server->listen(QHostAddress::LocalHost, port); }
quint16 FakeGameServer::port() const { return m_server->serverPort(); }

QStringList FakeGameServer::steps() const
{
    QStringList out;
    for (const Request &r : requests)
        out << r.step;
    return out;
}

void FakeGameServer::onReadyRead(QTcpSocket *socket)
{
    QByteArray &buffer = m_buffers[socket];
    buffer += socket->readAll();
    const int end = buffer.indexOf("\r\n\r\n");
    if (end < 0)
        return;
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    Request request;
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    request.method = first.value(0);
    request.target = first.value(1);
    // A client that goes through a proxy names the whole address; this server plays that proxy.
    if (request.target.startsWith("http://")) {
        const qsizetype path = request.target.indexOf('/', 7);
        request.proxiedHost = request.target.mid(7, path < 0 ? -1 : path - 7);
        request.target = path < 0 ? QByteArray("/") : request.target.mid(path);
    }
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
    }
    const qsizetype length = request.headers.value("content-length").toLongLong();
    if (buffer.size() < end + 4 + length)
        return;
    buffer.clear();
    const int q = request.target.indexOf('?');
    request.step = QString::fromLatin1(stepOf(q < 0 ? request.target : request.target.left(q), request.query("actionType")));
    requests.append(request);
    answer(socket, request);
}

void FakeGameServer::send(QTcpSocket *socket, int status, const QByteArray &type, const QByteArray &body,
                          const QList<QByteArray> &extraHeaders)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + (status == 200 ? " OK" : status == 302 ? " Found" : " Error")
                      + "\r\nServer: fake\r\nContent-Type: " + type + "\r\nContent-Length: " + QByteArray::number(body.size())
                      + "\r\nConnection: close\r\n";
    for (const QByteArray &h : extraHeaders)
        head += h + "\r\n";
    socket->write(head + "\r\n" + body);
    socket->disconnectFromHost();
}

void FakeGameServer::answer(QTcpSocket *socket, const Request &request)
{
    const QString step = request.step;
    if (!request.proxiedHost.isEmpty() && !proxyCredentials.isEmpty()
        && request.headers.value("proxy-authorization") != "Basic " + proxyCredentials.toBase64())
        return send(socket, 407, "text/html; charset=utf-8", "proxy authentication required",
                    {"Proxy-Authenticate: Basic realm=\"fake proxy\""});
    if (step == slowStep)
        return; // the connection stays open and silent
    if (step == failStep)
        return send(socket, 500, "text/html; charset=utf-8", "<html>internal error</html>");
    if (step == redirectStep && redirects != 0) {
        const int hop = request.query("hop").toInt();
        if (redirects < 0 || hop < redirects) {
            const QByteArray target = hop == 0 ? request.target + (request.target.contains('?') ? "&hop=1" : "?hop=1")
                                               : QByteArray(request.target).replace("hop=" + QByteArray::number(hop),
                                                                                    "hop=" + QByteArray::number(hop + 1));
            return send(socket, 302, "text/html; charset=utf-8", "", {"Location: " + baseUrl().toLatin1() + target});
        }
    }
    const QByteArray cookie = request.headers.value("cookie");
    if (step == QLatin1String("menu")) {
        m_menuCookie = "SessionID=menu" + QByteArray::number(++m_sessions);
        return send(socket, 200, kXml,
                    "<Menu><RecommendedURL>" + (menuWithoutUrl ? QByteArray() : baseUrl().toLatin1()) + "</RecommendedURL></Menu>",
                    {"Set-Cookie: " + m_menuCookie + "; path=/"});
    }
    if (step == QLatin1String("security") || step == QLatin1String("login")) {
        if (cookie != m_menuCookie)
            return send(socket, 403, "text/html; charset=utf-8", "no session");
        const QString name = QString::fromUtf8(QByteArray::fromPercentEncoding(request.query("loginname")));
        if (step == QLatin1String("security"))
            return send(socket, 200, kXml,
                        QByteArray("<Security><HasSecurityCode>") + (hasSecurityCode ? "True" : "False") + "</HasSecurityCode></Security>");
        const QString given = QString::fromUtf8(QByteArray::fromPercentEncoding(request.query("readonlypassword")));
        if (name != user || given != code)
            return send(socket, 200, kXml, "<Login><ActionSuccessful>False</ActionSuccessful></Login>");
        m_sessionCookie = "SessionID=sess" + QByteArray::number(m_sessions);
        return send(socket, 200, kXml, "<Login><ActionSuccessful>True</ActionSuccessful></Login>",
                    {"X-Note: the session cookie follows", "Set-Cookie: " + m_sessionCookie + "; path=/; HttpOnly"});
    }
    if (step == QLatin1String("logout")) {
        if (countDown(logoutFailures))
            return send(socket, 200, kXml, "<Logout><ActionSuccessful>False</ActionSuccessful></Logout>");
        m_sessionCookie.clear();
        const QByteArray done = "<Logout><ActionSuccessful>True</ActionSuccessful></Logout>";
        if (step == dropStep)
            return dropMidBody(socket, done);
        return send(socket, 200, kXml, done);
    }
    if (!bodies.contains(step))
        return send(socket, 404, "text/html; charset=utf-8", "not found");
    if (m_sessionCookie.isEmpty() || cookie != m_sessionCookie)
        return send(socket, 403, "text/html; charset=utf-8", "not logged in");
    QByteArray body = bodies.value(step);
    QByteArray type = kXml;
    if (step == QLatin1String("teamDetails") && countDown(wrongTypeTimes))
        type = "text/plain";
    if (step == QLatin1String("matches") && countDown(malformedMatchesTimes))
        body = "<VelmorraData><Team><MatchList Count=\"3\"><Match>";
    if (step == dropStep)
        return dropMidBody(socket, body);
    send(socket, 200, type, body);
}

void FakeGameServer::dropMidBody(QTcpSocket *socket, const QByteArray &body)
{
    socket->write("HTTP/1.1 200 OK\r\nContent-Type: " + kXml + "\r\nContent-Length: " + QByteArray::number(body.size() + 1000)
                  + "\r\n\r\n" + body.left(body.size() / 2));
    socket->flush();
    socket->disconnectFromHost();
}
