// The description of the affix a tag names, if the description tables have one: the split of the
// applied affixes takes their records from it, and the compile-time checks of the affix menus
// (affixes/menu_tags_described.cpp) and of the effects (ranges/effect_tables.hpp) use it.
#pragma once

#include <span>
#include <string_view>

#include "foundation/affix_tag.hpp"
#include "report/description_entry.hpp"
#include "report/prefix_descriptions.hpp"
#include "report/suffix_descriptions.hpp"

namespace tessark {

// The entry of `table` whose key is exactly `name`; nullptr for none.
constexpr const DescriptionEntry* findEntry(std::span<const DescriptionEntry> table,
                                            std::string_view name) {
  for (const DescriptionEntry& entry : table) {
    if (entry.key == name) return &entry;
  }
  return nullptr;
}

// True when `table` has an entry whose key is exactly `name`. No address is compared: the
// sanitizers' checks of pointers would keep that out of a constant expression.
constexpr bool hasEntry(std::span<const DescriptionEntry> table, std::string_view name) {
  for (const DescriptionEntry& entry : table) {
    if (entry.key == name) return true;
  }
  return false;
}

// The description of the affix that `tag` names, in the table of its kind; nullptr for a tag
// that names no described affix, which adds no record to the modifier list.
constexpr const DescriptionEntry* descriptionOf(AffixTag tag) {
  if (tag.empty()) return nullptr;
  if (tag.front() == prefixKind) return findEntry(prefixDescriptions, tag.substr(1));
  if (tag.front() == suffixKind) return findEntry(suffixDescriptions, tag.substr(1));
  return nullptr;
}

// True when `tag` names an affix whose description the modifier list can take: every tag that a
// menu returns must, or the affix would vanish from the report.
constexpr bool isDescribed(AffixTag tag) {
  if (tag.empty()) return false;
  if (tag.front() == prefixKind) return hasEntry(prefixDescriptions, tag.substr(1));
  if (tag.front() == suffixKind) return hasEntry(suffixDescriptions, tag.substr(1));
  return false;
}

}  // namespace tessark
