#include "catalogue/base_stats.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string_view>

#include "foundation/item_record.hpp"

namespace tessark {
namespace {

using Stats = std::array<std::int32_t, 4>;  // min damage, max damage, min defense, max defense

Stats lookUp(std::string_view baseItem) {
  return {ItemRecord::lookupMinDamage(baseItem), ItemRecord::lookupMaxDamage(baseItem),
          ItemRecord::lookupMinDefense(baseItem), ItemRecord::lookupMaxDefense(baseItem)};
}

TEST(BaseStats, LooksUpEachBaseItemInItsOwnTable) {
  EXPECT_EQ(lookUp("Great Sword"), (Stats{25, 42, 0, 0}));
  EXPECT_EQ(lookUp("Ornate Plate"), (Stats{0, 0, 417, 450}));
  EXPECT_EQ(lookUp("Helm"), (Stats{0, 0, 15, 18}));
  EXPECT_EQ(lookUp("Belt"), (Stats{0, 0, 5, 5}));
  EXPECT_EQ(lookUp("Boots"), (Stats{0, 0, 2, 3}));
  EXPECT_EQ(lookUp("Axe"), (Stats{3, 11, 0, 0}));
  EXPECT_EQ(lookUp("Scepter"), (Stats{5, 8, 0, 0}));
  EXPECT_EQ(lookUp("Sash"), (Stats{0, 0, 2, 2}));
  EXPECT_EQ(lookUp("Martel de Fer"), (Stats{61, 101, 0, 0}));
  EXPECT_EQ(lookUp("Grim Shield"), (Stats{0, 0, 50, 150}));
}

TEST(BaseStats, ItemsWithoutAnEntryGiveZero) {
  for (std::string_view name : {"Amulet", "Ring", "", "great sword", "Great Sword "}) {
    EXPECT_EQ(lookUp(name), (Stats{0, 0, 0, 0})) << name;
  }
}

TEST(BaseStats, TablesHoldEveryBaseItemOfTheirCategoriesOnce) {
  EXPECT_EQ(damageTable.size(), 139u);
  EXPECT_EQ(defenseTable.size(), 91u);
  std::size_t catalogueItems = 0;
  for (const CategoryEntry& entry : categories) {
    catalogueItems += entry.normal.items.size() + entry.exceptional.items.size();
    for (const BaseItemMenu* menu : {&entry.normal, &entry.exceptional}) {
      for (const BaseItem& item : menu->items) {
        const bool damage = weapons.contains(entry.id);
        EXPECT_EQ(ItemRecord::lookupMinDamage(item.name), damage ? item.min : 0) << item.name;
        EXPECT_EQ(ItemRecord::lookupMaxDefense(item.name), damage ? 0 : item.max) << item.name;
      }
    }
  }
  EXPECT_EQ(catalogueItems, 230u);
  EXPECT_EQ(categories.size(), 18u);
}

}  // namespace
}  // namespace tessark
