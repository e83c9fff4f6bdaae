#pragma once
#include "settings/IniFile.h"

#include <QObject>
#include <QString>
#include <QUrl>

// The proxy the online requests and the update check go through: an empty host when the
// settings say to connect directly.
struct ProxySettings {
    QString host;
    QString port;
    QString user;
    QString password;
};

// The program's own settings in SQW.ini, one getter and one setter per key, each with its
// default and the way the program has always read it. Every read goes to the file, so a value
// written by another handle (or by hand) counts at once. Each setter returns false when the file
// could not be written (it is then unchanged; writeFailed() names the key) and, after a
// successful write, emits changed() with the key's name.
class Settings : public QObject {
    Q_OBJECT
public:
    explicit Settings(const QString &path, QObject *parent = nullptr);

    // The file under the facade, for the sections it does not cover (the position formulas).
    IniFile &file() { return m_file; }
    const IniFile &file() const { return m_file; }
    const QString &path() const { return m_file.path(); }

    // Key names, as changed() reports them.
    static const QString kPlayersXml;       // [defaut] PlayersXML
    static const QString kRepositionnement; // [defaut] repositionnement
    static const QString kOnTop;            // [defaut] ontop
    static const QString kHotKey;           // [defaut] HotKey
    static const QString kLangue;           // [defaut] langue
    static const QString kCartons;          // [options] cartons
    static const QString kBlesse;           // [options] blesse
    static const QString kCalculAll;        // [options] CalculAll
    static const QString kMethode;          // [options] methode

    // [defaut]
    // The players file last loaded; empty when none.
    QString playersXml() const;
    bool setPlayersXml(const QString &path);
    // The sector order the board starts with (an integer of the settings file; 0 by default).
    int repositionnement() const;
    bool setRepositionnement(int entry);
    // Keep on top: "yes" in any letter case is on; stored as "yes" / "no"; off by default.
    bool onTop() const;
    bool setOnTop(bool onTop);
    // The hot key text; "Ctrl+C" by default.
    QString hotKey() const;
    bool setHotKey(const QString &text);
    // The language file's name without ".lng"; empty by default.
    QString langue() const;
    // The same key read with another default: the settings dialog and the setup wizard each
    // have their own.
    QString langue(const QString &def) const;
    bool setLangue(const QString &name);
    // Written by the setup wizard's Finish; nothing reads it.
    bool setShowConfig(bool on);

    // [options]: each "YES" exactly is on, anything else off; stored as "YES" / "NO".
    bool cartons() const;
    bool setCartons(bool on);
    bool blesse() const;
    bool setBlesse(bool on);
    bool calculAll() const;
    bool setCalculAll(bool on);
    // The search's sector order entry (an integer of the settings file; 0 by default).
    int methode() const;
    bool setMethode(int entry);

    // [user]: the game account (the security code is stored as typed) and the team identifier.
    QString userName() const;
    bool setUserName(const QString &name);
    QString securityPassword() const;
    bool setSecurityPassword(const QString &code);
    QString teamId() const;
    bool setTeamId(const QString &id);
    QString teamName() const;
    bool setTeamName(const QString &name);
    // The old plain password key, which the setup wizard removes.
    bool hasOldPassword() const;
    bool removeOldPassword();

    // [online]
    // The server a host setting names ("host", "host:port" or a URL with scheme http:// or
    // https://): scheme, host and port, without path. Invalid when the setting is unusable.
    static QUrl serverUrl(const QString &hostSetting);
    // The game server's host, in those forms; the default when the key is empty or absent.
    QString gameHost() const;
    bool setGameHost(const QString &host);
    static const QString kDefaultGameHost;
    // The update server's host, in the same forms as the game host.
    QString updateHost() const;
    bool setUpdateHost(const QString &host);
    static const QString kDefaultUpdateHost;
    bool useProxy() const;
    QString proxy() const;
    QString proxyPort() const;      // "80" by default
    QString userProxy() const;
    QString proxyPassword() const;
    // The four above in one, the host left empty unless useProxy().
    ProxySettings proxySettings() const;
    bool setUseProxy(bool on);
    bool setProxy(const QString &host);
    bool setProxyPort(const QString &port);
    bool setUserProxy(const QString &user);
    bool setProxyPassword(const QString &password);

    // [player]: the formula weights, one key per position kind and skill ("DLPasse") plus the
    // general weights "Forme", "Experience", "Endurance"; def when absent or not an integer.
    int playerWeight(const QString &key, int def = 0) const;
    bool hasPlayerWeight(const QString &key) const;
    bool setPlayerWeight(const QString &key, int value);

signals:
    void changed(const QString &key);
    void writeFailed(const QString &key);

private:
    bool option(const QString &key) const;
    bool setOption(const QString &key, bool on);
    bool written(bool ok, const QString &key);

    IniFile m_file;
};
