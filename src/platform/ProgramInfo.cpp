#include "platform/ProgramInfo.h"

#include "BuildInfo.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <windows.h>

#include <vector>
#endif

QString ProgramInfo::version()
{
#ifdef Q_OS_WIN
    static const QString cached = [] {
        std::vector<wchar_t> name(32768);
        const DWORD n = GetModuleFileNameW(nullptr, name.data(), DWORD(name.size()));
        const QString fromResource = n > 0 && n < name.size()
            ? fileVersion(QString::fromWCharArray(name.data(), qsizetype(n))) : QString();
        return fromResource.isEmpty() ? QString::fromLatin1(buildinfo::kProgramVersion) : fromResource;
    }();
    return cached;
#else
    return QString::fromLatin1(buildinfo::kProgramVersion);
#endif
}

QString ProgramInfo::fileVersion(const QString &path)
{
#ifdef Q_OS_WIN
    const std::wstring file = QDir::toNativeSeparators(path).toStdWString();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0)
        return {};
    std::vector<char> block(size);
    if (!GetFileVersionInfoW(file.c_str(), 0, size, block.data()))
        return {};
    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void **>(&fixed), &length)
        || fixed == nullptr || length < sizeof(VS_FIXEDFILEINFO) || fixed->dwSignature != 0xFEEF04BD)
        return {};
    // The project version has three parts; the resource's fourth is always 0.
    return QStringLiteral("%1.%2.%3")
        .arg(HIWORD(fixed->dwFileVersionMS))
        .arg(LOWORD(fixed->dwFileVersionMS))
        .arg(HIWORD(fixed->dwFileVersionLS));
#else
    Q_UNUSED(path);
    return {};
#endif
}

QString ProgramInfo::fileDate(const QString &path, const QLocale &locale)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return locale.toString(info.lastModified().date(), QLocale::ShortFormat);
}
