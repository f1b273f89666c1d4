#include <iostream>

#include "dialogue/command_line.hpp"
#include "dialogue/run_program.hpp"
#include "foundation/console.hpp"
#include "foundation/standard_streams.hpp"

// Apart from --help and --version, command line arguments are ignored: the whole dialogue runs on
// the standard streams.
int main(int argc, char** argv) {
  if (auto status = tessark::answerCommandLine(argc, argv, std::cout, std::cerr)) return *status;
  if (!tessark::standardStreamsReady()) return 1;
  // Every read flushes the prompts itself, so the streams need not stay in step with C stdio.
  std::ios::sync_with_stdio(false);
  tessark::Console console{std::cin, std::cout, std::cerr};
  return tessark::runProgram(console);
}
