// A language file loaded and applied to the vocabulary, the name tables and a board, and its
// vocabulary read as the command-line program streams it.
#include "FuzzSupport.h"

#include "lineup/Board.h"
#include "shell/LanguageFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    LanguageFile file;
    if (file.loadFromData(Fuzz::bytes(data, size))) {
        Board board;
        file.applyHeadless(&board);
    }
    const QString path = Fuzz::writeFile(QStringLiteral("Fuzz.lng"), data, size);
    (void)LanguageFile::languageId(path);
    (void)LanguageFile::applyVocabularyOf(path);
    return 0;
}
