#include <windows.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>

#include "support/run_program_process.hpp"

namespace tessark::testing {
namespace {

void require(bool ok, const char* what) {
  if (!ok) throw std::runtime_error(what + (" failed, error " + std::to_string(GetLastError())));
}

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

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

SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};

// The input lives in a temporary file outside the working folder, deleted with its last handle,
// so a program that stops reading early cannot block the test.
Handle inputFile(std::string_view input) {
  wchar_t folder[MAX_PATH + 1], name[MAX_PATH];
  require(GetTempPathW(MAX_PATH + 1, folder) != 0 && GetTempFileNameW(folder, L"tsk", 0, name) != 0,
          "GetTempFileNameW");
  HANDLE file = CreateFileW(
      name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      &inheritable, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
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

// A pipe whose write end the program inherits and whose read end a thread drains into `sink`
// until the program and every copy of that end are gone.
struct OutputPipe {
  explicit OutputPipe(std::string& sink) {
    HANDLE read = nullptr, write = nullptr;
    require(CreatePipe(&read, &write, &inheritable, 0), "CreatePipe");
    readEnd.reset(read);
    writeEnd.reset(write);
    require(SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0), "SetHandleInformation");
    reader = std::thread([read, &sink] {
      char buffer[4096];
      DWORD n = 0;
      while (ReadFile(read, buffer, sizeof buffer, &n, nullptr)) sink.append(buffer, n);
    });
  }
  ~OutputPipe() {
    writeEnd.reset();
    if (reader.joinable()) reader.join();
  }
  Handle readEnd, writeEnd;
  std::thread reader;
};

// Standard output and error are text streams, which Windows ends with CRLF: the tests compare
// them with the same texts as on other systems.
std::string withLf(const std::string& text) {
  std::string lf;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' || i + 1 == text.size() || text[i + 1] != '\n') lf += text[i];
  }
  return lf;
}

// Nothing when the program could not be started.
std::optional<ProcessResult> runOnce(const std::filesystem::path& folder, std::string_view input,
                                     const std::vector<std::string>& arguments,
                                     std::chrono::milliseconds limit) {
  std::wstring commandLine = quoted(program);
  for (const std::string& argument : arguments)
    commandLine += L' ' + quoted(std::filesystem::path(argument).wstring());
  ProcessResult result;
  PROCESS_INFORMATION process{};
  {
    const Handle in = inputFile(input);
    OutputPipe out(result.out), err(result.err);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in.get();
    startup.hStdOutput = out.writeEnd.get();
    startup.hStdError = err.writeEnd.get();
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                        CREATE_NO_WINDOW, nullptr, folder.c_str(), &startup, &process)) {
      return std::nullopt;
    }
    CloseHandle(process.hThread);
    const Handle owned(process.hProcess);
    // The deadline holds for the program's end, after which the pipes close.
    if (WaitForSingleObject(process.hProcess, static_cast<DWORD>(limit.count())) != WAIT_OBJECT_0) {
      result.timedOut = true;
      TerminateProcess(process.hProcess, 1);
      WaitForSingleObject(process.hProcess, INFINITE);
    } else {
      DWORD status = 0;
      require(GetExitCodeProcess(process.hProcess, &status), "GetExitCodeProcess");
      result.exitStatus = static_cast<int>(status);
    }
  }
  result.out = withLf(result.out);
  result.err = withLf(result.err);
  return result;
}

}  // namespace

ProcessResult runTessark(const std::filesystem::path& folder, std::string_view input,
                         const std::vector<std::string>& arguments,
                         std::chrono::milliseconds limit) {
  // Under load, Wine now and then fails to start a program at all, or starts it only to end it
  // with status 1 before it writes anything. Such a run, and only such a run, is tried again.
  static const bool underWine =
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
  for (int attempt = 1;; ++attempt) {
    std::optional<ProcessResult> result = runOnce(folder, input, arguments, limit);
    const bool notStarted =
        !result || (result->exitStatus == 1 && result->out.empty() && result->err.empty());
    if (!notStarted || !underWine || attempt == 3) {
      require(result.has_value(), "CreateProcessW");
      return *result;
    }
  }
}

}  // namespace tessark::testing
