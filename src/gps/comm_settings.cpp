#include "gps/comm_settings.h"

#include <array>
#include <string>

#include "geo/coordinate_text.h"

namespace orvex {
namespace {

constexpr std::size_t kItemCount = 4;
constexpr int kMinDataBits = 5;
constexpr int kMaxDataBits = 8;
constexpr std::string_view kParityLetters = "NEOMS";

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SplitItems(std::string_view text, std::array<std::string_view, kItemCount>& items) {
  for (std::size_t i = 0; i < kItemCount; ++i) {
    const std::size_t comma = text.find(',');
    const bool last = i + 1 == kItemCount;
    if (last != (comma == std::string_view::npos)) {
      return false;
    }
    items[i] = Trimmed(text.substr(0, comma));
    text = last ? std::string_view() : text.substr(comma + 1);
  }
  return true;
}

std::optional<StopBits> ParseStopBits(std::string_view text) {
  if (text == "1") {
    return StopBits::One;
  }
  if (text == "1.5") {
    return StopBits::OneAndHalf;
  }
  if (text == "2") {
    return StopBits::Two;
  }
  return std::nullopt;
}

}  // namespace

std::optional<CommSettings> ParseCommSettings(std::string_view text) {
  std::array<std::string_view, kItemCount> items;
  if (!SplitItems(text, items)) {
    return std::nullopt;
  }
  CommSettings settings;
  const std::string parity = UpperText(items[1]);
  const auto stop = ParseStopBits(items[3]);
  if (!ParseInteger(items[0], settings.BaudRate) || settings.BaudRate <= 0 || parity.size() != 1 ||
      kParityLetters.find(parity[0]) == std::string_view::npos || !ParseInteger(items[2], settings.DataBits) ||
      settings.DataBits < kMinDataBits || settings.DataBits > kMaxDataBits || !stop) {
    return std::nullopt;
  }
  settings.Parity = parity[0];
  settings.Stop = *stop;
  return settings;
}

}  // namespace orvex
