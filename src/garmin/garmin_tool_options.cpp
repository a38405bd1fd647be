#include "garmin/garmin_tool_options.h"

#include <QCommandLineParser>

#include "garmin/garmin_packet.h"

namespace orvex {

GarminToolCommand ParseGarminToolOptions(const QStringList& arguments, GarminToolOptions& options,
                                         std::string& message) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Transfers the track log or the waypoints between a Garmin GPS and a file.\n"
      "The packets go to standard error; the last line says how the transfer ended.\n"
      "Exit status 0 only on \"Fin normale de transmission\".");
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption port("port", "Serial device of the GPS, e.g. /dev/ttyUSB0.", "DEVICE");
  parser.addOption(port);
  parser.addPositionalArgument("DIRECTION", "download (GPS to file) or upload (file to GPS).");
  parser.addPositionalArgument("KIND", "track or waypoints.");
  parser.addPositionalArgument("FILE", "Track file (.gps) or waypoint file (.dat).");
  if (!parser.parse(arguments)) {
    message = parser.errorText().toStdString();
    return GarminToolCommand::Refused;
  }
  if (parser.isSet(help)) {
    message = parser.helpText().toStdString();
    return GarminToolCommand::Help;
  }
  if (parser.isSet(version)) {
    return GarminToolCommand::Version;
  }
  const QStringList positional = parser.positionalArguments();
  if (!parser.isSet(port) || parser.value(port).isEmpty()) {
    message = "--port DEVICE is required (see --help)";
    return GarminToolCommand::Refused;
  }
  if (positional.size() != 3 || (positional[0] != "download" && positional[0] != "upload") ||
      (positional[1] != "track" && positional[1] != "waypoints")) {
    message = "expected download|upload track|waypoints FILE (see --help)";
    return GarminToolCommand::Refused;
  }
  options.port = parser.value(port).toStdString();
  options.upload = positional[0] == "upload";
  options.kind = positional[1] == "track" ? kTransferTrack : kTransferWaypoints;
  options.file = positional[2].toStdString();
  return GarminToolCommand::Transfer;
}

}  // namespace orvex
