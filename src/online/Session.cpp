#include "online/Session.h"

#include "datafiles/XmlFile.h"
#include "online/OnlineError.h"
#include "online/SessionView.h"

#include "common/Vocabulary.h"
#include "settings/Settings.h"
#include "platform/SafeFile.h"

#include <QDomDocument>

namespace {
const QString kStepMenu = QStringLiteral("menu");
const QString kStepSecurity = QStringLiteral("security code check");
const QString kStepLogin = QStringLiteral("login");
const QString kStepLogout = QStringLiteral("logout");
} // namespace

Session::Session(HttpClient &http, SessionView &view, const QString &dataFolder, const QString &gameHost,
                 const QString &programVersion)
    : m_http(http), m_view(view), m_dataFolder(dataFolder), m_gameHost(gameHost), m_version(programVersion)
{
    if (!m_dataFolder.endsWith(QLatin1Char('/')))
        m_dataFolder += QLatin1Char('/');
}

QUrl Session::menuUrl(const QString &gameHost)
{
    QUrl url = Settings::serverUrl(gameHost);
    if (!url.isValid())
        return {};
    url.setPath(QStringLiteral("/Common/menu.asp"));
    url.setQuery(QStringLiteral("outputType=XML"));
    return url;
}

QStringList Session::answerFiles()
{
    return {QStringLiteral("Connection.xml"), QStringLiteral("Security.xml"), QStringLiteral("Connection1.xml"),
            QStringLiteral("deconnect.xml")};
}

QStringList Session::connectionFieldTexts(const QString &address)
{
    return {vocab(QStringLiteral("MSG_NOT_CONNECTED")), vocab(QStringLiteral("MSG_TRYING_TO_CONNECT")).arg(address),
            vocab(QStringLiteral("MSG_CONNECTED_TO")).arg(address), vocab(QStringLiteral("MSG_DISCONNECTED")),
            vocab(QStringLiteral("MSG_NO_SECURITY_CODE")) + address};
}

QByteArray Session::encodeCredential(const QString &text)
{
    // Unreserved characters stay; every other UTF-8 byte becomes %XX (a blank too, never "+").
    return text.trimmed().toUtf8().toPercentEncoding();
}

QByteArray Session::cookieOf(const QByteArray &setCookieValue)
{
    const int semicolon = setCookieValue.indexOf(';');
    return (semicolon < 0 ? setCookieValue : setCookieValue.left(semicolon)).trimmed();
}

void Session::takeCookie(const HttpAnswer &answer)
{
    for (const auto &h : answer.headers) {
        if (h.first.compare("Set-Cookie", Qt::CaseInsensitive) == 0) {
            // Qt joins several Set-Cookie lines with a line feed: the first one holds the session.
            const QByteArray first = h.second.split('\n').value(0);
            const QByteArray cookie = cookieOf(first);
            if (!cookie.isEmpty()) {
                m_cookie = cookie;
                m_http.setCookie(m_cookie);
            }
            return;
        }
    }
}

void Session::noteAnswered()
{
    if (!m_baseUrl.isEmpty())
        m_connected = true;
}

QString Session::answerText(const HttpAnswer &answer, const QString &fileName, const QString &element)
{
    // The answer is kept for the curious, for the user alone (it may name the session); failing
    // to keep it does not stop the session.
    SafeFile::write(m_dataFolder + fileName, answer.body);
    return elementText(answer.body, element);
}

QString Session::elementText(const QByteArray &xml, const QString &element)
{
    // An answer nested deeper than any file of the game would take the parser ages: unreadable.
    QDomDocument doc;
    if (!XmlBounds::problem(xml).isEmpty() || !doc.setContent(xml))
        return {};
    return doc.documentElement().firstChildElement(element).text();
}

bool Session::failEnd()
{
    // No session was opened: the next run must log in again rather than use a dead one.
    m_connected = false;
    m_view.markStep(0, SessionView::RedFlag, true);
    m_view.setConnectionText(vocab(QStringLiteral("MSG_NOT_CONNECTED")));
    return false;
}

void Session::abandon()
{
    m_connected = false;
    m_baseUrl.clear();
    m_cookie.clear();
    m_http.setCookie({});
    m_view.setConnectionText(vocab(QStringLiteral("MSG_NOT_CONNECTED")));
}

bool Session::login(const QString &user, const QString &code)
{
    m_failureStep.clear();
    m_failureReason.clear();
    m_cookie.clear();
    m_http.setCookie({});
    m_http.setAgent("Squadwright, v" + m_version.toUtf8());
    m_view.clearSteps();
    m_view.addStep(vocab(QStringLiteral("MSG_STEP_CONNECTING")));

    if (user.trimmed().isEmpty() || code.trimmed().isEmpty()) {
        m_failureStep = kStepLogin;
        m_failureReason = vocab(QStringLiteral("SAISIR_INFO_USER"));
        m_view.showMessage(m_failureReason);
        return failEnd();
    }
    m_view.setBusy(true);
    m_view.setProgress(0);
    try {
        const QUrl menu = menuUrl(m_gameHost);
        if (!menu.isValid())
            throw OnlineError(kStepMenu, m_http.withAddressHint(
                                             vocab(QStringLiteral("MSG_BAD_GAME_HOST")).arg(m_gameHost)));
        const HttpAnswer menuAnswer = m_http.get(menu, kStepMenu);
        takeCookie(menuAnswer);
        m_baseUrl = answerText(menuAnswer, QStringLiteral("Connection.xml"), QStringLiteral("RecommendedURL")).trimmed();
        if (m_baseUrl.isEmpty())
            throw OnlineError(kStepMenu, m_http.withAddressHint(vocab(QStringLiteral("MSG_NO_SESSION_SERVER"))));
        m_view.setConnectionText(vocab(QStringLiteral("MSG_TRYING_TO_CONNECT")).arg(m_baseUrl));

        const QByteArray name = encodeCredential(user);
        const HttpAnswer security = m_http.post(
            QUrl::fromEncoded(m_baseUrl.toUtf8()
                              + "/Common/default.asp?actionType=checkSecurityCode&loginType=VLDX&outputType=XML&loginname=" + name),
            kStepSecurity);
        noteAnswered();
        takeCookie(security);
        if (answerText(security, QStringLiteral("Security.xml"), QStringLiteral("HasSecurityCode")) == QLatin1String("False")) {
            const QString noCode = vocab(QStringLiteral("MSG_NO_SECURITY_CODE"));
            m_view.addStep(noCode);
            m_view.setConnectionText(noCode + m_baseUrl);
            m_failureStep = kStepSecurity;
            m_failureReason = vocab(QStringLiteral("MSG_NO_SECURITY_CODE_WHY"));
            return failEnd();
        }
        m_view.setConnectionText(vocab(QStringLiteral("MSG_TRYING_TO_CONNECT")).arg(m_baseUrl));

        const HttpAnswer login = m_http.post(
            QUrl::fromEncoded(m_baseUrl.toUtf8() + "/Common/default.asp?actionType=login&loginType=VLDX&outputType=XML&loginname="
                              + name + "&readonlypassword=" + encodeCredential(code)),
            kStepLogin);
        noteAnswered();
        takeCookie(login);
        if (answerText(login, QStringLiteral("Connection1.xml"), QStringLiteral("ActionSuccessful")) == QLatin1String("True")) {
            m_connected = true;
            m_view.setConnectionText(vocab(QStringLiteral("MSG_CONNECTED_TO")).arg(m_baseUrl));
            m_view.markStep(0, SessionView::GreenFlag, true);
            return true;
        }
        m_failureStep = kStepLogin;
        m_failureReason = vocab(QStringLiteral("MSG_LOGIN_REFUSED"));
        m_view.showMessage(vocab(QStringLiteral("MSG_LOGIN_FAILED")));
        m_connected = false;
        logout();
        m_connected = false;
        return failEnd();
    } catch (const OnlineError &) {
        failEnd();
        throw;
    }
}

bool Session::logout()
{
    for (;;) {
        if (m_failedLogouts >= 3)
            return !m_connected;
        if (m_baseUrl.isEmpty())
            return false;
        const HttpAnswer answer = m_http.get(
            QUrl::fromEncoded(m_baseUrl.toUtf8() + "/Common/default.asp?outputType=XML&actionType=logout"), kStepLogout);
        noteAnswered();
        if (answerText(answer, QStringLiteral("deconnect.xml"), QStringLiteral("ActionSuccessful")) == QLatin1String("True")) {
            m_view.setConnectionText(vocab(QStringLiteral("MSG_DISCONNECTED")));
            m_http.setCookie({});
            m_cookie.clear();
            m_baseUrl.clear();
            m_connected = false;
            m_failedLogouts = 0;
            m_view.clearSteps();
            return true;
        }
        ++m_failedLogouts;
    }
}
