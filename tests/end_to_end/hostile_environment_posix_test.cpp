// Runs of the built program in an environment that works against it: read errors, closed
// standard streams, odd files in place of its own, a second run in the same folder. Each run must
// end as an undisturbed run does, or stop with status 1 and a message, never hang or crash.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <span>
#include <string>
#include <thread>

#include "support/dialogue_texts.hpp"
#include "support/folder_outcome.hpp"
#include "support/run_program_process.hpp"
#include "support/work_folder.hpp"

namespace tessark {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::runTessark;
using testing::WorkFolder;

using testing::leftIn;
using testing::undisturbed;
using testing::texts::typicalInput;
constexpr auto& workFiles = testing::writtenFiles;

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

// A rare Short Sword: Jagged is applied before the suffix menu is shown.
constexpr std::string_view untilSuffixMenu = "2\n1\n1\n1\n1\n1\n2\n1\n";
constexpr std::string_view suffixAnswers = "6\n1\n";

// A run in `folder` that has answered up to the suffix menu and waits there for the rest; its
// process number is in the file "pid" there.
class RunAtSuffixMenu {
 public:
  explicit RunAtSuffixMenu(const fs::path& folder, const std::string& redirections = "")
      : out_(folder / "out") {
    const std::string command = "cd '" + folder.string() +
                                "' && echo $$ >pid && exec '" TESSARK_PROGRAM "' >out " +
                                redirections;
    run_ = popen(command.c_str(), "w");
    std::fputs(untilSuffixMenu.data(), run_);
    std::fflush(run_);
    for (int i = 0;
         i < 500 && readFile(out_).find("Which Category of Suffixes") == std::string::npos; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
  // Answers the suffix menu; returns the exit status.
  int finish() {
    std::fputs(suffixAnswers.data(), run_);
    return WEXITSTATUS(pclose(run_));
  }
  std::string out() const { return readFile(out_); }

 private:
  fs::path out_;
  std::FILE* run_;
};

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
  // It has the null device in its place, so that no file of the run can take its number.
  WorkFolder waiting;
  RunAtSuffixMenu run(waiting.path(), "2>&-");
  EXPECT_EQ(
      fs::read_symlink("/proc/" + readFile("pid").substr(0, readFile("pid").size() - 1) + "/fd/2"),
      "/dev/null");
  EXPECT_EQ(run.finish(), 0);
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

TEST(HostileEnvironment, AReportPipeWhoseReaderNeverReadsStopsTheRunAfterAWhile) {
  WorkFolder folder;
  mkfifo("The Item.txt", 0644);
  // A reader that holds the pipe open and never reads, with the pipe already full.
  const int reader = open("The Item.txt", O_RDONLY | O_NONBLOCK);
  const int writer = open("The Item.txt", O_WRONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  ASSERT_GE(writer, 0);
  const std::string block(4096, 'x');
  while (write(writer, block.data(), block.size()) > 0) {
  }
  close(writer);
  const auto run = runTessark(folder.path(), typicalInput, {}, std::chrono::seconds(15));
  close(reader);
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.err,
            "Tessark: cannot write \"The Item.txt\": it is a pipe that nothing reads, or a device "
            "that is not there.\n");
  EXPECT_EQ(run.out, testing::texts::typicalDialogue);
}

TEST(HostileEnvironment, ASecondRunInTheSameFolderRefusesAndChangesNothing) {
  const std::string expected =
      undisturbed(std::string(untilSuffixMenu) + std::string(suffixAnswers));
  WorkFolder folder;
  RunAtSuffixMenu first(folder.path());
  const std::string before = leftIn(folder.path(), "");
  const auto second = runTessark(folder.path(), typicalInput);
  EXPECT_EQ(second.exitStatus, 1);
  EXPECT_EQ(second.out, "");
  EXPECT_NE(second.err.find("another Tessark run"), std::string::npos) << second.err;
  EXPECT_EQ(leftIn(folder.path(), ""), before);

  EXPECT_EQ(first.finish(), 0);
  EXPECT_EQ(leftIn(folder.path(), first.out()), expected);
}

TEST(HostileEnvironment, AFolderReplacedDuringARunKeepsTheTwoRunsApart) {
  const std::string expectedFirst =
      undisturbed(std::string(untilSuffixMenu) + std::string(suffixAnswers));
  const std::string expectedSecond = undisturbed();
  WorkFolder folder;
  RunAtSuffixMenu first(folder.path());
  fs::rename("files", "files.old");
  fs::create_directory("files");
  const auto second = runTessark(folder.path(), typicalInput);
  EXPECT_EQ(second.exitStatus, 0) << second.err;
  EXPECT_EQ(leftIn(folder.path(), second.out), expectedSecond);

  // The first run finishes in the folder it started with.
  EXPECT_EQ(first.finish(), 0);
  fs::rename("files", "files.second");
  fs::rename("files.old", "files");
  EXPECT_EQ(leftIn(folder.path(), first.out()), expectedFirst);
}

TEST(HostileEnvironment, WorkFilesThatAreOneFileStopTheRunBeforeAnythingChanges) {
  for (int alias = 0; alias < 2; ++alias) {
    WorkFolder folder;
    testing::writeFile("files/Prefix.dat", "earlier\n");
    if (alias == 0) fs::create_hard_link("files/Prefix.dat", "files/Suffix.dat");
    if (alias == 1) fs::create_symlink("files/Prefix.dat", "The Item.txt");
    const std::string before = leftIn(folder.path(), "");
    const auto run = runTessark(folder.path(), typicalInput);
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, testing::texts::oneFileMessage(
                           "files/Prefix.dat", alias == 0 ? "files/Suffix.dat" : "The Item.txt"));
    EXPECT_EQ(leftIn(folder.path(), ""), before);
  }
}

TEST(HostileEnvironment, TheReportReplacedWholeKeepsTheLinksAndModeThePlayerSetUp) {
  WorkFolder plain;
  const auto undisturbedRun = runTessark(plain.path(), typicalInput);
  const std::string report = readFile(plain.path() / "The Item.txt");
  WorkFolder folder;
  // A link to a report elsewhere keeps pointing at it, and the report keeps its mode.
  fs::create_directory("library");
  testing::writeFile("library/kept.txt", std::string(2000, 'x'));
  fs::permissions("library/kept.txt", fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("library/kept.txt", "The Item.txt");
  // A second name of a report is the same report after the run.
  testing::writeFile("files/../second.txt", "earlier");
  EXPECT_EQ(runTessark(folder.path(), typicalInput).exitStatus, 0);
  EXPECT_TRUE(fs::is_symlink("The Item.txt"));
  EXPECT_EQ(readFile("library/kept.txt"), report);
  EXPECT_EQ(fs::status("library/kept.txt").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);

  fs::remove("The Item.txt");
  fs::create_hard_link("second.txt", "The Item.txt");
  EXPECT_EQ(runTessark(folder.path(), typicalInput).exitStatus, 0);
  EXPECT_EQ(readFile("second.txt"), report);
  EXPECT_EQ(fs::hard_link_count("The Item.txt"), 2u);

  // A link to standard output gets the report between the dialogue and the closing message,
  // whether the output is a pipe or a file.
  fs::remove("The Item.txt");
  fs::create_symlink("/dev/stdout", "The Item.txt");
  const auto toOutput = runTessark(folder.path(), typicalInput);
  std::string expectedOut = undisturbedRun.out;
  expectedOut.insert(expectedOut.find("\nView file called"), report);
  EXPECT_EQ(toOutput.exitStatus, 0);
  EXPECT_EQ(toOutput.out, expectedOut);
  testing::writeFile("in", typicalInput);
  EXPECT_EQ(runRedirected(folder.path(), "<in"), 0);
  EXPECT_EQ(readFile("out"), expectedOut);
}

TEST(HostileEnvironment, ANonBlockingInputIsWaitedFor) {
  const std::string expected = undisturbed();
  WorkFolder folder;
  int input[2];
  ASSERT_EQ(pipe(input), 0);
  fcntl(input[0], F_SETFL, O_NONBLOCK);
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(input[0], 0);
    const int out = open("out", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(out, 1);
    execl(TESSARK_PROGRAM, TESSARK_PROGRAM, nullptr);
    _exit(127);
  }
  close(input[0]);
  // Every answer comes after the program has asked for it.
  for (char answer : typicalInput) {
    if (answer == '\n') std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_EQ(write(input[1], &answer, 1), 1);
  }
  close(input[1]);
  int status = 0;
  waitpid(pid, &status, 0);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(leftIn(folder.path(), readFile("out")), expected);
}

}  // namespace
}  // namespace tessark
