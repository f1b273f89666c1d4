// The standard streams as the system gives them: whether they are open at start, and reads and
// writes of them directly.

// A read error is told from the end of the input here, whatever the C++ library does, and a stream
// left non-blocking by another program is waited on as a blocking one would be.
#pragma once

#include <cstddef>

namespace tessark {

enum class StandardStream { input, output, error };

// Whether the stream is open, so that no file of the program's can take its place.
bool isOpen(StandardStream stream);

// Gives a closed standard error the null device; false when it cannot.
bool openStandardErrorOnNullDevice();

// Makes a write to a pipe without a reader, or past a limit on file sizes, fail as a write
// instead of ending the process by a signal, so that the run can say what failed.
void letFailedWritesReturn();

// Reads at most `size` bytes of standard input, waiting as a blocking stream would; returns 0 at
// the end of the input (for a pipe, its writer closing it). Throws SystemError on a read error.
std::size_t readStandardInput(char* buffer, std::size_t size);

// Writes `size` bytes to standard output or error, waiting as a blocking stream would; false
// when they could not all be written.
bool writeStandard(StandardStream stream, const char* text, std::size_t size);

}  // namespace tessark
