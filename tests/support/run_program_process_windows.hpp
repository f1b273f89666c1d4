// What the Windows runner offers beyond runTessark: runs whose standard handles the test chooses,
// and runs that go on while the test does something else.
#pragma once

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "support/run_program_process.hpp"

namespace tessark::testing {

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

// The standard handles a run starts with. Unset: the runner's own (the answers from a file, the
// outputs read into the result); nullptr: none, as for a process started without that handle.
// The program inherits a handle given here; the test keeps its own.
struct StandardHandles {
  std::optional<HANDLE> input{}, output{}, error{};
};

// An anonymous pipe, neither end of which a run inherits unless it is given to it.
struct Pipe {
  Pipe();
  Handle readEnd, writeEnd;
};

// As runTessark, with the standard handles that `handles` sets.
ProcessResult runTessarkWith(const std::filesystem::path& folder, std::string_view input,
                             const StandardHandles& handles,
                             std::chrono::milliseconds limit = std::chrono::seconds(20));

// Starts the built program in `folder` with these standard handles and returns its process, for
// the test to wait for or end; nothing when it could not be started.
Handle startTessark(const std::filesystem::path& folder, HANDLE input, HANDLE output, HANDLE error);

// `text` with CRLF turned into LF, as standard output and error are compared.
std::string withLf(const std::string& text);

}  // namespace tessark::testing
