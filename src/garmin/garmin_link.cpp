#include "garmin/garmin_link.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <algorithm>
#include <limits>
#include <vector>

#include "garmin/record_store.h"
#include "garmin/track_record.h"
#include "platform/text_file.h"

namespace orvex {
namespace {

constexpr char kGarminSettings[] = "9600,n,8,1";

bool IsAck(std::span<const std::uint8_t> packet) { return StartsWith(packet, {kDle, kPidAck, 0x02}); }
bool IsEndOfDownload(std::span<const std::uint8_t> packet) {
  return StartsWith(packet, {kDle, kPidTransferComplete, 0x02});
}
bool IsRecord(std::span<const std::uint8_t> packet) {
  return !packet.empty() && PacketId(packet) >= kPidFirstRecord && PacketId(packet) <= kPidLastRecord;
}

}  // namespace

GarminLink::GarminLink(TMSComm& comm, bool& transferActive, TransferReport report, LinkTimings timings)
    : comm_(comm), transferActive_(transferActive), report_(std::move(report)), timings_(timings) {
  QObject::connect(&linkTimer_, &QTimer::timeout, [this] {
    linkTick_ = true;
    Wake();
  });
  QObject::connect(&pacingTimer_, &QTimer::timeout, [this] {
    pacingTick_ = true;
    Wake();
  });
  commConnection_ = QObject::connect(&comm_, &TMSComm::OnComm, [this] { Wake(); });
  lostConnection_ = QObject::connect(&comm_, &TMSComm::DeviceLost, [this] { Wake(); });
}

GarminLink::~GarminLink() {
  QObject::disconnect(commConnection_);
  QObject::disconnect(lostConnection_);
}

void GarminLink::List(const std::string& line) const {
  if (report_.listLine) {
    report_.listLine(line);
  }
}

void GarminLink::Status(const std::string& text) const {
  if (report_.status) {
    report_.status(text);
  }
}

void GarminLink::SendPacket(std::span<const std::uint8_t> packet) {
  const GarminBytes stuffed = StuffPacket(packet);
  List("Envoi de N=" + std::to_string(stuffed.size()) + " " + HexDump(stuffed) + (IsAck(packet) ? " Ok" : ""));
  comm_.Output(stuffed);
  if (linkTimer_.isActive()) {
    linkTick_ = false;
    linkTimer_.start();
  }
}

void GarminLink::Wake() {
  if (waiting_ != nullptr) {
    waiting_->quit();
  }
}

void GarminLink::WaitUntil(const std::function<bool()>& done) {
  while (!done()) {
    QEventLoop loop;
    waiting_ = &loop;
    loop.exec();
    waiting_ = nullptr;
  }
}

// A link-timer tick ends the wait even when bytes keep coming: a GPS that
// babbles without ever forming a packet must not hold the transfer forever.
std::optional<GarminBytes> GarminLink::ReceiveChunk() {
  WaitUntil([this] { return linkTick_ || comm_.InBufferCount() > 0; });
  if (linkTick_) {
    return std::nullopt;
  }
  GarminBytes bytes = comm_.Input();
  List("Reçu N=" + std::to_string(bytes.size()) + " " + HexDump(bytes));
  return bytes;
}

GarminLink::Received GarminLink::ReceivePacket(GarminBytes& packet) {
  for (;;) {
    GarminBytes taken;
    switch (pending_.Take(taken)) {
      case PacketReceiver::Status::Packet:
        packet = std::move(taken);
        transferResult_ = kTransferOk;
        return Received::Packet;
      case PacketReceiver::Status::SyncError:
        List("erreur synchronisation");
        packet.clear();
        return Received::Empty;
      case PacketReceiver::Status::ChecksumError:
        List("erreur de checksum");
        packet.clear();
        return Received::Empty;
      case PacketReceiver::Status::Incomplete:
        break;
    }
    const auto chunk = ReceiveChunk();
    if (!chunk) {
      return Received::TimedOut;
    }
    pending_.Append(*chunk);
  }
}

void GarminLink::WaitForPacing() {
  QElapsedTimer clock;
  clock.start();
  pacingTick_ = false;
  WaitUntil([this] { return pacingTick_; });
  pacingTime_ += std::chrono::milliseconds(clock.elapsed());
}

void GarminLink::Begin(int linkMs, bool pacing) {
  Status("Liaison en cours");
  if (report_.clearList) {
    report_.clearList();
  }
  linkTimer_.setInterval(linkMs);
  linkTimer_.start();
  linkTick_ = false;
  if (pacing) {
    pacingTimer_.setInterval(timings_.pacingMs);
    pacingTimer_.start();
  }
  comm_.SetSettings(kGarminSettings);
  pending_.Clear();
  transferActive_ = true;
  transferResult_ = kTransferOk;
  recordCount_ = 0;
  recordsRead_ = 0;
  normalEnd_ = false;
  pacingTime_ = std::chrono::milliseconds(0);
}

void GarminLink::End(bool normal) {
  normalEnd_ = normal;
  Status(normal ? kNormalEnd : kLinkError);
  linkTimer_.stop();
  pacingTimer_.stop();
  transferActive_ = false;
}

int GarminLink::Download(const std::filesystem::path& path, int kind, WaypointTable& waypoints) {
  Begin(timings_.downloadLinkMs, true);
  GarminBytes held;
  bool fileWritten = true;
  if (kind == kTransferTrack || kind == kTransferWaypoints) {
    if (kind == kTransferWaypoints) {
      waypoints.clear();
    }
    SendPacket(CommandPacket(kind));
    ReceivePacket(held);
    if (!IsAck(held)) {
      transferResult_ = kTransferNotReady;
      List("Le GPS n'est pas prêt");
    } else if (ReceivePacket(held); PacketId(held) != kPidRecords) {
      transferResult_ = kTransferNoRecords;
      List("Le GPS n'a pas renvoyé le nombre d'enregistrements");
    } else {
      const auto data = PacketData(held);
      recordCount_ = data.size() >= 2 ? data[0] | data[1] << 8 : 0;
      List("Il y a " + std::to_string(recordCount_) + " enregistrements à lire");
      fileWritten = ReceiveRecords(kind, path, waypoints, held);
    }
  }
  End(fileWritten && IsEndOfDownload(held) && recordsRead_ == recordCount_);
  return transferResult_;
}

// Steps 5 to 7 of a download; false when the track file could not be written.
bool GarminLink::ReceiveRecords(int kind, const std::filesystem::path& path, WaypointTable& waypoints,
                                GarminBytes& held) {
  RecordStore store(waypoints);
  if (kind == kTransferTrack) {
    if (const int status = store.OpenTrackFile(path); status != 0) {
      List("Erreur à l'ouverture du fichier (erreur " + std::to_string(status) + ")");
      return false;
    }
  }
  SendPacket(AckPacket());
  bool timedOut = false;
  do {
    List("Enregistrement n°" + std::to_string(recordsRead_ + 1));
    if (ReceivePacket(held) == Received::TimedOut) {
      transferResult_ = kTransferNoRecords;
      List("Timeout GPS");
      timedOut = true;
      break;
    }
    if (IsRecord(held)) {
      store.StoreRecord(held);
      SendPacket(AckPacket());
      WaitForPacing();
      ++recordsRead_;
      held.clear();
    }
  } while (!IsEndOfDownload(held) && recordsRead_ != recordCount_);
  if (!timedOut) {
    ReceivePacket(held);
    std::string line = IsEndOfDownload(held) ? "Fin correcte sur EOF " : "";
    if (recordsRead_ == recordCount_) {
      line += " Tous enregistrements transmis";
    }
    List(line);
  }
  if (const int status = store.CloseTrackFile(); status != 0) {
    List("Erreur à l'écriture du fichier (erreur " + std::to_string(status) + ")");
    return false;
  }
  return true;
}

int GarminLink::Upload(const std::filesystem::path& path, int kind) {
  normalEnd_ = false;
  transferResult_ = kTransferOk;
  std::vector<std::string> lines;
  int status = 0;
  if ((kind != kTransferTrack && kind != kTransferWaypoints) || !ReadLines(path, lines, status)) {
    List("Erreur à l'ouverture du fichier");
    Status(kLinkError);
    return transferResult_;
  }
  // The date of a downloaded track file dates its points; comment lines are
  // otherwise passed over, and so are empty lines.
  std::optional<GarminDateTime> date;
  std::vector<std::string> records;
  for (const std::string& line : lines) {
    if (line.empty() || line[0] == '/') {
      date = date ? date : TrackFileDate(line);
    } else if (records.size() < std::numeric_limits<std::uint16_t>::max()) {
      records.push_back(line);
    }
  }
  Begin(timings_.uploadLinkMs, false);
  recordCount_ = static_cast<int>(records.size());
  GarminBytes held;
  SendPacket(RecordCountPacket(static_cast<std::uint16_t>(records.size())));
  ReceivePacket(held);
  bool ready = IsAck(held);
  for (std::size_t i = 0; ready && i < records.size(); ++i) {
    SendPacket(kind == kTransferWaypoints ? WaypointPacket(records[i]) : TrackPointPacket(records[i], date, i == 0));
    held.clear();
    ReceivePacket(held);
    ready = IsAck(held);
    recordsRead_ += ready ? 1 : 0;
  }
  if (!ready) {
    transferResult_ = kTransferNotReady;
    List("Le GPS n'est pas prêt");
    End(false);
    return transferResult_;
  }
  SendPacket(TransferCompletePacket(kind));
  held.clear();
  ReceivePacket(held);
  End(StartsWith(held, {kDle, kPidAck}));
  return transferResult_;
}

}  // namespace orvex
