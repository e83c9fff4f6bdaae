// The match list (Matchs.xml), read for its version only, and any game file's bounded loading.
#include "FuzzSupport.h"

#include "common/AppError.h"
#include "datafiles/XmlFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = Fuzz::writeFile(QStringLiteral("xml/Matchs.xml"), data, size);
    try {
        const QDomDocument doc = loadXmlFile(path);
        (void)firstChild(doc.documentElement(), QStringLiteral("Version")).text();
    } catch (const AppError &) {
    }
    return 0;
}
