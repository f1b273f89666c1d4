// The suffix menus: one menu of 31 groups for every category, each line and row printed only for
// its set of categories, with the checks of numbers, names and tags.

// Groups 1 to 27 hold numbered rows, groups 28 to 31 a single suffix; a number selects its line
// for every category. The rows come first, one table per group, then the groups, then the checks.
// Shapes: suffix_menu_types.hpp; dialogue: choose_suffix.cpp; the description each tag must name:
// report/suffix_descriptions.hpp.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>

#include "affixes/suffix_menu_types.hpp"
#include "catalogue/category_id.hpp"
#include "foundation/affix_tag.hpp"
#include "foundation/numbered_line.hpp"
#include "foundation/table_fault.hpp"

namespace tessark {

// The rows of suffix groups 1 to 27. A row's set only decides whether it is printed; its number
// selects its tag for every category.
namespace suffix_data {

using enum CategoryId;

// --- 1. + Strength
inline constexpr SuffixRow group1Rows[] = {
    {"1. Strength    + 1-3 to Strength\n", "2Strength", CategorySet{belt, amulet, ring}},
    {"2. Might       + 4-6 to Strength\n", "2Might",
     CategorySet{sword, scepter, dagger, mace, axe, spear, polearm, shield, amulet, ring}},
    {"3. Ox          + 7-10 to Strength\n", "2Ox", allBut({wand, staff, armor, helm})},
    {"4. Giant       +11-15 to Strength\n", "2Giant", allBut({wand, staff, bow, armor, helm})},
    {"5. Titan       +16-20 to Strength\n", "2Titan", CategorySet{boots, belt, amulet}},
};
// --- 2. + Dexterity
inline constexpr SuffixRow group2Rows[] = {
    {"1. Dexterity    + 1-3  Dexterity\n", "2Dexterity",
     CategorySet{scepter, bow, boots, gloves, amulet, ring}},
    {"2. Skill        + 4-6  Dexterity\n", "2Skill",
     CategorySet{scepter, bow, boots, gloves, shield, belt, amulet, ring}},
    // Two columns out of line with its neighbours; printed as it stands.
    {"3. Accuracy   + 7-10 Dexterity\n", "2Accuracy",
     CategorySet{scepter, bow, boots, gloves, amulet, ring}},
    {"4. Precision    +11-20 Dexterity\n", "2Precision",
     CategorySet{scepter, bow, armor, boots, gloves, helm, shield, belt, amulet, ring}},
    {"5. Perfection   +16-20 Dexterity\n", "2Perfection", CategorySet{bow, gloves, amulet}},
};
// --- 3. + Energy
inline constexpr SuffixRow group3Rows[] = {
    {"1. Energy     + 1-5 to Mana\n", "2Energy", CategorySet{scepter, wand, staff, amulet, ring}},
    {"2. Mind       + 6-10 to Mana\n", "2Mind", CategorySet{scepter, wand, staff, amulet, ring}},
    {"3. Brilliance +11-15 to Mana\n", "2Brilliance",
     CategorySet{scepter, wand, staff, amulet, ring}},
    {"4. Sorcery    +16-20 to Mana\n", "2Sorcery", CategorySet{scepter, wand, staff, amulet}},
    {"5. Wizardry   +21-30 to Mana\n", "2Wizardry",
     CategorySet{scepter, wand, staff, amulet, ring}},
};
// --- 4. + Life
inline constexpr SuffixRow group4Rows[] = {
    {"1. Life       + 5 to Life\n", "2Life", CategorySet{armor, helm, shield, belt, amulet}},
    {"2. Jackal     + 1-5 to Life\n", "2Jackal",
     CategorySet{scepter, wand, staff, armor, boots, gloves, helm, shield, belt, amulet, ring}},
    {"3. Fox        + 5-10 to Life\n", "2Fox",
     CategorySet{scepter, wand, staff, armor, boots, gloves, helm, shield, belt, amulet, ring}},
    {"4. Wolf       +11-20 to Life\n", "2Wolf", allCategories},
    {"5. Tiger      +21-30 to Life\n", "2Tiger",
     CategorySet{armor, boots, gloves, helm, shield, belt, amulet, ring}},
    {"6. Mammoth    +31-40 to Life\n", "2Mammoth", allBut({scepter, wand, staff, bow, boots})},
    {"7. Colossus   +41-60 to Life\n", "2Colossus", CategorySet{armor, helm, shield, belt, amulet}},
};
// --- 5. + Light Radius
inline constexpr SuffixRow group5Rows[] = {
    // Also shown for a Shield, which does not see the group line.
    {"1. Light      +1 to Light Radius\n", "2Light",
     CategorySet{scepter, wand, staff, bow, armor, boots, gloves, helm, shield, belt, amulet,
                 ring}},
    {"2. Radiance   +3 to Light Radius\n", "2Radiance",
     CategorySet{scepter, wand, staff, bow, amulet, ring}},
    {"3. Sun        +5 to Light Radius\n", "2Sun",
     CategorySet{scepter, wand, staff, bow, gloves, amulet, ring}},
};
// --- 6. + Minimum Damage
inline constexpr SuffixRow group6Rows[] = {
    {"1. Worth       +1 to Minimum Damage\n", "2Worth",
     CategorySet{sword, bow, dagger, mace, axe, spear, polearm}},
    {"2. Measure     +2 to Minimum Damage\n", "2Measure", weapons},
    {"3. Excellence  +3 to Minimum Damage\n", "2Excellence", weapons | CategorySet{amulet, ring}},
    {"4. Performance +4-5 to Minimum Damage\n", "2Performance", weapons},
};
// --- 7. + Maximum Damage
inline constexpr SuffixRow group7Rows[] = {
    {"1. Craftsmanship  + 1-2 to Maximum Damage\n", "2Craftsmanship",
     weapons | CategorySet{amulet, ring}},
    {"2. Quality        + 2 to Maximum Damage\n", "2Quality", weapons},
    {"3. Maiming        + 3-4 to Maximum Damage\n", "2Maiming",
     allBut({armor, boots, gloves, helm, belt})},
    {"4. Slaying        + 5-7 to Maximum Damage\n", "2Slaying", weapons},
    {"5. Gore           + 8-10 to Maximum Damage\n", "2Gore", weapons},
    {"6. Carnage        + 11-15 to Maximum Damage\n", "2Carnage",
     CategorySet{sword, scepter, bow, dagger, mace, axe, spear, polearm}},
    {"7. Slaughter      + 15-20 to Maximum Damage\n", "2Slaughter",
     CategorySet{sword, scepter, bow, dagger, mace, axe, spear, polearm}},
};
// --- 8. + Fire Damage
inline constexpr SuffixRow group8Rows[] = {
    {"1. Flame   Adds  1 Minimum to  2-6 Fire Damage\n", "2Flame",
     allBut({armor, boots, helm, shield, belt})},
    {"2. Fire    Adds  2 Minimum to  6-11 Fire Damage\n", "2Fire", weapons},
    {"3. Burning Adds 10 Minimum to 10-20 Fire Damage\n", "2Burning", weapons},
};
// --- 9. + Cold Damage
inline constexpr SuffixRow group9Rows[] = {
    // Also shown for a Belt, which does not see the group line; a Ring sees the line only.
    {"1. Frost   Adds 1-4 Cold Damage\n", "2Frost", weapons | CategorySet{belt, amulet}},
    {"2. Glacier Adds 4 minimum to 4-12 Cold Damage\n", "2Glacier", weapons},
};
// --- 10. + Lightning Damage
inline constexpr SuffixRow group10Rows[] = {
    {"1. Shock      Adds 1-8 Lightning Damage\n", "2Shock",
     allBut({armor, gloves, helm, shield, belt})},
    {"2. Lightning  Adds 1-16 Lightning Damage\n", "2Lightning", weapons},
    {"3. Thunder    Adds 1-32 Lightning Damage\n", "2Thunder", weapons},
};
// --- 11. + Poison Damage
inline constexpr SuffixRow group11Rows[] = {
    // No row for a Scepter, though it sees the group line.
    {"1. Blight     Adds  2-7 Poison Damage over 3 Seconds\n", "2Blight",
     CategorySet{sword, wand, staff, bow, dagger, mace, axe, spear, polearm, amulet, ring}},
    {"2. Venom      Adds  4-14 Poison Damage over 3 Seconds\n", "2Venom",
     CategorySet{sword, wand, staff, bow, dagger, mace, axe, spear, polearm}},
    {"3. Pestilence Adds 12-28 Poison Damage over 4 Seconds\n", "2Pestilence",
     CategorySet{sword, wand, staff, bow, dagger, mace, axe, spear, polearm}},
};
// --- 12. Poison Length Reduction
inline constexpr SuffixRow group12Rows[] = {
    {"1. Remedy       Poison Length Reduced by 25%\n", "2Remedy",
     CategorySet{armor, boots, gloves, helm, shield, belt, amulet, ring}},
    {"2. Amelioration Poison Length Reduced by 50%\n", "2Amelioration",
     CategorySet{armor, helm, shield, amulet}},
    {"3. Defiance     Poison Length Reduced by 75%\n", "2Defiance",
     CategorySet{armor, helm, shield, amulet}},
};
// --- 13. + Life Steal
inline constexpr SuffixRow group13Rows[] = {
    {"1. Leech  4-7%  Life Stolen Per Hit\n", "2Leech", weapons | CategorySet{amulet, ring}},
    {"2. Locust 8-10% Life Stolen Per Hit \n", "2Locust",
     CategorySet{sword, scepter, wand, staff, dagger, mace, axe, spear, polearm}},
};
// --- 14. + Mana Steal
inline constexpr SuffixRow group14Rows[] = {
    {"1. Bat     4-8%  Mana Stolen Per Hit\n", "2Bat", weapons | CategorySet{amulet, ring}},
    {"2. Vampire 9-12% Mana Stolen Per Hit\n", "2Vampire",
     CategorySet{sword, scepter, wand, staff, dagger, mace, axe, spear, polearm}},
};
// --- 15. + Life Regeneration
inline constexpr SuffixRow group15Rows[] = {
    {"1. Regeneration Replenish Life +3 \n", "2Regeneration", allCategories},
    {"2. Regrowth     Replenish Life +5 \n", "2Regrowth", CategorySet{scepter, belt, amulet, ring}},
};
// --- 16. + Attack Speed
inline constexpr SuffixRow group16Rows[] = {
    {"1. Readiness  +1 Attack Speed Increase\n", "2Readiness", weapons | CategorySet{gloves}},
    {"2. Alacrity   +2 Attack Speed Increase\n", "2Alacrity", weapons},
    {"3. Swiftness  +3 Attack Speed Increase\n", "2Swiftness",
     CategorySet{sword, scepter, dagger, mace, axe, spear, polearm}},
    {"4. Quickness  +4 Attack Speed Increase\n", "2Quickness",
     CategorySet{sword, scepter, dagger, mace, axe, spear, polearm}},
};
// --- 17. Increased Chance to Block
inline constexpr SuffixRow group17Rows[] = {
    {"1. Blocking    +10% Increased Blocking\n", "2Blocking", CategorySet{shield}},
    {"2. Deflecting  +20% Increased Blocking\n", "2Deflecting", CategorySet{shield}},
};
// --- 18. Faster Hit Recovery
inline constexpr SuffixRow group18Rows[] = {
    {"1. Balance    Fast Hit Recovery\n", "2Balance",
     CategorySet{armor, boots, helm, shield, belt}},
    {"2. Stability  Fastest Hit Recovery\n", "2Stability",
     CategorySet{armor, boots, helm, shield, belt}},
};
// --- 19. Damage Reduction
inline constexpr SuffixRow group19Rows[] = {
    {"1. Health     Damage Reduced by 1 \n", "2Health",
     CategorySet{armor, helm, shield, amulet, ring}},
    {"2. Protection Damage Reduced by 2\n", "2Protection", CategorySet{amulet, ring}},
    {"3. Absorption Damage Reduced by 3 \n", "2Absorption", CategorySet{amulet}},
    // Printed as "Life", but a suffix of its own, apart from group 4's "2Life".
    {"4. Life       Damage Reduced by 4 \n", "2Life2", CategorySet{amulet}},
};
// --- 20. Magic Damage Reduction
inline constexpr SuffixRow group20Rows[] = {
    {"1. Warding  Magic Damage Reduced by 1\n", "2Warding",
     CategorySet{armor, helm, shield, amulet, ring}},
    {"2. Sentinel Magic Damage Reduced by 2\n", "2Sentinel", CategorySet{amulet, ring}},
    {"3. Guarding Magic Damage Reduced by 3 \n", "2Guarding", CategorySet{amulet, ring}},
    {"4. Negation Magic Damage Reduced by 4 \n", "2Negation", CategorySet{amulet, ring}},
};
// --- 21. More Gold from Monsters
inline constexpr SuffixRow group21Rows[] = {
    {"1. Greed  40-60%  Extra Gold From Monsters\n", "2Greed", CategorySet{amulet, ring}},
    {"2. Wealth 80-120% Extra Gold From Monsters\n", "2Wealth",
     CategorySet{boots, gloves, belt, amulet}},
};
// --- 22. Better Chance of Getting Magic Items
inline constexpr SuffixRow group22Rows[] = {
    {"1. Chance  10-19% Better Chance of Getting Magic Item\n", "2Chance",
     CategorySet{amulet, ring}},
    {"2. Fortune 20-35% Better Chance of Getting Magic Item\n", "2Fortune",
     CategorySet{boots, gloves, amulet}},
};
// --- 23. - Monster Defense
inline constexpr SuffixRow group23Rows[] = {
    {"1. Puncturing -(10-20) to Monster AC Per Hit\n", "2Puncturing",
     CategorySet{sword, scepter, dagger, mace, axe, spear, polearm}},
    {"2. Bashing    -(25-40) to Monster AC Per Hit \n", "2Bashing",
     CategorySet{sword, scepter, dagger, mace, axe, spear, polearm}},
};
// --- 24. - Cast Time
inline constexpr SuffixRow group24Rows[] = {
    {"1. Apprentice  Fast Cast Rate\n", "2Apprentice",
     CategorySet{scepter, wand, staff, amulet, ring}},
    {"2. Magus       Fastest Cast Rate\n", "2Magus", CategorySet{scepter, wand, staff}},
};
// --- 25. Attacker takes damage
inline constexpr SuffixRow group25Rows[] = {
    {"1. Thorns   Attacker Takes Damage of 1-3\n", "2Thorns",
     CategorySet{armor, helm, shield, belt}},
    {"2. Spikes   Attacker Takes Damage of 2-6\n", "2Spikes",
     CategorySet{armor, helm, shield, belt}},
};
// --- 26. - Item Requirements
inline constexpr SuffixRow group26Rows[] = {
    // Both rows are also shown for a Shield, which does not see the group line.
    {"1. Ease         Requirements -20%\n", "2Ease",
     CategorySet{sword, bow, dagger, mace, axe, spear, polearm, armor, helm, shield}},
    {"2. Simplicity   Requirements -40%\n", "2Simplicity",
     CategorySet{sword, bow, dagger, mace, axe, spear, polearm, armor, helm, shield}},
};
// --- 27. Increased Run/Walk speed
inline constexpr SuffixRow group27Rows[] = {
    {"1. Pacing   Fast Run/Walk\n", "2Pacing", CategorySet{boots}},
    {"2. Haste    Faster Run/Walk\n", "2Haste", CategorySet{boots}},
    {"3. Speed    Fastest Run/Walk\n", "2Speed", CategorySet{boots}},
};

}  // namespace suffix_data

// The 31 suffix groups in menu order. A group line is printed only for its set; the single
// suffix of groups 28 to 31 is printed and chosen for every category.
inline constexpr std::array<SuffixGroup, 31> suffixGroups = [] {
  using enum CategoryId;
  return std::array<SuffixGroup, 31>{{
      withRows("1. + Strength\n", allBut({wand, staff, armor, helm}), suffix_data::group1Rows),
      withRows("2. + Dexterity\n",
               CategorySet{scepter, bow, armor, boots, gloves, helm, shield, belt, amulet, ring},
               suffix_data::group2Rows),
      withRows("3. + Energy\n", CategorySet{scepter, wand, staff, amulet, ring},
               suffix_data::group3Rows),
      withRows("4. + Life\n", allCategories, suffix_data::group4Rows),
      withRows(
          "5. + Light Radius\n",
          CategorySet{scepter, wand, staff, bow, armor, boots, gloves, helm, belt, amulet, ring},
          suffix_data::group5Rows),
      withRows("6. + Minimum Damage\n", weapons | CategorySet{amulet, ring},
               suffix_data::group6Rows),
      withRows("7. + Maximum Damage\n", allBut({armor, boots, gloves, helm, belt}),
               suffix_data::group7Rows),
      withRows("8. + Fire Damage\n", allBut({armor, boots, helm, shield, belt}),
               suffix_data::group8Rows),
      withRows("9. + Cold Damage\n", weapons | CategorySet{amulet, ring}, suffix_data::group9Rows),
      withRows("10. + Lightning Damage\n", allBut({armor, gloves, helm, shield, belt}),
               suffix_data::group10Rows),
      withRows("11. + Poison Damage\n", weapons | CategorySet{amulet, ring},
               suffix_data::group11Rows),
      withRows("12. Poison Length Reduction\n",
               CategorySet{armor, boots, gloves, helm, shield, belt, amulet, ring},
               suffix_data::group12Rows),
      withRows("13. + Life Steal\n", weapons | CategorySet{amulet, ring}, suffix_data::group13Rows),
      withRows("14. + Mana Steal\n", weapons | CategorySet{amulet, ring}, suffix_data::group14Rows),
      withRows("15. + Life Regeneration\n", allCategories, suffix_data::group15Rows),
      withRows("16. + Attack Speed\n", weapons | CategorySet{gloves}, suffix_data::group16Rows),
      withRows("17. Increased Chance to Block\n", CategorySet{shield}, suffix_data::group17Rows),
      withRows("18. Faster Hit Recovery\n", CategorySet{armor, boots, helm, shield, belt},
               suffix_data::group18Rows),
      withRows("19. Damage Reduction\n", CategorySet{armor, helm, shield, amulet, ring},
               suffix_data::group19Rows),
      withRows("20. Magic Damage Reduction\n", CategorySet{armor, helm, shield, amulet, ring},
               suffix_data::group20Rows),
      withRows("21. More Gold from Monsters\n", CategorySet{boots, gloves, belt, amulet, ring},
               suffix_data::group21Rows),
      withRows("22. Better Chance of Getting Magic Items\n",
               CategorySet{boots, gloves, amulet, ring}, suffix_data::group22Rows),
      withRows("23. - Monster Defense\n",
               CategorySet{sword, scepter, dagger, mace, axe, spear, polearm},
               suffix_data::group23Rows),
      withRows("24. - Cast Time\n", CategorySet{scepter, wand, staff, amulet, ring},
               suffix_data::group24Rows),
      withRows("25. Attacker takes damage\n", CategorySet{armor, helm, shield, belt},
               suffix_data::group25Rows),
      withRows("26. - Item Requirements\n",
               CategorySet{sword, bow, dagger, mace, axe, spear, polearm, armor, helm},
               suffix_data::group26Rows),
      withRows("27. Increased Run/Walk speed\n", CategorySet{boots}, suffix_data::group27Rows),
      singleSuffix("28. Monster Knockback\n",
                   CategorySet{sword, scepter, wand, staff, dagger, mace, axe, spear, polearm},
                   "Bear     Adds Knockback\n", "2Bear"),
      singleSuffix("29. Ignore Monster Defense\n", CategorySet{scepter, wand, staff},
                   "Piercing   Ignores Target's Defense\n", "2Piercing"),
      singleSuffix("30. Prevent Monster Heal\n",
                   CategorySet{sword, wand, staff, dagger, mace, axe, spear, polearm},
                   "Vileness   Prevent Monster Heal\n", "2Vileness"),
      singleSuffix("31. Freeze Length Reduction\n",
                   CategorySet{boots, gloves, shield, amulet, ring},
                   "Thawing    Half Freeze Duration\n", "2Thawing"),
  }};
}();

namespace suffix_data {

// Whether `line` opens with entry `number` and ends with a line end.
constexpr bool numberedAs(std::string_view line, std::size_t number) {
  return entryAt(line).number == number && line.ends_with('\n');
}

// Whether row `number` of its group prints that number and the name its tag carries. Group 19
// prints "Life" for its own suffix "2Life2", apart from group 4's "2Life".
constexpr bool rowNamesItsTag(const SuffixRow& row, std::size_t number) {
  const std::string_view name = row.tag == "2Life2" ? "Life" : row.tag.substr(1);
  return numberedAs(row.line, number) && opensWithName(entryAt(row.line).text, name);
}

// The first line at fault: groups 1 to 27 must have rows and no single suffix, groups 28 to 31
// the reverse, every line must carry its own number, and every row and single suffix must print
// the name of its tag.
constexpr TableFault suffixLineFault() {
  for (std::size_t index = 0; index < suffixGroups.size(); ++index) {
    const SuffixGroup& group = suffixGroups[index];
    if (!numberedAs(group.line, index + 1)) {
      return tableFault("a group line does not print its number", "suffixGroups", index + 1,
                        group.line);
    }
    const bool hasRows = index < 27;
    if (group.rows.empty() == hasRows || group.singleTag.empty() != hasRows ||
        group.singleText.empty() != hasRows) {
      return tableFault(hasRows ? "a group of 1 to 27 has no rows, or a single suffix"
                                : "a group of 28 to 31 has rows, or no single suffix",
                        "suffixGroups", index + 1, group.line);
    }
    if (!hasRows && !(group.singleText.ends_with('\n') &&
                      opensWithName(group.singleText, group.singleTag.substr(1)))) {
      return tableFault("a single suffix's text does not open with its name", "suffixGroups",
                        index + 1, group.singleText);
    }
    for (std::size_t row = 0; row < group.rows.size(); ++row) {
      if (!rowNamesItsTag(group.rows[row], row + 1)) {
        return tableFault("a row does not print its number and the name of its tag",
                          PartName("suffix group ", index + 1), row + 1, group.rows[row].line);
      }
    }
  }
  return {};
}

// Every tag the menus can return, rows first, then the single suffixes.
constexpr std::array<AffixTag, 91> allTags() {
  std::array<AffixTag, 91> tags{};
  std::size_t next = 0;
  for (const SuffixGroup& group : suffixGroups) {
    for (const SuffixRow& row : group.rows) tags[next++] = row.tag;
  }
  for (const SuffixGroup& group : suffixGroups) {
    if (group.rows.empty()) tags[next++] = group.singleTag;
  }
  return tags;
}

// The first tag that is not a suffix tag with a name, or that an earlier row or single suffix
// returns too.
constexpr TableFault suffixTagFault() {
  constexpr std::array<AffixTag, 91> tags = allTags();
  for (std::size_t i = 0; i < tags.size(); ++i) {
    if (tags[i].size() < 2 || tags[i][0] != suffixKind) {
      return tableFault("a tag is not a suffix tag with a name", "suffix menu tags", 0, tags[i]);
    }
    for (std::size_t j = 0; j < i; ++j) {
      if (tags[i] == tags[j]) {
        return tableFault("an earlier line returns this tag too", "suffix menu tags", 0, tags[i]);
      }
    }
  }
  return {};
}

// The first group line (row: its number) that `category` sees though `numbers` does not list
// it, or does not see though `numbers` lists it; `numbers` ascend.
constexpr TableFault groupLinesSeenFault(CategoryId category,
                                         std::initializer_list<std::size_t> numbers) {
  const PartName seenBy("suffix group lines seen by category ", static_cast<std::size_t>(category));
  const std::size_t* wanted = numbers.begin();
  for (std::size_t number = 1; number <= suffixGroups.size(); ++number) {
    const bool listed = wanted != numbers.end() && *wanted == number;
    if (suffixGroups[number - 1].shownFor.contains(category) != listed) {
      return tableFault(listed ? "the category does not see a listed group line"
                               : "the category sees a group line not listed",
                        seenBy, number, suffixGroups[number - 1].line);
    }
    if (listed) ++wanted;
  }
  if (wanted != numbers.end()) {
    return tableFault("a listed number is out of order or beyond the groups", seenBy, *wanted, "");
  }
  return {};
}

}  // namespace suffix_data

static_assert(tableChecked<suffix_data::suffixLineFault()>());
static_assert(tableChecked<suffix_data::suffixTagFault()>());
static_assert(
    tableChecked<suffix_data::groupLinesSeenFault(
        CategoryId::sword, {1, 4, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 23, 26, 28, 30})>());
static_assert(tableChecked<suffix_data::groupLinesSeenFault(
                  CategoryId::amulet,
                  {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 19, 20, 21, 22, 24, 31})>());
static_assert(tableChecked<suffix_data::groupLinesSeenFault(
                  CategoryId::ring,
                  {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 19, 20, 21, 22, 24, 31})>());
static_assert(tableChecked<suffix_data::groupLinesSeenFault(CategoryId::none, {})>());

}  // namespace tessark
