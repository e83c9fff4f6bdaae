#pragma once
// Shared by the fuzz targets: a scratch program folder the readers take their files from.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace Fuzz {

inline const QTemporaryDir &scratch()
{
    static const QTemporaryDir dir = [] {
        QTemporaryDir d;
        QDir(d.path()).mkpath(QStringLiteral("xml"));
        return d;
    }();
    return dir;
}

// The program folder, with the data folder "xml" inside.
inline QString programFolder() { return scratch().path() + QLatin1Char('/'); }

// Writes the input as a file of the program folder and returns its path.
inline QString writeFile(const QString &relative, const uint8_t *data, size_t size)
{
    const QString path = programFolder() + relative;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        std::abort(); // the scratch folder is ours: failing to write it is no finding
    return path;
}

inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

} // namespace Fuzz
