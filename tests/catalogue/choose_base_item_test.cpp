#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

#include "foundation/item_record.hpp"
#include "support/dialogue_texts.hpp"
#include "support/memory_console.hpp"

namespace tessark {
namespace {

using testing::texts::normalSwordMenu;
using testing::texts::qualityMenu;

struct Outcome {
  std::string printed;  // by chooseBaseItem alone
  std::string unread;   // what is left of the answers
};

// Chooses the category, then the base item, from one stream of answers.
Outcome run(ItemRecord& record, const std::string& answers) {
  testing::MemoryConsole memory(answers);
  record.chooseCategory(memory.console);
  const std::size_t categoryPrinted = memory.out.str().size();
  record.chooseBaseItem(memory.console);
  return {memory.out.str().substr(categoryPrinted), memory.in.unread()};
}

std::string answers(int category, int quality, int item) {
  return std::to_string(category) + "\n" + std::to_string(quality) + "\n" + std::to_string(item) +
         "\n";
}

struct Menu {
  int category;
  int normalCount;
  int exceptionalCount;
  std::string_view lastNormal;
  std::string_view lastExceptional;
};

constexpr Menu menus[] = {
    {1, 14, 14, "Great Sword", "Executioner Sword"},
    {2, 3, 2, "War Scepter", "Divine Scepter"},
    {3, 4, 4, "Grim Wand", "Grave Wand"},
    {4, 5, 5, "War Staff", "Rune Staff"},
    {5, 12, 12, "Repeating Crossbow", "Cho-Ko-Nu"},
    {6, 4, 4, "Blade", "Stiletto"},
    {7, 8, 7, "Great Maul", "Martel de Fer"},
    {8, 10, 10, "Giant Axe", "Ancient Axe"},
    {9, 5, 4, "Pike", "Yari"},
    {10, 6, 6, "War Scythe", "Grim Scythe"},
    {11, 15, 15, "Ancient Armor", "Ornate Plate"},
    {12, 5, 5, "Greaves", "War Boots"},
    {13, 5, 5, "Gauntlets", "War Gauntlets"},
    {14, 8, 7, "Bone Helm", "Grand Crown"},
    {15, 8, 8, "Gothic Shield", "Ancient Shield"},
    {16, 5, 5, "Plated Belt", "War Belt"},
};

TEST(ChooseBaseItem, TheLastNumberOfEachMenuSetsItsItemAndOnePastSetsNothing) {
  for (const Menu& menu : menus) {
    for (int quality : {1, 2}) {
      SCOPED_TRACE(answers(menu.category, quality, 0));
      const int count = quality == 1 ? menu.normalCount : menu.exceptionalCount;
      ItemRecord last, pastLast;
      const Outcome shown = run(last, answers(menu.category, quality, count));
      EXPECT_EQ(last.baseName, quality == 1 ? menu.lastNormal : menu.lastExceptional);
      EXPECT_EQ(run(pastLast, answers(menu.category, quality, count + 1)).printed, shown.printed);
      EXPECT_TRUE(pastLast.baseName.empty());

      const std::string prompt = "Which " + std::string(last.category) + ": ";
      ASSERT_GT(shown.printed.size(), qualityMenu.size() + prompt.size());
      EXPECT_EQ(shown.printed.substr(0, qualityMenu.size()), qualityMenu);
      EXPECT_EQ(shown.printed.substr(shown.printed.size() - prompt.size()), prompt);
    }
  }
}

TEST(ChooseBaseItem, PrintsTheWholeMenuOfTheQualityThenThePrompt) {
  ItemRecord sword;
  EXPECT_EQ(run(sword, answers(1, 1, 1)).printed,
            std::string(qualityMenu) + std::string(normalSwordMenu));
  EXPECT_EQ(sword.baseName, "Short Sword");

  ItemRecord scepter;
  // The input ends before the answer.
  EXPECT_EQ(run(scepter, "2\n2\n").printed,
            std::string(qualityMenu) + "1. Rune Scepter\n2. Divine Scepter\nWhich Scepter: ");
  EXPECT_TRUE(scepter.baseName.empty());
}

TEST(ChooseBaseItem, AmuletAndRingAreTheirOwnBaseItemWithoutAMenu) {
  for (int category : {17, 18}) {
    for (int quality : {1, 2, 3}) {
      ItemRecord record;
      // The third answer is left for whoever asks next.
      const Outcome shown = run(record, answers(category, quality, 7));
      EXPECT_EQ(shown.printed, qualityMenu);
      EXPECT_EQ(shown.unread, "\n7\n");
      if (quality == 3) {
        EXPECT_TRUE(record.baseName.empty());
      } else {
        EXPECT_EQ(record.baseName, record.category);
        EXPECT_EQ(record.baseName, category == 17 ? "Amulet" : "Ring");
      }
    }
  }
}

TEST(ChooseBaseItem, WithoutACategoryOrAQualityNoItemMenuFollows) {
  for (const std::string& input : {answers(0, 1, 1), answers(19, 2, 1), answers(1, 3, 1),
                                   answers(1, 0, 1), answers(1, -1, 1)}) {
    ItemRecord record;
    const Outcome shown = run(record, input);
    EXPECT_EQ(shown.printed, qualityMenu) << input;
    EXPECT_EQ(shown.unread, "\n1\n") << input;
    EXPECT_TRUE(record.baseName.empty()) << input;
  }
}

TEST(ChooseBaseItem, ItemsNamedAfterTheirCategoryEqualTheCategory) {
  // {category, normal item number}: Scepter, Wand, Dagger, Mace, Axe, Spear, Boots, Helm, Belt.
  constexpr std::pair<int, int> cases[] = {{2, 1}, {3, 1},  {6, 1},  {7, 3}, {8, 2},
                                           {9, 1}, {12, 1}, {14, 3}, {16, 3}};
  for (auto [category, item] : cases) {
    ItemRecord record;
    run(record, answers(category, 1, item));
    EXPECT_FALSE(record.category.empty()) << category;
    EXPECT_EQ(record.baseName, record.category) << category;
  }
}

}  // namespace
}  // namespace tessark
