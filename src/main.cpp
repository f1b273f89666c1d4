#include <iostream>

#include "dialogue/run_program.hpp"
#include "foundation/console.hpp"
#include "foundation/standard_streams.hpp"

// Command line arguments are ignored: the whole dialogue runs on the standard streams.
int main() {
  if (!tessark::standardStreamsReady()) return 1;
  // Every read flushes the prompts itself, so the streams need not stay in step with C stdio.
  std::ios::sync_with_stdio(false);
  tessark::Console console{std::cin, std::cout, std::cerr};
  return tessark::runProgram(console);
}
