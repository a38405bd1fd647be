#include "terrain/grid_import.h"

#include "geo/coordinate_text.h"
#include "terrain/esri_grid_file.h"
#include "terrain/fil_file.h"
#include "terrain/hgt_file.h"

namespace orvex {
namespace {

enum class Format { FIL, Esri, Hgt, Inconnu };

Format FormatDe(const std::filesystem::path& path) {
  const std::string extension = UpperText(path.extension().string());
  return extension == ".FIL"   ? Format::FIL
         : extension == ".ASC" ? Format::Esri
         : extension == ".HGT" ? Format::Hgt
                               : Format::Inconnu;
}

constexpr const char* kFormatInconnu = "format inconnu : les grilles importées sont en .fil, .asc ou .hgt";

}  // namespace

std::string LitEnteteGrille(const std::filesystem::path& path, EtendueGrille& etendue) {
  switch (FormatDe(path)) {
    case Format::FIL:
      return LitEnteteFIL(path, etendue);
    case Format::Esri:
      return LitEnteteEsri(path, etendue);
    case Format::Hgt:
      return LitEnteteHgt(path, etendue);
    case Format::Inconnu:
      break;
  }
  return kFormatInconnu;
}

std::string ImporteGrille(const std::filesystem::path& path, TDalle& dalle) {
  switch (FormatDe(path)) {
    case Format::FIL:
      return ImporteFIL(path, dalle);
    case Format::Esri:
      return ImporteEsri(path, dalle);
    case Format::Hgt:
      return ImporteHgt(path, dalle);
    case Format::Inconnu:
      break;
  }
  return kFormatInconnu;
}

}  // namespace orvex
