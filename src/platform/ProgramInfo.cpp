#include "platform/ProgramInfo.h"

#include "BuildInfo.h"

#include <QDateTime>
#include <QFileInfo>

QString ProgramInfo::version() { return QString::fromLatin1(buildinfo::kProgramVersion); }

QString ProgramInfo::fileDate(const QString &path, const QLocale &locale)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return locale.toString(info.lastModified().date(), QLocale::ShortFormat);
}
