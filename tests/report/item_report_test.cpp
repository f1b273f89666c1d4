// writeItemReport: the exact bytes of "The Item.txt" and of the six work files, composed from the
// item alone, and the report withheld when the answers ended early.
#include "report/item_report.hpp"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "foundation/item_record.hpp"
#include "foundation/read_choice.hpp"
#include "foundation/run_stopped.hpp"
#include "support/memory_console.hpp"
#include "support/memory_work_files.hpp"

namespace tessark {
namespace {

// The item as the flows build it.
ItemRecord itemWith(std::string_view category, std::string_view baseName,
                    std::initializer_list<AffixTag> tags) {
  ItemRecord item;
  item.category = category;
  item.baseName = baseName;
  for (AffixTag tag : tags) item.recordAffix(tag);
  return item;
}

constexpr std::string_view closing =
    "\nView file called \"The Item\" in the \nfolder from where you ran this program\n"
    "If you like the item, Run Corvellan to store it \nin your library.\n";

class ItemReport : public ::testing::Test {
 protected:
  // Writes the report of the item, returning what was printed.
  std::string report(std::string_view category, std::string_view baseName,
                     std::initializer_list<AffixTag> tags) {
    testing::MemoryConsole memory;
    itemWith(category, baseName, tags).writeItemReport(memory.console, files);
    return memory.out.str();
  }

  testing::MemoryWorkFiles files;
};

TEST_F(ItemReport, WritesTheWorkedExampleExactly) {
  EXPECT_EQ(report("Sword", "Short Sword", {"1Jagged", "2Worth"}), closing);
  EXPECT_EQ(files.report,
            "Sword\nShort Sword\n---------------------\nJagged  \nShort Sword of\nWorth  \n"
            "------------------\nBest Possible Results: \nDamage: 3 -- 8\n"
            "120% Enhanced Damage\n\n+1 to Minimum Damage\n\n\n"
            "------------------\nLowest Possible Results: \nDamage: 3 - 8\n"
            "110% Enhanced Damage\n\n+1 to Minimum Damage\n\n");
  EXPECT_EQ(files[WorkFile::prefixNames], "Jagged\n");
  EXPECT_EQ(files[WorkFile::suffixNames], "Worth\n");
  EXPECT_EQ(files[WorkFile::leastPrefixTexts], "110% Enhanced Damage\n");
  EXPECT_EQ(files[WorkFile::bestPrefixTexts], "120% Enhanced Damage\n");
  EXPECT_EQ(files[WorkFile::leastSuffixTexts], "+1 to Minimum Damage\n");
  EXPECT_EQ(files[WorkFile::bestSuffixTexts], "+1 to Minimum Damage\n");
}

TEST_F(ItemReport, ShowsDefenseForArmorAndOnlyTextsForJewellery) {
  report("Shield", "Buckler", {"1Sturdy"});
  EXPECT_EQ(files.report,
            "Shield\nBuckler\n---------------------\nSturdy  \nBuckler of\n \n"
            "------------------\nBest Possible Results: \nDefense: 5 -- 8\n130% Defense\n\n\n"
            "\n------------------\nLowest Possible Results: \nDefense: 5 -- 7\n120% Defense\n\n\n");
  for (std::string_view jewel : {"Ring", "Amulet"}) {
    report(jewel, jewel, {"2Life2"});
    EXPECT_EQ(files.report,
              std::string(jewel) + "\n" + std::string(jewel) + "\n---------------------\n \n" +
                  std::string(jewel) +
                  " of\nLife  \n------------------\nBest Possible Results: \n\n"
                  "Damage Reduced by 4\n\n\n------------------\nLowest Possible Results: \n\n"
                  "Damage Reduced by 4\n\n");
  }
}

TEST_F(ItemReport, ListsSeveralAffixesAndAWeaponsDashes) {
  report("Bow", "Short Bow", {"1Bronze", "1Jagged"});
  EXPECT_EQ(files.report,
            "Bow\nShort Bow\n---------------------\nBronze Jagged  \nShort Bow of\n \n"
            "------------------\nBest Possible Results: \nDamage: 1 -- 5\n"
            "+20 Attack Rating\n120% Enhanced Damage\n\n\n"
            "\n------------------\nLowest Possible Results: \nDamage: 1 - 4\n"
            "+10 Attack Rating\n110% Enhanced Damage\n\n\n");
}

TEST_F(ItemReport, WritesAnUnsetCategoryAndBaseItemAsEmptyLines) {
  report("", "", {});
  EXPECT_EQ(files.report,
            "\n\n---------------------\n \n of\n \n------------------\nBest Possible Results: \n"
            "\n\n\n------------------\nLowest Possible Results: \n\n\n");
}

TEST_F(ItemReport, AnswersThatEndedEarlyWriteTheSplitButNoReport) {
  testing::MemoryConsole memory;
  std::int32_t answer = 7;
  ASSERT_FALSE(readChoice(memory.console, answer));
  ASSERT_TRUE(answersEnded(memory.console));
  EXPECT_THROW(itemWith("Sword", "Short Sword", {"1Jagged"}).writeItemReport(memory.console, files),
               RunStopped);
  EXPECT_EQ(files[WorkFile::prefixNames], "Jagged\n");
  EXPECT_EQ(files.report, std::nullopt);
  EXPECT_EQ(memory.out.str(), "");
}

}  // namespace
}  // namespace tessark
