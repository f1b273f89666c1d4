// The user of the browser build under node: the working folder's files of the user's own are
// replaced as on POSIX, not taken for another user's.
#include <gtest/gtest.h>

#include "support/work_folder.hpp"
#include "system/replace_file.hpp"

namespace tessark {
namespace {

using testing::readFile;
using testing::WorkFolder;
using testing::writeFile;

// The files of the working folder carry their real owner under node: a report of the user's own
// is replaced by a new file, never written in place, whoever the user is.
TEST(UserWeb, AReportOfTheUsersOwnIsReplacedByANewFile) {
  WorkFolder folder;
  writeFile("The Item.txt", "an earlier report, longer than the new one\n");
  const auto earlier = HeldFolder::working().targetOf("The Item.txt")->file;
  replaceFile(HeldFolder::working(), "The Item.txt", "new\n");
  EXPECT_EQ(readFile("The Item.txt"), "new\n");
  EXPECT_NE(HeldFolder::working().targetOf("The Item.txt")->file, earlier);
}

}  // namespace
}  // namespace tessark
