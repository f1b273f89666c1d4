#pragma once

#include <string_view>

namespace tessark {

// The six work files into which the modifier list is split, one line per record of their kind.
inline constexpr std::string_view prefixNamesPath = "files/Prefix.dat";
inline constexpr std::string_view suffixNamesPath = "files/Suffix.dat";
inline constexpr std::string_view bestPrefixTextsPath = "files/BestPre.dat";
inline constexpr std::string_view leastPrefixTextsPath = "files/LeastPre.dat";
inline constexpr std::string_view bestSuffixTextsPath = "files/BestSuf.dat";
inline constexpr std::string_view leastSuffixTextsPath = "files/LeastSuf.dat";

// Rewrites the six work files from the modifier list: the shown names and the Least and Best
// texts of the prefix and of the suffix records, labels removed. Throws RunStopped when the list
// cannot be read or a work file cannot be written.
void splitModifierList();

}  // namespace tessark
