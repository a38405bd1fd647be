#pragma once
// What a receiver sends, built for tests: GGA sentences under a correct
// checksum (so that a case breaks exactly one other thing), TNC monitor
// lines, byte streams arriving in reads of any size.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "gps/receive_buffer.h"

namespace orvex::testing {

// `body` runs from "$" up to (not including) "*".
inline std::string WithChecksum(const std::string& body, bool lowerHex = false) {
  unsigned sum = 0;
  for (std::size_t i = 1; i < body.size(); ++i) {
    sum ^= static_cast<unsigned char>(body[i]);
  }
  char digits[3];
  std::snprintf(digits, sizeof digits, lowerHex ? "%02x" : "%02X", sum);
  return body + "*" + digits;
}

inline double Dms(double degrees, double minutes, double seconds) { return degrees + minutes / 60 + seconds / 3600; }

// The two lines a TNC prints in monitor mode.
inline std::string Monitor(const std::string& header, const std::string& info) { return header + "\r\n" + info + "\r"; }

// Feeds `bytes` in reads of `step` bytes, checking the buffer stays bounded;
// the messages that come out, in order.
inline std::vector<std::string> FeedInSteps(std::string& buffer, int protocol, std::string_view bytes,
                                            std::size_t step) {
  std::vector<std::string> all;
  for (std::size_t at = 0; at < bytes.size(); at += step) {
    for (auto& message : ReceiveMessages(buffer, protocol, bytes.substr(at, step))) {
      all.push_back(std::move(message));
    }
    EXPECT_LE(buffer.size(), kReceiveBufferLimit);
  }
  return all;
}

}  // namespace orvex::testing
