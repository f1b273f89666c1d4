#include "report/modifier_list.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "foundation/item_record.hpp"
#include "foundation/run_stopped.hpp"
#include "ranges/effect_tables.hpp"
#include "report/prefix_descriptions.hpp"
#include "report/suffix_descriptions.hpp"
#include "support/work_folder.hpp"

namespace tessark {
namespace {

using testing::readFile;

TEST(ModifierList, AppendsExactlyTheThreeLineRecordOfTheNamedAffix) {
  testing::WorkFolder folder;
  ItemRecord::appendPrefixDescription("Jagged");
  ItemRecord::appendSuffixDescription("Life");
  ItemRecord::appendSuffixDescription("Life2");
  ItemRecord::appendPrefixDescription("Sharp");
  ItemRecord::appendSuffixDescription("Puncturing");
  ItemRecord::appendSuffixDescription("Bashing");
  EXPECT_EQ(
      readFile(modifierListPath),
      "Prefix: Jagged\nLeast: 110% Enhanced Damage\nBest: 120% Enhanced Damage\n"
      "Suffix: Life\nLeast: +5 to Life\nBest: +5 to Life\n"
      "Suffix: Life\nLeast: Damage Reduced by 4\nBest: Damage Reduced by 4\n"
      "Prefix: Sharp\nLeast: +10 Attack Rating, 110% Enhanced Damage\n"
      "Best: +20 Attack Rating, 120% Enhanced Damage\n"
      "Suffix: Puncturing\nLeast: -10 to Monster AC Per Hit\nBest: -20 to Monster AC Per Hit\n"
      "Suffix: Bashing\nLeast: -25 to Monster AC Per Hit\nBest: -40 to Monster AC Per Hit\n");
}

TEST(ModifierList, AppendsNothingForANameWithoutAnExactKey) {
  testing::WorkFolder folder;
  emptyModifierList();
  ItemRecord::appendPrefixDescription("1Jagged");
  ItemRecord::appendPrefixDescription("jagged");
  ItemRecord::appendPrefixDescription("Jagged ");
  ItemRecord::appendSuffixDescription("Jagged");
  ItemRecord::appendPrefixDescription("");
  EXPECT_EQ(readFile(modifierListPath), "");
}

TEST(ModifierList, KeepsEveryRecordAndIsEmptiedAtStart) {
  testing::WorkFolder folder;
  ItemRecord::appendSuffixDescription("Bear");
  ItemRecord::appendSuffixDescription("Bear");
  EXPECT_EQ(readFile(modifierListPath),
            "Suffix: Bear\nLeast: Knockback\nBest: Knockback\n"
            "Suffix: Bear\nLeast: Knockback\nBest: Knockback\n");
  emptyModifierList();
  EXPECT_EQ(readFile(modifierListPath), "");
}

TEST(ModifierList, StopsTheRunWhenTheListCannotBeWritten) {
  testing::WorkFolder folder(false);
  EXPECT_THROW(emptyModifierList(), RunStopped);
  EXPECT_THROW(ItemRecord::appendPrefixDescription("Jagged"), RunStopped);
  try {
    emptyModifierList();
  } catch (const RunStopped& stop) {
    EXPECT_NE(std::string_view(stop.what()).find("the folder \"files\" is missing"),
              std::string_view::npos);
  }
}

TEST(DescriptionTables, CoverEveryAffixWithAnEffect) {
  EXPECT_EQ(prefixDescriptions.size(), 70u);
  EXPECT_EQ(suffixDescriptions.size(), 91u);
  auto described = [](const auto& table, std::string_view name) {
    return std::any_of(table.begin(), table.end(),
                       [&](const DescriptionEntry& e) { return e.key == name; });
  };
  for (const PercentEffect& effect : damagePrefixEffects) {
    EXPECT_TRUE(described(prefixDescriptions, effect.name)) << effect.name;
    EXPECT_TRUE(described(prefixDescriptions, effect.twin)) << effect.twin;
  }
  for (const PercentEffect& effect : defensePrefixEffects) {
    EXPECT_TRUE(described(prefixDescriptions, effect.name)) << effect.name;
  }
  for (const AdditionEffect& effect : damageSuffixEffects) {
    EXPECT_TRUE(described(suffixDescriptions, effect.name)) << effect.name;
  }
}

}  // namespace
}  // namespace tessark
