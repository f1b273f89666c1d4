// A run of the built program that goes on while the test does something else: the test reads its
// output as it comes, acts at a prompt, then gives the rest of the answers.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support/run_program_process.hpp"

namespace tessark::testing {

class StartedRun {
 public:
  // Starts the program in `folder`, through `wrapper` (a command that runs the program given
  // after its own arguments, such as strace) unless it is empty.
  explicit StartedRun(const std::filesystem::path& folder,
                      const std::vector<std::string>& wrapper = {});
  ~StartedRun();
  StartedRun(const StartedRun&) = delete;
  StartedRun& operator=(const StartedRun&) = delete;

  void send(std::string_view answers);
  // Waits until standard output ends with `text`; false when it does not within `limit`.
  bool waitForOutput(std::string_view text,
                     std::chrono::milliseconds limit = std::chrono::seconds(10));
  // Ends the answers and waits for the end of the run; a run that outlasts `limit` is killed.
  ProcessResult finish(std::chrono::milliseconds limit = std::chrono::seconds(20));

 private:
  pid_t pid_ = -1;
  int input_ = -1, out_ = -1, err_ = -1;
};

}  // namespace tessark::testing
