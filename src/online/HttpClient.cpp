#include "online/HttpClient.h"

#include "common/NumberText.h"
#include "common/Vocabulary.h"
#include "datafiles/XmlFile.h"
#include "online/OnlineError.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {
const QByteArray kAccept = "image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*";
const QByteArray kSender = "Squadwright, v 1.0.1";

// Why the server could not be reached; a proxy failure says to check the proxy.
QString networkReason(QNetworkReply::NetworkError error, bool *proxy)
{
    *proxy = false;
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
        return vocab(QStringLiteral("MSG_NET_REFUSED"));
    case QNetworkReply::RemoteHostClosedError:
        return vocab(QStringLiteral("MSG_NET_CLOSED"));
    case QNetworkReply::HostNotFoundError:
        return vocab(QStringLiteral("MSG_NET_HOST_NOT_FOUND"));
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
        *proxy = true;
        return vocab(QStringLiteral("MSG_REASON_HINT")).arg(vocab(QStringLiteral("MSG_NET_PROXY")), vocab(QStringLiteral("MSG_CHECK_PROXY")));
    case QNetworkReply::SslHandshakeFailedError:
        return vocab(QStringLiteral("MSG_NET_SECURE"));
    case QNetworkReply::TooManyRedirectsError:
        return vocab(QStringLiteral("MSG_NET_REDIRECTS"));
    default:
        return vocab(QStringLiteral("MSG_NET_FAILED")).arg(int(error));
    }
}
} // namespace

QByteArray HttpAnswer::header(const QByteArray &name) const
{
    for (const auto &h : headers) {
        if (h.first.compare(name, Qt::CaseInsensitive) == 0)
            return h.second;
    }
    return {};
}

HttpClient::HttpClient(int timeoutMs)
    : m_manager(new QNetworkAccessManager), m_timeoutMs(timeoutMs), m_agent("Mozilla/3.0 (compatible)")
{
    m_manager->setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
}

HttpClient::~HttpClient() { delete m_manager; }

void HttpClient::setProxy(const QString &host, const QString &port, const QString &user, const QString &password)
{
    if (host.trimmed().isEmpty()) {
        m_manager->setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
        return;
    }
    bool ok = false;
    const int p = port.trimmed().toInt(&ok);
    m_manager->setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, host.trimmed(), quint16(ok && p > 0 && p < 65536 ? p : 80),
                                      user, password));
}

QNetworkProxy HttpClient::proxy() const { return m_manager->proxy(); }

QString HttpClient::withAddressHint(const QString &reason) const
{
    return vocab(QStringLiteral("MSG_REASON_HINT")).arg(reason, vocab(m_addressHint));
}

void HttpClient::stop()
{
    m_stopped = true;
    if (m_current)
        m_current->abort();
}

HttpAnswer HttpClient::get(const QUrl &url, const QString &step) { return request(url, false, step); }
HttpAnswer HttpClient::post(const QUrl &url, const QString &step) { return request(url, true, step); }

HttpAnswer HttpClient::request(const QUrl &firstUrl, bool post, const QString &step)
{
    QUrl url = firstUrl;
    if (!url.isValid() || url.host().isEmpty())
        throw OnlineError(step, vocab(QStringLiteral("MSG_NET_NO_ADDRESS")));
    for (int redirects = 0;; ++redirects) {
        if (m_stopped)
            throw OnlineError(step, vocab(QStringLiteral("MSG_ONLINE_STOPPED")));
        QNetworkRequest req(url);
        req.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        req.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
        req.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
        req.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
        req.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
        req.setRawHeader("Accept", kAccept);
        req.setRawHeader("From", kSender);
        req.setRawHeader("Referer", kSender);
        req.setRawHeader("User-Agent", m_agent);
        if (!m_cookie.isEmpty())
            req.setRawHeader("Cookie", m_cookie);

        QNetworkReply *reply;
        if (post) {
            req.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/x-www-form-urlencoded"));
            reply = m_manager->post(req, QByteArray());
        } else {
            reply = m_manager->get(req);
        }
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        bool timedOut = false;
        QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
            timedOut = true;
            reply->abort();
        });
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        // No game file comes near the bound the readers accept; a server sending more is
        // broken or hostile, and is not allowed to fill the memory.
        bool tooLarge = false;
        QObject::connect(reply, &QNetworkReply::downloadProgress, &loop, [&](qint64 received, qint64) {
            if (received > XmlBounds::kMaxBytes && !tooLarge) {
                tooLarge = true;
                reply->abort();
            }
        });
        timer.start(m_timeoutMs);
        m_current = reply;
        if (!reply->isFinished())
            loop.exec();
        m_current = nullptr;
        timer.stop();

        HttpAnswer answer;
        answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->isOpen())
            answer.body = reply->readAll();
        for (const auto &pair : reply->rawHeaderPairs())
            answer.headers.append(pair);
        const QNetworkReply::NetworkError error = reply->error();
        const QString phrase = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        reply->deleteLater();

        if (m_stopped)
            throw OnlineError(step, vocab(QStringLiteral("MSG_ONLINE_STOPPED")));
        if (timedOut)
            throw OnlineError(step, withAddressHint(vocab(QStringLiteral("MSG_NET_TIMEOUT")).arg(NumberText::decimal(m_timeoutMs / 1000.0, vocab(QStringLiteral("DECIMAL_SEPARATOR"))))));
        if (tooLarge)
            throw OnlineError(step, vocab(QStringLiteral("MSG_NET_TOO_LARGE")).arg(XmlBounds::kMaxBytes / (1024 * 1024)));
        if (answer.status >= 400 && answer.status != 401 && answer.status != 407) {
            // "Not found" mostly means an address that names another web server.
            const QString reason = vocab(QStringLiteral("MSG_NET_STATUS")).arg(QStringLiteral("%1 %2").arg(answer.status).arg(phrase).trimmed());
            throw OnlineError(step, answer.status == 404 ? withAddressHint(reason) : reason);
        }
        if (answer.status == 0 || (error != QNetworkReply::NoError && (error < QNetworkReply::ContentAccessDenied
                                                       || (error >= QNetworkReply::ProtocolUnknownError && error < QNetworkReply::ProtocolFailure + 1)))) {
            bool proxy = false;
            const QString reason = networkReason(error, &proxy);
            throw OnlineError(step, proxy ? reason : withAddressHint(reason));
        }
        if (answer.status >= 300 && answer.status < 400) {
            const QByteArray location = answer.header("Location");
            if (!location.isEmpty()) {
                if (redirects >= kMaxRedirects)
                    throw OnlineError(step, vocab(QStringLiteral("MSG_NET_MORE_REDIRECTS")).arg(kMaxRedirects));
                url = url.resolved(QUrl::fromEncoded(location));
                if (answer.status != 307 && answer.status != 308)
                    post = false;
                continue;
            }
        }
        return answer;
    }
}
