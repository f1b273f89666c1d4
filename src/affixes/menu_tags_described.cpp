// Compile-time proof that every tag a prefix or suffix menu can return has a description: a
// broken menu table fails the build instead of a run.
#include "affixes/prefix_menus.hpp"
#include "affixes/suffix_menus.hpp"
#include "report/described.hpp"

namespace tessark {
namespace {

constexpr bool prefixTagsDescribed() {
  for (const PrefixBlock& block : prefixBlocks) {
    for (const PrefixGroup& group : block.groups) {
      if (group.subMenu.rows.empty() != !group.singleTag.empty()) return false;
      if (!group.singleTag.empty() && !isDescribed(group.singleTag)) return false;
      for (const PrefixRow& row : group.subMenu.rows) {
        if (row.tag.front() != prefixKind || !isDescribed(row.tag)) return false;
      }
    }
  }
  return true;
}

constexpr bool suffixTagsDescribed() {
  for (const SuffixGroup& group : suffixGroups) {
    if (!group.singleTag.empty() && !isDescribed(group.singleTag)) return false;
    for (const SuffixRow& row : group.rows) {
      if (row.tag.front() != suffixKind || !isDescribed(row.tag)) return false;
    }
  }
  return true;
}

static_assert(prefixTagsDescribed());
static_assert(suffixTagsDescribed());

}  // namespace
}  // namespace tessark
