#include "gps/ax25_frame.h"

#include <vector>

namespace orvex {
namespace {

constexpr std::size_t kAddressLength = 7;
constexpr std::size_t kCallsignLength = 6;
constexpr std::size_t kMinAddresses = 2;
constexpr std::size_t kMaxAddresses = 10;
constexpr unsigned char kLastAddress = 0x01;    // extension bit of the SSID byte
constexpr unsigned char kRepeated = 0x80;       // H bit of a digipeater's SSID byte
constexpr unsigned char kSsidMask = 0x0F;
constexpr unsigned char kPollFinal = 0x10;
constexpr unsigned char kUiControl = 0x03;
constexpr unsigned char kNoLayer3 = 0xF0;

struct Address {
  std::string text;  // "CALL" or "CALL-SSID"
  bool repeated = false;
  bool last = false;
};

bool IsCallsignCharacter(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

// Callsign characters are shifted left by one; blanks only pad the end.
std::optional<Address> ReadAddress(std::string_view bytes) {
  Address address;
  std::size_t blanks = 0;
  for (std::size_t i = 0; i < kCallsignLength; ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    const char c = static_cast<char>(byte >> 1);
    if ((byte & 1) != 0 || (c != ' ' && (!IsCallsignCharacter(c) || blanks > 0))) {
      return std::nullopt;
    }
    if (c == ' ') {
      ++blanks;
    } else {
      address.text += c;
    }
  }
  if (address.text.empty()) {
    return std::nullopt;
  }
  const auto ssidByte = static_cast<unsigned char>(bytes[kCallsignLength]);
  const int ssid = (ssidByte >> 1) & kSsidMask;
  if (ssid != 0) {
    address.text += '-' + std::to_string(ssid);
  }
  address.repeated = (ssidByte & kRepeated) != 0;
  address.last = (ssidByte & kLastAddress) != 0;
  return address;
}

std::optional<std::vector<Address>> ReadAddresses(std::string_view& frame) {
  std::vector<Address> addresses;
  while (addresses.size() < kMaxAddresses && frame.size() >= kAddressLength) {
    auto address = ReadAddress(frame.substr(0, kAddressLength));
    if (!address) {
      return std::nullopt;
    }
    frame.remove_prefix(kAddressLength);
    addresses.push_back(std::move(*address));
    if (addresses.back().last) {
      if (addresses.size() < kMinAddresses) {
        return std::nullopt;
      }
      return addresses;
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> Ax25UiFrameToText(std::string_view frame) {
  const auto addresses = ReadAddresses(frame);
  if (!addresses || frame.size() < 2 ||
      (static_cast<unsigned char>(frame[0]) & ~kPollFinal) != kUiControl ||
      static_cast<unsigned char>(frame[1]) != kNoLayer3) {
    return std::nullopt;
  }
  frame.remove_prefix(2);
  const std::vector<Address>& a = *addresses;
  std::size_t lastRepeated = 0;  // index of the last digipeater that repeated, 0 for none
  for (std::size_t i = kMinAddresses; i < a.size(); ++i) {
    if (a[i].repeated) {
      lastRepeated = i;
    }
  }
  std::string text = a[1].text + '>' + a[0].text;
  for (std::size_t i = kMinAddresses; i < a.size(); ++i) {
    text += ',' + a[i].text;
    if (i == lastRepeated) {
      text += '*';
    }
  }
  text += ':';
  text += frame;
  return text;
}

}  // namespace orvex
