#include "optimum/SolverPlugin.h"

#include "common/AppError.h"
#include "common/Vocabulary.h"
#include "optimum/MipSolver.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QMutex>

namespace SolverPlugin {

QString fileName() { return QStringLiteral(SQW_SOLVER_PLUGIN_FILE); }

QStringList folders()
{
    const QString programs = QCoreApplication::applicationDirPath();
    return {programs, QDir::cleanPath(programs + QStringLiteral("/" SQW_SOLVER_PLUGIN_FROM_BIN))};
}

Entry entry(const QStringList &folders)
{
    // Loaded libraries are never unloaded: every solver made stays backed by its code.
    static QMutex mutex;
    static QString loadedPath;
    static Entry loaded = nullptr;
    const QMutexLocker lock(&mutex);

    QString path;
    for (const QString &folder : folders) {
        const QString candidate = QDir(folder).filePath(fileName());
        if (QFileInfo(candidate).isFile()) {
            path = candidate;
            break;
        }
    }
    if (path.isEmpty()) {
        QStringList shown;
        for (const QString &folder : folders)
            shown << QDir::toNativeSeparators(folder);
        throw AppError(vocab(QStringLiteral("MSG_SOLVER_MISSING")).arg(fileName(), shown.join(QStringLiteral(", "))));
    }
    if (loaded && path == loadedPath)
        return loaded;

    QLibrary library(path);
    Entry found = nullptr;
    QString why;
    if (!library.load()) {
        why = library.errorString();
    } else {
        const auto builtFor = reinterpret_cast<InterfaceFunction>(library.resolve(kInterfaceName));
        found = reinterpret_cast<Entry>(library.resolve(kEntryName));
        if (!builtFor || !found) {
            found = nullptr;
            why = library.errorString();
        } else if (builtFor() != kInterfaceVersion) {
            // Built against another shape of the model: calling it would misread every figure.
            why = QStringLiteral("interface %1, expected %2").arg(builtFor()).arg(kInterfaceVersion);
            found = nullptr;
        }
    }
    if (!found)
        throw AppError(vocab(QStringLiteral("MSG_SOLVER_UNUSABLE")).arg(QDir::toNativeSeparators(path), why));
    loadedPath = path;
    loaded = found;
    return loaded;
}

std::unique_ptr<MipSolver> create(const QStringList &folders)
{
    return std::unique_ptr<MipSolver>(entry(folders)());
}

} // namespace SolverPlugin

std::unique_ptr<MipSolver> MipSolver::create()
{
    return SolverPlugin::create(SolverPlugin::folders());
}
