#include "gps/receive_buffer.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "gps/aprs_packet.h"
#include "gps/ax25_frame.h"
#include "gps/nmea_sentence.h"

namespace orvex {
namespace {

constexpr std::size_t kChecksumDigits = 2;

// Past the search limit the text is noise, but for a header that may be
// arriving in pieces at its end.
void DropNoise(std::string& buffer) {
  const std::size_t dollar = buffer.rfind('$');
  if (dollar != std::string::npos && buffer.size() - dollar < kGgaHeaderLength) {
    buffer.erase(0, dollar);
  } else {
    buffer.clear();
  }
}

std::optional<std::string> CutSentence(std::string& buffer) {
  while (true) {
    const std::size_t header = FindGgaHeader(buffer);
    if (header == std::string::npos) {
      if (buffer.size() > kHeaderSearchLimit) {
        DropNoise(buffer);
      }
      return std::nullopt;
    }
    buffer.erase(0, header);
    const std::size_t star = buffer.find('*');
    // A second header before the star: the first sentence broke off.
    const std::size_t next = FindGgaHeader(std::string_view(buffer).substr(0, star), 1);
    if (next != std::string::npos) {
      buffer.erase(0, next);
      continue;
    }
    if (star == std::string::npos || buffer.size() < star + 1 + kChecksumDigits) {
      return std::nullopt;
    }
    std::string sentence = buffer.substr(0, star + 1 + kChecksumDigits);
    buffer.erase(0, sentence.size());
    return sentence;
  }
}

// Removes the line ending at `end` (a carriage return) and a line feed after it.
void DropThrough(std::string& buffer, std::size_t end) {
  const std::size_t next = end + 1;
  buffer.erase(0, next < buffer.size() && buffer[next] == '\n' ? next + 1 : next);
}

std::optional<std::string> CutPacket(std::string& buffer) {
  while (true) {
    buffer.erase(0, std::min(buffer.find_first_not_of("\r\n"), buffer.size()));
    const std::size_t headerEnd = buffer.find('\r');
    if (headerEnd == std::string::npos) {
      return std::nullopt;
    }
    if (!IsAprsHeader(std::string_view(buffer).substr(0, headerEnd))) {
      DropThrough(buffer, headerEnd);
      continue;
    }
    const std::size_t infoEnd = buffer.find('\r', headerEnd + 1);
    if (infoEnd == std::string::npos) {
      return std::nullopt;
    }
    std::string packet = buffer.substr(0, infoEnd + 1);
    DropThrough(buffer, infoEnd);
    return packet;
  }
}

std::optional<std::string> CutMessage(std::string& buffer, int protocol) {
  switch (protocol) {
    case kTrameNmea:
      return CutSentence(buffer);
    case kTrameAprs:
      return CutPacket(buffer);
    default:
      return std::nullopt;
  }
}

}  // namespace

std::vector<std::string> ReceiveMessages(std::string& receiveBuffer, int protocol, std::string_view bytes) {
  std::vector<std::string> messages;
  // Slices no longer than the limit keep the buffer bounded even when one read
  // brings a large block, without losing the messages inside it.
  do {
    if (receiveBuffer.size() > kReceiveBufferLimit) {
      receiveBuffer.clear();
    }
    const std::string_view slice = bytes.substr(0, kReceiveBufferLimit);
    bytes.remove_prefix(slice.size());
    receiveBuffer += slice;
    while (auto message = CutMessage(receiveBuffer, protocol)) {
      messages.push_back(std::move(*message));
    }
  } while (!bytes.empty());
  if (receiveBuffer.size() > kReceiveBufferLimit) {
    receiveBuffer.clear();
  }
  return messages;
}

std::vector<std::string> ReceiveKissPackets(KissDeframer& kiss, std::string_view bytes) {
  std::vector<std::string> packets;
  for (const std::string& frame : kiss.Push(bytes)) {
    if (auto text = Ax25UiFrameToText(frame)) {
      packets.push_back(std::move(*text));
    }
  }
  return packets;
}

}  // namespace orvex
