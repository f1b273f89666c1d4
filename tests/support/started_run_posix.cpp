// StartedRun on POSIX: answers through a pipe, the outputs into anonymous files that the test
// reads while the run goes on.
#include "support/started_run_posix.hpp"

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

#include "support/wait_until.hpp"

namespace tessark::testing {
namespace {

void require(bool ok, const char* what) {
  if (!ok) throw std::runtime_error(std::string(what) + " failed");
}

std::string contentOf(int fd) {
  std::string content;
  char buffer[4096];
  for (ssize_t n; (n = pread(fd, buffer, sizeof buffer, static_cast<off_t>(content.size()))) > 0;) {
    content.append(buffer, static_cast<std::size_t>(n));
  }
  return content;
}

}  // namespace

StartedRun::StartedRun(const std::filesystem::path& folder,
                       const std::vector<std::string>& wrapper) {
  // A run that ended before its answers were all given must fail the test, not kill it.
  signal(SIGPIPE, SIG_IGN);
  const std::string folderText = folder.string();
  std::vector<char*> argv;
  for (const std::string& word : wrapper) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(const_cast<char*>(TESSARK_PROGRAM));
  argv.push_back(nullptr);
  int answers[2];
  require(pipe2(answers, O_CLOEXEC) == 0, "pipe2");
  out_ = memfd_create("tessark-out", MFD_CLOEXEC);
  err_ = memfd_create("tessark-err", MFD_CLOEXEC);
  require(out_ >= 0 && err_ >= 0, "memfd_create");
  pid_ = fork();
  require(pid_ >= 0, "fork");
  if (pid_ == 0) {
    if (chdir(folderText.c_str()) != 0 || dup2(answers[0], 0) < 0 || dup2(out_, 1) < 0 ||
        dup2(err_, 2) < 0) {
      _exit(126);
    }
    execvp(argv[0], argv.data());
    _exit(127);
  }
  close(answers[0]);
  input_ = answers[1];
}

StartedRun::~StartedRun() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  for (int fd : {input_, out_, err_}) {
    if (fd >= 0) close(fd);
  }
}

void StartedRun::send(std::string_view answers) {
  for (std::size_t done = 0; done < answers.size();) {
    const ssize_t n = write(input_, answers.data() + done, answers.size() - done);
    if (n <= 0) return;
    done += static_cast<std::size_t>(n);
  }
}

bool StartedRun::waitForOutput(std::string_view text, std::chrono::milliseconds limit) {
  return waitUntil([&] { return contentOf(out_).ends_with(text); }, limit);
}

ProcessResult StartedRun::finish(std::chrono::milliseconds limit) {
  close(input_);
  input_ = -1;
  ProcessResult result;
  int status = 0;
  if (!waitUntil([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, limit)) {
    result.timedOut = true;
    kill(pid_, SIGKILL);
    waitpid(pid_, &status, 0);
  }
  pid_ = -1;
  if (WIFEXITED(status)) result.exitStatus = WEXITSTATUS(status);
  result.out = contentOf(out_);
  result.err = contentOf(err_);
  return result;
}

}  // namespace tessark::testing
