#pragma once
// The serial communications control of the main window: named properties and
// one receive event over a QSerialPort. COM port n is the device
// /dev/ttyS(n-1) unless SetDevicePath names another one (a USB receiver, a
// pseudo-terminal).
#include <QObject>
#include <QSerialPort>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace orvex {

inline constexpr int kComEvReceive = 2;  // CommEvent: bytes were received

inline constexpr int kHandshakeNone = 0;
inline constexpr int kHandshakeXonXoff = 1;
inline constexpr int kHandshakeRts = 2;
inline constexpr int kHandshakeRtsXonXoff = 3;

inline constexpr std::int32_t kSerialPortOk = 0;
inline constexpr std::int32_t kSerialPortUnavailable = 1;  // missing, busy or unusable settings

class TMSComm : public QObject {
  Q_OBJECT

 public:
  explicit TMSComm(QObject* parent = nullptr);

  // Takes effect at the next opening.
  int CommPort() const { return commPort_; }
  void SetCommPort(int port) { commPort_ = port; }

  // Applied at once to an open port. False (and nothing changed) when the
  // text is not a settings text or an open port refuses it.
  const std::string& Settings() const { return settings_; }
  bool SetSettings(const std::string& settings);

  // 0: a read takes every waiting byte; n: at most n bytes.
  int InputLen() const { return inputLen_; }
  void SetInputLen(int length) { inputLen_ = length; }

  // Kept for the callers: the output buffer grows as needed and Input always
  // yields bytes, whatever these say.
  int OutBufferSize() const { return outBufferSize_; }
  void SetOutBufferSize(int size) { outBufferSize_ = size; }
  int InputMode() const { return inputMode_; }
  void SetInputMode(int mode) { inputMode_ = mode; }

  // OnComm fires when at least this many bytes wait; 0 turns it off.
  int RThreshold() const { return rThreshold_; }
  void SetRThreshold(int threshold) { rThreshold_ = threshold; }

  // Modem lines, applied at once to an open port; a line the device does not
  // have (a pseudo-terminal) is silently left alone.
  bool RTSEnable() const { return rtsEnable_; }
  void SetRTSEnable(bool enable);
  bool DTREnable() const { return dtrEnable_; }
  void SetDTREnable(bool enable);

  // kHandshakeNone .. kHandshakeRtsXonXoff (hardware control wins when both
  // are asked for). False for any other value.
  int Handshaking() const { return handshaking_; }
  bool SetHandshaking(int handshaking);

  bool PortOpen() const { return port_.isOpen(); }
  // Opening fails (false, port closed) when the device is missing or busy or
  // the settings cannot be used; closing always succeeds.
  bool SetPortOpen(bool open);

  int CommEvent() const { return commEvent_; }
  int InBufferCount() const;
  // Takes the waiting bytes (at most InputLen of them when it is not 0).
  std::vector<std::uint8_t> Input();
  // Writes bytes; false when the port is closed.
  bool Output(std::span<const std::uint8_t> bytes);

  void SetDevicePath(int port, std::string path);
  std::string DevicePath(int port) const;

 signals:
  void OnComm();
  // The device went away while open (USB receiver unplugged): the port has
  // been closed. Emitted once per loss.
  void DeviceLost();

 private:
  void HandleReadyRead();
  void HandleError(QSerialPort::SerialPortError error);
  bool ApplySettings();
  void ApplyModemLines();

  QSerialPort port_;
  std::map<int, std::string> devicePaths_;
  std::string settings_ = "9600,n,8,1";
  int commPort_ = 1;
  int inputLen_ = 0;
  int outBufferSize_ = 1;
  int inputMode_ = 1;
  int rThreshold_ = 1;
  bool rtsEnable_ = false;
  bool dtrEnable_ = false;
  int handshaking_ = kHandshakeNone;
  int commEvent_ = 0;
  bool losing_ = false;
};

// Sets, in this order, the port number, the settings, InputLen 0,
// OutBufferSize 1, InputMode 1, RThreshold 1, RTS and DTR off, no
// handshaking, then opens the port. Returns the IoStatus: kSerialPortOk, or
// kSerialPortUnavailable with the port closed.
std::int32_t OpenSerialPort(TMSComm& comm, int port, const std::string& settings);

}  // namespace orvex
