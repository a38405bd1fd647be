#pragma once
// Interpretation of a region's place database and of the relay directory,
// with the progress lines of the start-up list.
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "database/directive.h"

namespace orvex {

// Appends label + " compilé" (code 0), label + " absent" (code 2) or
// label + " : erreur " + code.
void RapportCompilation(const ProgressSink& progress, std::string_view label, std::int32_t code);

struct ResultatInterpretation {
  std::int32_t IoStatus = kIoOk;  // of the last step
  // The region directory could not be entered: the error was shown and the
  // caller must end the program.
  bool regionAbsente = false;
};

// Empties the five region tables and refills them from `region`'s category
// directories (contours, villes, struct, niveaux, Dalles, OM), reporting each
// step. Leaves context.currentDirectory in the OM directory (or the region
// when that is missing).
ResultatInterpretation InterpreteBase(Interpretation& context, const std::filesystem::path& region);

// The error text shown when `region` cannot be entered (status `code`).
std::string MessageRegionAbsente(const std::filesystem::path& region, std::int32_t code);

// Start-up: "{incdir relais}" under `repertoireBase`, then, with the relay
// table emptied, "{Include *.dat}" there, in the relay category. Returns 0 and
// appends "Fichier des relais compilé", or returns the first non-zero status.
std::int32_t InterpreteRelais(Interpretation& context, const std::filesystem::path& repertoireBase);

}  // namespace orvex
