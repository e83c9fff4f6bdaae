#pragma once
// What the tests read of the vocabulary beyond the texts the program shows: the registered
// keys, their French defaults, and the defaults put back between cases.
#include "common/Vocabulary.h"

class VocabularyInspector {
public:
    static QStringList keys() { return Vocabulary::instance().keys(); }
    static bool isRegistered(const QString &key) { return Vocabulary::instance().isRegistered(key); }
    static QString defaultText(const QString &key) { return Vocabulary::instance().defaultText(key); }
    static void resetToDefaults() { Vocabulary::instance().resetToDefaults(); }
};
