#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>

#include "foundation/item_record.hpp"
#include "support/affix_menu_run.hpp"
#include "support/dialogue_texts.hpp"

namespace tessark {
namespace {

// The 31 group lines in menu order.
constexpr std::string_view groupLines =
    "1. + Strength\n2. + Dexterity\n3. + Energy\n4. + Life\n5. + Light Radius\n"
    "6. + Minimum Damage\n7. + Maximum Damage\n8. + Fire Damage\n9. + Cold Damage\n"
    "10. + Lightning Damage\n11. + Poison Damage\n12. Poison Length Reduction\n"
    "13. + Life Steal\n14. + Mana Steal\n15. + Life Regeneration\n16. + Attack Speed\n"
    "17. Increased Chance to Block\n18. Faster Hit Recovery\n19. Damage Reduction\n"
    "20. Magic Damage Reduction\n21. More Gold from Monsters\n"
    "22. Better Chance of Getting Magic Items\n23. - Monster Defense\n24. - Cast Time\n"
    "25. Attacker takes damage\n26. - Item Requirements\n27. Increased Run/Walk speed\n"
    "28. Monster Knockback\n29. Ignore Monster Defense\n30. Prevent Monster Heal\n"
    "31. Freeze Length Reduction\n";

// The printed group menu with the lines of the given group numbers, ascending.
std::string groupMenu(std::initializer_list<int> shown) {
  std::string menu = "\n";
  std::size_t start = 0;
  const int* next = shown.begin();
  for (int number = 1; number <= 31; ++number) {
    const std::size_t end = groupLines.find('\n', start) + 1;
    if (next != shown.end() && *next == number) {
      menu += groupLines.substr(start, end - start);
      ++next;
    }
    start = end;
  }
  return menu + "Which Category of Suffixes: ";
}

const std::string swordMenu = groupMenu({1, 4, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 23, 26, 28, 30});
const std::string amuletMenu =
    groupMenu({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 19, 20, 21, 22, 24, 31});

using Outcome = testing::MenuOutcome;

Outcome run(std::string_view category, const std::string& answers) {
  return testing::runAffixMenu(&ItemRecord::chooseSuffix, category, answers);
}

TEST(ChooseSuffix, EachCategorySeesOnlyTheGroupsThatFitIt) {
  EXPECT_EQ(run("Sword", "0\n").printed, swordMenu);
  EXPECT_EQ(run("Amulet", "0\n").printed, amuletMenu);
  EXPECT_EQ(run("Ring", "0\n").printed, amuletMenu);
  EXPECT_EQ(run("Boots", "").printed, groupMenu({1, 2, 4, 5, 10, 12, 15, 18, 21, 22, 27, 31}));
  EXPECT_EQ(run("Bow", "").printed,
            groupMenu({1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 26}));
}

TEST(ChooseSuffix, RowsKeepTheirNumbersWhetherPrintedOrNot) {
  const std::string strength = swordMenu +
                               "2. Might       + 4-6 to Strength\n"
                               "3. Ox          + 7-10 to Strength\n"
                               "4. Giant       +11-15 to Strength\n"
                               "Which Suffix: ";
  const Outcome titan = run("Sword", "1\n5\n");
  EXPECT_EQ(titan.printed, strength);
  EXPECT_EQ(titan.tag, "2Titan");
  EXPECT_EQ(run("Sword", "1\n1\n").tag, "2Strength");
  EXPECT_EQ(run("Sword", "1\n6\n").tag, noAffix);

  const Outcome dexterity = run("Sword", "2\n1\n");
  EXPECT_EQ(dexterity.printed, swordMenu + "Which Suffix: ");
  EXPECT_EQ(dexterity.tag, "2Dexterity");
}

TEST(ChooseSuffix, SingleSuffixesAreChosenAtOnceEvenWhenTheirLineIsHidden) {
  const Outcome bear = run("Bow", "28\n1\n");
  EXPECT_EQ(bear.printed, groupMenu({1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 26}) +
                              "Bear     Adds Knockback\n");
  EXPECT_EQ(bear.tag, "2Bear");
}

TEST(ChooseSuffix, TheTwoLifeSuffixesAreDistinct) {
  const Outcome reduction = run("Amulet", "19\n4\n");
  EXPECT_EQ(reduction.printed, amuletMenu +
                                   "1. Health     Damage Reduced by 1 \n"
                                   "2. Protection Damage Reduced by 2\n"
                                   "3. Absorption Damage Reduced by 3 \n"
                                   "4. Life       Damage Reduced by 4 \n"
                                   "Which Suffix: ");
  EXPECT_EQ(reduction.tag, "2Life2");

  const Outcome life = run("Amulet", "4\n1\n");
  EXPECT_EQ(life.printed, amuletMenu + std::string(testing::texts::allLifeRows));
  EXPECT_EQ(life.tag, "2Life");
}

TEST(ChooseSuffix, AnswersOutsideTheMenusChooseNothing) {
  // An ended input reads as 0 too.
  for (const char* group : {"0\n1\n", "32\n1\n", "-1\n1\n", "x\n1\n", ""}) {
    const Outcome none = run("Sword", group);
    EXPECT_EQ(none.printed, swordMenu) << group;
    EXPECT_EQ(none.tag, noAffix) << group;
  }
  const Outcome blockRow3 = run("Sword", "17\n3\n");
  EXPECT_EQ(blockRow3.printed, swordMenu + "Which Suffix: ");
  EXPECT_EQ(blockRow3.tag, noAffix);
}

TEST(ChooseSuffix, AnUnknownCategorySeesOnlyPromptsButNumbersStillChoose) {
  const std::string bare = groupMenu({});
  EXPECT_EQ(run("", "4\n4\n").printed, bare + "Which Suffix: ");
  EXPECT_EQ(run("", "4\n4\n").tag, "2Wolf");
  const Outcome thawing = run("Rings", "31\n");
  EXPECT_EQ(thawing.printed, bare + "Thawing    Half Freeze Duration\n");
  EXPECT_EQ(thawing.tag, "2Thawing");
}

}  // namespace
}  // namespace tessark
