// AffixTag, an affix chosen from the menus as the dialogue passes it on: its kind digit and its
// name.
#pragma once

#include <string_view>

namespace tessark {

// A chosen affix: the kind digit '1' (prefix) or '2' (suffix), then the affix name, e.g. "1Jagged".
// Always refers to a constant of the affix menus; an empty tag, or one that starts with any other
// character, names no affix.
using AffixTag = std::string_view;

// The tag that names no affix.
inline constexpr AffixTag noAffix{};

// Kind digits of a tag.
inline constexpr char prefixKind = '1';
inline constexpr char suffixKind = '2';

}  // namespace tessark
