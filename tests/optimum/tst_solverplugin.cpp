// The solver plugin as the optimum opens it: found beside the programs, and a clear error when
// it is missing or is no usable library, never a crash.
#include "common/AppError.h"
#include "optimum/MipSolver.h"
#include "optimum/SolverPlugin.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestSolverPlugin : public QObject {
    Q_OBJECT

private slots:
    void aMissingOrBrokenPluginIsToldNotCalled()
    {
        QTemporaryDir empty;
        QTemporaryDir broken;
        QFile file(broken.filePath(SolverPlugin::fileName()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a library");
        file.close();
        // Missing: the message names the file and every folder looked in.
        try {
            SolverPlugin::create({empty.path()});
            QFAIL("a missing plugin must raise");
        } catch (const AppError &e) {
            QVERIFY2(e.message().contains(SolverPlugin::fileName()), qPrintable(e.message()));
            QVERIFY2(e.message().contains(QDir::toNativeSeparators(empty.path())), qPrintable(e.message()));
        }
        // Present but no library: the same kind of error, naming the file.
        QVERIFY_THROWS_EXCEPTION(AppError, SolverPlugin::create({empty.path(), broken.path()}));
        // The plugin built with the program solves.
        const std::unique_ptr<MipSolver> solver = SolverPlugin::create(SolverPlugin::folders());
        MipModel model;
        const int x = model.addVariable(MipModel::Type::Integer, 0, 10, 1);
        model.addConstraint({{x, 2.0}}, MipModel::Sense::LessEqual, 7);
        const MipSolver::Result r = solver->solve(model, 10);
        QCOMPARE(r.status, MipSolver::Status::Optimal);
        QCOMPARE(qRound(r.values[x]), 3);
    }
};

QTEST_GUILESS_MAIN(TestSolverPlugin)
#include "tst_solverplugin.moc"
