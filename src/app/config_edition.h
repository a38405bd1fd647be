#pragma once
// The configuration dialog's window-free part: the checks its texts pass
// before any value reaches the state, and the ORVEX.INI writer of "Sauver".
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "app/configuration.h"

namespace orvex {

inline constexpr int kZoomDemarreMax = 50000;
inline constexpr int kChiffresZoomMax = 5;
// Start-up reads one port digit, 0..4: a port it cannot read back is never offered.
inline constexpr int kPortsProposes = 4;

enum class ChampConfig { LgCour, LtCour, LgCentre, LtCentre, Zoom };

struct ErreurConfig {
  std::string message;
  ChampConfig champ;  // the edit that gets the focus
  friend bool operator==(const ErreurConfig&, const ErreurConfig&) = default;
};

// Windows-1252 texts of the "Carte vectorielle" tab.
struct TextesCarte {
  std::string lgCour;
  std::string ltCour;
  std::string lgCentre;
  std::string ltCentre;
  std::string zoom;
};

struct ValeursCarte {
  double lgCour = 0;
  double ltCour = 0;
  double lgCentre = 0;
  double ltCentre = 0;
  int zoom = 0;
};

// Coordinates must be degrees-minutes-seconds text (0 is the refusal value,
// so 0°0'0" is refused) within ±180 / ±90; the zoom 1 to 5 digits, 1..50000.
std::variant<ValeursCarte, ErreurConfig> ValideCarte(const TextesCarte& textes);

// Key and value texts written by "Sauver", in the order start-up reads them.
using ValeursIni = std::vector<std::pair<std::string, std::string>>;
ValeursIni ValeursAEcrire(const Configuration& config);

// The file's bytes with the value of the first line of each key replaced
// (key spelling and separator kept); comments, unknown and device lines and
// the order stay; a missing key is added at the end, with the file's line ends.
std::string ReecritConfiguration(std::string_view contenu, const ValeursIni& valeurs);

// 0 when written (atomically); EACCES when the file is read-only, which then
// stays as it was; else the system's error number.
int SauveConfiguration(const std::filesystem::path& fichier, const ValeursIni& valeurs);

}  // namespace orvex
