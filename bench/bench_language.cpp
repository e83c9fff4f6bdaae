// A language change as the user feels it (the headless part): reading the shipped English file
// and putting its vocabulary, word tables and board lists in place.
#include "common/LanguageTexts.h"
#include "lineup/Board.h"
#include "shell/LanguageFile.h"

#include <benchmark/benchmark.h>

namespace {

void BM_LanguageFileLoadAndApply(benchmark::State &state)
{
    const QString path = QStringLiteral(SQW_SAMPLE_DATA_DIR "/lng/English.lng");
    Board board;
    LanguageTexts texts;
    for (auto _ : state) {
        LanguageFile file(path);
        benchmark::DoNotOptimize(file.applyHeadless(texts, &board));
    }
}
BENCHMARK(BM_LanguageFileLoadAndApply)->Unit(benchmark::kMicrosecond);

} // namespace
