#pragma once
#include <QDomDocument>
#include <QDomElement>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class Board;
class NameTables;
class Vocabulary;
struct LanguageTexts;

// A language file (lng/<language>.lng): an XML document whose root stands for the program, with
// one child element per window ("Form1", "FPlayerDetail", ..., compared without regard to case).
// Inside a window, child elements name the window's components or their properties; attributes
// set properties. The main window's "Variables" element replaces vocabulary texts.
//
// This class loads the document and applies the parts that need no widgets: the vocabulary, the
// word lists and the item lists of the board's boxes. The widgets themselves are translated by
// WidgetLanguageApplier from the same loaded document; LanguageCatalog holds both for the program.
//
// Loading never fails loudly: a missing, unreadable or malformed file leaves the object empty,
// and applying an empty object changes nothing.
// An entry the file cannot change (an unknown key, a box that is not there) is skipped; a
// failure while applying is not swallowed here but reaches the caller, who reports it.
//
// The same file also carries, for the settings dialog, a "[langue]" section with "ID=n" in the
// settings file's line syntax, placed where it does not disturb the XML (inside a comment before
// the root element); it is read through IniFile.
class LanguageFile {
public:
    LanguageFile() = default;
    explicit LanguageFile(const QString &path) { load(path); }

    // Reads and parses the file. False (and the object empty) when the file is missing,
    // unreadable or not well-formed XML.
    bool load(const QString &path);
    // Parses a document held in memory (tests, and load itself).
    bool loadFromData(const QByteArray &data);
    bool isLoaded() const { return !m_document.isNull() && !m_document.documentElement().isNull(); }
    const QString &path() const { return m_path; }

    QDomElement root() const { return m_document.documentElement(); }
    // Every child element of the root naming this window, in document order.
    QList<QDomElement> windowElements(const QString &windowName) const;

    // ---- the parts without widgets; each returns how many texts it set ----
    // The main window's "Variables" entries (attributes Name and Value) into the vocabulary;
    // keys the vocabulary does not know are ignored.
    int applyVocabulary(Vocabulary &vocabulary) const;
    // The same texts as load(path) then applyVocabulary(), read as the file streams by without
    // building its tree: what the command-line program needs, at a fraction of the work. -1 (and
    // nothing changed) for a file load() would refuse.
    static int applyVocabularyOf(const QString &path, Vocabulary &vocabulary);
    // The word lists (LDenomination, Lagreability, LAggressiveness, LHonesty, LSpecialty,
    // LEntraineur, named after the lists that carry them on the main window) into the tables.
    int applyNameTables(NameTables &tables) const;
    // The item lists of the board's fixed boxes (cbTactique, cbAttitude, cbLieu, cbConfiance,
    // cbTeamSpirit, the ten behaviour boxes, cbOrdreCalc; LEntraineur goes to the name tables).
    // A box keeps its number of entries: lines beyond it are ignored.
    int applyBoardItems(Board &board) const;
    // All three (board may be null).
    int applyHeadless(LanguageTexts &texts, Board *board) const;

    // The text a window's component is given, by element and property names as the file writes
    // them (without regard to case): the attribute, or the text of a child element, of the first
    // element of that name below the window; none where the file gives none.
    std::optional<QString> componentText(const QString &window, const QString &component,
                                         const QString &property) const;

    // ---- helpers shared with the widget applier ----
    // Each backslash followed by 'n' becomes a carriage return and line feed.
    static QString convertLineBreaks(const QString &text);
    // A text split into lines the way a string list takes a whole text: at CR LF, CR or LF; a
    // final line break does not start another line; an empty text is no line at all.
    static QStringList splitLines(const QString &text);
    // The first child element of that name, without regard to case.
    static QDomElement childElement(const QDomElement &parent, const QString &name);
    // An attribute looked up without regard to case; *found tells whether it is there.
    static QString attribute(const QDomElement &element, const QString &name, bool *found = nullptr);
    // An attribute read as a decimal integer; false when absent or not an integer.
    static bool intAttribute(const QDomElement &element, const QString &name, int *value);
    // The whole text of a string-list element, when its first child is a character-data section.
    static bool wholeListText(const QDomElement &listElement, QString *text);
    // Applies a string-list element to lines: each child with Index and Value replaces line
    // Index when it is below the line count; a first child that is a character-data section
    // replaces the whole list instead. No line break conversion. Returns the lines changed.
    static int applyStringList(const QDomElement &listElement, QStringList *lines);
    // Same, for a list whose number of lines must not change: a character-data section
    // replaces the lines from the first, as far as the list reaches.
    static int applyFixedStringList(const QDomElement &listElement, QStringList *lines);
    static bool sameName(const QString &a, const QString &b)
    {
        return a.compare(b, Qt::CaseInsensitive) == 0;
    }

    // ---- the language folder ----
    struct LanguageInfo {
        QString name; // the file name without ".lng", as the settings store it
        QString path;
        int id = -1;  // [langue] ID; -1 when the file carries none
    };
    // The language's number from its "[langue]" / "ID=" lines; def when there is none.
    static int languageId(const QString &path, int def = -1);
    // The .lng files of <programFolder>/lng, sorted by name without regard to case.
    static QList<LanguageInfo> availableLanguages(const QString &programFolder);
    // <programFolder>/lng/<name>.lng, or an empty text when the name is empty or no such file
    // exists. A file whose name differs only in letter case is found too.
    static QString languageFilePath(const QString &programFolder, const QString &languageName);
    // Qt's own texts (standard buttons, the XML reader's errors) follow the language of the file:
    // Qt's translations for that language are installed in place of earlier ones, none for
    // English or a language we do not know. False when the language has Qt translations that are not installed here.
    static bool followQtTranslations(const QString &languageFilePath);

    // The element name of the main window's vocabulary component.
    static constexpr const char *kVariables = "Variables";
    static constexpr const char *kMainWindow = "Form1";

private:
    template <typename Visit>
    void forEachComponentElement(const QDomElement &element, const Visit &visit) const;

    QDomDocument m_document;
    QString m_path;
};
