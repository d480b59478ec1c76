// The command `vapentis-calc`: one subcommand per tool of the window plus
// `batch`, with its options, outputs and exit codes; Qt-free and stream-based,
// so that it runs in-process from tests.
#pragma once

#include <istream>
#include <ostream>

namespace vapentis::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // a calculation failed, or a batch line did
inline constexpr int kExitUsage = 2;    // the command line itself is wrong

int RunCalc(int argc, const char* const* argv, std::istream& in, std::ostream& out,
            std::ostream& err);

}  // namespace vapentis::cli
