// The settings file through its reader, on a file as the program keeps it.
#include "FuzzSupport.h"

#include "settings/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = Fuzz::writeFile(QStringLiteral("SQW.ini"), data, size);
    const IniFile ini(path);
    (void)ini.readString(QStringLiteral("langue"), QStringLiteral("fichier"), QString());
    (void)ini.readInteger(QStringLiteral("options"), QStringLiteral("methode"), 0);
    (void)ini.readBool(QStringLiteral("options"), QStringLiteral("cartons"), false);
    return 0;
}
