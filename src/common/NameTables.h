#pragma once
#include <QString>
#include <QStringList>

// The word lists that turn coded player attributes into text: level names (0..20),
// agreeability, aggressiveness, honesty, specialty and trainer type. Each list starts with
// its French texts and a language file may replace it, by the name of the hidden box that
// carries it on the main window. A code outside a list gives an empty word. The lists in force
// are those of the language the program speaks (see LanguageTexts).
class NameTables {
public:
    enum Table { Levels, Agreeability, Aggressiveness, Honesty, Specialty, TrainerTypes };

    NameTables(); // the French lists

    // The word of a code; empty when the code is outside the list.
    QString word(Table table, int code) const;
    QString levelName(int code) const { return word(Levels, code); }
    QString agreeabilityWord(int code) const { return word(Agreeability, code); }
    QString aggressivenessWord(int code) const { return word(Aggressiveness, code); }
    QString honestyWord(int code) const { return word(Honesty, code); }
    QString specialtyWord(int code) const { return word(Specialty, code); }
    QString trainerTypeWord(int code) const { return word(TrainerTypes, code); }

    const QStringList &items(Table table) const;

    // Language file access by box name: "LDenomination", "Lagreability", "LAggressiveness",
    // "LHonesty", "LSpecialty", "LEntraineur" (compared without regard to case).
    static bool tableByName(const QString &boxName, Table *table);
    static QString boxName(Table table);
    // Replaces the whole list; false (nothing changed) for an unknown box name.
    bool setItems(const QString &boxName, const QStringList &items);
    // Replaces one line when the index is inside the list; false otherwise.
    bool setItem(const QString &boxName, int index, const QString &value);
    QStringList items(const QString &boxName) const; // empty for an unknown name

    void resetToDefaults();

private:
    static constexpr int kTableCount = 6;
    QStringList m_lists[kTableCount];
};
