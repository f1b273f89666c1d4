// What replaceFile promises on every system: a file replaced whole or made, a second name written
// in place when no other run writes it, a folder refused, and the temporary files of killed runs
// removed, none that a live run claims, nothing else.
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
#include "system/primitives.hpp"

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

// A lock that the test takes as another run would, on a file of `name` that it keeps open.
class OtherRunsLock {
 public:
  explicit OtherRunsLock(const char* name)
      : file_(HeldFolder::working().open(name, OpenMode::read)),
        taken_(primitives::tryLock(file_) == primitives::LockResult::taken) {}
  bool taken() const { return taken_; }

 private:
  File file_;
  bool taken_;
};

TEST(ReplaceFile, AFileWrittenInPlaceWaitsForAnotherRunsTurnAndIsLeftWhenItNeverEnds) {
  const WorkFolder work(false);
  fs::create_directory("elsewhere");
  writeFile("report", earlier);
  if (!makeSecondName("report", "elsewhere/second")) GTEST_SKIP() << "no hard links here";
  const OtherRunsLock turn("report");
  ASSERT_TRUE(turn.taken());
  EXPECT_EQ(failureOf([] { replaceFile(HeldFolder::working(), "report", fresh); }),
            FailureKind::other);
  EXPECT_EQ(readFile("report"), earlier);
}

TEST(ReplaceFile, TemporaryFilesThatALiveRunClaimsAreKept) {
  const WorkFolder work(false);
  writeFile(".tessark-0123456789abcdef", "a live run's");
  writeFile(".tessark-fedcba9876543210", "a killed run's");
  const OtherRunsLock claim(".tessark-0123456789abcdef");
  ASSERT_TRUE(claim.taken());
  replaceFile(HeldFolder::working(), "report", fresh);
  EXPECT_EQ(namesIn("."), (std::set<std::string>{".tessark-0123456789abcdef", "report"}));
}

}  // namespace
}  // namespace tessark
