// A language file loaded and applied to the vocabulary, the name tables and a board, a
// component's text looked up, and its
// vocabulary read as the command-line program streams it.
#include "FuzzSupport.h"

#include "common/LanguageTexts.h"
#include "lineup/Board.h"
#include "shell/LanguageFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    LanguageFile file;
    if (file.loadFromData(Fuzz::bytes(data, size))) {
        Board board;
        LanguageTexts texts;
        file.applyHeadless(texts, &board);
        (void)file.componentText(QStringLiteral("Form1"), QStringLiteral("LMsgNotice"), QStringLiteral("Caption"));
    }
    const QString path = Fuzz::writeFile(QStringLiteral("Fuzz.lng"), data, size);
    (void)LanguageFile::languageId(path);
    Vocabulary streamed;
    (void)LanguageFile::applyVocabularyOf(path, streamed);
    return 0;
}
