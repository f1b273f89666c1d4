// MemoryWorkFiles: the files of a run kept in memory, for the tests of the operations that write
// them, with no folder: what each file holds, and nothing for a file never written.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "foundation/work_files.hpp"

namespace tessark::testing {

class MemoryWorkFiles final : public WorkFiles {
 public:
  void append(WorkFile file, std::string_view text) override {
    std::optional<std::string>& held = files[static_cast<std::size_t>(file)];
    held = held.value_or("") + std::string(text);
  }
  void rewrite(std::span<const WorkFileText> texts) override {
    for (const WorkFileText& text : texts) files[static_cast<std::size_t>(text.file)] = text.text;
  }
  void replaceReport(std::string_view text) override { report = text; }

  // What a work file holds.
  std::optional<std::string>& operator[](WorkFile file) {
    return files[static_cast<std::size_t>(file)];
  }

  std::array<std::optional<std::string>, workFileCount> files;
  std::optional<std::string> report;
};

}  // namespace tessark::testing
