#include "expected_table.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <stdexcept>

#include "support/temp_dir.h"

namespace orvex::testing {
namespace {

constexpr double kSecondsPerDegree = 3600;
constexpr double kHalfArcSecond = 0.5 / kSecondsPerDegree;

std::vector<std::string> SplitCsvLine(std::string_view line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"') {
      fields.back() += '"';
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

}  // namespace

ExpectedTable::ExpectedTable(const std::filesystem::path& file) {
  auto lines = ReadLines(file);
  if (lines.empty()) {
    throw std::runtime_error("empty or missing table " + file.string());
  }
  columns_ = SplitCsvLine(lines.front());
  std::for_each(lines.begin() + 1, lines.end(),
                [this](const std::string& line) { rows_.push_back(SplitCsvLine(line)); });
}

const std::string& ExpectedTable::Field(std::size_t row, std::string_view column) const {
  static const std::string kEmpty;
  const auto found = std::find(columns_.begin(), columns_.end(), column);
  if (found == columns_.end()) {
    throw std::runtime_error("no column " + std::string(column));
  }
  const auto index = static_cast<std::size_t>(found - columns_.begin());
  return index < rows_.at(row).size() ? rows_[row][index] : kEmpty;
}

std::vector<std::string> ReadLines(const std::filesystem::path& file) {
  std::istringstream in(ReadFile(file));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    lines.push_back(line);
  }
  return lines;
}

double ArcSecondTolerance(std::string_view expectedText, double extraSeconds) {
  const std::size_t point = expectedText.find('.');
  const auto decimals = point == std::string_view::npos ? 0 : static_cast<int>(expectedText.size() - point - 1);
  return kHalfArcSecond + 0.5 * std::pow(10.0, -decimals) + extraSeconds / kSecondsPerDegree;
}

}  // namespace orvex::testing
