// Grid sample text read on two threads must read exactly as on one: the same
// values, or the same message after the same values. The first bytes choose
// the size of the parts, the shape of the grid and the options.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "place_lines.h"
#include "terrain/lecteur_parallele.h"

namespace {

template <typename Lecteur>
std::string LitTout(Lecteur& lecteur, std::int32_t colonnes, std::int32_t lignes) {
  std::string lu;
  std::vector<std::int32_t> row(static_cast<std::size_t>(colonnes));
  std::string erreur;
  for (std::int32_t r = 0; r < lignes && lecteur.LitLigne(row, erreur); ++r) {
    for (const std::int32_t v : row) {
      lu += std::to_string(v) + ' ';
    }
  }
  return lu + erreur;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) {
    return 0;
  }
  const std::size_t part = 1 + data[0] % 32;
  const std::int32_t colonnes = 1 + data[1] % 16;
  const std::int32_t lignes = 1 + data[2] % 16;
  orvex::LecteurTexte::Options options{.decimales = (data[3] & 1) != 0};
  if (data[3] & 2) {
    options.nodata = (data[3] & 4) ? std::nan("") : -9999.0;
  }
  const std::string_view text(reinterpret_cast<const char*>(data + 4), size - 4);
  const std::int64_t total = std::int64_t{colonnes} * lignes;
  orvex::LecteurTexte seul(text, colonnes, total, options);
  orvex::LecteurParallele deux(text, colonnes, total, options, part);
  orvex::fuzz::Require(LitTout(deux, colonnes, lignes) == LitTout(seul, colonnes, lignes));
  return 0;
}
