// tessark-node in set-ups that node itself hides or cannot look at: standard streams closed
// before it starts, and pipes where the report, a work file or a leftover stands. Each ends as the
// native program does, with its words.
#include <emscripten.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "support/dialogue_texts.hpp"
#include "support/run_program_process.hpp"
#include "support/work_folder.hpp"

namespace tessark {
namespace {

namespace fs = std::filesystem;
using namespace testing;

// Runs the launcher in `folder` through the shell with `redirections` after the answers of the
// typical run on its standard input; returns its exit status, with its standard error in `err`.
// clang-format off
EM_JS(int, runRedirected,
      (const char* program, const char* folder, const char* redirections, const char* input), {
  const run = require("child_process").spawnSync(
      "sh", ["-c", 'printf "$1" | exec "$0" ' + UTF8ToString(redirections), UTF8ToString(program),
             UTF8ToString(input)],
      {cwd: UTF8ToString(folder), stdio: ["ignore", "ignore", "pipe"], timeout: 20000});
  Module["tessarkErr"] = run.stderr.toString();
  return run.status === null ? -1 : run.status;
});
EM_JS(int, takeErr, (char* buffer, int size), {
  if (buffer) stringToUTF8(Module["tessarkErr"], buffer, size);
  return lengthBytesUTF8(Module["tessarkErr"]) + 1;
});
EM_JS(void, makePipe, (const char* path), {
  require("child_process").execFileSync("mkfifo", [UTF8ToString(path)]);
});
// clang-format on

struct Outcome {
  int status;
  std::string err;
};

Outcome runWith(const WorkFolder& folder, const std::string& redirections) {
  std::string input;
  for (const char c : texts::typicalInput)
    input += c == '\n' ? std::string("\\n") : std::string(1, c);
  const int status =
      runRedirected(TESSARK_PROGRAM, folder.path().c_str(), redirections.c_str(), input.c_str());
  std::string err(static_cast<std::size_t>(takeErr(nullptr, 0)), '\0');
  takeErr(err.data(), static_cast<int>(err.size()));
  err.pop_back();
  return {status, err};
}

TEST(NodeLauncher, ClosedStandardStreamsStopTheRunBeforeAnythingIsWritten) {
  for (const std::string_view stream : {"input", "output"}) {
    const WorkFolder folder;
    const Outcome outcome = runWith(folder, stream == "input" ? "<&-" : ">&-");
    EXPECT_EQ(outcome.status, 1) << stream;
    EXPECT_EQ(outcome.err,
              texts::join({"Tessark: standard ", stream,
                           " is closed; start Tessark with the answers on standard input and the "
                           "dialogue on standard output.\n"}));
    EXPECT_TRUE(fs::is_empty(folder.path() / "files")) << stream;
    EXPECT_FALSE(fs::exists(folder.path() / "The Item.txt")) << stream;
  }
  // The usage text, too, cannot be written where standard output is closed.
  const WorkFolder folder;
  const Outcome help = runWith(folder, ">&- --help");
  EXPECT_EQ(help.status, 1);
  EXPECT_EQ(help.err, "Tessark: cannot write to standard output.\n");
}

TEST(NodeLauncher, APipeAsTheReportOrAWorkFileIsRefusedInTheNativeWords) {
  const WorkFolder folder;
  makePipe("The Item.txt");
  Outcome outcome = runWith(folder, ">/dev/null");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.err,
            "Tessark: cannot write \"The Item.txt\": it is a pipe that nothing reads, or a device "
            "that is not there.\n");
  fs::remove("The Item.txt");
  fs::remove("files/Suffix.dat");
  makePipe("files/Suffix.dat");
  outcome = runWith(folder, ">/dev/null");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.err,
            "Tessark: cannot create \"files/Suffix.dat\": it is not a regular file. The folder "
            "\"files\" is Tessark's own; remove what stands in the place of this file, then start "
            "Tessark again.\n");
}

TEST(NodeLauncher, ALeftoverIsRemovedBesideAPipeOfTheSameForm) {
  const WorkFolder folder;
  makePipe(".tessark-0000000000000000");
  writeFile(".tessark-ffffffffffffffff", "left by a killed run");
  EXPECT_EQ(runWith(folder, ">/dev/null").status, 0);
  EXPECT_EQ(namesIn("."),
            (std::set<std::string>{".tessark-0000000000000000", "The Item.txt", "files"}));
}

}  // namespace
}  // namespace tessark
