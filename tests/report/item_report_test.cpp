// writeItemReport: the exact bytes of "The Item.txt" and of the six work files, composed from the
// item alone, and the failures that stop a run before the closing message.
#include "report/item_report.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

#include "foundation/item_record.hpp"
#include "foundation/run_stopped.hpp"
#include "report/modifier_list.hpp"
#include "report/split_modifier_list.hpp"
#include "support/memory_console.hpp"
#include "support/work_folder.hpp"

namespace tessark {
namespace {

using testing::readFile;

// Builds the item as the flows do, writes its report and returns the text printed.
std::string report(std::string_view category, std::string_view baseName,
                   std::initializer_list<AffixTag> tags) {
  emptyModifierList();
  ItemRecord item;
  item.category = category;
  item.baseName = baseName;
  for (AffixTag tag : tags) item.applyAffix(tag);
  testing::MemoryConsole memory;
  item.writeItemReport(memory.console);
  return memory.out.str();
}

constexpr std::string_view closing =
    "\nView file called \"The Item\" in the \nfolder from where you ran this program\n"
    "If you like the item, Run Corvellan to store it \nin your library.\n";

class ItemReport : public ::testing::Test {
 protected:
  testing::WorkFolder folder;
};

TEST_F(ItemReport, WritesTheWorkedExampleExactly) {
  EXPECT_EQ(report("Sword", "Short Sword", {"1Jagged", "2Worth"}), closing);
  EXPECT_EQ(readFile(itemReportPath),
            "Sword\nShort Sword\n---------------------\nJagged  \nShort Sword of\nWorth  \n"
            "------------------\nBest Possible Results: \nDamage: 3 -- 8\n"
            "120% Enhanced Damage\n\n+1 to Minimum Damage\n\n\n"
            "------------------\nLowest Possible Results: \nDamage: 3 - 8\n"
            "110% Enhanced Damage\n\n+1 to Minimum Damage\n\n");
  EXPECT_EQ(readFile(prefixNamesPath), "Jagged\n");
  EXPECT_EQ(readFile(suffixNamesPath), "Worth\n");
  EXPECT_EQ(readFile(leastPrefixTextsPath), "110% Enhanced Damage\n");
  EXPECT_EQ(readFile(bestPrefixTextsPath), "120% Enhanced Damage\n");
  EXPECT_EQ(readFile(leastSuffixTextsPath), "+1 to Minimum Damage\n");
  EXPECT_EQ(readFile(bestSuffixTextsPath), "+1 to Minimum Damage\n");
}

TEST_F(ItemReport, DependsOnTheRunAloneNotOnWhatTheWorkFilesHoldMeanwhile) {
  report("Sword", "Short Sword", {"1Jagged", "2Worth"});
  const std::string expected = readFile(itemReportPath);
  emptyModifierList();
  ItemRecord item;
  item.category = "Sword";
  item.baseName = "Short Sword";
  item.applyAffix("1Jagged");
  item.applyAffix("2Worth");
  // Another program changes the work files between the appends and the report.
  const std::string other = "Prefix: Holy\nLeast: 181% Defense\nBest: 200% Defense\n";
  testing::writeFile(modifierListPath, other);
  std::filesystem::remove(suffixNamesPath);
  testing::writeFile(prefixNamesPath, "Holy\nDragon's\n");
  testing::MemoryConsole memory;
  item.writeItemReport(memory.console);
  EXPECT_EQ(readFile(itemReportPath), expected);
  EXPECT_EQ(readFile(prefixNamesPath), "Jagged\n");
  EXPECT_EQ(readFile(suffixNamesPath), "Worth\n");
  EXPECT_EQ(readFile(modifierListPath), other);
}

TEST_F(ItemReport, ShowsDefenseForArmorAndOnlyTextsForJewellery) {
  report("Shield", "Buckler", {"1Sturdy"});
  EXPECT_EQ(readFile(itemReportPath),
            "Shield\nBuckler\n---------------------\nSturdy  \nBuckler of\n \n"
            "------------------\nBest Possible Results: \nDefense: 5 -- 8\n130% Defense\n\n\n"
            "\n------------------\nLowest Possible Results: \nDefense: 5 -- 7\n120% Defense\n\n\n");
  for (std::string_view jewel : {"Ring", "Amulet"}) {
    report(jewel, jewel, {"2Life2"});
    EXPECT_EQ(readFile(itemReportPath),
              std::string(jewel) + "\n" + std::string(jewel) + "\n---------------------\n \n" +
                  std::string(jewel) +
                  " of\nLife  \n------------------\nBest Possible Results: \n\n"
                  "Damage Reduced by 4\n\n\n------------------\nLowest Possible Results: \n\n"
                  "Damage Reduced by 4\n\n");
  }
}

TEST_F(ItemReport, ListsSeveralAffixesAndAWeaponsDashes) {
  report("Bow", "Short Bow", {"1Bronze", "1Jagged"});
  EXPECT_EQ(readFile(itemReportPath),
            "Bow\nShort Bow\n---------------------\nBronze Jagged  \nShort Bow of\n \n"
            "------------------\nBest Possible Results: \nDamage: 1 -- 5\n"
            "+20 Attack Rating\n120% Enhanced Damage\n\n\n"
            "\n------------------\nLowest Possible Results: \nDamage: 1 - 4\n"
            "+10 Attack Rating\n110% Enhanced Damage\n\n\n");
}

TEST_F(ItemReport, WritesAnUnsetCategoryAndBaseItemAsEmptyLines) {
  report("", "", {});
  EXPECT_EQ(readFile(itemReportPath),
            "\n\n---------------------\n \n of\n \n------------------\nBest Possible Results: \n"
            "\n\n\n------------------\nLowest Possible Results: \n\n\n");
}

TEST_F(ItemReport, FailsWithoutTheClosingMessageWhenAFileFails) {
  auto failsSilently = [] {
    testing::MemoryConsole memory;
    ItemRecord item;
    EXPECT_THROW(item.writeItemReport(memory.console), RunStopped);
    EXPECT_EQ(memory.out.str(), "");
  };
  emptyModifierList();
  std::filesystem::create_directory(itemReportPath);  // a folder where the report belongs
  failsSilently();
  std::filesystem::remove(itemReportPath);
#ifndef _WIN32  // Windows has no device that is always full
  std::filesystem::create_symlink("/dev/full", itemReportPath);  // a full disk
  failsSilently();
  std::filesystem::remove(itemReportPath);
#endif
  std::filesystem::remove_all("files");  // no work files at all
  failsSilently();
}

}  // namespace
}  // namespace tessark
