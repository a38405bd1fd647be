#pragma once
// The serial line's settings text: baud rate, parity letter, data bits and
// stop bits separated by commas, e.g. "9600,n,8,1" or "4800,E,7,2".
#include <optional>
#include <string_view>

namespace orvex {

enum class StopBits { One, OneAndHalf, Two };

struct CommSettings {
  int BaudRate = 9600;
  char Parity = 'N';  // N (none), E (even), O (odd), M (mark) or S (space), upper case
  int DataBits = 8;   // 5 to 8
  StopBits Stop = StopBits::One;
};

// Items may carry blanks around them and letters in either case; anything
// else (a missing item, an unknown letter, a rate that is not a positive
// number) gives nullopt.
std::optional<CommSettings> ParseCommSettings(std::string_view text);

}  // namespace orvex
