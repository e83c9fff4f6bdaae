#pragma once
#include <memory>
#include <utility>
#include <vector>

// A mixed-integer linear model, maximised: variables with bounds and objective coefficients,
// linear constraints, a time limit. The engine behind it is one implementation of MipSolver,
// so the lineup model does not depend on a particular solver library.
class MipModel {
public:
    enum class Type { Binary, Integer, Continuous };
    enum class Sense { LessEqual, GreaterEqual, Equal };
    using Terms = std::vector<std::pair<int, double>>; // (variable, coefficient)

    struct Variable {
        Type type;
        double lower;
        double upper;
        double objective;
    };
    struct Constraint {
        Terms terms;
        Sense sense;
        double rhs;
    };

    int addVariable(Type type, double lower, double upper, double objective)
    {
        if (type == Type::Binary) {
            lower = 0;
            upper = 1;
        }
        m_variables.push_back({type, lower, upper, objective});
        return int(m_variables.size()) - 1;
    }
    // Holds a variable at one value (a choice the model may not revisit).
    void fix(int variable, double value)
    {
        m_variables[variable].lower = value;
        m_variables[variable].upper = value;
    }
    void addConstraint(Terms terms, Sense sense, double rhs)
    {
        m_constraints.push_back({std::move(terms), sense, rhs});
    }

    // A solution to start from (values of some variables); the engine may use it or not.
    void setStart(Terms values) { m_start = std::move(values); }
    const Terms &start() const { return m_start; }

    const std::vector<Variable> &variables() const { return m_variables; }
    const std::vector<Constraint> &constraints() const { return m_constraints; }

private:
    std::vector<Variable> m_variables;
    std::vector<Constraint> m_constraints;
    Terms m_start;
};

class MipSolver {
public:
    enum class Status {
        Optimal,     // the values are optimal for the model (within the engine's tolerances)
        Feasible,    // stopped by the time limit with a solution; bound is the best known bound
        Infeasible,  // no solution exists
        NoSolution,  // stopped before any solution was found
    };
    struct Result {
        Status status = Status::NoSolution;
        std::vector<double> values; // one per variable, when a solution was found
        double objective = 0;       // the engine's figure for the values: never a lineup's rating
        double bound = 0;           // no solution of the model is worth more than this
    };

    virtual ~MipSolver() = default;
    virtual Result solve(const MipModel &model, double timeLimitSeconds) = 0;

    // The engine this program is built with, from its plugin (SolverPlugin.h), loaded on the
    // first call; raises an AppError that says so when the plugin is missing or unusable.
    static std::unique_ptr<MipSolver> create();
};
