// A language file loaded and applied to the vocabulary, the name tables and a board.
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
    (void)LanguageFile::languageId(Fuzz::writeFile(QStringLiteral("Fuzz.lng"), data, size));
    return 0;
}
