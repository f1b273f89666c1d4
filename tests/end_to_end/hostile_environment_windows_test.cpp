// Runs of the built program in a Windows environment that works against it: an unreadable or
// missing standard stream, pipes, folders in the place of its files, a second run in the same
// folder. Each run must end as an undisturbed run does, or stop with status 1 and a message
// naming what failed, never hang or crash.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <span>
#include <string>
#include <utility>

#include "support/folder_outcome.hpp"
#include "support/run_program_process_windows.hpp"
#include "support/work_folder.hpp"

namespace tessark {
namespace {

namespace fs = std::filesystem;
using testing::Handle;
using testing::Pipe;
using testing::readFile;
using testing::runTessark;
using testing::runTessarkWith;
using testing::WorkFolder;

using testing::leftIn;
using testing::undisturbed;
using testing::texts::typicalInput;
constexpr auto& workFiles = testing::writtenFiles;

bool contains(const std::string& text, std::string_view part) {
  return text.find(part) != std::string::npos;
}

// Whether the run wrote nothing in `folder`: no work file and no report.
bool nothingWritten(const fs::path& folder) {
  return fs::is_empty(folder / "files") && !fs::exists(folder / "The Item.txt");
}

// A new file at `path`, opened with `access` only.
Handle openNew(const fs::path& path, DWORD access) {
  return Handle(CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

// The answers through a pipe whose writer has closed it.
Pipe answersPipe(std::string_view input) {
  Pipe pipe;
  DWORD written = 0;
  WriteFile(pipe.writeEnd.get(), input.data(), static_cast<DWORD>(input.size()), &written, nullptr);
  pipe.writeEnd.reset();
  return pipe;
}

TEST(HostileEnvironment, AReadErrorOnStandardInputStopsTheRun) {
  WorkFolder folder;
  const Handle writeOnly = openNew(folder.path() / "in", GENERIC_WRITE);
  const auto run = runTessarkWith(folder.path(), "", {.input = writeOnly.get()});
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_TRUE(contains(run.err, "Tessark: cannot read the answers from standard input: "))
      << run.err;
  EXPECT_FALSE(contains(run.out, "View file called"));
}

TEST(HostileEnvironment, APipeClosedByItsWriterIsTheEndOfTheInput) {
  const std::string expected = undisturbed();
  WorkFolder folder;
  const Pipe all = answersPipe(typicalInput);
  const auto run = runTessarkWith(folder.path(), "", {.input = all.readEnd.get()});
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(leftIn(folder.path(), run.out), expected);

  WorkFolder shortFolder;
  const Pipe part = answersPipe("2\n");
  const auto cut = runTessarkWith(shortFolder.path(), "", {.input = part.readEnd.get()});
  EXPECT_EQ(cut.exitStatus, 1);
  EXPECT_TRUE(contains(cut.err, "Tessark: the input ended at the question")) << cut.err;
}

TEST(HostileEnvironment, NoStandardInputOrOutputAtStartStopsTheRunBeforeItWrites) {
  const std::pair<std::string, testing::StandardHandles> missing[] = {
      {"input", {.input = nullptr}}, {"output", {.output = nullptr}}};
  for (const auto& [name, handles] : missing) {
    WorkFolder folder;
    const auto run = runTessarkWith(folder.path(), typicalInput, handles);
    EXPECT_EQ(run.exitStatus, 1) << name;
    EXPECT_TRUE(contains(run.err, "standard " + name + " is closed")) << run.err;
    EXPECT_TRUE(nothingWritten(folder.path())) << name;
  }
}

TEST(HostileEnvironment, NoStandardErrorAtStartLetsTheRunFinish) {
  const std::string expected = undisturbed();
  WorkFolder folder;
  const auto run = runTessarkWith(folder.path(), typicalInput, {.error = nullptr});
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(leftIn(folder.path(), run.out), expected);
}

TEST(HostileEnvironment, AFolderAsAWorkFileStopsTheRunAtOnce) {
  for (std::string_view file : std::span(workFiles).first(7)) {
    WorkFolder folder;
    fs::create_directory(file);
    const auto run = runTessark(folder.path(), typicalInput, {}, std::chrono::seconds(5));
    ASSERT_FALSE(run.timedOut) << file;
    EXPECT_EQ(run.exitStatus, 1) << file;
    EXPECT_TRUE(contains(run.err, std::string(file) + "\": it is not a regular file")) << run.err;
  }
}

// A rare Short Sword: Jagged is applied before the suffix menu is shown.
constexpr std::string_view untilSuffixMenu = "2\n1\n1\n1\n1\n1\n2\n1\n";
constexpr std::string_view suffixAnswers = "6\n1\n";

// A run in `folder` that has answered up to the suffix menu and waits there for the rest, its
// input a pipe kept open, its output and errors in the file "out" there.
class RunAtSuffixMenu {
 public:
  explicit RunAtSuffixMenu(const fs::path& folder) : out_(folder / "out") {
    for (int attempt = 1; attempt <= 3 && !start(folder); ++attempt) continue;
  }
  ~RunAtSuffixMenu() { end(); }
  bool waiting() const { return waiting_; }
  // Answers the suffix menu; returns the exit status.
  int finish() {
    write(suffixAnswers);
    input_.writeEnd.reset();
    WaitForSingleObject(process_.get(), 20000);
    return status();
  }
  // Ends the run at once, as a kill would.
  void end() {
    if (!process_) return;
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), INFINITE);
  }
  std::string out() const { return testing::withLf(readFile(out_)); }

 private:
  // Starts the run and waits until it asks for the suffix; false when Wine failed to start it (no
  // process, or status 1 before a word is written), the one start worth trying again.
  bool start(const fs::path& folder) {
    input_ = Pipe();
    const Handle file = openNew(out_, GENERIC_WRITE);
    process_ = testing::startTessark(folder, input_.readEnd.get(), file.get(), file.get());
    if (!process_) return false;
    write(untilSuffixMenu);
    for (int i = 0; i < 500; ++i) {
      if ((waiting_ = contains(out(), "Which Category of Suffixes"))) return true;
      if (WaitForSingleObject(process_.get(), 10) == WAIT_OBJECT_0) {
        return status() != 1 || !out().empty();
      }
    }
    return true;
  }
  int status() const {
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return static_cast<int>(code);
  }
  void write(std::string_view text) {
    DWORD written = 0;
    WriteFile(input_.writeEnd.get(), text.data(), static_cast<DWORD>(text.size()), &written,
              nullptr);
  }
  fs::path out_;
  bool waiting_ = false;
  Pipe input_;
  Handle process_;
};

TEST(HostileEnvironment, ASecondRunInTheSameFolderRefusesAndChangesNothing) {
  const std::string expected =
      undisturbed(std::string(untilSuffixMenu) + std::string(suffixAnswers));
  WorkFolder folder;
  RunAtSuffixMenu first(folder.path());
  ASSERT_TRUE(first.waiting()) << first.out();
  const std::string before = leftIn(folder.path(), "");
  const auto second = runTessark(folder.path(), typicalInput);
  EXPECT_EQ(second.exitStatus, 1);
  EXPECT_EQ(second.out, "");
  EXPECT_TRUE(contains(second.err, "another Tessark run")) << second.err;
  EXPECT_EQ(leftIn(folder.path(), ""), before);

  EXPECT_EQ(first.finish(), 0);
  EXPECT_EQ(leftIn(folder.path(), first.out()), expected);
}

TEST(HostileEnvironment, TheFolderIsFreeOnceARunIsKilled) {
  const std::string expected = undisturbed();
  WorkFolder folder;
  RunAtSuffixMenu killed(folder.path());
  ASSERT_TRUE(killed.waiting()) << killed.out();
  killed.end();
  const auto next = runTessark(folder.path(), typicalInput);
  EXPECT_EQ(next.exitStatus, 0) << next.err;
  EXPECT_EQ(leftIn(folder.path(), next.out), expected);
}

TEST(HostileEnvironment, AClosedPipeOnStandardOutputFailsWithAMessage) {
  WorkFolder folder;
  Pipe output;
  output.readEnd.reset();
  const auto run = runTessarkWith(folder.path(), typicalInput, {.output = output.writeEnd.get()},
                                  std::chrono::seconds(5));
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_TRUE(contains(run.err, "cannot write to standard output")) << run.err;
}

}  // namespace
}  // namespace tessark
