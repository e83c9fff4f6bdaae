#pragma once
#include "platform/DesktopOpener.h"

#include <QString>

class IniFile;

// What the about window shows besides its pictures and read-me, and the documentation command.
namespace AboutModel {

// The project's own addresses.
QString webAddress();
QString mailAddress();
// JvHotLink1 shows the web address; Label1 "mailto : " and the mail address.
QString mailLinkText();
// Label4: the line naming the makers (French; the language files translate it).
QString makerLine();

// LDate: " ( date )".
QString dateText(const QString &programDate);
// The new mail of Label1: the version in its subject, an empty body.
QString mailUrl(const QString &version);

// The documentation of the user's language: doc/Velmorrafr.rtf when [defaut] langue is
// "francais" in any letter case (or missing), else doc/Velmorra.rtf.
QString documentationFile(const QString &programFolder, const IniFile &settings);

// The documentation command: opens that file with the desktop. Returns an empty text when it
// went to a viewer, else the message for the status bar (file missing, nothing could open it).
QString openDocumentation(const QString &programFolder, const IniFile &settings, const DesktopOpener &open);

} // namespace AboutModel
