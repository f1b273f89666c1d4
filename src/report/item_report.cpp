#include "report/item_report.hpp"

#include <charconv>
#include <cstdint>
#include <string>

#include "catalogue/categories.hpp"
#include "foundation/item_record.hpp"
#include "foundation/run_stopped.hpp"
#include "report/distinct_files.hpp"
#include "report/file_failure_message.hpp"
#include "report/split_modifier_list.hpp"
#include "report/text_file.hpp"
#include "system/replace_file.hpp"

namespace tessark {
namespace {

// A work file, read whole. The files are opened in the order in which a report reads them.
class WorkFileTexts {
 public:
  explicit WorkFileTexts(std::string_view path) : file_(std::string(path), TextFile::Mode::read) {}

  // Appends every line, each followed by `separator`. The last read meets the end of the file
  // with an empty text, so one separator more follows: the layout depends on it.
  void copyTo(std::string& report, std::string_view separator) {
    while (!file_.atEnd()) {
      report += file_.readLine();
      report += separator;
    }
    file_.close();
  }

 private:
  TextFile file_;
};

// Appends "<label><min><between><max>\n".
void appendRange(std::string& report, std::string_view label, std::int32_t min,
                 std::string_view between, std::int32_t max) {
  char digits[16];
  report += label;
  report.append(digits, std::to_chars(digits, digits + sizeof digits, min).ptr);
  report += between;
  report.append(digits, std::to_chars(digits, digits + sizeof digits, max).ptr);
  report += '\n';
}

// The text of "The Item.txt" of `item`, from the six work files.
std::string composeReport(const ItemRecord& item) {
  WorkFileTexts leastPrefixTexts(leastPrefixTextsPath);
  WorkFileTexts bestPrefixTexts(bestPrefixTextsPath);
  WorkFileTexts leastSuffixTexts(leastSuffixTextsPath);
  WorkFileTexts bestSuffixTexts(bestSuffixTextsPath);
  WorkFileTexts prefixNames(prefixNamesPath);
  WorkFileTexts suffixNames(suffixNamesPath);

  const CategoryId id = categoryIdOf(item.category);
  const bool weapon = weapons.contains(id);
  const bool armor = armors.contains(id);

  std::string report;
  for (std::string_view part :
       {item.category, std::string_view("\n"), item.baseName, std::string_view("\n"),
        std::string_view("---------------------\n")}) {
    report += part;
  }
  prefixNames.copyTo(report, " ");
  for (std::string_view part : {std::string_view("\n"), item.baseName, std::string_view(" of\n")}) {
    report += part;
  }
  suffixNames.copyTo(report, " ");

  report += "\n------------------\nBest Possible Results: \n";
  if (weapon) appendRange(report, "Damage: ", item.bestMinDamage, " -- ", item.bestMaxDamage);
  if (armor) appendRange(report, "Defense: ", item.bestMinDefense, " -- ", item.bestMaxDefense);
  bestPrefixTexts.copyTo(report, "\n");
  bestSuffixTexts.copyTo(report, "\n");

  report += "\n------------------\nLowest Possible Results: \n";
  if (weapon) appendRange(report, "Damage: ", item.leastMinDamage, " - ", item.leastMaxDamage);
  if (armor) appendRange(report, "Defense: ", item.leastMinDefense, " -- ", item.leastMaxDefense);
  leastPrefixTexts.copyTo(report, "\n");
  leastSuffixTexts.copyTo(report, "\n");
  return report;
}

}  // namespace

void ItemRecord::writeItemReport(Console& console) const {
  splitModifierList();
  // Composed whole before the earlier report is touched: a failure on the way leaves it as it was.
  const std::string report = composeReport(*this);
  requireDistinctFiles();
  // "The Item.txt" may lead to standard output, where the report follows the dialogue.
  console.out.flush();
  try {
    replaceFile(itemReportPath, report);
  } catch (const SystemError& error) {
    if (error.kind() == FailureKind::notSynced) {
      throw RunStopped(
          "Tessark: \"The Item.txt\" was written, but could not be synced to the disk (" +
          std::string(error.what()) + "); it may not outlast a crash.");
    }
    throw RunStopped(fileFailureMessage("write", itemReportPath, error));
  }
  // Only a complete report is announced.
  console.out << closingMessage;
}

}  // namespace tessark
