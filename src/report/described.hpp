// Whether a tag names an affix that the description tables describe; the compile-time checks of
// the affix menus (affixes/menu_tags_described.cpp) and of the effects (ranges/effect_tables.hpp)
// use it.
#pragma once

#include <span>
#include <string_view>

#include "foundation/affix_tag.hpp"
#include "report/description_entry.hpp"
#include "report/prefix_descriptions.hpp"
#include "report/suffix_descriptions.hpp"

namespace tessark {

// True when `table` has an entry whose key is exactly `name`.
constexpr bool hasEntry(std::span<const DescriptionEntry> table, std::string_view name) {
  for (const DescriptionEntry& entry : table) {
    if (entry.key == name) return true;
  }
  return false;
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
