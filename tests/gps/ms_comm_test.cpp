#include "gps/ms_comm.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "support/pseudo_terminal.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

using testing::PseudoTerminal;

constexpr int kPort = 2;
constexpr int kWaitMs = 3000;
constexpr int kQuietMs = 300;

// Runs the event loop until `done` or the wait is over.
bool WaitUntil(const std::function<bool()>& done) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < kWaitMs) {
    QTest::qWait(10);
  }
  return done();
}

class SerialLine : public ::testing::Test {
 protected:
  void SetUp() override { comm_.SetDevicePath(kPort, pty_.SlavePath()); }

  // What the receive handler sees: the event and the bytes of each OnComm.
  void Listen() {
    QObject::connect(&comm_, &TMSComm::OnComm, &comm_, [this] {
      events_.push_back(comm_.CommEvent());
      const int count = comm_.InBufferCount();
      const auto input = comm_.Input();
      EXPECT_GT(count, 0);
      EXPECT_EQ(static_cast<int>(input.size()), count);
      received_.append(input.begin(), input.end());
    });
  }

  PseudoTerminal pty_;
  TMSComm comm_;
  std::vector<int> events_;
  std::string received_;
};

TEST(TMSCommDevice, MissingDeviceGivesIoStatus1AndTheProgramGoesOn) {
  testing::TempDir dir;
  TMSComm comm;
  EXPECT_EQ(comm.DevicePath(6), "/dev/ttyS5");  // COM6 unless the configuration names another device
  comm.SetDevicePath(1, (dir.path() / "ttyUSB9").string());
  EXPECT_EQ(OpenSerialPort(comm, 1, "4800,n,8,1"), kSerialPortUnavailable);
  EXPECT_FALSE(comm.PortOpen());
  EXPECT_EQ(comm.Input().size(), 0u);
  EXPECT_FALSE(comm.Output(std::vector<std::uint8_t>{1, 2}));
}

// Whatever was set before, the receive handler gets one event per arrival
// with every byte waiting, no handshake lines are driven, and no second
// control can take the line.
TEST_F(SerialLine, OpenLineIsSetUpExclusiveAndCarriesBytesBothWays) {
  EXPECT_EQ(OpenSerialPort(comm_, kPort, "9600,q,8,1"), kSerialPortUnavailable);
  EXPECT_FALSE(comm_.PortOpen());
  comm_.SetInputLen(5);
  comm_.SetRThreshold(0);
  comm_.SetHandshaking(kHandshakeRts);
  Listen();
  ASSERT_EQ(OpenSerialPort(comm_, kPort, "4800,n,8,1"), kSerialPortOk);
  EXPECT_TRUE(comm_.PortOpen());
  EXPECT_EQ(comm_.Handshaking(), kHandshakeNone);
  const termios line = pty_.SlaveSettings();
  EXPECT_EQ(cfgetispeed(&line), B4800);
  EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_EQ(line.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
  TMSComm second;
  second.SetDevicePath(kPort, pty_.SlavePath());
  EXPECT_EQ(OpenSerialPort(second, kPort, "4800,n,8,1"), kSerialPortUnavailable);
  EXPECT_FALSE(second.PortOpen());

  const std::string sentence = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n";
  std::string all;
  for (const std::string& bytes : {sentence, sentence, sentence, std::string("\x00\xFF\x10\x03", 4)}) {
    pty_.Write(bytes);
    all += bytes;
    ASSERT_TRUE(WaitUntil([&] { return received_.size() >= all.size(); }));
  }
  EXPECT_EQ(received_, all);
  EXPECT_EQ(events_, std::vector<int>(events_.size(), kComEvReceive));

  const std::vector<std::uint8_t> packet = {0x10, 0xFE, 0x00, 0x02, 0x10, 0x03};
  EXPECT_TRUE(comm_.Output(packet));
  std::string sent;
  for (int tries = 0; tries < 10 && sent.size() < packet.size(); ++tries) {
    QTest::qWait(10);
    sent += pty_.Read(kQuietMs);
  }
  EXPECT_EQ(sent, std::string(packet.begin(), packet.end()));
}

TEST_F(SerialLine, ClosingAndReopeningWithNewSettings) {
  Listen();
  ASSERT_EQ(OpenSerialPort(comm_, kPort, "4800,n,8,1"), kSerialPortOk);
  comm_.SetPortOpen(false);
  EXPECT_FALSE(comm_.PortOpen());
  pty_.Write("lost");
  QTest::qWait(kQuietMs);
  EXPECT_TRUE(events_.empty());

  ASSERT_EQ(OpenSerialPort(comm_, kPort, "9600,e,7,2"), kSerialPortOk);
  EXPECT_EQ(comm_.Settings(), "9600,e,7,2");
  // A pseudo-terminal keeps 8 bits without parity whatever it is asked;
  // the rate and the stop bits show the new settings.
  const termios line = pty_.SlaveSettings();
  EXPECT_EQ(cfgetispeed(&line), B9600);
  EXPECT_EQ(line.c_cflag & CSTOPB, static_cast<tcflag_t>(CSTOPB));
  // What waited while the port was closed is not required; what comes now is.
  pty_.Write("abc");
  EXPECT_TRUE(WaitUntil([this] { return received_.ends_with("abc"); }));
}

TEST_F(SerialLine, LostDeviceClosesThePortOnceWithoutSpinning) {
  ASSERT_EQ(OpenSerialPort(comm_, kPort, "4800,n,8,1"), kSerialPortOk);
  QSignalSpy lost(&comm_, &TMSComm::DeviceLost);
  pty_.CloseMaster();
  ASSERT_TRUE(lost.wait(kWaitMs));
  EXPECT_FALSE(comm_.PortOpen());
  const std::clock_t cpuBefore = std::clock();
  QTest::qWait(kQuietMs);
  // A port left open would keep failing its reads and burn the whole wait.
  EXPECT_LT(static_cast<double>(std::clock() - cpuBefore) / CLOCKS_PER_SEC, 0.1);
  EXPECT_EQ(lost.count(), 1);
}

}  // namespace
}  // namespace orvex
