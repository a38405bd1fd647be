#include "garmin/simulated_garmin.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace orvex::testing {
namespace {

constexpr std::uint8_t kDle = 0x10;
constexpr std::uint8_t kEtx = 0x03;
constexpr char kNmea[] = "$GPGGA,120000,4936.000,N,00607.000,E,1,05,1.0,300.0,M,,,,*00\r\n";

void AppendInt(Bytes& data, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) {
    data.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }
}

// Cuts the whole frames out of `raw`: DLE, identifier, then bytes up to an
// unpaired DLE followed by ETX, doubled DLEs made single. An unfinished frame
// stays in `raw`.
std::vector<Bytes> CutFrames(Bytes& raw) {
  std::vector<Bytes> frames;
  std::size_t consumed = 0;
  for (std::size_t start = 0; start < raw.size();) {
    if (raw[start] != kDle) {
      consumed = ++start;
      continue;
    }
    Bytes frame{kDle};
    std::size_t i = start + 1;
    bool whole = false;
    while (i < raw.size()) {
      if (raw[i] != kDle || frame.size() < 2) {  // the identifier is never doubled
        frame.push_back(raw[i++]);
        continue;
      }
      if (i + 1 >= raw.size()) {
        break;
      }
      if (raw[i + 1] == kEtx) {
        frame.insert(frame.end(), {kDle, kEtx});
        i += 2;
        whole = true;
        break;
      }
      frame.push_back(kDle);
      i += raw[i + 1] == kDle ? 2 : 1;
    }
    if (!whole) {
      break;
    }
    frames.push_back(frame);
    start = consumed = i;
  }
  raw.erase(raw.begin(), raw.begin() + static_cast<std::ptrdiff_t>(consumed));
  return frames;
}

}  // namespace

Bytes Frame(std::uint8_t id, const Bytes& data) {
  Bytes frame{kDle, id, static_cast<std::uint8_t>(data.size())};
  unsigned sum = id + static_cast<unsigned>(data.size());
  for (const std::uint8_t b : data) {
    sum += b;
    frame.push_back(b);
  }
  frame.push_back(static_cast<std::uint8_t>(-sum));
  frame.push_back(kDle);
  frame.push_back(kEtx);
  return frame;
}

Bytes TrackPointData(std::int32_t lat, std::int32_t lon, std::uint32_t time) {
  Bytes data;
  AppendInt(data, static_cast<std::uint32_t>(lat));
  AppendInt(data, static_cast<std::uint32_t>(lon));
  AppendInt(data, time);
  data.push_back(0);
  return data;
}

SimulatedGarmin::SimulatedGarmin(int masterDescriptor, GarminScript script)
    : fd_(masterDescriptor), script_(std::move(script)), thread_([this] { Run(); }) {}

SimulatedGarmin::~SimulatedGarmin() {
  stop_ = true;
  thread_.join();
}

std::vector<Bytes> SimulatedGarmin::Received() const {
  std::lock_guard lock(mutex_);
  return received_;
}

void SimulatedGarmin::Run() {
  Bytes pending;
  bool babbling = false;
  while (!stop_) {
    pollfd wanted{fd_, POLLIN, 0};
    if (::poll(&wanted, 1, 10) > 0) {
      std::uint8_t chunk[512];
      for (ssize_t n = ::read(fd_, chunk, sizeof chunk); n > 0; n = ::read(fd_, chunk, sizeof chunk)) {
        pending.insert(pending.end(), chunk, chunk + n);
      }
    }
    for (const Bytes& packet : CutFrames(pending)) {
      {
        std::lock_guard lock(mutex_);
        received_.push_back(packet);
      }
      babbling = babbling || script_.babbles;
      if (!script_.silent && !script_.babbles) {
        Handle(packet);
      }
    }
    if (babbling) {
      Send(Bytes(kNmea, kNmea + sizeof kNmea - 1));
    }
  }
}

void SimulatedGarmin::Send(const Bytes& frame) {
  Bytes wire;
  for (std::size_t i = 0; i < frame.size(); ++i) {
    wire.push_back(frame[i]);
    if (frame[i] == kDle && i >= 2 && i + 2 < frame.size()) {
      wire.push_back(kDle);
    }
  }
  std::size_t done = 0;
  while (done < wire.size() && !stop_) {
    const ssize_t n = ::write(fd_, wire.data() + done, wire.size() - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else if (n < 0 && errno != EAGAIN) {
      return;
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }
  if (script_.bytesPerSecond > 0) {
    std::this_thread::sleep_for(std::chrono::microseconds(1'000'000 * wire.size() / script_.bytesPerSecond));
  }
}

void SimulatedGarmin::SendNextRecord() {
  const int sent = static_cast<int>(next_);
  if (script_.stopAfterRecords >= 0 && sent >= script_.stopAfterRecords) {
    muted_ = true;
    return;
  }
  if (next_ < sending_->size()) {
    Send(Frame(sendingId_, (*sending_)[next_++]));
  } else if (!completeSent_) {
    completeSent_ = true;
    Send(Frame(0x0C, {static_cast<std::uint8_t>(sendingId_ == 0x22 ? 0x06 : 0x07), 0}));
  }
}

void SimulatedGarmin::Handle(const Bytes& packet) {
  if (muted_ || packet.size() < 6) {
    return;
  }
  const std::uint8_t id = packet[1];
  const auto ack = [this](std::uint8_t what) { Send(Frame(0x06, {what, 0})); };
  switch (id) {
    case 0x0A: {  // a transfer command: 06 00 the track log, 07 00 the waypoints
      const bool track = packet[3] == 0x06;
      sending_ = track ? &script_.trackRecords : &script_.waypointRecords;
      sendingId_ = track ? 0x22 : 0x23;
      next_ = 0;
      completeSent_ = false;
      ack(id);
      const auto count = static_cast<std::uint16_t>(sending_->size());
      Send(Frame(0x1B, {static_cast<std::uint8_t>(count & 0xFF), static_cast<std::uint8_t>(count >> 8)}));
      break;
    }
    case 0x06:
      if (sending_ != nullptr) {
        SendNextRecord();
      }
      break;
    case 0xFE: {  // product request, as GPSBabel starts: a GPS 12, which keeps D300 track points
      ack(id);
      Bytes product = {77, 0, 0xCC, 0x01};
      const std::string description = "GPS 12 Software Version 4.60";
      product.insert(product.end(), description.begin(), description.end());
      product.push_back(0);
      Send(Frame(0xFF, product));
      break;
    }
    default:  // an upload: the record count, the records, the end
      if (script_.uploadAcks >= 0 && uploadAcked_ >= script_.uploadAcks) {
        muted_ = true;
        return;
      }
      ++uploadAcked_;
      ack(id);
      break;
  }
}

}  // namespace orvex::testing
