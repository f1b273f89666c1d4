#include "support/run_program_process_windows.hpp"

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>

namespace tessark::testing {
namespace {

void require(bool ok, const char* what) {
  if (!ok) throw std::runtime_error(what + (" failed, error " + std::to_string(GetLastError())));
}

// Made absolute while the current folder is still the one the tests started in, before a
// WorkFolder moves it: under Wine the path is a Unix one, rooted on no drive.
const std::wstring program = std::filesystem::absolute(TESSARK_PROGRAM).wstring();

// Quoted so that the C runtime of the program splits its command line back into `argument`.
std::wstring quoted(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
    return argument;
  }
  std::wstring text = L"\"";
  std::size_t backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    // Backslashes double only before a quote, which takes one more.
    text.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    text.push_back(c);
    backslashes = 0;
  }
  text.append(2 * backslashes, L'\\');
  return text + L'"';
}

// The input lives in a temporary file outside the working folder, deleted with its last handle,
// so a program that stops reading early cannot block the test.
Handle inputFile(std::string_view input) {
  wchar_t folder[MAX_PATH + 1], name[MAX_PATH];
  require(GetTempPathW(MAX_PATH + 1, folder) != 0 && GetTempFileNameW(folder, L"tsk", 0, name) != 0,
          "GetTempFileNameW");
  HANDLE file = CreateFileW(
      name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  require(file != INVALID_HANDLE_VALUE, "CreateFileW");
  Handle owned(file);
  for (std::size_t done = 0; done < input.size();) {
    DWORD written = 0;
    require(WriteFile(file, input.data() + done, static_cast<DWORD>(input.size() - done), &written,
                      nullptr) &&
                written > 0,
            "WriteFile");
    done += written;
  }
  require(SetFilePointer(file, 0, nullptr, FILE_BEGIN) == 0, "SetFilePointer");
  return owned;
}

// A pipe whose write end is given to the program and whose read end a thread drains into `sink`
// until the program and every copy of that end are gone.
struct OutputReader {
  explicit OutputReader(std::string& sink)
      : reader([read = pipe.readEnd.get(), &sink] {
          char buffer[4096];
          DWORD n = 0;
          while (ReadFile(read, buffer, sizeof buffer, &n, nullptr)) sink.append(buffer, n);
        }) {}
  ~OutputReader() {
    pipe.writeEnd.reset();
    reader.join();
  }
  Pipe pipe;
  std::thread reader;
};

// Starts the program with `arguments` and these standard handles; nothing when it could not be
// started.
Handle start(const std::filesystem::path& folder, const std::vector<std::string>& arguments,
             HANDLE input, HANDLE output, HANDLE error) {
  std::wstring commandLine = quoted(program);
  for (const std::string& argument : arguments)
    commandLine += L' ' + quoted(std::filesystem::path(argument).wstring());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input;
  startup.hStdOutput = output;
  startup.hStdError = error;
  // The handles are inherited only while this program starts: a run started later gets none of
  // them, so that each end of a pipe is held where the test believes it is.
  const auto inherit = [&](DWORD flag) {
    for (HANDLE handle : {input, output, error}) {
      if (handle != nullptr) SetHandleInformation(handle, HANDLE_FLAG_INHERIT, flag);
    }
  };
  inherit(HANDLE_FLAG_INHERIT);
  // A program given a console of its own gets the console's handles in the place of those it
  // lacks: one that is to start without a handle starts without a console.
  const bool lacking = input == nullptr || output == nullptr || error == nullptr;
  PROCESS_INFORMATION process{};
  const bool started = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                                      lacking ? DETACHED_PROCESS : CREATE_NO_WINDOW, nullptr,
                                      folder.c_str(), &startup, &process);
  inherit(0);
  if (!started) return nullptr;
  CloseHandle(process.hThread);
  return Handle(process.hProcess);
}

// Nothing when the program could not be started.
std::optional<ProcessResult> runOnce(const std::filesystem::path& folder, std::string_view input,
                                     const std::vector<std::string>& arguments,
                                     const StandardHandles& handles,
                                     std::chrono::milliseconds limit) {
  ProcessResult result;
  {
    const Handle ownInput = handles.input ? nullptr : inputFile(input);
    std::optional<OutputReader> out, err;
    if (!handles.output) out.emplace(result.out);
    if (!handles.error) err.emplace(result.err);
    const Handle process = start(folder, arguments, handles.input.value_or(ownInput.get()),
                                 handles.output.value_or(out ? out->pipe.writeEnd.get() : nullptr),
                                 handles.error.value_or(err ? err->pipe.writeEnd.get() : nullptr));
    if (!process) return std::nullopt;
    // The deadline holds for the program's end, after which the pipes close.
    if (WaitForSingleObject(process.get(), static_cast<DWORD>(limit.count())) != WAIT_OBJECT_0) {
      result.timedOut = true;
      TerminateProcess(process.get(), 1);
      WaitForSingleObject(process.get(), INFINITE);
    } else {
      DWORD status = 0;
      require(GetExitCodeProcess(process.get(), &status), "GetExitCodeProcess");
      result.exitStatus = static_cast<int>(status);
    }
  }
  result.out = withLf(result.out);
  result.err = withLf(result.err);
  return result;
}

ProcessResult run(const std::filesystem::path& folder, std::string_view input,
                  const std::vector<std::string>& arguments, const StandardHandles& handles,
                  std::chrono::milliseconds limit) {
  // Under load, Wine now and then fails to start a program at all, or starts it only to end it
  // with status 1 before it writes anything. Such a run, and only such a run, is tried again.
  static const bool underWine =
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
  for (int attempt = 1;; ++attempt) {
    std::optional<ProcessResult> result = runOnce(folder, input, arguments, handles, limit);
    const bool notStarted =
        !result || (result->exitStatus == 1 && result->out.empty() && result->err.empty());
    if (!notStarted || !underWine || attempt == 3) {
      require(result.has_value(), "CreateProcessW");
      return *result;
    }
  }
}

}  // namespace

Pipe::Pipe() {
  HANDLE read = nullptr, write = nullptr;
  require(CreatePipe(&read, &write, nullptr, 0), "CreatePipe");
  readEnd.reset(read);
  writeEnd.reset(write);
}

// Standard output and error are text streams, which Windows ends with CRLF: the tests compare
// them with the same texts as on other systems.
std::string withLf(const std::string& text) {
  std::string lf;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' || i + 1 == text.size() || text[i + 1] != '\n') lf += text[i];
  }
  return lf;
}

ProcessResult runTessark(const std::filesystem::path& folder, std::string_view input,
                         const std::vector<std::string>& arguments,
                         std::chrono::milliseconds limit) {
  return run(folder, input, arguments, {}, limit);
}

ProcessResult runTessarkWith(const std::filesystem::path& folder, std::string_view input,
                             const StandardHandles& handles, std::chrono::milliseconds limit) {
  return run(folder, input, {}, handles, limit);
}

Handle startTessark(const std::filesystem::path& folder, HANDLE input, HANDLE output,
                    HANDLE error) {
  return start(folder, {}, input, output, error);
}

}  // namespace tessark::testing
