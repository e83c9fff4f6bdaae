#pragma once
#include <QByteArray>
#include <QString>

// One handle on the settings file (SQW.ini), with the semantics of the classic Windows
// profile functions: section and key names match without regard to case, every write goes
// to the file at once (so several handles on one file see each other's writes), a missing
// file or key gives the default, and reading never changes the file.
//
// Encoding: a file is read as UTF-8 when it is valid UTF-8, otherwise as Windows-1252 (files
// written by older Windows programs). Files are written as UTF-8, so no character a user types
// is lost; line endings of an existing file (CRLF or LF) are kept.
// On POSIX every file this class writes is readable and writable by its owner only: it holds
// the account's security code.
//
// Details of the file format as read and written:
// - A section starts at a line "[name]" (leading blanks allowed; the name is what stands between
//   the '[' and the last ']' on the line, without surrounding blanks). The first section of a
//   name is the one read and written; later sections of the same name are left alone, as are
//   lines before any section.
// - "key=value" lines: blanks around the key and around the value are dropped; a value
//   enclosed in matching double (or single) quotes loses them. The first line of a key counts.
// - Lines starting with ';' are comments; lines without '=' that are no section header are
//   kept but otherwise ignored.
// - A write changes only the line of its key (the key's spelling and the blanks before the
//   value stay), or adds "key=value" after the last non-blank line of the section, or adds the
//   section at the end of the file. Every other byte stays, except that a Windows-1252 file is
//   converted to UTF-8 as a whole on its first write: every character keeps its meaning, only
//   the bytes of non-ASCII characters change. A UTF-8 byte-order mark is kept.
// - A value that would not read back as written (blanks at either end, or quotes at both
//   ends) is written inside double quotes, so that it reads back unchanged.
// - A write is refused (false, file unchanged) for names or values holding a line break or
//   a NUL, an empty or blank-edged name, a key holding '=' or starting with ';' or '[', a
//   section holding ']', for a file that exists but cannot be read (it would be lost), and
//   for a write-protected file.
// - Writes go to a temporary file in the same folder that reaches the disk before it is renamed
//   over the file, so a failed write (a full disk too) leaves the earlier file as it was.
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
    // Removes every line of the key in its section. True when the key is absent afterwards
    // (also when it was not there); false when the file could not be written.
    bool deleteKey(const QString &section, const QString &key);


    // Longest value readString returns.
    static constexpr int kMaxValueLength = 2047;

private:
    QString m_path;
    QString m_cacheKey;     // absolute path, fixed at construction: the file this handle uses,
                            // and the key under which handles on one file share its content
    QByteArray m_localPath; // path in the file system's encoding, for the cheap change check
};
