// Serial bytes arriving in reads of any size, in any framing: the buffer
// stays bounded and every message handed out is one frame that decodes
// without fault.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "gps/aprs_packet.h"
#include "gps/nmea_sentence.h"
#include "gps/receive_buffer.h"
#include "position_checks.h"

namespace {

constexpr int kLastProtocol = orvex::kTrameMax + 1;  // and one no one uses
constexpr std::size_t kLongestRead = 600;

void CheckMessage(int protocol, const std::string& message) {
  if (protocol == orvex::kTrameNmea) {
    orvex::fuzz::Require(orvex::FindGgaHeader(message) == 0);
    orvex::fuzz::Require(message.size() >= 3 && message[message.size() - 3] == '*');
    orvex::fuzz::RequireSoundPosition(orvex::DecodeSentence(message));
  } else {
    orvex::fuzz::Require(protocol == orvex::kTrameAprs);
    orvex::fuzz::Require(orvex::IsAprsHeader(message) && message.ends_with('\r'));
    orvex::fuzz::RequireSoundPosition(orvex::DecodePacket(message));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const int protocol = input.ConsumeIntegralInRange(0, kLastProtocol);
  std::string buffer;
  while (input.remaining_bytes() > 0) {
    const std::string bytes = input.ConsumeBytesAsString(input.ConsumeIntegralInRange<std::size_t>(0, kLongestRead));
    for (const std::string& message : orvex::ReceiveMessages(buffer, protocol, bytes)) {
      CheckMessage(protocol, message);
    }
    orvex::fuzz::Require(buffer.size() <= orvex::kReceiveBufferLimit);
  }
  return 0;
}
