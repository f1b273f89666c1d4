// The shapes of the suffix menus: a row returns a tag and knows the categories it is printed for;
// a group line holds rows or names a single suffix. The table is in suffix_menus.hpp;
// choose_suffix.cpp walks it.
#pragma once

#include <span>
#include <string_view>

#include "catalogue/category_id.hpp"
#include "foundation/affix_tag.hpp"

namespace tessark {

// One numbered row of a suffix group; it is printed only for `shownFor`, but its number selects
// its tag for every category.
struct SuffixRow {
  std::string_view line;
  AffixTag tag;
  CategorySet shownFor;
};

// One of the 31 suffix groups: rows (groups 1 to 27) or a single suffix printed and chosen at
// once (groups 28 to 31: `rows` is empty and `singleTag` is set).
struct SuffixGroup {
  std::string_view line;
  CategorySet shownFor;
  std::span<const SuffixRow> rows;
  std::string_view singleText;
  AffixTag singleTag;
};

constexpr SuffixGroup withRows(std::string_view line, CategorySet shownFor,
                               std::span<const SuffixRow> rows) {
  return {line, shownFor, rows, {}, noAffix};
}
constexpr SuffixGroup singleSuffix(std::string_view line, CategorySet shownFor,
                                   std::string_view text, AffixTag tag) {
  return {line, shownFor, {}, text, tag};
}

}  // namespace tessark
