#include "database/fast_coordinate.h"

#include <array>
#include <cstdint>
#include <optional>

#include "geo/coordinate_text.h"

namespace orvex {
namespace {

// Up to 15 digits the mantissa is an exact double, and so is every power of
// ten up to 1e22: one division then rounds correctly, as from_chars does.
constexpr int kChiffresMax = 15;

constexpr std::array<double, kChiffresMax + 1> kPuissancesDix = {
    1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
};

bool EstChiffre(char c) { return c >= '0' && c <= '9'; }

// [blanks][+|-]digits[.digits] with at least one digit and at most 15 in all.
std::optional<double> DecimalSimple(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
    ++i;
  }
  bool negatif = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negatif = text[i] == '-';
    ++i;
  }
  std::uint64_t mantisse = 0;
  int chiffres = 0;
  int decimales = 0;
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (EstChiffre(c)) {
      mantisse = mantisse * 10 + static_cast<std::uint64_t>(c - '0');
      ++chiffres;
      decimales += point ? 1 : 0;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return std::nullopt;
    }
  }
  if (chiffres == 0 || chiffres > kChiffresMax) {
    return std::nullopt;
  }
  const double value = static_cast<double>(mantisse) / kPuissancesDix[static_cast<std::size_t>(decimales)];
  return negatif ? -value : value;
}

}  // namespace

double CoordonneeTexte(std::string_view text) {
  const std::optional<double> simple = DecimalSimple(text);
  return simple ? *simple : TextToCoordinate(text);
}

double DecimalTexte(std::string_view text) {
  const std::optional<double> simple = DecimalSimple(text);
  return simple ? *simple : DecimalToDegrees(text);
}

}  // namespace orvex
