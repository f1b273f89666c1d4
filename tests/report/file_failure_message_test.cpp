#include "report/file_failure_message.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/work_folder.hpp"

namespace tessark {
namespace {

TEST(FileFailureMessage, NamesTheFileAndWhatToDoAboutAMissingFolderOrAStrangeFile) {
  testing::WorkFolder folder;
  const SystemError missing(FailureKind::missing, "No such file or directory");
  EXPECT_EQ(fileFailureMessage("read", "The Item.txt",
                               SystemError(FailureKind::isFolder, "Is a directory")),
            "Tessark: cannot read \"The Item.txt\": Is a directory.");
  EXPECT_EQ(fileFailureMessage("read", "files/Modlist.dat", missing),
            "Tessark: cannot read \"files/Modlist.dat\": No such file or directory.");
  EXPECT_EQ(
      fileFailureMessage("read", "files/Suffix.dat", SystemError(FailureKind::notRegularFile, "")),
      "Tessark: cannot read \"files/Suffix.dat\": it is not a regular file. The folder "
      "\"files\" is Tessark's own; remove what stands in the place of this file, then start "
      "Tessark again.");
  std::filesystem::remove("files");
  EXPECT_EQ(fileFailureMessage("create", "files/Modlist.dat", missing),
            "Tessark: cannot create \"files/Modlist.dat\": the folder \"files\" is missing. "
            "Tessark keeps its work files there; create a folder named \"files\" in the folder "
            "where you start Tessark, then start it again.");
}

}  // namespace
}  // namespace tessark
