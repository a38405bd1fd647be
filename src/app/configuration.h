#pragma once
// ORVEX.INI: the observer, the serial line, the protocol, the channels, the
// start view and the region. Read once at start-up; never written.
#include <array>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "gps/frame_types.h"

namespace orvex {

inline constexpr std::array<int, 8> TableVitesses = {0, 50, 300, 600, 1200, 2400, 4800, 9600};  // 1-based
inline constexpr std::array<const char*, 4> NomsInterfaces = {"Baycom avec câble spécial", "Démodulateur AFSK", "GPS",
                                                             "Pk232 modèle MBX"};

struct Configuration {
  double LgCourant = 0;
  double LtCourant = 0;
  int PortGPS = 0;
  int IndexVitesse = 0;
  int IndexParite = 0;
  int IndexBits = 0;
  int BitsStop = 0;
  int TypeInterface = 0;
  int TypeTrame = 0;
  int PeriodeGPS = 0;
  int NbCanaux = 0;
  double LgDemarre = 0;
  double LtDemarre = 0;
  int ZoomDemarre = 0;
  std::string CarteDemarre;
  std::string RepertoireLieu;
  // Device file of a serial port, "PeripheriqueCOM<n>=<path>": USB receivers
  // and pseudo-terminals are not /dev/ttyS<n-1>.
  std::map<int, std::string> PeripheriquesCOM;
};

// The value of the first line whose start equals `key` ignoring ASCII case,
// skipping one separator character; empty when no line matches.
std::string ValeurCle(std::string_view key, const std::vector<std::string>& lines);

// The useful lines of the file (comments and blank lines skipped). False when
// the file cannot be opened.
bool LoadConfigurationLines(const std::filesystem::path& file, std::vector<std::string>& lines);

struct DecodeFailure {
  std::string text;  // what remained of the value being decoded
};

// Decodes every key in order; stops at the first bad value and returns false
// with the failing text.
bool DecodeConfiguration(const std::vector<std::string>& lines, Configuration& config, DecodeFailure& failure);

// "4800,N,8,1" from the decoded serial codes.
std::string ChaineReglages(const Configuration& config);

}  // namespace orvex
