#include "gps/ms_comm.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
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

// What the receive handler sees: one record per OnComm.
struct Reception {
  std::vector<int> events;
  std::vector<int> counts;
  std::string bytes;
};

void Listen(TMSComm& comm, Reception& reception) {
  QObject::connect(&comm, &TMSComm::OnComm, &comm, [&comm, &reception] {
    reception.events.push_back(comm.CommEvent());
    const int count = comm.InBufferCount();
    const auto input = comm.Input();
    reception.counts.push_back(count);
    reception.bytes.append(input.begin(), input.end());
    EXPECT_EQ(static_cast<int>(input.size()), count);
  });
}

// Runs the event loop until `bytes` holds `size` bytes or the wait is over.
bool WaitForBytes(const std::string& bytes, std::size_t size) {
  QElapsedTimer timer;
  timer.start();
  while (bytes.size() < size && timer.elapsed() < kWaitMs) {
    QTest::qWait(10);
  }
  return bytes.size() == size;
}

double CpuSeconds() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

class SerialLine : public ::testing::Test {
 protected:
  void SetUp() override { comm_.SetDevicePath(kPort, pty_.SlavePath()); }

  PseudoTerminal pty_;
  TMSComm comm_;
};

TEST(TMSCommDevice, PortNumberNamesASerialDeviceUnlessOverridden) {
  TMSComm comm;
  EXPECT_EQ(comm.DevicePath(1), "/dev/ttyS0");
  EXPECT_EQ(comm.DevicePath(6), "/dev/ttyS5");
  comm.SetDevicePath(1, "/dev/ttyUSB0");
  EXPECT_EQ(comm.DevicePath(1), "/dev/ttyUSB0");
  EXPECT_EQ(comm.DevicePath(2), "/dev/ttyS1");
  comm.SetDevicePath(1, "");
  EXPECT_EQ(comm.DevicePath(1), "/dev/ttyS0");
}

TEST(TMSCommDevice, MissingDeviceGivesIoStatus1AndTheProgramGoesOn) {
  testing::TempDir dir;
  TMSComm comm;
  comm.SetDevicePath(1, (dir.path() / "ttyUSB9").string());
  EXPECT_EQ(OpenSerialPort(comm, 1, "4800,n,8,1"), kSerialPortUnavailable);
  EXPECT_FALSE(comm.PortOpen());
  EXPECT_EQ(comm.Input().size(), 0u);
  EXPECT_FALSE(comm.Output(std::vector<std::uint8_t>{1, 2}));
}

TEST_F(SerialLine, OpenSerialPortSetsThePropertiesInForce) {
  comm_.SetInputLen(5);
  comm_.SetRThreshold(0);
  comm_.SetHandshaking(kHandshakeRts);
  comm_.SetRTSEnable(true);
  ASSERT_EQ(OpenSerialPort(comm_, kPort, "4800,n,8,1"), kSerialPortOk);
  EXPECT_TRUE(comm_.PortOpen());
  EXPECT_EQ(comm_.CommPort(), kPort);
  EXPECT_EQ(comm_.Settings(), "4800,n,8,1");
  EXPECT_EQ(comm_.InputLen(), 0);
  EXPECT_EQ(comm_.OutBufferSize(), 1);
  EXPECT_EQ(comm_.InputMode(), 1);
  EXPECT_EQ(comm_.RThreshold(), 1);
  EXPECT_FALSE(comm_.RTSEnable());
  EXPECT_FALSE(comm_.DTREnable());
  EXPECT_EQ(comm_.Handshaking(), kHandshakeNone);
  const termios line = pty_.SlaveSettings();
  EXPECT_EQ(cfgetispeed(&line), B4800);
  EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_EQ(line.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
}

TEST_F(SerialLine, UnusableSettingsGiveIoStatus1) {
  EXPECT_EQ(OpenSerialPort(comm_, kPort, "9600,q,8,1"), kSerialPortUnavailable);
  EXPECT_FALSE(comm_.PortOpen());
}

TEST_F(SerialLine, BytesArriveThroughOnComm) {
  Reception reception;
  Listen(comm_, reception);
  ASSERT_EQ(OpenSerialPort(comm_, kPort, "4800,n,8,1"), kSerialPortOk);
  const std::string sentence = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n";
  std::string all;
  for (int i = 0; i < 3; ++i) {
    pty_.Write(sentence);
    all += sentence;
    ASSERT_TRUE(WaitForBytes(reception.bytes, all.size()));
  }
  pty_.Write(std::string("\x00\xFF\x10\x03", 4));
  all += std::string("\x00\xFF\x10\x03", 4);
  ASSERT_TRUE(WaitForBytes(reception.bytes, all.size()));
  EXPECT_EQ(reception.bytes, all);
  for (std::size_t i = 0; i < reception.events.size(); ++i) {
    EXPECT_EQ(reception.events[i], kComEvReceive);
    EXPECT_GT(reception.counts[i], 0);
  }
}

TEST_F(SerialLine, ClosingAndReopeningWithNewSettings) {
  Reception reception;
  Listen(comm_, reception);
  ASSERT_EQ(OpenSerialPort(comm_, kPort, "4800,n,8,1"), kSerialPortOk);
  comm_.SetPortOpen(false);
  EXPECT_FALSE(comm_.PortOpen());
  pty_.Write("lost");
  QTest::qWait(kQuietMs);
  EXPECT_TRUE(reception.events.empty());

  ASSERT_EQ(OpenSerialPort(comm_, kPort, "9600,e,7,2"), kSerialPortOk);
  EXPECT_EQ(comm_.Settings(), "9600,e,7,2");
  // A pseudo-terminal keeps 8 bits without parity whatever it is asked;
  // the rate and the stop bits show the new settings.
  const termios line = pty_.SlaveSettings();
  EXPECT_EQ(cfgetispeed(&line), B9600);
  EXPECT_EQ(line.c_cflag & CSTOPB, static_cast<tcflag_t>(CSTOPB));
  // What waited while the port was closed is not required; what comes now is.
  reception.bytes.clear();
  pty_.Write("abc");
  QElapsedTimer timer;
  timer.start();
  while (!reception.bytes.ends_with("abc") && timer.elapsed() < kWaitMs) {
    QTest::qWait(10);
  }
  EXPECT_TRUE(reception.bytes.ends_with("abc"));
}

TEST_F(SerialLine, SettingsChangeAtOnceOnAnOpenPort) {
  ASSERT_EQ(OpenSerialPort(comm_, kPort, "4800,e,7,2"), kSerialPortOk);
  EXPECT_TRUE(comm_.SetSettings("9600,n,8,1"));
  termios line = pty_.SlaveSettings();
  EXPECT_EQ(cfgetospeed(&line), B9600);
  EXPECT_EQ(line.c_cflag & CSTOPB, 0u);
  EXPECT_FALSE(comm_.SetSettings("9600,n,8"));
  EXPECT_EQ(comm_.Settings(), "9600,n,8,1");
  line = pty_.SlaveSettings();
  EXPECT_EQ(cfgetospeed(&line), B9600);
}

TEST_F(SerialLine, PortOpenedTwiceGivesIoStatus1) {
  ASSERT_EQ(OpenSerialPort(comm_, kPort, "4800,n,8,1"), kSerialPortOk);
  TMSComm second;
  second.SetDevicePath(kPort, pty_.SlavePath());
  EXPECT_EQ(OpenSerialPort(second, kPort, "4800,n,8,1"), kSerialPortUnavailable);
  EXPECT_FALSE(second.PortOpen());

  Reception reception;
  Listen(comm_, reception);
  pty_.Write("still here");
  EXPECT_TRUE(WaitForBytes(reception.bytes, 10));
}

TEST_F(SerialLine, ThresholdAndInputLength) {
  ASSERT_EQ(OpenSerialPort(comm_, kPort, "4800,n,8,1"), kSerialPortOk);
  QSignalSpy events(&comm_, &TMSComm::OnComm);
  comm_.SetRThreshold(4);
  pty_.Write("abc");
  QTest::qWait(kQuietMs);
  EXPECT_EQ(events.count(), 0);
  EXPECT_EQ(comm_.InBufferCount(), 3);
  pty_.Write("d");
  EXPECT_TRUE(events.wait(kWaitMs));

  comm_.SetRThreshold(0);
  pty_.Write("e");
  QTest::qWait(kQuietMs);
  EXPECT_EQ(events.count(), 1);
  comm_.SetInputLen(2);
  const auto first = comm_.Input();
  EXPECT_EQ(std::string(first.begin(), first.end()), "ab");
  EXPECT_EQ(comm_.InBufferCount(), 3);
  comm_.SetInputLen(0);
  const auto rest = comm_.Input();
  EXPECT_EQ(std::string(rest.begin(), rest.end()), "cde");
}

TEST_F(SerialLine, OutputReachesTheDevice) {
  ASSERT_EQ(OpenSerialPort(comm_, kPort, "9600,n,8,1"), kSerialPortOk);
  const std::vector<std::uint8_t> packet = {0x10, 0xFE, 0x00, 0x02, 0x10, 0x03};
  EXPECT_TRUE(comm_.Output(packet));
  std::string received;
  for (int tries = 0; tries < 10 && received.size() < packet.size(); ++tries) {
    QTest::qWait(10);
    received += pty_.Read(kQuietMs);
  }
  EXPECT_EQ(received, std::string(packet.begin(), packet.end()));
}

TEST_F(SerialLine, LostDeviceClosesThePortOnceWithoutSpinning) {
  ASSERT_EQ(OpenSerialPort(comm_, kPort, "4800,n,8,1"), kSerialPortOk);
  QSignalSpy lost(&comm_, &TMSComm::DeviceLost);
  pty_.CloseMaster();
  ASSERT_TRUE(lost.wait(kWaitMs));
  EXPECT_FALSE(comm_.PortOpen());
  const double cpuBefore = CpuSeconds();
  QTest::qWait(kQuietMs);
  // A port left open would keep failing its reads and burn the whole wait.
  EXPECT_LT(CpuSeconds() - cpuBefore, 0.1);
  EXPECT_EQ(lost.count(), 1);
}

}  // namespace
}  // namespace orvex
