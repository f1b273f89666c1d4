// applyAffix: the arithmetic of the effects, on an item in memory alone, and the record that each
// applied affix leaves in the modifier list and in the item.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "foundation/item_record.hpp"
#include "support/memory_work_files.hpp"

namespace tessark {
namespace {

using Range = std::array<std::int32_t, 4>;  // least min, best min, least max, best max

Range damage(const ItemRecord& item) {
  return {item.leastMinDamage, item.bestMinDamage, item.leastMaxDamage, item.bestMaxDamage};
}
Range defense(const ItemRecord& item) {
  return {item.leastMinDefense, item.bestMinDefense, item.leastMaxDefense, item.bestMaxDefense};
}

// An item with the given base item, after `tags` were recorded in order.
ItemRecord itemWith(std::string_view baseName, std::initializer_list<AffixTag> tags) {
  ItemRecord item;
  item.baseName = baseName;
  for (AffixTag tag : tags) item.recordAffix(tag);
  return item;
}

// An item whose base damage is 10 to 20, as if looked up already.
ItemRecord tenToTwenty() {
  ItemRecord item;
  item.baseMinDamage = item.leastMinDamage = item.bestMinDamage = 10;
  item.baseMaxDamage = item.leastMaxDamage = item.bestMaxDamage = 20;
  return item;
}

TEST(ApplyAffix, PercentagesApplyToTheBaseEachRoundedByItself) {
  ItemRecord item = tenToTwenty();
  item.recordAffix("1Jagged");
  EXPECT_EQ(damage(item), (Range{11, 12, 22, 24}));
  item.recordAffix("1Deadly");
  EXPECT_EQ(damage(item), (Range{13, 15, 26, 30}));

  ItemRecord massive = tenToTwenty();
  massive.recordAffix("1Massive");
  EXPECT_EQ(massive.leastMinDamage, 15);
  EXPECT_EQ(massive.bestMinDamage, 17);

  EXPECT_EQ(damage(itemWith("Short Sword", {"1Jagged"})), (Range{2, 2, 8, 8}));
}

TEST(ApplyAffix, TwinPrefixesHaveTheSameEffect) {
  EXPECT_EQ(damage(itemWith("Great Sword", {"1Sharp"})),
            damage(itemWith("Great Sword", {"1Jagged"})));
  EXPECT_EQ(damage(itemWith("Great Sword", {"1King's"})),
            damage(itemWith("Great Sword", {"1Merciless"})));
}

TEST(ApplyAffix, DefensePrefixesRaiseTheDefenseRange) {
  ItemRecord item;
  item.baseMinDefense = item.leastMinDefense = item.bestMinDefense = 100;
  item.baseMaxDefense = item.leastMaxDefense = item.bestMaxDefense = 110;
  item.recordAffix("1Holy");
  EXPECT_EQ(defense(item), (Range{181, 200, 199, 220}));
  // A defense prefix on a weapon and a damage prefix on armor change nothing.
  EXPECT_EQ(defense(itemWith("Great Sword", {"1Holy"})), (Range{0, 0, 0, 0}));
  EXPECT_EQ(damage(itemWith("Ornate Plate", {"1Jagged"})), (Range{0, 0, 0, 0}));
}

TEST(ApplyAffix, DamageSuffixesAddToOneEndOfTheRange) {
  ItemRecord performance = tenToTwenty();
  performance.recordAffix("2Performance");
  EXPECT_EQ(damage(performance), (Range{14, 15, 20, 20}));
  ItemRecord slaughter = tenToTwenty();
  slaughter.recordAffix("2Slaughter");
  EXPECT_EQ(damage(slaughter), (Range{10, 10, 35, 40}));
}

TEST(ApplyAffix, NamesMustMatchExactlyAndInTheirOwnKind) {
  for (AffixTag tag :
       {"1jagged", "1Jagged ", "2Jagged", "1Worth", "3Jagged", "1", "", "2Fortune"}) {
    EXPECT_EQ(damage(itemWith("Great Sword", {tag})), (Range{25, 25, 42, 42})) << tag;
  }
}

TEST(ApplyAffix, FillsTheBaseRangesOnceAndKeepsEffectsWithoutAnEntry) {
  EXPECT_EQ(damage(ItemRecord{}), (Range{0, 0, 0, 0}));
  ItemRecord weapon = itemWith("Great Sword", {"2Fortune"});
  EXPECT_EQ(weapon.baseMinDamage, 25);
  EXPECT_EQ(weapon.baseMaxDamage, 42);
  EXPECT_EQ(defense(weapon), (Range{0, 0, 0, 0}));
  // An Amulet has no base damage: a later affix must not wipe what an earlier one added.
  EXPECT_EQ(damage(itemWith("Amulet", {"2Excellence", "2Craftsmanship"})), (Range{3, 3, 1, 2}));
  EXPECT_EQ(damage(itemWith("", {"2Excellence", "2Craftsmanship"})), (Range{3, 3, 1, 2}));

  ItemRecord filled;
  filled.baseName = "Short Sword";
  filled.fillBaseRanges();
  EXPECT_EQ(damage(filled), (Range{2, 2, 7, 7}));
}

TEST(ApplyAffix, AppendsTheDescriptionOfEveryKnownAffixInOrderAndRemembersEveryTag) {
  testing::MemoryWorkFiles files;
  constexpr std::array<AffixTag, 5> tags{"1Jagged", "2Fortune", "1Nothing", "", "2Worth"};
  ItemRecord item;
  item.baseName = "Short Sword";
  for (AffixTag tag : tags) item.applyAffix(files, tag);
  EXPECT_EQ(files[WorkFile::modifierList],
            "Prefix: Jagged\nLeast: 110% Enhanced Damage\nBest: 120% Enhanced Damage\n"
            "Suffix: Fortune\nLeast: 20% Better Chance of Getting Magic Item\n"
            "Best: 35% Better Chance of Getting Magic Item\n"
            "Suffix: Worth\nLeast: +1 to Minimum Damage\nBest: +1 to Minimum Damage\n");
  EXPECT_EQ(item.appliedAffixes, std::vector<AffixTag>(tags.begin(), tags.end()));
  EXPECT_EQ(damage(item), damage(itemWith("Short Sword", {"1Jagged", "2Worth"})));
}

}  // namespace
}  // namespace tessark
