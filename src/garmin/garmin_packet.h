#pragma once
// Garmin serial packets: DLE, identifier, size, data, checksum, DLE, ETX.
// Every 0x10 among size, data and checksum travels twice on the wire. Packets
// are kept here in their unstuffed form; stuffing happens on the way out and
// PacketReceiver undoes it on the way in. No Qt, no serial port.
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

namespace orvex {

using GarminBytes = std::vector<std::uint8_t>;

inline constexpr std::uint8_t kDle = 0x10;
inline constexpr std::uint8_t kEtx = 0x03;

inline constexpr std::uint8_t kPidAck = 0x06;
inline constexpr std::uint8_t kPidCommand = 0x0A;
inline constexpr std::uint8_t kPidTransferComplete = 0x0C;
inline constexpr std::uint8_t kPidRecords = 0x1B;
inline constexpr std::uint8_t kPidTrackPoint = 0x22;
inline constexpr std::uint8_t kPidWaypoint = 0x23;
inline constexpr std::uint8_t kPidFirstRecord = 0x20;
inline constexpr std::uint8_t kPidLastRecord = 0x2F;

// What is transferred: the track log or the waypoints.
inline constexpr int kTransferTrack = 1;
inline constexpr int kTransferWaypoints = 2;

// Two's complement of the sum of identifier, size and data, modulo 256.
std::uint8_t PacketChecksum(std::uint8_t id, std::span<const std::uint8_t> data);
// The unstuffed packet; at most 255 data bytes are taken.
GarminBytes MakePacket(std::uint8_t id, std::span<const std::uint8_t> data);
// Doubles every 0x10 from the size byte through the checksum.
GarminBytes StuffPacket(std::span<const std::uint8_t> packet);
// "$10 $06 " ...: each byte as "$", two upper-case hexadecimal digits, a space.
std::string HexDump(std::span<const std::uint8_t> bytes);
bool StartsWith(std::span<const std::uint8_t> packet, std::initializer_list<std::uint8_t> prefix);
// The identifier and data of a packet that is at least a header.
std::uint8_t PacketId(std::span<const std::uint8_t> packet);
std::span<const std::uint8_t> PacketData(std::span<const std::uint8_t> packet);

// The fixed packets of a transfer; `kind` is kTransferTrack or kTransferWaypoints.
GarminBytes CommandPacket(int kind);
GarminBytes AckPacket();
GarminBytes RecordCountPacket(std::uint16_t count);
GarminBytes TransferCompletePacket(int kind);

// Cuts packets out of the bytes received so far.
class PacketReceiver {
 public:
  enum class Status {
    Packet,         // a whole packet with a correct checksum was taken
    Incomplete,     // more bytes are needed; nothing was taken
    SyncError,      // the bytes did not start with DLE: they were dropped up to the next DLE
    ChecksumError,  // a whole frame with a wrong checksum was taken and dropped
  };

  void Append(std::span<const std::uint8_t> bytes);
  Status Take(GarminBytes& packet);
  const GarminBytes& Held() const { return held_; }
  void Clear() { held_.clear(); }

 private:
  GarminBytes held_;
};

}  // namespace orvex
