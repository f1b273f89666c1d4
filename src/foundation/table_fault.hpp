// How the compile-time checks of the constant tables say where a table is wrong: a check finds
// the first row at fault and passes it to tableChecked as a template argument, which the
// compiler prints in full when the check fails.
#pragma once

#include <cstddef>
#include <string_view>

namespace tessark {

// A row that fails a check: what is wrong, the table, the row counted from 1 (as menus number
// their lines; 0 where the fault has no row) and the text at fault. Texts are held by value, and
// cut to fit, so that a fault can be a template argument. No fault: `what` is empty.
struct TableFault {
  char what[100]{};
  char table[80]{};
  std::size_t row = 0;
  char at[120]{};

  constexpr bool none() const { return what[0] == '\0'; }
};

// Passes when `fault` is no fault. Else the build fails, and the compiler's message shows the
// fault in the line that begins "In instantiation of 'constexpr bool tessark::tableChecked()
// [with TableFault fault = TableFault{"what is wrong", "table", row, "text at fault"}]'".
template <TableFault fault>
constexpr bool tableChecked() {
  static_assert(fault.none(), "a constant table fails its check at the row named above");
  return true;
}

namespace table_fault_detail {

template <std::size_t n>
constexpr void copyCut(char (&to)[n], std::string_view from) {
  for (std::size_t pos = 0; pos < from.size() && pos + 1 < n; ++pos) to[pos] = from[pos];
}

}  // namespace table_fault_detail

// The fault `what` in row `row` of `table`, showing `at`, the line or name at fault.
constexpr TableFault tableFault(std::string_view what, std::string_view table, std::size_t row,
                                std::string_view at) {
  TableFault fault;
  table_fault_detail::copyCut(fault.what, what);
  table_fault_detail::copyCut(fault.table, table);
  fault.row = row;
  table_fault_detail::copyCut(fault.at, at);
  return fault;
}

// The name of a part of a nested table, built from texts and numbers ("prefix block 3, group
// 5"), to be passed to tableFault while it lives.
class PartName {
 public:
  template <typename... Parts>
  constexpr explicit PartName(const Parts&... parts) {
    (add(parts), ...);
  }
  constexpr operator std::string_view() const { return {text_, size_}; }

 private:
  constexpr void add(std::string_view part) {
    for (char c : part) {
      if (size_ + 1 < sizeof text_) text_[size_++] = c;
    }
  }
  constexpr void add(std::size_t number) {
    char digits[20]{};
    std::size_t count = 0;
    do {
      digits[count++] = static_cast<char>('0' + number % 10);
      number /= 10;
    } while (number != 0);
    while (count > 0) add(std::string_view(&digits[--count], 1));
  }

  char text_[80]{};
  std::size_t size_ = 0;
};

}  // namespace tessark
