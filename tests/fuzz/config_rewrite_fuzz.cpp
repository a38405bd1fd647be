// The ORVEX.INI rewrite of "Sauver" over arbitrary file contents: whatever
// the old file holds, start-up must read back every value written.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/config_edition.h"
#include "scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const orvex::fuzz::ScratchFile scratch("ini-rewrite");
  const orvex::ValeursIni valeurs = {
      {"ProtocoleGPS", "COM2:9600,E,7,2"}, {"Trame", "2"}, {"ZoomDemarre", "1234"}, {"RepertoireLieu", "region"}};
  const std::string ecrit = orvex::ReecritConfiguration(orvex::fuzz::AsText(data, size), valeurs);
  std::vector<std::string> lignes;
  if (!orvex::LoadConfigurationLines(scratch.Hold(reinterpret_cast<const std::uint8_t*>(ecrit.data()), ecrit.size()),
                                     lignes)) {
    std::abort();
  }
  for (const auto& [cle, valeur] : valeurs) {
    if (orvex::ValeurCle(cle, lignes) != valeur) {
      std::abort();
    }
  }
  return 0;
}
