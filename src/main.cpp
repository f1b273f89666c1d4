#include <csignal>
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
  // A reader that went away, or a limit on file sizes, must fail the write (and so stop the run
  // with a message and status 1) instead of killing the program.
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
  // Every read flushes the prompts itself, so the streams need not stay in step with C stdio.
  std::ios::sync_with_stdio(false);
  tessark::Console console{std::cin, std::cout, std::cerr};
  return tessark::runProgram(console);
}
