#include <gtest/gtest.h>

#include <filesystem>
#include <string_view>

#include "support/run_program_process.hpp"
#include "support/work_folder.hpp"

namespace tessark::testing {
namespace {

// A magical Short Sword with the prefix Jagged and the suffix Worth.
constexpr std::string_view swordInput = "1\n1\n1\n1\n3\n2\n1\n6\n1\n";

TEST(CommandLine, HelpAndVersionAnswerInAFolderWithoutFilesAndLeaveItEmpty) {
  WorkFolder folder(false);
  const ProcessResult help = runTessark(folder.path(), swordInput, {"--help"});
  EXPECT_EQ(help.out.rfind("Usage: tessark", 0), 0u) << help.out;
  // Only the first of the two is answered.
  const ProcessResult version = runTessark(folder.path(), swordInput, {"--version", "--help"});
  EXPECT_EQ(version.out, "tessark " TESSARK_VERSION "\n");
  EXPECT_EQ(help.exitStatus, 0);
  EXPECT_EQ(version.exitStatus, 0);
  EXPECT_EQ(help.err + version.err, "");
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST(CommandLine, OtherArgumentsAndOptionsAfterDoubleDashLeaveTheDialogueUnchanged) {
  WorkFolder plainFolder;
  const ProcessResult plain = runTessark(plainFolder.path(), swordInput);
  WorkFolder folder;
  const ProcessResult run = runTessark(folder.path(), swordInput, {"-v", "item", "--", "--help"});
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.out, plain.out);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(readFile("The Item.txt"), readFile(plainFolder.path() / "The Item.txt"));
  EXPECT_NE(readFile("The Item.txt"), "<missing>");
}

}  // namespace
}  // namespace tessark::testing
