// Console, the reader and the two writers the dialogue talks through, and deliverOutput, which
// stops the run when the dialogue cannot be shown.
#pragma once

#include "foundation/console_reader.hpp"
#include "foundation/console_writer.hpp"
#include "foundation/run_stopped.hpp"

namespace tessark {

// The ends of the dialogue: answers come from `in`, prompts and menus go to `out`, and the reason
// for stopping early goes to `err`. Tests pass a console in memory; the program passes the
// standard streams.
struct Console {
  ConsoleReader& in;
  ConsoleWriter& out;
  ConsoleWriter& err;
};

// Delivers everything written to `out`. Throws RunStopped when it could not be, since a dialogue
// that cannot be shown has nobody to answer it, whatever it would go on to write.
inline void deliverOutput(Console& console) {
  if (!console.out.flush()) {
    throw RunStopped("Tessark: cannot write to standard output; the dialogue was not shown.");
  }
}

}  // namespace tessark
