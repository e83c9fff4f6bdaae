// The players file through both readers: whatever the quick scan takes, the full parser must
// take too and read alike.
#include "FuzzSupport.h"

#include "evaluation/PlayersDocumentReader.h"
#include "evaluation/PlayersFastScanner.h"

#include <QBuffer>

#include <cstdio>

namespace {

bool sameSlot(const PlayersDocument::ValueSlot &a, const PlayersDocument::ValueSlot &b)
{
    return a.present == b.present && a.hasChildren == b.hasChildren && a.text.isNull() == b.text.isNull()
        && a.text == b.text;
}

bool same(const PlayersDocument &a, const PlayersDocument &b)
{
    if (a.hasTeam != b.hasTeam || a.hasPlayerList != b.hasPlayerList || a.hasCount != b.hasCount
        || a.countText != b.countText || a.countIsInteger != b.countIsInteger || a.count != b.count
        || a.elementCount != b.elementCount || a.players.size() != b.players.size())
        return false;
    for (size_t p = 0; p < a.players.size(); ++p) {
        for (int f = 0; f < PlayersDocument::kFieldCount; ++f) {
            if (!sameSlot(a.players[p].values[f], b.players[p].values[f]))
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray xml = Fuzz::bytes(data, size);
    for (bool collect : {true, false}) {
        PlayersDocument quick;
        const bool taken = PlayersFastScanner::scan(xml, collect, quick);
        QBuffer input(&xml);
        input.open(QIODevice::ReadOnly);
        PlayersDocumentReader reader(&input, collect);
        PlayersDocument full;
        const bool wellFormed = reader.read(full);
        if (taken && (!wellFormed || !same(quick, full))) {
            std::fprintf(stderr, "the quick scan and the full parser disagree (%s)\n",
                         wellFormed ? "different contents" : qPrintable(reader.reader().errorString()));
            std::abort();
        }
    }
    return 0;
}
