// GGA decoding over arbitrary bytes, as received and with the checksum made
// right, so that the fields behind it are reached too.
#include <cstdint>
#include <cstdio>
#include <string>

#include "gps/nmea_sentence.h"
#include "position_checks.h"
#include "scratch_file.h"

namespace {

std::string WithChecksum(std::string_view body) {
  const std::string text = "GPGGA," + std::string(body.substr(0, body.find('*')));
  unsigned sum = 0;
  for (const char c : text) {
    sum ^= static_cast<unsigned char>(c);
  }
  char digits[3] = {};
  std::snprintf(digits, sizeof(digits), "%02X", sum);
  return "$" + text + "*" + digits;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = orvex::fuzz::AsText(data, size);
  orvex::FindGgaHeader(text, size / 2);
  orvex::fuzz::RequireSoundPosition(orvex::DecodeSentence(text));
  orvex::fuzz::RequireSoundPosition(orvex::DecodeSentence(WithChecksum(text)));
  return 0;
}
