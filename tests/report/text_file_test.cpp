#include "report/text_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "foundation/run_stopped.hpp"
#include "support/work_folder.hpp"

namespace tessark {
namespace {

TEST(TextFile, ReadsLinesAsAHundredByteBufferDoes) {
  testing::WorkFolder folder;
  const std::string longLine(150, 'x');
  testing::writeFile("list", "a\n" + longLine + "\n\nlast");
  TextFile file("list", TextFile::Mode::read);
  EXPECT_EQ(file.readLine(), "a");
  EXPECT_EQ(file.readLine(), longLine.substr(0, 99));
  EXPECT_EQ(file.readLine(), longLine.substr(99));
  EXPECT_EQ(file.readLine(), "");
  EXPECT_FALSE(file.atEnd());
  EXPECT_EQ(file.readLine(), "last");
  EXPECT_TRUE(file.atEnd());
}

TEST(TextFile, IsNotAtItsEndAfterTheLastLineEnd) {
  testing::WorkFolder folder;
  testing::writeFile("list", "only\n");
  TextFile file("list", TextFile::Mode::read);
  EXPECT_EQ(file.readLine(), "only");
  EXPECT_FALSE(file.atEnd());
  EXPECT_EQ(file.readLine(), "");
  EXPECT_TRUE(file.atEnd());
}

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
  EXPECT_THROW(TextFile("folder", TextFile::Mode::read), RunStopped);
  EXPECT_THROW(TextFile("folder", TextFile::Mode::write), RunStopped);
  EXPECT_THROW(TextFile("missing", TextFile::Mode::read), RunStopped);
}

}  // namespace
}  // namespace tessark
