#pragma once

class MipSolver;

// What the solver plugin and the program agree on; no Qt here, the plugin links only its engine.
namespace SolverPlugin {

// Changed whenever MipModel or MipSolver change shape, so that a plugin built against another
// shape is refused instead of called.
constexpr int kInterfaceVersion = 3;

// What the plugin exports: the interface it was built with, and a new solver.
using InterfaceFunction = int (*)();
inline constexpr const char *kInterfaceName = "sqw_mip_solver_interface";
using Entry = MipSolver *(*)();
inline constexpr const char *kEntryName = "sqw_create_mip_solver";

} // namespace SolverPlugin
