// writeItemReport: the six work files and "The Item.txt" composed from the item record alone, the
// report put in place of the earlier one, and the closing message.
#include "report/item_report.hpp"

#include <charconv>
#include <cstdint>
#include <string>

#include "catalogue/categories.hpp"
#include "foundation/item_record.hpp"
#include "foundation/read_choice.hpp"
#include "foundation/run_stopped.hpp"
#include "report/split_modifier_list.hpp"

namespace tessark {
namespace {

// Appends each line of a work file's `text`, followed by `separator`, and then one separator more:
// the layout of the file read line by line until a read meets its end with an empty text, which
// the report keeps. The tables' checks keep every line whole (description_entry.hpp).
void appendLines(std::string& report, std::string_view text, std::string_view separator) {
  for (std::size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n')) {
    report += text.substr(0, end);
    report += separator;
    text.remove_prefix(end + 1);
  }
  report += separator;
}

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

// The text of "The Item.txt" of `item`, whose affixes are split into `split`.
std::string composeReport(const ItemRecord& item, const SplitTexts& split) {
  const CategoryId id = categoryIdOf(item.category);
  const bool weapon = weapons.contains(id);
  const bool armor = armors.contains(id);

  std::string report;
  for (std::string_view part :
       {item.category, std::string_view("\n"), item.baseName, std::string_view("\n"),
        std::string_view("---------------------\n")}) {
    report += part;
  }
  appendLines(report, split.prefixNames, " ");
  for (std::string_view part : {std::string_view("\n"), item.baseName, std::string_view(" of\n")}) {
    report += part;
  }
  appendLines(report, split.suffixNames, " ");

  report += "\n------------------\nBest Possible Results: \n";
  if (weapon) appendRange(report, "Damage: ", item.bestMinDamage, " -- ", item.bestMaxDamage);
  if (armor) appendRange(report, "Defense: ", item.bestMinDefense, " -- ", item.bestMaxDefense);
  appendLines(report, split.bestPrefixTexts, "\n");
  appendLines(report, split.bestSuffixTexts, "\n");

  report += "\n------------------\nLowest Possible Results: \n";
  if (weapon) appendRange(report, "Damage: ", item.leastMinDamage, " - ", item.leastMaxDamage);
  if (armor) appendRange(report, "Defense: ", item.leastMinDefense, " -- ", item.leastMaxDefense);
  appendLines(report, split.leastPrefixTexts, "\n");
  appendLines(report, split.leastSuffixTexts, "\n");
  return report;
}

}  // namespace

void ItemRecord::writeItemReport(Console& console, WorkFiles& files) const {
  // The work files are outputs only: the report comes from the run's own memory, whatever other
  // programs do to them meanwhile.
  const SplitTexts split = splitModifierList(appliedAffixes);
  writeSplitFiles(files, split);
  // A menu went on without its answer: the item is only part of the one meant, and must not take
  // the place of the earlier report.
  if (answersEnded(console)) {
    throw RunStopped(
        "Tessark: the answers ended before the item was described; \"The Item.txt\" was left as "
        "it was.");
  }
  // Composed whole before the earlier report is touched: a failure on the way leaves it as it was.
  const std::string report = composeReport(*this, split);
  // "The Item.txt" may lead to standard output, where the report follows the dialogue.
  console.out.flush();
  files.replaceReport(report);
  // Only a complete report is announced.
  console.out << closingMessage;
}

}  // namespace tessark
