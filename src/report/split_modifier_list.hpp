// The split of the modifier list into the six work files: the shown names and the Least and Best
// texts of the prefix and of the suffix records, computed from the applied affixes and written
// at the end of a run for the player and for other programs; nothing reads them back.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "foundation/affix_tag.hpp"
#include "foundation/work_files.hpp"

namespace tessark {

// The texts of the six work files, each line ended by "\n".
struct SplitTexts {
  std::string prefixNames;
  std::string suffixNames;
  std::string bestPrefixTexts;
  std::string leastPrefixTexts;
  std::string bestSuffixTexts;
  std::string leastSuffixTexts;

  bool operator==(const SplitTexts&) const = default;
};

// Splits the description records of `appliedAffixes`, in their order, as the modifier list holds
// them: labels removed, each line to the file of its kind. A tag that names no described affix
// has no record and gives no line.
SplitTexts splitModifierList(std::span<const AffixTag> appliedAffixes);

// Rewrites the six work files of `files` with `texts`. Throws RunStopped when one cannot be
// written.
void writeSplitFiles(WorkFiles& files, const SplitTexts& texts);

}  // namespace tessark
