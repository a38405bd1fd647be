#pragma once
// Coordinate text in and out: degrees, minutes and seconds with a hemisphere
// letter, or a plain decimal number; plus the byte-level text helpers the
// data-file readers share. Text is Windows-1252 bytes.
#include <string>
#include <string_view>

namespace orvex {

inline constexpr char kDegreeSign = '\xB0';
inline constexpr char kConsoleDegreeSign = '\xF8';

std::string TwoDigits(long long value);
std::string DegreesToDms(double value);
std::string LongitudeToText(double longitude);
std::string LatitudeToText(double latitude);
// The same texts rounded to the nearest whole second rather than truncated:
// what the data files store, so that reading a saved position back and saving
// it again gives the same text.
std::string LongitudeToSavedText(double longitude);
std::string LatitudeToSavedText(double latitude);
// Decimal degrees as the data files store them: rounded to 7 significant
// digits, at most 5 decimals, padded to 5 with zeros, "." as separator.
std::string SavedDegreesText(double degrees);

// Unreadable text gives 0.
double DmsToDegrees(std::string_view text);
double DecimalToDegrees(std::string_view text);
double TextToCoordinate(std::string_view text);

std::string CommaToPoint(std::string_view text);
std::string UpperText(std::string_view text);
std::string OemToWindowsText(std::string_view text);

// Whole-text integer conversion: optional leading blanks, optional sign,
// decimal digits, nothing else. False on anything else or on overflow.
bool ParseInteger(std::string_view text, long long& value);
bool ParseInteger(std::string_view text, int& value);
// Whole-text decimal number with a point, as DecimalToDegrees reads it.
bool ParseDecimal(std::string_view text, double& value);

}  // namespace orvex
