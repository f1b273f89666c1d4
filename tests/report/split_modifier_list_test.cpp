#include "report/split_modifier_list.hpp"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "foundation/run_stopped.hpp"
#include "report/modifier_list.hpp"
#include "support/work_folder.hpp"

namespace tessark {
namespace {

using testing::readFile;

// The six work files: prefix names, suffix names, best and least prefix texts, best and least
// suffix texts.
using WorkFiles = std::array<std::string, 6>;

WorkFiles splitList(std::string_view list) {
  testing::writeFile(modifierListPath, list);
  splitModifierList();
  return {readFile(prefixNamesPath),     readFile(suffixNamesPath),
          readFile(bestPrefixTextsPath), readFile(leastPrefixTextsPath),
          readFile(bestSuffixTextsPath), readFile(leastSuffixTextsPath)};
}

constexpr std::string_view jagged =
    "Prefix: Jagged\nLeast: 110% Enhanced Damage\nBest: 120% Enhanced Damage\n";
constexpr std::string_view worth =
    "Suffix: Worth\nLeast: +1 to Minimum Damage\nBest: +1 to Minimum Damage\n";

class Split : public ::testing::Test {
 protected:
  testing::WorkFolder folder;
};

TEST_F(Split, PutsEachLineOfARecordIntoItsWorkFile) {
  EXPECT_EQ(splitList(std::string(jagged) + std::string(worth)),
            (WorkFiles{"Jagged\n", "Worth\n", "120% Enhanced Damage\n", "110% Enhanced Damage\n",
                       "+1 to Minimum Damage\n", "+1 to Minimum Damage\n"}));
}

TEST_F(Split, LeavesTheFilesOfAnAbsentKindEmpty) {
  EXPECT_EQ(splitList(jagged), (WorkFiles{"Jagged\n", "", "120% Enhanced Damage\n",
                                          "110% Enhanced Damage\n", "", ""}));
  EXPECT_EQ(splitList(worth),
            (WorkFiles{"", "Worth\n", "", "", "+1 to Minimum Damage\n", "+1 to Minimum Damage\n"}));
  EXPECT_EQ(splitList(""), (WorkFiles{}));
}

TEST_F(Split, KeepsListOrderShownNamesAndRepeats) {
  const std::string list =
      "Prefix: Lord's\nLeast: +101 Attack Rating, 166% Enhanced Damage\n"
      "Best: +120 Attack Rating, 180% Enhanced Damage\n" +
      std::string(jagged) + std::string(jagged) +
      "Suffix: Life\nLeast: Damage Reduced by 4\nBest: Damage Reduced by 4\n" + std::string(worth) +
      std::string(worth);
  const WorkFiles files = splitList(list);
  EXPECT_EQ(files[0], "Lord's\nJagged\nJagged\n");
  EXPECT_EQ(files[1], "Life\nWorth\nWorth\n");
  EXPECT_EQ(files[3],
            "+101 Attack Rating, 166% Enhanced Damage\n110% Enhanced Damage\n"
            "110% Enhanced Damage\n");
  EXPECT_EQ(files[4], "Damage Reduced by 4\n+1 to Minimum Damage\n+1 to Minimum Damage\n");
}

TEST_F(Split, CutsLabelsByLengthAndPassesOverStrayLines) {
  EXPECT_EQ(splitList("stray line\nPrefix:X\nLeast:\nBest\nSuffix: Y\nLeast: a\nBest: b"),
            (WorkFiles{"\n", "Y\n", "\n", "\n", "b\n", "a\n"}));
}

TEST_F(Split, StopsTheRunWhenAFileFails) {
  std::filesystem::remove(modifierListPath);
  EXPECT_THROW(splitModifierList(), RunStopped);  // no list to read

  testing::writeFile(modifierListPath, jagged);
  std::filesystem::create_directory(suffixNamesPath);
  EXPECT_THROW(splitModifierList(), RunStopped);  // a folder where a work file belongs
  std::filesystem::remove(suffixNamesPath);

#ifndef _WIN32  // Windows has no device that is always full
  std::filesystem::create_symlink("/dev/full", bestPrefixTextsPath);
  EXPECT_THROW(splitModifierList(), RunStopped);  // a device where a work file belongs
#endif
}

}  // namespace
}  // namespace tessark
