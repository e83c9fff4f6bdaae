// Team.xml and Training.xml through their reader, as at start-up.
#include "FuzzSupport.h"

#include "common/AppError.h"
#include "datafiles/DataFolder.h"
#include "datafiles/TeamTrainingReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const DataFolder folder(Fuzz::programFolder());
    Fuzz::writeFile(QStringLiteral("xml/team.xml"), data, size);
    Fuzz::writeFile(QStringLiteral("xml/Training.xml"), data, size);
    try {
        (void)TeamTrainingReader::readTeam(folder);
    } catch (const AppError &) {
    }
    try {
        (void)TeamTrainingReader::readTraining(folder);
    } catch (const AppError &) {
    }
    return 0;
}
