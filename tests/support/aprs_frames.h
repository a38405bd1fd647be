#pragma once
// What a KISS TNC sends, built for tests and benchmarks: an AX.25 UI frame
// from a monitor line, wrapped in a KISS data frame.
#include <string>
#include <string_view>
#include <vector>

namespace orvex::testing {

// "CALL-SSID" (a trailing "*" sets the H bit) as seven address bytes.
inline std::string Ax25Address(std::string_view text, bool last) {
  bool repeated = false;
  if (text.ends_with('*')) {
    repeated = true;
    text.remove_suffix(1);
  }
  const std::size_t dash = text.find('-');
  const std::string_view call = text.substr(0, dash);
  const int ssid = dash == std::string_view::npos ? 0 : std::stoi(std::string(text.substr(dash + 1)));
  std::string bytes;
  for (std::size_t i = 0; i < 6; ++i) {
    bytes += static_cast<char>((i < call.size() ? call[i] : ' ') << 1);
  }
  bytes += static_cast<char>(0x60 | (ssid << 1) | (repeated ? 0x80 : 0) | (last ? 1 : 0));
  return bytes;
}

// "SOURCE>DEST,PATH:INFO" as an AX.25 UI frame (destination, source, path).
inline std::string Ax25UiFrame(std::string_view line) {
  const std::size_t arrow = line.find('>');
  const std::size_t colon = line.find(':');
  std::string_view rest = line.substr(arrow + 1, colon - arrow - 1);
  std::vector<std::string_view> calls;
  while (true) {
    const std::size_t comma = rest.find(',');
    calls.push_back(rest.substr(0, comma));
    if (comma == std::string_view::npos) {
      break;
    }
    rest.remove_prefix(comma + 1);
  }
  std::string frame = Ax25Address(calls[0], false) + Ax25Address(line.substr(0, arrow), calls.size() == 1);
  for (std::size_t i = 1; i < calls.size(); ++i) {
    frame += Ax25Address(calls[i], i + 1 == calls.size());
  }
  frame += "\x03\xF0";
  frame += line.substr(colon + 1);
  return frame;
}

// `contents` as a KISS data frame on port 0, FEND and FESC escaped.
inline std::string KissFrame(std::string_view contents) {
  std::string frame("\xC0\x00", 2);
  for (const char byte : contents) {
    if (byte == '\xC0') {
      frame += "\xDB\xDC";
    } else if (byte == '\xDB') {
      frame += "\xDB\xDD";
    } else {
      frame += byte;
    }
  }
  frame += '\xC0';
  return frame;
}

}  // namespace orvex::testing
