// The split of the applied affixes into the six work file texts, and the rewriting of the files.
#include "report/split_modifier_list.hpp"

#include <gtest/gtest.h>

#include <initializer_list>
#include <span>
#include <string>

#include "support/memory_work_files.hpp"

namespace tessark {
namespace {

SplitTexts split(std::initializer_list<AffixTag> tags) {
  return splitModifierList(std::span<const AffixTag>(tags.begin(), tags.size()));
}

// The texts in the order of their fields: prefix and suffix names, best and least prefix texts,
// best and least suffix texts.
SplitTexts texts(std::string prefixNames, std::string suffixNames, std::string bestPrefix,
                 std::string leastPrefix, std::string bestSuffix, std::string leastSuffix) {
  return {prefixNames, suffixNames, bestPrefix, leastPrefix, bestSuffix, leastSuffix};
}

TEST(Split, PutsEachLineOfARecordIntoItsText) {
  EXPECT_EQ(split({"1Jagged", "2Worth"}),
            texts("Jagged\n", "Worth\n", "120% Enhanced Damage\n", "110% Enhanced Damage\n",
                  "+1 to Minimum Damage\n", "+1 to Minimum Damage\n"));
}

TEST(Split, LeavesTheTextsOfAnAbsentKindEmpty) {
  EXPECT_EQ(split({"1Jagged"}),
            texts("Jagged\n", "", "120% Enhanced Damage\n", "110% Enhanced Damage\n", "", ""));
  EXPECT_EQ(split({"2Worth"}),
            texts("", "Worth\n", "", "", "+1 to Minimum Damage\n", "+1 to Minimum Damage\n"));
  // Tags that name no described affix have no record.
  EXPECT_EQ(split({}), SplitTexts{});
  EXPECT_EQ(split({"", "1", "3Jagged", "2Jagged", "1jagged", "1Jagged "}), SplitTexts{});
}

TEST(Split, KeepsTheOrderShownNamesAndRepeats) {
  const SplitTexts result = split({"1Lord's", "2Life2", "1Jagged", "1Jagged", "2Worth", "2Worth"});
  EXPECT_EQ(result.prefixNames, "Lord's\nJagged\nJagged\n");
  EXPECT_EQ(result.suffixNames, "Life\nWorth\nWorth\n");
  EXPECT_EQ(result.leastPrefixTexts,
            "+101 Attack Rating, 166% Enhanced Damage\n110% Enhanced Damage\n"
            "110% Enhanced Damage\n");
  EXPECT_EQ(result.bestSuffixTexts,
            "Damage Reduced by 4\n+1 to Minimum Damage\n+1 to Minimum Damage\n");
}

TEST(Split, RewritesEachOfTheSixFilesWithItsText) {
  testing::MemoryWorkFiles files;
  files.append(WorkFile::leastSuffixTexts, std::string(500, 'x'));
  writeSplitFiles(files, texts("a\n", "b\n", "c\n", "d\n", "e\n", ""));
  EXPECT_EQ(files[WorkFile::prefixNames], "a\n");
  EXPECT_EQ(files[WorkFile::suffixNames], "b\n");
  EXPECT_EQ(files[WorkFile::bestPrefixTexts], "c\n");
  EXPECT_EQ(files[WorkFile::leastPrefixTexts], "d\n");
  EXPECT_EQ(files[WorkFile::bestSuffixTexts], "e\n");
  EXPECT_EQ(files[WorkFile::leastSuffixTexts], "");
  EXPECT_EQ(files[WorkFile::modifierList], std::nullopt);
}

}  // namespace
}  // namespace tessark
