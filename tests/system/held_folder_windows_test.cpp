// What HeldFolder promises on Windows: its hold keeps out another process until that process
// ends, however it ends. The other process is this test program, started on the helper case.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "support/failure_of.hpp"
#include "support/wait_until.hpp"
#include "support/work_folder.hpp"
#include "system/held_folder.hpp"

namespace tessark {
namespace {

namespace fs = std::filesystem;

// Run by the case below as a process of its own: holds CONTRACT_FOLDER, says so in the file
// CONTRACT_FOLDER/../held, and waits to be ended.
TEST(HeldFolderChild, DISABLED_HoldsTheFolderOfTheEnvironment) {
  const HeldFolder folder(std::getenv("CONTRACT_FOLDER"), HeldFolder::Lock::exclusive);
  testing::writeFile(fs::path(std::getenv("CONTRACT_FOLDER")) / "../held", "");
  ::Sleep(60000);
}

TEST(HeldFolderWindows, AnotherProcessIsKeptOutUntilItIsEnded) {
  const testing::WorkFolder work;
  wchar_t self[MAX_PATH];
  ASSERT_NE(::GetModuleFileNameW(nullptr, self, MAX_PATH), 0u);
  std::wstring command = L"x --gtest_filter=HeldFolderChild.* --gtest_also_run_disabled_tests";
  ::SetEnvironmentVariableW(L"CONTRACT_FOLDER", (work.path() / "files").c_str());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(::CreateProcessW(self, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                               nullptr, nullptr, &startup, &process));
  testing::waitUntil([] { return fs::exists("held"); });
  const std::optional<FailureKind> kind =
      testing::failureOf([] { HeldFolder("files", HeldFolder::Lock::exclusive); });
  ::TerminateProcess(process.hProcess, 1);
  ::WaitForSingleObject(process.hProcess, INFINITE);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  EXPECT_EQ(kind, FailureKind::heldByAnotherRun);
  EXPECT_NO_THROW(HeldFolder("files", HeldFolder::Lock::exclusive));
}

}  // namespace
}  // namespace tessark
