#pragma once
// The real-data files and the expected-value tables beside them.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvex::testing {

// Comma-separated values with a first line of column names; a field in
// double quotes may hold commas and doubled quotes.
class ExpectedTable {
 public:
  explicit ExpectedTable(const std::filesystem::path& file);

  std::size_t RowCount() const { return rows_.size(); }
  // The field of `row` under `column`; empty when the row is short. Throws
  // when the table has no such column.
  const std::string& Field(std::size_t row, std::string_view column) const;

 private:
  std::vector<std::string> columns_;
  std::vector<std::vector<std::string>> rows_;
};

// The lines of a text file without their line ends.
std::vector<std::string> ReadLines(const std::filesystem::path& file);

// A decoded angle matches an expected one printed to a few decimals when
// they differ by no more than the program's rounding to the whole arc-second
// plus half a unit of the last printed decimal, plus `extraSeconds` when the
// expected value is known more finely than the message carries it.
double ArcSecondTolerance(std::string_view expectedText, double extraSeconds = 0);

}  // namespace orvex::testing
