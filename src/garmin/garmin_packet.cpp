#include "garmin/garmin_packet.h"

#include <algorithm>
#include <array>

namespace orvex {
namespace {

constexpr std::size_t kHeaderSize = 3;    // DLE, identifier, size
constexpr std::size_t kTrailerSize = 3;   // checksum, DLE, ETX
constexpr std::uint8_t kCommandTrack = 0x06;
constexpr std::uint8_t kCommandWaypoints = 0x07;

std::uint8_t CommandCode(int kind) { return kind == kTransferWaypoints ? kCommandWaypoints : kCommandTrack; }

}  // namespace

std::uint8_t PacketChecksum(std::uint8_t id, std::span<const std::uint8_t> data) {
  unsigned sum = id + static_cast<unsigned>(data.size());
  for (const std::uint8_t byte : data) {
    sum += byte;
  }
  return static_cast<std::uint8_t>(0x100 - (sum & 0xFF));
}

GarminBytes MakePacket(std::uint8_t id, std::span<const std::uint8_t> data) {
  data = data.first(std::min<std::size_t>(data.size(), 0xFF));
  GarminBytes packet;
  packet.reserve(kHeaderSize + data.size() + kTrailerSize);
  packet.push_back(kDle);
  packet.push_back(id);
  packet.push_back(static_cast<std::uint8_t>(data.size()));
  packet.insert(packet.end(), data.begin(), data.end());
  packet.push_back(PacketChecksum(id, data));
  packet.push_back(kDle);
  packet.push_back(kEtx);
  return packet;
}

GarminBytes StuffPacket(std::span<const std::uint8_t> packet) {
  GarminBytes stuffed;
  stuffed.reserve(packet.size() * 2);
  const std::size_t stuffedEnd = packet.size() >= 2 ? packet.size() - 2 : 0;
  for (std::size_t i = 0; i < packet.size(); ++i) {
    stuffed.push_back(packet[i]);
    if (i >= 2 && i < stuffedEnd && packet[i] == kDle) {
      stuffed.push_back(kDle);
    }
  }
  return stuffed;
}

std::string HexDump(std::span<const std::uint8_t> bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(bytes.size() * 4);
  for (const std::uint8_t byte : bytes) {
    text += '$';
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0x0F];
    text += ' ';
  }
  return text;
}

bool StartsWith(std::span<const std::uint8_t> packet, std::initializer_list<std::uint8_t> prefix) {
  return packet.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), packet.begin());
}

std::uint8_t PacketId(std::span<const std::uint8_t> packet) { return packet.size() > 1 ? packet[1] : 0; }

std::span<const std::uint8_t> PacketData(std::span<const std::uint8_t> packet) {
  if (packet.size() < kHeaderSize + kTrailerSize) {
    return {};
  }
  return packet.subspan(kHeaderSize, std::min<std::size_t>(packet[2], packet.size() - kHeaderSize - kTrailerSize));
}

GarminBytes CommandPacket(int kind) {
  const std::array<std::uint8_t, 2> data{CommandCode(kind), 0};
  return MakePacket(kPidCommand, data);
}

// The GPS takes any acknowledgement; this one names the command packet.
GarminBytes AckPacket() {
  const std::array<std::uint8_t, 2> data{kPidCommand, 0};
  return MakePacket(kPidAck, data);
}

GarminBytes RecordCountPacket(std::uint16_t count) {
  const std::array<std::uint8_t, 2> data{static_cast<std::uint8_t>(count & 0xFF), static_cast<std::uint8_t>(count >> 8)};
  return MakePacket(kPidRecords, data);
}

GarminBytes TransferCompletePacket(int kind) {
  const std::array<std::uint8_t, 2> data{CommandCode(kind), 0};
  return MakePacket(kPidTransferComplete, data);
}

void PacketReceiver::Append(std::span<const std::uint8_t> bytes) { held_.insert(held_.end(), bytes.begin(), bytes.end()); }

// The frame is unstuffed while it is walked, so a doubled DLE split between
// two reads is simply waited for. A lone DLE inside the frame is kept as data.
PacketReceiver::Status PacketReceiver::Take(GarminBytes& packet) {
  if (held_.empty()) {
    return Status::Incomplete;
  }
  if (held_[0] != kDle) {
    // Dropping up to the next DLE keeps the same bytes from raising the same
    // error at every call.
    const auto next = std::find(held_.begin() + 1, held_.end(), kDle);
    held_.erase(held_.begin(), next);
    return Status::SyncError;
  }
  if (held_.size() < 2) {
    return Status::Incomplete;
  }
  GarminBytes frame{held_[0], held_[1]};
  std::size_t i = 2;
  std::size_t wanted = kHeaderSize;  // grows once the size byte is known
  while (frame.size() < wanted) {
    if (i >= held_.size()) {
      return Status::Incomplete;
    }
    const std::size_t position = frame.size();
    // Size, data and checksum are stuffed; the final DLE and ETX are not.
    const bool stuffedPosition = position == 2 || (position > 2 && position + 2 < wanted);
    std::uint8_t byte = held_[i++];
    if (byte == kDle && stuffedPosition) {
      if (i >= held_.size()) {
        return Status::Incomplete;
      }
      if (held_[i] == kDle) {
        ++i;
      }
    }
    frame.push_back(byte);
    if (position == 2) {
      wanted = kHeaderSize + byte + kTrailerSize;
    }
  }
  held_.erase(held_.begin(), held_.begin() + static_cast<std::ptrdiff_t>(i));
  const std::size_t size = frame[2];
  if (PacketChecksum(frame[1], std::span(frame).subspan(kHeaderSize, size)) != frame[kHeaderSize + size]) {
    return Status::ChecksumError;
  }
  packet = std::move(frame);
  return Status::Packet;
}

}  // namespace orvex
