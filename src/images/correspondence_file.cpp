#include "images/correspondence_file.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <vector>

#include "geo/coordinate_text.h"
#include "platform/atomic_file.h"
#include "platform/paths.h"
#include "platform/text_file.h"

namespace orvex {
namespace {

constexpr int kDecimals = 5;
constexpr std::uintmax_t kMaxFileBytes = 64 * 1024;
constexpr std::size_t kValueCount = 4;
constexpr double kMaxLongitude = 180;
constexpr double kMaxLatitude = 90;

// An editor saving in UTF-8 writes the degree sign as two bytes; the
// coordinate reader knows the single Windows-1252 byte. Trailing blanks are
// invisible in an editor, so they make neither a value unreadable nor an
// empty line significant.
std::string CleanValue(std::string line) {
  for (std::size_t at = line.find("\xC2\xB0"); at != std::string::npos; at = line.find("\xC2\xB0", at)) {
    line.erase(at, 1);
  }
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) {
    line.pop_back();
  }
  return line;
}

std::string FixedText(double value, char decimalSeparator) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed,
                                    kDecimals);
  std::string text(buffer.data(), result.ptr);
  if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos) {
    text.erase(0, 1);  // no "-0.00000"
  }
  if (const auto point = text.find('.'); point != std::string::npos) {
    text[point] = decimalSeparator;
  }
  return text;
}

bool Within(double value, double limit) { return value != 0 && std::isfinite(value) && std::fabs(value) <= limit; }

}  // namespace

std::filesystem::path CheminCorrespondance(const std::filesystem::path& picture) {
  std::filesystem::path cor = picture;
  const std::string name = picture.filename().string();
  const auto dot = name.rfind('.');
  cor.replace_filename((dot == std::string::npos ? name : name.substr(0, dot)) + ".cor");
  return cor;
}

std::filesystem::path TrouveCorrespondance(const std::filesystem::path& picture) {
  const std::filesystem::path wanted = CheminCorrespondance(picture);
  const std::filesystem::path directory = wanted.has_parent_path() ? wanted.parent_path() : ".";
  const std::string found = FindEntry(directory, wanted.filename().string());
  return found.empty() ? wanted : wanted.parent_path() / found;
}

int LitCorrespondance(const std::filesystem::path& file, Correspondance& corners) {
  // Nine short lines: anything big, or not a plain file (a pipe would block),
  // is no correspondence file and is not read whole.
  std::error_code ec;
  if (std::filesystem::exists(file, ec) &&
      (!std::filesystem::is_regular_file(file, ec) || std::filesystem::file_size(file, ec) > kMaxFileBytes)) {
    return EFBIG;
  }
  std::vector<std::string> lines;
  int status = 0;
  if (!ReadLines(file, lines, status)) {
    return status;
  }
  std::vector<std::string> values;
  for (std::string& line : lines) {
    line = CleanValue(std::move(line));
    if (!line.empty() && line[0] != '/') {
      values.push_back(std::move(line));
    }
  }
  // The first line names the file itself. An absolute path here begins
  // with "/" and so reads as a comment: with only four values left, or a
  // hand-written file without that line, all four are the corners.
  const std::size_t first = values.size() > kValueCount ? 1 : 0;
  values.resize(first + kValueCount);
  double* const targets[] = {&corners.LgNW, &corners.LtNW, &corners.LgSE, &corners.LtSE};
  for (std::size_t i = 0; i < kValueCount; ++i) {
    *targets[i] = TextToCoordinate(values[first + i]);
  }
  return 0;
}

std::string TexteCorrespondance(const std::string& ownPath, const Correspondance& corners, char decimalSeparator) {
  std::string text = ownPath + "\r\n";
  const std::pair<const char*, double> values[] = {
      {"/LgNW", corners.LgNW}, {"/LtNW", corners.LtNW}, {"/LgSE", corners.LgSE}, {"/LtSE", corners.LtSE}};
  for (const auto& [caption, value] : values) {
    text += std::string(caption) + "\r\n" + FixedText(value, decimalSeparator) + "\r\n";
  }
  return text;
}

int EcritCorrespondance(const std::filesystem::path& file, const Correspondance& corners, char decimalSeparator) {
  return WriteFileAtomically(file, TexteCorrespondance(file.string(), corners, decimalSeparator));
}

CoinRefuse VerifieCoins(const Correspondance& c) {
  if (!Within(c.LgNW, kMaxLongitude)) {
    return CoinRefuse::LgNW;
  }
  if (!Within(c.LtNW, kMaxLatitude)) {
    return CoinRefuse::LtNW;
  }
  if (!Within(c.LgSE, kMaxLongitude) || c.LgSE <= c.LgNW) {
    return CoinRefuse::LgSE;
  }
  if (!Within(c.LtSE, kMaxLatitude) || c.LtSE >= c.LtNW) {
    return CoinRefuse::LtSE;
  }
  return CoinRefuse::None;
}

std::string TexteCoinRefuse(CoinRefuse corner) {
  switch (corner) {
    case CoinRefuse::LgNW:
      return "Longitude NW erronnée";
    case CoinRefuse::LtNW:
      return "Latitude NW erronnée";
    case CoinRefuse::LgSE:
      return "Longitude SE erronnée";
    case CoinRefuse::LtSE:
      return "Latitude SE erronnée";
    case CoinRefuse::None:
      break;
  }
  return {};
}

}  // namespace orvex
