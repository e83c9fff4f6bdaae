#include "datafiles/VersionCheck.h"

#include "datafiles/XmlFile.h"

VersionCheckResult checkDataFileVersions(const DataFolder &folder)
{
    VersionCheckResult result;
    for (const GameFileInfo &info : DataFolder::gameFiles()) {
        VersionCheckEntry entry{info.file, folder.findGameFile(info.file), QString(),
                                QString::fromLatin1(info.expectedVersion), VersionCheckEntry::Status::Missing};
        if (entry.path.isEmpty()) {
            result.visited.append(entry);
            return result;
        }
        const QDomDocument doc = loadXmlFile(entry.path);
        // Compared character for character: "1.60" or "1.6 " is another layout.
        entry.found = firstChild(doc.documentElement(), QStringLiteral("Version")).text();
        if (entry.found != entry.expected) {
            entry.status = VersionCheckEntry::Status::Differs;
            result.visited.append(entry);
            result.passed = false;
            return result;
        }
        entry.status = VersionCheckEntry::Status::Matches;
        result.visited.append(entry);
    }
    return result;
}
