#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// What the read-me and the guides need of a rich text document, without any GUI type: paragraphs
// made of runs, each run with its character format. The about window turns it into its own
// document.
struct RtfColour {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const RtfColour &) const = default;
};

struct RtfFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 0;               // font size in half points; 0: the viewer's own size
    std::optional<RtfColour> colour;  // none: the viewer's own text colour
    bool operator==(const RtfFormat &) const = default;
};

struct RtfRun {
    QString text;  // a line break inside a paragraph is U+2028, a tab '\t'
    RtfFormat format;
};

struct RtfParagraph {
    enum Alignment { Left, Centre, Right, Justify };
    Alignment alignment = Left;
    QList<RtfRun> runs;
    QString text() const;
};

struct RtfDocument {
    QList<RtfParagraph> paragraphs;
    // The paragraphs' texts, one per line.
    QString plainText() const;
};

// Reads the part of RTF that our own documents use: groups, \par and \line, \b \i \ul with their
// "0" forms and \ulnone, \plain, \fsN, the colour table with \cfN, paragraph alignment, \uN with
// the \ucN skip count, \'hh bytes of the document's code page (Windows-1252 unless \ansicpg names
// another one Qt knows), the escapes \\ \{ \}, \tab, \~ and the common typographic words.
// Destinations that hold no text to show (font and style tables, document information, pictures,
// every "\*" group) are skipped, and so is every unknown control word: it is never shown.
//
// Damaged input is read as far as it goes: unbalanced braces, a cut-off file, huge numbers and
// deep nesting give what could be read, never a crash, and the reading time grows with the
// file's length only.
class RtfReader {
public:
    static RtfDocument read(const QByteArray &rtf);
    // Reads a file; nullopt (with the reason in *error) when it cannot be opened.
    static std::optional<RtfDocument> readFile(const QString &path, QString *error = nullptr);

    // Groups deeper than this take their parent's state instead of a new one.
    static constexpr int kMaxDepth = 256;
    // Files beyond this size are read up to it.
    static constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;
};
