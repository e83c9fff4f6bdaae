#pragma once
#include "common/NameTables.h"
#include "common/Vocabulary.h"

#include <functional>
#include <optional>

// The words the program speaks in: its message texts and the word lists of coded attributes.
// One set is in force at a time: the last one put in force and still alive (the language
// catalog of the running program puts its own), the built-in French while there is none.
struct LanguageTexts {
    Vocabulary vocabulary;
    NameTables names;
    // The text the language gives a window's component, by the names the language files use
    // (window "FrmParam", component "LMsgClamped", property "Caption"); none where it gives none.
    using ComponentLookup = std::function<std::optional<QString>(const QString &window, const QString &component,
                                                                 const QString &property)>;
    ComponentLookup components;

    static const LanguageTexts &inForce();
};

// Keeps a set of texts in force for its own lifetime. Holders nest; when one ends, the latest
// of those still alive is in force again, whatever order they end in.
class TextsInForce {
public:
    explicit TextsInForce(const LanguageTexts &texts);
    ~TextsInForce();
    TextsInForce(const TextsInForce &) = delete;
    TextsInForce &operator=(const TextsInForce &) = delete;

private:
    const LanguageTexts *m_texts;
};

// A message of a window in the language in force: the component's text the language gives,
// else the built-in one.
QString windowText(const QString &window, const QString &component, const QString &builtIn);

// The word lists in force.
inline const NameTables &nameTables() { return LanguageTexts::inForce().names; }
