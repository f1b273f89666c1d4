// HeldWorkFiles in a real folder: work files rewritten and cut, appended and made, the report
// replaced, and the refusals of a run whose files are not its own or not files at all.
#include "work_files/held_work_files.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "foundation/run_stopped.hpp"
#include "support/dialogue_texts.hpp"
#include "support/second_name.hpp"
#include "support/work_folder.hpp"

namespace tessark {
namespace {

namespace fs = std::filesystem;
using namespace testing;

// The message of the RunStopped that `action` throws; empty when it throws none.
template <typename Action>
std::string stopOf(Action action) {
  try {
    action();
  } catch (const RunStopped& stop) {
    return stop.what();
  }
  return "";
}

void rewriteOne(WorkFiles& files, WorkFile file, std::string_view text) {
  const WorkFileText one{file, text};
  files.rewrite({&one, 1});
}

TEST(HeldWorkFiles, RewritesCutWhatWasLeftAppendsMakeAndTheReportIsReplaced) {
  const WorkFolder folder;
  writeFile("files/Modlist.dat", "the long list of an earlier run\n");
  writeFile("files/Prefix.dat", "Jagged\nHoly\n");
  HeldWorkFiles files;
  rewriteOne(files, WorkFile::modifierList, "");
  files.append(WorkFile::modifierList, "one\n");
  files.append(WorkFile::suffixNames, "made\n");
  rewriteOne(files, WorkFile::prefixNames, "Bronze\n");
  files.replaceReport("report\n");
  EXPECT_EQ(readFile("files/Modlist.dat"), "one\n");
  EXPECT_EQ(readFile("files/Suffix.dat"), "made\n");
  EXPECT_EQ(readFile("files/Prefix.dat"), "Bronze\n");
  EXPECT_EQ(readFile("The Item.txt"), "report\n");
}

TEST(HeldWorkFiles, AFileThatCannotBeOpenedLeavesTheOnesBeforeItEmptyAndIsNamed) {
  const WorkFolder folder;
  writeFile("files/Prefix.dat", "Jagged\n");
  fs::create_directory("files/Suffix.dat");
  HeldWorkFiles files;
  const WorkFileText split[]{{WorkFile::prefixNames, "new\n"}, {WorkFile::suffixNames, "new\n"}};
  EXPECT_EQ(stopOf([&] { files.rewrite(split); }),
            "Tessark: cannot create \"files/Suffix.dat\": it is not a regular file. The folder "
            "\"files\" is Tessark's own; remove what stands in the place of this file, then start "
            "Tessark again.");
  EXPECT_EQ(readFile("files/Prefix.dat"), "");
}

TEST(HeldWorkFiles, ARunWhoseFolderIsMissingOrHeldStopsAtOnce) {
  {
    const WorkFolder folder(false);
    EXPECT_EQ(stopOf([] { HeldWorkFiles files; }),
              "Tessark: cannot use \"files\": the folder \"files\" is missing. Tessark keeps its "
              "work files there; create a folder named \"files\" in the folder where you start "
              "Tessark, then start it again.");
  }
  const WorkFolder folder;
  const HeldWorkFiles first;
  EXPECT_EQ(stopOf([] { HeldWorkFiles second; }),
            "Tessark: the folder \"files\" here is locked by another program, perhaps another "
            "Tessark run; nothing was changed. Start Tessark again when it has ended.");
}

// Links made while the run waits at a prompt: the report made a link to the modifier list, and a
// work file made a link to a report that is not there yet. Neither file is touched.
TEST(HeldWorkFiles, ALinkMadeDuringTheRunStopsItBeforeAByteReachesTheReport) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows makes no link without a privilege";
#endif
  const WorkFolder folder;
  HeldWorkFiles files;
  rewriteOne(files, WorkFile::modifierList, "");
  fs::create_symlink("files/Modlist.dat", "The Item.txt");
  EXPECT_EQ(stopOf([&] { files.append(WorkFile::modifierList, "record\n"); }) + "\n",
            texts::oneFileMessage("files/Modlist.dat", "The Item.txt"));
  EXPECT_EQ(readFile("files/Modlist.dat"), "");

  fs::remove("The Item.txt");
  fs::create_symlink("../The Item.txt", "files/Prefix.dat");
  EXPECT_EQ(stopOf([&] { files.append(WorkFile::prefixNames, "Jagged\n"); }) + "\n",
            texts::oneFileMessage("files/Prefix.dat", "The Item.txt"));
  EXPECT_EQ(readFile("The Item.txt"), "<missing>");
}

// A work file given a second name at a prompt, that of another work file: the list is not
// appended to, since what is written to it would change the other.
TEST(HeldWorkFiles, ASecondNameGivenToAWorkFileAtAPromptStopsTheRunAtItsNextOpen) {
  const WorkFolder folder;
  HeldWorkFiles files;
  rewriteOne(files, WorkFile::modifierList, "");
  writeFile("files/Prefix.dat", "Jagged\n");
  fs::remove("files/Prefix.dat");
  if (!makeSecondName("files/Modlist.dat", "files/Prefix.dat")) {
    GTEST_SKIP() << "no hard links here";
  }
  EXPECT_EQ(stopOf([&] { files.append(WorkFile::modifierList, "record\n"); }) + "\n",
            texts::oneFileMessage("files/Modlist.dat", "files/Prefix.dat"));
  EXPECT_EQ(readFile("files/Modlist.dat"), "");
}

// Past the working folder, a work file is never reached through a folder that every user may
// write to without the sticky bit, here one that a link in "files" leads to.
TEST(HeldWorkFiles, AWorkFileIsNeverReachedThroughAFolderThatEveryUserMayWriteTo) {
#ifdef _WIN32
  GTEST_SKIP() << "no mode decides who may change a folder on Windows";
#endif
  const WorkFolder folder;
  fs::create_directory("open");
  fs::permissions("open", fs::perms(0777));
  fs::create_symlink("../open/Modlist.dat", "files/Modlist.dat");
  EXPECT_EQ(stopOf([] {
              HeldWorkFiles files;
              rewriteOne(files, WorkFile::modifierList, "");
            }),
            "Tessark: cannot create \"files/Modlist.dat\": \"files/../open\" is a folder that "
            "every user may write to, and is not used.");
  EXPECT_EQ(readFile("open/Modlist.dat"), "<missing>");
}

}  // namespace
}  // namespace tessark
