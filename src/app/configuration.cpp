#include "app/configuration.h"

#include <algorithm>
#include <cmath>

#include "geo/coordinate_text.h"
#include "platform/text_file.h"

namespace orvex {
namespace {

bool DecodeInteger(const std::string& value, int& out, DecodeFailure& failure) {
  if (!ParseInteger(value, out)) {
    failure.text = value;
    return false;
  }
  return true;
}

bool DecodeBoundedInteger(const std::string& value, int maximum, int& out, DecodeFailure& failure) {
  if (!DecodeInteger(value, out, failure) || out > maximum) {
    failure.text = value;
    return false;
  }
  return true;
}

// A position off the globe is refused like any other bad value: the map
// would be centred nowhere and the distances make no sense.
bool DecodeCoordinate(const std::string& value, double limit, double& out, DecodeFailure& failure) {
  out = TextToCoordinate(value);
  if (std::fabs(out) <= limit) {
    return true;
  }
  failure.text = value;
  return false;
}

// "COM" + digit + ":" + baud + "," + parity + "," + data bits + "," + stop bits.
// On failure `s` holds what was not yet consumed.
bool DecodeSerialLine(std::string s, Configuration& config, DecodeFailure& failure) {
  auto fail = [&] {
    failure.text = s;
    return false;
  };
  std::size_t p = s.find(':');
  if (p == std::string::npos || s.size() < 4) {
    return fail();
  }
  const int port = s[3] - '0';
  if (port < 0 || port > 4) {
    return fail();
  }
  config.PortGPS = port;
  s.erase(0, p + 1);

  p = s.find(',');
  if (p == std::string::npos) {
    return fail();
  }
  const std::string baudText = s.substr(0, p);
  s.erase(0, p + 1);
  int baud = 0;
  if (!ParseInteger(baudText, baud)) {
    return fail();
  }
  const auto rate = std::find(TableVitesses.begin() + 1, TableVitesses.end(), baud);
  if (rate == TableVitesses.end()) {
    return fail();
  }
  config.IndexVitesse = static_cast<int>(rate - TableVitesses.begin());

  p = s.find(',');
  if (p == std::string::npos || s.empty()) {
    return fail();
  }
  const char parity = UpperText(s.substr(0, 1))[0];
  config.IndexParite = parity == 'N' ? 1 : parity == 'E' ? 2 : parity == 'O' ? 3 : 0;
  if (config.IndexParite == 0) {
    return fail();
  }
  s.erase(0, p + 1);

  p = s.find(',');
  const char bits = s.empty() ? '\0' : s[0];
  config.IndexBits = bits == '5' ? 1 : bits == '7' ? 2 : bits == '8' ? 3 : 0;
  if (config.IndexBits == 0) {
    return fail();
  }
  s.erase(0, p == std::string::npos ? 0 : p + 1);

  const char stop = s.empty() ? '\0' : s[0];
  config.BitsStop = stop == '1' ? 1 : stop == '2' ? 2 : 0;
  return config.BitsStop != 0 || fail();
}

void DecodeDevices(const std::vector<std::string>& lines, Configuration& config) {
  for (int port = 0; port <= 9; ++port) {
    const std::string device = ValeurCle("PeripheriqueCOM" + std::to_string(port), lines);
    if (!device.empty()) {
      config.PeripheriquesCOM[port] = device;
    }
  }
}

}  // namespace

std::string ValeurCle(std::string_view key, const std::vector<std::string>& lines) {
  const std::string upperKey = UpperText(key);
  for (const std::string& line : lines) {
    if (line.size() >= upperKey.size() && UpperText(std::string_view(line).substr(0, upperKey.size())) == upperKey) {
      return line.size() > upperKey.size() + 1 ? line.substr(upperKey.size() + 1) : std::string();
    }
  }
  return {};
}

bool LoadConfigurationLines(const std::filesystem::path& file, std::vector<std::string>& lines) {
  FichierTexte text;
  if (text.Open(file) != 0) {
    return false;
  }
  lines.clear();
  while (!text.Eof()) {
    lines.push_back(LitLigneUtile(text));
  }
  return true;
}

bool DecodeConfiguration(const std::vector<std::string>& lines, Configuration& config, DecodeFailure& failure) {
  if (!DecodeCoordinate(ValeurCle("LgCourant", lines), 180, config.LgCourant, failure) ||
      !DecodeCoordinate(ValeurCle("LtCourant", lines), 90, config.LtCourant, failure)) {
    return false;
  }
  ValeurCle("ProtocoleRotor", lines);
  if (!DecodeSerialLine(ValeurCle("ProtocoleGPS", lines), config, failure) ||
      !DecodeBoundedInteger(ValeurCle("Interface", lines), 4, config.TypeInterface, failure) ||
      !DecodeBoundedInteger(ValeurCle("Trame", lines), kTrameMax, config.TypeTrame, failure) ||
      !DecodeBoundedInteger(ValeurCle("PeriodeGPS", lines), 40, config.PeriodeGPS, failure)) {
    return false;
  }
  const std::string canaux = ValeurCle("Canaux", lines);
  if (!DecodeBoundedInteger(canaux, 10, config.NbCanaux, failure) || config.NbCanaux < 1) {
    failure.text = canaux;
    return false;
  }
  if (!DecodeCoordinate(ValeurCle("LgDemarre", lines), 180, config.LgDemarre, failure) ||
      !DecodeCoordinate(ValeurCle("LtDemarre", lines), 90, config.LtDemarre, failure) ||
      !DecodeInteger(ValeurCle("ZoomDemarre", lines), config.ZoomDemarre, failure)) {
    return false;
  }
  config.CarteDemarre = ValeurCle("CarteDemarre", lines);
  config.RepertoireLieu = ValeurCle("RepertoireLieu", lines);
  DecodeDevices(lines, config);
  return true;
}

std::string ChaineReglages(const Configuration& config) {
  static constexpr const char* kParity[] = {"", "N,", "E,", "O,"};
  static constexpr const char* kBits[] = {"", "5,", "7,", "8,"};
  const auto safe = [](int index, int size) { return index >= 0 && index < size ? index : 0; };
  return std::to_string(TableVitesses[safe(config.IndexVitesse, 8)]) + "," + kParity[safe(config.IndexParite, 4)] +
         kBits[safe(config.IndexBits, 4)] + std::to_string(config.BitsStop);
}

}  // namespace orvex
