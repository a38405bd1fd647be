// orvex-garmin: the Garmin transfers of the program from a shell, through the
// same link and record code as its dialog. Every list line goes to standard
// error; the last one is how the transfer ended.
#include <QCoreApplication>
#include <cstdio>

#include "garmin/garmin_link.h"
#include "garmin/garmin_tool_options.h"
#include "garmin/waypoint_table.h"
#include "gps/ms_comm.h"
#include "platform/atomic_file.h"
#include "platform/dialogs.h"

namespace {

constexpr int kPortNumber = 1;
constexpr char kGarminSettings[] = "9600,n,8,1";

int Transfer(const orvex::GarminToolOptions& options) {
  orvex::TMSComm comm;
  comm.SetDevicePath(kPortNumber, options.port);
  if (orvex::OpenSerialPort(comm, kPortNumber, kGarminSettings) != orvex::kSerialPortOk) {
    orvex::EchoLine("orvex-garmin: " + options.port + ": cannot open the serial port");
    orvex::EchoLine(orvex::kLinkError);
    return 1;
  }
  bool transferActive = false;
  orvex::TransferReport report{orvex::EchoLine, nullptr, orvex::EchoLine};
  orvex::GarminLink link(comm, transferActive, report);
  orvex::WaypointTable waypoints;
  if (options.upload) {
    link.Upload(options.file, options.kind);
  } else {
    link.Download(options.file, options.kind, waypoints);
  }
  comm.SetPortOpen(false);
  if (!link.NormalEnd()) {
    return 1;
  }
  if (!options.upload && options.kind == orvex::kTransferWaypoints) {
    if (const int status = orvex::WriteFileAtomically(options.file, orvex::WaypointFileText(waypoints));
        status != 0) {
      orvex::EchoLine("orvex-garmin: " + options.file + ": not written (error " + std::to_string(status) + ")");
      return 1;
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationVersion(ORVEX_VERSION);
  orvex::GarminToolOptions options;
  std::string message;
  switch (orvex::ParseGarminToolOptions(QCoreApplication::arguments(), options, message)) {
    case orvex::GarminToolCommand::Help:
      std::fputs(message.c_str(), stdout);
      return 0;
    case orvex::GarminToolCommand::Version:
      std::printf("orvex-garmin %s\n", ORVEX_VERSION);
      return 0;
    case orvex::GarminToolCommand::Refused:
      orvex::EchoLine("orvex-garmin: " + message);
      return 2;
    case orvex::GarminToolCommand::Transfer:
      break;
  }
  return Transfer(options);
}
