// What replaceFile promises on every system: a file replaced whole or made, a second name written
// in place, a folder refused, and the temporary files of killed runs removed, nothing else.
#include "system/replace_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "support/failure_of.hpp"
#include "support/replaced_contents.hpp"
#include "support/second_name.hpp"
#include "support/work_folder.hpp"
#include "system/held_folder.hpp"

namespace tessark {
namespace {

namespace fs = std::filesystem;
using namespace testing;

FileIdentity identityOf(const char* name) {
  return HeldFolder(".", HeldFolder::Lock::none).open(name, OpenMode::read).identity();
}

TEST(ReplaceFile, ReplacesAFileWholeOrMakesItAndLeavesNothingElse) {
  const WorkFolder work(false);
  writeFile("report", earlier);
  const FileIdentity before = identityOf("report");
  replaceFile(HeldFolder::working(), "report", fresh);
  replaceFile(HeldFolder::working(), "made", fresh);
  EXPECT_EQ(readFile("report"), fresh);
  EXPECT_EQ(readFile("made"), fresh);
  EXPECT_NE(identityOf("report"), before);
  EXPECT_EQ(namesIn("."), (std::set<std::string>{"made", "report"}));
}

TEST(ReplaceFile, AFileWithASecondNameIsWrittenInPlace) {
  const WorkFolder work(false);
  fs::create_directory("elsewhere");
  writeFile("report", earlier);
  if (!makeSecondName("report", "elsewhere/second")) GTEST_SKIP() << "no hard links here";
  replaceFile(HeldFolder::working(), "report", fresh);
  EXPECT_EQ(readFile("elsewhere/second"), fresh);
  EXPECT_EQ(identityOf("report"), identityOf("elsewhere/second"));
  EXPECT_EQ(namesIn("."), (std::set<std::string>{"elsewhere", "report"}));
}

TEST(ReplaceFile, AFolderOrAMissingFolderOnTheWayIsRefusedAndNothingMade) {
  const WorkFolder work(false);
  fs::create_directory("folder");
  EXPECT_EQ(failureOf([] { replaceFile(HeldFolder::working(), "folder", fresh); }),
            FailureKind::isFolder);
  EXPECT_EQ(failureOf([] { replaceFile(HeldFolder::working(), "none/report", fresh); }),
            FailureKind::missing);
  EXPECT_EQ(namesIn("."), std::set<std::string>{"folder"});
  EXPECT_TRUE(fs::is_empty("folder"));
}

TEST(ReplaceFile, TemporaryFilesOfKilledRunsAreRemovedAndNothingElse) {
  const WorkFolder work(false);
  // What a run of an earlier version left, and a folder under the name it used.
  writeFile("report.tessark-new", "left by a killed run");
  fs::create_directory("other.tessark-new");
  writeFile("other", earlier);
  replaceFile(HeldFolder::working(), "report", fresh);
  replaceFile(HeldFolder::working(), "other", fresh);
  EXPECT_EQ(readFile("other"), fresh);
  EXPECT_EQ(namesIn("."), (std::set<std::string>{"other", "other.tessark-new", "report"}));
}

}  // namespace
}  // namespace tessark
