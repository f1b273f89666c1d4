// The program's entry: answers --help and --version, else runs the dialogue on the standard
// streams, through the stream buffers of system/.
#include <istream>
#include <new>
#include <ostream>

#include "dialogue/command_line.hpp"
#include "dialogue/run_program.hpp"
#include "foundation/console.hpp"
#include "foundation/standard_streams.hpp"
#include "system/standard_streams.hpp"

// Apart from --help and --version, command line arguments are ignored: the whole dialogue runs on
// the standard streams.
int main(int argc, char** argv) {
  tessark::StandardOutputBuffer outBuffer(tessark::StandardStream::output);
  tessark::StandardOutputBuffer errBuffer(tessark::StandardStream::error);
  std::ostream out(&outBuffer);
  std::ostream err(&errBuffer);
  err.setf(std::ios::unitbuf);
  try {
    if (auto status = tessark::answerCommandLine(argc, argv, out, err)) return *status;
    if (!tessark::standardStreamsReady(err)) return 1;
    // A reader that went away, or a limit on file sizes, must fail the write (and so stop the
    // run with a message and status 1) instead of ending the program.
    tessark::letFailedWritesReturn();
    tessark::StandardInputBuffer inBuffer;
    std::istream in(&inBuffer);
    tessark::Console console{in, out, err};
    return tessark::runProgram(console);
  } catch (const std::bad_alloc&) {
    err << tessark::outOfMemoryMessage << '\n';
    return 1;
  }
}
