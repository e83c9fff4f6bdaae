#pragma once
#include <QString>

// One handle on the settings file (SQW.ini), with the semantics of the classic Windows
// profile functions: section and key names match without regard to case, every write goes
// to the file at once (so several handles on one file see each other's writes), a missing
// file or key gives the default, and reading never changes the file.
//
// Encoding: a file is read as UTF-8 when it is valid UTF-8, otherwise as Windows-1252 (files
// written by older Windows programs). Files are written as UTF-8, so no character a user types
// is lost; line endings of an existing file (CRLF or LF) are kept.
// On POSIX a file this class creates is readable and writable by its owner only: it holds
// the account's security code.
class IniFile {
public:
    explicit IniFile(const QString &path);

    const QString &path() const { return m_path; }

    // Values longer than 2047 characters are cut to 2047 on reading.
    QString readString(const QString &section, const QString &key, const QString &def) const;
    // Decimal, or hexadecimal with a "0x" or "$" prefix; anything else gives def.
    int readInteger(const QString &section, const QString &key, int def) const;
    // A non-zero integer is true; a value that is not an integer gives def.
    bool readBool(const QString &section, const QString &key, bool def) const;

    // Each write returns false when the file could not be written; the file is then unchanged.
    bool writeString(const QString &section, const QString &key, const QString &value);
    bool writeInteger(const QString &section, const QString &key, int value);
    bool writeBool(const QString &section, const QString &key, bool value); // "1" / "0"

    bool keyExists(const QString &section, const QString &key) const;
    bool deleteKey(const QString &section, const QString &key);

private:
    QString m_path;
};
