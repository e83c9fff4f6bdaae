#include "optimum/MipSolver.h"
#include "optimum/SolverPluginInterface.h"

#include <Cbc_C_Interface.h>

#include <cmath>
#include <string>

namespace {

// The models are small and solved many times in a row: the engine runs silently and on one thread,
// so the same model always gives the same answer.
class CbcMipSolver final : public MipSolver {
public:
    Result solve(const MipModel &model, double timeLimitSeconds) override
    {
        Cbc_Model *cbc = Cbc_newModel();
        Cbc_setLogLevel(cbc, 0);
        Cbc_setObjSense(cbc, -1); // maximise
        const auto &variables = model.variables();
        for (const MipModel::Variable &v : variables)
            Cbc_addCol(cbc, "", v.lower, v.upper, v.objective, v.type != MipModel::Type::Continuous, 0, nullptr,
                       nullptr);
        std::vector<int> columns;
        std::vector<double> coefficients;
        for (const MipModel::Constraint &c : model.constraints()) {
            columns.clear();
            coefficients.clear();
            for (const auto &[column, coefficient] : c.terms) {
                columns.push_back(column);
                coefficients.push_back(coefficient);
            }
            const char sense = c.sense == MipModel::Sense::LessEqual      ? 'L'
                               : c.sense == MipModel::Sense::GreaterEqual ? 'G'
                                                                          : 'E';
            Cbc_addRow(cbc, "", int(columns.size()), columns.data(), coefficients.data(), sense, c.rhs);
        }
        if (timeLimitSeconds > 0) {
            Cbc_setMaximumSeconds(cbc, timeLimitSeconds);
            // The user waits in wall-clock seconds; the engine counts processor time unless told,
            // which on a busy machine let a half-second limit run for several seconds.
            Cbc_setParameter(cbc, "timeMode", "elapsed");
        }
        const auto &start = model.start();
        if (!start.empty()) {
            std::vector<int> startColumns;
            std::vector<double> startValues;
            for (const auto &[column, value] : start) {
                startColumns.push_back(column);
                startValues.push_back(value);
            }
            Cbc_setMIPStartI(cbc, int(startColumns.size()), startColumns.data(), startValues.data());
        }
        Cbc_setAllowableGap(cbc, 1e-9);
        Cbc_setAllowableFractionGap(cbc, 0);
        Cbc_setParameter(cbc, "threads", "1");
        // The engine's own cutting planes cost it more than they save on these models: with free
        // behaviours its search ran two to three times longer with them on full squads, with the
        // board's up to twice as long on the slowest squads.
        Cbc_setParameter(cbc, "cuts", "off");
        // This engine's coefficient dive stops the whole program on a failed assertion of its own
        // on some squads (seen with its cutting planes off): the other heuristics and the start
        // solution find the lineups without it.
        Cbc_setParameter(cbc, "DivingCoefficient", "off");
        // A lineup must beat the best so far by the engine's increment to count; its default (1e-5)
        // is more than a small difference in the raw sector sum weighs in the objective, so an
        // equal E with a larger sum was cut off as no better.
        Cbc_setParameter(cbc, "increment", "1e-10");

        Result result;
        Cbc_solve(cbc);
        const double *values = Cbc_bestSolution(cbc);
        if (values) {
            result.values.assign(values, values + variables.size());
            result.objective = Cbc_getObjValue(cbc);
        }
        if (Cbc_isProvenOptimal(cbc) && values) {
            result.status = Status::Optimal;
            result.bound = result.objective;
        } else if (Cbc_isProvenInfeasible(cbc) && !values && !Cbc_isSecondsLimitReached(cbc)) {
            // (Stopped by the time limit during its preparation, the engine may call the model
            // infeasible: that is no proof, and a lineup found later would be taken for the best.)
            result.status = Status::Infeasible;
        } else {
            result.status = values ? Status::Feasible : Status::NoSolution;
            result.bound = Cbc_getBestPossibleObjValue(cbc);
            if (values && result.bound < result.objective)
                result.bound = result.objective;
        }
        Cbc_deleteModel(cbc);
        return result;
    }
};

} // namespace

// The plugin's two entry points (SolverPluginInterface.h); nothing else of it is visible.
#if defined(_WIN32)
#define SQW_PLUGIN_EXPORT extern "C" __declspec(dllexport)
#else
#define SQW_PLUGIN_EXPORT extern "C" __attribute__((visibility("default")))
#endif

SQW_PLUGIN_EXPORT int sqw_mip_solver_interface()
{
    return SolverPlugin::kInterfaceVersion;
}

SQW_PLUGIN_EXPORT MipSolver *sqw_create_mip_solver()
{
    return new CbcMipSolver;
}
