// What replaceFile promises on Windows: a failed rename leaves the earlier file and no temporary,
// the attributes are kept, and where standard output goes the content is written to the stream.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <set>
#include <string>

#include "support/replaced_contents.hpp"
#include "support/work_folder.hpp"
#include "system/replace_file.hpp"
#include "system/system_error.hpp"

namespace tessark {
namespace {

namespace fs = std::filesystem;
using namespace testing;

TEST(ReplaceFileWindows, AFailedRenameLeavesTheEarlierFileAndNoTemporary) {
  const WorkFolder work(false);
  writeFile("report", earlier);
  // Open without sharing deletion: the report can be neither removed nor renamed over.
  const HANDLE held = ::CreateFileW(L"report", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_THROW(replaceFile(HeldFolder::working(), "report", fresh), SystemError);
  ::CloseHandle(held);
  EXPECT_EQ(readFile("report"), earlier);
  EXPECT_EQ(namesIn("."), std::set<std::string>{"report"});
}

TEST(ReplaceFileWindows, KeepsTheAttributesOfTheEarlierFile) {
  const WorkFolder work(false);
  writeFile("report", earlier);
  const DWORD kept = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
  ASSERT_TRUE(::SetFileAttributesW(L"report", kept));
  replaceFile(HeldFolder::working(), "report", fresh);
  EXPECT_EQ(readFile("report"), fresh);
  EXPECT_EQ(::GetFileAttributesW(L"report") & (kept | FILE_ATTRIBUTE_SYSTEM), kept);
  ::SetFileAttributesW(L"report", FILE_ATTRIBUTE_NORMAL);
}

TEST(ReplaceFileWindows, WhereStandardOutputGoesTheContentIsWrittenToTheStream) {
  const WorkFolder work(false);
  const HANDLE log = ::CreateFileW(L"log", FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(log, INVALID_HANDLE_VALUE);
  const HANDLE saved = ::GetStdHandle(STD_OUTPUT_HANDLE);
  ::SetStdHandle(STD_OUTPUT_HANDLE, log);
  DWORD written = 0;
  ::WriteFile(log, "dialogue\n", 9, &written, nullptr);
  bool failed = false;
  try {
    replaceFile(HeldFolder::working(), "log", fresh);
  } catch (const SystemError&) {
    failed = true;
  }
  ::SetStdHandle(STD_OUTPUT_HANDLE, saved);
  ::CloseHandle(log);
  EXPECT_FALSE(failed);
  EXPECT_EQ(readFile("log"), "dialogue\n" + std::string(fresh));
}

}  // namespace
}  // namespace tessark
