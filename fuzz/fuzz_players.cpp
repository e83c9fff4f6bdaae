// The players file through the roster load as the program does it: any bytes either give a
// roster of at most the capacity or a data-file error, never a crash.
#include "FuzzSupport.h"

#include "common/AppError.h"
#include "evaluation/RosterLoader.h"

#include <cstdio>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = Fuzz::writeFile(QStringLiteral("xml/players.xml"), data, size);
    static const auto roster = std::make_unique<Roster>();
    try {
        RosterLoader::load(path, FormulaWeights(), *roster);
        if (roster->storedCount() != roster->count) {
            std::fprintf(stderr, "a loaded roster counts %d players beyond its records\n", roster->count);
            std::abort();
        }
    } catch (const AppError &) {
    }
    return 0;
}
