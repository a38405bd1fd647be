#include "mapview/locale_number.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace orvex {

QString FixedNotation(double value, int significantDigits, int decimals) {
  if (value != 0 && std::isfinite(value)) {
    const int integerDigits = static_cast<int>(std::floor(std::log10(std::fabs(value)))) + 1;
    const int kept = std::min(decimals, significantDigits - integerDigits);
    const double unit = std::pow(10.0, -kept);
    value = std::round(value / unit) * unit;
  }
  if (value == 0) {
    value = 0;  // drops the sign of a negative zero
  }
  QLocale locale;
  locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
  return locale.toString(value, 'f', decimals);
}

}  // namespace orvex
