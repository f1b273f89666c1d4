// answerCommandLine: the two requests the command line can make, --help and --version; every
// other argument is ignored and the dialogue runs.
#pragma once

#include <optional>

#include "foundation/console_writer.hpp"

namespace tessark {

// Answers --help or --version, whichever comes first before a "--", on `out`. Returns the exit
// status when one of them was answered (0, or 1 with a message on `err` when `out` could not be
// written), and nullopt when the dialogue should run.
std::optional<int> answerCommandLine(int argc, const char* const* argv, ConsoleWriter& out,
                                     ConsoleWriter& err);

}  // namespace tessark
