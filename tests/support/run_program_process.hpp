#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tessark::testing {

// What one run of the built program left behind.
struct ProcessResult {
  std::string out;
  std::string err;
  int exitStatus = -1;  // -1 unless the program exited by itself
  bool timedOut = false;
};

// Runs the built program with `arguments` in `folder`, `input` its whole standard input. A run
// that takes longer than `limit` is killed and reported as timed out, so a hang fails its test.
ProcessResult runTessark(const std::filesystem::path& folder, std::string_view input,
                         const std::vector<std::string>& arguments = {},
                         std::chrono::milliseconds limit = std::chrono::seconds(20));

}  // namespace tessark::testing
