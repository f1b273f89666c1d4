#pragma once

#include <istream>
#include <ostream>

namespace tessark {

// The ends of the dialogue: answers come from `in`, prompts and menus go to `out`, and the reason
// for stopping early goes to `err`. Tests pass string streams; the program passes the standard
// streams.
struct Console {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
};

}  // namespace tessark
