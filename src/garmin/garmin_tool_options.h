#pragma once
// Command line of orvex-garmin, the shell face of the Garmin transfers:
//   orvex-garmin --port DEVICE download|upload track|waypoints FILE
#include <QStringList>
#include <string>

namespace orvex {

struct GarminToolOptions {
  std::string port;  // serial device path
  bool upload = false;
  int kind = 0;      // kTransferTrack or kTransferWaypoints
  std::string file;
};

enum class GarminToolCommand { Transfer, Help, Version, Refused };

// `arguments` as the program got them, its own name first. Help gives the
// usage text in `message`, Refused the reason.
GarminToolCommand ParseGarminToolOptions(const QStringList& arguments, GarminToolOptions& options,
                                         std::string& message);

}  // namespace orvex
