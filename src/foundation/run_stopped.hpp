// RunStopped, the exception that ends a run early, with its message on the error stream and
// status 1.
#pragma once

#include <stdexcept>

namespace tessark {

// Ends the run early: the input ended where an answer is required, or a file could not be read
// or written completely. Thrown wherever that is found and caught once, by runProgram, which
// reports what() on the error stream and exits with status 1.
class RunStopped : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace tessark
