#include "gps/ms_comm.h"

#include <QByteArray>
#include <QMetaObject>
#include <algorithm>
#include <climits>
#include <optional>
#include <utility>

#include "gps/comm_settings.h"

namespace orvex {
namespace {

constexpr char kDefaultDevicePrefix[] = "/dev/ttyS";

QSerialPort::Parity ToQtParity(char parity) {
  switch (parity) {
    case 'E':
      return QSerialPort::EvenParity;
    case 'O':
      return QSerialPort::OddParity;
    case 'M':
      return QSerialPort::MarkParity;
    case 'S':
      return QSerialPort::SpaceParity;
    default:
      return QSerialPort::NoParity;
  }
}

QSerialPort::StopBits ToQtStopBits(StopBits stop) {
  switch (stop) {
    case StopBits::OneAndHalf:
      return QSerialPort::OneAndHalfStop;
    case StopBits::Two:
      return QSerialPort::TwoStop;
    default:
      return QSerialPort::OneStop;
  }
}

QSerialPort::FlowControl ToQtFlowControl(int handshaking) {
  switch (handshaking) {
    case kHandshakeXonXoff:
      return QSerialPort::SoftwareControl;
    case kHandshakeRts:
    case kHandshakeRtsXonXoff:
      return QSerialPort::HardwareControl;
    default:
      return QSerialPort::NoFlowControl;
  }
}

// Stored on a closed port, applied at once on an open one (false if refused).
bool ApplyCommSettings(QSerialPort& port, const CommSettings& settings) {
  bool ok = port.setBaudRate(settings.BaudRate);
  ok = port.setParity(ToQtParity(settings.Parity)) && ok;
  ok = port.setDataBits(static_cast<QSerialPort::DataBits>(settings.DataBits)) && ok;
  return port.setStopBits(ToQtStopBits(settings.Stop)) && ok;
}

}  // namespace

TMSComm::TMSComm(QObject* parent) : QObject(parent) {
  connect(&port_, &QSerialPort::readyRead, this, &TMSComm::HandleReadyRead);
  connect(&port_, &QSerialPort::errorOccurred, this, &TMSComm::HandleError);
}

bool TMSComm::SetSettings(const std::string& settings) {
  const auto parsed = ParseCommSettings(settings);
  if (!parsed) {
    return false;
  }
  if (port_.isOpen() && !ApplyCommSettings(port_, *parsed)) {
    ApplySettings();
    return false;
  }
  settings_ = settings;
  return true;
}

void TMSComm::SetRTSEnable(bool enable) {
  rtsEnable_ = enable;
  ApplyModemLines();
}

void TMSComm::SetDTREnable(bool enable) {
  dtrEnable_ = enable;
  ApplyModemLines();
}

bool TMSComm::SetHandshaking(int handshaking) {
  if (handshaking < kHandshakeNone || handshaking > kHandshakeRtsXonXoff) {
    return false;
  }
  handshaking_ = handshaking;
  port_.setFlowControl(ToQtFlowControl(handshaking));
  ApplyModemLines();
  return true;
}

bool TMSComm::SetPortOpen(bool open) {
  losing_ = false;
  if (!open) {
    port_.close();
    return true;
  }
  if (port_.isOpen()) {
    return true;
  }
  if (commPort_ < 1 || !ApplySettings()) {
    return false;
  }
  port_.setPortName(QString::fromStdString(DevicePath(commPort_)));
  port_.setFlowControl(ToQtFlowControl(handshaking_));
  if (!port_.open(QIODevice::ReadWrite)) {
    port_.clearError();
    return false;
  }
  ApplyModemLines();
  return true;
}

int TMSComm::InBufferCount() const { return static_cast<int>(std::min<qint64>(port_.bytesAvailable(), INT_MAX)); }

std::vector<std::uint8_t> TMSComm::Input() {
  if (!port_.isOpen()) {
    return {};
  }
  const qint64 waiting = port_.bytesAvailable();
  const QByteArray bytes = port_.read(inputLen_ > 0 ? std::min<qint64>(inputLen_, waiting) : waiting);
  return {bytes.begin(), bytes.end()};
}

bool TMSComm::Output(std::span<const std::uint8_t> bytes) {
  if (!port_.isOpen()) {
    return false;
  }
  const auto size = static_cast<qint64>(bytes.size());
  const bool written = port_.write(reinterpret_cast<const char*>(bytes.data()), size) == size;
  port_.flush();
  return written;
}

void TMSComm::SetDevicePath(int port, std::string path) { devicePaths_[port] = std::move(path); }

std::string TMSComm::DevicePath(int port) const {
  const auto found = devicePaths_.find(port);
  if (found != devicePaths_.end() && !found->second.empty()) {
    return found->second;
  }
  return kDefaultDevicePrefix + std::to_string(port - 1);
}

void TMSComm::HandleReadyRead() {
  if (rThreshold_ <= 0 || port_.bytesAvailable() < rThreshold_) {
    return;
  }
  commEvent_ = kComEvReceive;
  emit OnComm();
}

// A vanished device makes every later read fail at once, so the error comes
// back in a tight loop while the port stays open: close on the first one.
// The close waits for the event loop because the port is still inside its
// read when it reports the error.
void TMSComm::HandleError(QSerialPort::SerialPortError error) {
  if ((error != QSerialPort::ReadError && error != QSerialPort::ResourceError) || !port_.isOpen() || losing_) {
    return;
  }
  losing_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (!losing_) {
          return;
        }
        losing_ = false;
        port_.close();
        emit DeviceLost();
      },
      Qt::QueuedConnection);
}

bool TMSComm::ApplySettings() {
  const auto parsed = ParseCommSettings(settings_);
  return parsed && ApplyCommSettings(port_, *parsed);
}

// Pseudo-terminals have no modem lines; the refusal is of no consequence.
void TMSComm::ApplyModemLines() {
  if (!port_.isOpen()) {
    return;
  }
  if (port_.flowControl() != QSerialPort::HardwareControl) {
    port_.setRequestToSend(rtsEnable_);
  }
  port_.setDataTerminalReady(dtrEnable_);
  port_.clearError();
}

std::int32_t OpenSerialPort(TMSComm& comm, int port, const std::string& settings) {
  // Callers close the port first; one left open would keep its old number.
  comm.SetPortOpen(false);
  comm.SetCommPort(port);
  const bool settingsOk = comm.SetSettings(settings);
  comm.SetInputLen(0);
  comm.SetOutBufferSize(1);
  comm.SetInputMode(1);
  comm.SetRThreshold(1);
  comm.SetRTSEnable(false);
  comm.SetDTREnable(false);
  comm.SetHandshaking(kHandshakeNone);
  if (!settingsOk || !comm.SetPortOpen(true)) {
    return kSerialPortUnavailable;
  }
  return kSerialPortOk;
}

}  // namespace orvex
