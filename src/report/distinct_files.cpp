#include "report/distinct_files.hpp"

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "foundation/run_stopped.hpp"
#include "report/item_report.hpp"
#include "report/modifier_list.hpp"
#include "report/split_modifier_list.hpp"
#include "report/work_folder_lock.hpp"
#include "system/replace_file.hpp"

namespace tessark {

void requireDistinctFiles() {
  constexpr std::array<std::string_view, 7> workFiles{
      modifierListPath,     prefixNamesPath,     suffixNamesPath,     bestPrefixTextsPath,
      leastPrefixTextsPath, bestSuffixTextsPath, leastSuffixTextsPath};
  std::array<std::optional<FileIdentity>, workFiles.size() + 1> identities;
  for (std::size_t i = 0; i < workFiles.size(); ++i) {
    identities[i] = WorkFolderLock::identityOf(workFiles[i]);
  }
  identities.back() = identityOfPath(itemReportPath);
  auto pathOf = [&](std::size_t i) { return i < workFiles.size() ? workFiles[i] : itemReportPath; };

  for (std::size_t i = 0; i < identities.size(); ++i) {
    for (std::size_t j = i + 1; j < identities.size(); ++j) {
      if (!identities[i] || identities[i] != identities[j]) continue;
      throw RunStopped("Tessark: \"" + std::string(pathOf(i)) + "\" and \"" +
                       std::string(pathOf(j)) +
                       "\" are one and the same file; each work file and \"The Item.txt\" must "
                       "be a file of its own. Remove the link between them, then start Tessark "
                       "again.");
    }
  }
}

}  // namespace tessark
