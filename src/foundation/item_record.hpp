// ItemRecord, the one item under construction during a run: its choices, the affixes applied to
// it in order, and its damage and defense values.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "foundation/affix_tag.hpp"
#include "foundation/console.hpp"
#include "foundation/work_files.hpp"

namespace tessark {

// The one item under construction during a run. Names and tags refer to catalogue and menu
// constants, never to copies; an empty name or tag means "not set". The member operations are
// defined in the folders of the subsystems that own them.
class ItemRecord {
 public:
  // --- foundation/item_record.cpp
  // Sets the four base values and the eight lowest and best values to 0.
  void clearRanges();

  // --- catalogue/choose_category.cpp, catalogue/choose_base_item.cpp
  // Shows the category menu, reads one choice and sets `category` for 1 to 18.
  void chooseCategory(Console& console);
  // Shows the quality menu and the base item menu of `category`, and sets `baseName`.
  void chooseBaseItem(Console& console);

  // --- catalogue/base_stats.cpp
  // Base values of a base item from the statistics tables; 0 where the table has no entry.
  static std::int32_t lookupMinDamage(std::string_view baseItem);
  static std::int32_t lookupMaxDamage(std::string_view baseItem);
  static std::int32_t lookupMinDefense(std::string_view baseItem);
  static std::int32_t lookupMaxDefense(std::string_view baseItem);

  // --- affixes/choose_prefix.cpp, affixes/choose_suffix.cpp
  // Shows the prefix (suffix) menus of `category` and returns the chosen tag, or `noAffix`.
  AffixTag choosePrefix(Console& console) const;
  AffixTag chooseSuffix(Console& console) const;

  // --- ranges/apply_affix.cpp
  // Looks up every base value that is still 0; a lookup without an entry changes nothing, so
  // effects already added survive and an item without affixes still gets its base range.
  void fillBaseRanges();
  // Appends the affix's description record to the modifier list of `files`, then records the
  // affix.
  void applyAffix(WorkFiles& files, AffixTag tag);
  // Fills the base ranges, keeps `tag` among the applied affixes and adds its effect on damage or
  // defense; touches no file.
  void recordAffix(AffixTag tag);
  // Adds the effect of a damage prefix or suffix (name without kind digit); others change nothing.
  void applyDamageAffix(std::string_view name);
  // Adds the effect of a defense prefix (name without kind digit); others change nothing.
  void applyDefenseAffix(std::string_view name);

  // --- report/modifier_list.cpp
  // Append the description record of the named prefix (suffix) to the modifier list of `files`.
  static void appendPrefixDescription(WorkFiles& files, std::string_view name);
  static void appendSuffixDescription(WorkFiles& files, std::string_view name);

  // --- report/item_report.cpp
  // Rewrites the six work files of `files` split from the applied affixes, puts "The Item.txt" in
  // place and prints the closing message. Throws RunStopped when a file cannot be written
  // completely, and when the answers ended before the item was described (the report is then
  // left as it was).
  void writeItemReport(Console& console, WorkFiles& files) const;

  std::array<AffixTag, 6> affixSlots{};
  // Every tag applied (applyAffix, recordAffix), in order. The split and the report take the
  // description records from here, never back from the files, which other programs may change
  // meanwhile.
  std::vector<AffixTag> appliedAffixes{};
  std::string_view baseName{};
  std::string_view category{};
  std::int32_t baseMinDamage = 0;
  std::int32_t baseMaxDamage = 0;
  std::int32_t baseMinDefense = 0;
  std::int32_t baseMaxDefense = 0;
  std::int32_t bestMinDamage = 0;
  std::int32_t leastMinDamage = 0;
  std::int32_t bestMaxDamage = 0;
  std::int32_t leastMaxDamage = 0;
  std::int32_t bestMinDefense = 0;
  std::int32_t leastMinDefense = 0;
  std::int32_t bestMaxDefense = 0;
  std::int32_t leastMaxDefense = 0;
};

}  // namespace tessark
