// Runs the program for the end-to-end tests of the browser build: the test binary runs under node,
// which starts the engine's launcher for node as a process of its own with node's child_process.
#include <emscripten.h>

#include <string>
#include <vector>

#include "support/run_program_process.hpp"

namespace tessark::testing {
namespace {

// Runs `program` in `folder` with `input` on its standard input; returns the exit status, or -1
// when it did not exit by itself, and keeps the standard output and error for takeOutput().
// clang-format off
EM_JS(int, runProcess,
      (const char* program, const char* folder, const char* input, int inputSize,
       const char* const* argv, int argc, int limitMs, int* timedOut),
      {
        const fs = require("fs");
        const path = require("path");
        const args = [];
        for (let i = 0; i < argc; ++i) args.push(UTF8ToString(HEAP32[(argv >> 2) + i]));
        // The input is a file, as on the native side: a program that stops reading early
        // cannot block or fail the test.
        const inputFolder = fs.mkdtempSync(path.join(require("os").tmpdir(), "tessark-input-"));
        const inputPath = path.join(inputFolder, "input");
        fs.writeFileSync(inputPath, HEAPU8.subarray(input, input + inputSize));
        const inputFd = fs.openSync(inputPath, "r");
        fs.rmSync(inputFolder, {recursive: true});
        const run = require("child_process").spawnSync(UTF8ToString(program), args, {
          cwd: UTF8ToString(folder),
          stdio: [inputFd, "pipe", "pipe"],
          timeout: limitMs,
          killSignal: "SIGKILL",
          maxBuffer: 1 << 30,
        });
        fs.closeSync(inputFd);
        if (run.error && run.error.code !== "ETIMEDOUT") throw run.error;
        HEAP32[timedOut >> 2] = run.error ? 1 : 0;
        Module["tessarkOutput"] = [run.stdout, run.stderr];
        return run.status === null ? -1 : run.status;
      });
// clang-format on

// The size of the kept standard output (0) or error (1), or, with a buffer, copies it there.
// clang-format off
EM_JS(int, takeOutput, (int stream, char* buffer), {
  const bytes = Module["tessarkOutput"][stream];
  if (buffer) HEAPU8.set(bytes, buffer);
  return bytes.length;
});
// clang-format on

std::string output(int stream) {
  std::string text(static_cast<std::size_t>(takeOutput(stream, nullptr)), '\0');
  takeOutput(stream, text.data());
  return text;
}

}  // namespace

ProcessResult runTessark(const std::filesystem::path& folder, std::string_view input,
                         const std::vector<std::string>& arguments,
                         std::chrono::milliseconds limit) {
  std::vector<const char*> argv;
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  int timedOut = 0;
  ProcessResult result;
  result.exitStatus = runProcess(
      TESSARK_PROGRAM, folder.string().c_str(), input.data(), static_cast<int>(input.size()),
      argv.data(), static_cast<int>(argv.size()), static_cast<int>(limit.count()), &timedOut);
  result.timedOut = timedOut != 0;
  result.out = output(0);
  result.err = output(1);
  return result;
}

}  // namespace tessark::testing
