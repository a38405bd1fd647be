#pragma once
// A Garmin GPS played on the master side of a pseudo-terminal, from its own
// thread, as the real one answers: it acknowledges every packet, answers a
// transfer command with the record count, sends each record once the
// previous one is acknowledged and ends with "transfer complete"; on an
// upload it keeps what it is sent.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace orvex::testing {

using Bytes = std::vector<std::uint8_t>;

// The unstuffed frame of a packet, built here independently of the program.
Bytes Frame(std::uint8_t id, const Bytes& data);
Bytes TrackPointData(std::int32_t lat, std::int32_t lon, std::uint32_t time);

struct GarminScript {
  std::vector<Bytes> trackRecords;     // data of each 0x22 record
  std::vector<Bytes> waypointRecords;  // data of each 0x23 record
  int stopAfterRecords = -1;           // falls silent once this many records are sent
  int uploadAcks = -1;                 // acknowledges only this many upload packets
  bool silent = false;                 // never answers
  bool babbles = false;                // answers with NMEA sentences, without end
  int bytesPerSecond = 0;              // 0: as fast as the line goes; 960 for 9600 baud
};

class SimulatedGarmin {
 public:
  SimulatedGarmin(int masterDescriptor, GarminScript script);
  ~SimulatedGarmin();
  SimulatedGarmin(const SimulatedGarmin&) = delete;
  SimulatedGarmin& operator=(const SimulatedGarmin&) = delete;

  // Every packet the program sent, unstuffed, in order.
  std::vector<Bytes> Received() const;

 private:
  void Run();
  void Handle(const Bytes& packet);
  void Send(const Bytes& frame);
  void SendNextRecord();

  int fd_;
  GarminScript script_;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<Bytes> received_;
  const std::vector<Bytes>* sending_ = nullptr;
  std::uint8_t sendingId_ = 0;
  std::size_t next_ = 0;
  bool completeSent_ = true;
  bool muted_ = false;
  int uploadAcked_ = 0;
  std::thread thread_;
};

}  // namespace orvex::testing
