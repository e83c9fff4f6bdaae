#include "about/AboutModel.h"

#include "common/Vocabulary.h"
#include "settings/IniFile.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

QString AboutModel::webAddress() { return QStringLiteral("https://squadwright.example/"); }
QString AboutModel::mailAddress() { return QStringLiteral("contact@squadwright.example"); }
QString AboutModel::mailLinkText() { return QStringLiteral("mailto : ") + mailAddress(); }
QString AboutModel::makerLine() { return QStringLiteral("Squadwright — conçu et réalisé par ses développeurs"); }

QString AboutModel::dateText(const QString &programDate) { return QStringLiteral(" ( ") + programDate + QStringLiteral(" )"); }

QString AboutModel::mailUrl(const QString &version)
{
    return QStringLiteral("mailto:") + mailAddress() + QStringLiteral("?subject=Squadwright : ") + version
        + QStringLiteral("&body=");
}

QString AboutModel::documentationFile(const QString &programFolder, const IniFile &settings)
{
    const QString langue = settings.readString(QStringLiteral("defaut"), QStringLiteral("langue"), QStringLiteral("francais"));
    const bool french = langue.toLower() == QLatin1String("francais");
    QString folder = programFolder;
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder + (french ? QStringLiteral("doc/Velmorrafr.rtf") : QStringLiteral("doc/Velmorra.rtf"));
}

QString AboutModel::openDocumentation(const QString &programFolder, const IniFile &settings, const DesktopOpener &open)
{
    const QString path = documentationFile(programFolder, settings);
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo(path).isFile())
        return vocab(QStringLiteral("MSG_DOC_MISSING")).arg(shown);
    if (!open || !open(QUrl::fromLocalFile(path)))
        return vocab(QStringLiteral("MSG_OPEN_FAILED")).arg(shown);
    return {};
}
