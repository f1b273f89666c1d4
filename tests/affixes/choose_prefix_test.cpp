#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "foundation/item_record.hpp"
#include "support/affix_menu_run.hpp"

namespace tessark {
namespace {

using Outcome = testing::MenuOutcome;

Outcome run(std::string_view category, const std::string& answers) {
  return testing::runAffixMenu(&ItemRecord::choosePrefix, category, answers);
}

const std::string meleeMenu =
    "\n1. + Attack Rating\n2. + Damage\n3. + Attack Rating and Damage\n4. + Mana\n"
    "5. + Fire Resist\n6. + Cold Resist\n7. + Lightning Resist\n8. + Poison Resist\n"
    "9. + Barbarian Skill Levels\n10. Regenerate mana on kill\n11. Make mosters flee\n"
    "What category of prefixes: ";
const std::string ringMenu =
    "\n1.  + Attack Rating\n2.  + Mana\n3.  + Light Radius\n4.  + Fire Resist\n"
    "5.  + Cold Resist\n6.  + Lightning Resist\n7.  + Poison Resist\n8.  + Resist All\n"
    "9.  + 1 Mana after each kill\n10. Increased Chance to find Magic Item\n11. + Max Stamina\n"
    "Which Prefix: ";
const std::string amuletMenu =
    "\n1.  + Attack Rating\n2.  + Mana\n3.  + Light Radius\n4.  + Fire Resist\n"
    "5.  + Cold Resist\n6.  + Lightning Resist\n7.  + Poison Resist\n8.  + Resist All\n"
    "9.  + Skill Levels\n10. Damage Generates Mana\n11. Better Chance to find magic items\n"
    "12. + to max stamina\nWhich Prefix: ";
const std::string wandMenu =
    "\n1. + Attack Rating\n2. + Damage\n3. + Attack Rating and Damage\n4. + Mana\n"
    "5. + Light Radius\n6. + Fire Resist\n7. + Cold Resist\n8. + Lightning Resist\n"
    "9. + Poison Resist\n10. + Necromancer Skill Levels\n11. Kill regenerates mana\n"
    "12. Make Monsters Flee\nWhat category of prefixes: ";
// The header and the first six rows of the attack rating sub-menu.
const std::string attackRating =
    "Attack Rating:\n"
    "1. Bronze    +10-20  to Attack Rating\n2. Iron      +21-40  to Attack Rating\n"
    "3. Steel     +41-60  to Attack Rating\n4. Silver    +61-80  to Attack Rating\n"
    "5. Gold      +81-100 to Attack Rating\n6. Platinum +101-120 to Attack Rating\n";

TEST(ChoosePrefix, MeleeGroupsOpenSubMenusOrChooseASinglePrefixAtOnce) {
  Outcome mana = run("Sword", "4\n9\n");
  EXPECT_EQ(mana.printed, meleeMenu + "+ Mana\nSerpent's   +11-20 to Mana\n");
  EXPECT_EQ(mana.tag, "1Serpent's");
  EXPECT_EQ(mana.unread, "\n9\n");

  Outcome knight = run("Sword", "3\n5\n");
  EXPECT_EQ(knight.printed, meleeMenu +
                                "+ Attack Rating and Damage:\n"
                                "1. Sharp       +10-20  to Attack Rating, Damage: 110-120%\n"
                                "2. Fine        +21-40  to Attack Rating, Damage: 121-130%\n"
                                "3. Warrior's   +41-60  to Attack Rating, Damage: 131-140%\n"
                                "4. Soldier's   +61-80  to Attack Rating, Damage: 141-150%\n"
                                "5. Knight's    +81-100 to Attack Rating, Damage: 151-165%\n"
                                "6. Lord's     +101-120 to Attack Rating, Damage: 166-180%\n"
                                "7. King's     +121-150 to Attack Rating, Damage: 181-200%\n"
                                "Which Prefix: ");
  EXPECT_EQ(knight.tag, "1Knight's");

  // An ended input reads as 0, so the menus are still printed.
  for (const char* group : {"12\n5\n", "0\n5\n", "-1\n5\n", ""}) {
    Outcome none = run("Sword", group);
    EXPECT_EQ(none.printed, meleeMenu) << group;
    EXPECT_EQ(none.tag, noAffix) << group;
  }
  EXPECT_EQ(run("Scepter", "4\n3\n").tag, "1Serpent's");
}

TEST(ChoosePrefix, ShortenedSubMenusEndAtTheirLastRow) {
  for (const char* rows : {"1\n7\n", "1\n"}) {
    Outcome none = run("Wand", rows);
    EXPECT_EQ(none.printed, wandMenu + attackRating + "Which Prefix: ");
    EXPECT_EQ(none.tag, noAffix);
  }
  EXPECT_EQ(run("Wand", "1\n6\n").tag, "1Platinum");
}

TEST(ChoosePrefix, GlovesChooseBronzeWithoutASubMenu) {
  Outcome bronze = run("Gloves", "1\n");
  EXPECT_EQ(bronze.printed,
            "\n1. + Attack Rating\n2. + Defense\n3. + Mana\n4. + Light Radius\n5. + Fire Resist\n"
            "6. + Cold Resist\n7. + Lightning Resist\n8. + Poison Resist\n9. + Stamina\n"
            "Which Category of Prefixes: Bronze   +10-20 to Attack Rating\n");
  EXPECT_EQ(bronze.tag, "1Bronze");
}

TEST(ChoosePrefix, RingAndAmuletAskWhichPrefixTwice) {
  Outcome platinum = run("Ring", "1\n5\n");
  EXPECT_EQ(platinum.printed,
            ringMenu +
                "Attack Rating:\n"
                "1. Bronze   + 10-20  to Attack Rating\n2. Iron     + 21-40  to Attack Rating\n"
                "3. Steel    + 41-60  to Attack Rating\n4. Silver   + 61-80  to Attack Rating\n"
                "5. Platinum +101-120 to Attack Rating\n6. Meteoric +121-150 to Attack Rating\n"
                "Which Prefix: ");
  EXPECT_EQ(platinum.tag, "1Platinum");
  EXPECT_EQ(run("Ring", "1\n7\n").tag, noAffix);

  Outcome archAngel = run("Amulet", "9\n10\n");
  EXPECT_EQ(archAngel.printed, amuletMenu +
                                   "+ Skill Level\n"
                                   "1. Fletcher's     +1 to Amazon Skill Levels\n"
                                   "2. Archer's       +2 to Amazon Skill Levels\n"
                                   "3. Slayer's       +1 to Barbarian Skill Levels \n"
                                   "4. Berserker's    +2 to Barbarian Skill Levels \n"
                                   "5. Monk's         +1 to Paladin Skill Levels \n"
                                   "6. Priest's       +2 to Paladin Skill Levels \n"
                                   "7. Summoner's     +1 to Necromancer Skill Levels \n"
                                   "8. Necromancer's  +2 to Necromancer Skill Levels \n"
                                   "9. Angels's       +1 to Sorceress Skill Levels \n"
                                   "10 Arch-Angels's  +2 to Sorceress Skill Levels \n"
                                   "Which Prefix: ");
  EXPECT_EQ(archAngel.tag, "1Arch-Angel's");
  EXPECT_EQ(run("Amulet", "9\n9\n").tag, "1Angel's");
}

TEST(ChoosePrefix, CategoriesOfOneBlockSeeTheSameMenus) {
  const auto sameAs = [](std::string_view model, std::string_view other, int lastGroup) {
    for (int group = 0; group <= lastGroup + 1; ++group) {
      for (int row = 0; row <= 8; ++row) {
        const std::string answers = std::to_string(group) + "\n" + std::to_string(row) + "\n";
        const Outcome expected = run(model, answers), actual = run(other, answers);
        EXPECT_EQ(actual.printed, expected.printed) << other << " " << answers;
        EXPECT_EQ(actual.tag, expected.tag) << other << " " << answers;
      }
    }
  };
  for (std::string_view melee : {"Dagger", "Mace", "Axe", "Spear", "Polearm"}) {
    sameAs("Sword", melee, 11);
  }
  EXPECT_EQ(run("Armor", "0\n").printed,
            "\n1. + Defense\n2. + Mana\n3. + Light Radius\n4. + Fire Resist\n5. + Cold Resist\n"
            "6. + Lightning Resist\n7. + Poison Resist\nWhich Category of Prefixes: ");
  sameAs("Armor", "Helm", 7);
}

TEST(ChoosePrefix, AnUnknownCategoryReadsNothing) {
  for (std::string_view category : {"", "Swords", "Wand "}) {
    Outcome none = run(category, "1\n1\n");
    EXPECT_EQ(none.printed, "\n");
    EXPECT_EQ(none.tag, noAffix);
    EXPECT_EQ(none.unread, "1\n1\n");
  }
}

}  // namespace
}  // namespace tessark
