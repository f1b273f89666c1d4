// Measures what one run of Tessark costs against the cheapest process of this machine: the
// median wall time of many runs of each, their instruction counts under callgrind, and the peak
// resident memory. Usage: startup_cost PROGRAM ANSWERS_FILE [RUNS]
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Runs `argv` with standard input from `input` and standard output and error to `output`;
// returns its wall time in seconds.
double spawn(const std::vector<std::string>& argv, const std::string& input,
             const std::string& output) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, input.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);

  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ) != 0) {
    std::perror(args[0]);
    std::exit(1);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  const auto end = std::chrono::steady_clock::now();
  posix_spawn_file_actions_destroy(&actions);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s did not finish with status 0\n", args[0]);
    std::exit(1);
  }
  return std::chrono::duration<double>(end - start).count();
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The first number that `pattern` finds in the file `log`.
long numberIn(const std::string& log, const std::string& pattern) {
  std::ifstream file(log);
  const std::string text{std::istreambuf_iterator<char>(file), {}};
  std::smatch match;
  if (!std::regex_search(text, match, std::regex(pattern))) {
    std::fprintf(stderr, "no figure in %s\n", log.c_str());
    std::exit(1);
  }
  return std::stol(match[1]);
}

// Instructions executed by `program`, as callgrind counts them.
long instructions(const std::string& program, const std::string& input) {
  spawn({"/usr/bin/valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null", program}, input,
        "callgrind.log");
  return numberIn("callgrind.log", "Collected : ([0-9]+)");
}

// Peak resident memory of `program` in KiB, as GNU time reports it (its own small size is part
// of the figure, for both programs alike).
long peakKilobytes(const std::string& program, const std::string& input) {
  spawn({"/usr/bin/time", "-f", "%M", "-o", "peak.log", program}, input, "/dev/null");
  return numberIn("peak.log", "([0-9]+)");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s PROGRAM ANSWERS_FILE [RUNS]\n", argv[0]);
    return 2;
  }
  const std::string program = std::filesystem::absolute(argv[1]).string();
  const std::string answers = std::filesystem::absolute(argv[2]).string();
  const int runs = argc > 3 ? std::atoi(argv[3]) : 500;
  const std::string minimal = "/bin/true";

  // A ready working folder of its own.
  std::string folder = (std::filesystem::temp_directory_path() / "tessark-bench-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) return 1;
  std::filesystem::current_path(folder);
  std::filesystem::create_directory("files");

  std::vector<double> programTimes, minimalTimes;
  for (int i = 0; i < runs; ++i) {  // interleaved, so that both see the same machine
    programTimes.push_back(spawn({program}, answers, "/dev/null"));
    minimalTimes.push_back(spawn({minimal}, answers, "/dev/null"));
  }
  const long programPeak = peakKilobytes(program, answers);
  const long minimalPeak = peakKilobytes(minimal, answers);
  const long programInstructions = instructions(program, answers);
  const long minimalInstructions = instructions(minimal, answers);

  const double programMedian = median(programTimes), minimalMedian = median(minimalTimes);
  std::printf("runs of each:           %d\n", runs);
  std::printf(
      "median wall time:       tessark %.1f us, /bin/true %.1f us, ratio %.2f (target 1.10)\n",
      programMedian * 1e6, minimalMedian * 1e6, programMedian / minimalMedian);
  std::printf("instructions:           tessark %ld, /bin/true %ld, ratio %.2f (budget 1.10)\n",
              programInstructions, minimalInstructions,
              static_cast<double>(programInstructions) / static_cast<double>(minimalInstructions));
  std::printf(
      "peak resident memory:   tessark %ld KiB (%.2f MiB, budget 1.30), /bin/true %ld KiB\n",
      programPeak, static_cast<double>(programPeak) / 1024.0, minimalPeak);

  std::filesystem::current_path("/");
  std::filesystem::remove_all(folder);
  return 0;
}
