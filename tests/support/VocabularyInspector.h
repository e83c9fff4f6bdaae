#pragma once
// What the tests read of the vocabulary beyond the texts the program shows: the registered
// keys and their French defaults.
#include "common/Vocabulary.h"

class VocabularyInspector {
public:
    static QStringList keys() { return builtIn().keys(); }
    static bool isRegistered(const QString &key) { return builtIn().isRegistered(key); }
    static QString defaultText(const QString &key) { return builtIn().defaultText(key); }

private:
    static const Vocabulary &builtIn()
    {
        static const Vocabulary vocabulary;
        return vocabulary;
    }
};
