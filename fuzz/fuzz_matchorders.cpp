// MatchOrders.xml read and applied to a board with a small squad, as at start-up.
#include "FuzzSupport.h"

#include "common/AppError.h"
#include "datafiles/DataFolder.h"
#include "evaluation/Tplayer.h"
#include "lineup/Board.h"
#include "shell/MatchOrdersApplier.h"

#include <memory>

namespace {

const Roster &squad()
{
    static const std::unique_ptr<Roster> roster = [] {
        auto r = std::make_unique<Roster>();
        r->count = 20;
        for (int i = 0; i < r->count; ++i) {
            r->players[i].PlayerID = QString::number(500001 + i);
            r->players[i].ListPosition = i + 1;
        }
        return r;
    }();
    return *roster;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const DataFolder folder(Fuzz::programFolder());
    Fuzz::writeFile(QStringLiteral("xml/MatchOrders.xml"), data, size);
    Board board(&squad());
    QString teamId;
    try {
        MatchOrdersApplier::applyMatchOrders(folder, board, squad(), 2, teamId);
    } catch (const AppError &) {
    }
    return 0;
}
