#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

#include "support/dialogue_texts.hpp"
#include "support/work_folder.hpp"

namespace tessark {
namespace {

using namespace testing::texts;
using Clock = std::chrono::steady_clock;

constexpr auto timeLimit = std::chrono::seconds(10);

// The program started on a pseudo-terminal, as a player at a console would run it. The screen
// keeps what the terminal shows, typed answers echoed, with line ends as "\n".
class Terminal {
 public:
  explicit Terminal(const std::filesystem::path& folder) {
    const std::string folderText = folder.string();
    pid_ = forkpty(&master_, nullptr, nullptr, nullptr);
    if (pid_ == 0) {
      if (chdir(folderText.c_str()) == 0) {
        execl(TESSARK_PROGRAM, TESSARK_PROGRAM, static_cast<char*>(nullptr));
      }
      _exit(127);
    }
  }
  ~Terminal() {
    if (pid_ > 0 && !exited_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (master_ >= 0) close(master_);
  }
  Terminal(const Terminal&) = delete;
  Terminal& operator=(const Terminal&) = delete;

  bool started() const { return pid_ > 0; }
  const std::string& screen() const { return screen_; }

  // Reads what the program shows until the screen is exactly `expected`. False when the time
  // limit passes or the program closes the terminal first: the text was not shown in time.
  bool waitForScreen(const std::string& expected) {
    const auto deadline = Clock::now() + timeLimit;
    while (screen_ != expected && !closed_) {
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
      if (left.count() <= 0) return false;
      pollfd fd{master_, POLLIN, 0};
      if (poll(&fd, 1, static_cast<int>(left.count())) <= 0) continue;
      char buffer[4096];
      const ssize_t n = read(master_, buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) closed_ = true;  // EIO once the program has closed its side
      for (ssize_t i = 0; i < n; ++i) {
        if (buffer[i] != '\r') screen_ += buffer[i];
      }
    }
    return screen_ == expected;
  }

  void type(std::string_view answer) {
    ASSERT_EQ(write(master_, answer.data(), answer.size()), static_cast<ssize_t>(answer.size()));
  }

  // The exit status, or -1 when the program does not end by itself within the time limit.
  int waitForExit() {
    const auto deadline = Clock::now() + timeLimit;
    int status = 0;
    while (waitpid(pid_, &status, WNOHANG) == 0) {
      if (Clock::now() >= deadline) return -1;
      usleep(10000);
    }
    exited_ = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  int master_ = -1;
  pid_t pid_ = -1;
  bool closed_ = false;
  bool exited_ = false;
  std::string screen_;
};

TEST(Terminal, EveryPromptIsShownBeforeTheAnswerIsTyped) {
  testing::WorkFolder folder;
  Terminal terminal(folder.path());
  ASSERT_TRUE(terminal.started());

  // Each step: what the screen must show while the program waits, then the answer typed.
  const std::pair<std::string_view, std::string_view> steps[] = {
      {classificationMenu, "1\n"}, {categoryMenu, "17\n"},      {qualityMenu, "1\n"},
      {modificationMenu, "1\n"},   {amuletPrefixGroups, "8\n"},
  };
  std::string expected(banner);
  for (const auto& [shown, answer] : steps) {
    expected += shown;
    ASSERT_TRUE(terminal.waitForScreen(expected)) << "waiting for:\n"
                                                  << shown << "\nscreen:\n"
                                                  << terminal.screen();
    terminal.type(answer);
    expected += answer;  // echoed by the terminal
  }
  expected += join({prismaticLine, closingMessage});
  EXPECT_TRUE(terminal.waitForScreen(expected)) << terminal.screen();
  EXPECT_EQ(terminal.waitForExit(), 0);
}

}  // namespace
}  // namespace tessark
