#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <stdexcept>
#include <string>

#include "support/run_program_process.hpp"

namespace tessark::testing {
namespace {

void require(bool ok, const char* what) {
  if (!ok) throw std::runtime_error(std::string(what) + " failed");
}

// The input lives in an anonymous file, so nothing extra appears in the working folder and a
// program that stops reading early cannot block or signal the test.
int inputFile(std::string_view input) {
  int fd = memfd_create("tessark-input", MFD_CLOEXEC);
  require(fd >= 0, "memfd_create");
  for (std::size_t done = 0; done < input.size();) {
    ssize_t n = write(fd, input.data() + done, input.size() - done);
    require(n > 0, "write");
    done += static_cast<std::size_t>(n);
  }
  require(lseek(fd, 0, SEEK_SET) == 0, "lseek");
  return fd;
}

}  // namespace

ProcessResult runTessark(const std::filesystem::path& folder, std::string_view input,
                         const std::vector<std::string>& arguments,
                         std::chrono::milliseconds limit) {
  const std::string folderText = folder.string();
  std::vector<char*> argv{const_cast<char*>(TESSARK_PROGRAM)};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const int in = inputFile(input);
  int outPipe[2], errPipe[2];
  require(pipe2(outPipe, O_CLOEXEC) == 0 && pipe2(errPipe, O_CLOEXEC) == 0, "pipe2");

  const pid_t pid = fork();
  require(pid >= 0, "fork");
  if (pid == 0) {
    // Only async-signal-safe calls between fork and exec.
    if (chdir(folderText.c_str()) != 0 || dup2(in, 0) < 0 || dup2(outPipe[1], 1) < 0 ||
        dup2(errPipe[1], 2) < 0) {
      _exit(126);
    }
    execv(TESSARK_PROGRAM, argv.data());
    _exit(127);
  }
  close(in);
  close(outPipe[1]);
  close(errPipe[1]);

  ProcessResult result;
  std::array<pollfd, 2> fds{pollfd{outPipe[0], POLLIN, 0}, pollfd{errPipe[0], POLLIN, 0}};
  std::array<std::string*, 2> sinks{&result.out, &result.err};
  const auto deadline = std::chrono::steady_clock::now() + limit;
  int open = 2;
  while (open > 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      result.timedOut = true;
      kill(pid, SIGKILL);
      break;
    }
    int ready = poll(fds.data(), fds.size(), static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    require(ready >= 0, "poll");
    for (std::size_t i = 0; i < fds.size(); ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      char buffer[4096];
      ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        sinks[i]->append(buffer, static_cast<std::size_t>(n));
      } else if (n == 0 || errno != EINTR) {
        close(fds[i].fd);
        fds[i].fd = -1;
        --open;
      }
    }
  }
  for (const pollfd& fd : fds) {
    if (fd.fd >= 0) close(fd.fd);
  }

  // A program that closed its output may still hang: the deadline holds for its end too.
  int status = 0;
  for (;;) {
    const pid_t done = waitpid(pid, &status, result.timedOut ? 0 : WNOHANG);
    if (done == pid) break;
    if (done < 0) {
      require(errno == EINTR, "waitpid");
    } else if (std::chrono::steady_clock::now() >= deadline) {
      result.timedOut = true;
      kill(pid, SIGKILL);
    } else {
      usleep(10000);
    }
  }
  if (WIFEXITED(status)) result.exitStatus = WEXITSTATUS(status);
  return result;
}

}  // namespace tessark::testing
