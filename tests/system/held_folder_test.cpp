// What HeldFolder promises on every system: its lock keeps a second hold out, its files are
// regular files opened without waiting, and the identities and targets of names tell one file
// from two.
#include "system/held_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/failure_of.hpp"
#include "support/second_name.hpp"
#include "support/work_folder.hpp"

namespace tessark {
namespace {

namespace fs = std::filesystem;
using namespace testing;

TEST(HeldFolder, ASecondExclusiveHoldIsRefusedUntilTheFirstEnds) {
  const WorkFolder work;
  {
    const HeldFolder first("files", HeldFolder::Lock::exclusive);
    EXPECT_EQ(failureOf([] { HeldFolder("files", HeldFolder::Lock::exclusive); }),
              FailureKind::heldByAnotherRun);
    EXPECT_NO_THROW(HeldFolder("files", HeldFolder::Lock::none));
  }
  EXPECT_NO_THROW(HeldFolder("files", HeldFolder::Lock::exclusive));
}

TEST(HeldFolder, AMissingFolderOrFileIsMissing) {
  const WorkFolder work;
  EXPECT_EQ(failureOf([] { HeldFolder("none", HeldFolder::Lock::exclusive); }),
            FailureKind::missing);
  const HeldFolder folder("files", HeldFolder::Lock::exclusive);
  EXPECT_EQ(failureOf([&] { folder.open("none", OpenMode::read); }), FailureKind::missing);
  EXPECT_EQ(readFile("files/none"), "<missing>");
}

TEST(HeldFolder, OpensRegularFilesAloneAndMakesMissingOnesForWriting) {
  const WorkFolder work;
  fs::create_directory("files/folder");
  const HeldFolder folder("files", HeldFolder::Lock::exclusive);
  for (const OpenMode mode : {OpenMode::read, OpenMode::rewrite, OpenMode::append}) {
    EXPECT_EQ(failureOf([&] { folder.open("folder", mode); }), FailureKind::notRegularFile);
  }
  folder.open("made", OpenMode::append).write("one ");
  folder.open("made", OpenMode::append).write("two");
  File rewritten = folder.open("rewritten", OpenMode::rewrite);
  rewritten.write("text");
  rewritten.close();
  EXPECT_EQ(readFile("files/made"), "one two");
  EXPECT_EQ(readFile("files/rewritten"), "text");
}

TEST(HeldFolder, IdentitiesAndTargetsTellTwoNamesOfOneFileFromTwoFiles) {
  const WorkFolder work;
  writeFile("files/one", "1");
  writeFile("files/two", "2");
  if (!makeSecondName("files/one", "files/second name")) GTEST_SKIP() << "no hard links here";
  const HeldFolder folder("files", HeldFolder::Lock::none);
  const FileIdentity identity = folder.open("one", OpenMode::read).identity();
  EXPECT_EQ(folder.open("second name", OpenMode::read).identity(), identity);
  EXPECT_NE(folder.open("two", OpenMode::read).identity(), identity);
  const auto one = folder.targetOf("one");
  ASSERT_TRUE(one);
  EXPECT_TRUE(one->sameAs(*folder.targetOf("second name")));
  EXPECT_TRUE(one->sameAs(*HeldFolder::working().targetOf("files/one")));
  EXPECT_FALSE(one->sameAs(*folder.targetOf("two")));
  // Missing files: the same name in the same folder, or not.
  EXPECT_TRUE(folder.targetOf("none")->sameAs(*HeldFolder::working().targetOf("files/none")));
  EXPECT_FALSE(folder.targetOf("none")->sameAs(*folder.targetOf("other")));
  EXPECT_FALSE(folder.targetOf("none")->sameAs(*one));
}

TEST(HeldFolder, FindTellsAFolderFromAFileOrNothing) {
  const WorkFolder work;
  writeFile("file", "");
  const HeldFolder working = HeldFolder::working();
  EXPECT_EQ(working.find("files").entry.kind, EntryKind::folder);
  EXPECT_EQ(working.find("file").entry.kind, EntryKind::regular);
  EXPECT_EQ(working.find("files/none").entry.kind, EntryKind::missing);
  EXPECT_EQ(working.find(".").entry.identity, working.entry().identity);
}

}  // namespace
}  // namespace tessark
