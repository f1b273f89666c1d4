#include "work_files/file_failure_message.hpp"

#include <gtest/gtest.h>

namespace tessark {
namespace {

TEST(FileFailureMessage, NamesTheFileAndWhatToDoAboutAMissingFolderOrAStrangeFile) {
  const SystemError missing(FailureKind::missing, "No such file or directory");
  EXPECT_EQ(fileFailureMessage("read", "The Item.txt",
                               SystemError(FailureKind::isFolder, "Is a directory"), false),
            "Tessark: cannot read \"The Item.txt\": Is a directory.");
  EXPECT_EQ(fileFailureMessage("read", "files/Modlist.dat", missing, false),
            "Tessark: cannot read \"files/Modlist.dat\": No such file or directory.");
  EXPECT_EQ(fileFailureMessage("read", "files/Suffix.dat",
                               SystemError(FailureKind::notRegularFile, ""), false),
            "Tessark: cannot read \"files/Suffix.dat\": it is not a regular file. The folder "
            "\"files\" is Tessark's own; remove what stands in the place of this file, then start "
            "Tessark again.");
  EXPECT_EQ(fileFailureMessage("create", "files/Modlist.dat", missing, true),
            "Tessark: cannot create \"files/Modlist.dat\": the folder \"files\" is missing. "
            "Tessark keeps its work files there; create a folder named \"files\" in the folder "
            "where you start Tessark, then start it again.");
}

}  // namespace
}  // namespace tessark
