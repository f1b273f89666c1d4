// Console, the three streams the dialogue talks through, and deliverOutput, which stops the run
// when the dialogue cannot be shown.
#pragma once

#include <istream>
#include <ostream>

#include "foundation/run_stopped.hpp"

namespace tessark {

// The ends of the dialogue: answers come from `in`, prompts and menus go to `out`, and the reason
// for stopping early goes to `err`. Tests pass string streams; the program passes the standard
// streams.
struct Console {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
};

// Delivers everything written to `out`. Throws RunStopped when it could not be, since a dialogue
// that cannot be shown has nobody to answer it, whatever it would go on to write.
inline void deliverOutput(Console& console) {
  console.out.flush();
  if (!console.out) {
    throw RunStopped("Tessark: cannot write to standard output; the dialogue was not shown.");
  }
}

}  // namespace tessark
