// The program's entry: answers --help and --version, else runs the dialogue on the standard
// streams, through the console of foundation/standard_console.hpp.
#include <new>

#include "dialogue/command_line.hpp"
#include "dialogue/run_program.hpp"
#include "foundation/console.hpp"
#include "foundation/standard_console.hpp"
#include "foundation/standard_streams.hpp"

// Apart from --help and --version, command line arguments are ignored: the whole dialogue runs on
// the standard streams.
int main(int argc, char** argv) {
  tessark::StandardOutput out(tessark::StandardStream::output);
  tessark::StandardOutput err(tessark::StandardStream::error);
  try {
    if (auto status = tessark::answerCommandLine(argc, argv, out, err)) return *status;
    if (!tessark::standardStreamsReady(err)) return 1;
    // A reader that went away, or a limit on file sizes, must fail the write (and so stop the
    // run with a message and status 1) instead of ending the program.
    tessark::letFailedWritesReturn();
    tessark::StandardInput in;
    tessark::Console console{in, out, err};
    return tessark::runProgram(console);
  } catch (const std::bad_alloc&) {
    err << tessark::outOfMemoryMessage << '\n';
    return 1;
  }
}
