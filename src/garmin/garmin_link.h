#pragma once
// The Garmin packet link over the serial control: sending, receiving with
// the link timer, and the download and upload procedures with the lines they
// list. The waits run the event loop, so the window stays responsive and the
// timers tick; the serial line's own receive handler stands aside while
// `transferActive` is set.
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "garmin/garmin_packet.h"
#include "garmin/waypoint_table.h"
#include "gps/ms_comm.h"

class QEventLoop;

namespace orvex {

// TransferResult values.
inline constexpr int kTransferOk = 0;
inline constexpr int kTransferNotReady = 3;
inline constexpr int kTransferNoRecords = 4;  // no record count, or a time-out

inline constexpr char kNormalEnd[] = "Fin normale de transmission";
inline constexpr char kLinkError[] = "Erreur de liaison";

// Where a transfer reports: the dialog's list box and status label, or
// standard error for the command-line tool. Texts are UTF-8.
struct TransferReport {
  std::function<void(const std::string&)> listLine;
  std::function<void()> clearList;
  std::function<void(const std::string&)> status;
};

struct LinkTimings {
  int downloadLinkMs = 1000;
  int uploadLinkMs = 3000;
  int pacingMs = 150;
};

class GarminLink {
 public:
  GarminLink(TMSComm& comm, bool& transferActive, TransferReport report, LinkTimings timings = {});
  ~GarminLink();
  GarminLink(const GarminLink&) = delete;
  GarminLink& operator=(const GarminLink&) = delete;

  // Stuffs, lists and writes one packet; every packet sent restarts the link
  // timer, so a wait ends one period after the last thing the program said.
  void SendPacket(std::span<const std::uint8_t> packet);

  enum class Received { Packet, Empty, TimedOut };
  // Packet: `packet` holds a whole packet with a correct checksum. Empty: a
  // synchronisation or checksum error was listed and `packet` emptied.
  // TimedOut: the link timer ticked first; `packet` is left as it was.
  Received ReceivePacket(GarminBytes& packet);

  // kind is kTransferTrack (the track log, into the track file at `path`)
  // or kTransferWaypoints (into `waypoints`, emptied first). Returns the
  // TransferResult.
  int Download(const std::filesystem::path& path, int kind, WaypointTable& waypoints);
  // Sends the data lines of the trace or waypoint file at `path`.
  int Upload(const std::filesystem::path& path, int kind);

  // Whether the last transfer ended with "Fin normale de transmission".
  bool NormalEnd() const { return normalEnd_; }
  int RecordCount() const { return recordCount_; }
  // Time the last download spent waiting for the pacing timer.
  std::chrono::milliseconds PacingTime() const { return pacingTime_; }

 private:
  void List(const std::string& line) const;
  void Status(const std::string& text) const;
  void Begin(int linkMs, bool pacing);
  void End(bool normal);
  std::optional<GarminBytes> ReceiveChunk();
  void WaitUntil(const std::function<bool()>& done);
  void WaitForPacing();
  void Wake();
  bool ReceiveRecords(int kind, const std::filesystem::path& path, WaypointTable& waypoints, GarminBytes& held);

  TMSComm& comm_;
  bool& transferActive_;
  TransferReport report_;
  LinkTimings timings_;
  QTimer linkTimer_;
  QTimer pacingTimer_;
  QEventLoop* waiting_ = nullptr;
  bool linkTick_ = false;
  bool pacingTick_ = false;
  PacketReceiver pending_;
  int transferResult_ = kTransferOk;
  int recordCount_ = 0;
  int recordsRead_ = 0;
  bool normalEnd_ = false;
  std::chrono::milliseconds pacingTime_{0};
  QMetaObject::Connection commConnection_;
  QMetaObject::Connection lostConnection_;
};

}  // namespace orvex
