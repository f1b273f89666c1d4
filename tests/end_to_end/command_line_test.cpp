#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "support/run_program_process.hpp"
#include "support/work_folder.hpp"

namespace tessark {
namespace {

namespace fs = std::filesystem;
using testing::ProcessResult;
using testing::readFile;
using testing::runTessark;
using testing::WorkFolder;

// The typical run: a magical normal Short Sword with the prefix Jagged and the suffix Worth.
constexpr std::string_view typicalInput = "1\n1\n1\n1\n3\n2\n1\n6\n1\n";

TEST(CommandLine, HelpAndVersionAnswerInAFolderWithoutFilesAndLeaveItEmpty) {
  WorkFolder folder(false);
  const ProcessResult help = runTessark(folder.path(), typicalInput, {"--help"});
  EXPECT_EQ(help.exitStatus, 0);
  EXPECT_EQ(help.out.rfind("Usage: tessark", 0), 0u) << help.out;
  EXPECT_EQ(help.err, "");
  // Only the first of the two is answered.
  const ProcessResult version = runTessark(folder.path(), typicalInput, {"--version", "--help"});
  EXPECT_EQ(version.exitStatus, 0);
  EXPECT_EQ(version.out, "tessark " TESSARK_VERSION "\n");
  EXPECT_EQ(version.err, "");
  EXPECT_TRUE(fs::is_empty(folder.path()));
}

TEST(CommandLine, OtherArgumentsAndOptionsAfterDoubleDashLeaveTheDialogueUnchanged) {
  std::string plainReport;
  ProcessResult plain;
  {
    WorkFolder folder;
    plain = runTessark(folder.path(), typicalInput);
    plainReport = readFile("The Item.txt");
  }
  WorkFolder folder;
  const ProcessResult run =
      runTessark(folder.path(), typicalInput, {"--verbose", "item", "--", "--help"});
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.out, plain.out);
  EXPECT_EQ(run.err, plain.err);
  EXPECT_EQ(readFile("The Item.txt"), plainReport);
  EXPECT_NE(plainReport, "<missing>");
}

}  // namespace
}  // namespace tessark
