#include "garmin/garmin_packet.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "support/temp_dir.h"

namespace orvex {
namespace {

using Status = PacketReceiver::Status;

TEST(GarminPacket, FixedPacketsAndDump) {
  const std::pair<GarminBytes, GarminBytes> cases[] = {
      {CommandPacket(kTransferTrack), {0x10, 0x0A, 0x02, 0x06, 0x00, 0xEE, 0x10, 0x03}},
      {CommandPacket(kTransferWaypoints), {0x10, 0x0A, 0x02, 0x07, 0x00, 0xED, 0x10, 0x03}},
      {AckPacket(), {0x10, 0x06, 0x02, 0x0A, 0x00, 0xEE, 0x10, 0x03}},
      {TransferCompletePacket(kTransferTrack), {0x10, 0x0C, 0x02, 0x06, 0x00, 0xEC, 0x10, 0x03}},
      {TransferCompletePacket(kTransferWaypoints), {0x10, 0x0C, 0x02, 0x07, 0x00, 0xEB, 0x10, 0x03}},
      {RecordCountPacket(0x0203), {0x10, 0x1B, 0x02, 0x03, 0x02, 0xDE, 0x10, 0x03}},
  };
  for (const auto& [packet, expected] : cases) {
    EXPECT_EQ(packet, expected) << HexDump(expected);
  }
  EXPECT_EQ(HexDump(AckPacket()), "$10 $06 $02 $0A $00 $EE $10 $03 ");
}

// Stuffing doubles 0x10 in size, data and checksum only; the receiver gives
// back the same packet whatever the reads it arrives in.
TEST(GarminPacket, StuffedBytesTravelDoubledAndComeBackSingle) {
  GarminBytes sixteen(16, 0x41);
  sixteen[3] = 0x10;
  struct Case {
    GarminBytes packet;
    std::size_t stuffedSize;
  };
  const Case cases[] = {
      {MakePacket(0x22, GarminBytes{0x10, 0x01}), 9},   // a data byte 0x10
      {MakePacket(0x22, sixteen), 24},                  // size 16 and one data byte 0x10
      {MakePacket(0x10, GarminBytes{0x00}), 7},         // an identifier 0x10 stays single
      {MakePacket(0x23, GarminBytes{0xCC}), 7 + 1},     // checksum 0x10
  };
  for (const Case& c : cases) {
    const GarminBytes stuffed = StuffPacket(c.packet);
    EXPECT_EQ(stuffed.size(), c.stuffedSize) << HexDump(stuffed);
    // Every cut of the stuffed bytes into two reads, a doubled DLE split too.
    for (std::size_t cut = 0; cut <= stuffed.size(); ++cut) {
      PacketReceiver receiver;
      GarminBytes packet;
      receiver.Append(std::span(stuffed).first(cut));
      if (cut < stuffed.size()) {
        ASSERT_EQ(receiver.Take(packet), Status::Incomplete) << HexDump(stuffed) << " cut " << cut;
      }
      receiver.Append(std::span(stuffed).subspan(cut));
      ASSERT_EQ(receiver.Take(packet), Status::Packet) << HexDump(stuffed) << " cut " << cut;
      EXPECT_EQ(packet, c.packet);
      EXPECT_TRUE(receiver.Held().empty());
    }
  }
}

TEST(GarminPacket, ErrorsDropWhatTheyReport) {
  GarminBytes bad = AckPacket();
  bad[5] ^= 1;
  const GarminBytes ack = AckPacket();
  struct Case {
    std::string name;
    GarminBytes bytes;
    std::vector<Status> statuses;  // successive Take results
  };
  const std::string nmea = "$GPGGA,1*00\r\n";
  GarminBytes noiseThenAck(nmea.begin(), nmea.end());
  noiseThenAck.insert(noiseThenAck.end(), ack.begin(), ack.end());
  GarminBytes badThenAck = bad;
  badThenAck.insert(badThenAck.end(), ack.begin(), ack.end());
  const Case cases[] = {
      {"noise before a packet", noiseThenAck, {Status::SyncError, Status::Packet, Status::Incomplete}},
      {"noise alone", GarminBytes(nmea.begin(), nmea.end()), {Status::SyncError, Status::Incomplete}},
      {"wrong checksum", badThenAck, {Status::ChecksumError, Status::Packet, Status::Incomplete}},
      {"announced length never arrives", {0x10, 0x22, 0xFF, 0x01}, {Status::Incomplete, Status::Incomplete}},
  };
  for (const Case& c : cases) {
    PacketReceiver receiver;
    receiver.Append(c.bytes);
    for (const Status expected : c.statuses) {
      GarminBytes packet;
      EXPECT_EQ(receiver.Take(packet), expected) << c.name;
      if (expected == Status::Packet) {
        EXPECT_EQ(packet, ack) << c.name;
      }
    }
  }
}

// A real capture from a Garmin receiver: every frame unstuffs to the size
// and checksum recorded beside it.
TEST(GarminPacket, RealCaptureFramesUnstuffWithValidChecksums) {
  const auto folder = testing::SharedDataDir() / "garmin";
  std::ifstream raw(folder / "garmin18x-bin.raw", std::ios::binary);
  std::ifstream table(folder / "garmin18x_packets.csv");
  if (!raw || !table) {
    GTEST_SKIP() << "no Garmin capture in " << folder;
  }
  PacketReceiver receiver;
  receiver.Append(GarminBytes(std::istreambuf_iterator<char>(raw), {}));
  std::string line;
  std::getline(table, line);
  int frames = 0;
  while (std::getline(table, line)) {
    std::stringstream fields(line);
    std::string index, offset, length, id, size, checksum;
    std::getline(fields, index, ',');
    std::getline(fields, offset, ',');
    std::getline(fields, length, ',');
    std::getline(fields, id, ',');
    std::getline(fields, size, ',');
    std::getline(fields, checksum, ',');
    GarminBytes packet;
    ASSERT_EQ(receiver.Take(packet), Status::Packet) << "frame " << index;
    EXPECT_EQ(PacketId(packet), std::stoi(id, nullptr, 16)) << "frame " << index;
    EXPECT_EQ(PacketData(packet).size(), std::stoul(size)) << "frame " << index;
    EXPECT_EQ(packet[packet.size() - 3], std::stoi(checksum, nullptr, 16)) << "frame " << index;
    EXPECT_EQ(StuffPacket(packet).size(), std::stoul(length)) << "frame " << index;
    ++frames;
  }
  EXPECT_EQ(frames, 58);
}

}  // namespace
}  // namespace orvex
