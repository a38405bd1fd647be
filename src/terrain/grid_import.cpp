#include "terrain/grid_import.h"

#include <system_error>

#include "geo/coordinate_text.h"
#include "platform/mapped_file.h"
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

std::string ImporteGrille(const std::filesystem::path& path, DestinationNoeuds& destination) {
  const Format format = FormatDe(path);
  if (format == Format::Inconnu) {
    return kFormatInconnu;
  }
  const MappedFile fichier(path);
  if (fichier.status() != 0) {
    return ErreurFichier(fichier.status());
  }
  SourceGrille source;
  const std::string erreur = format == Format::FIL    ? OuvreFIL(fichier.bytes(), source)
                             : format == Format::Esri ? OuvreEsri(fichier.bytes(), source)
                                                      : OuvreHgt(path.filename().string(), fichier.bytes(), source);
  return erreur.empty() ? RemplitNoeuds(source, destination) : erreur;
}

std::string ImporteGrille(const std::filesystem::path& path, TDalle& dalle) {
  DalleEnMemoire destination(dalle);
  return ImporteGrille(path, destination);
}

DallesEnFichier::DallesEnFichier(std::filesystem::path file) : file_(std::move(file)) {}

std::string DallesEnFichier::Echec(int status) {
  status_ = status;
  return "écriture impossible (" + std::generic_category().message(status) + ")";
}

std::string DallesEnFichier::Commence(const PlanDalle& plan) {
  ecriture_.emplace(file_, FormeDuPlan(plan));
  ligne_.resize(static_cast<std::size_t>(plan.NbX));
  return ecriture_->status() == 0 ? std::string() : Echec(ecriture_->status());
}

std::span<std::int32_t> DallesEnFichier::Ligne(std::int32_t) { return ligne_; }

std::string DallesEnFichier::LigneFaite(std::int32_t) {
  return ecriture_->Ligne(ligne_) ? std::string() : Echec(ecriture_->status());
}

std::string DallesEnFichier::Termine(std::int32_t altMin, std::int32_t altMax) {
  const int status = ecriture_->Termine(altMin, altMax);
  return status == 0 ? std::string() : Echec(status);
}

}  // namespace orvex
