#pragma once
#include <QHash>
#include <QString>
#include <QStringList>

// The program's own message texts (position names and abbreviations, rating words, strength
// labels, description words, a few messages). Each starts with its French default and may be
// replaced by a language file under its key; an unknown key is ignored. Process-wide.
// Keys are matched exactly (upper case, as registered).
class Vocabulary {
public:
    static Vocabulary &instance();

    // Current text of a registered key; an empty text for a key that is not registered.
    QString text(const QString &key) const;
    // Used by the language file machinery only; returns false (and changes nothing) for an
    // unregistered key.
    bool setText(const QString &key, const QString &value);

private:
    // The test support reads the registered keys and defaults and puts the defaults back
    // between cases; the program itself only looks texts up and replaces them.
    friend class VocabularyInspector;

    Vocabulary();
    bool isRegistered(const QString &key) const;
    QStringList keys() const; // every registered key, in definition order
    QString defaultText(const QString &key) const;
    void resetToDefaults();   // back to the built-in French defaults
    struct Entry { QString key; QString defaultText; QString text; };
    QList<Entry> m_entries;
    QHash<QString, qsizetype> m_index; // key -> entry
    const Entry *find(const QString &key) const;
};

// Shorthand: vocab("GARDIEN").
inline QString vocab(const QString &key) { return Vocabulary::instance().text(key); }
