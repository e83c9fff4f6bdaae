#include "settings/Settings.h"

namespace {
const QString kDefaut = QStringLiteral("defaut");
const QString kOptions = QStringLiteral("options");
const QString kYes = QStringLiteral("YES");
const QString kNo = QStringLiteral("NO");
const QString kUser = QStringLiteral("user");
const QString kOnline = QStringLiteral("online");
// The settings dialog has always written the formula section in lower case.
const QString kPlayer = QStringLiteral("player");
} // namespace

const QString Settings::kPlayersXml = QStringLiteral("PlayersXML");
const QString Settings::kRepositionnement = QStringLiteral("repositionnement");
const QString Settings::kOnTop = QStringLiteral("ontop");
const QString Settings::kHotKey = QStringLiteral("HotKey");
const QString Settings::kLangue = QStringLiteral("langue");
const QString Settings::kCartons = QStringLiteral("cartons");
const QString Settings::kBlesse = QStringLiteral("blesse");
const QString Settings::kCalculAll = QStringLiteral("CalculAll");
const QString Settings::kMethode = QStringLiteral("methode");

Settings::Settings(const QString &path, QObject *parent) : QObject(parent), m_file(path) {}

bool Settings::written(bool ok, const QString &key)
{
    if (ok)
        emit changed(key);
    else
        emit writeFailed(key);
    return ok;
}

QString Settings::playersXml() const { return m_file.readString(kDefaut, kPlayersXml, QString()); }
bool Settings::setPlayersXml(const QString &path) { return written(m_file.writeString(kDefaut, kPlayersXml, path), kPlayersXml); }

int Settings::repositionnement() const { return m_file.readInteger(kDefaut, kRepositionnement, 0); }
bool Settings::setRepositionnement(int entry)
{
    return written(m_file.writeInteger(kDefaut, kRepositionnement, entry), kRepositionnement);
}

bool Settings::onTop() const
{
    return m_file.readString(kDefaut, kOnTop, QStringLiteral("no")).toLower() == QLatin1String("yes");
}
bool Settings::setOnTop(bool onTop)
{
    return written(m_file.writeString(kDefaut, kOnTop, onTop ? QStringLiteral("yes") : QStringLiteral("no")), kOnTop);
}

QString Settings::hotKey() const { return m_file.readString(kDefaut, kHotKey, QStringLiteral("Ctrl+C")); }
bool Settings::setHotKey(const QString &text) { return written(m_file.writeString(kDefaut, kHotKey, text), kHotKey); }

QString Settings::langue() const { return m_file.readString(kDefaut, kLangue, QString()); }
QString Settings::langue(const QString &def) const { return m_file.readString(kDefaut, kLangue, def); }
bool Settings::setShowConfig(bool on)
{
    return written(m_file.writeBool(kDefaut, QStringLiteral("ShowConfig"), on), QStringLiteral("ShowConfig"));
}
bool Settings::setLangue(const QString &name) { return written(m_file.writeString(kDefaut, kLangue, name), kLangue); }

bool Settings::option(const QString &key) const { return m_file.readString(kOptions, key, kNo) == kYes; }
bool Settings::setOption(const QString &key, bool on) { return written(m_file.writeString(kOptions, key, on ? kYes : kNo), key); }

bool Settings::cartons() const { return option(kCartons); }
bool Settings::setCartons(bool on) { return setOption(kCartons, on); }
bool Settings::blesse() const { return option(kBlesse); }
bool Settings::setBlesse(bool on) { return setOption(kBlesse, on); }
bool Settings::calculAll() const { return option(kCalculAll); }
bool Settings::setCalculAll(bool on) { return setOption(kCalculAll, on); }

int Settings::methode() const { return m_file.readInteger(kOptions, kMethode, 0); }
bool Settings::setMethode(int entry) { return written(m_file.writeInteger(kOptions, kMethode, entry), kMethode); }

const QString Settings::kDefaultGameHost = QStringLiteral("www.velmorra.com");

QString Settings::userName() const { return m_file.readString(kUser, QStringLiteral("UserName"), QString()); }
bool Settings::setUserName(const QString &name)
{
    return written(m_file.writeString(kUser, QStringLiteral("UserName"), name), QStringLiteral("UserName"));
}
QString Settings::securityPassword() const { return m_file.readString(kUser, QStringLiteral("SecurityPassword"), QString()); }
QString Settings::teamId() const { return m_file.readString(kUser, QStringLiteral("TeamID"), QString()); }

QString Settings::gameHost() const
{
    const QString host = m_file.readString(kOnline, QStringLiteral("GameHost"), QString()).trimmed();
    return host.isEmpty() ? kDefaultGameHost : host;
}
const QString Settings::kDefaultUpdateHost = QStringLiteral("updates.squadwright.example");

QString Settings::updateHost() const
{
    const QString host = m_file.readString(kOnline, QStringLiteral("UpdateHost"), QString()).trimmed();
    return host.isEmpty() ? kDefaultUpdateHost : host;
}
bool Settings::setGameHost(const QString &host)
{
    return written(m_file.writeString(kOnline, QStringLiteral("GameHost"), host.trimmed()), QStringLiteral("GameHost"));
}
bool Settings::setUpdateHost(const QString &host)
{
    return written(m_file.writeString(kOnline, QStringLiteral("UpdateHost"), host.trimmed()), QStringLiteral("UpdateHost"));
}

QUrl Settings::serverUrl(const QString &hostSetting)
{
    QString host = hostSetting.trimmed();
    if (host.isEmpty())
        return {};
    if (!host.contains(QLatin1String("://")))
        host.prepend(QLatin1String("http://"));
    QUrl url(host, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return {};
    url.setPath(QString());
    url.setQuery(QString());
    url.setFragment(QString());
    return url;
}

bool Settings::useProxy() const { return m_file.readBool(kOnline, QStringLiteral("UseProxy"), false); }
QString Settings::proxy() const { return m_file.readString(kOnline, QStringLiteral("Proxy"), QString()); }
QString Settings::proxyPort() const { return m_file.readString(kOnline, QStringLiteral("ProxyPort"), QStringLiteral("80")); }
QString Settings::userProxy() const { return m_file.readString(kOnline, QStringLiteral("UserProxy"), QString()); }
QString Settings::proxyPassword() const { return m_file.readString(kOnline, QStringLiteral("ProxyPassword"), QString()); }

ProxySettings Settings::proxySettings() const
{
    if (!useProxy())
        return {};
    return {proxy(), proxyPort(), userProxy(), proxyPassword()};
}


bool Settings::setSecurityPassword(const QString &code)
{
    return written(m_file.writeString(kUser, QStringLiteral("SecurityPassword"), code), QStringLiteral("SecurityPassword"));
}
bool Settings::setTeamId(const QString &id)
{
    return written(m_file.writeString(kUser, QStringLiteral("TeamID"), id), QStringLiteral("TeamID"));
}
QString Settings::teamName() const { return m_file.readString(kUser, QStringLiteral("TeamName"), QString()); }
bool Settings::setTeamName(const QString &name)
{
    return written(m_file.writeString(kUser, QStringLiteral("TeamName"), name), QStringLiteral("TeamName"));
}
bool Settings::hasOldPassword() const { return m_file.keyExists(kUser, QStringLiteral("Password")); }
bool Settings::removeOldPassword()
{
    return written(m_file.deleteKey(kUser, QStringLiteral("Password")), QStringLiteral("Password"));
}

bool Settings::setUseProxy(bool on)
{
    return written(m_file.writeBool(kOnline, QStringLiteral("UseProxy"), on), QStringLiteral("UseProxy"));
}
bool Settings::setProxy(const QString &host)
{
    return written(m_file.writeString(kOnline, QStringLiteral("Proxy"), host), QStringLiteral("Proxy"));
}
bool Settings::setProxyPort(const QString &port)
{
    return written(m_file.writeString(kOnline, QStringLiteral("ProxyPort"), port), QStringLiteral("ProxyPort"));
}
bool Settings::setUserProxy(const QString &user)
{
    return written(m_file.writeString(kOnline, QStringLiteral("UserProxy"), user), QStringLiteral("UserProxy"));
}
bool Settings::setProxyPassword(const QString &password)
{
    return written(m_file.writeString(kOnline, QStringLiteral("ProxyPassword"), password), QStringLiteral("ProxyPassword"));
}

int Settings::playerWeight(const QString &key, int def) const { return m_file.readInteger(kPlayer, key, def); }
bool Settings::hasPlayerWeight(const QString &key) const { return m_file.keyExists(kPlayer, key); }
bool Settings::setPlayerWeight(const QString &key, int value) { return written(m_file.writeInteger(kPlayer, key, value), key); }
