#include "report/modifier_list.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "foundation/item_record.hpp"
#include "ranges/effect_tables.hpp"
#include "report/prefix_descriptions.hpp"
#include "report/suffix_descriptions.hpp"
#include "support/memory_work_files.hpp"

namespace tessark {
namespace {

using testing::MemoryWorkFiles;

TEST(ModifierList, AppendsExactlyTheThreeLineRecordOfTheNamedAffix) {
  MemoryWorkFiles files;
  ItemRecord::appendPrefixDescription(files, "Jagged");
  ItemRecord::appendSuffixDescription(files, "Life");
  ItemRecord::appendSuffixDescription(files, "Life2");
  ItemRecord::appendPrefixDescription(files, "Sharp");
  ItemRecord::appendSuffixDescription(files, "Puncturing");
  ItemRecord::appendSuffixDescription(files, "Bashing");
  EXPECT_EQ(
      files[WorkFile::modifierList],
      "Prefix: Jagged\nLeast: 110% Enhanced Damage\nBest: 120% Enhanced Damage\n"
      "Suffix: Life\nLeast: +5 to Life\nBest: +5 to Life\n"
      "Suffix: Life\nLeast: Damage Reduced by 4\nBest: Damage Reduced by 4\n"
      "Prefix: Sharp\nLeast: +10 Attack Rating, 110% Enhanced Damage\n"
      "Best: +20 Attack Rating, 120% Enhanced Damage\n"
      "Suffix: Puncturing\nLeast: -10 to Monster AC Per Hit\nBest: -20 to Monster AC Per Hit\n"
      "Suffix: Bashing\nLeast: -25 to Monster AC Per Hit\nBest: -40 to Monster AC Per Hit\n");
}

TEST(ModifierList, AppendsNothingForANameWithoutAnExactKeyButMakesTheList) {
  MemoryWorkFiles files;
  ItemRecord::appendPrefixDescription(files, "1Jagged");
  ItemRecord::appendPrefixDescription(files, "jagged");
  ItemRecord::appendPrefixDescription(files, "Jagged ");
  ItemRecord::appendSuffixDescription(files, "Jagged");
  ItemRecord::appendPrefixDescription(files, "");
  EXPECT_EQ(files[WorkFile::modifierList], "");
}

TEST(ModifierList, KeepsEveryRecordAndIsEmptiedAtStart) {
  MemoryWorkFiles files;
  ItemRecord::appendSuffixDescription(files, "Bear");
  ItemRecord::appendSuffixDescription(files, "Bear");
  EXPECT_EQ(files[WorkFile::modifierList],
            "Suffix: Bear\nLeast: Knockback\nBest: Knockback\n"
            "Suffix: Bear\nLeast: Knockback\nBest: Knockback\n");
  emptyModifierList(files);
  EXPECT_EQ(files[WorkFile::modifierList], "");
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
