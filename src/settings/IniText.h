#pragma once
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// The text of a settings file, without the file: how its bytes are decoded, how its lines are
// read as sections and keys, and how one key's change is written back into the text so that
// every other byte stays. IniFile adds the file, its shared cache and the safe writes; the
// format itself is described there.
namespace IniText {

enum class LineKind { Blank, Comment, Section, Key, Other };

struct LineInfo {
    qsizetype begin = 0;      // offset in the UTF-8 text
    qsizetype length = 0;     // without the line break
    qsizetype breakLength = 0; // 0 (last line without break), 1 (LF) or 2 (CRLF)
    LineKind kind = LineKind::Blank;
    int section = -1;         // ordinal of the section header above, -1 before any
    QString foldedKey;        // Key lines
    qsizetype valueBegin = 0; // Key lines: offset of the value (after '=' and blanks)
};

struct KeyRef {
    int line = -1;
    QString value; // blanks and matching quotes removed
};

struct SectionInfo {
    QString foldedName;
    int lastContentLine = -1;     // last non-blank line of the section (the header at least)
    QHash<QString, KeyRef> keys;  // first line of each key
};

struct Document {
    QByteArray raw;           // the file's bytes as read
    bool hadBom = false;
    bool crlf = true;         // line break for lines we add
    QByteArray text;          // the content as UTF-8, without byte-order mark
    QList<LineInfo> lines;
    QList<SectionInfo> sections;      // every header, in file order
    QHash<QString, int> firstSection; // folded name -> ordinal of its first header

    const KeyRef *find(const QString &foldedSection, const QString &foldedKey) const;
};

// Decodes (UTF-8 when valid, else Windows-1252) and reads the lines of a file's bytes.
Document parse(const QByteArray &raw);

// Section and key names match without regard to case.
QString folded(const QString &name);

// False for a name or value the file could not hold as given (see IniFile).
bool acceptable(const QString &section, const QString &key, const std::optional<QString> &value);

// The file's new bytes once the key is set (value given) or deleted (nullopt), byte-order mark
// included; nullopt when the file would stay as it is. The names must be acceptable.
std::optional<QByteArray> changed(const Document &doc, const QString &section, const QString &key,
                                  const std::optional<QString> &value);

} // namespace IniText
