// The size and nesting guard every data file passes before it is parsed, set against the parse
// it guards: the guard must stay a small share of reading a file.
#include "datafiles/XmlFile.h"

#include <QDomDocument>
#include <QFile>
#include <QXmlStreamReader>

#include <benchmark/benchmark.h>

namespace {

QByteArray sampleFile(const char *name)
{
    QFile file(QStringLiteral(SQW_SAMPLE_DATA_DIR "/xml/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void BM_NestingGuard(benchmark::State &state)
{
    const QByteArray data = sampleFile("players.xml");
    for (auto _ : state)
        benchmark::DoNotOptimize(XmlBounds::problem(data));
    state.SetBytesProcessed(state.iterations() * data.size());
}
BENCHMARK(BM_NestingGuard)->Unit(benchmark::kMicrosecond);

// For comparison: a streaming reader's pass over the same bytes, as the guard once was.
void BM_StreamingPass(benchmark::State &state)
{
    const QByteArray data = sampleFile("players.xml");
    for (auto _ : state) {
        QXmlStreamReader reader(data);
        while (!reader.atEnd())
            reader.readNext();
        benchmark::DoNotOptimize(reader.hasError());
    }
    state.SetBytesProcessed(state.iterations() * data.size());
}
BENCHMARK(BM_StreamingPass)->Unit(benchmark::kMicrosecond);

void BM_DocumentParse(benchmark::State &state)
{
    const QByteArray data = sampleFile("players.xml");
    for (auto _ : state) {
        QDomDocument doc;
        benchmark::DoNotOptimize(doc.setContent(data));
    }
    state.SetBytesProcessed(state.iterations() * data.size());
}
BENCHMARK(BM_DocumentParse)->Unit(benchmark::kMicrosecond);

} // namespace
