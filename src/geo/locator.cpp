#include "geo/locator.h"

#include <algorithm>
#include <cmath>

#include "geo/coordinate_text.h"

namespace orvex {
namespace {

constexpr int kFieldCount = 18;
constexpr int kSquareCount = 10;
constexpr int kSubSquareCount = 24;
constexpr double kFieldWidth = 20;
constexpr double kFieldHeight = 10;
constexpr double kSquareWidth = 2;
constexpr double kSquareHeight = 1;

// Sub-square sizes as the locator texts of other programs were made with:
// slightly below 1/12 and 1/24, kept as written so both directions agree with them.
constexpr double kSubSquareWidth = 0.08333333333;
constexpr double kSubSquareHeight = 0.04166666666;
constexpr double kCentreSubSquareWidth = 0.0833333;
constexpr double kCentreHalfSubSquareWidth = 0.04166666;
constexpr double kCentreSubSquareHeight = 0.0416666;
constexpr double kCentreHalfSubSquareHeight = 0.02083333;

struct GridStep {
  int index;
  double inside;  // offset from the cell's lower edge, for the next level
};

// Cell of `offset` (0 or more) among `count` cells of `size`. Near a cell edge
// the quotient may round into the neighbouring cell; the index and the offset
// inside are then kept on the same side, so the finer characters never
// contradict the coarser ones.
GridStep Subdivide(double offset, double size, int count) {
  const int index = static_cast<int>(offset / size);
  if (index >= count) {
    return {count - 1, offset - (count - 1) * size};
  }
  return {index, std::max(FloatModulo(offset, size), 0.0)};
}

char GridCharacter(char first, int index) { return static_cast<char>(first + index); }

bool InRange(unsigned char c, char first, char last) {
  return c >= static_cast<unsigned char>(first) && c <= static_cast<unsigned char>(last);
}

}  // namespace

double FloatModulo(double x, double m) { return x - std::trunc(x / m) * m; }

std::string CoordinateToLocator(double longitude, double latitude) {
  if (!(longitude >= -180 && longitude < 180 && latitude >= -90 && latitude < 90)) {
    return "?";
  }
  // Measured from the grid origin at 180 W, 90 S; the shifts are whole numbers
  // of fields, so every level's remainder comes out the same as from the position.
  const GridStep lonField = Subdivide(longitude + 180, kFieldWidth, kFieldCount);
  const GridStep latField = Subdivide(latitude + 90, kFieldHeight, kFieldCount);
  const GridStep lonSquare = Subdivide(lonField.inside, kSquareWidth, kSquareCount);
  const GridStep latSquare = Subdivide(latField.inside, kSquareHeight, kSquareCount);
  const GridStep lonSub = Subdivide(lonSquare.inside, kSubSquareWidth, kSubSquareCount);
  const GridStep latSub = Subdivide(latSquare.inside, kSubSquareHeight, kSubSquareCount);
  return {GridCharacter('A', lonField.index), GridCharacter('A', latField.index),
          GridCharacter('0', lonSquare.index), GridCharacter('0', latSquare.index),
          GridCharacter('A', lonSub.index),   GridCharacter('A', latSub.index)};
}

void LocatorToCoordinate(std::string_view text, double& longitude, double& latitude) {
  longitude = 0;
  latitude = 0;
  if (text.size() < 6) {
    return;
  }
  const std::string t = UpperText(text.substr(0, 6));
  const auto byte = [&t](int i) { return static_cast<unsigned char>(t[i]); };
  if (!InRange(byte(0), 'A', 'R') || !InRange(byte(1), 'A', 'R') || !InRange(byte(4), 'A', 'X') ||
      !InRange(byte(5), 'A', 'X')) {
    return;
  }
  longitude = (byte(0) - 'A') * kFieldWidth - 180;
  latitude = (byte(1) - 'A') * kFieldHeight - 90;
  longitude += (byte(2) - '0') * kSquareWidth;
  latitude += (byte(3) - '0') * kSquareHeight;
  longitude += (byte(4) - 'A') * kCentreSubSquareWidth + kCentreHalfSubSquareWidth;
  latitude += (byte(5) - 'A') * kCentreSubSquareHeight + kCentreHalfSubSquareHeight;
}

}  // namespace orvex
