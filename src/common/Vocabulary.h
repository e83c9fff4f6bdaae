#pragma once
#include <QHash>
#include <QString>
#include <QStringList>

// The program's own message texts (position names and abbreviations, rating words, strength
// labels, description words, a few messages). Each starts with its French default and may be
// replaced by a language file under its key; an unknown key is ignored. The texts in force are
// those of the language the program speaks (see LanguageTexts).
// Keys are matched exactly (upper case, as registered).
class Vocabulary {
public:
    Vocabulary(); // the built-in French texts

    // Current text of a registered key; an empty text for a key that is not registered.
    QString text(const QString &key) const;
    // False (and nothing changed) for an unregistered key.
    bool setText(const QString &key, const QString &value);

    bool isRegistered(const QString &key) const;
    QStringList keys() const; // every registered key, in definition order
    QString defaultText(const QString &key) const;
    void resetToDefaults();   // back to the built-in French defaults

private:
    struct Entry { QString key; QString defaultText; QString text; };
    QList<Entry> m_entries;
    QHash<QString, qsizetype> m_index; // key -> entry
    const Entry *find(const QString &key) const;
};

// Shorthand for the text in force: vocab("GARDIEN"). Defined with the texts in force
// (LanguageTexts), so that every caller needs this header only.
QString vocab(const QString &key);
