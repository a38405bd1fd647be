#pragma once
// Numbers shown in labels: fixed notation in the user's regional number
// format (the default QLocale), after rounding to a number of significant
// digits, as the pointer and measurement panels show them.
#include <QString>

namespace orvex {

// `value` rounded once, to `significantDigits` significant digits or to
// `decimals` decimals when that is coarser, then written with exactly
// `decimals` decimals and no digit grouping. A result of zero carries no sign.
QString FixedNotation(double value, int significantDigits, int decimals);

}  // namespace orvex
