#pragma once
// The elevation grid files the import command takes, chosen by extension:
// ".fil" (FIL), ".asc" (ESRI ASCII grid), ".hgt" (SRTM tile), in any case.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "terrain/dalles.h"
#include "terrain/grid_samples.h"

namespace orvex {

// The zone the grid of `path` covers, for the preview.
std::string LitEnteteGrille(const std::filesystem::path& path, EtendueGrille& etendue);

// Replaces `dalle` with the grid of `path`; on failure `dalle` is unchanged
// and the message says why.
std::string ImporteGrille(const std::filesystem::path& path, TDalle& dalle);

// The same import into any destination.
std::string ImporteGrille(const std::filesystem::path& path, DestinationNoeuds& destination);

// A tile file written as the rows of an import come, so that converting a
// grid never holds it whole in memory. The old file is replaced only when the
// whole import succeeded.
class DallesEnFichier : public DestinationNoeuds {
 public:
  explicit DallesEnFichier(std::filesystem::path file);
  // The system's error number when the file could not be written, else 0.
  int status() const { return status_; }

  std::string Commence(const PlanDalle& plan) override;
  std::span<std::int32_t> Ligne(std::int32_t r) override;
  std::string LigneFaite(std::int32_t r) override;
  std::string Termine(std::int32_t altMin, std::int32_t altMax) override;

 private:
  std::string Echec(int status);

  std::filesystem::path file_;
  std::optional<EcritureDalles> ecriture_;
  std::vector<std::int32_t> ligne_;
  int status_ = 0;
};

}  // namespace orvex
