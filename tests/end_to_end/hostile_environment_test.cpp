// Runs of the built program in an environment that works against it: read errors, closed
// standard streams, odd files in place of its own, a second run in the same folder. Each run must
// end as an undisturbed run does, or stop with status 1 and a message, never hang or crash.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <span>
#include <string>
#include <thread>

#include "support/run_program_process.hpp"
#include "support/work_folder.hpp"

namespace tessark {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::runTessark;
using testing::WorkFolder;

constexpr std::string_view typicalInput = "1\n1\n1\n1\n3\n2\n1\n6\n1\n";
constexpr std::array<std::string_view, 8> workFiles{
    "files/Modlist.dat",  "files/Prefix.dat",  "files/Suffix.dat",   "files/BestPre.dat",
    "files/LeastPre.dat", "files/BestSuf.dat", "files/LeastSuf.dat", "The Item.txt"};

// What a run leaves in `folder`: its standard output and every file it writes.
std::string leftIn(const fs::path& folder, const std::string& out) {
  std::string all = out;
  for (std::string_view file : workFiles) all += "\n--- " + readFile(folder / file);
  return all;
}

// What a run with `input` leaves in an undisturbed folder.
std::string undisturbed(std::string_view input = typicalInput) {
  WorkFolder folder;
  return leftIn(folder.path(), runTessark(folder.path(), input).out);
}

// Runs the program in `folder` through the shell after `setup`, with `redirections` on its
// command line, standard output and error going to the files "out" and "err" there unless the
// redirections say otherwise; returns the exit status.
int runRedirected(const fs::path& folder, const std::string& redirections,
                  const std::string& setup = "") {
  const std::string command = "cd '" + folder.string() + "' && " + setup +
                              " exec '" TESSARK_PROGRAM "' >out 2>err " + redirections;
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(HostileEnvironment, AReadErrorOnStandardInputStopsTheRun) {
  WorkFolder folder;
  EXPECT_EQ(runRedirected(folder.path(), "</"), 1);
  EXPECT_NE(readFile(folder.path() / "err").find("standard input: Is a directory"),
            std::string::npos);
}

TEST(HostileEnvironment, AWriteThatWouldRaiseASignalFailsInsteadOfKillingTheRun) {
  WorkFolder folder;
  testing::writeFile(folder.path() / "in", typicalInput);
  // Standard output a pipe that nobody reads any more.
  EXPECT_EQ(runRedirected(folder.path(), "<in >&5", "mkfifo pipe && exec 4<>pipe 5>pipe 4<&- &&"),
            1);
  EXPECT_NE(readFile(folder.path() / "err"), "");
  EXPECT_EQ(runRedirected(folder.path(), "<in", "ulimit -f 0 &&"), 1);
}

TEST(HostileEnvironment, ClosedStandardStreamsAreNeverTakenByItsFiles) {
  for (const std::string closed : {"<&-", ">&-"}) {
    WorkFolder folder;
    EXPECT_EQ(runRedirected(folder.path(), "</dev/null " + closed), 1) << closed;
    EXPECT_NE(readFile(folder.path() / "err"), "") << closed;
    EXPECT_TRUE(fs::is_empty(folder.path() / "files")) << closed;
    EXPECT_FALSE(fs::exists(folder.path() / "The Item.txt")) << closed;
  }
  // Without standard error the run can still do its whole job.
  const std::string expected = undisturbed();
  WorkFolder folder;
  testing::writeFile(folder.path() / "in", typicalInput);
  EXPECT_EQ(runRedirected(folder.path(), "<in 2>&-"), 0);
  EXPECT_EQ(leftIn(folder.path(), readFile(folder.path() / "out")), expected);
}

TEST(HostileEnvironment, AnythingButARegularFileAsAWorkFileStopsTheRunAtOnce) {
  for (std::string_view file : std::span(workFiles).first(7)) {
    for (int kind = 0; kind < 3; ++kind) {
      WorkFolder folder;
      if (kind == 0) mkfifo(std::string(file).c_str(), 0644);
      if (kind == 1) fs::create_symlink("/dev/zero", file);
      if (kind == 2) fs::create_directory(file);
      const auto run = runTessark(folder.path(), typicalInput, {}, std::chrono::seconds(5));
      ASSERT_FALSE(run.timedOut) << file << " " << kind;
      EXPECT_EQ(run.exitStatus, 1) << file << " " << kind;
      EXPECT_NE(run.err.find(file), std::string::npos) << run.err;
    }
  }
}

TEST(HostileEnvironment, TheReportMayBeADeviceButNeverBlocks) {
  WorkFolder folder;
  mkfifo("The Item.txt", 0644);
  const auto toPipe = runTessark(folder.path(), typicalInput, {}, std::chrono::seconds(5));
  ASSERT_FALSE(toPipe.timedOut);
  EXPECT_EQ(toPipe.exitStatus, 1);
  fs::remove("The Item.txt");
  fs::create_symlink("/dev/null", "The Item.txt");
  EXPECT_EQ(runTessark(folder.path(), typicalInput).exitStatus, 0);
}

TEST(HostileEnvironment, ASecondRunInTheSameFolderRefusesAndChangesNothing) {
  // A rare Short Sword: Jagged is applied before the suffix menu is shown.
  constexpr std::string_view untilSuffixMenu = "2\n1\n1\n1\n1\n1\n2\n1\n";
  constexpr std::string_view suffix = "6\n1\n";
  const std::string expected = undisturbed(std::string(untilSuffixMenu) + std::string(suffix));
  WorkFolder folder;
  const fs::path out = folder.path() / "out";
  const std::string command =
      "cd '" + folder.path().string() + "' && exec '" TESSARK_PROGRAM "' >out";
  std::FILE* first = popen(command.c_str(), "w");
  ASSERT_NE(first, nullptr);
  std::fputs(untilSuffixMenu.data(), first);
  std::fflush(first);
  for (int i = 0; i < 500 && readFile(out).find("Which Category of Suffixes") == std::string::npos;
       ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  const std::string before = leftIn(folder.path(), "");
  const auto second = runTessark(folder.path(), typicalInput);
  EXPECT_EQ(second.exitStatus, 1);
  EXPECT_EQ(second.out, "");
  EXPECT_NE(second.err.find("another Tessark run"), std::string::npos) << second.err;
  EXPECT_EQ(leftIn(folder.path(), ""), before);

  std::fputs(suffix.data(), first);
  EXPECT_EQ(WEXITSTATUS(pclose(first)), 0);
  EXPECT_EQ(leftIn(folder.path(), readFile(out)), expected);
}

}  // namespace
}  // namespace tessark
