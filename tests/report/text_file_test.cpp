#include "report/text_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "foundation/run_stopped.hpp"
#include "support/work_folder.hpp"

namespace tessark {
namespace {

TEST(TextFile, RewritingLeavesNothingOfTheEarlierContent) {
  testing::WorkFolder folder;
  testing::writeFile("work", "a much longer earlier content\n");
  for (const char* content : {"short\n", "", "grown again to more\n"}) {
    TextFile file("work", TextFile::Mode::write);
    file.write(content);
    file.close();
    EXPECT_EQ(testing::readFile("work"), content);
  }
}

TEST(TextFile, AFileLeftOpenByAFailureKeepsOnlyWhatWasWritten) {
  testing::WorkFolder folder;
  testing::writeFile("work", "the whole report of an earlier run\n");
  { TextFile("work", TextFile::Mode::write).write("part"); }
  EXPECT_EQ(testing::readFile("work"), "part");
}

TEST(TextFile, ReportsEveryFailureWithTheFilesName) {
  testing::WorkFolder folder;
  std::filesystem::create_directory("folder");
  EXPECT_THROW(TextFile("folder", TextFile::Mode::write), RunStopped);
  EXPECT_THROW(TextFile("folder", TextFile::Mode::append), RunStopped);
}

}  // namespace
}  // namespace tessark
