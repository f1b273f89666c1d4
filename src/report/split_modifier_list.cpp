// The split of the applied affixes' description records into the six texts, and the rewriting of
// the six work files with them.
#include "report/split_modifier_list.hpp"

#include <array>

#include "report/described.hpp"

namespace tessark {
namespace {

// Appends `text` as one line.
void appendLine(std::string& file, std::string_view text) {
  file += text;
  file += '\n';
}

}  // namespace

SplitTexts splitModifierList(std::span<const AffixTag> appliedAffixes) {
  SplitTexts texts;
  for (AffixTag tag : appliedAffixes) {
    const DescriptionEntry* entry = descriptionOf(tag);
    if (entry == nullptr) continue;
    const bool prefix = tag.front() == prefixKind;
    appendLine(prefix ? texts.prefixNames : texts.suffixNames, entry->shownName);
    appendLine(prefix ? texts.leastPrefixTexts : texts.leastSuffixTexts, entry->leastText);
    appendLine(prefix ? texts.bestPrefixTexts : texts.bestSuffixTexts, entry->bestText);
  }
  return texts;
}

void writeSplitFiles(WorkFiles& files, const SplitTexts& texts) {
  const std::array<WorkFileText, 6> split{{
      {WorkFile::prefixNames, texts.prefixNames},
      {WorkFile::suffixNames, texts.suffixNames},
      {WorkFile::bestPrefixTexts, texts.bestPrefixTexts},
      {WorkFile::leastPrefixTexts, texts.leastPrefixTexts},
      {WorkFile::bestSuffixTexts, texts.bestSuffixTexts},
      {WorkFile::leastSuffixTexts, texts.leastSuffixTexts},
  }};
  files.rewrite(split);
}

}  // namespace tessark
