#pragma once
#include "common/LanguageTexts.h"
#include "shell/LanguageFile.h"

#include <QObject>

#include <memory>
#include <optional>
#include <QString>

// The language the program speaks. The file is parsed once per change of language; the catalog
// owns the texts it gives (the vocabulary and the word lists, in force from its first language
// on, while the catalog lives) and answers the texts of the windows' components. Windows and models follow
// its changed() signal instead of reading the file themselves.
//
// A file that cannot be read changes nothing and sends no signal. Entries a file does not give
// keep what the language before it set (as widgets keep their texts).
class LanguageCatalog : public QObject {
    Q_OBJECT
public:
    explicit LanguageCatalog(QObject *parent = nullptr);
    ~LanguageCatalog() override;

    // Parses the file and lays its texts over the catalog's. False when the file is missing,
    // unreadable or malformed.
    bool load(const QString &path);
    // The vocabulary only, read as the file streams by: the command-line program's need.
    bool loadVocabulary(const QString &path);

    // The document of the language loaded last (empty before the first load, and after a
    // vocabulary-only load); what the widget side applies to the windows.
    const LanguageFile &file() const { return m_file; }

    // A component's text in the current language, or frenchDefault where the file gives none
    // (window, component and property as the language files name them: "Form1", "LMsgNotice",
    // "Caption").
    QString text(const QString &window, const QString &component, const QString &property,
                 const QString &frenchDefault) const;

signals:
    void changed();

private:
    LanguageTexts &ownTexts();
    void putInForce();

    // Made at the first load: a catalog that never loads a language costs nothing.
    std::unique_ptr<LanguageTexts> m_texts;
    // Only once a language is loaded: a catalog that never loaded one (a model of the command-
    // line program, which speaks through its own) must not hide the language in force.
    std::optional<TextsInForce> m_inForce;
    LanguageFile m_file;
};
