#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "foundation/item_record.hpp"
#include "support/dialogue_texts.hpp"
#include "support/memory_console.hpp"

namespace tessark {
namespace {

using testing::texts::categoryMenu;

constexpr std::string_view names[] = {
    "Sword",   "Scepter", "Wand",  "Staff",  "Bow",  "Dagger", "Mace", "Axe",    "Spear",
    "Polearm", "Armor",   "Boots", "Gloves", "Helm", "Shield", "Belt", "Amulet", "Ring",
};

// Runs the category menu on `answers`; returns what it printed.
std::string run(ItemRecord& record, const std::string& answers) {
  testing::MemoryConsole memory(answers);
  record.chooseCategory(memory.console);
  return memory.out.str();
}

TEST(ChooseCategory, EachMenuNumberSetsItsCategory) {
  for (int number = 1; number <= 18; ++number) {
    ItemRecord record;
    EXPECT_EQ(run(record, std::to_string(number) + "\n"), categoryMenu);
    EXPECT_EQ(record.category, names[number - 1]) << number;
    EXPECT_TRUE(record.baseName.empty());
  }
}

TEST(ChooseCategory, AnyOtherAnswerLeavesTheCategoryUnset) {
  for (const char* answers : {"0\n", "19\n", "-1\n", "x\n", "4294967313\n", ""}) {
    ItemRecord record;
    EXPECT_EQ(run(record, answers), categoryMenu) << answers;
    EXPECT_TRUE(record.category.empty()) << answers;
  }
}

}  // namespace
}  // namespace tessark
