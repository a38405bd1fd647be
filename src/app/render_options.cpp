#include "app/render_options.h"

#include <QCommandLineParser>
#include <algorithm>
#include <utility>
#include <vector>

#include "geo/coordinate_text.h"

namespace orvex {
namespace {

constexpr int kMaxPictureSide = 20000;
constexpr int kMaxZoom = 50000;
constexpr QChar kValueJoint = u'\n';  // never inside a number or a file name given on a command line

// Options followed by several values ("--centre LON LAT"). QCommandLineParser
// takes one value per option and would read a negative latitude as an option,
// so the values are joined into one before it sees them.
const std::vector<std::pair<QString, int>> kMultiValueOptions = {{"--centre", 2}, {"--profile", 5}, {"--angles", 3}};

QStringList JoinMultiValueOptions(const QStringList& arguments, std::string& error) {
  QStringList joined;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const auto multi = std::find_if(kMultiValueOptions.begin(), kMultiValueOptions.end(),
                                    [&](const auto& option) { return option.first == arguments[i]; });
    if (multi == kMultiValueOptions.end()) {
      joined << arguments[i];
      continue;
    }
    if (i + multi->second >= arguments.size()) {
      error = multi->first.toStdString() + " needs " + std::to_string(multi->second) + " values";
      return {};
    }
    joined << multi->first + "=" + arguments.mid(i + 1, multi->second).join(kValueJoint);
    i += multi->second;
  }
  return joined;
}

bool ParseSize(const std::string& text, RenderOptions& options) {
  const auto x = text.find_first_of("xX");
  int width = 0;
  int height = 0;
  if (x == std::string::npos || !ParseInteger(text.substr(0, x), width) ||
      !ParseInteger(text.substr(x + 1), height)) {
    return false;
  }
  if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide) {
    return false;
  }
  options.width = width;
  options.height = height;
  return true;
}

bool ParseCentre(const QString& value, RenderOptions& options) {
  const QStringList parts = value.split(kValueJoint);
  double lon = 0;
  double lat = 0;
  if (parts.size() != 2 || !ParseDecimal(CommaToPoint(parts[0].toStdString()), lon) ||
      !ParseDecimal(CommaToPoint(parts[1].toStdString()), lat) || lon < -180 || lon > 180 || lat < -90 || lat > 90) {
    return false;
  }
  options.centreLongitude = lon;
  options.centreLatitude = lat;
  return true;
}

constexpr double kMaxAngle = 360;

bool ParseAngles(const QString& value, RenderOptions& options) {
  const QStringList parts = value.split(kValueJoint);
  std::array<double, 3> angles{};
  if (parts.size() != 3) {
    return false;
  }
  for (qsizetype i = 0; i < parts.size(); ++i) {
    double& angle = angles[static_cast<std::size_t>(i)];
    if (!ParseDecimal(CommaToPoint(parts[i].toStdString()), angle) || angle < -kMaxAngle || angle > kMaxAngle) {
      return false;
    }
  }
  options.angles = angles;
  return true;
}

bool ParseProfile(const QString& value, RenderOptions& options) {
  const QStringList parts = value.split(kValueJoint);
  if (parts.size() != 5 || parts[4].isEmpty()) {
    return false;
  }
  double numbers[4] = {};
  for (int i = 0; i < 4; ++i) {
    if (!ParseDecimal(CommaToPoint(parts[i].toStdString()), numbers[i])) {
      return false;
    }
  }
  for (int i = 0; i < 4; i += 2) {
    if (numbers[i] < -180 || numbers[i] > 180 || numbers[i + 1] < -90 || numbers[i + 1] > 90) {
      return false;
    }
  }
  options.profile = ProfileRequest{numbers[0], numbers[1], numbers[2], numbers[3], parts[4].toStdString()};
  return true;
}

}  // namespace

RenderCommand ParseRenderOptions(const QStringList& arguments, RenderOptions& options, std::string& message) {
  QCommandLineParser parser;
  parser.setApplicationDescription("Draws the start view of an ORVEX.INI directory as a PNG picture.");
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  parser.addPositionalArgument("DIRECTORY", "Directory holding ORVEX.INI and the region data.");
  parser.addPositionalArgument("OUTPUT", "PNG file to write.");
  const QCommandLineOption size("size", "Picture size, each side 1 to 20000 (default 1280x800).", "WxH");
  const QCommandLineOption zoom("zoom", "Zoom, 1 to 50000 (default: ZoomDemarre).", "Z");
  const QCommandLineOption centre("centre", "Map centre in decimal degrees (two values).", "LON LAT");
  const QCommandLineOption angles(
      "angles", "View turned about the X, Y and Z axes in degrees (three values), as the 3D controller turns it.",
      "ALPHA BETA GAMMA");
  const QCommandLineOption globe("globe", "Globe view instead of the plane map.");
  const QCommandLineOption grid("grid", "Draw the Maidenhead locator grid.");
  const QCommandLineOption profile(
      "profile",
      "Level profile along the vector from LON1 LAT1 to LON2 LAT2 (decimal degrees): crossings and A/B on the map, "
      "the section written to PROFILE.png, the crossings west to east on standard output as CSV lines "
      "longitude,latitude,altitude (m),distance from A (km).",
      "LON1 LAT1 LON2 LAT2 PROFILE.png");
  const QCommandLineOption horizon("horizon", "Draw the visibility horizon from the view centre.");
  parser.addOptions({size, zoom, centre, angles, globe, grid, profile, horizon});
  const QCommandLineOption background(
      "background", "Draw over a scanned map (its .cor beside it), at the picture's own size and scale.", "PICTURE");
  parser.addOption(background);

  const QStringList joined = JoinMultiValueOptions(arguments, message);
  if (joined.isEmpty()) {
    return RenderCommand::Refused;
  }
  if (!parser.parse(joined)) {
    message = parser.errorText().toStdString();
    return RenderCommand::Refused;
  }
  if (parser.isSet(help)) {
    message = parser.helpText().toStdString();
    return RenderCommand::Help;
  }
  if (parser.isSet(version)) {
    return RenderCommand::Version;
  }
  if (parser.isSet(size) && !ParseSize(parser.value(size).toStdString(), options)) {
    message = "--size needs WIDTHxHEIGHT, each 1.." + std::to_string(kMaxPictureSide);
    return RenderCommand::Refused;
  }
  if (parser.isSet(zoom)) {
    int value = 0;
    if (!ParseInteger(parser.value(zoom).toStdString(), value) || value < 1 || value > kMaxZoom) {
      message = "--zoom needs a whole number from 1 to " + std::to_string(kMaxZoom);
      return RenderCommand::Refused;
    }
    options.zoom = value;
  }
  if (parser.isSet(centre) && !ParseCentre(parser.value(centre), options)) {
    message = "--centre needs a longitude (-180..180) and a latitude (-90..90) in decimal degrees";
    return RenderCommand::Refused;
  }
  if (parser.isSet(angles) && !ParseAngles(parser.value(angles), options)) {
    message = "--angles needs three angles in degrees, each -360..360";
    return RenderCommand::Refused;
  }
  if (parser.isSet(profile) && !ParseProfile(parser.value(profile), options)) {
    message = "--profile needs LON1 LAT1 LON2 LAT2 (-180..180, -90..90, decimal degrees) and a PNG file name";
    return RenderCommand::Refused;
  }
  options.horizon = parser.isSet(horizon);
  options.globe = parser.isSet(globe);
  options.grid = parser.isSet(grid);
  if (parser.isSet(background)) {
    // The picture and its corners fix the size, the scale and the centre.
    // A scanned map is never turned: the 3D commands are off over it.
    if (parser.isSet(size) || parser.isSet(zoom) || parser.isSet(centre) || options.globe || options.angles) {
      message = "--background cannot be combined with --size, --zoom, --centre, --globe or --angles";
      return RenderCommand::Refused;
    }
    options.background = parser.value(background).toStdString();
  }
  const QStringList positional = parser.positionalArguments();
  if (positional.size() != 2) {
    message = "expected DIRECTORY and OUTPUT.png (see --help)";
    return RenderCommand::Refused;
  }
  options.directory = positional[0].toStdString();
  options.output = positional[1].toStdString();
  return RenderCommand::Render;
}

}  // namespace orvex
